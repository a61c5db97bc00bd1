#include "base/Convert.h"

#include "base/Exceptions.h"

#include <limits>

std::optional<int> TryStrToInt(const QString& text) {
    // Only space-like control characters count as blanks, as in the settings files.
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    const QString s = text.mid(begin, end - begin);
    if (s.isEmpty())
        return std::nullopt;

    qsizetype i = 0;
    bool negative = false;
    if (s.at(0) == u'-' || s.at(0) == u'+') {
        negative = s.at(0) == u'-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s.at(i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s.at(i) == u'0' && (s.at(i + 1) == u'x' || s.at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;

    qint64 value = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        // Hexadecimal may spell a negative number through its 32-bit pattern ($FFFFFFFF = -1).
        const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                        : qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
        if (value > limit)
            return std::nullopt;
    }
    if (base == 16 && value > std::numeric_limits<int>::max())
        value = qint64(qint32(quint32(value)));
    return int(negative ? -value : value);
}

int StrToInt(const QString& text) {
    if (auto v = TryStrToInt(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int StrToIntDef(const QString& text, int fallback) {
    return TryStrToInt(text).value_or(fallback);
}

QString IntToHex(int value, int digits) {
    return QString::number(quint32(value), 16).toUpper().rightJustified(digits, u'0');
}

QString ZeroPad(int value, int digits) {
    const QString magnitude = QString::number(qAbs(qint64(value))).rightJustified(digits, u'0');
    return value < 0 ? u'-' + magnitude : magnitude;
}

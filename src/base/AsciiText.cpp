#include "base/AsciiText.h"

QChar asciiUpper(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(char16_t(u - 32)) : c;
}

static QChar asciiLowerChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
}

QString asciiUpper(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = asciiUpper(c);
    return out;
}

QString asciiLower(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = asciiLowerChar(c);
    return out;
}

qsizetype asciiIndexOf(const QString& haystack, const QString& needle, qsizetype from) {
    if (needle.isEmpty() || from < 0)
        return -1;
    const qsizetype last = haystack.size() - needle.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype j = 0;
        while (j < needle.size() && asciiUpper(haystack.at(i + j)) == asciiUpper(needle.at(j)))
            ++j;
        if (j == needle.size())
            return i;
    }
    return -1;
}

bool asciiContains(const QString& haystack, const QString& needle) {
    return asciiIndexOf(haystack, needle) >= 0;
}

bool asciiSameText(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (asciiUpper(a.at(i)) != asciiUpper(b.at(i)))
            return false;
    return true;
}

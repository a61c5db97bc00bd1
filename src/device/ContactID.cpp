#include "device/ContactID.h"

#include "base/AsciiText.h"
#include "base/Exceptions.h"

namespace {

constexpr qsizetype kLength = 16;

// In Contact ID the digit 0 stands for ten, so "0" and "A" both count 10.
int DigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u == u'0') return 10;
    if (u >= u'1' && u <= u'9') return u - u'0';
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    throw EConvertError(QStringLiteral("'$%1' is not a valid integer value").arg(c));
}

} // namespace

bool TContactID::CheckSumOK() const {
    if (Text.size() < kLength) return false;
    int sum = 0;
    for (qsizetype i = 0; i < kLength - 1; ++i)
        sum += DigitValue(Text.at(i));
    const int expected = 15 - sum % 15;
    const QChar check = Text.at(kLength - 1);
    // A check value of ten is written "A" by some senders and "0" by others: both mean ten.
    if (expected == 10) return check == u'a' || check == u'A' || check == u'0';
    return QString::number(expected, 16) == asciiLower(QString(check));
}

bool TContactID::IsValidText(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool valid = u == u'+' || u == u',' || u == u'/' || (u >= u'0' && u <= u'9') || u == u':' ||
                           u == u'>' || (u >= u'A' && u <= u'F');
        if (!valid) return false;
    }
    return true;
}

#include "app/routines/HexWordToBits.h"

#include "base/AsciiText.h"

namespace {

// Blanks here are every character up to the space, control characters included.
QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

bool HexWordToBits(QString& S) {
    S = asciiUpper(TrimBlanks(S));
    if (S.size() < 4)
        return false;
    QString bits;
    bits.reserve(16);
    for (int i = 0; i < 4; ++i) {
        const int digit = HexDigit(S.at(i));
        if (digit < 0)
            return false;
        for (int bit = 3; bit >= 0; --bit)
            bits += (digit >> bit) & 1 ? u'1' : u'0';
    }
    S = bits;
    return true;
}

#include "device/WayDescriptor.h"

#include "base/Convert.h"

namespace {

constexpr int kDescriptorLength = 5;

// A decimal digit's value; -1 for anything else.
int DigitAt(const QString& text, qsizetype position) {
    const QChar c = text.at(position);
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

} // namespace

QString WayDescriptor(int channelIndex, int way) {
    const QString digit = IntToHex(way - 1, 1);
    switch (channelIndex) {
    case 1:
        return digit + QStringLiteral("0111");
    case 2:
        return digit + QStringLiteral("0101");
    case 3:
        return digit + QStringLiteral("0110");
    case 4:
        return digit + QStringLiteral("0100");
    case 5:
        return digit + QStringLiteral("0010");
    case 6:
        return digit + QStringLiteral("1010");
    case 7:
        return digit + QStringLiteral("0112");
    case 8:
        return digit + QStringLiteral("0102");
    default:
        if (channelIndex < 1) return QStringLiteral("00100");
        return digit;
    }
}

int WayChannelIndex(const QString& descriptor) {
    if (descriptor.size() < kDescriptorLength) return 0;
    const bool sim1 = descriptor.at(3) == u'1';
    switch (DigitAt(descriptor, 2)) {
    case 0:
        return descriptor.at(1) != u'0' ? 6 : 5;
    case 1:
        switch (DigitAt(descriptor, 4)) {
        case 0:
            return sim1 ? 3 : 4;
        case 1:
            return sim1 ? 1 : 2;
        case 2:
            return sim1 ? 7 : 8;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

#include "firmware/UploadPackets.h"
#include "app/windows/fAppMain.h"
#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

// A 16-byte row whose first byte is `first` and the rest 0.
QString Row(int first) {
    return QStringLiteral("%1").arg(first, 2, 16, QLatin1Char('0')).toUpper() + QString(30, u'0');
}

} // namespace

// Nine rows: packets at rows 0000, 0004 and 0008, the last with one row, each closed by the XOR
// of its bytes; checks 1 and 2 go into S1, 3 into S2.
TEST(UploadPackets, NineLinesGiveThreePacketsAndTheSums) {
    QStringList rows;
    for (int r = 0; r < 8; ++r)
        rows.append(Row(1 << r));
    rows.append(Row(0x5A));

    TUploadPackets packets;
    QStringList built;
    for (int i = 0; i < rows.size(); i += 4)
        built.append(packets.Build(i, rows.mid(i, 4)));
    ASSERT_EQ(built.size(), 3);
    EXPECT_EQ(built[0], QStringLiteral("W0000:") + Row(1) + Row(2) + Row(4) + Row(8) + QStringLiteral(":0F"));
    EXPECT_EQ(built[1], QStringLiteral("W0004:") + Row(0x10) + Row(0x20) + Row(0x40) + Row(0x80) +
                            QStringLiteral(":F0"));
    EXPECT_EQ(built[2], QStringLiteral("W0008:") + Row(0x5A) + QStringLiteral(":5A"));
    EXPECT_EQ(packets.EraseCommand(), QStringLiteral("EEFF5A0000"));
    EXPECT_EQ(UploadTotalParts(int(rows.size()) + 1), 2 + 102) << "the title line counts";
}

// The ninth packet's check byte starts the second round of eight, in S1.
TEST(UploadPackets, NinthPacketFoldsIntoTheFirstSum) {
    TUploadPackets packets;
    for (int k = 0; k < 9; ++k)
        packets.Build(k, {Row(k < 8 ? 1 << k : 0x10)});
    EXPECT_EQ(packets.EraseCommand(), QStringLiteral("EE130C30C0"));
    EXPECT_THROW(packets.Build(9, {QStringLiteral("0G")}), EConvertError);
}

TEST(UploadPackets, EchoMustBeginWithThePacketsAddress) {
    const QString packet = QStringLiteral("W0004:") + Row(1) + QStringLiteral(":01");
    EXPECT_TRUE(EchoAccepted(packet, QStringLiteral(" \r\n0004\r\nOK\r\n")));
    EXPECT_TRUE(EchoAccepted(packet, QStringLiteral("0004OK")));
    EXPECT_FALSE(EchoAccepted(packet, QStringLiteral("OK\r\n")));
    EXPECT_FALSE(EchoAccepted(packet, QStringLiteral("0008\r\nOK")));
}

// The image's title gives its version; a part that does not parse stays -1.
TEST(UploadPackets, ImageTitleVersion) {
    const TFirmwareVersion good = VersionFromText(QStringLiteral("VER 01.004.014"), -1);
    EXPECT_EQ(good.Major, 4);
    EXPECT_EQ(good.Minor, 14);
    const TFirmwareVersion bad = VersionFromText(QStringLiteral("VER 01.x4.1a"), -1);
    EXPECT_EQ(bad.Major, -1);
    EXPECT_EQ(bad.Minor, -1);
}

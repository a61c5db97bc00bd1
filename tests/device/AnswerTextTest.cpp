#include "device/Device.h"

#include <gtest/gtest.h>

namespace {

// The text operations of the panel object need no link.
TDevice PanelTextRules() {
    return TDevice(nullptr, QStringLiteral("VER 01"), QStringLiteral("+"), QStringLiteral("\r"),
                   QStringLiteral("OK"), nullptr);
}

} // namespace

TEST(ExtractAnswer, CutsTheValueBetweenMarkAndTerminator) {
    TDevice device = PanelTextRules();
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral("\r\n>123\r\nOK\r\n")), QStringLiteral("123"));
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral("ABC\r\nOK")), QStringLiteral("ABC")); // no ">"
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral("OK")), QString());
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral("junk>1>2\r\nOK\r\n")), QStringLiteral("1>2"));
    // The terminator's search is case-sensitive: a lower-case "ok" ends no value.
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral(">12ok")), QString());
    EXPECT_EQ(device.ExtractAnswer(QString()), QString());
}

TEST(ExtractAnswer, TrimsControlsAndDropsCarriageReturnsInside) {
    TDevice device = PanelTextRules();
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral(">\t a\r\n b \r\r\nOK\r\n")), QStringLiteral("a\n b"));
    // A no-break space (0xA0 in the code page) belongs to the value.
    EXPECT_EQ(device.ExtractAnswer(QString::fromUtf8(">\u00A0x\u00A0\r\nOK")),
              QString::fromUtf8("\u00A0x\u00A0"));
}

TEST(ExtractAnswer, ValueContainingTheTerminatorStaysWhole) {
    TDevice device = PanelTextRules();
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral("\r\n>internet.OK.ru\r\nOK\r\n")),
              QStringLiteral("internet.OK.ru"));
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral(">OKAY\nOK\r\n")), QStringLiteral("OKAY"));
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral("\r\n>OK\r\n")), QString());
    // With no line opening with the terminator the first one counts, as before.
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral(">12OK")), QStringLiteral("12"));
    EXPECT_EQ(device.ExtractAnswer(QStringLiteral(">aOKbOK")), QStringLiteral("a"));
}

TEST(SplitString, PiecesBetweenSeparators) {
    const QString blank = QStringLiteral(" ");
    QStringList pieces;
    SplitString(QStringLiteral("1A 2B"), blank, pieces);
    EXPECT_EQ(pieces, QStringList({"1A", "2B"}));
    SplitString(QStringLiteral("1A  2B"), blank, pieces);
    EXPECT_EQ(pieces, QStringList({"1A", "", "2B"}));
    SplitString(QStringLiteral(" 1A"), blank, pieces);
    EXPECT_EQ(pieces, QStringList({"", "1A"}));
    SplitString(QStringLiteral("1A "), blank, pieces);
    EXPECT_EQ(pieces, QStringList({"1A", ""}));
    SplitString(blank, blank, pieces);
    EXPECT_EQ(pieces, QStringList({"", ""}));
    SplitString(QStringLiteral("a,b c"), QStringLiteral(", "), pieces);
    EXPECT_EQ(pieces, QStringList({"a", "b", "c"}));
}

TEST(SplitString, EmptyTextLeavesPiecesAlone) {
    QStringList pieces = {QStringLiteral("kept")};
    SplitString(QString(), QStringLiteral(" "), pieces);
    EXPECT_EQ(pieces, QStringList({"kept"}));
}

TEST(CheckVersion, NeedsTheExactTagAnywhere) {
    TDevice device = PanelTextRules();
    EXPECT_TRUE(device.CheckVersion(QStringLiteral("GSM-9-TK4 VER 01 004.013")));
    EXPECT_TRUE(device.CheckVersion(QStringLiteral("VER 01")));
    EXPECT_FALSE(device.CheckVersion(QStringLiteral("GSM-9-TK4 VER 02 004.013")));
    EXPECT_FALSE(device.CheckVersion(QStringLiteral("ver 01 004.013")));
    EXPECT_FALSE(device.CheckVersion(QString()));
}

TEST(FormatCommand, FramesWithPrefixAndSuffix) {
    TDevice device = PanelTextRules();
    EXPECT_EQ(device.FormatCommand(QStringLiteral("o=0007")), QStringLiteral("+o=0007\r"));
    device.SetPrefix(QStringLiteral("#"));
    EXPECT_EQ(device.FormatCommand(QStringLiteral("v")), QStringLiteral("#v\r"));
}

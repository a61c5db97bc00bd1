#include "device/Device.h"

#include <gtest/gtest.h>

namespace {

// The text operations of the panel object need no link.
TDevice PanelTextRules() {
    return TDevice(nullptr, QStringLiteral("VER 01"), QStringLiteral("+"), QStringLiteral("\r"),
                   QStringLiteral("OK"), nullptr);
}

} // namespace

TEST(ExtractAnswer, CutsTrimsAndKeepsValuesContainingTheTerminator) {
    TDevice device = PanelTextRules();
    const QList<std::pair<QString, QString>> cases{
        {"\r\n>123\r\nOK\r\n", "123"},
        {"ABC\r\nOK", "ABC"}, // no ">"
        {"OK", ""},
        {"", ""},
        {"junk>1>2\r\nOK\r\n", "1>2"},
        {">12ok", ""}, // the terminator's search is case-sensitive
        {">\t a\r\n b \r\r\nOK\r\n", "a\n b"},
        // A no-break space (0xA0 in the code page) belongs to the value.
        {QString::fromUtf8(">\u00A0x\u00A0\r\nOK"), QString::fromUtf8("\u00A0x\u00A0")},
        // A value containing "OK" stays whole: the terminator is the "OK" opening a line.
        {"\r\n>internet.OK.ru\r\nOK\r\n", "internet.OK.ru"},
        {">OKAY\nOK\r\n", "OKAY"},
        {"\r\n>OK\r\n", ""},
        // With no line opening with the terminator the first one counts, as before.
        {">12OK", "12"},
        {">aOKbOK", "a"},
    };
    for (const auto& [raw, value] : cases)
        EXPECT_EQ(device.ExtractAnswer(raw), value) << raw.toStdString();
}

TEST(SplitString, PiecesBetweenSeparators) {
    const QList<std::tuple<QString, QString, QStringList>> cases{
        {"1A 2B", " ", {"1A", "2B"}}, {"1A  2B", " ", {"1A", "", "2B"}},
        {" 1A", " ", {"", "1A"}},     {"1A ", " ", {"1A", ""}},
        {" ", " ", {"", ""}},         {"a,b c", ", ", {"a", "b", "c"}},
        {"", " ", {"kept"}}, // an empty text leaves the pieces alone
    };
    for (const auto& [text, separators, expected] : cases) {
        QStringList pieces{QStringLiteral("kept")};
        SplitString(text, separators, pieces);
        EXPECT_EQ(pieces, expected) << text.toStdString();
    }
}

TEST(CheckVersion, NeedsTheExactTagAnywhere) {
    TDevice device = PanelTextRules();
    EXPECT_TRUE(device.CheckVersion(QStringLiteral("GSM-9-TK4 VER 01 004.013")));
    EXPECT_TRUE(device.CheckVersion(QStringLiteral("VER 01")));
    EXPECT_FALSE(device.CheckVersion(QStringLiteral("GSM-9-TK4 VER 02 004.013")));
    EXPECT_FALSE(device.CheckVersion(QStringLiteral("ver 01 004.013")));
    EXPECT_FALSE(device.CheckVersion(QString()));
}

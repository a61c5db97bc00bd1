#include "device/MsgFile.h"
#include "base/Cp1251.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MsgFileTest : public ::testing::Test {
protected:
    // Loads a table from these bytes.
    TMsgFile load(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("Messages.txt"));
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        TMsgFile table;
        table.LoadFromFile(path);
        return table;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(MsgFileTest, EachLookUpTakesTheFirstRowWithItsCellFilled) {
    const TMsgFile table = load("1301||$00FF00|$000000\r\n1301|T||\r\n1301|U|$FF|$80\r\n"
                                "1|a|$0080FF|$FFFFFF\n2|b|16711680|12\n3|c|red|1\n3|c|255|1\n4|d\n");
    EXPECT_EQ(table.TextOf("1301"), QStringLiteral("T"));
    EXPECT_EQ(table.ColourOf("1301"), clLime);
    EXPECT_EQ(table.NumberOf("1301"), 0);
    EXPECT_EQ(table.ColourOf("1"), 0x0080FF);
    EXPECT_EQ(table.NumberOf("1"), 0xFFFFFF);
    EXPECT_EQ(table.ColourOf("2"), clBlue);
    EXPECT_EQ(table.NumberOf("2"), 12);
    EXPECT_EQ(table.ColourOf("3"), clWhite) << "the first filled cell is no number: white, no further search";
    EXPECT_EQ(table.ColourOf("4"), clWhite) << "a short row has no colour";
    EXPECT_EQ(table.NumberOf("4"), 0);
    EXPECT_EQ(table.TextOf("4"), QStringLiteral("d"));
}

TEST_F(MsgFileTest, LinesAndCells) {
    const TMsgFile table =
        load("no bar here\r\n\r\nA|\r\n 1303|x| 12 |y\r\n\xCF\xF0\xEE|\xD2\xE5\xEA\xF1\xF2\n");
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.Cell(0, 0), QStringLiteral("A"));
    EXPECT_EQ(table.Cell(0, 1), QString());
    EXPECT_EQ(table.Cell(0, 2), QString()) << "no such cell";
    EXPECT_EQ(table.Cell(1, 0), QStringLiteral(" 1303")) << "cells keep their blanks";
    EXPECT_EQ(table.Cell(1, 2), QStringLiteral(" 12 "));
    EXPECT_EQ(table.Cell(5, 0), QString());
    EXPECT_EQ(table.Cell(-1, 0), QString());
    EXPECT_EQ(table.TextOf("1303"), QStringLiteral(" ")) << "keys compare exactly";
    EXPECT_EQ(table.TextOf(" 1303"), QStringLiteral("x"));
    EXPECT_EQ(table.NumberOf(" 1303"), 0) << "y is no number";
    EXPECT_EQ(table.TextOf(QString::fromUtf8("Про")), QString::fromUtf8("Текст"));
}

TEST_F(MsgFileTest, AMissingFileLeavesTheTableEmpty) {
    TMsgFile table = load("1301|T|255|0\n");
    ASSERT_EQ(table.ColourOf("1301"), clRed);
    table.LoadFromFile(dir.filePath(QStringLiteral("none.txt")));
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(table.TextOf("1301"), QStringLiteral(" "));
    EXPECT_EQ(table.ColourOf("1301"), clWhite);
    EXPECT_EQ(table.NumberOf("1301"), 0);
    table = load("1301|T|255|0\n");
    table.LoadFromFile(dir.path()); // a folder cannot be read as a file
    EXPECT_EQ(table.RowCount(), 0);
}

// The table shipped with the program: Contact ID code + qualifier keys, a text and two colours
// on every row, and the rows the pages' defaults point at.
TEST(ShippedMessages, LayoutTheProgramReliesOn) {
    TMsgFile table;
    table.LoadFromFile(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"));
    ASSERT_GT(table.RowCount(), 112);
    QSet<QString> keys;
    for (int row = 0; row < table.RowCount(); ++row) {
        // Four cells; a unique key of three digits and the qualifier 1 or 3; a text that survived
        // the code page; a colour unlike an unknown event's, and text readable on its background.
        const QString key = table.Cell(row, 0);
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(table.Cell(row, 4), QString());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]{3}[13]$")).match(key).hasMatch());
        EXPECT_FALSE(keys.contains(key));
        keys.insert(key);
        EXPECT_FALSE(table.Cell(row, 1).trimmed().isEmpty() || table.Cell(row, 1).contains(u'?'));
        EXPECT_NE(table.ColourOf(key), clWhite);
        EXPECT_EQ(table.ColourOf(key) & ~0xFFFFFF, 0);
        EXPECT_NE(table.ColourOf(key), table.NumberOf(key));
    }
    // The loops page defaults to rows 24 and 25, the keypads' link-loss event to row 112.
    EXPECT_EQ(table.Cell(24, 0) + table.Cell(25, 0) + table.Cell(112, 0), QStringLiteral("130113033331"));
    EXPECT_EQ(table.TextOf("1301"), QString::fromUtf8("Проникновение"));
    EXPECT_EQ(table.TextOf("3011"), QString::fromUtf8("Исчезновение 220 V"));
    // Alarms, troubles, restores, openings and closings, tests each look different.
    const QStringList distinct = {"1101", "1301", "1303", "3011", "3013", "4011", "4013", "6021", "5701"};
    QSet<TColor> colours;
    for (const QString& key : distinct)
        colours.insert(table.ColourOf(key));
    EXPECT_EQ(colours.size(), distinct.size());
}

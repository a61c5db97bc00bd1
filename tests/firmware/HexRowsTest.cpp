#include "firmware/HexRows.h"
#include "HexText.h"

#include <gtest/gtest.h>

namespace {

QString Record(int type, int address, const QStringList& bytes) {
    return HexRecord(type, address, QByteArray::fromHex(bytes.join(QString()).toLatin1()));
}

QStringList Bytes(int count, int first) {
    QStringList bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(QStringLiteral("%1").arg((first + i) & 0xFF, 2, 16, QLatin1Char('0')).toUpper());
    return bytes;
}

const QString kEnd = QStringLiteral(":00000001FF");

QStringList Labels(const THexRows& hex) {
    QStringList labels;
    for (const THexRow& row : hex.Rows)
        labels.append(row.Label);
    return labels;
}

} // namespace

// Consecutive 16-byte records (CR LF line ends) fill one row each from "0000" on; past row
// "0FFF" the next 64 KB continue at "1000", with or without an extended address record.
TEST(HexRows, SecondSegmentLabels) {
    for (bool extended : {true, false}) {
        QStringList lines{Record(4, 0, {QStringLiteral("00"), QStringLiteral("00")})};
        for (int r = 0; r < 0x1000; ++r)
            lines.append(Record(0, r * 16, Bytes(16, r)));
        if (extended) lines.append(Record(4, 0, {QStringLiteral("00"), QStringLiteral("01")}));
        lines.append(Record(0, 0, Bytes(16, 7)));
        lines.append(kEnd);
        const THexRows hex = ReadHexRows(HexFileLines(lines.join(QStringLiteral("\r\n")).toLatin1()));
        EXPECT_TRUE(hex.Complete) << extended;
        ASSERT_EQ(hex.Rows.size(), 0x1001);
        EXPECT_EQ(hex.Rows[0xFFF].Label, QStringLiteral("0FFF"));
        EXPECT_EQ(hex.Rows[0x13].Cells, Bytes(16, 0x13));
        EXPECT_EQ(hex.Rows[0x1000].Label, QStringLiteral("1000"));
        EXPECT_EQ(hex.Rows[0x1000].Cells, Bytes(16, 7)) << "address records carry no data";
    }
}

// Reading stops at a jump in addresses, at a record whose checksum is wrong and at a file that
// ends without its end record; what came before stays.
TEST(HexRows, StopsAndSaysWhere) {
    QString bad = Record(0, 0x10, Bytes(16, 1));
    bad[bad.size() - 1] = bad.at(bad.size() - 1) == u'0' ? u'1' : u'0';
    const struct {
        QString second;
        const char* reason;
    } cases[] = {{Record(0, 0x30, Bytes(16, 1)), "разрыв адресов"},
                 {bad, "неверная контрольная сумма записи"},
                 {QStringLiteral(":10001000ZZ"), "неверный формат записи"}};
    for (const auto& c : cases) {
        const THexRows hex = ReadHexRows({Record(0, 0, Bytes(16, 0)), c.second, kEnd});
        EXPECT_FALSE(hex.Complete);
        EXPECT_EQ(hex.StopLine, 2);
        EXPECT_EQ(hex.StopReason, QString::fromUtf8(c.reason));
        EXPECT_EQ(Labels(hex), QStringList{QStringLiteral("0000")});
    }
    const THexRows noEnd = ReadHexRows({Record(0, 0, Bytes(16, 0))});
    EXPECT_FALSE(noEnd.Complete);
    EXPECT_EQ(noEnd.StopReason, QStringLiteral("нет записи конца файла"));
}

// Bytes land at their own offset: a half record at 0008 fills the row's second half, a record
// across a row boundary fills two rows, and data that begins at 0010 leaves row "0000" empty.
TEST(HexRows, RecordsAtTheirOffsets) {
    const THexRows hex = ReadHexRows(
        {Record(0, 0x10, Bytes(8, 0)), Record(0, 0x18, Bytes(16, 8)), Record(0, 0x28, Bytes(8, 24)), kEnd});
    EXPECT_TRUE(hex.Complete);
    EXPECT_EQ(Labels(hex),
              (QStringList{QStringLiteral("0000"), QStringLiteral("0001"), QStringLiteral("0002")}));
    EXPECT_EQ(hex.Rows[0].Cells, QStringList(16));
    EXPECT_EQ(hex.Rows[1].Cells, Bytes(16, 0));
    EXPECT_EQ(hex.Rows[2].Cells, Bytes(16, 16));

    const THexRows half = ReadHexRows({Record(0, 0x08, Bytes(8, 0)), kEnd});
    EXPECT_EQ(half.Rows[0].Cells, QStringList(8) + Bytes(8, 0));
}

// The lines of a file's bytes: CR LF, LF and CR all end a line, a UTF-8 byte-order mark before
// the first line is dropped, the break after the last line adds no empty line; the reader
// ignores blanks and tabs after a record, and a file without its end record stops at its last
// line.
TEST(HexRows, LineEndsMarkAndTrailingBlanks) {
    EXPECT_EQ(
        HexFileLines("\xEF\xBB\xBF"
                     "a\r\nb\rc\nd\r\n"),
        (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(HexFileLines("a\r\n\r\nb"), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_TRUE(HexFileLines("").isEmpty());
    EXPECT_EQ(HexFileLines("\xEF\xBB\xBF"), QStringList()) << "only the mark";

    const THexRows hex = ReadHexRows({Record(0, 0, Bytes(16, 0)) + QStringLiteral(" \t"),
                                      Record(0, 0x10, Bytes(16, 16)) + QStringLiteral("\t"), kEnd + u' '});
    EXPECT_TRUE(hex.Complete);
    EXPECT_TRUE(hex.HoldsData());
    EXPECT_EQ(hex.Rows[1].Cells, Bytes(16, 16));

    const THexRows noEnd = ReadHexRows({Record(0, 0, Bytes(16, 0)), Record(0, 0x10, Bytes(16, 16))});
    EXPECT_EQ(noEnd.StopLine, 2);
    EXPECT_EQ(ReadHexRows({}).StopLine, 0);
    EXPECT_FALSE(ReadHexRows({kEnd}).HoldsData());
}

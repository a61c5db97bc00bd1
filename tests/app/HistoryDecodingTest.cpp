#include "app/controls/StringGrid.h"
#include "app/history/HistoryDecoding.h"

#include <gtest/gtest.h>

namespace {

// Row 1 of a history grid after one record is decoded into it, columns 0 to 11 joined by "|".
std::string Row(const QString& record) {
    TStringGrid grid;
    grid.SetColCount(HistoryColumnCount);
    grid.SetRowCount(2);
    const TWayChannelNames names = [](int way) { return QStringLiteral("к%1").arg(way); };
    ShowHistoryEvent(grid, 1, QStringLiteral("7"), DecodeHistoryRecord(record, names));
    QStringList cells;
    for (int column = 0; column < HistoryColumnCount; ++column)
        cells << grid.Cell(column, 1);
    return cells.join(u'|').toStdString();
}

std::string Line(const QString& record) {
    QString text;
    AppendHistoryFileLines(text, 7, record, [](int) { return QStringLiteral("к"); });
    return text.section(QStringLiteral("\r\n"), 0, 0).toStdString();
}

} // namespace

TEST(HistoryDecoding, RecordsBecomeGridRowsAndFileLines) {
    // No message table is loaded here: the event text is the table's fallback, one blank.
    EXPECT_EQ(Row("26.12.07 08:30:15 7BFD 1234181131001009"),
              "7|08:30:15 26.12.07|1234|131|Тревога| |0|100|1234181131001009|Да|Да|LAN; 2:к2; ");
    EXPECT_EQ(Row("26.12.07 08:30:15 FCFE 1234183131021A0B"),
              "7|08:30:15 26.12.07|1234|131|Восстановление| |2|1A0|1234183131021A0B|Нет|Нет|"
              "GPRS online SIM2; GPRS online SIM1; 1:к1; ")
        << "a restore, flags of both GPRS channels and way 1, a wrong check digit";
    EXPECT_EQ(Row("26.12.07 08:30:15 XYZ0 1234182131011002"),
              "7|08:30:15 26.12.07|1234|131|||1|100|1234182131011002|Да||")
        << "neither alarm nor restore; a flag word that is no hex number leaves the last two empty";
    EXPECT_EQ(Row("26.12.07 08:30:15 7BFD 12341811310010a9"), "7||Ошибка|||||||||") << "lower case";
    EXPECT_EQ(Row("26.12.07 08:30:15 7BFD 12341811310:1009"),
              "7|08:30:15 26.12.07|Ошибка|131|Тревога| ||100|12341811310:1009|||")
        << "':' passes the character check but has no digit value: no check digit, no flags";
    EXPECT_EQ(Row("FFFFFFFF FFFFFFFF FFFF FFFFFFFFFFFFFFFF"), "7|||||||||||") << "an unwritten slot";
    EXPECT_EQ(Row("26.12.07 08:30:15 7BFD1234181131001009"), "7||Ошибка|||||||||") << "no Contact ID field";
    EXPECT_EQ(Row("26.12.07 08:30:15 7BFD 12341811 310010"), "7||Ошибка|||||||||") << "a short one";

    EXPECT_EQ(Line("26.12.07 08:30:15 7BFD 1234181131001009"),
              "7  08:30:15 26.12.07 1234181131001009 1234 131 Тревога 0 100 Да Да LAN; 2:к; ");
    EXPECT_EQ(Line("26.12.07 08:30:15 XYZ0 1234182131011002"),
              "7  08:30:15 26.12.07 1234182131011002 1234 131 1 100 Да")
        << "no blank for what is empty";
    EXPECT_EQ(Line("26.12.07 08:30:15 7BFD 12341811310:1009"),
              "7  08:30:15 26.12.07 12341811310:1009 1234 131 Тревога 100")
        << "the line ends where decoding stopped";
    EXPECT_EQ(Line("26.12.07 08:30:15 7BFD 12341811 310010"), "7  Ошибка");
}

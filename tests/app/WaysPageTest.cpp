#include "app/pages/fWays.h"
#include "base/Color.h"
#include "platform/IniFile.h"
#include "support/ScriptedDialogs.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray Saved(TformWays& page) {
    TMemIniFile ini(QString{});
    page.SaveToIni(ini);
    return ini.ToBytes();
}

// Way by way: channel index, number, and after it the pair ("&" И, "|" Или).
QString Ways(const TformWays& page) {
    QString ways;
    for (int way = 1; way <= TformWays::WayCount; ++way) {
        ways += QString::number(page.cb(way)->currentIndex()) + page.etP(way)->text();
        if (way < TformWays::WayCount) ways += page.rb(2 * way - 1)->isChecked() ? u'&' : u'|';
    }
    return ways;
}

void Use(TformWays& page, int way, int channel, const QString& number) {
    page.cb(way)->setCurrentIndex(channel);
    page.etP(way)->setText(number);
}

QColor Background(const TformWays& page, int way) {
    return page.etP(way)->palette().color(QPalette::Base);
}

const QByteArray kDefaults =
    "[formWays]\r\netP1=\r\netP2=\r\netP3=\r\netP4=\r\netP5=\r\netP6=\r\netP7=\r\n"
    "etP8=\r\nrb1=0\r\nrb2=1\r\nrb3=0\r\nrb4=1\r\nrb5=0\r\nrb6=1\r\nrb7=0\r\nrb8=1\r\n"
    "rb9=0\r\nrb10=1\r\nrb11=0\r\nrb12=1\r\nrb13=0\r\nrb14=1\r\ncb1=0\r\ncb2=0\r\n"
    "cb3=0\r\ncb4=0\r\ncb5=0\r\ncb6=0\r\ncb7=0\r\ncb8=0\r\nrdo2=1\r\nrdo1=0\r\n\r\n";

} // namespace

TEST(WaysPage, DefaultsClearAndSaveLoad) {
    TformWays page;
    EXPECT_EQ(page.windowTitle(), QStringLiteral("Каналы связи"));
    EXPECT_EQ(Saved(page), kDefaults) << "designed with the default values";

    Use(page, 1, 6, QStringLiteral("123w4"));
    Use(page, 2, 8, QStringLiteral("+7900"));
    page.rb(1)->setChecked(true);
    page.rdo1->setChecked(true);
    const QByteArray changed = Saved(page);
    TMemIniFile file(QString{});
    page.SaveToIni(file);
    page.SetDefaults();
    EXPECT_EQ(Saved(page), kDefaults);
    page.LoadFromIni(file);
    EXPECT_EQ(Saved(page), changed);

    page.Clear();
    EXPECT_EQ(Ways(page), QStringLiteral("0|0|0|0|0|0|0|0"));
    EXPECT_TRUE(page.rdo1->isChecked()) << "the direction change mode stays";
}

TEST(WaysPage, EveryChannelShowsWhole) {
    TformWays page;
    for (int way = 1; way <= TformWays::WayCount; ++way)
        EXPECT_GE(page.cb(way)->width(), page.cb(way)->sizeHint().width()) << way;
    EXPECT_LE(page.GroupBox3->x() + page.GroupBox3->width(), page.GroupBox1->width());
    EXPECT_LE(page.GroupBox1->x() + page.GroupBox1->width(), page.ScrollBox1->widget()->width());
}

TEST(WaysPage, PackWaysMovesUsedWaysUpWithTheirPairs) {
    TformWays gaps;
    Use(gaps, 1, 1, QStringLiteral("1"));
    Use(gaps, 3, 2, QStringLiteral("3"));
    gaps.rb(5)->setChecked(true); // "И" after way 3
    Use(gaps, 5, 3, QStringLiteral("5"));
    gaps.ResetMarks();
    EXPECT_EQ(Ways(gaps), QStringLiteral("11|23&35|0|0|0|0|0"));

    TformWays last;
    Use(last, 8, 4, QStringLiteral("8"));
    last.rb(1)->setChecked(true);
    last.PackWays();
    EXPECT_EQ(Ways(last), QStringLiteral("48&0|0|0|0|0|0|0")) << "way 8 has no pair to bring along";

    TformWays all;
    for (int way = 1; way <= TformWays::WayCount; ++way)
        Use(all, way, way, QString::number(way));
    all.rb(7)->setChecked(true);
    const QString before = Ways(all);
    all.PackWays();
    EXPECT_EQ(Ways(all), before);
}

TEST(WaysPage, NumbersAreColouredByDirection) {
    TformWays page;
    for (int way = 1; way <= TformWays::WayCount; ++way)
        EXPECT_EQ(Background(page, way), ToQColor(0xF0FBFF)) << way;
    page.rb(5)->setChecked(true); // "И" after way 3
    for (int way = 1; way <= TformWays::WayCount; ++way)
        EXPECT_EQ(Background(page, way), ToQColor(way <= 3 ? 0xF0FBFF : 0xB1E2C4)) << way;
    page.rb(13)->setChecked(true); // and after way 7
    EXPECT_EQ(Background(page, 7), ToQColor(0xB1E2C4));
    EXPECT_EQ(Background(page, 8), ToQColor(0xFDACAA));
}

TEST(WaysPage, AWiredWayTakesNoPlus) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    TformWays page;
    Use(page, 1, 1, QStringLiteral("+7900"));
    Use(page, 2, 3, QStringLiteral("+7901"));
    page.cb(2)->setCurrentIndex(5);
    emit page.cb(2)->activated(5);
    EXPECT_EQ(page.etP(1)->text(), QStringLiteral("+7900"));
    EXPECT_EQ(page.etP(2)->text(), QString());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.at(0).text, QStringLiteral("Неправильно введен номер!"));

    QTest::keyClicks(page.etP(2), QStringLiteral("+12w9W"));
    EXPECT_EQ(page.etP(2)->text(), QStringLiteral("12w9W"));
    page.cb(2)->setCurrentIndex(2);
    QTest::keyClicks(page.etP(2), QStringLiteral("+a"));
    EXPECT_EQ(page.etP(2)->text(), QStringLiteral("12w9W+")) << "the filter follows the channel";

    EXPECT_EQ(page.WayChannelName(1), QStringLiteral("GSM-SIM1 цифр."));
    page.cb(1)->setCurrentIndex(6);
    EXPECT_EQ(page.WayChannelName(1), QStringLiteral("пров."));
    EXPECT_EQ(page.WayChannelName(8), QStringLiteral("не исп."));
    page.cb(8)->setCurrentIndex(-1);
    EXPECT_EQ(page.WayChannelName(8), QString());
}

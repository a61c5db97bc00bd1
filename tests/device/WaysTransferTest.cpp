#include "DeviceControllerFixture.h"

#include "app/pages/fWays.h"
#include "device/WayDescriptor.h"
#include "link/PrintQt.h"
#include "support/ScriptedDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString kWayError = QStringLiteral("Параметры направления");

// The seven pairs between the ways: "&" where "И" is checked, "|" where "Или" is.
QString Pairs(const TformWays& page) {
    QString pairs;
    for (int k = 1; k < TformWays::WayCount; ++k)
        pairs += page.rb(2 * k - 1)->isChecked() ? u'&' : page.rb(2 * k)->isChecked() ? u'|' : u'?';
    return pairs;
}

// The channel index of every way, as digits.
QString Channels(const TformWays& page) {
    QString channels;
    for (int way = 1; way <= TformWays::WayCount; ++way)
        channels += QString::number(page.cb(way)->currentIndex());
    return channels;
}

QList<QByteArray> Starting(const QList<QByteArray>& frames, const QByteArray& prefix) {
    QList<QByteArray> found;
    for (const QByteArray& frame : frames)
        if (frame.startsWith(prefix)) found.append(frame);
    return found;
}

} // namespace

TEST(WayDescriptor, EncodesEveryChannelAndDecodesItBack) {
    EXPECT_EQ(WayDescriptor(0, 3), QStringLiteral("00100")) << "no way digit for a way not in use";
    EXPECT_EQ(WayDescriptor(-1, 3), QStringLiteral("00100")) << "no channel chosen is not in use";
    EXPECT_EQ(WayDescriptor(1, 8), QStringLiteral("70111"));
    EXPECT_EQ(WayChannelIndex(QStringLiteral("00100")), 4) << "not in use reads as GSM voice SIM 2";
    for (int channel = 1; channel <= 8; ++channel)
        EXPECT_EQ(WayChannelIndex(WayDescriptor(channel, 5)), channel);
    for (const char* unknown : {"", "0011", "00x11", "00213", "00113"})
        EXPECT_EQ(WayChannelIndex(QString::fromLatin1(unknown)), 0) << unknown;
}

class WaysTransfer : public ControllerFixture {
protected:
    void SetUp() override {
        ControllerFixture::SetUp();
        dialogs = &ScriptedDialogs::Reset();
    }

    // The "Читаю " and "Пишу " lines of the log.
    QStringList ProgressLines() const {
        QStringList lines;
        for (const QString& text : log.Texts())
            if (text.startsWith(QStringLiteral("Читаю ")) || text.startsWith(QStringLiteral("Пишу ")))
                lines.append(text);
        return lines;
    }

    static void Use(TformWays& page, int way, int channel, const QString& number) {
        page.cb(way)->setCurrentIndex(channel);
        page.etP(way)->setText(number);
    }

    ScriptedDialogs* dialogs = nullptr;
    TformWays page;
};

TEST_F(WaysTransfer, DirectionsGoOutAsAndGroupsAndComeBack) {
    Use(page, 1, 1, QStringLiteral("+79001"));
    Use(page, 2, 3, QStringLiteral("+79002"));
    Use(page, 3, 5, QStringLiteral("123W4"));
    page.rb(2)->setChecked(true); // way 2 continues the direction of way 1
    page.rb(3)->setChecked(true); // way 3 starts a new one
    page.rdo1->setChecked(true);

    const QList<QByteArray> written = Transfer(page, true);
    EXPECT_EQ(written.mid(0, 4), (QList<QByteArray>{"H0=+79001", "H1=+79002", "H2=123W4", "H3="}));
    EXPECT_EQ(written.mid(8, 4), (QList<QByteArray>{"D0=00111", "D1=10110", "D2=20010", "D3=00100"}));
    EXPECT_EQ(written.mid(16), (QList<QByteArray>{"AND0=01", "AND1=2", "AND2=", "AND3=", "AND4=", "AND5=",
                                                  "AND6=", "AND7=", "DO=1"}));
    EXPECT_EQ(written.size(), 25);
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_EQ(ProgressLines(), QStringList{QStringLiteral("Пишу \"Флаг перехода по направлениям\"")});

    TformWays back;
    EXPECT_EQ(Transfer(back, false), (QList<QByteArray>{"h0", "h1", "h2", "h3", "h4", "h5", "h6", "h7", "D",
                                                        "AND0", "AND1", "AND2", "DO"}));
    EXPECT_EQ(Channels(back), QStringLiteral("13500000")) << "ways 4-8 not used though sent as 00100";
    EXPECT_EQ(Pairs(back), QStringLiteral("|&|||||")) << "rb2, rb3 and rb6";
    EXPECT_EQ(back.etP(3)->text(), QStringLiteral("123W4"));
    EXPECT_TRUE(back.rdo1->isChecked());
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(WaysTransfer, WithoutUsedWaysEveryGroupGoesEmptyAndAnEmptyFirstGroupReadsAsNoWays) {
    EXPECT_EQ(Starting(Transfer(page, true), "AND"),
              (QList<QByteArray>{"AND0=", "AND1=", "AND2=", "AND3=", "AND4=", "AND5=", "AND6=", "AND7="}));

    // Seven ways in the groups: way 8 is not used, whatever its descriptor says.
    panel.SetValue("D", "00111 10111 20111 30111 40111 50111 60111 70111");
    panel.SetValue("AND0", "0123456");
    Transfer(page, false);
    EXPECT_EQ(Channels(page), QStringLiteral("11111110"));
    panel.SetValue("AND0", "");
    Transfer(page, false);
    EXPECT_EQ(Channels(page), QStringLiteral("00000000"));
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(WaysTransfer, AUsedWayWithoutANumberRefusesTheWholeWrite) {
    Use(page, 1, 1, QStringLiteral("+79001"));
    Use(page, 2, 7, QString());
    EXPECT_TRUE(Transfer(page, true).isEmpty());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).text, QStringLiteral("Не введен один из номеров телефона!"));
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_TRUE(host.TimerRunning());

    // No channel chosen (a hand-edited file) needs no number and goes as a way not in use.
    page.cb(2)->setCurrentIndex(-1);
    const QList<QByteArray> written = Transfer(page, true);
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(written.contains("D1=00100"));
    EXPECT_EQ(Starting(written, "AND").first(), "AND0=0");
}

TEST_F(WaysTransfer, ARefusedGroupEndsTheGroupsWithOneErrorLine) {
    for (int way = 1; way <= 3; ++way)
        Use(page, way, 2, QStringLiteral("+7900") + QString::number(way));
    page.rb(1)->setChecked(true);
    page.rb(3)->setChecked(true);
    panel.SilenceNext("AND2=2", 3);
    const QList<QByteArray> written = Transfer(page, true);
    EXPECT_EQ(written.mid(16), (QList<QByteArray>{"AND0=0", "AND1=1", "AND2=2", "AND2=2", "AND2=2", "DO=0"}));
    EXPECT_EQ(Errors(), QStringList{WriteError(kWayError)});
}

TEST_F(WaysTransfer, FailedReadsAreReportedAndABadGroupDigitEndsTheWays) {
    panel.SetValue("h0", "+7111");
    panel.SetValue("D", "00111 10111 20111 30111 40111 50111 60111 70111");
    panel.SetValue("AND0", "01");
    panel.SetValue("AND1", "x3");
    panel.SilenceNext("h1", 3);
    const QList<QByteArray> read = Transfer(page, false);
    EXPECT_EQ(read.count("h1"), 3) << "a silent panel is asked once, with its three tries";
    EXPECT_TRUE(read.contains("DO")) << "a digit that is none ends the ways, not the page";
    EXPECT_EQ(Channels(page), QStringLiteral("11000000"));
    EXPECT_EQ(Pairs(page), QStringLiteral("|&|||||"));
    EXPECT_EQ(page.etP(1)->text(), QStringLiteral("+7111"));
    EXPECT_EQ(Errors(), QStringList{ReadError(QStringLiteral("Телефонный номер"))});
    EXPECT_TRUE(ProgressLines().endsWith(QStringLiteral("Читаю \"Флаг перехода по направлениям\"")));
    EXPECT_EQ(ProgressLines().size(), 1);

    // Descriptors and groups that cannot be read: every way not used, and said so. With the
    // way controls locked (LAN only) the switch flag is not asked.
    panel.SilenceNext("D", 3);
    panel.SilenceNext("AND0", 3);
    page.rdo1->setEnabled(false);
    EXPECT_FALSE(Transfer(page, false).contains("DO"));
    EXPECT_EQ(Channels(page), QStringLiteral("00000000"));
    EXPECT_EQ(Errors(), (QStringList{ReadError(kWayError), ReadError(kWayError)}));
}

#include "DeviceControllerFixture.h"

#include "app/pages/fEnNumber.h"
#include "app/pages/fGPRS.h"
#include "app/pages/fWays.h"
#include "link/PrintQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

class GprsTransfer : public ControllerFixture {
protected:
    TformGPRS gprs;
    TFormEnNumber numbers;
};

TEST_F(GprsTransfer, WriteSendsEveryFrameInOrder) {
    Firmware(4, 13);
    gprs.GroupBox4->show();
    gprs.cbZTime->setCurrentIndex(3);
    gprs.cb12->setChecked(true);
    gprs.etSIM1IP->setText(QStringLiteral("10.1.2.3"));
    gprs.etSIM1Port->setText(QStringLiteral("3059"));
    gprs.etSIM1SPSWD->setText(QStringLiteral("pw"));
    gprs.etSIM1ADDR->setText(QStringLiteral("apn1")); // SIM 1 is off and its edits disabled: still written
    gprs.etSIM2Addr->setText(QStringLiteral("apn2"));
    gprs.etSIM2Pswd->clear();
    gprs.rbLAN2->setChecked(true);
    gprs.cbP->setChecked(true);
    EXPECT_EQ(Transfer(gprs, true),
              (QList<QByteArray>{"GT=0800", "GT=0800", "GA=2", "GS1=10.1.2.3", "GG1=3059", "GI1=pw",
                                 "GS2=10.1.2.3", "GG2=3059", "GI2=pw", "GC1=*99#", "GN1=apn1", "GU1=qzv",
                                 "GP1=qzv", "GC2=*99#", "GN2=apn2", "GU2=qzv", "GP2=", "LA=1", "P=1"}));
    EXPECT_EQ(Errors(), QStringList());
    EXPECT_EQ(log.Texts()
                  .filter(QStringLiteral("Пишу \"Время между попытками установление GPRS-соединения\""))
                  .size(),
              2);

    Clock::SetScaleForTests(0.1);
    gprs.cbZTime->setCurrentIndex(-1);
    gprs.cb11->setChecked(true);
    panel.SetReply("GA=3", "ERROR\r\n");
    QList<QByteArray> frames = Transfer(gprs, true);
    EXPECT_EQ(frames.first(), "GT=0500") << "no pause chosen: the shortest";
    EXPECT_EQ(frames.mid(frames.size() - 2), (QList<QByteArray>{"LA=1", "P=1"}))
        << "a refused parameter does not stop the write";
    EXPECT_EQ(Errors(), QStringList{WriteError("Конфигурация активных каналов GPRS")});

    gprs.rbLAN3->setChecked(true); // only LAN: the SIM switches are cleared
    frames = Transfer(gprs, true);
    EXPECT_TRUE(frames.contains("GA=0") && frames.contains("LA=2"));
}

// Only LAN has reset the ways page: the GPRS write sends it too, but only while the LAN group is
// shown (firmware 4.13 or later).
TEST_F(GprsTransfer, OnlyLanAlsoWritesTheWays) {
    TformWays ways;
    gprs.WaysPage = &ways;
    Firmware(4, 13);
    gprs.rbLAN3->setChecked(true);
    QList<QByteArray> frames = Transfer(gprs, true);
    EXPECT_EQ(frames.size(), 19) << "group hidden";
    EXPECT_EQ(frames.last(), "P=0");

    gprs.GroupBox4->show();
    gprs.ApplyLanMode();
    frames = Transfer(gprs, true);
    ASSERT_GT(frames.size(), 20);
    EXPECT_EQ(frames.mid(17, 2), (QList<QByteArray>{"LA=2", "P=0"}));
    EXPECT_TRUE(frames.mid(19).contains("H0=") && frames.mid(19).contains("DO=0")) << "then the ways";
    EXPECT_EQ(Errors(), QStringList());
}

// The firmware decides the form of "LA": three modes from 4.13 on, an on/off switch before.
TEST_F(GprsTransfer, ReadTakesTheLanFormOfTheFirmware) {
    panel.SetValue("GT", "0800");
    panel.SetValue("GA", "3");
    panel.SetValue("GS1", "10.0.0.9");
    panel.SetValue("GN1", "apn.one");
    panel.SetValue("GP2", "secret");
    panel.SetValue("P", "1");
    const QList<QByteArray> rest{"GT",  "GA",  "GS1", "GG1", "GI1", "GC1", "GN1",
                                 "GU1", "GP1", "GC2", "GN2", "GU2", "GP2", "P"};
    for (const auto& [major, minor, threeModes] :
         {std::tuple{4, 12, false}, {3, 99, false}, {4, 13, true}, {5, 0, true}}) {
        SCOPED_TRACE(QStringLiteral("%1.%2").arg(major).arg(minor).toStdString());
        TformGPRS page;
        page.GroupBox4->setVisible(threeModes); // as the controller's version gates leave it
        Firmware(major, minor);
        panel.SetValue("LA", "1");
        EXPECT_EQ(Transfer(page, false), QList<QByteArray>{"LA"} + rest);
        EXPECT_EQ(Errors(), QStringList());
        EXPECT_EQ(page.lan->isChecked(), !threeModes);
        EXPECT_EQ(page.rbLAN2->isChecked(), threeModes);
        EXPECT_EQ(page.cbZTime->currentIndex(), 3);
        EXPECT_TRUE(page.cb11->isChecked() && page.cb12->isChecked());
        EXPECT_EQ(page.etSIM1IP->text() + page.etSIM1ADDR->text() + page.etSIM2Pswd->text(),
                  QStringLiteral("10.0.0.9apn.onesecret"));
        EXPECT_TRUE(page.cbP->isChecked());
    }

    // Only LAN read: the GPRS settings are locked. An unknown mode is an error but the mode
    // the buttons hold is applied all the same; a channel set above 3 leaves the switches.
    TformGPRS page;
    page.GroupBox4->show();
    page.cb11->setChecked(true);
    panel.SetValue("LA", "2");
    panel.SetValue("GA", "0");
    Transfer(page, false);
    EXPECT_TRUE(page.rbLAN3->isChecked());
    EXPECT_FALSE(ControlEnabled(page.etSIM1IP) || ControlEnabled(page.cb11));
    panel.SetValue("LA", "7");
    panel.SetValue("GA", "4");
    page.rbLAN1->setChecked(true);
    page.cb12->setChecked(true);
    panel.SetValue("GT", "0500");
    Transfer(page, false);
    EXPECT_EQ(Errors(),
              (QStringList{ReadError("Использование LAN"), ReadError("Конфигурация активных каналов GPRS")}));
    EXPECT_TRUE(page.rbLAN1->isChecked() && ControlEnabled(page.etSIM1IP));
    EXPECT_TRUE(page.cb12->isChecked());
    EXPECT_EQ(page.cbZTime->currentIndex(), 0);
}

// A pause the panel holds but the list lacks is a failed read; the list keeps what it showed, so
// the next write sends that pause and not the shortest one in its place.
TEST_F(GprsTransfer, PauseOutsideTheListIsAFailedRead) {
    Firmware(4, 12);
    const QString pauseError =
        ReadError(QStringLiteral("Время между попытками установление GPRS-соединения"));
    panel.SetValue("GT", "1000");
    Transfer(gprs, false);
    EXPECT_EQ(Errors(), QStringList());
    EXPECT_EQ(gprs.cbZTime->currentIndex(), 5) << "10 minutes, the last item";

    for (const QByteArray answer : {"1100", "0400", "0000"}) {
        SCOPED_TRACE(answer.toStdString());
        gprs.cbZTime->setCurrentIndex(2);
        panel.SetValue("GT", answer);
        Transfer(gprs, false);
        EXPECT_EQ(Errors(), QStringList{pauseError});
        EXPECT_EQ(gprs.cbZTime->currentIndex(), 2);
        EXPECT_EQ(Transfer(gprs, true).mid(0, 2), (QList<QByteArray>{"GT=0700", "GT=0700"}));
    }
}

// Before 4.13 the switch is read back first and sent only when the panel holds another value.
TEST_F(GprsTransfer, LanOnlineIsWrittenOnlyWhenItDiffers) {
    Clock::SetScaleForTests(0.1);
    Firmware(4, 12);
    const auto lanFrames = [this] {
        const QList<QByteArray> frames = Transfer(gprs, true);
        return frames.mid(17, frames.size() - 18); // between the SIM frames and "P="
    };
    gprs.lan->setChecked(true);
    panel.SetValue("LA", " 1 ");
    EXPECT_EQ(lanFrames(), QList<QByteArray>{"LA"}) << "blanks around the value do not count";
    panel.SetValue("LA", "0");
    EXPECT_EQ(lanFrames(), (QList<QByteArray>{"LA", "LA=1"}));
    EXPECT_EQ(panel.Value("LA"), "1");
    EXPECT_EQ(Errors(), QStringList());

    gprs.lan->setChecked(false);
    panel.SetFault("LA", Silent());
    EXPECT_EQ(lanFrames(), (QList<QByteArray>{"LA", "LA", "LA"})) << "three tries, then nothing is sent";
    EXPECT_EQ(Errors(), QStringList{WriteError("LAN-online")});
}

TEST_F(GprsTransfer, EngineerNumbers) {
    for (int n = 1; n <= 5; ++n)
        panel.SetValue("j" + QByteArray::number(n), "+7900" + QByteArray::number(n));
    panel.SetValue("e", "1");
    EXPECT_EQ(Transfer(numbers, false), (QList<QByteArray>{"e", "j1", "j2", "j3", "j4", "j5"}));
    EXPECT_TRUE(numbers.CheckBox1->isChecked());
    EXPECT_EQ(numbers.etN5->text(), QStringLiteral("+79005"));

    numbers.etN3->clear();
    EXPECT_EQ(Transfer(numbers, true),
              (QList<QByteArray>{"e=1", "J1=+79001", "J2=+79002", "J3=", "J4=+79004", "J5=+79005"}));

    // Switched on without a single number: switched off on the page and on the panel.
    for (QLineEdit* edit : {numbers.etN1, numbers.etN2, numbers.etN4, numbers.etN5})
        edit->clear();
    EXPECT_EQ(Transfer(numbers, true), (QList<QByteArray>{"e=0", "J1=", "J2=", "J3=", "J4=", "J5="}));
    EXPECT_FALSE(numbers.CheckBox1->isChecked());
    EXPECT_EQ(Errors(), QStringList());

    panel.SetValue("e", "2");
    numbers.CheckBox1->setChecked(true);
    panel.SetReply("j2", "ERROR\r\n");
    Clock::SetScaleForTests(0.1);
    Transfer(numbers, false);
    EXPECT_FALSE(numbers.CheckBox1->isChecked()) << "anything but 1 is off";
    EXPECT_EQ(Errors(), QStringList{ReadError("Инженерный номер 2")});
}

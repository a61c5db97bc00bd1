#include "DeviceControllerFixture.h"

#include "app/pages/fATests.h"
#include "app/pages/fCommon.h"
#include "link/PrintQt.h"
#include "platform/IniFile.h"
#include "uikit/controls/KtProgressBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

class CommonTransfer : public ControllerFixture {
protected:
    QList<QByteArray> Read(TformIncl& page) { return Transfer(page, false); }
    QList<QByteArray> Write(TformIncl& page) { return Transfer(page, true); }

    TFormCommon common;
    TformATests tests;
    const QList<QComboBox*> hours{tests.cbH1, tests.cbH2, tests.cbH3};
    const QList<QComboBox*> minutes{tests.cbM1, tests.cbM2, tests.cbM3};
};

TEST_F(CommonTransfer, ReadCommonDecodesEveryParameter) {
    // "AQ" answer -> etSignal, PSignal parts, etError, PEr parts; whether it failed.
    const QList<std::tuple<QByteArray, QString, bool>> cases{
        {"1F,05", "31 31 5 5", false},
        {"63,63", "99 0 7 7", false}, // 99 is "not known": an empty bar, the worst error rate
        {"G1,05", " 0  0", true},     // nothing shown
        {"1F", "31 31  0", true},     // the level is shown before the error rate fails
    };
    panel.SetValue("o", "0050");
    panel.SetValue("AC", "09:05:07 06/12/26");
    panel.SetValue("dt", "1");
    for (const auto& [aq, shown, failed] : cases) {
        TFormCommon page;
        panel.SetValue("AQ", aq);
        SCOPED_TRACE(aq.constData());
        EXPECT_EQ(Read(page), (QList<QByteArray>{"o", "AC", "dt", "AQ"}));
        EXPECT_EQ(page.etO->text() + u' ' + page.etTime->text(), QStringLiteral("50 09:05:07 06/12/26"));
        EXPECT_TRUE(page.rbSlowCID2->isChecked());
        EXPECT_EQ(QStringLiteral("%1 %2 %3 %4")
                      .arg(page.etSignal->text())
                      .arg(page.PSignal->PartsComplete())
                      .arg(page.etError->text())
                      .arg(page.PEr->PartsComplete()),
                  shown);
        EXPECT_EQ(Errors(), failed ? QStringList{ReadError("Качество сигнала GSM")} : QStringList());
    }

    panel.SetValue("dt", "2");
    panel.SetValue("AQ", "1F,05");
    Read(common);
    EXPECT_TRUE(common.rbSlowCID1->isChecked()) << "an unknown mode changes nothing";
    EXPECT_EQ(Errors(), QStringList{ReadError("Параметры голосового Contact ID")});
}

TEST_F(CommonTransfer, WriteCommonFrames) {
    common.rbSlowCID2->setChecked(true);
    const QString reason = WriteError("№ объекта") + QStringLiteral(" :Номер объекта не число!");
    for (const auto& [text, frame] : QList<std::pair<QString, QByteArray>>{
             {"5", "o=0005"}, {"9999", "o=9999"}, {"1a", ""}, {"-1", ""}, {"", ""}}) {
        common.etO->setText(text);
        SCOPED_TRACE(text.toStdString());
        const QDateTime before = QDateTime::currentDateTime();
        QList<QByteArray> frames = Write(common);
        const QDateTime after = QDateTime::currentDateTime();
        EXPECT_EQ(frames.size() == 3 ? frames.takeFirst() : QByteArray(), frame);
        ASSERT_EQ(frames.size(), 2);
        EXPECT_EQ(Errors(), frame.isEmpty() ? QStringList{reason} : QStringList());
        // The PC's clock, always in the panel's 24-hour form, read in any whole second the
        // transfer touched (stepping from the start of the first one, so a boundary crossed
        // during the transfer is never skipped).
        QStringList clocks;
        for (QDateTime t = before.addMSecs(-before.time().msec()); t <= after; t = t.addSecs(1))
            clocks << QStringLiteral("AS=") + QLocale::c().toString(t, QStringLiteral("HH:mm:ss dd/MM/yy"));
        EXPECT_TRUE(clocks.contains(QString::fromLatin1(frames.at(0)))) << frames.at(0).constData();
        EXPECT_EQ(frames.at(1), "dt=1");
    }
}

// The panel's account number goes back to it unchanged, however long, through a settings file.
TEST_F(CommonTransfer, LongObjectNumberSurvivesReadSaveAndWrite) {
    panel.SetValue("o", "12345");
    Read(common);
    EXPECT_EQ(common.etO->text(), QStringLiteral("12345"));
    TMemIniFile file(QString{});
    common.SaveToIni(file);
    TFormCommon loaded;
    loaded.LoadFromIni(file);
    EXPECT_EQ(Write(loaded).value(0), "o=12345");
    EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(CommonTransfer, ReadAutoTests) {
    for (const QByteArray& setting :
         QByteArray("AN=3 AH=01:02:03 AM=04:05:06 AA=0A Y=1 PO=101 xx=78").split(' '))
        panel.SetValue(setting.split('=').at(0), setting.split('=').at(1));
    EXPECT_EQ(Read(tests), (QList<QByteArray>{"AN", "AH", "AM", "AA", "Y", "PO", "xx"}));
    EXPECT_TRUE(Errors().isEmpty());
    EXPECT_EQ(tests.ComboBox1->currentIndex(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(hours[i]->currentIndex(), i + 1);
        EXPECT_EQ(minutes[i]->currentIndex(), i + 4);
    }
    EXPECT_EQ(tests.cbH4->currentIndex(), 10);
    EXPECT_TRUE(tests.reload->isChecked() && tests.vosst->isChecked() && tests.av12->isChecked());
    EXPECT_EQ(tests.zadav->Text(), QStringLiteral("120"));

    // A silent "AH" is not followed by "AM" and leaves the six lists alone; an unreadable one
    // fails both together. A short delay is brought into the page's range.
    Clock::SetScaleForTests(0.1);
    panel.SetValue("xx", "05");
    panel.SetValue("PO", "1");
    panel.SetFault("AH", Silent());
    EXPECT_FALSE(Read(tests).contains("AM"));
    EXPECT_EQ(minutes[2]->currentIndex(), 6);
    EXPECT_EQ(tests.zadav->Text(), QStringLiteral("015"));
    EXPECT_EQ(Errors(), (QStringList{ReadError("Часы автотестов"), ReadError("События по питанию")}));

    panel.SetFault("AH", FakeFault());
    panel.SetValue("AH", "ab:02:03");
    panel.SetValue("PO", "001");
    Read(tests);
    EXPECT_EQ(Errors(), QStringList{ReadError("Автотесты")});
}

TEST_F(CommonTransfer, WriteAutoTestsForEveryCount) {
    tests.cbH4->setCurrentIndex(10);
    tests.reload->setChecked(true);
    tests.vosst->setChecked(true);
    tests.zadav->SetText(QStringLiteral("120"));
    for (int count = 0; count <= 3; ++count) {
        for (int i = 0; i < 3; ++i) {
            hours[i]->setCurrentIndex(11 + i);
            minutes[i]->setCurrentIndex(21 + i);
        }
        tests.ComboBox1->setCurrentIndex(count);
        QList<QByteArray> expected{"AN=" + QByteArray::number(count)};
        for (int i = 0; i < count; ++i)
            expected << "AH" + QByteArray::number(i) + "=1" + QByteArray::number(i + 1)
                     << "AM" + QByteArray::number(i) + "=2" + QByteArray::number(i + 1);
        expected += QList<QByteArray>{"AA=0A", "Y=1", "PO=110", "xx=78"};
        EXPECT_EQ(Write(tests), expected) << count;
        EXPECT_TRUE(Errors().isEmpty());
        for (int i = 0; i < 3; ++i) { // tests beyond the count are switched off on the page
            EXPECT_EQ(hours[i]->currentIndex(), i < count ? 11 + i : 0) << count << " test " << i + 1;
            EXPECT_EQ(minutes[i]->currentIndex(), i < count ? 21 + i : 0) << count << " test " << i + 1;
        }
    }
}

TEST_F(CommonTransfer, WriteAutoTestsWithRefusedOrMissingValues) {
    Clock::SetScaleForTests(0.1);
    // A refused count: tests beyond it are already reset on the page, and no time is sent.
    tests.ComboBox1->setCurrentIndex(1);
    tests.cbH2->setCurrentIndex(5);
    panel.SetFault("AN=1", Silent());
    EXPECT_EQ(Write(tests), (QList<QByteArray>{"AN=1", "AN=1", "AN=1", "AA=00", "Y=0", "PO=000", "xx=0F"}));
    EXPECT_EQ(tests.cbH2->currentIndex(), 0);
    EXPECT_EQ(Errors(), QStringList{WriteError("Кол-во автотестов")});

    // No count and no period chosen (a hand-edited settings file): each is reported, neither
    // is sent, the times on the page stay, and the rest of the page goes out.
    TMemIniFile ini(QString{});
    ini.WriteInteger(QStringLiteral("formATests"), QStringLiteral("ComboBox1"), -1);
    ini.WriteInteger(QStringLiteral("formATests"), QStringLiteral("cbH4"), -1);
    ini.WriteInteger(QStringLiteral("formATests"), QStringLiteral("cbM3"), 7);
    tests.LoadFromIni(ini);
    EXPECT_EQ(Write(tests), (QList<QByteArray>{"Y=0", "PO=000", "xx=0F"}));
    EXPECT_EQ(minutes[2]->currentIndex(), 7);
    EXPECT_EQ(Errors(),
              (QStringList{WriteError("Кол-во автотестов"), WriteError("Период дополнительного автотеста")}));
}

#include "DeviceControllerFixture.h"

#include "app/fATests.h"
#include "app/fCommon.h"
#include "link/PrintQt.h"
#include "platform/IniFile.h"
#include "uikit/KtProgressBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

QString ReadError(const char* label) {
    return QStringLiteral("Ошибка при чтении параметра \"") + QString::fromUtf8(label) + u'"';
}

QString WriteError(const char* label) {
    return QStringLiteral("Ошибка при записи параметра \"") + QString::fromUtf8(label) + u'"';
}

// Frames sent since `from`.
QList<QByteArray> FramesFrom(const FakePanel& panel, qsizetype from) {
    return panel.Frames().mid(from);
}

} // namespace

class CommonTransfer : public ControllerFixture {
protected:
    TFormCommon common;
    TformATests tests;
};

TEST_F(CommonTransfer, ReadCommonDecodesEveryParameter) {
    struct Case {
        QByteArray aq;
        QString signal;
        quint32 signalParts;
        QString error;
        quint32 errorParts;
        bool failed;
    };
    const QList<Case> cases{
        {"1F,05", "31", 31, "5", 5, false},
        {"63,63", "99", 0, "7", 7, false}, // 99 is "not known": an empty bar, the worst error rate
        {"G1,05", "", 0, "", 0, true},     // nothing shown
        {"1F", "31", 31, "", 0, true},     // the level is shown before the error rate fails
        {"14;zz", "20", 20, "", 0, true},
    };
    panel.SetValue("o", "0050");
    panel.SetValue("AC", "09:05:07 06/12/26");
    panel.SetValue("dt", "1");
    for (const Case& c : cases) {
        TFormCommon page;
        panel.SetValue("AQ", c.aq);
        const qsizetype from = panel.Frames().size();
        controller->ClearErrors();
        controller->ReadPage(page);
        SCOPED_TRACE(c.aq.constData());
        EXPECT_EQ(FramesFrom(panel, from), (QList<QByteArray>{"o", "AC", "dt", "AQ"}));
        EXPECT_EQ(page.etO->text(), QStringLiteral("50"));
        EXPECT_EQ(page.etTime->text(), QStringLiteral("09:05:07 06/12/26"));
        EXPECT_TRUE(page.rbSlowCID2->isChecked());
        EXPECT_EQ(page.etSignal->text(), c.signal);
        EXPECT_EQ(page.PSignal->PartsComplete(), c.signalParts);
        EXPECT_EQ(page.etError->text(), c.error);
        EXPECT_EQ(page.PEr->PartsComplete(), c.errorParts);
        EXPECT_EQ(controller->GetErrors(),
                  c.failed ? QStringList{ReadError("Качество сигнала GSM")} : QStringList());
    }
    EXPECT_TRUE(log.Texts().contains(QStringLiteral("Читаю \"Параметры голосового Contact ID\"")));

    panel.SetValue("dt", "2");
    panel.SetValue("AQ", "1F,05");
    controller->ClearErrors();
    controller->ReadPage(common);
    EXPECT_TRUE(common.rbSlowCID1->isChecked()) << "an unknown mode changes nothing";
    EXPECT_EQ(controller->GetErrors(), QStringList{ReadError("Параметры голосового Contact ID")});
}

TEST_F(CommonTransfer, WriteCommonFrames) {
    common.rbSlowCID2->setChecked(true);
    const QString reason = WriteError("№ объекта") + QStringLiteral(" :Номер объекта не число!");
    for (const auto& [text, frame] : QList<std::pair<QString, QByteArray>>{
             {"5", "o=0005"}, {"9999", "o=9999"}, {"1a", ""}, {"-1", ""}, {"", ""}}) {
        common.etO->setText(text);
        controller->ClearErrors();
        const qsizetype from = panel.Frames().size();
        const QDateTime before = QDateTime::currentDateTime();
        controller->WritePage(common);
        const QDateTime after = QDateTime::currentDateTime();

        QList<QByteArray> frames = FramesFrom(panel, from);
        SCOPED_TRACE(text.toStdString());
        ASSERT_EQ(frames.size(), frame.isEmpty() ? 2 : 3);
        if (!frame.isEmpty()) {
            EXPECT_EQ(frames.takeFirst(), frame);
        }
        EXPECT_EQ(controller->GetErrors(), frame.isEmpty() ? QStringList{reason} : QStringList());
        // The PC's clock, always in the panel's 24-hour form.
        QStringList clocks;
        for (QDateTime t = before.addSecs(-1); t <= after; t = t.addSecs(1))
            clocks << QStringLiteral("AS=") + QLocale::c().toString(t, QStringLiteral("HH:mm:ss dd/MM/yy"));
        EXPECT_TRUE(clocks.contains(QString::fromLatin1(frames.at(0)))) << frames.at(0).constData();
        EXPECT_EQ(frames.at(1), "dt=1");
    }
}

TEST_F(CommonTransfer, ReadAutoTests) {
    for (const auto& [name, value] : QList<std::pair<QByteArray, QByteArray>>{
             {"AN", "3"}, {"AH", "01:02:03"}, {"AM", "04:05:06"}, {"AA", "0A"}, {"Y", "1"}, {"PO", "101"},
             {"xx", "78"}})
        panel.SetValue(name, value);
    controller->ReadPage(tests);
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"AN", "AH", "AM", "AA", "Y", "PO", "xx"}));
    EXPECT_TRUE(controller->GetErrors().isEmpty());
    EXPECT_EQ(tests.ComboBox1->currentIndex(), 3);
    const QList<QComboBox*> times{tests.cbH1, tests.cbH2, tests.cbH3, tests.cbM1, tests.cbM2, tests.cbM3};
    for (int i = 0; i < times.size(); ++i)
        EXPECT_EQ(times[i]->currentIndex(), i + 1) << times[i]->objectName().toStdString();
    EXPECT_EQ(tests.cbH4->currentIndex(), 10);
    EXPECT_TRUE(tests.reload->isChecked() && tests.vosst->isChecked() && tests.av12->isChecked());
    EXPECT_EQ(tests.zadav->Text(), QStringLiteral("120"));

    // A silent "AH" is not followed by "AM" and leaves the six lists alone; an unreadable one
    // fails both together. A short delay is brought into the page's range.
    Clock::SetScaleForTests(0.1);
    panel.SetValue("xx", "05");
    panel.SetValue("PO", "1");
    panel.SetFault("AH", Silent());
    const qsizetype from = panel.Frames().size();
    controller->ClearErrors();
    controller->ReadPage(tests);
    EXPECT_FALSE(FramesFrom(panel, from).contains("AM"));
    EXPECT_EQ(tests.cbM3->currentIndex(), 6);
    EXPECT_EQ(tests.zadav->Text(), QStringLiteral("015"));
    EXPECT_EQ(controller->GetErrors(),
              (QStringList{ReadError("Часы автотестов"), ReadError("События по питанию")}));

    panel.SetFault("AH", FakeFault());
    panel.SetValue("AH", "ab:02:03");
    panel.SetValue("PO", "001");
    controller->ClearErrors();
    controller->ReadPage(tests);
    EXPECT_EQ(controller->GetErrors(), QStringList{ReadError("Автотесты")});
}

TEST_F(CommonTransfer, WriteAutoTestsForEveryCount) {
    const QList<QComboBox*> hours{tests.cbH1, tests.cbH2, tests.cbH3};
    const QList<QComboBox*> minutes{tests.cbM1, tests.cbM2, tests.cbM3};
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
        const qsizetype from = panel.Frames().size();
        controller->WritePage(tests);

        QList<QByteArray> expected{"AN=" + QByteArray::number(count)};
        for (int i = 0; i < count; ++i)
            expected << "AH" + QByteArray::number(i) + "=1" + QByteArray::number(i + 1)
                     << "AM" + QByteArray::number(i) + "=2" + QByteArray::number(i + 1);
        expected << "AA=0A" << "Y=1" << "PO=110" << "xx=78";
        EXPECT_EQ(FramesFrom(panel, from), expected) << count;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(hours[i]->currentIndex(), i < count ? 11 + i : 0) << count << " test " << i + 1;
            EXPECT_EQ(minutes[i]->currentIndex(), i < count ? 21 + i : 0) << count << " test " << i + 1;
        }
    }
    EXPECT_TRUE(controller->GetErrors().isEmpty());
}

TEST_F(CommonTransfer, WriteAutoTestsWithRefusedOrMissingValues) {
    Clock::SetScaleForTests(0.1);
    // A refused count: tests beyond it are already reset on the page, and no time is sent.
    tests.ComboBox1->setCurrentIndex(1);
    tests.cbH2->setCurrentIndex(5);
    panel.SetFault("AN=1", Silent());
    controller->WritePage(tests);
    EXPECT_EQ(tests.cbH2->currentIndex(), 0);
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"AN=1", "AN=1", "AN=1", "AA=00", "Y=0", "PO=000", "xx=0F"}));
    EXPECT_EQ(controller->GetErrors(), QStringList{WriteError("Кол-во автотестов")});

    // No count and no period chosen (a hand-edited settings file): each is reported, neither
    // is sent, and the rest of the page goes out.
    QTemporaryDir dir;
    TMemIniFile ini(dir.filePath(QStringLiteral("s.txt")));
    ini.WriteInteger(QStringLiteral("formATests"), QStringLiteral("ComboBox1"), -1);
    ini.WriteInteger(QStringLiteral("formATests"), QStringLiteral("cbH4"), -1);
    tests.LoadFromIni(ini);
    tests.cbM3->setCurrentIndex(7);
    const qsizetype from = panel.Frames().size();
    controller->ClearErrors();
    controller->WritePage(tests);
    EXPECT_EQ(FramesFrom(panel, from), (QList<QByteArray>{"Y=0", "PO=000", "xx=0F"}));
    EXPECT_EQ(tests.cbM3->currentIndex(), 7);
    EXPECT_EQ(controller->GetErrors(),
              (QStringList{WriteError("Кол-во автотестов"), WriteError("Период дополнительного автотеста")}));
}

#include "app/windows/fConnect.h"
#include "base/Exceptions.h"
#include "platform/IniFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "uikit/buttons/KtBitBtn.h"
#include "uikit/buttons/KtDialogButtons.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

class ConnectDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dialog.SetPorts(
            {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyS0")});
    }

    // An INI file in the temporary folder holding `text` (CR LF lines).
    TMemIniFile iniWith(const QString& text) {
        const QString path = dir.filePath(QStringLiteral("current.ini"));
        EXPECT_TRUE(WriteFileBytes(path, text.toUtf8()));
        return TMemIniFile(path);
    }

    QTemporaryDir dir;
    TFormConnect dialog;
};

} // namespace

TEST_F(ConnectDialog, RemembersUpToFiveNumbersNewestFirst) {
    dialog.LoadSettings(iniWith(QStringLiteral("[FormConnect]\r\nDialPhonesNum=5\r\nDialPhone1=555\r\n"
                                               "DialPhone2=111\r\nDialPhone3=444\r\nDialPhone4=222\r\n"
                                               "DialPhone5=333\r\n")));
    ASSERT_EQ(items(dialog.cbPhones), (QStringList{"111", "222", "333", "444", "555"}));
    dialog.cbPhones->setEditText(QStringLiteral("666"));
    dialog.RememberDialPhone();
    EXPECT_EQ(items(dialog.cbPhones), (QStringList{"666", "111", "222", "333", "444"}));
    EXPECT_EQ(dialog.cbPhones->currentText(), QStringLiteral("666"));

    // A number already in the list changes nothing; the comparison is exact.
    dialog.cbPhones->setEditText(QStringLiteral("333"));
    dialog.RememberDialPhone();
    EXPECT_EQ(items(dialog.cbPhones), (QStringList{"666", "111", "222", "333", "444"}));
    dialog.cbPhones->setEditText(QStringLiteral(" 333"));
    dialog.RememberDialPhone();
    EXPECT_EQ(items(dialog.cbPhones), (QStringList{" 333", "666", "111", "222", "333"}));
    EXPECT_EQ(dialog.Phone(), QStringLiteral("333"));

    // An empty field adds nothing.
    dialog.cbPhones->setEditText(QString());
    dialog.RememberDialPhone();
    EXPECT_EQ(dialog.cbPhones->count(), TFormConnect::MaxDialPhones);

    // The engineer picks the last number, then types over it: dropping that item must not bring
    // another number into the field.
    dialog.cbPhones->setCurrentIndex(4);
    dialog.cbPhones->setEditText(QStringLiteral("777"));
    dialog.RememberDialPhone();
    EXPECT_EQ(items(dialog.cbPhones), (QStringList{"777", " 333", "666", "111", "222"}));
    EXPECT_EQ(dialog.cbPhones->currentText(), QStringLiteral("777"));
}

TEST_F(ConnectDialog, BlankNumberMeansCableAndIsDroppedAtTheNextLoad) {
    TFormConnect fresh; // the first number ever, into an empty list
    fresh.cbPhones->setEditText(QStringLiteral("89160000000"));
    fresh.RememberDialPhone();
    EXPECT_EQ(fresh.cbPhones->currentText(), QStringLiteral("89160000000"));
    fresh.cbPhones->setEditText(QStringLiteral("   "));
    EXPECT_TRUE(fresh.Phone().isEmpty());
    fresh.RememberDialPhone();
    EXPECT_EQ(items(fresh.cbPhones), (QStringList{"   ", "89160000000"}));

    TMemIniFile ini(dir.filePath(QStringLiteral("current.ini")));
    fresh.SaveSettings(ini);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("FormConnect"), QStringLiteral("DialPhonesNum"), 0), 2);
    ini.UpdateFile();
    dialog.LoadSettings(TMemIniFile(ini.FileName()));
    EXPECT_EQ(items(dialog.cbPhones), QStringList{QStringLiteral("89160000000")});
    EXPECT_TRUE(dialog.Phone().isEmpty());
}

TEST_F(ConnectDialog, LoadsTrimmedNonEmptyNumbersSortedAndTheLastField) {
    dialog.LoadSettings(
        iniWith(QStringLiteral("[formconnect]\r\ncomports=1\r\ncbPhones=0\r\nDialPhonesNum=4\r\n"
                               "DialPhone1=  89035550011 \r\nDialPhone2=\r\n"
                               "DialPhone3=+79160001122\r\nDialPhone4=112\r\n"
                               "DialPhone5=999\r\nCurDialPhone=112\r\n")));
    EXPECT_EQ(items(dialog.ComPorts), (QStringList{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"}));
    EXPECT_EQ(dialog.PortName(), QStringLiteral("/dev/ttyS1"));
    // Keys beyond the count are not numbers of the list.
    EXPECT_EQ(items(dialog.cbPhones), (QStringList{"+79160001122", "112", "89035550011"}));
    EXPECT_EQ(dialog.cbPhones->currentText(), QStringLiteral("112"));
    // The field is typed text, not a chosen item, until the engineer picks one.
    EXPECT_EQ(dialog.cbPhones->currentIndex(), -1);

    // Without "CurDialPhone" the field keeps its text; a missing section or a port index the
    // machine no longer has chooses no port and no number.
    TFormConnect other;
    other.SetPorts({QStringLiteral("/dev/ttyS0")});
    other.cbPhones->setEditText(QStringLiteral("typed"));
    other.LoadSettings(iniWith(QStringLiteral("[FormConnect]\r\nComPorts=3\r\nDialPhonesNum=2\r\n"
                                              "DialPhone1=222\r\nDialPhone2=111\r\n")));
    EXPECT_EQ(items(other.cbPhones), (QStringList{"111", "222"}));
    EXPECT_EQ(other.cbPhones->currentText(), QStringLiteral("typed"));
    EXPECT_TRUE(other.PortName().isEmpty());
    TFormConnect empty;
    empty.SetPorts({QStringLiteral("/dev/ttyS0")});
    empty.LoadSettings(iniWith(QStringLiteral("[Other]\r\nx=1\r\n")));
    EXPECT_EQ(empty.PortName(), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(empty.cbPhones->count(), 0);
    EXPECT_TRUE(empty.cbPhones->currentText().isEmpty());

    // A damaged count loads only the numbers present, at once.
    QElapsedTimer timer;
    timer.start();
    TFormConnect damaged;
    damaged.LoadSettings(
        iniWith(QStringLiteral("[FormConnect]\r\nDialPhonesNum=2147483647\r\n"
                               "DialPhone1=111\r\nDialPhone07=777\r\nDialPhone900000=900\r\n")));
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(items(damaged.cbPhones), (QStringList{"111", "900"}));

    TFormConnect negative;
    negative.LoadSettings(iniWith(QStringLiteral("[FormConnect]\r\nDialPhonesNum=-3\r\nDialPhone1=111\r\n")));
    EXPECT_EQ(negative.cbPhones->count(), 0);
}

TEST_F(ConnectDialog, FreshSectionBytes) {
    const QString path = dir.filePath(QStringLiteral("current.ini"));
    TMemIniFile ini(path);
    ini.WriteString(QStringLiteral("FormCommon"), QStringLiteral("etA"), QStringLiteral("1"));
    dialog.ComPorts->setCurrentIndex(2);
    dialog.cbPhones->setEditText(QStringLiteral("222"));
    dialog.RememberDialPhone();
    dialog.cbPhones->setEditText(QStringLiteral("Иван"));
    dialog.RememberDialPhone();
    dialog.SaveSettings(ini);
    ini.UpdateFile();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[FormCommon]\r\netA=1\r\n\r\n"
                                         "[FormConnect]\r\nComPorts=2\r\ncbPhones=-1\r\nDialPhonesNum=2\r\n"
                                         "CurDialPhone=\xC8\xE2\xE0\xED\r\nDialPhone1=\xC8\xE2\xE0\xED\r\n"
                                         "DialPhone2=222\r\n\r\n"));

    // Read back into the next connect's dialog.
    TFormConnect next;
    next.SetPorts(
        {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyUSB0")});
    next.LoadSettings(TMemIniFile(path));
    EXPECT_EQ(next.PortName(), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(items(next.cbPhones), (QStringList{"222", "Иван"}));
    EXPECT_EQ(next.Phone(), QStringLiteral("Иван"));
}

TEST_F(ConnectDialog, CancelAfterTypingStillRemembersTheNumberAndEnterAddsNone) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    dialogs.QueueExec([this](QDialog& shown) {
        EXPECT_EQ(&shown, &dialog);
        dialog.cbPhones->setEditText(QStringLiteral("89161112233"));
        dialog.KtDialogButtons1->Button(TKtDialogButtons::biCancel)->Click();
        return shown.result();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.cbPhones->count(), 0);
    dialog.RememberDialPhone();
    EXPECT_EQ(items(dialog.cbPhones), QStringList{QStringLiteral("89161112233")});

    // Enter confirms with OK without adding an item by itself.
    dialogs.QueueExec([this](QDialog& shown) {
        shown.show();
        dialog.cbPhones->setFocus();
        dialog.cbPhones->setEditText(QStringLiteral("12345"));
        QTest::keyClick(dialog.cbPhones, Qt::Key_Return);
        EXPECT_EQ(dialog.cbPhones->count(), 1);
        EXPECT_EQ(dialog.cbPhones->currentText(), QStringLiteral("12345"));
        shown.hide();
        return shown.result();
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialogs.execedDialogs, (QList<QString>{"FormConnect", "FormConnect"}));
}

TEST_F(ConnectDialog, PortsFromTheSystemList) {
    const QString root = dir.filePath(QStringLiteral("sys"));
    for (const char* name : {"ttyUSB1", "ttyACM0"})
        ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/class/tty/") + QLatin1String(name) + "/device"));
    dialog.FillPorts(root);
    EXPECT_EQ(items(dialog.ComPorts), (QStringList{"/dev/ttyACM0", "/dev/ttyUSB1"}));
    try {
        dialog.FillPorts(dir.filePath(QStringLiteral("nowhere")));
        FAIL() << "no exception";
    } catch (const EDeviceError& e) {
        EXPECT_EQ(e.Code, 12);
    }
}

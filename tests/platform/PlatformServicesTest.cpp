#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"
#include "platform/ExceptionGuard.h"
#include "platform/ProgramVersion.h"
#include "base/Exceptions.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Clock, MonotonicSleepAndTestScaling) {
    const qint64 start = Clock::NowMs();
    Clock::SleepMs(30);
    const qint64 elapsed = Clock::NowMs() - start;
    EXPECT_GE(elapsed, 30);
    EXPECT_LT(elapsed, 500);
    EXPECT_EQ(Clock::Scaled(21000), 21000);
    Clock::SetScaleForTests(0.01);
    EXPECT_EQ(Clock::Scaled(21000), 210);
    Clock::SetScaleForTests(1.0);
}

TEST(DialogServiceTest, ScriptedAnswersWithoutBlocking) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    dialogs.QueueMessageAnswer(mrNo);
    EXPECT_EQ(MessageDlg(QString::fromUtf8("Сохранить?"), TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
    ShowError(QStringLiteral("boom"));
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].buttons, mbYes | mbNo);
    EXPECT_EQ(dialogs.messages[1].type, TMsgDlgType::mtError);

    dialogs.QueueFile(QStringLiteral("/tmp/x.txt"));
    FileDialogRequest req;
    req.save = true;
    req.filter = QString::fromUtf8("Текст|*.txt");
    req.defaultExt = QStringLiteral("txt");
    EXPECT_EQ(DialogService::Instance().FileDialog(req), QStringLiteral("/tmp/x.txt"));
    EXPECT_EQ(dialogs.fileRequests.at(0).defaultExt, QStringLiteral("txt"));

    QDialog dialog;
    dialog.setObjectName(QStringLiteral("FormConnect"));
    dialogs.QueueExec([](QDialog& d) {
        d.setWindowTitle(QStringLiteral("seen"));
        return int(mrOk);
    });
    EXPECT_EQ(DialogService::Instance().ExecModal(dialog), mrOk);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("seen"));
    EXPECT_EQ(dialogs.execedDialogs, QList<QString>{QStringLiteral("FormConnect")});
}

TEST(DialogServiceTest, QtFilterForm) {
    EXPECT_EQ(QtDialogService::QtFilter(QString::fromUtf8("Настройки|*.txt|Все|*.txt;*.ini")),
              QString::fromUtf8("Настройки (*.txt);;Все (*.txt *.ini)"));
    EXPECT_EQ(QtDialogService::QtFilter(QStringLiteral("Excel (*.xls)|*.xls")), QStringLiteral("Excel (*.xls)"));
}

TEST(ExceptionGuard, ShowsTheMessageAndGoesOn) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    bool after = false;
    GuardedCall([] { throw TStopException(QString::fromUtf8("Отмена")); });
    GuardedCall([] { throw std::runtime_error("plain"); });
    Guarded([&after] { after = true; })(1, 2);
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8("Отмена"));
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("plain"));
    EXPECT_TRUE(after);
}

TEST(ProgramVersionTest, ReadsTheStampedVersion) {
    EXPECT_FALSE(BuiltFileVersion().isEmpty());
    EXPECT_EQ(ProgramVersion(QCoreApplication::applicationFilePath()), BuiltFileVersion());
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain.bin"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("no version here");
    plain.close();
    EXPECT_EQ(ProgramVersion(plain.fileName()), QString());
    EXPECT_EQ(ProgramVersion(dir.filePath("missing")), QString());
    EXPECT_EQ(ProgramVersion(QString()), QString());
}

TEST(AppFolderTest, EndsWithSeparatorAndCanBeMoved) {
    EXPECT_TRUE(AppFolder().endsWith(u'/'));
    SetAppFolderForTests(QStringLiteral("/tmp/zv9"));
    EXPECT_EQ(AppFolder(), QStringLiteral("/tmp/zv9/"));
    SetAppFolderForTests(QString());
    EXPECT_EQ(AppFolder(), QCoreApplication::applicationDirPath() + u'/');
}

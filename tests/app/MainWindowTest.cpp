#include "MainWindowFixture.h"

#include "app/windows/TVLog.h"
#include "app/windows/fAbout.h"
#include "platform/IniFile.h"
#include "uikit/controls/KtProgressBar.h"

#include <QDir>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, OnlyTheExactServiceWordShowsTheUpdateCommand) {
    const struct {
        QString ini;
        bool shown;
    } cases[] = {
        {"[Update]\r\nUpdatePanelVersion=wobrix\r\n", true},
        {"[update]\r\nupdatepanelversion=wobrix\r\n", true}, // sections and keys ignore case
        {"[Update]\r\nUpdatePanelVersion=WOBRIX\r\n", false},
        {"[Update]\r\nUpdatePanelVersion=wobrix2\r\n", false},
        {"[Update]\r\nOther=wobrix\r\n", false},
        {"", false},
    };
    for (const auto& c : cases) {
        WriteIni(c.ini);
        TFormMain window;
        EXPECT_EQ(window.mnuUpdate->isVisible(), c.shown) << c.ini.toStdString();
        EXPECT_EQ(!window.KtProgressBar1->isHidden(), c.shown) << c.ini.toStdString();
    }
    QFile::remove(IniPath());
    TFormMain window;
    EXPECT_FALSE(window.mnuUpdate->isVisible());
    EXPECT_EQ(ReadIni(), QByteArray("<missing>")) << "the window never writes the key";
}

TEST_F(MainWindowTest, ClosingSaysGoodbyeWritesCurrentIniAndEndsWithZero) {
    Start();
    ASSERT_TRUE(controller->Connect());
    controller->Page(0)->etValue->setText(QStringLiteral("на выходе"));
    main->show();
    const qsizetype mark = panel.Frames().size();

    main->N2->trigger();

    EXPECT_EQ(FramesSince(mark), (QList<QByteArray>{"rb", "st"}));
    EXPECT_EQ(TMemIniFile(IniPath()).ReadString("FormCommon", "etValue", ""), QStringLiteral("на выходе"));
    EXPECT_EQ(exitCodes, QList<int>{0});
    EXPECT_EQ(main->Controller(), nullptr);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowTest, CloseIsIgnoredWhileLockedAndAnUnwritableCurrentIniDoesNotStopIt) {
    Start();
    main->show();
    controller->LockUI();
    EXPECT_FALSE(main->close());
    controller->UnlockUI();
    main->SetMainEnabled(false);
    EXPECT_FALSE(main->close());
    main->SetMainEnabled(true);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(exitCodes.isEmpty());
    EXPECT_NE(main->Controller(), nullptr);

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("current.ini"))); // a folder in its place
    EXPECT_TRUE(main->close());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).type, TMsgDlgType::mtError);
    EXPECT_TRUE(dialogs->messages.at(0).text.contains(IniPath()));
    EXPECT_EQ(exitCodes, QList<int>{0});
}

TEST_F(MainWindowTest, DisabledStateSurvivesTheTickAndSparesOwnedWindowsTimerPausesNest) {
    Start();
    QDialog owned(main.get());
    main->show();
    owned.show();
    main->Timer1Timer();
    EXPECT_TRUE(main->MainEnabled());
    main->SetMainEnabled(false); // as the update window keeps it
    main->Timer1Timer();
    EXPECT_FALSE(main->MainEnabled());
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_FALSE(main->ToolBar1->isEnabled());
    EXPECT_FALSE(main->MainMenu1->isEnabled());
    EXPECT_FALSE(main->tvLog->isEnabled());
    EXPECT_TRUE(owned.isEnabled());

    main->PausePollTimer();
    main->PausePollTimer();
    main->ResumePollTimer();
    EXPECT_FALSE(main->Timer1->isActive());
    main->ResumePollTimer();
    EXPECT_TRUE(main->Timer1->isActive());
    main->ResumePollTimer(); // one too many changes nothing
    main->PausePollTimer();
    EXPECT_FALSE(main->Timer1->isActive());
}

TEST_F(MainWindowTest, ShortcutsActOnlyWhereTheyShould) {
    Start();
    TFormAbout about(main.get());
    FormAbout = &about;
    main->show();
    QApplication::setActiveWindow(main.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    TSamplePage* page = controller->Page(0);

    dialogs->QueueExec([](QDialog&) { return int(mrOk); });
    QTest::keyClick(main->tv1, Qt::Key_F1);
    EXPECT_EQ(Join(dialogs->execedDialogs), "FormAbout");

    // Ctrl+C and Ctrl+X in a text field copy and cut, even in a read-only one.
    page->etShown->setFocus();
    QTest::keyClick(page->etShown, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(page->etShown, Qt::Key_X, Qt::ControlModifier);
    page->etValue->setText(QStringLiteral("вырезать"));
    page->etValue->setFocus();
    page->etValue->selectAll();
    QTest::keyClick(page->etValue, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(page->etValue->text(), QString()) << "cut into the clipboard";
    EXPECT_EQ(controller->opens, 0);
    EXPECT_TRUE(exitCodes.isEmpty());

    // Elsewhere they act: Ctrl+C connects.
    main->tv1->setFocus();
    QTest::keyClick(main->tv1, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(controller->opens, 1);
    ASSERT_TRUE(controller->IsConnected());

    // A locked menu's shortcuts are dead; Ctrl+Shift+R reads all only when it may.
    controller->LockUI();
    QTest::keyClick(main->tv1, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(main->tv1, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(controller->transferred.isEmpty());
    EXPECT_TRUE(exitCodes.isEmpty());
    controller->UnlockUI();
    QTest::keyClick(main->tv1, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(controller->transferred.size(), 3);

    controller->Disconnect();
    controller->transferred.clear();
    QTest::keyClick(main->tv1, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(controller->transferred.isEmpty());

    QTest::keyClick(main->tv1, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(exitCodes, QList<int>{0});
    FormAbout = nullptr;
}

TEST_F(MainWindowTest, SettingsFilesAndTheLogPaneGoThroughTheirDialogs) {
    Start();
    const QString file = folder.filePath(QStringLiteral("export.txt"));
    controller->Page(0)->etValue->setText(QStringLiteral("экспорт"));
    dialogs->QueueFile(file);
    main->mnuSave->trigger();
    controller->Page(0)->etValue->setText(QStringLiteral("другое"));
    dialogs->QueueFile(QString()); // cancelled
    main->mnuLoad->trigger();
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("другое"));
    dialogs->QueueFile(file);
    main->mnuLoad->trigger();
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("экспорт"));
    ASSERT_EQ(dialogs->fileRequests.size(), 3);
    const FileDialogRequest& save = dialogs->fileRequests.at(0);
    EXPECT_TRUE(save.save && save.overwritePrompt);
    EXPECT_EQ(save.filter, QStringLiteral("Text Files|*.txt"));
    EXPECT_FALSE(dialogs->fileRequests.at(2).save);
    EXPECT_EQ(dialogs->fileRequests.at(2).defaultExt, QStringLiteral("txt"));

    // The log pane: lines scroll into view while the box is ticked; the buttons save and clear.
    controller->LogPane()->WriteMessage(QStringLiteral("строка"));
    QCoreApplication::processEvents();
    EXPECT_EQ(main->tvLog->currentItem(), main->tvLog->topLevelItem(0));
    const QString logFile = folder.filePath(QStringLiteral("log.txt"));
    dialogs->QueueFile(logFile);
    main->Button1->click();
    QFile saved(logFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\xF1\xF2\xF0\xEE\xEA\xE0\r\n"));
    main->BitBtn1->click();
    EXPECT_EQ(main->tvLog->topLevelItemCount(), 0);
}

TEST_F(MainWindowTest, TheSplittersKeepTheirDesignedPanesAndThePagePaneIsTheInnerRight) {
    Start();
    main->show();
    EXPECT_EQ(main->KtSplitter1->Position(), 597);
    EXPECT_EQ(main->KtSplitter1->Orientation(), orVertical);
    EXPECT_TRUE(main->KtSplitter1->HotSpotVisible());
    EXPECT_EQ(main->KtSplitter1->SplitterWidth(), 5);
    EXPECT_EQ(main->ktCntSpl->parentWidget(), main->KtSplitter1->UpperLeft()->Pane());
    EXPECT_EQ(main->ktCntSpl->size(), main->KtSplitter1->UpperLeft()->Pane()->size());
    EXPECT_EQ(main->ktCntSpl->Position(), 164);
    EXPECT_EQ(main->tv1->geometry(), QRect(0, 0, 164, main->ktCntSpl->height() - 8));
    QWidget* pagePane = main->ktCntSpl->LowerRight()->Pane();
    EXPECT_EQ(controller->PagePane(), pagePane);
    EXPECT_EQ(pagePane->geometry(),
              QRect(3 + 164 + 6, 5, main->ktCntSpl->width() - 3 - 164 - 6 - 3, main->ktCntSpl->height() - 8));
}

#include "MainWindowFixture.h"

#include "app/StatusBar.h"
#include "app/TVLog.h"
#include "app/fAbout.h"
#include "platform/IniFile.h"
#include "platform/ProgramVersion.h"
#include "uikit/KtProgressBar.h"

#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

using MainWindowTest = MainWindowFixture;

// One line per menu item: name, caption, shortcut and "off" when disabled; "-" for a separator;
// hidden items in brackets.
QStringList MenuLines(const QMenu* menu) {
    QStringList lines;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            lines << QStringLiteral("-");
            continue;
        }
        QString line = item->objectName() + u' ' + item->text();
        if (!item->shortcut().isEmpty()) line += u' ' + item->shortcut().toString();
        if (!item->isVisible()) {
            lines << u'[' + line + u']'; // hidden, and so disabled as well
            continue;
        }
        if (!item->isEnabled()) line += QStringLiteral(" off");
        lines << line;
    }
    return lines;
}

QStringList ToolBarLines(const QToolBar* bar) {
    QStringList lines;
    for (const QAction* button : bar->actions())
        lines << (button->isSeparator()
                      ? QStringLiteral("-")
                      : button->objectName() + u' ' + button->text() + u'/' + button->toolTip() +
                            (button->isEnabled() ? QString() : QStringLiteral(" off")));
    return lines;
}

void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

} // namespace

TEST_F(MainWindowTest, DesignedLayout) {
    Start();
    EXPECT_EQ(main->windowTitle(),
              QStringLiteral("Программа настройки ЗЕЛВАН GSM-9-TK4 v.") + BuiltFileVersion());
    EXPECT_EQ(main->ClientSize(), QSize(982, 734));
    main->show();
    EXPECT_EQ(main->ClientSize(), QSize(982, 734));
    EXPECT_EQ(main->KtSplitter1->Position(), 597);
    EXPECT_EQ(main->KtSplitter1->UpperLeft()->Pane()->height(), 597);
    EXPECT_EQ(main->ktCntSpl->Position(), 164);
    EXPECT_EQ(main->tv1->parentWidget(), main->ktCntSpl->UpperLeft()->Pane());
    EXPECT_EQ(main->tvLog->parentWidget(), main->KtSplitter1->LowerRight()->Pane());

    const TStatusBar* bar = main->StatusBar1;
    ASSERT_EQ(bar->PanelCount(), 4);
    EXPECT_EQ((QList<int>{bar->PanelWidth(0), bar->PanelWidth(1), bar->PanelWidth(2), bar->PanelWidth(3)}),
              (QList<int>{60, 100, 100, 200}));
    EXPECT_EQ(bar->PanelText(0), QStringLiteral("Com"));
    EXPECT_EQ(bar->PanelText(1), QStringLiteral("Версия"));
    EXPECT_EQ(main->KtProgressBar1->parentWidget(), main->StatusBar1);
    EXPECT_EQ(main->KtProgressBar1->geometry(), QRect(263, 1, 196, bar->height() - 1));
    EXPECT_TRUE(main->KtProgressBar1->isHidden());
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_EQ(main->Timer1->interval(), 10000);

    EXPECT_EQ(Join(ToolBarLines(main->ToolBar1)),
              Join({"tbConnect Подключиться/Подключиться", "tbDisconnect Отключиться/Отключиться off", "-",
                    "tbRead Прочитать/Прочитать настройки с данной страницы off",
                    "tbReadAll Прочитать все/Прочитать все настройки off", "-",
                    "tbWrite Записать/Записать настройки с данной страницы off",
                    "tbWriteAll Записать все/Записать все настройки off", "-",
                    "tbDefault По умолчанию/Настройки по умолчанию на данной странице off",
                    "tbDefaultAll По умолчанию/Все настройки по умолчанию off", "-"}));

    QStringList menus;
    for (const QAction* top : main->MainMenu1->actions())
        menus << (top->isVisible() ? top->text() : u'[' + top->text() + u']');
    EXPECT_EQ(Join(menus), Join({"Файл", "Соединение", "Панель", "Настройки", "[Отладка]", "Помощь"}));
    EXPECT_EQ(Join(MenuLines(main->N1)), Join({"N2 Выход Ctrl+X"}));
    EXPECT_EQ(Join(MenuLines(main->N3)),
              Join({"mnuConnect Подключиться Ctrl+C", "mnuDisconnect Отключиться Ctrl+D off"}));
    EXPECT_EQ(Join(MenuLines(main->N4)),
              Join({"mnuRead Прочитать настройки с данной страницы Ctrl+R off",
                    "mnuWrite Записать настройки с данной страницы Ctrl+W off", "-",
                    "mnuReadAll Прочитать все настройки Ctrl+Shift+R off",
                    "mnuWriteAll Записать все настройки Ctrl+Shift+W off", "-", "mnuStart Запустить off",
                    "mnuStop Остановить off", "mnuReload Перезагрузить off", "-",
                    "[mnuUpdate Обновить версию прошивки]"}));
    EXPECT_EQ(Join(MenuLines(main->N5)), Join({"mnuSave Сохранить Ctrl+S", "mnuLoad Загрузить Ctrl+L", "-",
                                               "N21 Настройки по умолчанию на данной странице off",
                                               "N22 Все настройки по умолчанию off"}));
    EXPECT_EQ(Join(MenuLines(main->N6)),
              Join({"N16 Выводить информацию в окно", "N17 Выводить информацию в лог"}));
    EXPECT_TRUE(main->N16->isChecked());
    EXPECT_FALSE(main->N17->isChecked());
    EXPECT_EQ(Join(MenuLines(main->N7)), Join({"N8 О программе F1"}));
}

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

TEST_F(MainWindowTest, CloseRequestsAreIgnoredWhileLockedOrWhileTheLinkCheckRuns) {
    Start();
    main->show();
    controller->LockUI();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    controller->UnlockUI();

    main->SetMainEnabled(false);
    EXPECT_FALSE(main->close());
    main->SetMainEnabled(true);
    EXPECT_TRUE(exitCodes.isEmpty());
    EXPECT_NE(main->Controller(), nullptr);

    EXPECT_TRUE(main->close());
    EXPECT_EQ(exitCodes, QList<int>{0});
}

TEST_F(MainWindowTest, TheCurrentIniThatCannotBeWrittenIsReportedAndClosingGoesOn) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("current.ini"))); // a folder in its place
    Start();
    main->show();
    EXPECT_TRUE(main->close());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).type, TMsgDlgType::mtError);
    EXPECT_TRUE(dialogs->messages.at(0).text.contains(IniPath()));
    EXPECT_EQ(exitCodes, QList<int>{0});
}

TEST_F(MainWindowTest, TheLinkCheckTickRestoresTheEnabledStateTheWindowHad) {
    Start();
    main->Timer1Timer();
    EXPECT_TRUE(main->MainEnabled());
    EXPECT_TRUE(main->Timer1->isActive());

    // The update window keeps the main window disabled.
    main->SetMainEnabled(false);
    main->Timer1Timer();
    EXPECT_FALSE(main->MainEnabled());
    EXPECT_TRUE(main->Timer1->isActive());
}

TEST_F(MainWindowTest, TimerPausesNest) {
    Start();
    main->PausePollTimer();
    main->PausePollTimer();
    EXPECT_FALSE(main->Timer1->isActive());
    main->ResumePollTimer();
    EXPECT_FALSE(main->Timer1->isActive());
    main->ResumePollTimer();
    EXPECT_TRUE(main->Timer1->isActive());
    main->ResumePollTimer(); // one too many changes nothing
    main->PausePollTimer();
    EXPECT_FALSE(main->Timer1->isActive());
}

TEST_F(MainWindowTest, ADisabledMainWindowLeavesTheWindowsItOwnsUsable) {
    Start();
    QDialog owned(main.get());
    main->show();
    owned.show();
    main->SetMainEnabled(false);
    EXPECT_FALSE(main->ToolBar1->isEnabled());
    EXPECT_FALSE(main->MainMenu1->isEnabled());
    EXPECT_FALSE(main->tvLog->isEnabled());
    EXPECT_TRUE(owned.isEnabled());
    main->SetMainEnabled(true);
    EXPECT_TRUE(main->ToolBar1->isEnabled());
}

TEST_F(MainWindowTest, ShortcutsActOnlyWhereTheyShould) {
    Start();
    TFormAbout about(main.get());
    FormAbout = &about;
    ShowActive(*main);
    TSamplePage* page = controller->Page(0);

    // F1: the about box.
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
    EXPECT_EQ(controller->opens, 1);
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
    ASSERT_EQ(dialogs->fileRequests.size(), 1);
    EXPECT_TRUE(dialogs->fileRequests.at(0).save);
    EXPECT_TRUE(dialogs->fileRequests.at(0).overwritePrompt);
    EXPECT_EQ(dialogs->fileRequests.at(0).filter, QStringLiteral("Text Files|*.txt"));
    EXPECT_EQ(TMemIniFile(file).ReadString("FormCommon", "etValue", ""), QStringLiteral("экспорт"));

    controller->Page(0)->etValue->setText(QStringLiteral("другое"));
    dialogs->QueueFile(QString()); // cancelled
    main->mnuLoad->trigger();
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("другое"));
    dialogs->QueueFile(file);
    main->mnuLoad->trigger();
    ASSERT_EQ(dialogs->fileRequests.size(), 3);
    EXPECT_FALSE(dialogs->fileRequests.at(2).save);
    EXPECT_EQ(dialogs->fileRequests.at(2).defaultExt, QStringLiteral("txt"));
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("экспорт"));

    // The log pane: lines scroll into view while the box is ticked; the buttons clear and save.
    controller->LogPane()->WriteMessage(QStringLiteral("строка"));
    ASSERT_EQ(main->tvLog->topLevelItemCount(), 1);
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

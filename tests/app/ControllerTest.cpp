#include "MainWindowFixture.h"

#include "app/pages/Unit2.h"
#include "app/pages/fKBDs.h"
#include "app/windows/StatusBar.h"
#include "base/Exceptions.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QToolBar>

namespace {

using ControllerTest = MainWindowFixture;

// The tool bar's enabled states.
std::vector<bool> ToolButtons(const TFormMain& main) {
    std::vector<bool> states;
    for (const QAction* button : {main.tbConnect, main.tbDisconnect, main.tbRead, main.tbReadAll,
                                  main.tbWrite, main.tbWriteAll, main.tbDefault, main.tbDefaultAll})
        states.push_back(button->isEnabled());
    return states;
}
const std::vector<bool> kConnected{false, true, true, true, true, true, true, true};
const std::vector<bool> kDisconnected{true, false, false, false, false, false, false, false};
const std::vector<bool> kLocked(8, false);

} // namespace

TEST_F(ControllerTest, PagesAreDockedListedAndTheFirstShown) {
    Start();
    QStringList tree;
    for (int i = 0; i < main->tv1->topLevelItemCount(); ++i)
        tree << main->tv1->topLevelItem(i)->text(0) + u'=' +
                    QString::number(TFormsController::NodePageIndex(main->tv1->topLevelItem(i)));
    EXPECT_EQ(Join(tree), Join({"Общие настройки=0", "Системные события=1", "Шлейфы=2"}));
    QWidget* pane = main->ktCntSpl->LowerRight()->Pane();
    for (TformIncl* page : controller->Pages())
        EXPECT_EQ(page->parentWidget(), pane);
    EXPECT_EQ(controller->Current(), controller->Page(0));
    EXPECT_TRUE(controller->Page(1)->isHidden());

    // The tree's selection shows its page; positions that hold no page are ignored.
    main->tv1->setCurrentItem(main->tv1->topLevelItem(2));
    EXPECT_EQ(controller->Current(), controller->Page(2));
    EXPECT_TRUE(controller->Page(0)->isHidden());
    new QLabel(pane); // a child of the pane that is no page
    for (int index : {-1, 3, 4})
        controller->SelectPage(index);
    EXPECT_EQ(controller->Current(), controller->Page(2));
    EXPECT_FALSE(controller->Page(2)->isHidden());

    // The shown page fills the pane and follows it when the window grows.
    main->show();
    main->resize(main->width() + 150, main->height() + 90);
    QCoreApplication::processEvents();
    EXPECT_GT(pane->width(), 150);
    EXPECT_EQ(controller->Page(2)->geometry(), pane->rect());
}

TEST_F(ControllerTest, ReadAllEndsOnTheLastNodeOrStopsQuietlyWhenTheLinkIsLost) {
    Start();
    main->tv1->setCurrentItem(main->tv1->topLevelItem(1));
    ASSERT_TRUE(controller->Connect());
    // A page read starts from a cleared page, and clears that page only.
    for (int i = 0; i < 2; ++i)
        controller->Page(i)->etValue->setText(QStringLiteral("старое"));
    controller->ReadPage();
    EXPECT_EQ(Join(controller->transferred), "formATests");
    EXPECT_EQ(controller->Page(1)->etValue->text(), QString());
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("старое"));
    controller->transferred.clear();

    for (int i = 0; i < 3; ++i)
        controller->Page(i)->etValue->setText(QStringLiteral("старое"));
    qsizetype mark = panel.Frames().size();
    controller->script = [](TformIncl& page, TDeviceController& device) {
        device.StopPanel();
        if (page.property("lost").toBool()) throw TCommException(QStringLiteral("NO CARRIER"));
    };

    controller->ReadAll();

    EXPECT_EQ(Join(controller->transferred), Join({"FormCommon", "formATests", "FormLoops"}));
    EXPECT_EQ(FramesSince(mark), (QList<QByteArray>{"sp", "sp", "sp"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(controller->Page(i)->etValue->text(), QString()) << "each page is cleared before its read";
    EXPECT_EQ(main->tv1->currentItem(), main->tv1->topLevelItem(2));
    EXPECT_EQ(controller->Current(), controller->Page(2));
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty()) << "no failures, no errors window";
    EXPECT_FALSE(controller->Busy());
    EXPECT_TRUE(main->tv1->isEnabled());
    EXPECT_EQ(ToolButtons(*main), kConnected);

    // The link is lost on the second page.
    main->tv1->setCurrentItem(main->tv1->topLevelItem(0));
    controller->Page(1)->setProperty("lost", true);
    controller->transferred.clear();
    mark = panel.Frames().size();

    controller->ReadAll();

    EXPECT_EQ(Join(controller->transferred), Join({"FormCommon", "formATests"}));
    // The goodbye is still tried on the way out.
    EXPECT_EQ(FramesSince(mark), (QList<QByteArray>{"sp", "sp", "rb", "st"}));
    EXPECT_FALSE(controller->IsConnected());
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty()) << "no errors window";
    EXPECT_TRUE(dialogs->messages.isEmpty()) << "no message";
    EXPECT_EQ(main->tv1->currentItem(), main->tv1->topLevelItem(0)) << "the tree keeps the user's node";
    EXPECT_EQ(controller->Current(), controller->Page(1)) << "the failed page stays on screen";
    EXPECT_FALSE(controller->Busy());
    EXPECT_TRUE(main->tv1->isEnabled());
    EXPECT_EQ(ToolButtons(*main), kDisconnected);
}

TEST_F(ControllerTest, ABrokenPortDisconnectsWithoutGoodbyeAndSaysSo) {
    Start();
    ASSERT_TRUE(controller->Connect());
    const qsizetype mark = panel.Frames().size();
    controller->script = [](TformIncl&, TDeviceController&) {
        throw TCloseException(QStringLiteral("порт закрыт"));
    };

    controller->WriteAll();

    EXPECT_EQ(Join(controller->transferred), "FormCommon");
    EXPECT_TRUE(FramesSince(mark).isEmpty()) << "no goodbye over a broken port";
    EXPECT_FALSE(controller->IsConnected());
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).text, QStringLiteral("Разрыв соединения с com-портом!"));
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty());
    EXPECT_EQ(ToolButtons(*main), kDisconnected);

    // That covered one disconnect only: the next one says goodbye again.
    controller->script = nullptr;
    ASSERT_TRUE(controller->Connect());
    const qsizetype again = panel.Frames().size();
    controller->Disconnect();
    EXPECT_EQ(FramesSince(again), (QList<QByteArray>{"rb", "st"}));
}

TEST_F(ControllerTest, CancelAndTransportErrorsShowTheErrorsWindow) {
    Start();
    ASSERT_TRUE(controller->Connect());
    controller->Page(0)->etValue->setText(QStringLiteral("1234"));
    controller->script = [](TformIncl&, TDeviceController& device) {
        device.AddWriteError(QStringLiteral("Пароль"));
        throw TStopException(QStringLiteral("Отмена"));
    };
    QStringList shown;
    ExpectErrorsWindow(&shown);

    controller->WritePage();

    EXPECT_EQ(Join(shown), Join({"1", "Ошибка при записи параметра \"Пароль\""}));
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("1234")) << "a write keeps the values";
    EXPECT_TRUE(controller->IsConnected());
    EXPECT_FALSE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kConnected);

    // A cancel before any failure shows nothing; the list of the last write is gone.
    controller->script = [](TformIncl&, TDeviceController&) {
        throw TStopException(QStringLiteral("Отмена"));
    };
    dialogs->execedDialogs.clear();
    controller->WritePage();
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty());

    // A serial error of the port that is still there is in the list, in the component's words.
    controller->script = [](TformIncl&, TDeviceController&) {
        throw EDeviceError(
            QStringLiteral("Unable to write to port. (write error 1: Operation not permitted)"), 11);
    };
    shown.clear();
    ExpectErrorsWindow(&shown);
    controller->ReadPage();
    EXPECT_EQ(Join(shown), Join({"1", "Unable to write to port. (write error 1: Operation not permitted)"}));
    EXPECT_TRUE(controller->IsConnected());
    EXPECT_FALSE(controller->Busy());
}

// The adapter pulled out while a page is read: no errors window, but the broken-port answer,
// with the system's words in the log and the status bar as without a connection.
TEST_F(ControllerTest, APulledAdapterDisconnectsWithoutGoodbyeAndSaysSo) {
    Start();
    ASSERT_TRUE(controller->Connect());
    EXPECT_TRUE(main->StatusBar1->PanelText(1).contains(QStringLiteral("VER 01")));
    controller->script = [this](TformIncl&, TDeviceController& device) {
        panel.Unplug();
        device.StopPanel();
    };
    const qint64 start = Clock::NowMs();
    controller->ReadPage();
    EXPECT_LT(Clock::NowMs() - start, 1000);
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty()) << "no errors window";
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).text, QStringLiteral("Разрыв соединения с com-портом!"));
    EXPECT_FALSE(controller->IsConnected());
    EXPECT_FALSE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kDisconnected);
    EXPECT_EQ(main->StatusBar1->PanelText(0), QStringLiteral("Com"));
    EXPECT_EQ(main->StatusBar1->PanelText(1), QStringLiteral("Версия"));
    const QTreeWidgetItem* last = main->tvLog->topLevelItem(main->tvLog->topLevelItemCount() - 1);
    EXPECT_TRUE(last->text(0).endsWith(QStringLiteral(" error 5: Input/output error)")))
        << last->text(0).toStdString();
}

TEST_F(ControllerTest, CommandsDuringATransferOrWhileDisconnectedAreIgnored) {
    Start();
    controller->Page(1)->etValue->setText(QStringLiteral("введено"));
    controller->ReadPage();
    controller->ReadAll();
    controller->WritePage();
    controller->WriteAll();
    EXPECT_TRUE(controller->transferred.isEmpty());
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty());
    EXPECT_EQ(ToolButtons(*main), kDisconnected);

    ASSERT_TRUE(controller->Connect());
    // A page button or a second command reached while the transfer pumps messages.
    controller->script = [this](TformIncl&, TDeviceController&) {
        controller->ReadPage();
        controller->WriteAll();
        controller->DefaultsAll();
        main->tbDisconnectClick();
        main->tbConnectClick();
    };
    controller->ReadPage();
    EXPECT_EQ(Join(controller->transferred), "FormCommon");
    EXPECT_EQ(controller->Page(1)->etValue->text(), QStringLiteral("введено"));
    EXPECT_TRUE(controller->IsConnected());
    EXPECT_EQ(controller->opens, 1);
    EXPECT_FALSE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kConnected) << "the tool bar is not left dead";
}

// The objects dialog disables the main window and with it every window the main window owns,
// the progress window's "Отмена" among them, and it edits the grid a transfer fills: a press on
// the grid or on "Добавить объект" while a transfer runs opens nothing. Afterwards both open it.
TEST_F(ControllerTest, TheObjectsDialogStaysShutWhileATransferRuns) {
    Start();
    TFormKBDs objects(main.get());
    objects.etKBSNum->setText(QStringLiteral("2"));
    struct TObjectsDialog {
        explicit TObjectsDialog(QWidget* owner) { Form2 = new TForm2(owner); }
        ~TObjectsDialog() {
            delete Form2;
            Form2 = nullptr;
        }
    } dialog(main.get());
    ASSERT_TRUE(controller->Connect());
    bool opened = true, mainEnabled = false;
    controller->script = [&](TformIncl&, TDeviceController&) {
        emit objects.SG->cellPressed(1, TFormKBDs::NumberColumn);
        objects.Button1->click();
        opened = Form2->isVisible();
        mainEnabled = main->isEnabled();
    };
    controller->ReadPage();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(mainEnabled);

    controller->script = nullptr;
    emit objects.SG->cellPressed(1, TFormKBDs::NumberColumn);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_FALSE(main->isEnabled());
    Form2->close();
    objects.Button1->click();
    EXPECT_TRUE(Form2->isVisible());
    Form2->close();
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(ControllerTest, ServiceCommandsSwallowFailuresButALostLinkDisconnects) {
    Start();
    ASSERT_TRUE(controller->Connect());
    controller->RunService([] { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); });
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty());
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_TRUE(controller->IsConnected());
    controller->RunService([] { throw TCommException(QStringLiteral("BUSY")); });
    EXPECT_FALSE(controller->IsConnected());
    EXPECT_FALSE(controller->Busy());
}

TEST_F(ControllerTest, LocksNestAndTheLastUnlockRestoresTheCommands) {
    Start();
    ASSERT_TRUE(controller->Connect());
    TSamplePage* common = controller->Page(0);
    common->btnSync->setEnabled(false);
    TSamplePage* other = controller->Page(1); // not a page whose buttons the lock holds
    QList<QAction*> menus;
    for (QAction* menu : main->MainMenu1->actions())
        if (menu->isVisible()) // a hidden menu is a disabled one as well
            menus.append(menu);
    auto menusEnabled = [&](bool enabled) {
        for (QAction* menu : menus)
            EXPECT_EQ(menu->isEnabled(), enabled) << menu->objectName().toStdString();
    };

    controller->LockUI();
    LockMainUI(); // the update window locking inside a transfer
    EXPECT_TRUE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kLocked);
    EXPECT_FALSE(main->tv1->isEnabled());
    EXPECT_FALSE(main->ToolBar1->isEnabled());
    menusEnabled(false);
    EXPECT_FALSE(ControlEnabled(common->btnSync));
    EXPECT_TRUE(ControlEnabled(other->btnSync));

    UnlockMainUI();
    EXPECT_TRUE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kLocked) << "still locked after the inner unlock";

    controller->UnlockUI();
    EXPECT_FALSE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kConnected);
    EXPECT_TRUE(main->tv1->isEnabled());
    EXPECT_TRUE(main->ToolBar1->isEnabled());
    menusEnabled(true);
    EXPECT_FALSE(ControlEnabled(common->btnSync)) << "a page button gets back the state it had";

    // A disconnect inside the lock (the restart) is what the unlock gives back.
    controller->LockUI();
    controller->Disconnect();
    EXPECT_EQ(ToolButtons(*main), kLocked);
    controller->UnlockUI();
    EXPECT_EQ(ToolButtons(*main), kDisconnected);

    // An unlock without a lock changes nothing.
    controller->UnlockUI();
    EXPECT_FALSE(controller->Busy());
    EXPECT_EQ(ToolButtons(*main), kDisconnected);
}

TEST_F(ControllerTest, SettingsFilesKeepForeignSectionsAndCurrentIniIsLoadedAndSaved) {
    WriteIni(
        QStringLiteral("[Update]\r\nUpdatePanelVersion=x\r\n\r\n[formATests]\r\netValue=из файла\r\n\r\n"));
    Start();
    EXPECT_EQ(controller->Page(1)->etValue->text(), QStringLiteral("из файла"));

    const QString file = folder.filePath(QStringLiteral("settings.txt"));
    WriteText(file, QStringLiteral("[Update]\r\nUpdatePanelVersion=wobrix\r\n\r\n"
                                   "[FormConnect]\r\nDialPhone1=+79001234567\r\n\r\n"
                                   "[FormCommon]\r\netValue=старое\r\nOldKey=1\r\n\r\n"));
    controller->Page(0)->etValue->setText(QStringLiteral("новое"));
    controller->Page(2)->etValue->setText(QStringLiteral("третья"));
    controller->SaveAll(file);
    const TMemIniFile saved(file);
    EXPECT_EQ(saved.ReadString("Update", "UpdatePanelVersion", ""), QStringLiteral("wobrix"));
    EXPECT_EQ(saved.ReadString("FormConnect", "DialPhone1", ""), QStringLiteral("+79001234567"));
    EXPECT_EQ(saved.ReadString("FormCommon", "etValue", ""), QStringLiteral("новое"));
    EXPECT_EQ(saved.ReadString("FormCommon", "OldKey", ""), QStringLiteral("1"));
    EXPECT_EQ(saved.ReadString("FormLoops", "etValue", ""), QStringLiteral("третья"));
    EXPECT_EQ(Join(saved.ReadSections()),
              Join({"Update", "FormConnect", "FormCommon", "formATests", "FormLoops"}));

    for (int i = 0; i < 3; ++i)
        controller->Page(i)->etValue->setText(QStringLiteral("x"));
    controller->LoadAll(file);
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("новое"));
    EXPECT_EQ(controller->Page(2)->etValue->text(), QStringLiteral("третья"));

    // Defaults touch the pages only.
    controller->DefaultsCurrent();
    EXPECT_EQ(controller->Page(0)->etValue->text(), QStringLiteral("default"));
    EXPECT_EQ(controller->Page(2)->etValue->text(), QStringLiteral("третья"));
    controller->DefaultsAll();
    EXPECT_EQ(controller->Page(2)->etValue->text(), QStringLiteral("default"));

    controller->Page(1)->etValue->setText(QStringLiteral("при выходе"));
    main->SetController(nullptr);
    const TMemIniFile current(IniPath());
    EXPECT_EQ(current.ReadString("formATests", "etValue", ""), QStringLiteral("при выходе"));
    EXPECT_EQ(current.ReadString("Update", "UpdatePanelVersion", ""), QStringLiteral("x"));
}

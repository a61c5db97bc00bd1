#include "UpdateFixture.h"

#include "device/DeviceController.h"
#include "firmware/UploadPackets.h"
#include "platform/IniFile.h"
#include "uikit/controls/KtProgressBar.h"

#include <QLabel>
#include <QPushButton>

// The whole update: boot entry, packets of four rows, "EE" with the right sums, the flash wait;
// then the exit disconnects and reconnects with the remembered port, without the dialog.
TEST_F(UpdateFixture, SuccessfulUpdateAndReconnect) {
    ConnectWithOffer(9);
    EXPECT_TRUE(AppController->Busy());
    EXPECT_FALSE(main->MainEnabled());
    EXPECT_EQ(formUpdateIns->lbOldName->text(), QStringLiteral("VER 01.004.013"));
    EXPECT_EQ(formUpdateIns->lbNewName->text(), QStringLiteral("VER 01.004.014"));
    EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral(" (VER 01.004.014)")));
    // Each version stands clear of its heading and inside the window.
    for (const auto& [heading, version] : {std::pair{formUpdateIns->Label2, formUpdateIns->lbOldName},
                                           std::pair{formUpdateIns->Label1, formUpdateIns->lbNewName}}) {
        EXPECT_LE(heading->x() + heading->sizeHint().width(), version->x()) << heading->text().toStdString();
        EXPECT_LE(version->x() + version->sizeHint().width(), formUpdateIns->width());
    }

    RunUpdate();
    EXPECT_EQ(formUpdateIns->UpdateState, 3);
    EXPECT_EQ(formUpdateIns->lbError->text(), QStringLiteral("Перепрошивка успешно завершена!"));
    EXPECT_EQ(formUpdateIns->btnExit->text(), QStringLiteral("Завершить перепрошивку"));
    EXPECT_TRUE(formUpdateIns->btnExit->isEnabled());
    EXPECT_EQ(formUpdateIns->KtProgressBar1->PartsComplete(), formUpdateIns->KtProgressBar1->TotalParts());
    EXPECT_EQ(main->StatusBar1->PanelText(1), QStringLiteral("VER 01.004.014"));
    EXPECT_EQ(loader.Image(), ImageRows(9));
    EXPECT_TRUE(loader.SumsMatched());
    EXPECT_EQ(PacketAddresses(), (QList<QByteArray>{"W0000", "W0004", "W0008"}));
    EXPECT_EQ(loader.FramesStartingWith("BL").size(), 1);
    EXPECT_EQ(loader.FramesStartingWith("EE").size(), 1);

    // The reconnect takes the port remembered in "current.ini"; here one that is not there,
    // since the fake's pseudo-terminal is no port the machine lists.
    TMemIniFile ini(folder.filePath(QStringLiteral("current.ini")));
    ini.WriteInteger(QStringLiteral("FormConnect"), QStringLiteral("ComPorts"), 99);
    ini.UpdateFile();
    const qsizetype dialogsBefore = dialogs->execedDialogs.size();
    formUpdateIns->btnExit->click();
    EXPECT_FALSE(formUpdateIns->isVisible());
    EXPECT_TRUE(loader.Frames().contains("rb")) << "the goodbye before the reconnect";
    EXPECT_EQ(dialogs->execedDialogs.size(), dialogsBefore) << "no connect dialog after an update";
    ASSERT_FALSE(dialogs->messages.isEmpty());
    EXPECT_TRUE(dialogs->messages.last().text.startsWith(QStringLiteral("Ошибка подключения: ")));
    EXPECT_FALSE(AppController->Busy());
    EXPECT_TRUE(main->MainEnabled());
    EXPECT_EQ(formUpdateIns->UpdateState, 0);
}

// A packet whose echo never matches is tried three times; nothing more is sent, the failure
// is shown and the way out is open. Exit then disconnects and asks for the port again.
TEST_F(UpdateFixture, WrongEchoStopsBeforeTheErase) {
    ConnectWithOffer(9);
    loader.SetEcho(FakeBootLoader::TEcho::Wrong);
    RunUpdate();
    const QList<QByteArray> packets = loader.FramesStartingWith("W");
    ASSERT_EQ(packets.size(), 3);
    EXPECT_TRUE(packets[0].startsWith("W0000:") && packets[2] == packets[0]);
    EXPECT_TRUE(loader.FramesStartingWith("EE").isEmpty());
    EXPECT_EQ(formUpdateIns->UpdateState, 2);
    EXPECT_EQ(formUpdateIns->lbError->text(), QStringLiteral("В процессе перепрошивки возникли ошибки!"));
    EXPECT_FALSE(formUpdateIns->btnUpdateVer->isEnabled());
    EXPECT_TRUE(formUpdateIns->btnExit->isEnabled());

    QueueConnect(mrCancel);
    formUpdateIns->btnExit->click();
    EXPECT_EQ(dialogs->execedDialogs.last(), QStringLiteral("FormConnect"));
    EXPECT_FALSE(AppController->IsConnected());
    EXPECT_FALSE(AppController->Busy());
    EXPECT_TRUE(main->MainEnabled());
}

// "EE" that is never acknowledged: three erase requests of three tries each, then the failure,
// and the exit button (disabled for the flash rewrite) usable again.
TEST_F(UpdateFixture, UnansweredEraseFailsWithTheExitOpen) {
    ConnectWithOffer(4);
    loader.SetEraseSilent(true);
    RunUpdate();
    EXPECT_EQ(loader.FramesStartingWith("EE").size(), 9);
    EXPECT_EQ(formUpdateIns->UpdateState, 2);
    EXPECT_EQ(formUpdateIns->lbError->text(), QStringLiteral("В процессе перепрошивки возникли ошибки!"));
    EXPECT_TRUE(formUpdateIns->btnExit->isEnabled());
}

// Idle: the exit, the close box and Esc only close the window and unlock the main window; while
// the exit button is disabled they do nothing. Exit during the upload stops it and goes on as
// after a failure once the thread has ended.
TEST_F(UpdateFixture, ExitCloseBoxAndEscape) {
    ConnectWithOffer(4);
    formUpdateIns->btnExit->setEnabled(false);
    formUpdateIns->close();
    formUpdateIns->reject();
    EXPECT_TRUE(formUpdateIns->isVisible());
    formUpdateIns->btnExit->setEnabled(true);

    formUpdateIns->close();
    EXPECT_FALSE(formUpdateIns->isVisible());
    EXPECT_FALSE(AppController->Busy());
    EXPECT_TRUE(main->MainEnabled());
    EXPECT_TRUE(AppController->IsConnected());

    formUpdateIns->show();
    EXPECT_TRUE(AppController->Busy());
    main->FormActivate();
    EXPECT_FALSE(main->MainEnabled()) << "activating the main window leaves it disabled";
    formUpdateIns->reject();
    EXPECT_FALSE(formUpdateIns->isVisible());
    EXPECT_TRUE(main->MainEnabled());

    formUpdateIns->show();
    FakeFault slow;
    slow.delayMs = 50;
    loader.SetFaultForAll(slow);
    formUpdateIns->btnUpdateVer->click();
    formUpdateIns->btnExit->click();
    EXPECT_FALSE(formUpdateIns->btnExit->isEnabled());
    QueueConnect(mrCancel);
    ASSERT_TRUE(WaitUntil([] { return !formUpdateIns->isVisible(); }));
    EXPECT_FALSE(formUpdateIns->UploadRunning());
    EXPECT_TRUE(loader.FramesStartingWith("EE").isEmpty());
    EXPECT_EQ(dialogs->execedDialogs.last(), QStringLiteral("FormConnect"));
    EXPECT_TRUE(main->MainEnabled());
}

// The boot loader's echo with its "OK" on the same line ends the request at once, not at the
// 15-second time-out.
TEST_F(UpdateFixture, EchoOnTheSameLineEndsTheRequest) {
    ConnectWithOffer(4);
    loader.SetEcho(FakeBootLoader::TEcho::SameLine);
    Clock::SetScaleForTests(1.0);
    TUploadPackets packets;
    const QString packet = packets.Build(0, {QString::fromLatin1(ImageRow(0).toHex().toUpper())});
    QString answer;
    const qint64 start = Clock::NowMs();
    EXPECT_TRUE(CurrentDeviceController()->RequestWrite(packet, answer, false));
    EXPECT_LT(Clock::NowMs() - start, 1000);
    EXPECT_EQ(answer, QStringLiteral("0000OK\r\n"));
    formUpdateIns->reject();
}

// No offer: a build without an image, a panel older than 4.10, or an image not newer than the
// panel.
TEST_F(UpdateFixture, OfferNeedsAnImageNewerThanAPanelAt410) {
    EXPECT_FALSE(formUpdateIns->HasImage());
    EXPECT_EQ(formUpdateIns->FileMajor, -1);
    const auto connectAt = [this](const char* version) {
        loader.SetValue("v", version);
        QueueConnect();
        main->ConnectAndOfferUpdate();
        EXPECT_TRUE(AppController->IsConnected()) << version;
        EXPECT_FALSE(formUpdateIns->isVisible()) << version;
        AppController->Disconnect();
    };
    connectAt("VER 01.004.013");
    formUpdateIns->LoadFirmwareText(Firmware(4));
    connectAt("VER 01.004.009");
    connectAt("VER 01.004.014");
}

namespace {

// Waits without running the interface thread's events, as a busy interface thread would.
bool WaitHoldingTheInterface(const std::function<bool()>& done, int timeoutMs = 10000) {
    const qint64 start = Clock::NowMs();
    while (!done()) {
        if (Clock::NowMs() - start > timeoutMs) return false;
        Clock::SleepMs(1);
    }
    return true;
}

} // namespace

// The point of no return: "EE" goes out only once the window has disabled its exit button, even
// when the interface thread is slow to get there; from then on the close box and Esc are
// refused and nothing disconnects while the panel rewrites its flash.
TEST_F(UpdateFixture, ExitIsLockedBeforeTheErase) {
    ConnectWithOffer(4);
    Clock::SetScaleForTests(0.1); // a flash rewrite of 1.5 s
    formUpdateIns->btnUpdateVer->click();
    ASSERT_TRUE(WaitHoldingTheInterface([this] { return loader.FramesStartingWith("W").size() == 1; }));
    Clock::SleepMs(300);
    EXPECT_TRUE(loader.FramesStartingWith("EE").isEmpty()) << "the erase waits for the window";
    EXPECT_TRUE(formUpdateIns->btnExit->isEnabled());

    ASSERT_TRUE(WaitUntil([this] { return !loader.FramesStartingWith("EE").isEmpty(); }));
    EXPECT_FALSE(formUpdateIns->btnExit->isEnabled());
    formUpdateIns->close();
    formUpdateIns->reject();
    EXPECT_TRUE(formUpdateIns->isVisible());
    ASSERT_TRUE(WaitUntil([] { return !formUpdateIns->UploadRunning(); }));
    EXPECT_EQ(formUpdateIns->UpdateState, 3);
    EXPECT_FALSE(loader.Frames().contains("rb"));
    EXPECT_FALSE(loader.Frames().contains("st"));
    EXPECT_EQ(loader.Image(), ImageRows(4));
}

// Exit pressed, or the window destroyed, while the thread waits for the window at the point of no
// return: the thread gives up without "EE" and nothing hangs.
TEST_F(UpdateFixture, StopWhileWaitingForTheLockSendsNoErase) {
    ConnectWithOffer(4);
    formUpdateIns->btnUpdateVer->click();
    ASSERT_TRUE(WaitHoldingTheInterface([this] { return loader.FramesStartingWith("W").size() == 1; }));
    Clock::SleepMs(50);
    formUpdateIns->btnExit->click();
    QueueConnect(mrCancel);
    ASSERT_TRUE(WaitUntil([] { return !formUpdateIns->isVisible(); }));
    EXPECT_FALSE(formUpdateIns->UploadRunning());
    EXPECT_EQ(dialogs->execedDialogs.last(), QStringLiteral("FormConnect"));

    ASSERT_NO_FATAL_FAILURE(ConnectWithOffer(4));
    formUpdateIns->btnUpdateVer->click();
    ASSERT_TRUE(WaitHoldingTheInterface([this] { return loader.FramesStartingWith("W").size() == 2; }));
    Clock::SleepMs(50);
    const qint64 start = Clock::NowMs();
    delete formUpdateIns;
    formUpdateIns = nullptr;
    EXPECT_LT(Clock::NowMs() - start, 2000);
    QCoreApplication::processEvents();
    EXPECT_TRUE(loader.FramesStartingWith("EE").isEmpty());
}

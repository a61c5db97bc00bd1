#include "MainWindowFixture.h"

#include "app/pages/fGPRS.h"
#include "app/windows/StatusBar.h"
#include "app/windows/fConnect.h"
#include "app/windows/fProgress.h"
#include "link/SerialComm.h"
#include "link/fDial.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "support/FakeModem.h"
#include "support/HistoryRecords.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QTimer>
#include <algorithm>

namespace {

const QByteArray kVersion = "GSM-9-TK4 VER 01 004.013";

// The real connection code over the program's own pages.
class TConnectionController : public TZV9TKFormsController {
public:
    explicit TConnectionController(TFormMain* main)
        : TZV9TKFormsController(main, main->ktCntSpl->LowerRight()->Pane(), main->tv1, TDeferBuild{}) {
        Build();
    }

    using TFormAppMainController::FindPageControl;
    bool HasTransport() const { return TransportWorker != nullptr; }
    bool Dialled() const { return ModemLink; }
};

class ConnectionTest : public MainWindowFixture {
protected:
    void Start() {
        main = std::make_unique<TFormMain>();
        auto owned = std::make_unique<TConnectionController>(main.get());
        conn = owned.get();
        AppController = conn;
        main->SetController(std::move(owned));
    }

    // The connect dialog's answer: this port and number.
    void QueueConnect(const QString& port, const QString& phone = QString(), int result = mrOk) {
        dialogs->QueueExec([=](QDialog& dialog) {
            auto& connect = dynamic_cast<TFormConnect&>(dialog);
            connect.SetPorts({port});
            connect.ComPorts->setCurrentIndex(0);
            connect.cbPhones->setEditText(phone);
            return result;
        });
    }

    // tbConnect, tbDisconnect, the three service items and the common page's btnSync: 1 = on.
    QString Commands() const {
        QString flags;
        for (const QAction* command :
             {main->tbConnect, main->tbDisconnect, main->mnuStart, main->mnuStop, main->mnuReload})
            flags += command->isEnabled() ? u'1' : u'0';
        return flags +
               (conn->Pages().at(0)->FindControl(QStringLiteral("btnSync"))->isEnabled() ? u'1' : u'0');
    }

    // The gated controls, 1 = shown: lbACIDcode cbACIDcode GroupBox4 lan llan.
    QString Gates() const {
        QString flags;
        for (const char* name : {"FormKBDs.lbACIDcode", "FormKBDs.cbACIDcode", "formGPRS.GroupBox4",
                                 "formGPRS.lan", "formGPRS.llan"}) {
            const QStringList path = QString::fromLatin1(name).split(u'.');
            flags += conn->FindPageControl(path.at(0), path.at(1))->isHidden() ? u'0' : u'1';
        }
        return flags;
    }

    // Nothing of ours holds the port: another user may open it.
    static bool PortFree(const QString& path) {
        TSerialComm probe;
        probe.SetDeviceName(path);
        try {
            probe.Open();
        } catch (const EDeviceError&) {
            return false;
        }
        return true;
    }

    QStringList LogLines() const {
        QStringList lines;
        for (int i = 0; i < main->tvLog->topLevelItemCount(); ++i)
            lines.append(main->tvLog->topLevelItem(i)->text(0));
        return lines;
    }

    // Frames the program logged as sent ("<<<<").
    qsizetype SentFramesLogged() const {
        qsizetype sent = 0;
        for (int i = 0; i < main->tvLog->topLevelItemCount(); ++i)
            sent += main->tvLog->topLevelItem(i)->text(0) == QStringLiteral("<<<<");
        return sent;
    }

    TConnectionController* conn = nullptr;
};

// A modem on the line with the panel behind it; its long waits shortened a hundredfold.
class ModemConnectionTest : public ConnectionTest {
protected:
    void SetUp() override {
        ConnectionTest::SetUp();
        Clock::SetScaleForTests(0.01);
        for (const char* command : {"sp", "rb", "st"})
            modem.Panel().SetAnswer(command, QByteArray());
        modem.Panel().SetAnswer("v", kVersion);
    }
    void TearDown() override {
        ConnectionTest::TearDown();
        Clock::SetScaleForTests(1.0);
    }

    // The dialling dialog's "Позвонить"; afterCall runs once it has ended.
    void QueueDial(const std::function<void()>& afterCall = {}) {
        dialogs->QueueExec([afterCall](QDialog& dialog) {
            dialog.show();
            dynamic_cast<TFormDial&>(dialog).bReDial->click();
            if (afterCall) afterCall();
            return dialog.result() == QDialog::Accepted ? int(mrOk) : int(mrCancel);
        });
    }

    void ConnectByModem(const std::function<void()>& afterCall = {}) {
        QueueConnect(modem.PortPath(), QStringLiteral("5551234"));
        QueueDial(afterCall);
    }

    // The modem's last two commands once it has had this many hang-ups, which nobody waits for.
    QList<QByteArray> CommandsAfterHangUp(int hangUps) const {
        for (int i = 0; i < 200 && modem.CountOf("ATH") < hangUps; ++i)
            Clock::SleepMs(10);
        return modem.Commands().mid(modem.Commands().size() - 2);
    }

    FakeModem modem;
};

const QString kOff = QStringLiteral("100000");
const QString kOn = QStringLiteral("011111");

} // namespace

TEST_F(ConnectionTest, CableConnectServiceCommandsTickAndDisconnect) {
    Start();
    // Without a panel the service commands do nothing (no dialog, nothing sent).
    conn->StartPanel();
    conn->RestartPanel();
    EXPECT_TRUE(dialogs->execedDialogs.isEmpty());

    QueueConnect(panel.PortPath());
    main->tbConnectClick();
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"sp", "v"}));
    ASSERT_TRUE(panel.PortPath().startsWith(QStringLiteral("/dev/")));
    EXPECT_EQ(main->StatusBar1->PanelText(0), panel.PortPath().mid(5)) << "the short name fits the panel";
    EXPECT_EQ(main->StatusBar1->PanelText(1), QString::fromLatin1(kVersion));
    EXPECT_EQ(Commands(), kOn);
    EXPECT_TRUE(main->Timer1->isActive());

    main->Timer1Timer(); // a cable link is not checked
    EXPECT_EQ(panel.Frames().size(), 2);
    main->mnuStart->trigger();
    main->mnuStop->trigger();
    // The common page's own buttons reach the same commands.
    for (const char* name : {"Button2", "Button3", "btnOnOuts", "btnSync"}) {
        auto* button = qobject_cast<QAbstractButton*>(
            conn->FindPageControl(QStringLiteral("FormCommon"), QString::fromLatin1(name)));
        ASSERT_TRUE(button && button->isEnabled()) << name;
        button->click();
    }
    const QList<QByteArray> service = panel.Frames().mid(2);
    ASSERT_EQ(service.size(), 6);
    EXPECT_EQ(service.mid(0, 5), (QList<QByteArray>{"st", "sp", "st", "sp", "dc"}));
    EXPECT_TRUE(service.at(5).startsWith("AS=")) << service.at(5).toStdString();

    main->tbDisconnectClick();
    EXPECT_EQ(panel.Frames().mid(8), (QList<QByteArray>{"rb", "st"}));
    EXPECT_EQ(Commands(), kOff);
    EXPECT_FALSE(main->Timer1->isActive()) << "off until the next connect";
    EXPECT_FALSE(conn->HasTransport());
    EXPECT_TRUE(PortFree(panel.PortPath()));
}

// One progress window for all the pages of a read all or a write all: taking it down between
// two pages would repaint everything it covered before the next page's first request.
TEST_F(ConnectionTest, ReadAllAndWriteAllShowOneProgressWindow) {
    class TShowCounter : public QObject {
    public:
        int shown = 0;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && qobject_cast<TFormProgress*>(watched)) ++shown;
            return false;
        }
    } counter;
    Start();
    QueueConnect(panel.PortPath());
    main->tbConnectClick();
    ASSERT_TRUE(conn->IsConnected());
    // The fake panel knows few of the parameters: both operations end in the errors window.
    for (int i = 0; i < 2; ++i)
        dialogs->QueueExec([](QDialog&) { return int(mrOk); });
    qApp->installEventFilter(&counter);
    conn->ReadAll();
    EXPECT_EQ(counter.shown, 1);
    conn->WriteAll();
    EXPECT_EQ(counter.shown, 2);
    qApp->removeEventFilter(&counter);
    EXPECT_EQ(main->findChild<TFormProgress*>(), nullptr);
    EXPECT_TRUE(conn->IsConnected());
    EXPECT_GT(panel.Frames().size(), 40);
}

TEST_F(ConnectionTest, VersionGatesFollowThePanelAndOutliveTheConnection) {
    Start();
    const std::pair<const char*, const char*> cases[] = {
        {"004.011", "00011"}, {"004.012", "11011"}, {"004.013", "11100"}, {"005.000", "11100"}};
    // "Only LAN" chosen: it locks the SIM switches exactly while the LAN group is shown.
    auto* gprs = qobject_cast<TformGPRS*>(conn->Pages().at(2));
    ASSERT_TRUE(gprs);
    gprs->rbLAN3->setChecked(true);
    for (const auto& [version, shown] : cases) {
        panel.SetValue("v", QByteArray("GSM-9-TK4 VER 01 ") + version);
        QueueConnect(panel.PortPath());
        ASSERT_TRUE(conn->Connect()) << version;
        EXPECT_EQ(Gates(), QString::fromLatin1(shown)) << version;
        EXPECT_EQ(ControlEnabled(gprs->cb11), shown[2] == '0') << version;
        conn->Disconnect();
        EXPECT_EQ(Gates(), QString::fromLatin1(shown)) << version;
    }
}

TEST_F(ConnectionTest, FailedConnectsLeaveNothingOpen) {
    Start();
    // Cancelled: no connection, but the number typed is remembered.
    QueueConnect(panel.PortPath(), QStringLiteral("+79001234567"), mrCancel);
    EXPECT_FALSE(conn->Connect());
    EXPECT_EQ(TMemIniFile(IniPath()).ReadString("FormConnect", "DialPhone1", ""),
              QStringLiteral("+79001234567"));

    // The port is taken.
    TSerialComm holder;
    holder.SetDeviceName(panel.PortPath());
    holder.Open();
    QueueConnect(panel.PortPath());
    main->tbConnectClick();
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).type, TMsgDlgType::mtError);
    EXPECT_TRUE(dialogs->messages.at(0).text.startsWith(
        QStringLiteral("Ошибка подключения: Cannot open device ") + panel.PortPath().mid(5) + u' '))
        << dialogs->messages.at(0).text.toStdString();
    EXPECT_EQ(Commands(), kOff);
    EXPECT_FALSE(conn->HasTransport());
    holder.Close();

    // A remembered port past the end of the list: none chosen, nothing opened.
    dialogs->QueueExec([&](QDialog& dialog) {
        auto& connect = dynamic_cast<TFormConnect&>(dialog);
        connect.SetPorts({panel.PortPath()});
        connect.ComPorts->setCurrentIndex(3);
        return int(mrOk);
    });
    main->tbConnectClick();
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(dialogs->messages.at(1).text, QStringLiteral("Ошибка подключения: не выбран Com-порт"));
    EXPECT_EQ(dialogs->messages.at(1).type, TMsgDlgType::mtError);
    EXPECT_FALSE(conn->HasTransport());
    EXPECT_EQ(Commands(), kOff);

    // The panel does not answer: the goodbye is tried, everything freed, nothing shown.
    panel.SetFault("v", Silent());
    QueueConnect(panel.PortPath());
    main->tbConnectClick();
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"sp", "v", "v", "v", "rb", "st"}));
    EXPECT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(Commands(), kOff);
    EXPECT_FALSE(conn->IsConnected());
    EXPECT_FALSE(conn->HasTransport());
    EXPECT_TRUE(PortFree(panel.PortPath()));

    // The port is usable again.
    panel.SetFault("v", FakeFault{});
    QueueConnect(panel.PortPath());
    EXPECT_TRUE(conn->Connect());
}

// The adapter pulled out while the connect reads the version: the connect fails as a lost port
// ends anywhere (no goodbye into it, the user's words, the port let go), and the adapter plugged
// in again connects.
TEST_F(ConnectionTest, APortVanishingInTheVersionReadEndsAsALostPort) {
    Start();
    for (const char* at : {"sp", "v"}) {
        FakeStoringPanel pulled;
        pulled.VanishAt(at);
        const qsizetype messages = dialogs->messages.size();
        const qsizetype sent = SentFramesLogged();
        QueueConnect(pulled.PortPath());
        main->tbConnectClick();
        EXPECT_FALSE(conn->IsConnected()) << at;
        EXPECT_EQ(pulled.Frames().last(), QByteArray(at));
        // Every frame sent reached the panel: the goodbye was not tried into the dead port.
        EXPECT_EQ(SentFramesLogged() - sent, pulled.Frames().size()) << at;
        ASSERT_EQ(dialogs->messages.size(), messages + 1) << at;
        EXPECT_EQ(dialogs->messages.last().text, QStringLiteral("Разрыв соединения с com-портом!"));
        EXPECT_EQ(Commands(), kOff) << at;
        EXPECT_FALSE(conn->HasTransport()) << at;
        EXPECT_FALSE(main->Timer1->isActive()) << at;
        EXPECT_EQ(main->StatusBar1->PanelText(0), QStringLiteral("Com")) << at;
        EXPECT_TRUE(main->tv1->isEnabled()) << at;
    }
    QueueConnect(panel.PortPath());
    main->tbConnectClick();
    EXPECT_EQ(Commands(), kOn);
}

TEST_F(ConnectionTest, RestartSaysGoodbyeAndConnectsAgain) {
    Start();
    QueueConnect(panel.PortPath());
    ASSERT_TRUE(conn->Connect());
    QueueConnect(panel.PortPath());
    main->mnuReload->trigger();
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"sp", "v", "rb", "st", "sp", "v"}));
    EXPECT_EQ(dialogs->execedDialogs, (QList<QString>{"FormConnect", "FormConnect"}));
    EXPECT_EQ(Commands(), kOn);
    EXPECT_FALSE(conn->Busy());

    // The new connect cancelled: disconnected.
    QueueConnect(panel.PortPath(), QString(), mrCancel);
    conn->RestartPanel();
    EXPECT_EQ(panel.Frames().mid(6), (QList<QByteArray>{"rb", "st"}));
    EXPECT_EQ(Commands(), kOff);
}

TEST_F(ModemConnectionTest, DialledLinkIsCheckedEveryTickAndHungUpAtTheEnd) {
    Start();
    ConnectByModem();
    ASSERT_TRUE(conn->Connect());
    EXPECT_TRUE(conn->Dialled());
    // A command whose shortened wait ran out on a busy machine is sent again: count it once.
    QList<QByteArray> commands = modem.Commands();
    commands.erase(std::unique(commands.begin(), commands.end()), commands.end());
    EXPECT_EQ(commands, (QList<QByteArray>{"ATZ", "AT", "AT+CBST=7,0,1", "AT+CREG?", "ATD 5551234"}));
    EXPECT_EQ(modem.Panel().Frames(), (QList<QByteArray>{"sp", "v"}));

    main->Timer1Timer();
    EXPECT_EQ(modem.Panel().Frames().mid(2), (QList<QByteArray>{"sp", "v"}));
    EXPECT_TRUE(main->Timer1->isActive());
    // Locked (a transfer, the update window): the tick leaves the link alone.
    conn->LockUI();
    main->Timer1Timer();
    conn->UnlockUI();
    EXPECT_EQ(modem.Panel().Frames().size(), 4);
    EXPECT_EQ(Commands(), kOn);

    main->tbDisconnectClick();
    EXPECT_EQ(modem.Panel().Frames().mid(4), (QList<QByteArray>{"rb", "st"}));
    EXPECT_EQ(CommandsAfterHangUp(1), (QList<QByteArray>{"+++", "ATH"}));
    EXPECT_FALSE(modem.InCall());
    EXPECT_FALSE(conn->Dialled());
    EXPECT_EQ(Commands(), kOff);
    EXPECT_TRUE(PortFree(modem.PortPath()));
}

TEST_F(ModemConnectionTest, ALostCallIsClosedAndHungUp) {
    Start();
    // Like a real modem back in command mode, it does not answer panel commands.
    const FakeFault silent = Silent();
    for (const char* command : {"+rb", "+st"})
        modem.SetFault(command, silent);
    // A dialog closed with OK but without a call is no connection.
    QueueConnect(modem.PortPath(), QStringLiteral("5551234"));
    dialogs->QueueExec([](QDialog&) { return int(mrOk); });
    EXPECT_FALSE(conn->Connect());
    EXPECT_FALSE(conn->HasTransport());
    EXPECT_TRUE(modem.Panel().Frames().isEmpty());
    EXPECT_TRUE(PortFree(modem.PortPath()));

    // The call drops before the version read: the failure answer is shown, the call hung up.
    ConnectByModem([this] { modem.DropCall(); });
    const qint64 start = Clock::NowMs();
    EXPECT_FALSE(conn->Connect());
    EXPECT_LT(Clock::NowMs() - start, 3000); // no goodbye tried over the dead call
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).text,
              QStringLiteral("ОШИБКА! Не могу установить соединение или оно разорвано(NO CARRIER)!"));
    EXPECT_EQ(CommandsAfterHangUp(1), (QList<QByteArray>{"+++", "ATH"}));
    EXPECT_FALSE(conn->HasTransport());
    EXPECT_TRUE(PortFree(modem.PortPath()));

    // The call drops while connected: the next tick disconnects without a word.
    ConnectByModem();
    ASSERT_TRUE(conn->Connect());
    modem.DropCall();
    const qint64 tick = Clock::NowMs();
    main->Timer1Timer();
    EXPECT_LT(Clock::NowMs() - tick, 3000);
    EXPECT_FALSE(conn->Dialled());
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(CommandsAfterHangUp(2), (QList<QByteArray>{"+++", "ATH"}));
    EXPECT_EQ(Commands(), kOff);
    EXPECT_FALSE(main->Timer1->isActive());
    EXPECT_TRUE(PortFree(modem.PortPath()));
}

// The modem's adapter pulled out while a call is up: the next tick answers as to any port gone
// (no goodbye, the message, the status bar without a connection) instead of a quiet disconnect.
TEST_F(ModemConnectionTest, ALinkCheckOverAVanishedPortSaysSo) {
    Start();
    ConnectByModem();
    ASSERT_TRUE(conn->Connect());
    const qsizetype frames = modem.Panel().Frames().size();
    modem.Unplug();
    const qint64 tick = Clock::NowMs();
    main->Timer1Timer();
    EXPECT_LT(Clock::NowMs() - tick, 1000);
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.at(0).text, QStringLiteral("Разрыв соединения с com-портом!"));
    EXPECT_FALSE(conn->IsConnected());
    EXPECT_FALSE(conn->HasTransport());
    EXPECT_FALSE(conn->Dialled());
    EXPECT_EQ(Commands(), kOff);
    EXPECT_EQ(main->StatusBar1->PanelText(0), QStringLiteral("Com"));
    EXPECT_FALSE(main->Timer1->isActive());
    EXPECT_TRUE(main->MainEnabled());
    EXPECT_EQ(modem.Panel().Frames().size(), frames);
}

// The modem's adapter pulled out while the dialogue runs: waiting for the network, or for the
// far end to answer the dial. The dial ends at once and the connect fails as a lost port ends
// anywhere: the user's words instead of the serial layer's, no "+++"/"ATH" tried into the dead
// port, nothing left open; a modem plugged in again dials.
TEST_F(ModemConnectionTest, APortVanishingInTheDialEndsAsALostPort) {
    Start();
    const std::pair<const char*, int> cases[] = {{"AT+CREG?", 3}, {"ATD 5551234", 1}};
    for (const auto& [command, count] : cases) {
        FakeModem pulled;
        pulled.SetRegistration({"0,2"}); // polled until the adapter goes ...
        if (QByteArray(command) == "ATD 5551234") {
            pulled.SetRegistration({"0,1"});
            pulled.SetDialResult(QByteArray()); // ... or the dial waits for its answer
        }
        QTimer unplug;
        QObject::connect(&unplug, &QTimer::timeout, [&, command = command, count = count] {
            if (pulled.CountOf(command) >= count) {
                unplug.stop();
                pulled.Unplug();
            }
        });
        unplug.start(2);
        const qsizetype messages = dialogs->messages.size();
        QueueConnect(pulled.PortPath(), QStringLiteral("5551234"));
        QueueDial();
        const qint64 start = Clock::NowMs();
        EXPECT_FALSE(conn->Connect()) << command;
        EXPECT_LT(Clock::NowMs() - start, 3000) << command;
        ASSERT_NE(pulled.VanishedAtMs(), 0) << command;
        ASSERT_EQ(dialogs->messages.size(), messages + 1) << command;
        EXPECT_EQ(dialogs->messages.last().text, QStringLiteral("Разрыв соединения с com-портом!"));
        EXPECT_EQ(pulled.Commands().last(), QByteArray(command)) << "nothing after the loss";
        const QStringList log = LogLines();
        EXPECT_FALSE(log.mid(log.lastIndexOf(QString::fromLatin1(command))).contains(QStringLiteral("ATH")))
            << log.join(u'\n').toStdString();
        EXPECT_FALSE(conn->HasTransport()) << command;
        EXPECT_EQ(Commands(), kOff) << command;
        EXPECT_EQ(main->StatusBar1->PanelText(0), QStringLiteral("Com")) << command;
    }
    ConnectByModem();
    EXPECT_TRUE(conn->Connect());
    EXPECT_TRUE(conn->Dialled());
}

// The modem's waits pump window messages, also while the connect reads the version after the
// dialling dialog has closed: a second "Подключиться" or the close box then must not pull the
// connection away from under the read.
TEST_F(ModemConnectionTest, NothingGetsInWhileTheConnectReadsTheVersion) {
    Start();
    FakeFault slow;
    slow.delayMs = 300;
    modem.Panel().SetFault("v", slow);
    QTimer meddle;
    meddle.setSingleShot(true);
    QObject::connect(&meddle, &QTimer::timeout, [this] {
        main->tbConnect->trigger();
        main->close();
    });
    ConnectByModem([&meddle] {
        Clock::SetScaleForTests(1.0); // the version read at its real time-outs
        meddle.start(100);
    });
    EXPECT_TRUE(conn->Connect());
    EXPECT_FALSE(meddle.isActive()) << "the read pumped messages";
    EXPECT_EQ(dialogs->execedDialogs, (QList<QString>{"FormConnect", "FormDial"}));
    EXPECT_TRUE(conn->Dialled());
    EXPECT_EQ(modem.Panel().Frames(), (QList<QByteArray>{"sp", "v"}));
}

// The goodbye over a modem pumps window messages too, for seconds when the panel is slow to
// answer "rb": a second "Отключиться" or the close box then must not free the transport under it.
TEST_F(ModemConnectionTest, NothingGetsInWhileTheDisconnectSaysGoodbye) {
    Start();
    ConnectByModem();
    ASSERT_TRUE(conn->Connect());
    Clock::SetScaleForTests(1.0); // the goodbye at its real time-outs
    FakeFault slow;
    slow.delayMs = 300;
    modem.Panel().SetFault("rb", slow);
    QTimer meddle;
    meddle.setSingleShot(true);
    QObject::connect(&meddle, &QTimer::timeout, [this] {
        main->tbDisconnect->trigger();
        main->close();
    });
    meddle.start(100);
    main->tbDisconnectClick();
    EXPECT_FALSE(meddle.isActive()) << "the goodbye pumped messages";
    EXPECT_EQ(modem.Panel().Frames().mid(2), (QList<QByteArray>{"rb", "st"}));
    EXPECT_EQ(CommandsAfterHangUp(1), (QList<QByteArray>{"+++", "ATH"}));
    EXPECT_EQ(modem.CountOf("ATH"), 1);
    EXPECT_EQ(Commands(), kOff);
    EXPECT_FALSE(conn->HasTransport());
}

// The call drops in the middle of a page read: the modem's "NO CARRIER" comes where the
// panel's answer to one frame should. The read ends there, the policy disconnects without a
// word and without a goodbye over the dead call, and the window is free again at once.
class DroppedCallTest : public ModemConnectionTest {
protected:
    void DropCallAt(const QByteArray& command) { modem.Panel().SetReply(command, "\r\nNO CARRIER\r\n"); }

    // Reads the page at this position (the program's page order) over a modem connection.
    void ReadPageAndExpectQuietDisconnect(int page, const QByteArray& lastFrame) {
        Start();
        ConnectByModem();
        ASSERT_TRUE(conn->Connect());
        const qsizetype commands = modem.Commands().size();
        const qsizetype dialogsShown = dialogs->execedDialogs.size();
        conn->SelectPage(page);
        const qint64 start = Clock::NowMs();
        conn->ReadPage();
        EXPECT_LT(Clock::NowMs() - start, 3000);
        EXPECT_EQ(modem.Panel().Frames().last(), lastFrame) << "nothing sent after the drop";
        EXPECT_EQ(CommandsAfterHangUp(1), (QList<QByteArray>{"+++", "ATH"}));
        EXPECT_EQ(modem.Commands().size() - commands, 2) << "no frame reached the modem after the drop";
        EXPECT_TRUE(dialogs->messages.isEmpty());
        EXPECT_EQ(dialogs->execedDialogs.size(), dialogsShown) << "no errors window";
        EXPECT_FALSE(conn->HasTransport());
        EXPECT_EQ(Commands(), kOff);
        EXPECT_TRUE(PortFree(modem.PortPath()));
    }
};

TEST_F(DroppedCallTest, AtTheGuardedWaySwitchFlag) {
    FakePanel& panel = modem.Panel();
    for (int way = 0; way < 8; ++way)
        panel.SetAnswer("h" + QByteArray::number(way), "5551234");
    panel.SetAnswer("D", "00000 00000 00000 00000 00000 00000 00000 00000");
    panel.SetAnswer("AND0", "");
    DropCallAt("DO");
    ReadPageAndExpectQuietDisconnect(5, "DO");
}

TEST_F(DroppedCallTest, AtAGuardedLoopEntry) {
    FakePanel& panel = modem.Panel();
    panel.SetAnswer("p", "0");
    panel.SetAnswer("u", "0");
    panel.SetAnswer("i0", "113000001");
    DropCallAt("i1");
    ReadPageAndExpectQuietDisconnect(3, "i1");
}

TEST_F(DroppedCallTest, InTheMiddleOfAHistoryPage) {
    FakePanel& panel = modem.Panel();
    panel.SetAnswer("FP", "F0010");
    for (int index = -16; index < 16; ++index)
        panel.SetAnswer(HistoryRecordCommand(index), HistoryRecord(index));
    DropCallAt(HistoryRecordCommand(0));
    ReadPageAndExpectQuietDisconnect(7, HistoryRecordCommand(0));
    EXPECT_EQ(modem.Panel().Frames().count(HistoryRecordCommand(0)), 1) << "the record is not asked again";
}

// The call drops unnoticed between two commands (the modem's "NO CARRIER" waits in its output):
// whatever the user does next meets it at its first frame and ends in the quiet disconnect,
// without a frame sent, a message or an errors window, and the window free again.
class DroppedCallBetweenCommandsTest : public DroppedCallTest,
                                       public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(DroppedCallBetweenCommandsTest, EndsInTheQuietDisconnect) {
    const auto [name, operation] = GetParam();
    Start();
    ConnectByModem();
    ASSERT_TRUE(conn->Connect());
    const qsizetype frames = modem.Panel().Frames().size();
    const qsizetype dialogsShown = dialogs->execedDialogs.size();
    modem.DropCall();
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder.path()); // "История.txt" goes into the current folder
    const qint64 start = Clock::NowMs();
    switch (operation) {
    case 0: conn->ReadAll(); break;
    case 1: conn->WriteAll(); break;
    case 2: conn->StartPanel(); break;
    case 3: conn->SyncPanelClock(); break;
    case 4: conn->CheckOutputs(); break;
    case 5: conn->ClearPanelHistory(); break;
    case 6: conn->StartHistoryToFile(); break;
    case 7: conn->WritePage(); break;
    }
    QDir::setCurrent(current);
    EXPECT_LT(Clock::NowMs() - start, 3000) << name;
    EXPECT_FALSE(conn->IsConnected()) << name;
    EXPECT_EQ(modem.Panel().Frames().size(), frames) << name << ": nothing sent into the dead call";
    EXPECT_TRUE(dialogs->messages.isEmpty()) << name;
    EXPECT_EQ(dialogs->execedDialogs.size(), dialogsShown) << name << ": no errors window";
    EXPECT_FALSE(conn->Busy()) << name;
    EXPECT_EQ(Commands(), kOff) << name;
    EXPECT_FALSE(conn->HasTransport()) << name;
    EXPECT_TRUE(PortFree(modem.PortPath())) << name;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, DroppedCallBetweenCommandsTest,
                         ::testing::Values(std::pair<const char*, int>{"ReadAll", 0}, std::pair{"WriteAll", 1},
                                           std::pair{"Start", 2}, std::pair{"ClockSync", 3},
                                           std::pair{"OutputCheck", 4}, std::pair{"HistoryErase", 5},
                                           std::pair{"HistoryToFile", 6}, std::pair{"PageWrite", 7}),
                         [](const auto& info) { return std::string(info.param.first); });

// The call drops at the first, a middle or the last record of the history download: the
// download ends there in the quiet disconnect, the record is not asked again, and the file keeps
// the records that came before the drop.
TEST_F(DroppedCallTest, InTheHistoryDownload) {
    FakePanel& panel = modem.Panel();
    panel.SetAnswer("FP", "F0003");
    Start();
    for (int dropAt : {2, 1, 0}) {
        for (int index = 0; index < 3; ++index)
            panel.SetAnswer(HistoryRecordCommand(index), HistoryRecord(index));
        DropCallAt(HistoryRecordCommand(dropAt));
        ConnectByModem(); // a new call after each drop
        ASSERT_TRUE(conn->Connect());
        const QString current = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const qint64 start = Clock::NowMs();
        conn->StartHistoryToFile();
        QDir::setCurrent(current);
        EXPECT_LT(Clock::NowMs() - start, 3000) << dropAt;
        EXPECT_FALSE(conn->IsConnected()) << dropAt;
        EXPECT_EQ(panel.Frames().last(), HistoryRecordCommand(dropAt)) << dropAt;
        EXPECT_EQ(panel.Frames().count(HistoryRecordCommand(dropAt)), 1) << dropAt;
        EXPECT_TRUE(dialogs->messages.isEmpty()) << dropAt;
        EXPECT_EQ(Commands(), kOff) << dropAt;
        QFile file(folder.filePath(QStringLiteral("История.txt")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << dropAt;
        EXPECT_EQ(file.readAll().count("\r\n"), 2 * (2 - dropAt)) << dropAt;
    }
}

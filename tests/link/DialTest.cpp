#include "link/ModemTestSupport.h"
#include "PrintQt.h"
#include "link/fDial.h"
#include "support/RecordingLog.h"
#include "support/ScriptedDialogs.h"
#include "uikit/controls/KtLEDDisplay.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kPhone = QStringLiteral("5551234");

const QStringList kUpToRegistration{"ATZ", "OK", "AT", "OK", "AT+CBST=7,0,1", "OK", "AT+CREG?"};

// The test log, with a hook that runs after each information line is kept.
class HookedLog : public RecordingLog {
public:
    void WriteInfo(const QString& Text) override {
        RecordingLog::WriteInfo(Text);
        if (OnInfo) OnInfo(Text);
    }
    std::function<void(const QString&)> OnInfo;
};

// Runs action once, from the event loop that the dialogue pumps, as soon as the modem has had
// count of command.
std::unique_ptr<QTimer> WhenModemHas(const FakeModem& modem, const QByteArray& command, int count,
                                     std::function<void()> action) {
    auto timer = std::make_unique<QTimer>();
    QTimer* raw = timer.get();
    QObject::connect(raw, &QTimer::timeout, [=, &modem] {
        if (modem.CountOf(command) < count) return;
        raw->stop();
        action();
    });
    timer->start(5);
    return timer;
}

class DialFixture : public ModemFixture {
protected:
    void SetUp() override {
        ModemFixture::SetUp();
        dialogs = &ScriptedDialogs::Reset();
    }

    // The dialog as the connect path shows it, with script run in place of its event loop.
    bool Execute(std::function<void(TFormDial&)> script) {
        dialogs->QueueExec([script](QDialog& d) {
            d.show();
            script(static_cast<TFormDial&>(d));
            return d.result() == QDialog::Accepted ? mrOk : mrCancel;
        });
        return TFormDial::Execute(nullptr, kPhone, worker, log);
    }

    ScriptedDialogs* dialogs = nullptr;
    HookedLog log;
};

} // namespace

// "Отмена" pressed just after CONNECT must not leave the stop flag set to fail every later receive.
TEST_F(DialFixture, WholeDialBringsUpACallThatCarriesThePanelProtocol) {
    modem.SetRegistration({"0,2", "0,1"});
    modem.Panel().SetAnswer("v", "VER 01 4.13");
    QString ledDuringDial;
    const bool up = Execute([&](TFormDial& d) {
        log.OnInfo = [&](const QString& line) {
            if (line != QStringLiteral("Connect")) return;
            ledDuringDial = d.KtLEDDisplay1->Caption();
            d.btnStop->click();
        };
        d.bReDial->click();
    });
    ASSERT_TRUE(up);
    EXPECT_TRUE(worker.Connected);
    EXPECT_FALSE(worker.StopFlag);
    EXPECT_EQ(ledDuringDial, kPhone);
    EXPECT_EQ(modem.Received(),
              QByteArray("ATZ\r\nAT\r\nAT+CBST=7,0,1\r\nAT+CREG?\r\nAT+CREG?\r\nATD 5551234\r\n"));
    EXPECT_EQ(log.Texts(), kUpToRegistration + QStringList({"OK", "ATD 5551234", "Connect"}));
    EXPECT_TRUE(dialogs->messages.isEmpty());

    QString answer;
    ASSERT_TRUE(Exchange(QStringLiteral("v"), answer));
    EXPECT_EQ(answer, QStringLiteral(">VER 01 4.13\nOK\n"));
    EXPECT_EQ(modem.Panel().Frames(), QList<QByteArray>{"v"});
}

// A failure answer is shown and hung up, and the dialog stays open for another try; a late
// result code during that hang-up is swallowed, not shown.
TEST_F(DialFixture, BusyIsShownAndHungUpAndTheDialogStaysUsable) {
    modem.SetDialResult("BUSY");
    const bool up = Execute([&](TFormDial& d) {
        d.bReDial->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected); // no result yet: still open
        EXPECT_TRUE(d.bReDial->isEnabled());
        EXPECT_FALSE(d.btnStop->isEnabled());
        EXPECT_EQ(d.KtLEDDisplay1->Caption(), QString());
        ASSERT_EQ(dialogs->messages.size(), 1);
        EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("ОШИБКА! Линия занята(BUSY)!"));
        EXPECT_EQ(dialogs->messages[0].type, TMsgDlgType::mtError);
        EXPECT_FALSE(worker.Connected);
        EXPECT_TRUE(worker.IsOpen());
        EXPECT_EQ(log.Texts().mid(log.lines.size() - 3), (QStringList{"ATD 5551234", "+++", "ATH"}));
        ASSERT_TRUE(modem.WaitForCountOf("ATH", 1, 1000));
        EXPECT_EQ(modem.Commands().last(2), (QList<QByteArray>{"+++", "ATH"}));

        modem.SetDialResult("NO CARRIER");
        modem.SetReply("+++", "\r\nNO CARRIER\r\n");
        d.bReDial->click();
        ASSERT_EQ(dialogs->messages.size(), 2);
        EXPECT_EQ(dialogs->messages[1].text,
                  QStringLiteral("ОШИБКА! Не могу установить соединение или оно разорвано(NO CARRIER)!"));
        modem.SetDialResult("CONNECT 9600");
        d.bReDial->click();
    });
    EXPECT_TRUE(up);
    EXPECT_TRUE(worker.Connected);
    EXPECT_EQ(dialogs->messages.size(), 2);
}

// "Отмена" in the registration loop hangs up and leaves the dialog open; closing the dialog (Esc)
// while it dials only stops the dial, and it closes as cancelled once the hang-up is done.
TEST_F(DialFixture, CancelAndCloseWhileWaitingForTheNetwork) {
    modem.SetRegistration({"0,2"});
    bool portOpenAtHangUp = false;
    const bool up = Execute([&](TFormDial& d) {
        auto stop = WhenModemHas(modem, "AT+CREG?", 3, [&] {
            EXPECT_EQ(d.pStatus->text(), QStringLiteral("Ожидание регистрации в сети: AT+CREG"));
            d.btnStop->click();
        });
        d.bReDial->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(worker.StopFlag);
        EXPECT_EQ(log.Texts(), kUpToRegistration + QStringList({"+++", "ATH"}));

        log.OnInfo = [&](const QString& line) {
            if (line == QStringLiteral("ATH")) portOpenAtHangUp = worker.IsOpen();
        };
        stop = WhenModemHas(modem, "AT+CREG?", modem.CountOf("AT+CREG?") + 2, [&] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&d, &esc);
            EXPECT_TRUE(d.isVisible()); // not under the running dialogue
            EXPECT_TRUE(worker.IsOpen());
        });
        d.bReDial->click();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(up);
    EXPECT_TRUE(portOpenAtHangUp);
    EXPECT_FALSE(worker.IsOpen()); // closed without a call: the port is given up
    EXPECT_FALSE(worker.StopFlag);
    // Nobody waits for the last hang-up to arrive; a command the shortened waits gave up on
    // on a busy machine is sent again, so the count of all commands is not known.
    ASSERT_TRUE(modem.WaitForCountOf("ATH", 2, 1000));
    EXPECT_EQ(modem.Commands().last(2), (QList<QByteArray>{"+++", "ATH"}));
    EXPECT_EQ(modem.CountOf("+++"), 2);
    EXPECT_EQ(modem.CountOf("ATH"), 2);
    EXPECT_EQ(modem.CountOf("ATD 5551234"), 0);

    // The close box of an idle dialog closes at once, and with it the port.
    worker.Open(modem.PortPath(), br19200);
    EXPECT_FALSE(Execute([](TFormDial& d) { d.close(); }));
    EXPECT_FALSE(worker.IsOpen());
}

namespace {

// The location fields a modem adds when its registration reports are switched to full.
const QByteArray kCell = ",\"1A2B\",\"3C4D\"";

// Successive answers to "AT+CREG?", the last repeating.
class DialRegistration : public DialFixture, public ::testing::WithParamInterface<QList<QByteArray>> {};
using DialWithoutRegistration = DialRegistration;

} // namespace

// A modem left in another report setting by other software is registered as soon as it says so.
TEST_P(DialRegistration, RegisteredInAnyReportSettingDialsAndReachesThePanel) {
    const QList<QByteArray> states = GetParam();
    modem.SetRegistration(states);
    modem.Panel().SetAnswer("v", "VER 01 4.13");
    EXPECT_TRUE(Execute([&](TFormDial& d) {
        // A modem taken for unregistered would be polled for ever: give up, so the test fails.
        auto stop = WhenModemHas(modem, "AT+CREG?", int(states.size()) + 20, [&] { d.btnStop->click(); });
        d.bReDial->click();
    }));
    EXPECT_TRUE(worker.Connected);
    EXPECT_EQ(modem.CountOf("AT+CREG?"), states.size());
    EXPECT_EQ(modem.CountOf("ATD 5551234"), 1);
    EXPECT_EQ(log.Texts(), kUpToRegistration + QStringList({"OK", "ATD 5551234", "Connect"}));

    QString answer;
    ASSERT_TRUE(Exchange(QStringLiteral("v"), answer));
    EXPECT_EQ(answer, QStringLiteral(">VER 01 4.13\nOK\n"));
}

INSTANTIATE_TEST_SUITE_P(States, DialRegistration,
                         ::testing::Values(QList<QByteArray>{"2,2" + kCell, "2,1" + kCell},
                                           QList<QByteArray>{"1,5"}, QList<QByteArray>{"0,2", "0,5"},
                                           QList<QByteArray>{"0,1"}));

// Not registered, or an answer that does not say so plainly: the dialogue keeps asking and never
// dials, until "Отмена".
TEST_P(DialWithoutRegistration, KeepsPollingAndNeverDials) {
    modem.SetRegistration(GetParam());
    constexpr int kPolls = 6;
    int dialsWhilePolling = -1;
    QString statusWhilePolling;
    const bool up = Execute([&](TFormDial& d) {
        auto stop = WhenModemHas(modem, "AT+CREG?", kPolls, [&] {
            statusWhilePolling = d.pStatus->text();
            dialsWhilePolling = modem.CountOf("ATD 5551234");
            d.btnStop->click();
        });
        d.bReDial->click();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_FALSE(up);
    EXPECT_FALSE(worker.Connected);
    EXPECT_EQ(statusWhilePolling, QStringLiteral("Ожидание регистрации в сети: AT+CREG"));
    EXPECT_EQ(dialsWhilePolling, 0);
    EXPECT_GE(modem.CountOf("AT+CREG?"), kPolls);
    EXPECT_EQ(modem.CountOf("ATD 5551234"), 0);
    EXPECT_EQ(log.Texts(), kUpToRegistration + QStringList({"+++", "ATH"}));
}

INSTANTIATE_TEST_SUITE_P(States, DialWithoutRegistration,
                         ::testing::Values(QList<QByteArray>{"2,2" + kCell}, QList<QByteArray>{"1,3"},
                                           QList<QByteArray>{"0,15"}, QList<QByteArray>{"5"}));

TEST_F(DialFixture, UnansweredInitialisationIsReportedAndHungUp) {
    Clock::SetScaleForTests(0.002);
    modem.SetFault("AT", Silent());
    const bool up = Execute([&](TFormDial& d) {
        d.bReDial->click();
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_FALSE(up);
    EXPECT_EQ(log.Texts(),
              (QStringList{"ATZ", "OK", "AT", "Ошибка при инициализации модема!", "+++", "ATH"}));
    EXPECT_EQ(modem.CountOf("AT"), 2);
}

// In the program's desktop font every status text fits inside the dialog, a long number too.
TEST(DialWindow, EveryStatusTextFits) {
    const QFont before = QApplication::font();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    const QString phone = QStringLiteral("+7 (900) 123-45-67, доб. 1234567");
    TFormDial dialog(nullptr, phone, nullptr, nullptr);
    for (const QString& text :
         {QStringLiteral("Инициализация модема: ATCBST"),
          QStringLiteral("Ожидание регистрации в сети: AT+CREG"), QStringLiteral("Набор номера: ") + phone}) {
        dialog.pStatus->setText(text);
        EXPECT_LE(dialog.pStatus->sizeHint().width(), dialog.pStatus->width()) << text.toStdString();
    }
    EXPECT_GE(dialog.pStatus->x(), 8);
    EXPECT_LE(dialog.pStatus->geometry().right() + 8, dialog.width() - 1);
    QApplication::setFont(before);
}

// Placed by the program, not left to the window system's guess at frame sizes.
TEST(DialWindow, StandsInTheMiddleOfItsOwner) {
    QWidget owner;
    owner.setGeometry(100, 50, 982, 752);
    TFormDial dialog(&owner, QStringLiteral("+79001234567"), nullptr, nullptr);
    EXPECT_LE((dialog.geometry().center() - owner.geometry().center()).manhattanLength(), 1);
}

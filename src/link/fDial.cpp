#include "link/fDial.h"

#include "base/Exceptions.h"
#include "base/LogWriter.h"
#include "link/ModemWorker.h"
#include "platform/CenterOnOwner.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"
#include "platform/ExceptionGuard.h"
#include "uikit/controls/KtLEDDisplay.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <algorithm>

namespace {

void Pump() {
    QCoreApplication::processEvents();
}

const QString kStatusReset = QStringLiteral("Инициализация модема: ATZ");
const QString kStatusCheck = QStringLiteral("Инициализация модема: AT");
const QString kStatusBearer = QStringLiteral("Инициализация модема: ATCBST");
const QString kStatusRegistration = QStringLiteral("Ожидание регистрации в сети: AT+CREG");
const QString kStatusDialling = QStringLiteral("Набор номера: "); // followed by the number
const QString kStatusFailed = QStringLiteral("Ошибка при подключении!");

} // namespace

TFormDial::TFormDial(QWidget* owner, const QString& phone, TModemWorker* worker, TLogWriter* log)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      KtLEDDisplay1(new TKtLEDDisplay(this)), Label1(new QLabel(this)), Image1(new QLabel(this)),
      bReDial(new QPushButton(this)), pStatus(new QLabel(this)), btnStop(new QPushButton(this)), Phone(phone),
      Worker(worker), Log(log) {
    setObjectName(QStringLiteral("FormDial"));
    setWindowTitle(QStringLiteral("Дозвон"));
    setWindowOpacity(245.0 / 255.0);
    setFixedSize(303, 156);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(30, 6, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(70, 14, 203, 16);
    Label1->setText(QStringLiteral("Удаленное соединение с панелью"));

    KtLEDDisplay1->setObjectName(QStringLiteral("KtLEDDisplay1"));
    KtLEDDisplay1->setGeometry(30, 43, 243, 30);
    KtLEDDisplay1->SetScrolling(true);

    pStatus->setObjectName(QStringLiteral("pStatus"));
    pStatus->setGeometry(30, 82, 243, 22);
    pStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pStatus->setTextFormat(Qt::PlainText);
    FitStatus();

    bReDial->setObjectName(QStringLiteral("bReDial"));
    bReDial->setGeometry(30, 116, 110, 27);
    bReDial->setText(QStringLiteral("Позвонить"));

    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStop->setGeometry(163, 116, 110, 27);
    btnStop->setText(QStringLiteral("Отмена"));
    btnStop->setEnabled(false);

    connect(bReDial, &QPushButton::clicked, this, Guarded([this] { bReDialClick(); }));
    connect(btnStop, &QPushButton::clicked, this, Guarded([this] { btnStopClick(); }));
    CenterOnOwner(*this);
}

bool TFormDial::Execute(QWidget* owner, const QString& phone, TModemWorker& worker, TLogWriter& log) {
    TFormDial dialog(owner, phone, &worker, &log);
    const int result = DialogService::Instance().ExecModal(dialog);
    if (!dialog.portGone_.isEmpty()) throw TCloseException(dialog.portGone_);
    return result == mrOk && worker.Connected;
}

void TFormDial::done(int result) {
    if (dialling_) {
        // Closing the port under the running dialogue would leave it talking to nothing and the
        // modem off-hook: stop the dial, and close once it has hung up.
        closeRequested_ = true;
        Worker->StopFlag = true;
        return;
    }
    FormClose();
    QDialog::done(result);
}

void TFormDial::FormClose() {
    if (!Worker || Worker->Connected) return;
    try {
        if (Worker->IsOpen()) Worker->Close();
    } catch (const std::exception&) {
        // The dialog closes all the same; the port is given up either way.
    }
    Worker->Connected = false;
}

void TFormDial::btnStopClick() {
    Worker->StopFlag = true;
}

void TFormDial::bReDialClick() {
    // The failure path re-enables "Позвонить" and pumps messages before it has hung up.
    if (dialling_) return;
    bReDial->setEnabled(false);
    btnStop->setEnabled(true);
    pStatus->clear();
    KtLEDDisplay1->SetCaption(QString());
    bool callUp = false;
    {
        dialling_ = true;
        const auto unwound = qScopeGuard([this] {
            dialling_ = false;
            // A stop pressed after the call came up must not fail every later receive.
            Worker->StopFlag = false;
            bReDial->setEnabled(true);
            btnStop->setEnabled(false);
            KtLEDDisplay1->SetCaption(QString());
        });
        try {
            callUp = DialSequence();
        } catch (const TCloseException& e) {
            // The port went away: there is nothing to hang up and nothing to redial on.
            portGone_ = e.message();
        } catch (const EBaseError& e) {
            // A failure answer ("BUSY", "NO CARRIER", ...) or a port fault: no call. Left to
            // the event loop it would close the dialog as if the call were up.
            ShowError(e.message());
        }
        if (!portGone_.isEmpty()) {
            Worker->Connected = false;
            callUp = false;
            closeRequested_ = true;
        } else if (!callUp || closeRequested_) {
            Worker->EndCall([this](const QString& line) { LogInfo(line); });
            Worker->Connected = false;
            callUp = false;
        }
    }
    if (closeRequested_) {
        closeRequested_ = false;
        done(QDialog::Rejected);
    } else if (callUp) {
        done(QDialog::Accepted);
    }
}

bool TFormDial::DialSequence() {
    Worker->Connected = false;
    Worker->StopFlag = false;
    Worker->ResetLine();
    KtLEDDisplay1->SetCaption(Phone);

    if (!InitStep(kStatusReset, QStringLiteral("ATZ"), [this] { return Worker->ResetModem(); }) ||
        !InitStep(kStatusCheck, QStringLiteral("AT"), [this] { return Worker->CheckAT(); }) ||
        !InitStep(kStatusBearer, QStringLiteral("AT+CBST=7,0,1"),
                  [this] { return Worker->SetBearerService(); }))
        return false;

    SetStatus(kStatusRegistration);
    LogInfo(QStringLiteral("AT+CREG?"));
    Pump();
    // No limit but "Отмена": a modem may take minutes to find the network.
    while (!Worker->IsRegistered()) {
        if (Worker->StopFlag) return false;
        Clock::SleepMs(50);
    }
    LogInfo(QStringLiteral("OK"));

    SetStatus(kStatusDialling + Phone);
    Pump();
    LogInfo(QStringLiteral("ATD ") + Phone);
    if (Worker->Dial(Phone)) {
        LogInfo(QStringLiteral("Connect"));
        Worker->Connected = true;
        Pump();
        return true;
    }
    btnStop->setEnabled(false);
    bReDial->setEnabled(true);
    SetStatus(kStatusFailed);
    Pump();
    return false;
}

bool TFormDial::InitStep(const QString& status, const QString& command, const std::function<bool()>& op) {
    SetStatus(status);
    Pump();
    LogInfo(command);
    if (!op()) {
        if (!Worker->StopFlag) {
            Clock::SleepMs(50);
            LogInfo(QStringLiteral("Ошибка при инициализации модема!"));
        }
        return false;
    }
    LogInfo(QStringLiteral("OK"));
    return !Worker->StopFlag;
}

void TFormDial::FitStatus() {
    // The designed panel is too narrow for the longest texts in a Linux desktop font: it grows
    // about the dialog's centre, and the dialog with it when the margins are used up.
    int needed = pStatus->width();
    for (const QString& text : {kStatusReset, kStatusCheck, kStatusBearer, kStatusRegistration,
                                kStatusDialling + Phone, kStatusFailed}) {
        pStatus->setText(text);
        needed = std::max(needed, pStatus->sizeHint().width());
    }
    pStatus->clear();
    constexpr int margin = 8;
    if (needed + 2 * margin > width()) setFixedWidth(needed + 2 * margin);
    pStatus->setGeometry((width() - needed) / 2, pStatus->y(), needed, pStatus->height());
}

void TFormDial::SetStatus(const QString& text) {
    pStatus->setText(text);
}

void TFormDial::LogInfo(const QString& text) {
    Log->WriteInfo(text);
}

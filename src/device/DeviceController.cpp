#include "device/DeviceController.h"

#include "app/windows/fProgress.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/LogWriter.h"
#include "device/ControllerHost.h"
#include "link/ComPortWorker.h"
#include "platform/MessagePump.h"

#include <QDateTime>
#include <QProgressBar>

namespace {

constexpr TColor kVersionColor = 0; // black
// A step hears every click, but repaints the windows only when the waits for the answers have
// not done so this recently (a run of parameters without an exchange, a transfer that does not
// handle messages while it waits).
constexpr qint64 kStepPaintMs = 20;

// The wait cursor for the length of one command, also when the command throws.
class TBusyCursor {
public:
    TBusyCursor(TControllerHost* host, bool on) : host_(on ? host : nullptr) {
        if (host_) host_->SetBusyCursor(true);
    }
    ~TBusyCursor() {
        if (host_) host_->SetBusyCursor(false);
    }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TControllerHost* const host_;
};

// The answer to "v" ends in the two numbers, "VER 01.004.013": major at the 7th to 5th character
// from the end, minor in the last three. Both must stand after the version tag; an answer too
// short for them ("VER 01" alone) is no version.
QString VersionField(const QString& answer, qsizetype tagEnd, qsizetype fromEnd) {
    const qsizetype start = answer.size() - fromEnd;
    if (start < tagEnd) throw EConvertError(QStringLiteral("'%1' is not a valid version").arg(answer));
    return answer.mid(start, 3);
}

} // namespace

TDeviceController::TPollPause::TPollPause(TControllerHost* host) : host_(host) {
    host_->PausePollTimer();
}

TDeviceController::TPollPause::~TPollPause() {
    host_->ResumePollTimer();
}

TDeviceController::TDeviceController(TComPortWorker* comm, TLogWriter* logger, TControllerHost* host)
    : Device(comm, logger), Comm(comm), Logger(logger), Host(host) {}

// The goodbye: the restart ("rb") and then "st", so the panel resumes its normal work even when
// it refused the restart. The timer stays paused over both: the restart's own pause ends inside
// this one, and a tick must not reach a controller that is going away.
TDeviceController::~TDeviceController() {
    TPollPause pause(Host);
    if (NoGoodbye) return;
    try {
        RestartPanel();
        Device.StartPanelAtExit();
    } catch (...) {
        // The link may be gone already; nothing can be done about a goodbye that failed.
    }
}

bool TDeviceController::ReadVersion() {
    TPollPause pause(Host);
    Comm->Purge();
    Device.StopPanel(); // the panel stays stopped while the configurator is connected
    Device.LogInfo(QStringLiteral("Читаем версию"));
    QString answer;
    if (!Device.GetVersion(answer)) {
        Device.LogError(QStringLiteral("Не смогли прочесть версию"));
        return false;
    }
    if (!Device.CheckVersion(answer)) {
        Device.LogError(QStringLiteral("Неверная версия прошивки"));
        return false;
    }
    try {
        StoreVersion(answer);
    } catch (const std::exception&) {
        Device.LogError(QStringLiteral("Неверная версия прошивки"));
        return false;
    }
    return true;
}

// Both numbers are converted before either is stored: the firmware gates must never see the
// minor number of one answer with the major number of the one before.
void TDeviceController::StoreVersion(const QString& answer) {
    const QString tag = Device.GetVersionTag();
    const qsizetype tagEnd = answer.indexOf(tag) + tag.size();
    const int minor = StrToInt(VersionField(answer, tagEnd, 3));
    const int major = StrToInt(VersionField(answer, tagEnd, 7));
    FirmwareMinor = minor;
    FirmwareMajor = major;
    Host->ShowPanelVersion(answer);
    Device.LogDetail(QStringLiteral("Прочли версию"), answer, kVersionColor);
}

bool TDeviceController::FirmwareAtLeast(int major, int minor) const {
    return FirmwareMajor > major || (FirmwareMajor == major && FirmwareMinor >= minor);
}

void TDeviceController::ReadPage(TformIncl& page) {
    RunTransfer([&] { DispatchRead(page); });
}

void TDeviceController::WritePage(TformIncl& page) {
    RunTransfer([&] { DispatchWrite(page); });
}

void TDeviceController::RunTransfer(const std::function<void()>& transfer) {
    if (Transferring) return;
    TPollPause pause(Host);
    const bool keptWindow = Progress;
    if (!keptWindow) Progress = new TFormProgress(Host->HostWindow());
    struct EndTransfer {
        TDeviceController& controller;
        bool pumped;
        ~EndTransfer() {
            controller.Comm->PumpWhileWaiting = pumped;
            controller.Transferring = false;
            if (controller.KeepProgress) return;
            delete controller.Progress.data();
            controller.Progress.clear();
        }
    } endTransfer{*this, Comm->PumpWhileWaiting};
    Transferring = true;
    // The interface is locked and the progress window up: the windows may repaint and the
    // cancel be heard while the answers are on the wire.
    Comm->PumpWhileWaiting = true;
    if (keptWindow && Progress->CancelPressed) CheckCancel();
    transfer();
}

void TDeviceController::RunTransfers(const std::function<void()>& transfers) {
    if (Transferring || KeepProgress) {
        transfers();
        return;
    }
    struct FreeProgress {
        TDeviceController& controller;
        ~FreeProgress() {
            controller.KeepProgress = false;
            delete controller.Progress.data();
            controller.Progress.clear();
        }
    } freeProgress{*this};
    KeepProgress = true;
    transfers();
}

void TDeviceController::ClearErrors() {
    Errors.clear();
}

void TDeviceController::ServiceCommand(bool (TDevZelvan9TK4::*command)(), bool busyCursor) {
    TPollPause pause(Host);
    TBusyCursor cursor(Host, busyCursor);
    (Device.*command)();
}

void TDeviceController::StartPanel() {
    ServiceCommand(&TDevZelvan9TK4::StartPanel, true);
}

void TDeviceController::StopPanel() {
    ServiceCommand(&TDevZelvan9TK4::StopPanel, true);
}

void TDeviceController::RestartPanel() {
    ServiceCommand(&TDevZelvan9TK4::RestartPanel, true);
}

void TDeviceController::CheckOutputs() {
    ServiceCommand(&TDevZelvan9TK4::CheckOutputs, false);
}

void TDeviceController::SyncClock() {
    TPollPause pause(Host);
    Device.SetClock(QDateTime::currentDateTime());
}

bool TDeviceController::RequestBoot(const QString& command, QString& answer, bool log) {
    return Device.RequestBoot(command, answer, log);
}

bool TDeviceController::RequestErase(const QString& command, QString& answer, bool log) {
    return Device.RequestErase(command, answer, log);
}

bool TDeviceController::RequestWrite(const QString& command, QString& answer, bool log) {
    return Device.RequestWrite(command, answer, log);
}

void TDeviceController::InitProgress(int count) {
    if (!Progress) return;
    Progress->CancelPressed = false;
    Progress->pb->setRange(0, count);
    Progress->pb->setValue(0);
    Progress->Step = 1;
}

// The message handling here is what keeps the "Отмена" button (and the history page's "Finish")
// live while a transfer runs in the caller's stack.
void TDeviceController::StepProgress() {
    // Once, before the bar moves: handling the messages again right after it would hear
    // nothing new and only hold up the next request.
    CheckCancel();
    if (!Progress) return;
    Progress->show();
    Progress->StepIt();
}

void TDeviceController::CheckCancel() {
    PumpMessagesPaintingEvery(kStepPaintMs);
    if (!Progress || !Progress->CancelPressed) return;
    Progress->hide();
    throw TStopException(QStringLiteral("Отмена"));
}

void TDeviceController::LogProgress(const QString& verb, const QString& label) {
    if (Logger) Logger->WriteMessage(verb + u'"' + label + u'"');
}

void TDeviceController::LogReading(const QString& label) {
    LogProgress(QStringLiteral("Читаю "), label);
}

void TDeviceController::LogWriting(const QString& label) {
    LogProgress(QStringLiteral("Пишу "), label);
}

void TDeviceController::AddReadError(const QString& label) {
    Errors.append(QStringLiteral("Ошибка при чтении параметра \"") + label + u'"');
}

void TDeviceController::AddWriteError(const QString& label) {
    Errors.append(QStringLiteral("Ошибка при записи параметра \"") + label + u'"');
}

void TDeviceController::AddWriteErrorDetail(const QString& label, const QString& reason) {
    Errors.append(QStringLiteral("Ошибка при записи параметра \"") + label + QStringLiteral("\" :") + reason);
}

#include "app/controllers/FormAppMainController.h"

#include "app/pages/fIn.h"
#include "app/windows/TVLog.h"
#include "app/windows/fAppMain.h"
#include "app/windows/fErrors.h"
#include "base/AsciiText.h"
#include "device/DeviceController.h"
#include "platform/DialogService.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// The page buttons that start a panel command, by page.
struct TPageButtons {
    const char* page;
    QList<const char*> buttons;
};
const TPageButtons kLockedPageButtons[] = {
    {"FormHistory", {"btnBackward", "Button1", "btnClear", "Button2", "Button3"}},
    {"FormCommon", {"btnSync", "Button2", "Button3", "Button1", "btnOnOuts"}},
};

bool CommandEnabled(const QObject* command) {
    if (const auto* action = qobject_cast<const QAction*>(command)) return action->isEnabled();
    return ControlEnabled(static_cast<const QWidget*>(command));
}

void SetEnabled(QObject* command, bool enabled) {
    if (auto* action = qobject_cast<QAction*>(command))
        action->setEnabled(enabled);
    else
        static_cast<QWidget*>(command)->setEnabled(enabled);
}

} // namespace

TFormAppMainController::TFormAppMainController(TFormAppMain* mainForm, QWidget* pane, QTreeWidget* tree)
    : TFormsController(mainForm, pane, tree), AppMain(mainForm) {}

TFormAppMainController::~TFormAppMainController() = default;

QList<QObject*> TFormAppMainController::LockedCommands() const {
    QList<QObject*> commands{AppMain->tbRead,     AppMain->tbWrite,     AppMain->tbReadAll,
                             AppMain->tbWriteAll, AppMain->tbConnect,   AppMain->tbDisconnect,
                             AppMain->tbDefault,  AppMain->tbDefaultAll};
    for (const TPageButtons& group : kLockedPageButtons)
        for (const char* name : group.buttons)
            if (QWidget* button = FindPageControl(QString::fromLatin1(group.page), QString::fromLatin1(name)))
                commands.append(button);
    return commands;
}

QList<TPageControlName> TFormAppMainController::NamedPageControls() const {
    QList<TPageControlName> names;
    for (const TPageButtons& group : kLockedPageButtons)
        for (const char* name : group.buttons)
            names.append({QString::fromLatin1(group.page), QString::fromLatin1(name)});
    return names;
}

QWidget* TFormAppMainController::FindPageControl(const QString& page, const QString& control) const {
    for (TformIncl* candidate : Pages())
        if (asciiSameText(candidate->objectName(), page)) return candidate->FindControl(control);
    return nullptr;
}

void TFormAppMainController::LockUI() {
    if (lockDepth_++ > 0) return;
    AppMain->tv1->setEnabled(false);
    ToolButtonStates.clear();
    for (QObject* command : LockedCommands()) {
        ToolButtonStates.append({command, CommandEnabled(command)});
        SetEnabled(command, false);
    }
    AppMain->ToolBar1->setEnabled(false);
    for (QAction* menu : AppMain->MainMenu1->actions())
        menu->setEnabled(false);
}

void TFormAppMainController::UnlockUI() {
    if (lockDepth_ == 0 || --lockDepth_ > 0) return;
    AppMain->tv1->setEnabled(true);
    AppMain->ToolBar1->setEnabled(true);
    for (const TSavedState& saved : std::as_const(ToolButtonStates))
        if (saved.command) SetEnabled(saved.command, saved.enabled);
    ToolButtonStates.clear();
    for (QAction* menu : AppMain->MainMenu1->actions())
        menu->setEnabled(true);
}

void TFormAppMainController::SetCommandEnabled(QObject* command, bool enabled) {
    if (Busy()) {
        for (TSavedState& saved : ToolButtonStates)
            if (saved.command == command) {
                saved.enabled = enabled;
                return;
            }
    }
    SetEnabled(command, enabled);
}

void TFormAppMainController::SetConnected(bool connected) {
    SetCommandEnabled(AppMain->tbConnect, !connected);
    AppMain->mnuConnect->setEnabled(!connected);
    for (QObject* command : {AppMain->tbDisconnect, AppMain->tbRead, AppMain->tbReadAll, AppMain->tbWrite,
                             AppMain->tbWriteAll, AppMain->tbDefault, AppMain->tbDefaultAll})
        SetCommandEnabled(command, connected);
    for (QAction* item : {AppMain->N21, AppMain->N22, AppMain->mnuDisconnect, AppMain->mnuRead,
                          AppMain->mnuWrite, AppMain->mnuReadAll, AppMain->mnuWriteAll})
        item->setEnabled(connected);
}

void TFormAppMainController::CloseConnection() {
    // A port that went away is gone for good: the status bar must not name it as if connected.
    if (BrokenLinkFlag) AppMain->ShowDisconnectedStatus();
    if (!ActiveDevice) return;
    // After the port went away or the call dropped the goodbye could only fail.
    ActiveDevice->NoGoodbye = BrokenLinkFlag || LinkLost();
    ActiveDevice.reset();
}

void TFormAppMainController::CreateLog(std::unique_ptr<TLogWriter>& log) {
    auto pane = std::make_unique<TTVLog>(AppMain->tvLog);
    pane->SetScrollBox(AppMain->cbScrolling);
    log = std::move(pane);
}

TTVLog* TFormAppMainController::LogPane() const {
    return dynamic_cast<TTVLog*>(Log.get());
}

void TFormAppMainController::ReadCurrent() {
    if (ActiveDevice && CurrentPage) ActiveDevice->ReadPage(*CurrentPage);
}

void TFormAppMainController::WriteCurrent() {
    if (ActiveDevice && CurrentPage) ActiveDevice->WritePage(*CurrentPage);
}

void TFormAppMainController::RunPageTransfers(const std::function<void()>& transfers) {
    if (ActiveDevice)
        ActiveDevice->RunTransfers(transfers);
    else
        transfers();
}

void TFormAppMainController::ClearErrors() {
    failures_.clear();
    if (ActiveDevice) ActiveDevice->ClearErrors();
}

void TFormAppMainController::AddFailure(const QString& text) {
    failures_.append(text);
}

void TFormAppMainController::ShowErrors() {
    QStringList lines;
    if (ActiveDevice) lines = ActiveDevice->GetErrors();
    lines += failures_;
    if (lines.isEmpty()) return;
    TFormErrors errors(AppMain);
    errors.SetErrors(lines);
    DialogService::Instance().ExecModal(errors);
}

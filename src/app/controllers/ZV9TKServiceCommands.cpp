// The panel's service commands of TZV9TKFormsController.

#include "app/controllers/ZV9TKFormsController.h"

#include "app/windows/fMain.h"
#include "base/Exceptions.h"
#include "device/DeviceController.h"
#include "firmware/ServiceUpload.h"

void TZV9TKFormsController::RunServiceCommand(void (TDeviceController::*command)()) {
    // A page button pressed while disconnected has no panel to command.
    if (Busy() || !ActiveDevice) return;
    RunLocked(TOperationKind::Service, [this, command] { (ActiveDevice.get()->*command)(); });
}

void TZV9TKFormsController::StartPanel() {
    RunServiceCommand(&TDeviceController::StartPanel);
}

void TZV9TKFormsController::StopPanel() {
    RunServiceCommand(&TDeviceController::StopPanel);
}

void TZV9TKFormsController::SyncPanelClock() {
    RunServiceCommand(&TDeviceController::SyncClock);
}

void TZV9TKFormsController::CheckOutputs() {
    RunServiceCommand(&TDeviceController::CheckOutputs);
}

void TZV9TKFormsController::RestartPanel() {
    if (Busy() || !ActiveDevice) return;
    // The disconnect's goodbye is the restart ("rb", then "st"); the new connect asks again.
    RunLocked(
        TOperationKind::Restart, [this] { Disconnect(); }, [this] { Connect(); });
}

void TZV9TKFormsController::UploadHexFile() {
    // Any other failure reaches the standard error box; the upload has unlocked the interface
    // and logged the failure line of the stage that was cut.
    try {
        ServiceUpload(*this, *Main);
    } catch (const TCloseException& e) {
        DisconnectBrokenPort(e.message());
    } catch (const TCommException&) {
        // The call dropped: the upload has logged what was not done; nobody hears a goodbye.
        Disconnect();
    }
}

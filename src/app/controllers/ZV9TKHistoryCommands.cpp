// The history commands of TZV9TKFormsController.

#include "app/controllers/ZV9TKFormsController.h"

#include "app/pages/fHistory.h"
#include "device/DeviceController.h"

TFormHistory* TZV9TKFormsController::HistoryPage() const {
    for (TformIncl* page : Pages())
        if (auto* history = qobject_cast<TFormHistory*>(page)) return history;
    return nullptr;
}

void TZV9TKFormsController::RunHistoryCommand(void (TDeviceController::*command)(TFormHistory&)) {
    TFormHistory* page = HistoryPage();
    if (Busy() || !ActiveDevice || !page) return;
    RunLocked(TOperationKind::Service, [this, command, page] { (ActiveDevice.get()->*command)(*page); });
}

bool TZV9TKFormsController::ClearPanelHistory() {
    if (Busy() || !ActiveDevice) return false;
    bool erased = false;
    RunLocked(TOperationKind::Service, [this, &erased] { erased = ActiveDevice->ClearHistory(); });
    return erased;
}

void TZV9TKFormsController::StartHistoryToFile() {
    RunHistoryCommand(&TDeviceController::SaveHistoryToFile);
}

void TZV9TKFormsController::HistoryPageBack() {
    RunHistoryCommand(&TDeviceController::HistoryBack);
}

void TZV9TKFormsController::HistoryPageForward() {
    RunHistoryCommand(&TDeviceController::HistoryForward);
}

void TZV9TKFormsController::StopHistoryToFile() {
    if (ActiveDevice) ActiveDevice->HistoryRun = false;
}

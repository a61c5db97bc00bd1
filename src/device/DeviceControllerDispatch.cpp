#include "device/DeviceController.h"

#include "app/fIn.h"

// Page kinds are tried in the order of the page tree; a kind derived from another must come
// before it.

void TDeviceController::DispatchRead(TformIncl& page) {
    Q_UNUSED(page);
}

void TDeviceController::DispatchWrite(TformIncl& page) {
    Q_UNUSED(page);
}

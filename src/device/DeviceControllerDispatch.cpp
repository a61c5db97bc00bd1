#include "device/DeviceController.h"

#include "app/pages/fATests.h"
#include "app/pages/fCommon.h"
#include "app/pages/fEnNumber.h"
#include "app/pages/fGPRS.h"
#include "app/pages/fHistory.h"
#include "app/pages/fIn.h"
#include "app/pages/fKBDs.h"
#include "app/pages/fLoops.h"
#include "app/pages/fWays.h"

// Page kinds are tried in the order of the page tree; a kind derived from another must come
// before it.

void TDeviceController::DispatchRead(TformIncl& page) {
    if (auto* common = qobject_cast<TFormCommon*>(&page)) return ReadCommon(*common);
    if (auto* autoTests = qobject_cast<TformATests*>(&page)) return ReadAutoTests(*autoTests);
    if (auto* loops = qobject_cast<TFormLoops*>(&page)) return ReadLoops(*loops);
    if (auto* gprs = qobject_cast<TformGPRS*>(&page)) return ReadGprs(*gprs);
    if (auto* numbers = qobject_cast<TFormEnNumber*>(&page)) return ReadEngineerNumbers(*numbers);
    if (auto* ways = qobject_cast<TformWays*>(&page)) return ReadWays(*ways);
    if (auto* keypads = qobject_cast<TFormKBDs*>(&page)) return ReadKeypads(*keypads);
    if (auto* history = qobject_cast<TFormHistory*>(&page)) return ReadHistory(*history);
}

void TDeviceController::DispatchWrite(TformIncl& page) {
    if (auto* common = qobject_cast<TFormCommon*>(&page)) return WriteCommon(*common);
    if (auto* autoTests = qobject_cast<TformATests*>(&page)) return WriteAutoTests(*autoTests);
    if (auto* loops = qobject_cast<TFormLoops*>(&page)) return WriteLoops(*loops);
    if (auto* gprs = qobject_cast<TformGPRS*>(&page)) {
        WriteGprs(*gprs);
        // Only LAN has reset the ways: the panel gets them too, in the same progress window.
        if (gprs->LanOnly() && gprs->WaysPage) WriteWays(*gprs->WaysPage);
        return;
    }
    if (auto* numbers = qobject_cast<TFormEnNumber*>(&page)) return WriteEngineerNumbers(*numbers);
    if (auto* ways = qobject_cast<TformWays*>(&page)) return WriteWays(*ways);
    if (auto* keypads = qobject_cast<TFormKBDs*>(&page)) return WriteKeypads(*keypads);
}

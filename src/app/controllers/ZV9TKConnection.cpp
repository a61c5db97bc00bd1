// The connection of TZV9TKFormsController: the connect dialog, the transport, the dial, the
// version read, the enabling by connection state, the link check and the disconnect.

#include "app/controllers/ZV9TKFormsController.h"

#include "app/pages/fGPRS.h"
#include "app/pages/fHistory.h"
#include "app/windows/StatusBar.h"
#include "app/windows/fConnect.h"
#include "app/windows/fMain.h"
#include "base/Exceptions.h"
#include "base/LogWriter.h"
#include "device/DeviceController.h"
#include "firmware/fUpdateIns.h"
#include "link/ModemWorker.h"
#include "link/SerialComm.h"
#include "link/fDial.h"
#include "platform/AppFolder.h"
#include "platform/DialogService.h"
#include "platform/IniFile.h"

#include <QAction>
#include <QScopeGuard>

namespace {

// The page buttons that need a panel to talk to.
struct TPageControls {
    const char* page;
    QList<const char*> controls;
};
const TPageControls kConnectedOnlyButtons[] = {
    {"FormHistory", {"btnClear", "btnBackward", "Button2"}},
    {"FormCommon", {"btnSync", "Button1", "Button2", "Button3", "btnOnOuts"}},
};

// Settings that only some firmware versions have: shown from major.minor on, or (shownBelow)
// only below it. A gate acts once its page exists.
struct TVersionGate {
    const char* page;
    const char* control;
    int major;
    int minor;
    bool shownBelow;
};
const TVersionGate kVersionGates[] = {
    {"FormKBDs", "lbACIDcode", 4, 12, false}, // the keypads' link-loss event code
    {"FormKBDs", "cbACIDcode", 4, 12, false},
    {"formGPRS", "GroupBox4", 4, 13, false}, // LAN use in three modes ...
    {"formGPRS", "lan", 4, 13, true},        // ... in place of the one LAN switch
    {"formGPRS", "llan", 4, 13, true},
};

} // namespace

QList<TPageControlName> TZV9TKFormsController::NamedPageControls() const {
    QList<TPageControlName> names = TFormAppMainController::NamedPageControls();
    for (const TPageControls& group : kConnectedOnlyButtons)
        for (const char* name : group.controls)
            names.append({QString::fromLatin1(group.page), QString::fromLatin1(name)});
    for (const TVersionGate& gate : kVersionGates)
        names.append({QString::fromLatin1(gate.page), QString::fromLatin1(gate.control)});
    return names;
}

void TZV9TKFormsController::SetConnected(bool connected) {
    TFormAppMainController::SetConnected(connected);
    for (QAction* item : {Main->mnuStart, Main->mnuStop, Main->mnuReload})
        item->setEnabled(connected);
    for (const TPageControls& group : kConnectedOnlyButtons)
        for (const char* name : group.controls)
            if (QWidget* button = FindPageControl(QString::fromLatin1(group.page), QString::fromLatin1(name)))
                SetCommandEnabled(button, connected);
    // The records downloaded belong to the panel of this connection.
    if (!connected)
        if (TFormHistory* history = HistoryPage()) history->ClearCache();
    // After a disconnect the settings keep the shape of the last panel's firmware.
    if (ActiveDevice) ApplyVersionGates();
}

void TZV9TKFormsController::ApplyVersionGates() {
    for (const TVersionGate& gate : kVersionGates)
        if (QWidget* control =
                FindPageControl(QString::fromLatin1(gate.page), QString::fromLatin1(gate.control)))
            control->setVisible(ActiveDevice->FirmwareAtLeast(gate.major, gate.minor) != gate.shownBelow);
    // Whether "only LAN" applies depends on the LAN group just shown or hidden.
    for (TformIncl* page : Pages())
        if (auto* gprs = qobject_cast<TformGPRS*>(page)) gprs->ApplyLanMode();
}

bool TZV9TKFormsController::OpenConnection() {
    // A new connection replaces one still open rather than leaving it unreachable.
    if (ActiveDevice || TransportWorker) CloseConnection();
    ModemLink = false;
    TFormConnect dialog(Main);
    dialog.FillPorts();
    LoadConnectSettings(dialog);
    // The reconnect after a firmware update keeps the port and number of the last connect.
    const bool ok = (formUpdateIns && formUpdateIns->UpdateState == 3) || dialog.Execute();
    // A number typed is remembered whichever button closed the dialog.
    dialog.RememberDialPhone();
    try {
        SaveConnectSettings(dialog);
    } catch (const EIniFileError& e) {
        // A settings folder the user may not write to must not keep him from the panel.
        ShowError(e.message());
    }
    if (!ok) return false;

    const QString phone = dialog.Phone();
    const bool dialled = !phone.isEmpty();
    if (dialled)
        TransportWorker = std::make_unique<TModemWorker>();
    else
        TransportWorker = std::make_unique<TComPortWorker>(true, true); // the panel's line driver follows RTS
    if (!OpenPort(dialog.PortName())) return false;
    if (dialled && !DialPhone(phone)) return false;
    return StartDevice(dialled);
}

bool TZV9TKFormsController::OpenPort(const QString& portName) {
    // A remembered port that is no longer in the list leaves none chosen: "/dev/" is no port.
    if (portName.isEmpty()) {
        TransportWorker.reset();
        MessageDlg(QStringLiteral("Ошибка подключения: не выбран Com-порт"), TMsgDlgType::mtError, mbOK);
        return false;
    }
    try {
        TransportWorker->Open(portName, br19200);
    } catch (const EBaseError& e) {
        TransportWorker.reset();
        MessageDlg(QStringLiteral("Ошибка подключения: ") + e.message(), TMsgDlgType::mtError, mbOK);
        return false;
    }
    Main->StatusBar1->SetPanelText(0, ShortPortName(portName));
    return true;
}

bool TZV9TKFormsController::DialPhone(const QString& phone) {
    // Only a call that is up counts: the dialog also closes with OK after a dial that failed.
    TModemWorker* modem = ModemTransport();
    try {
        if (modem && TFormDial::Execute(Main, phone, *modem, *Log)) return true;
    } catch (const TCloseException& e) {
        DisconnectBrokenPort(e.message());
        return false;
    }
    TransportWorker.reset();
    return false;
}

bool TZV9TKFormsController::StartDevice(bool dialled) {
    ActiveDevice = std::make_unique<TDeviceController>(TransportWorker.get(), Log.get(), Main);
    bool ok = false;
    QString failure;
    QString portGone;
    {
        // The modem's waits pump window messages: a second connect, a command or the close box
        // handled there would pull the device controller away from under its own read.
        LockUI();
        const auto unlock = qScopeGuard([this] { UnlockUI(); });
        // A modem failure answer or a port fault in the read is a failed read too: let through,
        // it would leave the port open and no later connect could open it.
        try {
            ok = ActiveDevice->ReadVersion();
        } catch (const TCloseException& e) {
            portGone = e.message();
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    }
    Main->SetLinkCheckOn(true);
    if (ok) {
        ModemLink = dialled;
        return true;
    }
    // The port went away under the read: answered as anywhere else, without a goodbye into it.
    if (!portGone.isEmpty()) {
        DisconnectBrokenPort(portGone);
        return false;
    }
    // A failed read has been logged in the device controller's words; an exception says its own.
    ActiveDevice->NoGoodbye = LinkLost();
    ActiveDevice.reset();
    CloseLink();
    if (!failure.isEmpty()) ShowError(failure);
    return false;
}

void TZV9TKFormsController::CloseConnection() {
    TFormAppMainController::CloseConnection();
    Main->SetLinkCheckOn(false);
    if (ModemLink && TransportWorker) TransportWorker->Connected = false;
    ModemLink = false;
    CloseLink();
}

void TZV9TKFormsController::CloseLink() {
    if (!TransportWorker) return;
    // Closing the port alone may leave the GSM call up, and paid for. A port that went away
    // carries no "+++" and "ATH": the log would claim a hang-up that never reached the modem.
    TModemWorker* modem = ModemTransport();
    if (modem && !BrokenLinkFlag)
        modem->EndCall([this](const QString& line) { Log->WriteMessage(line); });
    TransportWorker.reset();
}

void TZV9TKFormsController::CheckModemLink() {
    // While the interface is locked a transfer or the update window owns the link; a
    // disconnect under it would leave their unlock enabling commands of a closed link.
    if (!ModemLink || Busy()) return;
    TModemWorker* modem = ModemTransport();
    // A check that fails for any reason ends the call quietly; only the port gone under it is
    // worth telling the user about.
    QString portGone;
    const auto readVersion = [this, &portGone] {
        try {
            return ActiveDevice->ReadVersion();
        } catch (const TCloseException& e) {
            portGone = e.message();
            return false;
        }
    };
    if (modem && ActiveDevice && modem->LinkAlive(readVersion)) return;
    if (!portGone.isEmpty())
        DisconnectBrokenPort(portGone);
    else
        Disconnect(); // a call that is gone gets no goodbye (LinkLost)
}

TModemWorker* TZV9TKFormsController::ModemTransport() const {
    return dynamic_cast<TModemWorker*>(TransportWorker.get());
}

// Nobody would hear a goodbye over a call that is gone, and its unanswered tries would hold the
// window for half a minute. The modem transport clears Connected on every failure answer.
bool TZV9TKFormsController::LinkLost() const {
    const TModemWorker* modem = ModemTransport();
    return modem && !modem->Connected;
}

void TZV9TKFormsController::LoadConnectSettings(TFormConnect& dialog) {
    const TMemIniFile ini(CurrentIniName());
    dialog.LoadSettings(ini);
}

void TZV9TKFormsController::SaveConnectSettings(TFormConnect& dialog) {
    // The rest of the file (the pages' sections, the service word) stays as it is.
    TMemIniFile ini(CurrentIniName());
    dialog.SaveSettings(ini);
    ini.UpdateFile();
}

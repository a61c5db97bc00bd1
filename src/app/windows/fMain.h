#pragma once

#include "app/windows/fAppMain.h"
#include "device/ControllerHost.h"

class QTimer;
class TDeviceController;
class TKtProgressBar;

// The main window of this panel model: the generic configurator window with the panel's
// service commands, the hidden firmware-update command, the status-bar progress bar and the
// 10-second link-check timer. The device controller reaches it as its host.
class TFormMain : public TFormAppMain, public TControllerHost {
    Q_OBJECT
public:
    explicit TFormMain(QWidget* parent = nullptr);
    // Frees the controller while this window can still serve the device controller's goodbye.
    ~TFormMain() override;

    // The link check: the window is disabled while it runs and afterwards has the enabled state
    // it had before, so a window that keeps it disabled (the update window, the keypad dialog)
    // still finds it disabled.
    void Timer1Timer();

    // The link check runs from the start and from every connect until the next disconnect;
    // the pauses of the exchanges nest inside that.
    void SetLinkCheckOn(bool on);

    void mnuStartClick();
    void mnuStopClick();
    void mnuReloadClick();
    void mnuUpdateClick();
    // While the update window is open the main window stays disabled, however it is activated.
    void FormActivate();

    void PausePollTimer() override;
    void ResumePollTimer() override;
    void ShowPanelVersion(const QString& text) override;
    void SetBusyCursor(bool busy) override;
    QWidget* HostWindow() override { return this; }

    QAction* mnuStart;
    QAction* mnuStop;
    QAction* mnuReload;
    QAction* mnuUpdate;
    QTimer* const Timer1;
    TKtProgressBar* const KtProgressBar1;

protected:
    bool event(QEvent* event) override;

private:
    void PlaceProgressBar();

    int timerPauses_ = 0;
    bool linkCheckOn_ = true;
    bool busyCursor_ = false;
};

extern TFormMain* FormMain;

// What the update window may ask of the application controller.
void LockMainUI();
void UnlockMainUI();
TDeviceController* CurrentDeviceController();
// The link went away under the firmware update: the line of the stage that was cut goes to the
// log, then the controller answers as to any port that went away (portGone) or call that dropped.
void LinkLostInUpdate(const QString& failureLine, const QString& reason, bool portGone);

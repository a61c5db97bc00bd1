#pragma once

#include "app/controllers/FormsController.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <memory>

class TDeviceController;
class TFormAppMain;
class TTVLog;

// A control that a table of the controller names by string: the object names of its page and
// of the control.
struct TPageControlName {
    QString page;
    QString control;
};

// Binds the controller chain to the configurator's main window: which commands are enabled,
// the lock of the user interface during a transfer, the errors window, and the device
// controller of the open connection, which does the page transfers.
class TFormAppMainController : public TFormsController {
public:
    ~TFormAppMainController() override;

    void SetConnected(bool connected) override;
    void CloseConnection() override;
    void CreateLog(std::unique_ptr<TLogWriter>& log) override;
    void ReadCurrent() override;
    void WriteCurrent() override;
    void ClearErrors() override;
    void ShowErrors() override;
    // Locks nest: the first lock remembers the enabled state of the commands and disables
    // them, the last unlock gives them back. A transfer that meets a second command while it
    // handles messages, or the firmware update locking around its own work, cannot leave the
    // tool bar dead.
    void LockUI() override;
    void UnlockUI() override;
    bool IsConnected() const override { return ActiveDevice != nullptr; }
    bool Busy() const override { return lockDepth_ > 0; }

    // The device controller of the open connection; nullptr while disconnected.
    TDeviceController* GetDeviceController() const { return ActiveDevice.get(); }
    // The log writer on the main window's log tree.
    TTVLog* LogPane() const;
    // Every page control that the controller's tables name by string (the page buttons a lock
    // disables, ...). Such a name acts only when it matches, so each must resolve once its page
    // exists.
    virtual QList<TPageControlName> NamedPageControls() const;

protected:
    TFormAppMainController(TFormAppMain* mainForm, QWidget* pane, QTreeWidget* tree);

    void AddFailure(const QString& text) override;
    void RunPageTransfers(const std::function<void()>& transfers) override;
    // The far end of the link is known gone (a dropped call): a disconnect then sends no
    // goodbye, whose unanswered tries would only hold the window. A link without a call of its
    // own never is.
    virtual bool LinkLost() const { return false; }

    // Enables or disables a command (a tool button's or menu item's action, or a page's
    // button). While the user interface is locked a command the lock holds disabled only gets
    // the state it will have after the last unlock.
    void SetCommandEnabled(QObject* command, bool enabled);
    // A designed control of the page with this object name (both names ignoring ASCII case);
    // nullptr while that page or control does not exist.
    QWidget* FindPageControl(const QString& page, const QString& control) const;

    TFormAppMain* const AppMain;
    std::unique_ptr<TDeviceController> ActiveDevice;

private:
    struct TSavedState {
        QPointer<QObject> command;
        bool enabled;
    };
    // The commands a lock disables and an unlock gives back: the eight tool buttons, then the
    // page buttons that start a panel command.
    QList<QObject*> LockedCommands() const;

    QList<TSavedState> ToolButtonStates;
    int lockDepth_ = 0;
    // Failures that are no failed parameter (a transport error), shown with the parameters.
    QStringList failures_;
};

#pragma once

#include "app/controllers/FormAppMainController.h"

#include <memory>

class TComPortWorker;
class TDeviceController;
class TFormConnect;
class TFormHistory;
class TFormMain;
class TModemWorker;

// The controller of this panel model: its settings pages and the event message table, the
// connection to the panel (direct cable or GSM modem) with the link check of the main window's
// timer, and the panel's service commands.
class TZV9TKFormsController : public TFormAppMainController {
public:
    // Creates the log, the pages (docked into pane and listed in tree) and loads their values
    // from "current.ini".
    TZV9TKFormsController(TFormMain* mainForm, QWidget* pane, QTreeWidget* tree);
    // Says goodbye to a panel still connected and closes the link; frees the message table;
    // the pages are saved to "current.ini" on the way out.
    ~TZV9TKFormsController() override;

    void CreatePages(QWidget* owner) override;

    // Also the page buttons that need a panel and the controls gated by firmware version.
    QList<TPageControlName> NamedPageControls() const override;

    // Beyond the commands of any configurator: the panel's service commands, the buttons of
    // the pages that need a panel and, once the panel's version is known, the settings that
    // its firmware supports.
    void SetConnected(bool connected) override;
    // Asks for the port and the telephone number, opens the port, dials a number through the
    // modem and reads the panel's version. Whatever fails on the way is closed and freed
    // again, so the port is free for the next try.
    bool OpenConnection() override;
    // After the goodbye: the link check off, a modem call hung up, the port closed.
    void CloseConnection() override;

    // Opens the new transport's port; on failure says so and frees the transport.
    bool OpenPort(const QString& portName);
    // Runs the dialling dialog over the modem transport; true only with a data call up.
    // Without one the transport is freed.
    bool DialPhone(const QString& phone);
    // Hangs up a modem call ("+++", "ATH"; failures there are swallowed), closes the port and
    // frees the transport.
    void CloseLink();
    // Every tick of the main window's timer: a modem link that no longer carries the version
    // read is disconnected without a word. A cable link, and any link while the user
    // interface is locked, is left alone.
    void CheckModemLink();

    // The dialog's section of "current.ini": the port and the remembered telephone numbers.
    void LoadConnectSettings(TFormConnect& dialog);
    void SaveConnectSettings(TFormConnect& dialog);

    // Service commands: each runs with the user interface locked, under the service commands'
    // exception policy, and does nothing while disconnected or while another command runs.
    void StartPanel();
    void StopPanel();
    void SyncPanelClock();
    void CheckOutputs();
    // The goodbye (the panel restarts and starts), then a new connect with the dialog.
    void RestartPanel();
    // The service firmware upload of a HEX file chosen in the HEX viewer.
    void UploadHexFile();

    // The history commands of the history page, run like the service commands. The erase
    // tells whether the panel erased its history, so that the page keeps what it shows when
    // it did not.
    bool ClearPanelHistory();
    void StartHistoryToFile();
    void HistoryPageBack();
    void HistoryPageForward();
    // Stops a running "История.txt" download at its next record; it runs while the user
    // interface is locked, so it neither locks nor waits.
    void StopHistoryToFile();
    // The history page; nullptr while it does not exist.
    TFormHistory* HistoryPage() const;

protected:
    // For a derived controller with pages of its own: it runs Build() itself at the end of its
    // constructor, so that its CreatePages is the one called.
    struct TDeferBuild {};
    TZV9TKFormsController(TFormMain* mainForm, QWidget* pane, QTreeWidget* tree, TDeferBuild);

    TFormMain* const Main;
    // The transport of the open link (a TModemWorker for a dialled one); nullptr while
    // disconnected. The device controller talks through it, so it goes after that.
    std::unique_ptr<TComPortWorker> TransportWorker;
    // A connection made through a GSM modem is up: the timer's ticks check it.
    bool ModemLink = false;

    // The modem has reported the call ended.
    bool LinkLost() const override;

private:
    TModemWorker* ModemTransport() const;
    // The device controller over the open link and its version read; a failure of any kind
    // frees both again.
    bool StartDevice(bool dialled);
    void ApplyVersionGates();
    void RunServiceCommand(void (TDeviceController::*command)());
    void RunHistoryCommand(void (TDeviceController::*command)(TFormHistory&));
};

// The one application controller, set by the program block; cleared when it is freed.
extern TZV9TKFormsController* AppController;

#pragma once

#include "device/DevZelvan9TK4.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class TComPortWorker;
class TControllerHost;
class TLogWriter;
class TformIncl;
class TFormProgress;
class TFormCommon;
class TformATests;
class TformWays;
class TFormKBDs;
class TFormLoops;
class TformGPRS;
class TFormEnNumber;
class TFormHistory;

// The one object through which the configurator talks to a connected panel: it reads and checks
// the panel's firmware version, runs the service commands, moves one settings page at a time
// between the panel and the page's controls (with a progress window that can cancel), collects
// the failed parameters in an error list and passes the boot loader's raw requests through.
//
// Every exchange pauses the host's link-check timer for its whole length; the pauses nest, so a
// command inside another (the restart inside the goodbye) never lets a tick in half-way, and the
// timer runs again on every way out, an exception's included. Exceptions of the transport, a
// conversion error outside a guarded step and the cancel's TStopException pass to the caller.
// Runs on the user-interface thread, except the raw requests: the firmware upload thread uses
// those while the user interface is locked and nothing else talks to the panel.
class TDeviceController {
public:
    // None of the three is owned. The transport is open; logger may be null (then the
    // "Читаю "/"Пишу " lines are not written); host is required.
    TDeviceController(TComPortWorker* comm, TLogWriter* logger, TControllerHost* host);
    // Says goodbye to the panel ("rb", then "st") unless NoGoodbye is set. Never throws: a
    // failed goodbye is neither logged as an error nor reported.
    ~TDeviceController();

    TDeviceController(const TDeviceController&) = delete;
    TDeviceController& operator=(const TDeviceController&) = delete;

    // Stops the panel's normal work ("sp") and reads its version ("v"): true when the answer
    // carries the version tag and ends in the two numbers ("VER 01.004.013" gives 4 and 13).
    // The version text goes to the host's status bar.
    bool ReadVersion();

    // Firmware FirmwareMajor.FirmwareMinor is at major.minor or later (the two compared as a
    // pair): the LAN settings need 4.13, the keypads' link-loss code 4.12, the update offer 4.10.
    bool FirmwareAtLeast(int major, int minor) const;

    // One page between the panel and its controls, inside a progress window. A page kind without
    // transfer routines moves nothing and adds no error line.
    void ReadPage(TformIncl& page);
    void WritePage(TformIncl& page);
    // Runs several page transfers (read all, write all) under one progress window that stays up
    // from the first page to the last: taking it down between two pages would have everything
    // it covered repaint before the next page's first request. A cancel pressed between two
    // pages stops the next one at once.
    void RunTransfers(const std::function<void()>& transfers);

    // The failure lines of the current operation (the list itself, not a copy).
    const QStringList& GetErrors() const { return Errors; }
    void ClearErrors();

    // Service commands; their answers are not looked at.
    void StartPanel();   // "st", with the wait cursor
    void StopPanel();    // "sp", with the wait cursor
    void RestartPanel(); // "rb", with the wait cursor
    void SyncClock();    // the panel's clock := the PC's local date and time
    void CheckOutputs(); // "dc"

    // The panel's event history (a ring of records with a 16-bit index, "FP" the next one it
    // will write), into the history page's grid and record cache. Records already in the cache
    // cost no frame. The paging operations run in a progress window of their own; before the
    // first history read of a connection they read nothing.
    void HistoryBack(TFormHistory& page);
    void HistoryForward(TFormHistory& page);
    // Every record from the newest down to index 0 into "История.txt" in the current folder,
    // two lines each, written as each record comes, until the history page's "Finish" clears
    // HistoryRun. A file that cannot be written ends the download with an error box naming it;
    // the lines written before stay.
    void SaveHistoryToFile(TFormHistory& page);
    // "FH"; true when the panel acknowledged the erase.
    bool ClearHistory();

    // The boot loader's raw requests: the answer is the raw received text; frame and answer are
    // logged only when log is set. They touch neither the timer, the progress window nor the
    // error list: the firmware upload brackets them itself.
    bool RequestBoot(const QString& command, QString& answer, bool log);  // one try, 2500 ms
    bool RequestErase(const QString& command, QString& answer, bool log); // three tries, 15000 ms
    bool RequestWrite(const QString& command, QString& answer, bool log); // one try, 15000 ms

    // The helpers every page transfer is built from.
    // Clears the cancel flag and sets the bar to 0 of count, step 1.
    void InitProgress(int count);
    // Before each parameter and once at the end: handles pending window messages, shows and
    // advances the progress window; throws TStopException "Отмена" (and hides the window) once
    // its "Отмена" button was pressed. Without a progress window it only handles the messages.
    // Repainting is left to the waits for the answers, which handle the messages while the
    // bytes are on the wire, unless they have not repainted for a while.
    void StepProgress();
    // The same without a step: handles pending window messages; throws TStopException once
    // "Отмена" was pressed.
    void CheckCancel();
    void LogReading(const QString& label);
    void LogWriting(const QString& label);
    void AddReadError(const QString& label);
    void AddWriteError(const QString& label);
    void AddWriteErrorDetail(const QString& label, const QString& reason);

    int FirmwareMajor = 0; // 0 until read
    int FirmwareMinor = 0;
    bool NoGoodbye = false; // set when the link is known broken: the destructor sends nothing
    bool HistoryRun = true; // cleared to stop the history file writer at its next record
    // The panel's history write pointer as last read; the page's cache is kept newest first in
    // the ring's order as seen from it.
    int HistoryCursor = -1;

protected:
    // Runs a transfer inside a fresh progress window with the timer paused and the transport
    // handling window messages while it waits; the window is freed, the timer runs again and
    // the transport waits as before however the transfer ends. A transfer asked for while another
    // runs (possible only through the message handling of a step) is ignored.
    void RunTransfer(const std::function<void()>& transfer);

    // While one lives, the host's link-check timer is paused.
    class TPollPause {
    public:
        explicit TPollPause(TControllerHost* host);
        ~TPollPause();
        TPollPause(const TPollPause&) = delete;
        TPollPause& operator=(const TPollPause&) = delete;

    private:
        TControllerHost* const host_;
    };

    TDevZelvan9TK4 Device;

private:
    // The page's class decides its routines, first match wins; a page kind without routines
    // moves nothing. Defined in DeviceControllerDispatch.cpp, where each page kind that gets
    // transfer routines adds its case.
    void DispatchRead(TformIncl& page);
    void DispatchWrite(TformIncl& page);

    // Page transfers, each defined in its page's transfer file (DeviceController<Page>.cpp);
    // a page that gets transfer routines adds them here and its case to the dispatch.
    void ReadCommon(TFormCommon& page);
    void WriteCommon(TFormCommon& page);
    void ReadAutoTests(TformATests& page);
    void WriteAutoTests(TformATests& page);
    void ReadGprs(TformGPRS& page);
    void WriteGprs(TformGPRS& page);
    void ReadEngineerNumbers(TFormEnNumber& page);
    void WriteEngineerNumbers(TFormEnNumber& page);
    void ReadWays(TformWays& page);
    // Refused as a whole, with a message box and nothing sent, while a used way has no number.
    void WriteWays(TformWays& page);
    void ReadWayGroups(TformWays& page);
    void WritePhones(TformWays& page);
    void WriteWayChannels(TformWays& page);
    void WriteWayGroups(TformWays& page);
    void ReadKeypads(TFormKBDs& page);
    void WriteKeypads(TFormKBDs& page);
    void ReadLoops(TFormLoops& page);
    void WriteLoops(TFormLoops& page);
    void ReadHistory(TFormHistory& page);
    // Records first .. last-1 (16-bit, crossing the end of the ring), the oldest in grid row 32;
    // true whenever it returns.
    bool ReadHistoryRange(TFormHistory& page, quint16 first, quint16 last);
    // Up to three tries at one record; true with a record of exactly 39 characters.
    bool FetchHistoryRecord(quint16 index, QString& record);
    void Paging(TFormHistory& page, quint16 first);

    void ServiceCommand(bool (TDevZelvan9TK4::*command)(), bool busyCursor);
    void LogProgress(const QString& verb, const QString& label);
    void StoreVersion(const QString& answer);

    TComPortWorker* const Comm;
    TLogWriter* const Logger;
    TControllerHost* const Host;
    QStringList Errors;
    QPointer<TFormProgress> Progress; // while a transfer runs, or RunTransfers keeps it
    bool Transferring = false;
    bool KeepProgress = false;        // only inside RunTransfers
};

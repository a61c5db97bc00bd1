#pragma once

#include <QStringList>
#include <QThread>
#include <functional>

class TDeviceController;
class TformUpdateIns;

// The automatic firmware update: uploads the rows of the program's own firmware image (read
// and checked by the update window: 16-byte rows from address 0) to the panel's boot loader,
// then waits out the panel's flash rewrite. It does not log (the log is a window control) and
// touches the update window only through calls queued to the user-interface thread; before the
// flash rewrite, the point of no return, it waits until the window has locked its way out.
// While it runs the main window is locked and disabled and its link check is off, so nothing
// else talks to the panel.
//
// Stopping: requestInterruption(). The thread then sends nothing more, runs its loops out
// without requests and shows nothing more; a request already under way ends first.
class TUpdateThread : public QThread {
    Q_OBJECT
public:
    // device may be null (no connection): the update then only reports its failure. The window
    // must outlive the thread.
    // rows: the data digits of each 16-byte row, from row 0 on.
    TUpdateThread(TformUpdateIns* window, const QStringList& rows, TDeviceController* device, qint64 startMs);

signals:
    // The link went away under the upload (also after a stop was asked for): the port itself
    // (portGone) or the call. failureLine names the stage that was cut, reason is the system's
    // words. Emitted before the thread ends; the user-interface thread answers it once the
    // thread has ended, when nothing uses the device controller any more.
    void LinkLost(const QString& failureLine, const QString& reason, bool portGone);

protected:
    void run() override;

private:
    // The upload itself; true when the panel took the image and the flash wait is over.
    bool Upload();
    bool SendPackets(QString& eraseCommand);
    bool SendErase(const QString& eraseCommand);
    void WaitForFlash();

    // Queues a change of the window, unless the thread has been asked to stop.
    void Show(std::function<void(TformUpdateIns&)> change);
    // Has the window lock its way out and waits until it has; false when it did not (the window
    // had asked this thread to stop, or is gone).
    bool LockExit();
    // One part of the bar done, with the elapsed and remaining times.
    void Step();
    void ShowElapsed();
    void ShowTimes();
    bool Stopping() const { return isInterruptionRequested(); }

    TformUpdateIns* const Window;
    const QStringList Rows;
    TDeviceController* const Device;
    const qint64 StartMs;
    int totalParts_ = 0;
    int partsComplete_ = 0;
    // The log line for the stage running now, should the port go away in it.
    QString stageFailure_;
};

#pragma once

#include <QStringList>
#include <QThread>
#include <functional>

class TDeviceController;
class TformUpdateIns;

// The automatic firmware update: uploads the program's own firmware text (a title line, then
// Intel HEX records taken as consecutive 16-byte rows from address 0) to the panel's boot
// loader, then waits out the panel's flash rewrite. It does not log (the log is a window
// control) and touches the update window only through calls queued to the user-interface
// thread. While it runs the main window is locked and disabled and its link check is off, so
// nothing else talks to the panel.
//
// Stopping: requestInterruption(). The thread then sends nothing more, runs its loops out
// without requests and shows nothing more; a request already under way ends first.
class TUpdateThread : public QThread {
    Q_OBJECT
public:
    // device may be null (no connection): the update then only reports its failure. The window
    // must outlive the thread.
    TUpdateThread(TformUpdateIns* window, const QStringList& source, TDeviceController* device,
                  qint64 startMs);

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
    // One part of the bar done, with the elapsed and remaining times.
    void Step();
    void ShowElapsed();
    void ShowTimes();
    bool Stopping() const { return isInterruptionRequested(); }

    TformUpdateIns* const Window;
    const QStringList Source;
    TDeviceController* const Device;
    const qint64 StartMs;
    int totalParts_ = 0;
    int partsComplete_ = 0;
};

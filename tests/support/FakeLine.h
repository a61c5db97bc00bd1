#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// How a fake peer delivers one reply. The defaults send it at once, whole and as given.
struct FakeFault {
    bool silent = false;    // send nothing
    int delayMs = 0;        // wait this long before the first byte
    QList<int> splitAt;     // byte offsets of the reply where it pauses ...
    int gapMs = 0;          // ... for this long
    bool lowerCase = false; // Latin letters of the reply in lower case
    QByteArray junk;        // bytes sent before the reply
};

// A fault that leaves a command without any answer.
inline FakeFault Silent() {
    FakeFault fault;
    fault.silent = true;
    return fault;
}

// The far end of a pseudo-terminal, for tests of the real serial code: the code under test
// opens PortPath() as its serial port; the fake reads on its own thread and hands every chunk
// to OnBytes. Fake devices (the panel, later the modem) derive from it.
class FakeLine {
public:
    FakeLine();
    FakeLine(const FakeLine&) = delete;
    FakeLine& operator=(const FakeLine&) = delete;
    virtual ~FakeLine();

    // The device path of the port side, as TSerialComm opens it.
    QString PortPath() const { return portPath_; }

    // Raw bytes to the port, from any thread; false when they could not be written within a
    // second (nobody reads the port).
    bool Write(const QByteArray& bytes);
    // Every byte that came from the port so far.
    QByteArray Received() const;
    bool WaitForReceived(int count, int timeoutMs) const;
    // The device vanishes: the port side sees a hang-up, as with a USB adapter pulled out.
    // Linux hangs the port side up when the pseudo-terminal's far end closes, as it does a
    // serial tty whose adapter is pulled: reads give end of file (the bytes still queued are
    // lost), while writes, queue counts, flushes, drains and modem-line calls fail with EIO.
    // The device node goes, so the same path cannot be opened again.
    void Unplug();
    // When the fake vanished (Clock::NowMs), 0 while it has not.
    qint64 VanishedAtMs() const;

protected:
    // Derived classes start the thread at the end of their constructor and stop it first
    // thing in their destructor, so that OnBytes never runs on a half-built object.
    void Start();
    void Stop();
    // Called on the fake's thread with each chunk read from the port.
    virtual void OnBytes(const QByteArray& bytes) = 0;
    // Sends a reply with the given faults; called on the fake's thread. Returns early when the
    // fake is stopping.
    void Deliver(QByteArray reply, const FakeFault& fault);
    // Sleeps unless the fake is stopping; false when it is.
    bool Pause(int ms);
    // While set, the thread looks for the port's bytes without sleeping between looks, so that
    // its own waking up does not count in what a fake measures of the program's timing. It
    // keeps one processor busy.
    void SetSpinning(bool spinning) { spinning_ = spinning; }
    // Unplug from the fake's own thread (in OnBytes): the device vanishes at once; the thread
    // reads nothing more.
    void Vanish();

    // Guards the derived classes' tables and records as well.
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;

private:
    void Run();

    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the pty alive between the opens of the code under test
    int wake_[2] = {-1, -1};
    QString portPath_;
    std::thread thread_;
    bool stopping_ = false;
    std::atomic<bool> spinning_{false};
    std::atomic<qint64> vanishedAt_{0};
    std::mutex writeMutex_;
    QByteArray received_;
};

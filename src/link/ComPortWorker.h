#pragma once

#include "link/Communication.h"
#include "link/SerialComm.h"

#include <optional>

// The transport over a serial port with a direct cable to the panel. With KeyRts it raises RTS
// while it sends (the panel's line driver listens to it) and drops it before reading.
// Waiting polls the port with poll(), so a connected, idle program uses no CPU.
class TComPortWorker : public TCommunication {
public:
    TComPortWorker(bool keyRts, bool ownsPort);
    // Over a port made by the caller (tests watch the line through it); freed when ownsPort.
    TComPortWorker(bool keyRts, bool ownsPort, TSerialComm* port);
    TComPortWorker(const TComPortWorker&) = delete;
    TComPortWorker& operator=(const TComPortWorker&) = delete;
    ~TComPortWorker() override;

    int GetTimeout() override;
    // Always true: a write that failed shows only as a missing answer.
    bool Send(const QString& text) override;
    bool Receive(QString& answer, const QString& terminator, int timeoutMs) override;
    // A direct line keeps nothing aside between exchanges: no pending text, nothing to wait for.
    bool ReadPending(QString& answer, int timeoutMs) override;
    bool ReceiveAny(QString& answer, const QStringList& list, int timeoutMs) override;
    bool ReceiveDefault(QString& answer, const QString& terminator) override;
    bool ReceiveAnyDefault(QString& answer, const QStringList& list) override;
    bool WaitFor(const QString& terminator, int timeoutMs) override;
    bool WaitPending() override;
    bool WaitForAny(const QStringList& list, int timeoutMs) override;
    bool WaitForDefault(const QString& terminator) override;
    bool WaitForAnyDefault(const QStringList& list) override;

    // The answer time-out of this kind of transport, used until Open sets another.
    virtual int DefaultTimeoutValue();
    virtual void Purge();
    virtual void ReadAll(QString& text);
    virtual void SendRaw(const QString& text);

    bool IsOpen() const;
    void Close();
    void Open(const QString& portName, TBaudRate baudIndex);
    void OpenWithTimeout(const QString& portName, TBaudRate baudIndex, int timeoutMs);
    void RtsOn();
    void RtsOff();

    TSerialComm* const Port;
    bool Connected = false; // the modem call's state; the direct line never uses it
    // While set, a wait for an answer on the user-interface thread keeps handling its window
    // messages (a page transfer sets it): the windows repaint and "Отмена" is heard while the
    // bytes are on the wire, instead of between two exchanges.
    bool PumpWhileWaiting = false;

protected:
    // The terminator ends an answer at once only where a real terminator stands: at the start
    // of the text or right after CR or LF. One inside a line ("internet.ok") is part of a value.
    static bool TerminatorEndsAnswer(const QString& answer, const QString& terminator);

    const bool OwnsPort;
    const bool KeyRts;

private:
    // Until input is queued or timeoutMs pass.
    void WaitForInput(int timeoutMs);

    // Empty until first asked for: the constructor cannot ask a subclass for its value.
    std::optional<int> DefaultTimeout;
};

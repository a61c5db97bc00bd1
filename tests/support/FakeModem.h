#pragma once

#include "support/FakePanel.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <atomic>
#include <thread>

// A GSM data modem at the far end of the serial line, with a fake panel behind its data call.
//
// Command mode: commands end with CR (the LF after it is ignored). "ATD..." is answered with the
// dial result (by default "CONNECT 9600", after which the modem is in data mode), "AT+CREG?"
// with "+CREG: " and the registration state, "ATH" and every other "AT..." with "OK", anything
// else with "ERROR"; each result code in CR LF as modems send them.
// Data mode: every byte goes to the panel and the panel's replies come back, until "+++"
// returns the modem to command mode ("OK").
//
// Every command is recorded ("+++" included); FakeLine::Received() holds the raw bytes.
class FakeModem : public FakeLine {
public:
    FakeModem();
    ~FakeModem() override;

    // The panel at the other end of the call.
    FakePanel& Panel() { return panel_; }

    // The answer to a dial: "CONNECT 9600", "BUSY", "NO CARRIER" ...; empty: no answer at all.
    void SetDialResult(const QByteArray& result);
    // The states answered to successive "AT+CREG?" ("0,2", "0,1", "1,1" ...); the last repeats.
    void SetRegistration(const QList<QByteArray>& states);
    // Exact bytes answered to a command (or to "+++") in place of the usual answer.
    void SetReply(const QByteArray& command, const QByteArray& reply);
    void SetFault(const QByteArray& command, const FakeFault& fault);
    // The far end hangs up: "NO CARRIER" and back to command mode.
    void DropCall();

    QList<QByteArray> Commands() const;
    int CountOf(const QByteArray& command) const;
    bool WaitForCommands(int count, int timeoutMs) const;
    // Waits until this command has come count times.
    bool WaitForCountOf(const QByteArray& command, int count, int timeoutMs) const;
    bool InCall() const { return inCall_; }

protected:
    void OnBytes(const QByteArray& bytes) override;

private:
    void Command(const QByteArray& line);
    // Passes data to the panel up to an escape; returns the bytes after "+++" (command mode).
    QByteArray PassData(const QByteArray& bytes);
    void WriteToPanel(const QByteArray& bytes);
    void Relay();

    FakePanel panel_;
    int panelFd_ = -1;
    int wake_[2] = {-1, -1};
    std::thread relay_;
    std::atomic<bool> inCall_{false};

    // Used on the fake's thread only.
    QByteArray pending_;
    int pluses_ = 0;

    // Guarded by mutex_.
    QList<QByteArray> commands_;
    QMap<QByteArray, QByteArray> replies_;
    QMap<QByteArray, FakeFault> faults_;
    QByteArray dialResult_ = "CONNECT 9600";
    QList<QByteArray> registration_{"0,1"};
};

#pragma once

#include "link/ComPortWorker.h"

#include <functional>

// The transport over a GSM data modem on the serial port: the AT dialogue that sets up a data
// call, and after "CONNECT" the panel protocol over that call. Every text received is watched
// for the modem's failure answers ("BUSY", "NO CARRIER", ...), which end the link with a
// TModemException, and for "ERROR", which ends the current receive (the fourth in a row
// raises). Each counts only as a line of its own, the way a modem sends its result codes.
// RTS is not keyed per send: the modem wants it up for the whole call.
//
// Waits poll every 20 ms with Delay, which on the user-interface thread handles window
// messages, so the dialling dialog's "Отмена" stays live while an AT command waits.
//
// Use by the connection code:
//   worker.Open(port, br19200);                  // then dial with TFormDial::Execute
//   worker.LinkAlive([&] { return readVersion(); }) // the 10-second link check
//   worker.EndCall([&](const QString& s) { log.WriteMessage(s); }); worker.Close(); // disconnect
class TModemWorker : public TComPortWorker {
public:
    TModemWorker();

    // Collects text until the terminator (see TComPortWorker::Receive). Fails at once when
    // StopFlag is set or the text holds an "error" line; raises TModemException on a failure answer.
    // On success every CR is removed from the answer.
    bool Receive(QString& answer, const QString& terminator, int timeoutMs) override;
    // Everything received so far, without CR; always true.
    bool ReadPending(QString& answer, int timeoutMs) override;
    // As Receive, until any item of the list has arrived.
    bool ReceiveAny(QString& answer, const QStringList& list, int timeoutMs) override;
    int DefaultTimeoutValue() override;
    // Reads what is pending and checks it for failure answers instead of throwing it away: a
    // "NO CARRIER" between two exchanges must not go unnoticed.
    void Purge() override;

    // Raises TModemException (after clearing Connected) when a line of the text is a failure answer.
    void CheckResultCodes(const QString& text);
    // True when a line of the text is "error"; the fourth such check in a row raises
    // TModemException (after clearing Connected). A text without that line resets the count.
    bool CheckErrorAnswer(const QString& text);
    static void StripCR(QString& text);

    // The AT operations. Their time-outs are seconds long and go through the clock's scaling.
    bool SendAT(const QString& command, const QString& expect, int tries, int timeoutMs);
    bool SendAT5s(const QString& command, const QString& expect, int tries);
    // Sends the command once and does not wait for the answer.
    void SendATNoWait(const QString& command);
    bool SendAndReceive(const QString& command, QString& answer, const QString& terminator, int tries);
    bool ResetModem();
    bool CheckAT();
    // Retries until the modem says "OK" or StopFlag is set.
    bool SetBearerService();
    // Registered in the home network or roaming: "+CREG: n,1" or "+CREG: n,5" for any report
    // setting n (0, 1 or 2), location fields after it or not.
    bool IsRegistered();
    bool Dial(const QString& number);
    // Drops RTS for a second and raises it again for the call; plain sleeps.
    void ResetLine();
    void EscapeToCommand();
    // Writes "ATH" even when a late failure answer is pending (it is read and dropped).
    void HangUp();

    // Ends a call: logs "+++" through logLine, escapes to command mode, logs "ATH" and hangs
    // up. A failure answer arriving late or a port fault on the way is swallowed: the call is
    // being given up anyway. The port stays open.
    void EndCall(const std::function<void(const QString&)>& logLine);

    // The link check of an established call: alive when Connected is set and then readVersion
    // (an exchange with the panel over the call) succeeds. Any exception, a failure answer
    // included, counts as a dead link; nothing escapes.
    bool LinkAlive(const std::function<bool()>& readVersion);

    // How many answers in a row held "error".
    int ErrorCount = 0;
    // Set by the dialling dialog's "Отмена"; every modem wait reads it. It lives as long as the
    // worker, and the dialog clears it whenever a dial sequence ends.
    bool StopFlag = false;

private:
    // CheckErrorAnswer on an answer that has ended (its terminator came) or holds "error".
    bool ErrorAnswer(const QString& answer, bool ended);
};

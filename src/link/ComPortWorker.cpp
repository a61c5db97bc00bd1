#include "link/ComPortWorker.h"

#include "base/AsciiText.h"
#include "platform/Clock.h"
#include "platform/MessagePump.h"

namespace {

constexpr int kDirectTimeoutMs = 300;
// How long a wait that handles window messages may leave them unhandled.
constexpr int kPumpSliceMs = 2;

bool ContainsAny(const QString& text, const QStringList& list) {
    for (const QString& item : list)
        if (asciiContains(text, item))
            return true;
    return false;
}

} // namespace

TComPortWorker::TComPortWorker(bool keyRts, bool ownsPort) : TComPortWorker(keyRts, ownsPort, new TSerialComm) {}

TComPortWorker::TComPortWorker(bool keyRts, bool ownsPort, TSerialComm* port)
    : Port(port), OwnsPort(ownsPort), KeyRts(keyRts) {}

TComPortWorker::~TComPortWorker() {
    if (OwnsPort)
        delete Port;
}

int TComPortWorker::DefaultTimeoutValue() {
    return kDirectTimeoutMs;
}

int TComPortWorker::GetTimeout() {
    if (!DefaultTimeout)
        DefaultTimeout = DefaultTimeoutValue();
    return *DefaultTimeout;
}

bool TComPortWorker::IsOpen() const {
    return Port->Opened();
}

void TComPortWorker::Close() {
    if (Port->Opened())
        Port->Close();
}

void TComPortWorker::Open(const QString& portName, TBaudRate baudIndex) {
    OpenWithTimeout(portName, baudIndex, DefaultTimeoutValue());
}

void TComPortWorker::OpenWithTimeout(const QString& portName, TBaudRate baudIndex, int timeoutMs) {
    Close();
    Port->SetBaudRate(baudIndex);
    Port->SetDeviceName(portName);
    Port->SetStopBits(sb1);
    Port->SetParity(paNone);
    Port->SetFlowControl(fcNone);
    Port->SetDataBits(db8);
    Port->Open();
    DefaultTimeout = timeoutMs;
}

void TComPortWorker::RtsOn() {
    Port->SetRTS(true);
}

void TComPortWorker::RtsOff() {
    Port->SetRTS(false);
}

void TComPortWorker::Purge() {
    if (!Port->Opened())
        return;
    Port->PurgeIn();
    Port->PurgeOut();
}

void TComPortWorker::SendRaw(const QString& text) {
    Purge();
    if (KeyRts)
        RtsOn();
    Port->SendString(text);
    if (KeyRts) {
        // write() returns while the bytes still wait in the driver; dropping RTS then would
        // switch the panel's line driver off in the middle of the frame.
        Port->Drain();
        RtsOff();
    }
}

bool TComPortWorker::Send(const QString& text) {
    SendRaw(text);
    return true;
}

void TComPortWorker::ReadAll(QString& text) {
    if (KeyRts)
        RtsOff();
    text.clear();
    // Bounded by the port's input time-out, so that a line that never stops sending cannot
    // hold the caller here.
    const qint64 start = Clock::NowMs();
    const int limitMs = Port->Buffers().InputTimeout();
    QString chunk;
    while (Port->QueueCount(0) > 0 && Clock::NowMs() - start <= limitMs) {
        Port->ReadString(chunk);
        text += chunk;
    }
}

bool TComPortWorker::TerminatorEndsAnswer(const QString& answer, const QString& terminator) {
    for (qsizetype at = asciiIndexOf(answer, terminator); at >= 0; at = asciiIndexOf(answer, terminator, at + 1)) {
        if (at == 0 || answer.at(at - 1) == u'\r' || answer.at(at - 1) == u'\n')
            return true;
    }
    return false;
}

bool TComPortWorker::Receive(QString& answer, const QString& terminator, int timeoutMs) {
    if (KeyRts)
        RtsOff();
    answer.clear();
    const qint64 start = Clock::NowMs();
    auto timedOut = [&] { return Clock::NowMs() - start > timeoutMs; };
    QString chunk;
    while (!timedOut()) {
        while (Port->QueueCount(0) > 0) {
            Port->ReadString(chunk);
            answer += chunk;
            if (TerminatorEndsAnswer(answer, terminator))
                return true;
            if (timedOut())
                break;
        }
        if (timedOut())
            break;
        WaitForInput(MsUntilPast(start, timeoutMs));
    }
    // The wait may have handled window messages that held this thread past the time-out (a
    // dialog opened from the log pane): what had arrived by then still counts, instead of
    // sending the request again. One read only, so that a line that never stops sending cannot
    // hold the caller here.
    if (Port->QueueCount(0) > 0) {
        Port->ReadString(chunk);
        answer += chunk;
        if (TerminatorEndsAnswer(answer, terminator))
            return true;
    }
    // A device that puts its terminator at the end of a line without a line break is still
    // understood, only after the whole time-out.
    return asciiContains(answer, terminator);
}

bool TComPortWorker::ReceiveAny(QString& answer, const QStringList& list, int timeoutMs) {
    answer.clear();
    const qint64 start = Clock::NowMs();
    QString chunk;
    for (;;) {
        ReadAll(chunk);
        answer += chunk; // an item split over two reads is still found
        if (ContainsAny(answer, list))
            return true;
        if (Clock::NowMs() - start > timeoutMs)
            return false;
        WaitForInput(MsUntilPast(start, timeoutMs));
    }
}

void TComPortWorker::WaitForInput(int timeoutMs) {
    if (!PumpWhileWaiting) {
        Port->WaitForInput(timeoutMs);
        return;
    }
    PumpMessages();
    Port->WaitForInput(qMin(timeoutMs, kPumpSliceMs));
}

bool TComPortWorker::ReadPending(QString& answer, int) {
    answer.clear();
    return false;
}

bool TComPortWorker::WaitPending() {
    return false;
}

bool TComPortWorker::ReceiveDefault(QString& answer, const QString& terminator) {
    return Receive(answer, terminator, GetTimeout());
}

bool TComPortWorker::ReceiveAnyDefault(QString& answer, const QStringList& list) {
    return ReceiveAny(answer, list, GetTimeout());
}

bool TComPortWorker::WaitFor(const QString& terminator, int timeoutMs) {
    QString dropped;
    return Receive(dropped, terminator, timeoutMs);
}

bool TComPortWorker::WaitForAny(const QStringList& list, int timeoutMs) {
    QString dropped;
    return ReceiveAny(dropped, list, timeoutMs);
}

bool TComPortWorker::WaitForDefault(const QString& terminator) {
    QString dropped;
    return ReceiveDefault(dropped, terminator);
}

bool TComPortWorker::WaitForAnyDefault(const QStringList& list) {
    QString dropped;
    return ReceiveAnyDefault(dropped, list);
}

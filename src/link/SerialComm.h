#pragma once

#include "base/Exceptions.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class SerialBackend;
struct SerialLineSettings;
struct SysStatus;

enum TBaudRate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
    brCustom
};
enum TDataBits { db4, db5, db6, db7, db8 };
enum TParity { paNone, paOdd, paEven, paMark, paSpace };
enum TStopBits { sb1, sb1_5, sb2 };
enum TFlowControl { fcNone, fcRtsCts, fcDtrDsr, fcSoftware, fcCustom };

// Line-control flag sets; each is an or-ed combination of its flags.
enum TRTSSetting : unsigned { fsCTSOut = 1u << 0, fsRTSEnabled = 1u << 1, fsRTSHandshake = 1u << 2 };
enum TDTRSetting : unsigned { fsDSROut = 1u << 0, fsDTREnabled = 1u << 1, fsDTRHandshake = 1u << 2 };
enum TXOnXOffSetting : unsigned { fsInX = 1u << 0, fsOutX = 1u << 1 };
// A Linux tty honours coParityCheck and coLeaveDTROpen; coDiscardNull is done by the component
// as it reads. A tty has no abort-on-error state and always goes on sending after it sent XOFF,
// so coAbortOnError and coTXContinueOnXOff change nothing. It can neither ignore input while DSR
// is low nor replace bytes with a parity error: coDSRSensitivity and coErrorChar are refused.
enum TCommOption : unsigned {
    coAbortOnError = 1u << 0,
    coDiscardNull = 1u << 1,
    coDSRSensitivity = 1u << 2,
    coErrorChar = 1u << 3,
    coParityCheck = 1u << 4,
    coTXContinueOnXOff = 1u << 5,
    coLeaveDTROpen = 1u << 6,
};
using TRTSSettings = unsigned;
using TDTRSettings = unsigned;
using TXOnXOffSettings = unsigned;
using TCommOptions = unsigned;

class TCustomComm;

// Byte size, parity and stop bits of the line.
class TCommDataControl {
public:
    explicit TCommDataControl(TCustomComm& owner) : owner_(owner) {}
    TDataBits DataBits() const { return dataBits_; }
    TParity Parity() const { return parity_; }
    TStopBits StopBits() const { return stopBits_; }
    void SetDataBits(TDataBits value);
    void SetParity(TParity value);
    void SetStopBits(TStopBits value);
    void Assign(const TCommDataControl& source);

private:
    TCustomComm& owner_;
    TDataBits dataBits_ = db8;
    TParity parity_ = paNone;
    TStopBits stopBits_ = sb1;
};

// Queue sizes (bytes) and the time-outs (ms) of Read and Send. A Linux tty has queues of a
// fixed size; OutputSize still caps how much Send puts into the driver's queue at a time.
class TCommBuffers {
public:
    explicit TCommBuffers(TCustomComm& owner) : owner_(owner) {}
    quint16 InputSize() const { return inputSize_; }
    quint16 InputTimeout() const { return inputTimeout_; }
    quint16 OutputSize() const { return outputSize_; }
    quint16 OutputTimeout() const { return outputTimeout_; }
    // Sizes are kept within 128 to 4096 bytes.
    void SetInputSize(quint16 value);
    void SetOutputSize(quint16 value);
    void SetInputTimeout(quint16 value) { inputTimeout_ = value; }
    void SetOutputTimeout(quint16 value) { outputTimeout_ = value; }
    void Assign(const TCommBuffers& source);

private:
    TCustomComm& owner_;
    quint16 inputSize_ = 2048;
    quint16 inputTimeout_ = 500;
    quint16 outputSize_ = 2048;
    quint16 outputTimeout_ = 500;
};

// The line's special characters. XON and XOFF go into the tty's settings; a tty has no
// error-replacement, end-of-file or event character in raw mode, so those three are kept only.
class TCommEventChars {
public:
    explicit TCommEventChars(TCustomComm& owner) : owner_(owner) {}
    unsigned char XonChar() const { return xonChar_; }
    unsigned char XoffChar() const { return xoffChar_; }
    unsigned char ErrorChar() const { return errorChar_; }
    unsigned char EofChar() const { return eofChar_; }
    unsigned char EventChar() const { return eventChar_; }
    void SetXonChar(unsigned char value);
    void SetXoffChar(unsigned char value);
    void SetErrorChar(unsigned char value) { errorChar_ = value; }
    void SetEofChar(unsigned char value) { eofChar_ = value; }
    void SetEventChar(unsigned char value) { eventChar_ = value; }
    void Assign(const TCommEventChars& source);

private:
    TCustomComm& owner_;
    unsigned char xonChar_ = 17;
    unsigned char xoffChar_ = 19;
    unsigned char errorChar_ = 0;
    unsigned char eofChar_ = 0;
    unsigned char eventChar_ = 10;
};

// The five time-outs (ms) of the port's reads and writes, kept as settings. Reads and writes of
// a Linux tty here never block: every wait is the component's own, bounded by the InputTimeout
// and OutputTimeout of the buffers, so there is nothing in the tty for these values to drive.
struct TCommTimeoutsEx {
    quint32 ReadInterval = 1;
    quint32 ReadMultiplier = 0;
    quint32 ReadConstant = 1;
    quint32 WriteMultiplier = 0;
    quint32 WriteConstant = 1;
};

// One serial port: open by name, line settings, purge, queue counts, RTS, and reads and
// writes that wait for the line with poll() instead of spinning. A name without "/" is a
// device in /dev. Failures raise EDeviceError with the codes of SerialErr, except that a device
// that goes away under the open port raises TCloseException (see RaisePortSystemError).
//
// Of the port's event handlers only OnSend and OnRead are kept, called after each chunk written
// or read; no event thread watches the port, since nothing in the program acts on port events
// (the transports poll the queues themselves).
class TCustomComm {
public:
    TCustomComm();
    // Tests pass a backend that records how the line is driven.
    explicit TCustomComm(std::unique_ptr<SerialBackend> backend);
    TCustomComm(const TCustomComm&) = delete;
    TCustomComm& operator=(const TCustomComm&) = delete;
    virtual ~TCustomComm();

    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate value);
    quint32 BaudValue() const { return baudValue_; }
    // A rate outside the table: BaudRate becomes brCustom.
    void SetBaudValue(quint32 value);
    const QString& DeviceName() const { return deviceName_; }
    // Ignored while the port is open.
    void SetDeviceName(const QString& value);

    TCommDataControl& DataControl() { return dataControl_; }
    TDataBits DataBits() const { return dataControl_.DataBits(); }
    TParity Parity() const { return dataControl_.Parity(); }
    TStopBits StopBits() const { return dataControl_.StopBits(); }
    void SetDataBits(TDataBits value) { dataControl_.SetDataBits(value); }
    void SetParity(TParity value) { dataControl_.SetParity(value); }
    void SetStopBits(TStopBits value) { dataControl_.SetStopBits(value); }
    TCommBuffers& Buffers() { return buffers_; }
    TCommEventChars& EventChars() { return eventChars_; }
    TCommTimeoutsEx& Timeouts() { return timeouts_; }

    // Any value but fcCustom re-derives the three line-control sets.
    TFlowControl FlowControl() const { return flowControl_; }
    void SetFlowControl(TFlowControl value);
    // Setting a set by hand makes the flow control fcCustom.
    TRTSSettings RTSSettings() const { return rtsSettings_; }
    TDTRSettings DTRSettings() const { return dtrSettings_; }
    TXOnXOffSettings XOnXOffSettings() const { return xonXoffSettings_; }
    void SetRTSSettings(TRTSSettings value);
    void SetDTRSettings(TDTRSettings value);
    void SetXOnXOffSettings(TXOnXOffSettings value);
    TCommOptions Options() const { return options_; }
    void SetOptions(TCommOptions value);

    void Open();
    // Also zeroes the byte counters.
    void Close();
    bool Opened() const;
    // 3 when closed; else bit 0 while OnSend runs (sends are refused), bit 1 while OnRead runs
    // (reads are refused).
    int LockState() const;
    // Bytes received (those thrown away by PurgeIn included) and bytes sent since Open.
    quint32 BytesReceived() const { return bytesReceived_; }
    quint32 BytesSent() const { return bytesSent_; }

    void PurgeIn();
    void PurgeOut();
    // 0: bytes waiting to be read; 1: bytes waiting to be sent; anything else 0.
    int QueueCount(int which);
    void SetRTS(bool on);
    // Returns once the last byte written has left the transmitter.
    void Drain();
    // Sleeps until input arrives (true) or timeoutMs passes (false); never spins.
    bool WaitForInput(int timeoutMs);

    // True when every byte was written; the text goes out in Windows-1251.
    bool SendString(const QString& text);
    int Send(const char* buffer, int count);
    int SendData(const char* buffer, int count, int timeoutMs);
    // Everything queued at the moment; true when that was not empty.
    bool ReadString(QString& text);
    int Read(char* buffer, int count);
    int ReadData(char* buffer, int count, int timeoutMs);

    void ApplyCommState();
    void ApplyBuffers();

    // Called after each chunk that SendData wrote / ReadData read; unassigned by the transports.
    std::function<void()> OnSend;
    std::function<void()> OnRead;

private:
    enum : int { kSendBusy = 1, kReadBusy = 2 };
    void CallBusy(const std::function<void()>& handler, int flag);
    void RequireOpen() const;
    void DeriveLineControl();
    SerialLineSettings LineSettings() const;
    int WriteSome(const char* buffer, int count);
    int ReadSome(char* buffer, int count);
    void WaitForRoom(int timeoutMs);

    std::unique_ptr<SerialBackend> backend_;
    TBaudRate baudRate_ = br9600;
    quint32 baudValue_ = 9600;
    QString deviceName_ = QStringLiteral("COM2");
    TCommDataControl dataControl_{*this};
    TCommBuffers buffers_{*this};
    TCommEventChars eventChars_{*this};
    TCommTimeoutsEx timeouts_;
    TFlowControl flowControl_ = fcNone;
    TRTSSettings rtsSettings_ = 0;
    TDTRSettings dtrSettings_ = 0;
    TXOnXOffSettings xonXoffSettings_ = 0;
    TCommOptions options_ = 0;
    int busy_ = 0;
    quint32 bytesReceived_ = 0;
    quint32 bytesSent_ = 0;
};

// A port as the user sees it outside the port list: a device in /dev without that folder
// ("ttyUSB0"), so that it fits where the designs give a port a few characters; any other path
// stays whole.
QString ShortPortName(const QString& deviceName);

// Milliseconds from now until just past start + timeoutMs: a wait of that length ends with
// "more than timeoutMs elapsed" true, so a poll loop neither spins nor ends early.
int MsUntilPast(qint64 start, int timeoutMs);

// The component as the transports create it.
class TSerialComm : public TCustomComm {
public:
    using TCustomComm::TCustomComm;
};

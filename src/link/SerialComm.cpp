#include "link/SerialComm.h"

#include "base/Cp1251.h"
#include "link/SerialErr.h"
#include "platform/Clock.h"
#include "platform/SerialBackend.h"

#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <array>

using namespace SerialErr;

namespace {

constexpr std::array<quint32, 15> kBaudValues = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                                 19200, 38400, 56000, 57600, 115200, 128000, 256000};

quint16 ClampQueueSize(quint16 size) {
    return qBound<quint16>(128, size, 4096);
}

} // namespace

QString ShortPortName(const QString& deviceName) {
    const QLatin1String devices("/dev/");
    return deviceName.startsWith(devices) ? deviceName.mid(devices.size()) : deviceName;
}

int MsUntilPast(qint64 start, int timeoutMs) {
    return int(qMax<qint64>(start + timeoutMs - Clock::NowMs() + 1, 0));
}

// --- settings objects -------------------------------------------------------------------------

void TCommDataControl::SetDataBits(TDataBits value) {
    if (value == dataBits_) return;
    dataBits_ = value;
    owner_.ApplyCommState();
}

void TCommDataControl::SetParity(TParity value) {
    if (value == parity_) return;
    parity_ = value;
    owner_.ApplyCommState();
}

void TCommDataControl::SetStopBits(TStopBits value) {
    if (value == stopBits_) return;
    stopBits_ = value;
    owner_.ApplyCommState();
}

void TCommDataControl::Assign(const TCommDataControl& source) {
    dataBits_ = source.dataBits_;
    parity_ = source.parity_;
    stopBits_ = source.stopBits_;
    owner_.ApplyCommState();
}

void TCommBuffers::SetInputSize(quint16 value) {
    value = ClampQueueSize(value);
    if (value == inputSize_) return;
    inputSize_ = value;
    owner_.ApplyBuffers();
}

void TCommBuffers::SetOutputSize(quint16 value) {
    value = ClampQueueSize(value);
    if (value == outputSize_) return;
    outputSize_ = value;
    owner_.ApplyBuffers();
}

void TCommBuffers::Assign(const TCommBuffers& source) {
    inputSize_ = source.inputSize_;
    inputTimeout_ = source.inputTimeout_;
    outputSize_ = source.outputSize_;
    outputTimeout_ = source.outputTimeout_;
    owner_.ApplyBuffers();
}

void TCommEventChars::SetXonChar(unsigned char value) {
    if (value == xonChar_) return;
    xonChar_ = value;
    owner_.ApplyCommState();
}

void TCommEventChars::SetXoffChar(unsigned char value) {
    if (value == xoffChar_) return;
    xoffChar_ = value;
    owner_.ApplyCommState();
}

void TCommEventChars::Assign(const TCommEventChars& source) {
    xonChar_ = source.xonChar_;
    xoffChar_ = source.xoffChar_;
    errorChar_ = source.errorChar_;
    eofChar_ = source.eofChar_;
    eventChar_ = source.eventChar_;
    owner_.ApplyCommState();
}

// --- the port -------------------------------------------------------------------------------

TCustomComm::TCustomComm() : TCustomComm(std::make_unique<SerialBackend>()) {}

TCustomComm::TCustomComm(std::unique_ptr<SerialBackend> backend) : backend_(std::move(backend)) {}

// The backend closes an open port as it goes.
TCustomComm::~TCustomComm() = default;

void TCustomComm::SetBaudRate(TBaudRate value) {
    if (value == baudRate_) return;
    baudRate_ = value;
    if (value != brCustom) baudValue_ = kBaudValues[value];
    ApplyCommState();
}

void TCustomComm::SetBaudValue(quint32 value) {
    if (value == baudValue_) return;
    baudValue_ = value;
    baudRate_ = brCustom;
    ApplyCommState();
}

void TCustomComm::SetDeviceName(const QString& value) {
    if (!Opened()) deviceName_ = value;
}

void TCustomComm::SetFlowControl(TFlowControl value) {
    if (value == flowControl_) return;
    flowControl_ = value;
    DeriveLineControl();
    ApplyCommState();
}

void TCustomComm::SetRTSSettings(TRTSSettings value) {
    if (value == rtsSettings_) return;
    rtsSettings_ = value;
    flowControl_ = fcCustom;
    ApplyCommState();
}

void TCustomComm::SetDTRSettings(TDTRSettings value) {
    if (value == dtrSettings_) return;
    dtrSettings_ = value;
    flowControl_ = fcCustom;
    ApplyCommState();
}

void TCustomComm::SetXOnXOffSettings(TXOnXOffSettings value) {
    if (value == xonXoffSettings_) return;
    xonXoffSettings_ = value;
    flowControl_ = fcCustom;
    ApplyCommState();
}

void TCustomComm::SetOptions(TCommOptions value) {
    if (value == options_) return;
    options_ = value;
    DeriveLineControl();
    ApplyCommState();
}

void TCustomComm::DeriveLineControl() {
    if (flowControl_ == fcCustom) return;
    rtsSettings_ = dtrSettings_ = xonXoffSettings_ = 0;
    switch (flowControl_) {
    case fcRtsCts:
        rtsSettings_ = fsCTSOut | fsRTSHandshake;
        break;
    case fcDtrDsr:
        dtrSettings_ = fsDSROut;
        rtsSettings_ = fsRTSEnabled;
        break;
    case fcSoftware:
        xonXoffSettings_ = fsInX | fsOutX;
        break;
    default:
        break;
    }
    if (flowControl_ != fcNone) dtrSettings_ |= fsDTREnabled;
    if (options_ & coLeaveDTROpen) dtrSettings_ = (dtrSettings_ | fsDTREnabled) & ~fsDTRHandshake;
}

SerialLineSettings TCustomComm::LineSettings() const {
    SerialLineSettings s;
    s.baud = baudValue_;
    s.dataBits = 4 + int(DataBits());
    s.parity = SerialParity(Parity());
    s.stopBits = SerialStopBits(StopBits());
    s.parityCheck = options_ & coParityCheck;
    s.dsrSensitivity = options_ & coDSRSensitivity;
    s.errorCharReplacement = options_ & coErrorChar;
    s.rtsCtsFlow = (rtsSettings_ & fsCTSOut) || (rtsSettings_ & fsRTSHandshake);
    s.dsrOutFlow = dtrSettings_ & fsDSROut;
    s.dtrHandshake = dtrSettings_ & fsDTRHandshake;
    s.xonOnInput = xonXoffSettings_ & fsInX;
    s.xonOnOutput = xonXoffSettings_ & fsOutX;
    s.xonChar = eventChars_.XonChar();
    s.xoffChar = eventChars_.XoffChar();
    s.dtrOn = (dtrSettings_ & fsDTREnabled) || (options_ & coLeaveDTROpen);
    s.rtsOn = rtsSettings_ & fsRTSEnabled;
    return s;
}

void TCustomComm::ApplyCommState() {
    if (!Opened()) return;
    if (const SysStatus st = backend_->Apply(LineSettings()); !st.ok())
        RaiseDeviceSystemError(sMsgCommState, ErrCommState, st.call, st.error);
}

void TCustomComm::ApplyBuffers() {
    if (!Opened()) return;
    if (const SysStatus st = backend_->Purge(true, true); !st.ok())
        RaiseDeviceSystemError(sMsgBuffers, ErrBuffers, st.call, st.error);
}

void TCustomComm::Open() {
    if (Opened()) RaiseDeviceError(sMsgAlreadyOpened, ErrAlreadyOpened);
    busy_ = 0;
    const QString path = deviceName_.contains(u'/') ? deviceName_ : QStringLiteral("/dev/") + deviceName_;
    if (const SysStatus st = backend_->Open(QFile::encodeName(path)); !st.ok())
        RaiseDeviceSystemError(QString::fromLatin1(sMsgOpen).arg(ShortPortName(deviceName_)), ErrOpen,
                               st.call, st.error);
    // A failure from here on leaves the port open, as the caller may retry the settings.
    ApplyCommState();
    ApplyBuffers();
}

void TCustomComm::Close() {
    RequireOpen();
    backend_->Close();
    bytesReceived_ = bytesSent_ = 0;
}

bool TCustomComm::Opened() const {
    return backend_->IsOpen();
}

int TCustomComm::LockState() const {
    return Opened() ? busy_ : kSendBusy | kReadBusy;
}

void TCustomComm::CallBusy(const std::function<void()>& handler, int flag) {
    if (!handler) return;
    busy_ |= flag;
    const auto clear = qScopeGuard([this, flag] { busy_ &= ~flag; });
    handler();
}

void TCustomComm::RequireOpen() const {
    if (!Opened()) RaiseDeviceError(sMsgNotOpened, ErrNotOpened);
}

void TCustomComm::PurgeIn() {
    RequireOpen();
    bytesReceived_ += quint32(QueueCount(0));
    if (const SysStatus st = backend_->Purge(true, false); !st.ok())
        RaisePortSystemError(sMsgRead, ErrRead, st.call, st.error);
}

void TCustomComm::PurgeOut() {
    RequireOpen();
    if (const SysStatus st = backend_->Purge(false, true); !st.ok())
        RaisePortSystemError(sMsgWrite, ErrWrite, st.call, st.error);
}

int TCustomComm::QueueCount(int which) {
    RequireOpen();
    int count = 0;
    if (which == 0) {
        // A device that went away fails here rather than looking like an empty queue.
        if (const SysStatus st = backend_->QueuedInput(count); !st.ok())
            RaisePortSystemError(sMsgRead, ErrRead, st.call, st.error);
    } else if (which == 1) {
        if (const SysStatus st = backend_->QueuedOutput(count); !st.ok())
            RaisePortSystemError(sMsgWrite, ErrWrite, st.call, st.error);
    }
    return count;
}

void TCustomComm::SetRTS(bool on) {
    RequireOpen();
    if (const SysStatus st = backend_->SetRts(on); !st.ok())
        RaisePortSystemError(sMsgWrite, ErrWrite, st.call, st.error);
}

void TCustomComm::Drain() {
    RequireOpen();
    if (const SysStatus st = backend_->Drain(); !st.ok())
        RaisePortSystemError(sMsgWrite, ErrWrite, st.call, st.error);
}

bool TCustomComm::WaitForInput(int timeoutMs) {
    RequireOpen();
    SysStatus st;
    const SerialWait result = backend_->WaitReadable(timeoutMs, st);
    if (result == SerialWait::HungUp) RaisePortSystemError(sMsgRead, ErrRead, st.call, st.error);
    return result == SerialWait::Ready;
}

void TCustomComm::WaitForRoom(int timeoutMs) {
    SysStatus st;
    if (backend_->WaitWritable(timeoutMs, st) == SerialWait::HungUp)
        RaisePortSystemError(sMsgWrite, ErrWrite, st.call, st.error);
}

int TCustomComm::WriteSome(const char* buffer, int count) {
    int put = 0;
    if (const SysStatus st = backend_->Write(buffer, count, put); !st.ok())
        RaisePortSystemError(sMsgWrite, ErrWrite, st.call, st.error);
    bytesSent_ += quint32(put);
    return put;
}

int TCustomComm::ReadSome(char* buffer, int count) {
    int got = 0;
    if (const SysStatus st = backend_->Read(buffer, count, got); !st.ok())
        RaisePortSystemError(sMsgRead, ErrRead, st.call, st.error);
    bytesReceived_ += quint32(got);
    if (options_ & coDiscardNull) got = int(std::remove(buffer, buffer + got, '\0') - buffer);
    return got;
}

int TCustomComm::SendData(const char* buffer, int count, int timeoutMs) {
    RequireOpen();
    if (busy_ & kSendBusy) RaiseDeviceError(sMsgSendLocked, ErrSendLocked);
    if (count <= 0) return 0;
    const qint64 start = Clock::NowMs();
    int done = 0;
    while (done < count) {
        const int room = buffers_.OutputSize() - QueueCount(1);
        if (room > 0) {
            const int put = WriteSome(buffer + done, qMin(room, count - done));
            if (put > 0) {
                done += put;
                CallBusy(OnSend, kSendBusy);
                continue;
            }
        }
        if (Clock::NowMs() - start > timeoutMs) break;
        if (room > 0) {
            WaitForRoom(MsUntilPast(start, timeoutMs));
        } else {
            // The driver's queue holds a full OutputSize: it empties at the line's speed, and
            // the tty wakes writers only far below that level, so look again shortly.
            Clock::SleepMs(qMin(MsUntilPast(start, timeoutMs), 10));
        }
    }
    return done;
}

int TCustomComm::Send(const char* buffer, int count) {
    return SendData(buffer, count, buffers_.OutputTimeout());
}

bool TCustomComm::SendString(const QString& text) {
    const QByteArray bytes = toCp1251(text);
    return Send(bytes.constData(), int(bytes.size())) == bytes.size();
}

int TCustomComm::ReadData(char* buffer, int count, int timeoutMs) {
    RequireOpen();
    if (busy_ & kReadBusy) RaiseDeviceError(sMsgReadLocked, ErrReadLocked);
    if (count <= 0) return 0;
    const qint64 start = Clock::NowMs();
    int done = 0;
    while (done < count) {
        const int queued = QueueCount(0);
        if (queued > 0) {
            const int got = ReadSome(buffer + done, qMin(queued, count - done));
            if (got > 0) {
                done += got;
                CallBusy(OnRead, kReadBusy);
                continue;
            }
        }
        if (Clock::NowMs() - start > timeoutMs) break;
        WaitForInput(MsUntilPast(start, timeoutMs));
    }
    return done;
}

int TCustomComm::Read(char* buffer, int count) {
    return ReadData(buffer, count, buffers_.InputTimeout());
}

bool TCustomComm::ReadString(QString& text) {
    QByteArray bytes(QueueCount(0), '\0');
    bytes.truncate(Read(bytes.data(), int(bytes.size())));
    text = fromCp1251(bytes);
    return !text.isEmpty();
}

#include "link/SerialErr.h"

#include <cerrno>
#include <cstring>

namespace SerialErr {

const char* const sMsgNotOpened = "Device not opened.";
const char* const sMsgAlreadyOpened = "Device is allready opened.";
const char* const sMsgCommState = "Unable to update device control block.";
const char* const sMsgSendLocked = "Device locked. Cannot perform send operations.";
const char* const sMsgReadLocked = "Device locked. Cannot perform read operations.";
const char* const sMsgBuffers = "Unable to update IO buffers.";
const char* const sMsgTimeouts = "Unable to update Timeouts.";
const char* const sMsgRead = "Unable to read from port.";
const char* const sMsgWrite = "Unable to write to port.";
const char* const sMsgEnumPorts = "EnumPorts failed.";
const char* const sMsgOpen = "Cannot open device %1";

} // namespace SerialErr

void RaiseDeviceError(const QString& message, int code) {
    throw EDeviceError(message, code);
}

namespace {

QString SystemErrorText(const QString& message, const char* call, int error) {
    return QStringLiteral("%1 (%2 error %3: %4)")
        .arg(message, QString::fromLatin1(call), QString::number(error),
             QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

void RaiseDeviceSystemError(const QString& message, int code, const char* call, int error) {
    RaiseDeviceError(SystemErrorText(message, call, error), code);
}

void RaisePortSystemError(const QString& message, int code, const char* call, int error) {
    if (error == EIO || error == ENXIO || error == ENODEV)
        throw TCloseException(SystemErrorText(message, call, error));
    RaiseDeviceSystemError(message, code, call, error);
}

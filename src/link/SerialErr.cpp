#include "link/SerialErr.h"

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

void RaiseDeviceSystemError(const QString& message, int code, const char* call, int error) {
    RaiseDeviceError(QStringLiteral("%1 (%2 error %3: %4)")
                         .arg(message, QString::fromLatin1(call), QString::number(error),
                              QString::fromLocal8Bit(std::strerror(error))),
                     code);
}

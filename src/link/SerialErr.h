#pragma once

#include "base/Exceptions.h"

#include <QString>

// The serial-port component's messages and the codes it raises them with.
namespace SerialErr {

inline constexpr int ErrNotOpened = 1;
inline constexpr int ErrAlreadyOpened = 2;
inline constexpr int ErrCommState = 3;
inline constexpr int ErrSendLocked = 4;
inline constexpr int ErrReadLocked = 5;
inline constexpr int ErrBuffers = 6;
inline constexpr int ErrTimeouts = 7;
inline constexpr int ErrRead = 10;
inline constexpr int ErrWrite = 11;
inline constexpr int ErrEnumPorts = 12;
inline constexpr int ErrOpen = 65535;

extern const char* const sMsgNotOpened;
extern const char* const sMsgAlreadyOpened;
extern const char* const sMsgCommState;
extern const char* const sMsgSendLocked;
extern const char* const sMsgReadLocked;
extern const char* const sMsgBuffers;
extern const char* const sMsgTimeouts;
extern const char* const sMsgRead;
extern const char* const sMsgWrite;
extern const char* const sMsgEnumPorts;
extern const char* const sMsgOpen; // "%1" is the port's name

} // namespace SerialErr

[[noreturn]] void RaiseDeviceError(const QString& message, int code);

// For a failed system call: "<message> (<call> error <errno>: <system text>)", so the user
// reads the system's own words ("Permission denied", "Input/output error").
[[noreturn]] void RaiseDeviceSystemError(const QString& message, int code, const char* call, int error);

// For a system call that failed on the open port. EIO, ENXIO and ENODEV there mean the device
// itself went away under the connection (a USB adapter pulled out, the far end of a
// pseudo-terminal closed): no later call on this port can succeed, so that closes the link
// (TCloseException). Any other error is the component's own (EDeviceError). Both keep the
// system's words.
[[noreturn]] void RaisePortSystemError(const QString& message, int code, const char* call, int error);

#pragma once

#include <QString>
#include <QStringList>

// Kinds of ports to list (a bit set; the first set bit decides). Only serial ports exist as
// such on this platform: the other kinds are kept so callers read as before and list nothing.
enum TPortKinds : unsigned {
    pkSerial = 1,
    pkParallel = 2,
    pkFax = 4,
    pkNetwork = 8,
};

// Fills `ports` with the device paths ("/dev/ttyS0", "/dev/ttyUSB0" ...) of the machine's serial
// ports, read from the kernel's tty class folder under `sysfsRoot`, in name order. Consoles,
// pseudo-terminals and placeholder ports the kernel reserves without hardware (type 0) are
// left out. When the kinds ask for no serial ports the list is left as it was. Returns true
// when the port list could be read; raises EDeviceError code 12 when it could not.
bool EnumSerialPorts(QStringList& ports, unsigned kinds, const QString& sysfsRoot = QStringLiteral("/sys"));

// The serial ports only: what the connect dialog offers.
bool EnumComPorts(QStringList& ports, const QString& sysfsRoot = QStringLiteral("/sys"));

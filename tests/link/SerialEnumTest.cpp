#include "base/Exceptions.h"
#include "link/SerialEnum.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Builds a made-up sysfs tty class folder: each port gets its folder, optionally a device
// link and a type file.
void addTty(const QString& root, const QString& name, bool hasDevice, const char* type) {
    const QString dir = root + QStringLiteral("/class/tty/") + name;
    ASSERT_TRUE(QDir().mkpath(dir));
    if (hasDevice) {
        QDir().mkpath(root + QStringLiteral("/devices/") + name);
        ASSERT_TRUE(QFile::link(root + QStringLiteral("/devices/") + name, dir + QStringLiteral("/device")));
    }
    if (type) {
        QFile f(dir + QStringLiteral("/type"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(type);
    }
}

} // namespace

TEST(SerialEnum, KeepsRealSerialPortsInNameOrder) {
    QTemporaryDir sys;
    addTty(sys.path(), "ttyUSB0", true, nullptr); // USB adapters carry no type file
    addTty(sys.path(), "ttyS1", true, "4\n");     // a real UART
    addTty(sys.path(), "ttyS0", true, "4\n");
    addTty(sys.path(), "ttyS2", true, "0\n");     // reserved, no hardware
    addTty(sys.path(), "tty0", false, nullptr);   // virtual console
    addTty(sys.path(), "console", false, nullptr);
    addTty(sys.path(), "ptmx", false, nullptr);
    addTty(sys.path(), "ttyACM0", true, nullptr);

    QStringList ports{QStringLiteral("stale")};
    EXPECT_TRUE(EnumComPorts(ports, sys.path()));
    EXPECT_EQ(ports, (QStringList{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"}));

    QStringList untouched{QStringLiteral("kept")};
    EXPECT_TRUE(EnumSerialPorts(untouched, pkParallel | pkFax, sys.path()));
    EXPECT_EQ(untouched, QStringList{QStringLiteral("kept")});
    QTemporaryDir empty;
    QDir().mkpath(empty.path() + QStringLiteral("/class/tty"));
    QStringList kept{QStringLiteral("/dev/ttyS9")};
    EXPECT_TRUE(EnumComPorts(kept, empty.path()));
    EXPECT_EQ(kept, QStringList{QStringLiteral("/dev/ttyS9")});
    QStringList firstBitDecides;
    EXPECT_TRUE(EnumSerialPorts(firstBitDecides, pkSerial | pkParallel, sys.path()));
    EXPECT_EQ(firstBitDecides.size(), 4);
}

TEST(SerialEnum, UnreadableListRaisesCode12) {
    QTemporaryDir sys;
    QStringList ports;
    try {
        EnumComPorts(ports, sys.filePath("missing"));
        FAIL() << "no exception";
    } catch (const EDeviceError& e) {
        EXPECT_EQ(e.Code, 12);
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("EnumPorts failed. (opendir error ")));
    }
}

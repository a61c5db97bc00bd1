#include "link/SerialEnum.h"
#include "base/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A made-up sysfs tty entry: its folder, optionally a device link and a type file.
void AddTty(const QString& root, const char* name, bool hasDevice, const char* type = nullptr) {
    const QString dir = root + "/class/tty/" + name, device = root + "/devices/" + name;
    ASSERT_TRUE(QDir().mkpath(dir));
    if (hasDevice) {
        ASSERT_TRUE(QDir().mkpath(device) && QFile::link(device, dir + "/device"));
    }
    QFile file(dir + "/type");
    if (type) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(type) > 0);
    }
}

} // namespace

TEST(SerialEnum, KeepsRealSerialPortsInNameOrder) {
    QTemporaryDir sys;
    AddTty(sys.path(), "ttyUSB0", true);      // USB adapters carry no type file
    AddTty(sys.path(), "ttyS1", true, "4\n"); // a real UART
    AddTty(sys.path(), "ttyS0", true, "4\n");
    AddTty(sys.path(), "ttyS2", true, "0\n"); // reserved, no hardware
    AddTty(sys.path(), "tty0", false);        // virtual console
    AddTty(sys.path(), "console", false);
    AddTty(sys.path(), "ptmx", false);
    AddTty(sys.path(), "ttyACM0", true);

    QStringList ports{QStringLiteral("stale")};
    EXPECT_TRUE(EnumComPorts(ports, sys.path()));
    EXPECT_EQ(ports, (QStringList{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"}));

    QStringList untouched{QStringLiteral("kept")};
    EXPECT_TRUE(EnumSerialPorts(untouched, pkParallel | pkFax, sys.path()));
    EXPECT_EQ(untouched, QStringList{QStringLiteral("kept")});
    QStringList firstBitDecides;
    EXPECT_TRUE(EnumSerialPorts(firstBitDecides, pkSerial | pkParallel, sys.path()));
    EXPECT_EQ(firstBitDecides, ports);

    QTemporaryDir empty;
    QDir().mkpath(empty.path() + QStringLiteral("/class/tty"));
    EXPECT_TRUE(EnumComPorts(untouched, empty.path()));
    EXPECT_EQ(untouched, QStringList{QStringLiteral("kept")});

    try {
        EnumComPorts(ports, sys.filePath("missing"));
        ADD_FAILURE() << "no exception";
    } catch (const EDeviceError& e) {
        EXPECT_EQ(e.Code, 12);
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("EnumPorts failed. (opendir error ")));
    }
}

#include "link/SerialComm.h"
#include "base/Cp1251.h"
#include "link/SerialErr.h"
#include "platform/Clock.h"
#include "platform/SerialBackend.h"
#include "support/FakePanel.h"

#include "PrintQt.h"
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>

#include <gtest/gtest.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Runs the call and gives the EDeviceError it raised (code -1 when it raised none).
template <typename Call> EDeviceError RaisedBy(Call call) {
    try {
        call();
    } catch (const EDeviceError& e) {
        return e;
    }
    return EDeviceError(QString(), -1);
}

// The settings the line has now, as another opener of the tty sees them.
bool LineSettings(const QString& path, termios& tio) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
    if (fd < 0) return false;
    const bool read = ::tcgetattr(fd, &tio) == 0;
    ::close(fd);
    return read;
}

} // namespace

// A cooked tty would turn CR into LF, LF into CR LF, eat XON/XOFF and NUL handling would
// differ; the port must pass every byte as it is, both ways, at 19200 8N1.
TEST(SerialCommTest, RawLineBothWaysAtTheChosenSpeed) {
    FakePanel panel;
    TSerialComm port;
    port.SetDeviceName(panel.PortPath());
    port.SetBaudRate(br19200);
    port.Open();

    const QByteArray bytes("\x0D\x0A\x00\x11\x13\x98\xFF", 7);
    EXPECT_EQ(port.Send(bytes.constData(), int(bytes.size())), 7);
    ASSERT_TRUE(panel.WaitForReceived(7, 1000));
    EXPECT_EQ(panel.Received(), bytes);
    ASSERT_TRUE(panel.Write(bytes));
    QByteArray got(7, '\0');
    EXPECT_EQ(port.Read(got.data(), 7), 7);
    EXPECT_EQ(got, bytes);

    // Text goes out and comes back in Windows-1251.
    ASSERT_TRUE(port.SendString(QString::fromUtf8("Пишу")));
    ASSERT_TRUE(panel.WaitForReceived(11, 1000));
    EXPECT_EQ(panel.Received().mid(7), toCp1251(QString::fromUtf8("Пишу")));
    ASSERT_TRUE(panel.Write(toCp1251(QString::fromUtf8("Читаю"))));
    while (port.QueueCount(0) < 5)
        ASSERT_TRUE(port.WaitForInput(1000));
    QString text;
    EXPECT_TRUE(port.ReadString(text));
    EXPECT_EQ(text, QString::fromUtf8("Читаю"));

    termios tio{};
    ASSERT_TRUE(LineSettings(panel.PortPath(), tio));
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B19200));
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t(CS8));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);

    // ReadData waits for the rest until its time-out.
    EXPECT_TRUE(port.SendString(QString()));
    char buffer[8];
    ASSERT_TRUE(panel.Write("abc"));
    const qint64 start = Clock::NowMs();
    EXPECT_EQ(port.ReadData(buffer, 8, 120), 3);
    const qint64 elapsed = Clock::NowMs() - start;
    EXPECT_GT(elapsed, 120);
    EXPECT_LT(elapsed, 400);
}

// A closed port refuses everything with code 1, before a zero count could short-cut; opening
// fails on a missing device, twice, and on a port someone else holds.
TEST(SerialCommTest, ClosedPortAndOpenErrors) {
    TSerialComm port;
    char buffer[4];
    QString text;
    for (auto call : std::initializer_list<std::function<void()>>{
             [&] { port.Close(); }, [&] { port.PurgeIn(); }, [&] { port.PurgeOut(); },
             [&] { port.QueueCount(0); }, [&] { port.SetRTS(true); }, [&] { port.SendString(QString()); },
             [&] { port.SendData(buffer, 0, 10); }, [&] { port.ReadData(buffer, 0, 10); },
             [&] { port.ReadString(text); }, [&] { port.WaitForInput(10); }}) {
        const EDeviceError e = RaisedBy(call);
        EXPECT_EQ(e.Code, 1);
        EXPECT_EQ(e.message(), QStringLiteral("Device not opened."));
    }

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("ttyNone"));
    port.SetDeviceName(missing);
    EDeviceError e = RaisedBy([&] { port.Open(); });
    EXPECT_EQ(e.Code, 65535);
    EXPECT_EQ(e.message(),
              QStringLiteral("Cannot open device %1 (open error 2: No such file or directory)").arg(missing));

    // A bare name means a device in /dev; the message keeps the name as given.
    port.SetDeviceName(QStringLiteral("ttyNoSuchPort9"));
    e = RaisedBy([&] { port.Open(); });
    EXPECT_EQ(e.Code, 65535);
    EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot open device ttyNoSuchPort9 (open error")));

    FakePanel panel;
    port.SetDeviceName(panel.PortPath());
    port.Open();
    e = RaisedBy([&] { port.Open(); });
    EXPECT_EQ(e.Code, 2);
    EXPECT_EQ(e.message(), QStringLiteral("Device is allready opened."));
    port.SetDeviceName(QStringLiteral("elsewhere"));
    EXPECT_EQ(port.DeviceName(), panel.PortPath());

    // The port is ours alone: a second open in this process is refused as well.
    TSerialComm second;
    second.SetDeviceName(panel.PortPath());
    e = RaisedBy([&] { second.Open(); });
    EXPECT_EQ(e.Code, 65535);
    EXPECT_TRUE(e.message().contains(QStringLiteral("(flock error")));
    port.Close();

    // So is a port another program holds, until it lets go.
    const int holder = ::open(panel.PortPath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(RaisedBy([&] { second.Open(); }).Code, 65535);
    EXPECT_FALSE(second.Opened());
    ::close(holder);
    second.Open();
    EXPECT_TRUE(second.Opened());
}

// The byte counters, the busy flags around the handlers, and the options a tty can honour.
TEST(SerialCommTest, CountersHandlersAndOptions) {
    FakePanel panel;
    TSerialComm port;
    EXPECT_EQ(port.LockState(), 3);
    port.SetDeviceName(panel.PortPath());
    port.Open();
    EXPECT_EQ(port.LockState(), 0);

    char buffer[8];
    int lockInside = -1;
    EDeviceError nested(QString(), -1);
    port.OnSend = [&] {
        lockInside = port.LockState();
        nested = RaisedBy([&] { port.SendData("x", 1, 10); });
    };
    EXPECT_EQ(port.Send("abcde", 5), 5);
    EXPECT_EQ(lockInside, 1);
    EXPECT_EQ(nested.Code, 4);
    EXPECT_EQ(nested.message(), QStringLiteral("Device locked. Cannot perform send operations."));
    port.OnRead = [&] {
        lockInside = port.LockState();
        nested = RaisedBy([&] { port.ReadData(buffer, 1, 10); });
    };
    ASSERT_TRUE(panel.Write(QByteArray("a\0b\0", 4)));
    EXPECT_EQ(port.ReadData(buffer, 4, 500), 4);
    EXPECT_EQ(lockInside, 2);
    EXPECT_EQ(nested.Code, 5);
    EXPECT_EQ(port.LockState(), 0);

    port.SetOptions(coDiscardNull);
    ASSERT_TRUE(panel.Write(QByteArray("c\0d\0\0", 5)));
    EXPECT_EQ(port.ReadData(buffer, 2, 500), 2);
    EXPECT_EQ(QByteArray(buffer, 2), "cd");
    ASSERT_TRUE(panel.Write("xyz"));
    while (port.QueueCount(0) < 3)
        ASSERT_TRUE(port.WaitForInput(1000));
    port.PurgeIn();
    EXPECT_EQ(port.BytesReceived(), 4u + 5u + 3u) << "NUL bytes and purged bytes are received bytes";
    EXPECT_EQ(port.BytesSent(), 5u);

    port.EventChars().SetXonChar(0x01);
    EXPECT_EQ(RaisedBy([&] { port.SetOptions(coErrorChar); }).Code, 3);
    termios tio{};
    ASSERT_TRUE(LineSettings(panel.PortPath(), tio));
    EXPECT_EQ(tio.c_cc[VSTART], 0x01);

    port.Close();
    EXPECT_EQ(port.BytesReceived() + port.BytesSent(), 0u);
    EXPECT_EQ(port.LockState(), 3);
}

namespace {

// The real line, with one of its calls made to fail with a chosen error.
class FailingBackend : public SerialBackend {
public:
    SysStatus QueuedInput(int& count) override {
        if (failing == "ioctl(TIOCINQ)") return SysStatus::Failed("ioctl(TIOCINQ)", error);
        const SysStatus status = SerialBackend::QueuedInput(count);
        if (failing == "read") count = 1; // so that a read is tried
        return status;
    }
    SysStatus Read(char* buffer, int count, int& got) override {
        got = 0;
        return failing == "read" ? SysStatus::Failed("read", error) : SerialBackend::Read(buffer, count, got);
    }
    SysStatus Write(const char* buffer, int count, int& put) override {
        put = 0;
        return failing == "write" ? SysStatus::Failed("write", error)
                                  : SerialBackend::Write(buffer, count, put);
    }
    SysStatus Purge(bool in, bool out) override {
        return failing == "tcflush" ? SysStatus::Failed("tcflush", error) : SerialBackend::Purge(in, out);
    }
    SysStatus SetRts(bool on) override {
        return failing == "ioctl(TIOCMBIS)" ? SysStatus::Failed("ioctl(TIOCMBIS)", error)
                                            : SerialBackend::SetRts(on);
    }
    SysStatus Drain() override {
        return failing == "tcdrain" ? SysStatus::Failed("tcdrain", error) : SerialBackend::Drain();
    }

    QByteArray failing;
    int error = 0;
};

} // namespace

// Only a device that went away (EIO, ENXIO, ENODEV) closes the link; any other failure of the
// same call stays the component's own error with its code. Both keep the system's words, and
// the port stays open until its owner closes it.
TEST(SerialCommTest, OnlyAVanishedDeviceClosesTheLink) {
    struct Case {
        const char* call;
        std::function<void(TSerialComm&)> operation;
        const char* message;
        int code;
    };
    const Case cases[] = {
        {"ioctl(TIOCINQ)", [](TSerialComm& p) { p.QueueCount(0); }, "Unable to read from port.", 10},
        {"read",
         [](TSerialComm& p) {
             QString text;
             p.ReadString(text);
         },
         "Unable to read from port.", 10},
        {"write", [](TSerialComm& p) { p.SendString(QStringLiteral("+v\r")); }, "Unable to write to port.",
         11},
        {"tcflush", [](TSerialComm& p) { p.PurgeOut(); }, "Unable to write to port.", 11},
        {"ioctl(TIOCMBIS)", [](TSerialComm& p) { p.SetRTS(true); }, "Unable to write to port.", 11},
        {"tcdrain", [](TSerialComm& p) { p.Drain(); }, "Unable to write to port.", 11},
    };
    FakePanel panel;
    for (const Case& c : cases) {
        for (int error : {EIO, ENXIO, ENODEV, EPERM, EBADF, EINVAL}) {
            SCOPED_TRACE(testing::Message() << c.call << " errno " << error);
            auto* backend = new FailingBackend;
            TSerialComm port{std::unique_ptr<SerialBackend>(backend)};
            port.SetDeviceName(panel.PortPath());
            port.Open();
            backend->failing = c.call;
            backend->error = error;
            const QString words = QStringLiteral("%1 (%2 error %3: %4)")
                                      .arg(QString::fromLatin1(c.message), QString::fromLatin1(c.call))
                                      .arg(error)
                                      .arg(QString::fromLocal8Bit(std::strerror(error)));
            const bool gone = error == EIO || error == ENXIO || error == ENODEV;
            try {
                c.operation(port);
                ADD_FAILURE() << "nothing raised";
            } catch (const TCloseException& e) {
                EXPECT_TRUE(gone);
                EXPECT_EQ(e.message(), words);
            } catch (const EDeviceError& e) {
                EXPECT_FALSE(gone);
                EXPECT_EQ(e.Code, c.code);
                EXPECT_EQ(e.message(), words);
            }
            EXPECT_TRUE(port.Opened());
        }
    }
}

// The pseudo-terminal's far end closed, as a USB adapter pulled out: every call on the open
// port closes the link, none hangs and none looks like a quiet line; Close still releases the
// port.
TEST(SerialCommTest, EveryCallOnAVanishedPortClosesTheLink) {
    FakePanel panel;
    TSerialComm port;
    port.SetDeviceName(panel.PortPath());
    port.Open();
    ASSERT_TRUE(panel.Write("queued"));
    panel.Unplug();
    char buffer[4];
    QString text;
    int raised = 0;
    const qint64 start = Clock::NowMs();
    for (auto call : std::initializer_list<std::function<void()>>{
             [&] { port.QueueCount(0); }, [&] { port.QueueCount(1); }, [&] { port.PurgeIn(); },
             [&] { port.PurgeOut(); }, [&] { port.SetRTS(false); }, [&] { port.Drain(); },
             [&] { port.SendString(QStringLiteral("+v\r")); }, [&] { port.ReadData(buffer, 4, 1000); },
             [&] { port.ReadString(text); }, [&] { port.WaitForInput(1000); }}) {
        try {
            call();
        } catch (const TCloseException& e) {
            ++raised;
            EXPECT_TRUE(e.message().endsWith(QStringLiteral(": Input/output error)")) ||
                        e.message().endsWith(QStringLiteral(": No such device or address)")))
                << e.what();
        }
    }
    EXPECT_EQ(raised, 10);
    EXPECT_LT(Clock::NowMs() - start, 500);
    port.Close();
    EXPECT_FALSE(port.Opened());
}

#include "base/Cp1251.h"
#include "link/SerialComm.h"
#include "link/SerialErr.h"
#include "platform/Clock.h"
#include "support/FakePanel.h"

#include <QTemporaryDir>
#include <functional>
#include <fcntl.h>
#include "PrintQt.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Runs the call and gives the EDeviceError it raised (code -1 when it raised none).
template <typename Call>
EDeviceError RaisedBy(Call call) {
    try {
        call();
    } catch (const EDeviceError& e) {
        return e;
    }
    return EDeviceError(QString(), -1);
}

} // namespace

TEST(SerialCommTest, DefaultsAndDerivedSettings) {
    TSerialComm port;
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.BaudValue(), 9600u);
    EXPECT_EQ(port.DeviceName(), QStringLiteral("COM2"));
    EXPECT_EQ(port.DataBits(), db8);
    EXPECT_EQ(port.Parity(), paNone);
    EXPECT_EQ(port.StopBits(), sb1);
    EXPECT_EQ(port.Buffers().InputSize(), 2048);
    EXPECT_EQ(port.Buffers().InputTimeout(), 500);
    EXPECT_EQ(port.Buffers().OutputSize(), 2048);
    EXPECT_EQ(port.Buffers().OutputTimeout(), 500);
    EXPECT_EQ(port.EventChars().XonChar(), 17);
    EXPECT_EQ(port.EventChars().XoffChar(), 19);
    EXPECT_EQ(port.FlowControl(), fcNone);
    EXPECT_EQ(port.RTSSettings() | port.DTRSettings() | port.XOnXOffSettings(), 0u);
    EXPECT_FALSE(port.Opened());

    port.SetBaudRate(br19200);
    EXPECT_EQ(port.BaudValue(), 19200u);
    port.SetBaudRate(br256000);
    EXPECT_EQ(port.BaudValue(), 256000u);
    port.Buffers().SetInputSize(10);
    port.Buffers().SetOutputSize(60000);
    EXPECT_EQ(port.Buffers().InputSize(), 128);
    EXPECT_EQ(port.Buffers().OutputSize(), 4096);

    port.SetFlowControl(fcRtsCts);
    EXPECT_EQ(port.RTSSettings(), fsCTSOut | fsRTSHandshake);
    EXPECT_EQ(port.DTRSettings(), unsigned(fsDTREnabled));
    port.SetFlowControl(fcDtrDsr);
    EXPECT_EQ(port.RTSSettings(), unsigned(fsRTSEnabled));
    EXPECT_EQ(port.DTRSettings(), fsDSROut | fsDTREnabled);
    port.SetFlowControl(fcSoftware);
    EXPECT_EQ(port.XOnXOffSettings(), fsInX | fsOutX);
    EXPECT_EQ(port.RTSSettings(), 0u);
    port.SetFlowControl(fcNone);
    EXPECT_EQ(port.DTRSettings(), 0u);
    port.SetOptions(coLeaveDTROpen);
    EXPECT_EQ(port.DTRSettings(), unsigned(fsDTREnabled));
}

// A cooked tty would turn CR into LF, LF into CR LF, eat XON/XOFF and NUL handling would
// differ; the port must pass every byte as it is, both ways.
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
    ASSERT_TRUE(port.WaitForInput(1000));
    while (port.QueueCount(0) < 5)
        port.WaitForInput(100);
    QString text;
    EXPECT_TRUE(port.ReadString(text));
    EXPECT_EQ(text, QString::fromUtf8("Читаю"));

    termios tio{};
    const int fd = ::open(panel.PortPath().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::tcgetattr(fd, &tio), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B19200));
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t(CS8));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
}

TEST(SerialCommTest, OpenErrors) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("ttyNone"));
    TSerialComm port;
    port.SetDeviceName(missing);
    EDeviceError e = RaisedBy([&] { port.Open(); });
    EXPECT_EQ(e.Code, 65535);
    EXPECT_EQ(e.message(), QStringLiteral("Cannot open device %1 (open error 2: No such file or directory)").arg(missing));

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
    second.Open();
    EXPECT_TRUE(second.Opened());
}

TEST(SerialCommTest, PortHeldByAnotherProcessIsRefused) {
    FakePanel panel;
    const QByteArray path = panel.PortPath().toLocal8Bit();
    int ready[2], release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(release[1]); // so that the parent's close wakes the read below
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? '1' : '0';
        [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
        char byte;
        n = ::read(release[0], &byte, 1);
        ::_exit(0);
    }
    char ok = '0';
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    EXPECT_EQ(ok, '1');

    TSerialComm port;
    port.SetDeviceName(panel.PortPath());
    const EDeviceError e = RaisedBy([&] { port.Open(); });
    EXPECT_EQ(e.Code, 65535);
    EXPECT_FALSE(port.Opened());

    ::close(release[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (int fd : {ready[0], ready[1], release[0]})
        ::close(fd);
    port.Open();
    EXPECT_TRUE(port.Opened());
}

// A closed port refuses everything with code 1, before a zero count could short-cut.
TEST(SerialCommTest, ClosedPortRaisesCodeOne) {
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
}

TEST(SerialCommTest, ReadDataWaitsForTheRestUntilItsTimeout) {
    FakePanel panel;
    TSerialComm port;
    port.SetDeviceName(panel.PortPath());
    port.Open();
    EXPECT_TRUE(port.SendString(QString()));

    char buffer[8];
    panel.Write("abc");
    const qint64 start = Clock::NowMs();
    EXPECT_EQ(port.ReadData(buffer, 8, 120), 3);
    const qint64 elapsed = Clock::NowMs() - start;
    EXPECT_GT(elapsed, 120);
    EXPECT_LT(elapsed, 400);
}

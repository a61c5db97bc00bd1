#include "platform/SerialBackend.h"

#include "platform/Clock.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t SpeedCode(quint32 baud) {
    switch (baud) {
    case 110:
        return B110;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return B0; // 14400, 56000, 128000, 256000 have no termios code
    }
}

tcflag_t SizeFlag(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return 0;
    }
}

// The modem lines of a pseudo-terminal do not exist; its refusal is no fault of the port.
bool NoModemLines(int error) {
    return error == ENOTTY || error == EINVAL;
}

} // namespace

SerialBackend::~SerialBackend() {
    Close();
}

SysStatus SerialBackend::Open(const QByteArray& path) {
    Close();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return SysStatus::Failed("open", errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return SysStatus::Failed("flock", error);
    }
    fd_ = fd;
    return {};
}

void SerialBackend::Close() {
    if (fd_ >= 0) {
        ::close(fd_); // also releases the lock
        fd_ = -1;
    }
}

SysStatus SerialBackend::Apply(const SerialLineSettings& s) {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return SysStatus::Failed("tcgetattr", errno);
    const speed_t speed = SpeedCode(s.baud);
    const tcflag_t size = SizeFlag(s.dataBits);
    if (speed == B0 || size == 0 || s.dsrOutFlow || s.dtrHandshake || s.dsrSensitivity ||
        s.errorCharReplacement)
        return SysStatus::Failed("tcsetattr", EINVAL);

    ::cfmakeraw(&tio);
    // Blocking reads would return at once with nothing under VMIN 0; VMIN 1 keeps a
    // non-blocking read at EAGAIN when the queue is empty, so that 0 means the device hung up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = s.xonChar;
    tio.c_cc[VSTOP] = s.xoffChar;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= size | CREAD | CLOCAL;
    switch (s.parity) {
    case SerialParity::None:
        break;
    case SerialParity::Odd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case SerialParity::Even:
        tio.c_cflag |= PARENB;
        break;
    case SerialParity::Mark:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case SerialParity::Space:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    }
    // Linux UARTs send 1.5 stop bits for 5-bit bytes when two are asked for.
    if (s.stopBits != SerialStopBits::One) tio.c_cflag |= CSTOPB;
    if (s.rtsCtsFlow) tio.c_cflag |= CRTSCTS;
    tio.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
    if (s.parityCheck) tio.c_iflag |= INPCK;
    if (s.xonOnInput) tio.c_iflag |= IXOFF;
    if (s.xonOnOutput) tio.c_iflag |= IXON;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return SysStatus::Failed("cfsetspeed", errno);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return SysStatus::Failed("tcsetattr", errno);
    if (SysStatus st = SetDtr(s.dtrOn); !st.ok()) return st;
    if (!s.rtsCtsFlow) return SetRts(s.rtsOn);
    return {};
}

SysStatus SerialBackend::Purge(bool input, bool output) {
    if (!input && !output) return {};
    const int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
    if (::tcflush(fd_, which) != 0) return SysStatus::Failed("tcflush", errno);
    return {};
}

SysStatus SerialBackend::QueuedInput(int& count) {
    count = 0;
    if (::ioctl(fd_, TIOCINQ, &count) != 0) return SysStatus::Failed("ioctl(TIOCINQ)", errno);
    return {};
}

SysStatus SerialBackend::QueuedOutput(int& count) {
    count = 0;
    if (::ioctl(fd_, TIOCOUTQ, &count) != 0) return SysStatus::Failed("ioctl(TIOCOUTQ)", errno);
    return {};
}

SysStatus SerialBackend::SetModemLine(int line, bool on) {
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line) != 0 && !NoModemLines(errno))
        return SysStatus::Failed(on ? "ioctl(TIOCMBIS)" : "ioctl(TIOCMBIC)", errno);
    return {};
}

SysStatus SerialBackend::SetRts(bool on) {
    return SetModemLine(TIOCM_RTS, on);
}

SysStatus SerialBackend::SetDtr(bool on) {
    return SetModemLine(TIOCM_DTR, on);
}

SysStatus SerialBackend::Read(char* buffer, int count, int& got) {
    got = 0;
    const ssize_t n = ::read(fd_, buffer, size_t(count));
    if (n > 0) {
        got = int(n);
        return {};
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return {};
    // A tty whose device went away (USB adapter pulled) reads as end of file.
    return SysStatus::Failed("read", n < 0 ? errno : ENXIO);
}

SysStatus SerialBackend::Write(const char* buffer, int count, int& put) {
    put = 0;
    const ssize_t n = ::write(fd_, buffer, size_t(count));
    if (n >= 0) {
        put = int(n);
        return {};
    }
    if (errno == EAGAIN || errno == EINTR) return {};
    return SysStatus::Failed("write", errno);
}

SysStatus SerialBackend::Drain() {
    while (::tcdrain(fd_) != 0) {
        if (errno != EINTR) return SysStatus::Failed("tcdrain", errno);
    }
    return {};
}

SerialWait SerialBackend::WaitReadable(int timeoutMs, SysStatus& status) {
    return Wait(POLLIN, timeoutMs, status);
}

SerialWait SerialBackend::WaitWritable(int timeoutMs, SysStatus& status) {
    return Wait(POLLOUT, timeoutMs, status);
}

SerialWait SerialBackend::Wait(short events, int timeoutMs, SysStatus& status) {
    status = {};
    const qint64 deadline = Clock::NowMs() + qMax(timeoutMs, 0);
    for (;;) {
        pollfd p{fd_, events, 0};
        const int left = int(qMax<qint64>(deadline - Clock::NowMs(), 0));
        const int n = ::poll(&p, 1, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            status = SysStatus::Failed("poll", errno);
            return SerialWait::HungUp;
        }
        if (n == 0) return SerialWait::TimedOut;
        if (!(p.revents & (POLLHUP | POLLERR | POLLNVAL))) return SerialWait::Ready;
        // Hung up: what is still queued may be read; after that the read's own error tells
        // the user what happened to the device.
        int queued = 0;
        if (events == POLLIN) {
            status = QueuedInput(queued);
            if (!status.ok()) return SerialWait::HungUp;
            if (queued > 0) return SerialWait::Ready;
        }
        char probe;
        int got = 0;
        status = Read(&probe, 1, got);
        if (status.ok()) status = SysStatus::Failed("poll", ENXIO);
        return SerialWait::HungUp;
    }
}

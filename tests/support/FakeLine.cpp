#include "support/FakeLine.h"

#include "platform/Clock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

FakeLine::FakeLine() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error("cannot create a pseudo-terminal");
    portPath_ = QString::fromLocal8Bit(::ptsname(master_));
    // The port side stays in the kernel's default (cooked) mode here: the code under test
    // must make it raw itself.
    slaveKeeper_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper_ < 0 || ::pipe2(wake_, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot open the pseudo-terminal's port side");
}

FakeLine::~FakeLine() {
    Stop();
    for (int fd : {master_, slaveKeeper_, wake_[0], wake_[1]})
        if (fd >= 0)
            ::close(fd);
}

void FakeLine::Start() {
    thread_ = std::thread([this] { Run(); });
}

void FakeLine::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
        thread_.join();
    }
}

void FakeLine::Unplug() {
    Stop();
    Vanish();
}

void FakeLine::Vanish() {
    std::lock_guard lock(writeMutex_);
    for (int* fd : {&slaveKeeper_, &master_}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
    vanishedAt_ = Clock::NowMs();
}

qint64 FakeLine::VanishedAtMs() const {
    return vanishedAt_;
}

void FakeLine::Run() {
    char buffer[4096];
    for (;;) {
        // A vanished device (master_ -1) is left out of the poll: only the wake-up remains.
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        const int ready = ::poll(fds, 2, spinning_ ? 0 : -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (ready == 0)
            continue;
        if (fds[1].revents)
            return;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return;
            continue;
        }
        const QByteArray bytes(buffer, n);
        {
            std::lock_guard lock(mutex_);
            received_ += bytes;
        }
        changed_.notify_all();
        OnBytes(bytes);
    }
}

bool FakeLine::Write(const QByteArray& bytes) {
    std::lock_guard lock(writeMutex_);
    const qint64 giveUp = Clock::NowMs() + 1000;
    qsizetype done = 0;
    while (done < bytes.size() && master_ >= 0) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (Clock::NowMs() > giveUp)
            return false;
        pollfd p{master_, POLLOUT, 0};
        ::poll(&p, 1, 20);
    }
    return done == bytes.size();
}

QByteArray FakeLine::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

bool FakeLine::WaitForReceived(int count, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return received_.size() >= count; });
}

bool FakeLine::Pause(int ms) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_for(lock, std::chrono::milliseconds(qMax(ms, 0)), [&] { return stopping_; });
}

void FakeLine::Deliver(QByteArray reply, const FakeFault& fault) {
    if (fault.silent)
        return;
    if (fault.lowerCase) {
        for (char& c : reply)
            if (c >= 'A' && c <= 'Z')
                c = char(c + 32);
    }
    reply.prepend(fault.junk);
    if (!Pause(fault.delayMs))
        return;
    qsizetype from = 0;
    for (int cut : fault.splitAt) {
        const qsizetype at = qBound<qsizetype>(from, cut + fault.junk.size(), reply.size());
        Write(reply.mid(from, at - from));
        from = at;
        if (!Pause(fault.gapMs))
            return;
    }
    Write(reply.mid(from));
}

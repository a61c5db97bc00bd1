#include "support/FakeModem.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray ResultCode(const QByteArray& text) {
    return "\r\n" + text + "\r\n";
}

} // namespace

FakeModem::FakeModem() {
    // The modem's own serial line to the panel: the port side of the fake panel's terminal.
    panelFd_ = ::open(panel_.PortPath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (panelFd_ < 0 || ::tcgetattr(panelFd_, &raw) != 0)
        throw std::runtime_error("cannot open the line to the fake panel");
    ::cfmakeraw(&raw);
    if (::tcsetattr(panelFd_, TCSANOW, &raw) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot set up the line to the fake panel");
    relay_ = std::thread([this] { Relay(); });
    Start();
}

FakeModem::~FakeModem() {
    Stop();
    if (relay_.joinable()) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
        relay_.join();
    }
    for (int fd : {panelFd_, wake_[0], wake_[1]})
        if (fd >= 0)
            ::close(fd);
}

void FakeModem::SetDialResult(const QByteArray& result) {
    std::lock_guard lock(mutex_);
    dialResult_ = result;
}

void FakeModem::SetRegistration(const QList<QByteArray>& states) {
    std::lock_guard lock(mutex_);
    registration_ = states;
}

void FakeModem::SetReply(const QByteArray& command, const QByteArray& reply) {
    std::lock_guard lock(mutex_);
    replies_[command] = reply;
}

void FakeModem::SetFault(const QByteArray& command, const FakeFault& fault) {
    std::lock_guard lock(mutex_);
    faults_[command] = fault;
}

void FakeModem::DropCall() {
    inCall_ = false;
    Write(ResultCode("NO CARRIER"));
}

QList<QByteArray> FakeModem::Commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

int FakeModem::CountOf(const QByteArray& command) const {
    std::lock_guard lock(mutex_);
    return int(commands_.count(command));
}

bool FakeModem::WaitForCommands(int count, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return commands_.size() >= count; });
}

bool FakeModem::WaitForCountOf(const QByteArray& command, int count, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return commands_.count(command) >= count; });
}

void FakeModem::OnBytes(const QByteArray& bytes) {
    QByteArray rest = bytes;
    if (inCall_) {
        rest = PassData(bytes);
        if (rest.isEmpty())
            return;
    }
    pending_ += rest;
    // An escape sent without a call stands on its own before the next command.
    while (pending_.startsWith('\n'))
        pending_.remove(0, 1);
    while (pending_.startsWith("+++")) {
        pending_.remove(0, 3);
        Command("+++");
    }
    for (qsizetype end = pending_.indexOf('\r'); end >= 0; end = pending_.indexOf('\r')) {
        QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        line.replace('\n', QByteArray());
        if (!line.isEmpty())
            Command(line);
        if (inCall_) {
            // Whatever followed the dial command in the same chunk is data already.
            const QByteArray data = pending_;
            pending_.clear();
            if (!data.isEmpty())
                OnBytes(data);
            return;
        }
    }
}

QByteArray FakeModem::PassData(const QByteArray& bytes) {
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '+') {
            out.append(pluses_, '+');
            pluses_ = 0;
            out.append(c);
            continue;
        }
        if (++pluses_ < 3)
            continue;
        pluses_ = 0;
        WriteToPanel(out);
        inCall_ = false;
        Command("+++");
        return bytes.mid(i + 1);
    }
    WriteToPanel(out);
    return {};
}

void FakeModem::Command(const QByteArray& line) {
    std::optional<QByteArray> reply;
    FakeFault fault;
    bool connects = false;
    {
        std::lock_guard lock(mutex_);
        commands_.append(line);
        fault = faults_.value(line);
        if (const auto it = replies_.constFind(line); it != replies_.cend()) {
            reply = *it;
        } else if (line.startsWith("ATD")) {
            if (!dialResult_.isEmpty())
                reply = ResultCode(dialResult_);
            connects = dialResult_.startsWith("CONNECT");
        } else if (line == "AT+CREG?") {
            const QByteArray state = registration_.size() > 1 ? registration_.takeFirst() : registration_.value(0);
            reply = ResultCode("+CREG: " + state) + ResultCode("OK");
        } else if (line.startsWith("AT") || line == "+++") {
            reply = ResultCode("OK");
        } else {
            reply = ResultCode("ERROR");
        }
        if (line == "ATH")
            inCall_ = false;
    }
    changed_.notify_all();
    if (reply)
        Deliver(*reply, fault);
    if (connects)
        inCall_ = true;
}

void FakeModem::WriteToPanel(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(panelFd_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            return;
        if (n > 0)
            done += n;
    }
}

void FakeModem::Relay() {
    char buffer[4096];
    for (;;) {
        pollfd fds[2] = {{panelFd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        const ssize_t n = ::read(panelFd_, buffer, sizeof buffer);
        if ((n < 0 && errno != EINTR && errno != EAGAIN) || (n == 0 && (fds[0].revents & POLLHUP)))
            return;
        // Without a call the panel's replies go nowhere.
        if (n > 0 && inCall_)
            Write(QByteArray(buffer, n));
    }
}

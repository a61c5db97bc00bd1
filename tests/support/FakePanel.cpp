#include "support/FakePanel.h"

#include <thread>

namespace {

std::chrono::microseconds WireTime(qsizetype bytes, int bytesPerSecond) {
    return std::chrono::microseconds(bytes * 1000000LL / bytesPerSecond);
}

} // namespace

FakePanel::FakePanel() {
    Start();
}

FakePanel::~FakePanel() {
    Stop();
}

void FakePanel::SetAnswer(const QByteArray& command, const QByteArray& value) {
    SetReply(command, ReadAnswer(value));
}

void FakePanel::SetReply(const QByteArray& command, const QByteArray& reply) {
    std::lock_guard lock(mutex_);
    replies_[command] = reply;
}

void FakePanel::SetFault(const QByteArray& command, const FakeFault& fault) {
    std::lock_guard lock(mutex_);
    faults_[command] = fault;
}

void FakePanel::SetFaultForAll(const FakeFault& fault) {
    std::lock_guard lock(mutex_);
    faultForAll_ = fault;
}

void FakePanel::SetLineSpeed(int bytesPerSecond) {
    {
        std::lock_guard lock(mutex_);
        bytesPerSecond_ = bytesPerSecond;
    }
    // A request's first byte is timed as it comes, not when the thread wakes to it.
    SetSpinning(bytesPerSecond > 0);
}

qint64 FakePanel::ReplyBytes() const {
    std::lock_guard lock(mutex_);
    return replyBytes_;
}

QList<FakePanel::TExchangeTimes> FakePanel::ExchangeTimes() const {
    std::lock_guard lock(mutex_);
    return times_;
}

QList<QByteArray> FakePanel::Frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

QList<QByteArray> FakePanel::FramesStartingWith(const QByteArray& prefix) const {
    QList<QByteArray> found;
    for (const QByteArray& frame : Frames())
        if (frame.startsWith(prefix)) found.append(frame);
    return found;
}

void FakePanel::VanishAt(const QByteArray& prefix, int nth) {
    std::lock_guard lock(mutex_);
    vanishPrefix_ = prefix;
    framesToVanish_ = nth;
}

bool FakePanel::WaitForFrames(int count, int timeoutMs) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [&] { return frames_.size() >= count; });
}

std::optional<QByteArray> FakePanel::Respond(const QByteArray& command) {
    if (const auto it = replies_.constFind(command); it != replies_.cend()) return *it;
    if (command.contains('=')) return WriteAnswer();
    return std::nullopt;
}

void FakePanel::OnBytes(const QByteArray& bytes) {
    int bytesPerSecond = 0;
    {
        std::lock_guard lock(mutex_);
        bytesPerSecond = bytesPerSecond_;
    }
    const bool paced = bytesPerSecond > 0;
    if (paced) {
        const TClock::time_point now = TClock::now();
        // The bytes could not have come faster than the wire carries them.
        inputDone_ = std::max(inputDone_, now) + WireTime(bytes.size(), bytesPerSecond);
        if (pending_.isEmpty()) frameStart_ = now;
    }
    pending_ += bytes;
    for (;;) {
        // Anything before the frame's "+" is line noise to the panel.
        const qsizetype start = pending_.indexOf('+');
        if (start < 0) {
            pending_.clear();
            return;
        }
        const qsizetype end = pending_.indexOf('\r', start);
        if (end < 0) {
            pending_.remove(0, start);
            return;
        }
        const QByteArray command = pending_.mid(start + 1, end - start - 1);
        pending_.remove(0, end + 1);

        std::optional<QByteArray> reply;
        FakeFault fault;
        bool vanish = false;
        {
            std::lock_guard lock(mutex_);
            frames_.append(command);
            if (paced) times_.append({frameStart_, std::nullopt});
            vanish = framesToVanish_ > 0 && command.startsWith(vanishPrefix_) && --framesToVanish_ == 0;
            if (!vanish) reply = Respond(command);
            fault = faults_.value(command, faultForAll_);
        }
        changed_.notify_all();
        if (vanish) {
            Vanish();
            return;
        }
        if (paced) {
            // The frame's last byte arrives, then the reply takes its time on the wire. The last
            // stretch is spun, so that the thread's lateness in waking does not stretch the wire.
            const TClock::time_point due = inputDone_ + WireTime(reply ? reply->size() : 0, bytesPerSecond);
            std::this_thread::sleep_until(due - std::chrono::milliseconds(1));
            while (TClock::now() < due) {
            }
        }
        if (!reply || fault.silent) continue;
        Deliver(*reply, fault);
        std::lock_guard lock(mutex_);
        if (paced) times_.last().replied = TClock::now();
        replyBytes_ += reply->size();
    }
}

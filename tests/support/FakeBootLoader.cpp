#include "support/FakeBootLoader.h"

#include <algorithm>
#include <iterator>
#include <thread>

namespace {

int Hex(const QByteArray& digits) {
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    return ok ? value : -1;
}

} // namespace

FakeBootLoader::FakeBootLoader(int bytesPerSecond) : bytesPerSecond_(bytesPerSecond) {}

void FakeBootLoader::SetEcho(TEcho echo) {
    std::lock_guard lock(mutex_);
    echo_ = echo;
}

void FakeBootLoader::SetEraseSilent(bool silent) {
    std::lock_guard lock(mutex_);
    eraseSilent_ = silent;
}

QByteArray FakeBootLoader::Image() const {
    std::lock_guard lock(mutex_);
    return image_;
}

bool FakeBootLoader::SumsMatched() const {
    std::lock_guard lock(mutex_);
    return sumsMatched_;
}

qint64 FakeBootLoader::AnswerBytes() const {
    std::lock_guard lock(mutex_);
    return answerBytes_;
}

void FakeBootLoader::OnBytes(const QByteArray& bytes) {
    // The bytes could not have come faster than the wire carries them.
    if (bytesPerSecond_ > 0)
        inputDone_ = std::max(inputDone_, TClock::now()) +
                     std::chrono::microseconds(bytes.size() * 1000000LL / bytesPerSecond_);
    FakeStoringPanel::OnBytes(bytes);
}

std::optional<QByteArray> FakeBootLoader::Respond(const QByteArray& command) {
    std::optional<QByteArray> reply = BootAnswer(command);
    if (!reply) reply = FakeStoringPanel::Respond(command);
    if (bytesPerSecond_ > 0) {
        // The frame's last byte arrives, then the answer takes its time on the wire.
        std::this_thread::sleep_until(inputDone_);
        if (reply)
            std::this_thread::sleep_for(
                std::chrono::microseconds(reply->size() * 1000000LL / bytesPerSecond_));
    }
    if (reply) answerBytes_ += reply->size();
    return reply;
}

std::optional<QByteArray> FakeBootLoader::BootAnswer(const QByteArray& command) {
    if (command == "BL") {
        // A new upload: the sums start again.
        std::fill(std::begin(sums_), std::end(sums_), quint8(0));
        packets_ = 0;
        return QByteArray("OK\r\n");
    }
    if (command.startsWith('W')) return TakePacket(command);
    if (!command.startsWith("EE") || command.size() != 10) return std::nullopt;
    if (eraseSilent_) return QByteArray();
    sumsMatched_ = true;
    for (int i = 0; i < 4; ++i)
        sumsMatched_ = sumsMatched_ && Hex(command.mid(2 + 2 * i, 2)) == sums_[i];
    return QByteArray(sumsMatched_ ? "OK\r\n" : "ER\r\n");
}

QByteArray FakeBootLoader::TakePacket(const QByteArray& command) {
    const QList<QByteArray> parts = command.mid(1).split(':');
    if (parts.size() != 3 || parts[0].size() != 4 || parts[1].size() % 2 != 0) return "ER\r\n";
    const int row = Hex(parts[0]);
    quint8 check = 0;
    QByteArray data;
    for (qsizetype at = 0; at < parts[1].size(); at += 2) {
        const int value = Hex(parts[1].mid(at, 2));
        if (value < 0) return "ER\r\n";
        data.append(char(value));
        check ^= quint8(value);
    }
    if (row < 0 || Hex(parts[2]) != check) return "ER\r\n";
    if (echo_ == TEcho::Wrong)
        return QByteArray::number(row + 1, 16).rightJustified(4, '0').toUpper() + "\r\nOK\r\n";
    const qsizetype offset = qsizetype(row) * 16;
    if (image_.size() < offset + data.size()) image_.resize(offset + data.size(), char(0xFF));
    image_.replace(offset, data.size(), data);
    sums_[(packets_ % 8) / 2] ^= check;
    ++packets_;
    return echo_ == TEcho::SameLine ? parts[0] + "OK\r\n" : parts[0] + "\r\nOK\r\n";
}

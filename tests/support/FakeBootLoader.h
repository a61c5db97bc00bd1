#pragma once

#include "support/FakeStoringPanel.h"

#include <QByteArray>
#include <chrono>

// The panel with its boot loader: beside the panel's own commands it takes "+BL" CR (answered
// "OK"; the sums of an upload start there), the packets "+W" aaaa ":" data ":" cc CR (the check
// byte verified, the data stored at row aaaa, the address echoed) and "+EE" s1 s2 s3 s4 CR (the
// four sums verified against the packets taken, "OK" when they match).
//
// With a line speed set it paces itself as a wire of that many bytes a second would: a frame
// is taken only once its last byte could have arrived, and an answer takes its bytes' time to
// go out.
class FakeBootLoader : public FakeStoringPanel {
public:
    enum class TEcho {
        OwnLine,  // "0004" CR LF "OK" CR LF
        SameLine, // "0004OK" CR LF
        Wrong,    // another row's address, then "OK": never accepted
    };

    explicit FakeBootLoader(int bytesPerSecond = 0);
    ~FakeBootLoader() override { Stop(); }

    void SetEcho(TEcho echo);
    // "EE" gets no answer at all.
    void SetEraseSilent(bool silent);

    // The image as the packets taken wrote it, from row 0 on.
    QByteArray Image() const;
    // The last "EE" carried the sums of the packets taken.
    bool SumsMatched() const;
    // Bytes sent back over all answers.
    qint64 AnswerBytes() const;

protected:
    void OnBytes(const QByteArray& bytes) override;
    std::optional<QByteArray> Respond(const QByteArray& command) override;

private:
    using TClock = std::chrono::steady_clock;

    std::optional<QByteArray> BootAnswer(const QByteArray& command);
    QByteArray TakePacket(const QByteArray& command);

    const int bytesPerSecond_;
    TClock::time_point inputDone_{};
    QByteArray image_;
    quint8 sums_[4] = {};
    int packets_ = 0;
    bool sumsMatched_ = false;
    qint64 answerBytes_ = 0;
    TEcho echo_ = TEcho::OwnLine;
    bool eraseSilent_ = false;
};

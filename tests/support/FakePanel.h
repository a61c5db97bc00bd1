#pragma once

#include "support/FakeLine.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <chrono>
#include <optional>

// The alarm panel at the far end of the cable. It reads frames "+" command CR and answers a
// read with ">" value CR LF "OK" CR LF and a write ("name=value") with "OK" CR LF. Reads it has
// no answer for stay unanswered. Every frame is recorded; faults can be set per command.
//
// To teach it more of the panel, derive and override Respond (it runs on the fake's thread
// with mutex_ held, so it may use the tables).
//
// By default it answers at once. With a line speed set it paces itself as a wire of that many
// bytes a second would: a frame is taken only once its last byte could have arrived, and a reply
// goes out only once its bytes could have been sent; it then also times the program's own part
// of each exchange.
class FakePanel : public FakeLine {
public:
    FakePanel();
    ~FakePanel() override;

    // The value answered to a read command (the frame's text between "+" and CR).
    void SetAnswer(const QByteArray& command, const QByteArray& value);
    // The exact bytes answered to a command, for answers of another form.
    void SetReply(const QByteArray& command, const QByteArray& reply);
    void SetFault(const QByteArray& command, const FakeFault& fault);
    // Used for every command without a fault of its own.
    void SetFaultForAll(const FakeFault& fault);

    // Paces the line from now on; 0 answers at once again.
    void SetLineSpeed(int bytesPerSecond);
    // Bytes of every reply sent so far.
    qint64 ReplyBytes() const;
    // One entry per frame received while paced, in order: milliseconds from the last byte of
    // the reply before it to the frame's first byte; negative when no reply went before it.
    QList<double> GapsBeforeFrames() const;

    // The command text of every frame received, in order.
    QList<QByteArray> Frames() const;
    QList<QByteArray> FramesStartingWith(const QByteArray& prefix) const;
    bool WaitForFrames(int count, int timeoutMs) const;

protected:
    static QByteArray ReadAnswer(const QByteArray& value) { return ">" + value + "\r\nOK\r\n"; }
    static QByteArray WriteAnswer() { return "OK\r\n"; }

    // The reply to one command before faults are applied; nothing means stay silent.
    virtual std::optional<QByteArray> Respond(const QByteArray& command);
    void OnBytes(const QByteArray& bytes) override;

    QMap<QByteArray, QByteArray> replies_;

private:
    using TClock = std::chrono::steady_clock;

    QByteArray pending_;
    int bytesPerSecond_ = 0;
    TClock::time_point inputDone_{};    // when the bytes read so far had all arrived
    std::optional<TClock::time_point> replyDone_; // last byte of the last reply
    double frameGap_ = -1;                        // for the frame being read
    qint64 replyBytes_ = 0;
    QList<double> gaps_;
    QMap<QByteArray, FakeFault> faults_;
    FakeFault faultForAll_;
    QList<QByteArray> frames_;
};

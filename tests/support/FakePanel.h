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

    using TClock = std::chrono::steady_clock;
    // When a frame's first byte came and when its reply's last byte went out (nothing when it
    // got none).
    struct TExchangeTimes {
        TClock::time_point request;
        std::optional<TClock::time_point> replied;
    };

    // Paces the line from now on; 0 answers at once again.
    void SetLineSpeed(int bytesPerSecond);
    // Bytes of every reply sent so far.
    qint64 ReplyBytes() const;
    // One entry per frame received while paced, in order.
    QList<TExchangeTimes> ExchangeTimes() const;

    // The command text of every frame received, in order.
    QList<QByteArray> Frames() const;
    QList<QByteArray> FramesStartingWith(const QByteArray& prefix) const;
    bool WaitForFrames(int count, int timeoutMs) const;
    // The panel vanishes (see Unplug) as the nth frame from now on that starts with prefix
    // arrives ("" matches every frame): that frame is recorded but never answered.
    void VanishAt(const QByteArray& prefix, int nth = 1);

protected:
    static QByteArray ReadAnswer(const QByteArray& value) { return ">" + value + "\r\nOK\r\n"; }
    static QByteArray WriteAnswer() { return "OK\r\n"; }

    // The reply to one command before faults are applied; nothing means stay silent.
    virtual std::optional<QByteArray> Respond(const QByteArray& command);
    void OnBytes(const QByteArray& bytes) override;

    QMap<QByteArray, QByteArray> replies_;

private:
    QByteArray pending_;
    int bytesPerSecond_ = 0;
    TClock::time_point inputDone_{};  // when the bytes read so far had all arrived
    TClock::time_point frameStart_{}; // first byte of the frame being read
    qint64 replyBytes_ = 0;
    QList<TExchangeTimes> times_;
    QMap<QByteArray, FakeFault> faults_;
    FakeFault faultForAll_;
    QList<QByteArray> frames_;
    QByteArray vanishPrefix_;
    int framesToVanish_ = 0; // 0: never
};

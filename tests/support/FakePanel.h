#pragma once

#include "support/FakeLine.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <optional>

// The alarm panel at the far end of the cable. It reads frames "+" command CR and answers a
// read with ">" value CR LF "OK" CR LF and a write ("name=value") with "OK" CR LF. Reads it has
// no answer for stay unanswered. Every frame is recorded; faults can be set per command.
//
// To teach it more of the panel, derive and override Respond (it runs on the fake's thread
// with mutex_ held, so it may use the tables).
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
    QMap<QByteArray, FakeFault> faults_;
    FakeFault faultForAll_;
    QList<QByteArray> frames_;
    QByteArray vanishPrefix_;
    int framesToVanish_ = 0; // 0: never
};

#pragma once

#include "device/DevZelvan9TK4.h"
#include "link/ComPortWorker.h"
#include "platform/Clock.h"
#include "support/FakeStoringPanel.h"
#include "support/RecordingLog.h"

#include <functional>
#include <gtest/gtest.h>

// The direct-cable transport, noting when each frame left on the caller's own thread (the fake
// panel's thread may note a frame late on a busy machine).
class TimedLink : public TComPortWorker {
public:
    TimedLink() : TComPortWorker(true, true) {}
    bool Send(const QString& text) override {
        sendTimes.append(Clock::NowMs());
        return TComPortWorker::Send(text);
    }
    QList<qint64> sendTimes;
};

// The panel object over the real direct-cable transport, talking through a pseudo-terminal
// to the fake panel, with a log that records lines and colours.
class PanelFixture : public ::testing::Test {
protected:
    void SetUp() override { link.Open(panel.PortPath(), br19200); }
    void TearDown() override { Clock::SetScaleForTests(1.0); }

    // Runs call and returns the bytes it put on the line.
    QByteArray WireBytes(const std::function<bool()>& call, bool& result) {
        const qsizetype before = panel.Received().size();
        result = call();
        return panel.Received().mid(before);
    }

    FakeStoringPanel panel;
    TimedLink link;
    RecordingLog log;
    TDevZelvan9TK4 device{&link, &log};
};

#pragma once

#include "device/DevZelvan9TK4.h"
#include "link/ComPortWorker.h"
#include "platform/Clock.h"
#include "support/FakeStoringPanel.h"
#include "support/RecordingLog.h"

#include <functional>
#include <gtest/gtest.h>

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
    TComPortWorker link{true, true};
    RecordingLog log;
    TDevZelvan9TK4 device{&link, &log};
};

#pragma once

#include "link/ModemWorker.h"
#include "platform/Clock.h"
#include "support/FakeModem.h"

#include <gtest/gtest.h>

// A modem worker open on a fake modem, with the seconds-long modem waits shortened a hundredfold.
class ModemFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::SetScaleForTests(0.01);
        worker.Open(modem.PortPath(), br19200);
    }
    void TearDown() override { Clock::SetScaleForTests(1.0); }

    // Sets up a data call to the fake panel, as the dialling dialog leaves it.
    void Call() {
        ASSERT_TRUE(worker.Dial(QStringLiteral("5551234")));
        worker.Connected = true;
    }

    // One panel exchange over the call, as the request engine makes it.
    bool Exchange(const QString& command, QString& answer) {
        worker.Send(QStringLiteral("+") + command + u'\r');
        return worker.ReceiveDefault(answer, QStringLiteral("OK"));
    }

    FakeModem modem;
    TModemWorker worker;
};

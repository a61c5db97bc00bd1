#pragma once

#include "base/LogWriter.h"
#include "link/ModemWorker.h"
#include "platform/Clock.h"
#include "support/FakeModem.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

// A log sink that keeps every line as "kind:text" (I info, E error, M plain, D/L detail lines);
// OnInfo runs after each information line is kept.
class RecordingLog : public TLogWriter {
public:
    void WriteInfo(const QString& Text) override {
        Lines.append(QStringLiteral("I:") + Text);
        if (OnInfo)
            OnInfo(Text);
    }
    void WriteError(const QString& Text) override { Lines.append(QStringLiteral("E:") + Text); }
    void WriteMessage(const QString& Text) override { Lines.append(QStringLiteral("M:") + Text); }
    void WriteDetail(const QString& Text, const QString& Detail, TColor) override {
        Lines.append(QStringLiteral("D:") + Text + u'|' + Detail);
    }
    void WriteLines(const QString& Text, const QStringList& Lines_, TColor) override {
        Lines.append(QStringLiteral("L:") + Text + u'|' + Lines_.join(u'|'));
    }

    QStringList Lines;
    std::function<void(const QString&)> OnInfo;
};

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

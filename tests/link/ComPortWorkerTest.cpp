#include "base/Exceptions.h"
#include "link/ComPortWorker.h"
#include "platform/Clock.h"
#include "platform/SerialBackend.h"
#include "support/FakePanel.h"

#include <functional>
#include "PrintQt.h"

#include <gtest/gtest.h>

namespace {

const QString OK = QStringLiteral("OK");

// A worker on the fake panel's port, as the connection code opens it.
struct Link {
    FakePanel panel;
    TComPortWorker worker{true, true};
    Link() { worker.Open(panel.PortPath(), br19200); }

    // Sends a frame and measures the receive that follows.
    bool Exchange(const char* frame, QString& answer, int timeoutMs, qint64* elapsed = nullptr) {
        worker.Send(QString::fromLatin1(frame));
        const qint64 start = Clock::NowMs();
        const bool ok = worker.Receive(answer, OK, timeoutMs);
        if (elapsed)
            *elapsed = Clock::NowMs() - start;
        return ok;
    }
};

FakeFault SplitAt(QList<int> offsets, int gapMs) {
    FakeFault fault;
    fault.splitAt = std::move(offsets);
    fault.gapMs = gapMs;
    return fault;
}

// The real line, with every change of it written down in order.
class RecordingBackend : public SerialBackend {
public:
    explicit RecordingBackend(QStringList& log) : log_(log) {}
    SysStatus Purge(bool input, bool output) override {
        log_ << QStringLiteral("purge %1%2").arg(input ? "in" : "").arg(output ? "out" : "");
        return SerialBackend::Purge(input, output);
    }
    SysStatus SetRts(bool on) override {
        log_ << (on ? QStringLiteral("rts on") : QStringLiteral("rts off"));
        return SerialBackend::SetRts(on);
    }
    SysStatus SetDtr(bool on) override {
        log_ << (on ? QStringLiteral("dtr on") : QStringLiteral("dtr off"));
        return SerialBackend::SetDtr(on);
    }
    SysStatus Write(const char* buffer, int count, int& put) override {
        if (failWrites) {
            put = 0;
            return {};
        }
        log_ << QStringLiteral("write ") + QString::fromLatin1(buffer, count);
        return SerialBackend::Write(buffer, count, put);
    }
    SysStatus Drain() override {
        log_ << QStringLiteral("drain");
        return SerialBackend::Drain();
    }
    bool failWrites = false;

private:
    QStringList& log_;
};

// A line with bytes always waiting, faster than any reader.
class EndlessBackend : public SerialBackend {
public:
    SysStatus QueuedInput(int& count) override {
        count = 64;
        return {};
    }
    SysStatus Read(char* buffer, int count, int& got) override {
        std::fill(buffer, buffer + count, 'x');
        got = count;
        return {};
    }
};

class ModemLikeWorker : public TComPortWorker {
public:
    ModemLikeWorker() : TComPortWorker(false, true) {}
    int DefaultTimeoutValue() override { return 5000; }
};

} // namespace

TEST(ComPortWorkerTest, EachKindOfTransportKeepsItsOwnDefaultTimeout) {
    FakePanel panel;
    TComPortWorker direct(true, true);
    ModemLikeWorker modem;
    EXPECT_EQ(direct.GetTimeout(), 300);
    EXPECT_EQ(modem.GetTimeout(), 5000);
    modem.Open(panel.PortPath(), br19200);
    EXPECT_EQ(modem.GetTimeout(), 5000);
    EXPECT_EQ(modem.Port->BaudValue(), 19200u);
    modem.OpenWithTimeout(panel.PortPath(), br19200, 1234); // closes and opens again
    EXPECT_TRUE(modem.IsOpen());
    EXPECT_EQ(modem.GetTimeout(), 1234);
    modem.Close();
    EXPECT_THROW(direct.OpenWithTimeout(QStringLiteral("/nonexistent/tty"), br19200, 77), EDeviceError);
    EXPECT_EQ(direct.GetTimeout(), 300);
}

TEST(ComPortWorkerTest, ReceiveCollectsUntilTheTerminator) {
    Link link;
    link.panel.SetAnswer("v", "VER 01 4.13");
    link.panel.SetReply("x", "\r\n>7\r\nOK\r\nXYZ");
    QString answer;
    qint64 elapsed = 0;
    ASSERT_TRUE(link.Exchange("+v\r", answer, 300, &elapsed));
    EXPECT_EQ(answer, QStringLiteral(">VER 01 4.13\r\nOK\r\n"));
    EXPECT_LT(elapsed, 150);

    // Bytes after the terminator that came in the same read stay in the answer.
    ASSERT_TRUE(link.Exchange("+x\r", answer, 300));
    EXPECT_EQ(answer, QStringLiteral("\r\n>7\r\nOK\r\nXYZ"));

    // Split over several reads, the terminator itself too.
    link.panel.SetFault("v", SplitAt({2, 6, 14}, 40));
    ASSERT_TRUE(link.Exchange("+v\r", answer, 500));
    EXPECT_EQ(answer, QStringLiteral(">VER 01 4.13\r\nOK\r\n"));

    FakeFault lower;
    lower.lowerCase = true;
    link.panel.SetFault("v", lower);
    ASSERT_TRUE(link.Exchange("+v\r", answer, 300));
    EXPECT_EQ(answer, QStringLiteral(">ver 01 4.13\r\nok\r\n"));
}

TEST(ComPortWorkerTest, SilenceTimesOutOnTime) {
    Link link;
    QString answer;
    for (int timeoutMs : {0, 120, 300}) {
        qint64 elapsed = 0;
        EXPECT_FALSE(link.Exchange("+none\r", answer, timeoutMs, &elapsed));
        EXPECT_TRUE(answer.isEmpty());
        EXPECT_GT(elapsed, timeoutMs);
        EXPECT_LT(elapsed, timeoutMs + 60);
    }
    // An empty terminator never matches.
    link.panel.SetAnswer("v", "1");
    qint64 elapsed = 0;
    link.worker.Send(QStringLiteral("+v\r"));
    const qint64 start = Clock::NowMs();
    EXPECT_FALSE(link.worker.Receive(answer, QString(), 100));
    elapsed = Clock::NowMs() - start;
    EXPECT_GT(elapsed, 100);
    EXPECT_EQ(answer, QStringLiteral(">1\r\nOK\r\n"));
}

// A value holding "ok" (an APN, a login) must not end the answer: the real terminator stands at
// the start of a line. A device that appends OK without a line break still works, after the
// time-out.
TEST(ComPortWorkerTest, OkInsideAValueDoesNotCutTheAnswer) {
    Link link;
    link.panel.SetAnswer("APN", "internet.ok");
    link.panel.SetFault("APN", SplitAt({12}, 80)); // pause right after "internet.ok"
    QString answer;
    qint64 elapsed = 0;
    ASSERT_TRUE(link.Exchange("+APN\r", answer, 300, &elapsed));
    EXPECT_EQ(answer, QStringLiteral(">internet.ok\r\nOK\r\n"));
    EXPECT_LT(elapsed, 250);

    link.panel.SetReply("AB", ">12OK");
    ASSERT_TRUE(link.Exchange("+AB\r", answer, 150, &elapsed));
    EXPECT_EQ(answer, QStringLiteral(">12OK"));
    EXPECT_GT(elapsed, 150);
    EXPECT_LT(elapsed, 250);

    link.panel.SetReply("W", "OK\r\n");
    ASSERT_TRUE(link.Exchange("+W\r", answer, 300, &elapsed));
    EXPECT_LT(elapsed, 150);
}

// A device that never stops sending (a line that picks up noise, a wrong device) must not hold
// the caller past its time-out, even when the queue is never found empty.
TEST(ComPortWorkerTest, ALineThatNeverStopsSendingStillTimesOut) {
    QString answer;
    FakePanel panel;
    TComPortWorker worker(true, true, new TSerialComm(std::make_unique<EndlessBackend>()));
    worker.Open(panel.PortPath(), br19200);
    const qint64 start = Clock::NowMs();
    EXPECT_FALSE(worker.Receive(answer, OK, 100));
    EXPECT_LT(Clock::NowMs() - start, 400);
    EXPECT_FALSE(answer.isEmpty());
}

TEST(ComPortWorkerTest, SendPurgesStaleInput) {
    Link link;
    link.panel.SetAnswer("v", "new");
    ASSERT_TRUE(link.panel.Write("stale >old\r\nOK\r\n"));
    while (link.worker.Port->QueueCount(0) < 16)
        ASSERT_TRUE(link.worker.Port->WaitForInput(1000));
    QString answer;
    ASSERT_TRUE(link.Exchange("+v\r", answer, 300));
    EXPECT_EQ(answer, QStringLiteral(">new\r\nOK\r\n"));
}

TEST(ComPortWorkerTest, ReceiveAnyFindsAnItemSplitOverTwoReads) {
    Link link;
    link.panel.SetReply("d", "\r\nCON");
    link.panel.SetFault("d", SplitAt({3}, 60));
    link.worker.Send(QStringLiteral("+d\r"));
    QString answer;
    EXPECT_FALSE(link.worker.ReceiveAny(answer, {QStringLiteral("BUSY"), QStringLiteral("CONNECT")}, 150));
    EXPECT_EQ(answer, QStringLiteral("\r\nCON"));

    link.panel.SetReply("d", "\r\nCONNECT 9600\r\n");
    link.panel.SetFault("d", SplitAt({4}, 60));
    link.worker.Send(QStringLiteral("+d\r"));
    EXPECT_TRUE(link.worker.ReceiveAny(answer, {QStringLiteral("BUSY"), QStringLiteral("connect")}, 300));
    EXPECT_TRUE(answer.startsWith(QStringLiteral("\r\nCONNECT")));
}

TEST(ComPortWorkerTest, AVanishedDeviceRaisesInsteadOfLookingQuiet) {
    FakePanel panel;
    TComPortWorker worker(false, true);
    worker.Open(panel.PortPath(), br19200);
    panel.Unplug();
    QString answer;
    const qint64 start = Clock::NowMs();
    try {
        worker.Receive(answer, OK, 2000);
        ADD_FAILURE() << "no error raised";
    } catch (const EDeviceError& e) {
        EXPECT_EQ(e.Code, 10);
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Unable to read from port. (")));
        EXPECT_TRUE(e.message().endsWith(QStringLiteral(" error 5: Input/output error)"))) << e.what();
    }
    EXPECT_LT(Clock::NowMs() - start, 500);

    // With RTS keyed, dropping it is the first thing to fail.
    FakePanel second;
    TComPortWorker keyed(true, true);
    keyed.Open(second.PortPath(), br19200);
    second.Unplug();
    EXPECT_THROW(keyed.Receive(answer, OK, 2000), EDeviceError);
}

// A pseudo-terminal has no RTS line, so the order is watched at the backend: RTS goes up
// before the write and down only after the bytes have left.
TEST(ComPortWorkerTest, RtsStaysUpUntilTheFrameHasLeft) {
    FakePanel panel;
    QStringList log;
    auto* backend = new RecordingBackend(log);
    TComPortWorker worker(true, true, new TSerialComm(std::unique_ptr<SerialBackend>(backend)));
    worker.Open(panel.PortPath(), br19200);
    EXPECT_EQ(log, (QStringList{"dtr off", "rts off", "purge inout"})); // both lines down after Open

    log.clear();
    EXPECT_TRUE(worker.Send(QStringLiteral("+v\r")));
    EXPECT_EQ(log, (QStringList{"purge in", "purge out", "rts on", "write +v\r", "drain", "rts off"}));

    // A write that cannot go out is no failure of Send: it shows as a missing answer.
    worker.Port->Buffers().SetOutputTimeout(50);
    backend->failWrites = true;
    EXPECT_TRUE(worker.Send(QStringLiteral("+v\r")));
}

TEST(ComPortWorkerTest, WithoutKeyRtsTheLineIsLeftAlone) {
    FakePanel panel;
    QStringList log;
    TComPortWorker worker(false, true, new TSerialComm(std::make_unique<RecordingBackend>(log)));
    worker.Open(panel.PortPath(), br19200);
    log.clear();
    worker.Send(QStringLiteral("AT\r\n"));
    QString answer;
    worker.Receive(answer, OK, 0);
    EXPECT_EQ(log, (QStringList{"purge in", "purge out", "write AT\r\n"}));
}

TEST(ComPortWorkerTest, ClosedTransport) {
    TComPortWorker worker(true, true);
    EXPECT_FALSE(worker.IsOpen());
    worker.Purge();
    worker.Close();
    QString answer;
    for (auto call : {std::function<void()>([&] { worker.Receive(answer, OK, 10); }),
                      std::function<void()>([&] { worker.ReceiveAny(answer, {OK}, 10); }),
                      std::function<void()>([&] { worker.ReadAll(answer); }),
                      std::function<void()>([&] { worker.Send(QStringLiteral("+v\r")); })}) {
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const EDeviceError& e) {
            EXPECT_EQ(e.Code, 1);
        }
    }
}

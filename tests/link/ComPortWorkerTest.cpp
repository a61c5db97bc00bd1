#include "link/ComPortWorker.h"
#include "base/Exceptions.h"
#include "link/ModemWorker.h"
#include "platform/Clock.h"
#include "platform/SerialBackend.h"
#include "support/FakePanel.h"

#include "PrintQt.h"

#include <gtest/gtest.h>

namespace {

const QString OK = QStringLiteral("OK");

// A worker on the fake panel's port, as the connection code opens it.
class DirectLink : public ::testing::Test {
protected:
    void SetUp() override { worker.Open(panel.PortPath(), br19200); }

    FakePanel panel;
    TComPortWorker worker{true, true};
};

// A reply paused at the split offsets, in lower case when asked, after junk bytes.
FakeFault Shaped(QList<int> splitAt, int gapMs, bool lowerCase = false, QByteArray junk = {}) {
    FakeFault fault;
    fault.splitAt = std::move(splitAt);
    fault.gapMs = gapMs;
    fault.lowerCase = lowerCase;
    fault.junk = std::move(junk);
    return fault;
}

// The real line, with every change of it written down in order.
class RecordingBackend : public SerialBackend {
public:
    explicit RecordingBackend(QStringList& log) : log_(log) {}
    SysStatus Purge(bool in, bool out) override {
        return Note(QStringLiteral("purge %1%2").arg(in ? "in" : "", out ? "out" : ""),
                    SerialBackend::Purge(in, out));
    }
    SysStatus SetRts(bool on) override { return Note(on ? "rts on" : "rts off", SerialBackend::SetRts(on)); }
    SysStatus SetDtr(bool on) override { return Note(on ? "dtr on" : "dtr off", SerialBackend::SetDtr(on)); }
    SysStatus Drain() override { return Note("drain", SerialBackend::Drain()); }
    SysStatus Write(const char* buffer, int count, int& put) override {
        put = 0;
        if (failWrites) return {};
        return Note("write " + QString::fromLatin1(buffer, count), SerialBackend::Write(buffer, count, put));
    }
    bool failWrites = false;

private:
    SysStatus Note(const QString& change, SysStatus status) {
        log_ << change;
        return status;
    }
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

} // namespace

// The modem transport's own default must survive the base constructor; a failed open keeps the
// time-out. A closed transport has nothing to purge or close, and cannot receive.
TEST(ComPortWorkerTest, TimeoutsPerTransportAndAClosedTransport) {
    FakePanel panel;
    TComPortWorker direct(true, true);
    TModemWorker modem;
    EXPECT_EQ(direct.GetTimeout(), 300);
    EXPECT_EQ(modem.GetTimeout(), 5000);
    modem.Open(panel.PortPath(), br19200);
    EXPECT_EQ(modem.GetTimeout(), 5000);
    EXPECT_EQ(modem.Port->BaudValue(), 19200u);
    modem.OpenWithTimeout(panel.PortPath(), br19200, 1234); // closes and opens again
    EXPECT_TRUE(modem.IsOpen());
    EXPECT_EQ(modem.GetTimeout(), 1234);
    EXPECT_THROW(direct.OpenWithTimeout(QStringLiteral("/nonexistent/tty"), br19200, 77), EDeviceError);
    EXPECT_EQ(direct.GetTimeout(), 300);

    direct.Purge(); // no port to purge or close: nothing to do
    direct.Close();
    QString answer;
    EXPECT_THROW(direct.Receive(answer, OK, 10), EDeviceError);
}

// The terminator ends the answer at once only at the start of the text or after CR/LF: a value
// holding "ok" (an APN, a login) is not cut short, and OK appended without a line break still
// counts, after the time-out. Silence ends on time, neither early nor much later.
TEST_F(DirectLink, ReceiveCollectsUntilTheTerminator) {
    const QByteArray version = ">VER 01 4.13\r\nOK\r\n";
    const struct {
        QByteArray reply; // empty: the panel stays silent
        FakeFault fault;
        QString terminator;
        int timeoutMs;
        bool found;
        QString answer;
        int minMs, maxMs; // bounds of the time the receive took, both exclusive
    } cases[] = {
        {version, {}, OK, 300, true, ">VER 01 4.13\r\nOK\r\n", -1, 150},
        {"\r\n>7\r\nOK\r\nXYZ", {}, OK, 300, true, "\r\n>7\r\nOK\r\nXYZ", -1, 150}, // rest of the read kept
        {version, Shaped({2, 6, 14}, 40), OK, 500, true, ">VER 01 4.13\r\nOK\r\n", -1, 450},
        {version, Shaped({}, 0, true), OK, 300, true, ">ver 01 4.13\r\nok\r\n", -1, 150},
        {version, Shaped({}, 0, false, QByteArray("\0zz", 3)), OK, 300, true,
         QString::fromLatin1("\0zz", 3) + ">VER 01 4.13\r\nOK\r\n", -1, 150},
        {">internet.ok\r\nOK\r\n", Shaped({12}, 80), OK, 300, true, ">internet.ok\r\nOK\r\n", -1, 250},
        {">12OK", {}, OK, 150, true, ">12OK", 150, 250},
        {"OK\r\n", {}, OK, 300, true, "OK\r\n", -1, 150},
        {{}, {}, OK, 0, false, {}, 0, 60},
        {{}, {}, OK, 120, false, {}, 120, 180},
        {{}, {}, OK, 300, false, {}, 300, 360},
        {">1\r\nOK\r\n", {}, QString(), 100, false, ">1\r\nOK\r\n", 100, 200}, // never matches
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(row);
        const QByteArray command = "c" + QByteArray::number(row++);
        if (!c.reply.isEmpty()) panel.SetReply(command, c.reply);
        panel.SetFault(command, c.fault);
        worker.Send(QString::fromLatin1("+" + command + "\r"));
        const qint64 start = Clock::NowMs();
        QString answer;
        EXPECT_EQ(worker.Receive(answer, c.terminator, c.timeoutMs), c.found);
        const qint64 elapsed = Clock::NowMs() - start;
        EXPECT_EQ(answer, c.answer);
        EXPECT_GT(elapsed, c.minMs);
        EXPECT_LT(elapsed, c.maxMs);
    }
}

// Send throws away stale input first; ReceiveAny finds an item split over two reads.
TEST_F(DirectLink, SendPurgesStaleInputAndReceiveAnyFindsASplitItem) {
    const QStringList items{QStringLiteral("BUSY"), QStringLiteral("connect")};
    ASSERT_TRUE(panel.Write("stale\r\nCONNECT\r\n"));
    while (worker.Port->QueueCount(0) < 16)
        ASSERT_TRUE(worker.Port->WaitForInput(1000));
    QString answer;
    panel.SetReply("d", "\r\nCON");
    panel.SetFault("d", Shaped({3}, 60));
    worker.Send(QStringLiteral("+d\r"));
    EXPECT_FALSE(worker.ReceiveAny(answer, items, 150));
    EXPECT_EQ(answer, QStringLiteral("\r\nCON"));

    panel.SetReply("d", "\r\nCONNECT 9600\r\n");
    panel.SetFault("d", Shaped({4}, 60));
    worker.Send(QStringLiteral("+d\r"));
    EXPECT_TRUE(worker.ReceiveAny(answer, items, 300));
    EXPECT_TRUE(answer.startsWith(QStringLiteral("\r\nCONNECT")));
}

// A device that never stops sending must not hold the caller past its time-out, even when the
// queue is never found empty.
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

// The port closes the link, in the system's words, whichever call meets the vanished device
// first; the transport lets it through and closing the port still works.
TEST(ComPortWorkerTest, AVanishedDeviceClosesTheLinkInsteadOfLookingQuiet) {
    for (bool keyRts : {false, true}) {
        for (bool sending : {false, true}) {
            SCOPED_TRACE(testing::Message() << "keyRts " << keyRts << " sending " << sending);
            FakePanel panel;
            TComPortWorker worker(keyRts, true);
            worker.Open(panel.PortPath(), br19200);
            panel.Unplug();
            QString answer;
            const qint64 start = Clock::NowMs();
            try {
                if (sending)
                    worker.Send(QStringLiteral("+v\r"));
                else
                    worker.Receive(answer, OK, 2000);
                ADD_FAILURE() << "no error raised";
            } catch (const TCloseException& e) {
                EXPECT_TRUE(e.message().endsWith(QStringLiteral(" error 5: Input/output error)")))
                    << e.what();
                // With RTS keyed, dropping it is the first thing to fail on a receive; a send
                // counts the bytes it purges first.
                if (sending || !keyRts) {
                    EXPECT_EQ(e.message(),
                              QStringLiteral(
                                  "Unable to read from port. (ioctl(TIOCINQ) error 5: Input/output error)"));
                }
            }
            EXPECT_LT(Clock::NowMs() - start, 500);
            EXPECT_TRUE(worker.IsOpen()) << "the controller closes it";
            worker.Close();
            EXPECT_FALSE(worker.IsOpen());
        }
    }
}

// A pseudo-terminal has no RTS line, so the order is watched at the backend: RTS goes up
// before the write and down only after the bytes have left; unkeyed, the line is left alone.
TEST(ComPortWorkerTest, RtsStaysUpUntilTheFrameHasLeft) {
    FakePanel panel;
    QStringList log;
    auto* backend = new RecordingBackend(log);
    TComPortWorker keyed(true, true, new TSerialComm(std::unique_ptr<SerialBackend>(backend)));
    keyed.Open(panel.PortPath(), br19200);
    EXPECT_EQ(log, (QStringList{"dtr off", "rts off", "purge inout"})); // both lines down after Open
    log.clear();
    EXPECT_TRUE(keyed.Send(QStringLiteral("+v\r")));
    EXPECT_EQ(log, (QStringList{"purge in", "purge out", "rts on", "write +v\r", "drain", "rts off"}));

    // A write that cannot go out is no failure of Send: it shows as a missing answer.
    keyed.Port->Buffers().SetOutputTimeout(50);
    backend->failWrites = true;
    EXPECT_TRUE(keyed.Send(QStringLiteral("+v\r")));
    keyed.Close();

    TComPortWorker plain(false, true, new TSerialComm(std::make_unique<RecordingBackend>(log)));
    plain.Open(panel.PortPath(), br19200);
    log.clear();
    plain.Send(QStringLiteral("AT\r\n"));
    QString answer;
    plain.Receive(answer, OK, 0);
    EXPECT_EQ(log, (QStringList{"purge in", "purge out", "write AT\r\n"}));
}

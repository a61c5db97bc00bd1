#include "PanelFixture.h"

#include <array>
#include <vector>

class RequestRetry : public PanelFixture {
protected:
    // Runs a call that the panel never answers and checks how long each of its tries waited:
    // the time from one frame's send to the next, and from the last send to the call's return.
    void ExpectTriesWaited(const std::function<bool()>& call, const std::vector<qint64>& waits) {
        const qsizetype first = link.sendTimes.size();
        const qsizetype framesBefore = panel.Frames().size();
        EXPECT_FALSE(call());
        const qint64 returned = Clock::NowMs();
        ASSERT_EQ(panel.Frames().size() - framesBefore, qsizetype(waits.size()));
        QList<qint64> times = link.sendTimes.mid(first);
        ASSERT_EQ(times.size(), qsizetype(waits.size()));
        times.append(returned);
        for (size_t i = 0; i < waits.size(); ++i) {
            const qint64 waited = times[qsizetype(i) + 1] - times[qsizetype(i)];
            EXPECT_GE(waited, waits[i]) << "try " << i + 1;
            EXPECT_LE(waited, waits[i] + 150) << "try " << i + 1;
        }
    }
};

TEST_F(RequestRetry, ExtraTimeGrowsOnEveryTryOfTheExactCommandOnly) {
    panel.SetFault("rb", Silent());
    ExpectTriesWaited([&] { return device.RestartPanel(); }, {300 + 500, 300 + 1000, 300 + 1500});
    // Long waits run at a tenth of their length from here: 1000 ms become 100, 7000 become 700.
    Clock::SetScaleForTests(0.1);
    panel.SetFault("D", Silent());
    std::array<QString, 16> ways;
    ExpectTriesWaited([&] { return device.GetWayDescriptors(ways); }, {300 + 100, 300 + 200, 300 + 300});
    panel.SetFault("FH", Silent());
    ExpectTriesWaited([&] { return device.ClearHistory(); }, {300 + 700, 300 + 1400, 300 + 2100});
    // A way descriptor write and the switch flag begin with "D", but are answered at once.
    panel.SetFault("D0=00100", Silent());
    ExpectTriesWaited([&] { return device.SetWayDescriptor(1, QStringLiteral("00100")); }, {300, 300, 300});
    panel.SetFault("DO", Silent());
    QString flag;
    ExpectTriesWaited([&] { return device.GetWaySwitchFlag(flag); }, {300, 300, 300});
    // The raw requests wait their own time and add nothing, whatever the command.
    ExpectTriesWaited([&] { return device.RequestEx(QStringLiteral("FH"), flag, 200, false, 2, true); },
                      {200, 200});
}

TEST_F(RequestRetry, SecondTrySucceedsAndStopsWithEveryTryLogged) {
    panel.SilenceNext("v", 1);
    QString version;
    EXPECT_TRUE(device.GetVersion(version));
    EXPECT_EQ(version, QStringLiteral("GSM-9-TK4 VER 01 004.013"));
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"v", "v"}));
    EXPECT_EQ(log.Texts(), (QStringList{"<<<<", "\t+v\r", ">>>>", "\t", "<<<<", "\t+v\r", ">>>>",
                                        "\t>GSM-9-TK4 VER 01 004.013\r\nOK\r\n"}));
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log.lines[i].color, i % 4 < 2 ? clBlue : clFuchsia);
        EXPECT_EQ(std::pair(log.lines[i].level, log.lines[i].background),
                  std::pair(i % 2, i % 2 ? clInfoBk : clWhite));
    }
}

TEST_F(RequestRetry, FailureAfterThreeTries) {
    panel.SetFault("v", Silent());
    QString version = QStringLiteral("old");
    EXPECT_FALSE(device.GetVersion(version));
    EXPECT_EQ(version, QString());
    EXPECT_EQ(log.lines.size(), 12);
    // Text without the terminator: every try times out, the raw text of the last stays for the caller.
    panel.SetReply("AC", ">12:00");
    QString clock;
    EXPECT_FALSE(device.GetClock(clock));
    EXPECT_EQ(clock, QStringLiteral(">12:00"));
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"v", "v", "v", "AC", "AC", "AC"}));
}

TEST_F(RequestRetry, RawRequestsTriesAndLogging) {
    QString answer;
    panel.SetReply("BL", "\r\nBOOT\r\nOK\r\n");
    EXPECT_TRUE(device.RequestBoot(QStringLiteral("BL"), answer, false));
    EXPECT_EQ(answer, QStringLiteral("\r\nBOOT\r\nOK\r\n")); // not cut
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_TRUE(device.RequestBoot(QStringLiteral("BL"), answer, true));
    EXPECT_EQ(log.Texts(), (QStringList{"<<<<", "\t+BL\r", ">>>>", "\t\r\nBOOT\r\nOK\r\n"}));

    log.Clear();
    EXPECT_FALSE(device.RequestEx(QStringLiteral("BL"), answer, 200, false, 0, true));
    EXPECT_EQ(answer, QString());
    EXPECT_EQ(panel.Frames().size(), 2); // no try, no frame
    EXPECT_TRUE(log.lines.isEmpty());
}

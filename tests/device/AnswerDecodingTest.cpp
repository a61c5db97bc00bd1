#include "PanelFixture.h"

#include "base/Exceptions.h"

#include <array>

using AnswerDecoding = PanelFixture;

namespace {

QString Text(bool value) {
    return QString::number(int(value));
}
QString Text(int value) {
    return QString::number(value);
}
QString Text(const std::array<int, 3>& v) {
    return QStringLiteral("%1:%2:%3").arg(v[0]).arg(v[1]).arg(v[2]);
}

// A decoding call's result with the values it left behind, as one text: "ok 0 1", "failed 15 30".
template <typename... Values> QString Outcome(bool ok, const Values&... values) {
    QStringList parts{ok ? QStringLiteral("ok") : QStringLiteral("failed")};
    (parts.append(Text(values)), ...);
    return parts.join(u' ');
}

} // namespace

// Values are kept where a decoding fails; each row runs after the one above.
TEST_F(AnswerDecoding, ValuesDecimalHexAndBits) {
    int n = -1, n2 = 0;
    quint16 pointer = 7;
    bool f1 = false, f2 = false, f3 = false, f4 = false;
    std::array<int, 3> three{};
    TDevZelvan9TK4& d = device;
    const auto hexX = [&] { return Outcome(d.ReadInt(QStringLiteral("X"), n, true), n); };
    const auto decimalX = [&] { return Outcome(d.ReadInt(QStringLiteral("X"), n, false), n); };
    const auto o = [&] { return Outcome(d.GetObjectNumber(n), n); };
    const auto an = [&] { return Outcome(d.GetTestCount(n), n); };
    const auto ga = [&] { return Outcome(d.GetGprsChannels(f1, f2), f1, f2); };
    const auto fp = [&] { return Outcome(d.GetHistoryPointer(pointer), pointer); };
    const auto gt = [&] { return Outcome(d.GetGprsRetryTime(n, n2), n, n2); };
    const auto u = [&] { return Outcome(d.GetLoopUse(f1, f2, f3, f4), f1, f2, f3, f4); };
    const auto p = [&] { return Outcome(d.GetLoopStates(f1, f2), f1, f2); };
    const auto y = [&] { return Outcome(d.GetRestartEventFlag(f1), f1); };
    const auto ah = [&] { return Outcome(d.GetTestHours(three), three); };
    const auto am = [&] { return Outcome(d.GetTestMinutes(three), three); };
    // clang-format off
    const QList<std::tuple<QByteArray, QByteArray, std::function<QString()>, QString>> cases{
        {"X", "1F", hexX, "ok 31"}, {"X", "1F", decimalX, "failed 31"}, {"X", "", hexX, "failed 31"},
        {"o", "0042", o, "ok 42"}, {"AN", "12", an, "ok 18"},
        // "GA": only 0 to 3.
        {"GA", "2", ga, "ok 0 1"}, {"GA", "4", ga, "failed 0 1"}, {"GA", "FF", ga, "failed 0 1"},
        {"GA", "FFFFFFFF", ga, "failed 0 1"}, {"GA", "x", ga, "failed 0 1"},
        // Characters two to five, in hex.
        {"FP", "F1A2B", fp, "ok 6699"}, {"FP", "FFFFFF", fp, "ok 65535"}, {"FP", "F", fp, "failed 65535"},
        {"FP", "", fp, "failed 65535"}, {"FP", "F1G2B", fp, "failed 65535"},
        // Two decimal pairs.
        {"GT", "1530", gt, "ok 15 30"}, {"GT", "15", gt, "failed 15 30"}, {"GT", "1", gt, "failed 15 30"},
        {"GT", "AB30", gt, "failed 15 30"}, {"GT", "15x0", gt, "failed 15 30"},
        {"u", "A", u, "ok 0 1 0 1"}, {"u", "5", u, "ok 1 0 1 0"}, {"u", "G", u, "failed 1 0 1 0"},
        {"p", "2", p, "ok 0 1"}, {"Y", "2", y, "ok 0"}, {"Y", "1", y, "ok 1"},
        // The separators of "AH" and "AM" are not looked at.
        {"AH", "08:13:23", ah, "ok 8:13:23"}, {"AM", "00-05-59", am, "ok 0:5:59"},
    };
    // clang-format on
    for (const auto& [command, answer, decode, outcome] : cases) {
        panel.SetValue(command, answer);
        EXPECT_EQ(decode(), outcome) << command.constData() << " " << answer.constData();
    }
    // A lower-case terminator ends the exchange, but the value's cut needs "OK": empty value.
    panel.SetValue("dt", "12");
    FakeFault lower;
    lower.lowerCase = true;
    panel.SetFault("dt", lower);
    QString value = QStringLiteral("x");
    EXPECT_TRUE(device.GetVoiceCidMode(value));
    EXPECT_EQ(value, QString());
}

TEST_F(AnswerDecoding, PhoneNumberIsReadAgainOnlyWhenGarbled) {
    QString number;
    panel.SetValue("h0", "12a4");
    EXPECT_FALSE(device.GetPhoneNumber(1, number));
    EXPECT_EQ(number, QStringLiteral("12a4"));
    EXPECT_EQ(panel.Frames().size(), 3);
    panel.SetValue("h1", "+7W123w9");
    EXPECT_TRUE(device.GetPhoneNumber(2, number));
    EXPECT_EQ(number, QStringLiteral("+7W123w9"));
    panel.SetValue("h2", "");
    EXPECT_TRUE(device.GetPhoneNumber(3, number));
    EXPECT_EQ(number, QString());
    EXPECT_EQ(panel.Frames().size(), 5);
    // A read that gets no answer at all (three tries) ends it: the number is not read again.
    panel.SetValue("h3", "+380");
    panel.SilenceNext("h3", 3);
    EXPECT_FALSE(device.GetPhoneNumber(4, number));
    EXPECT_EQ(number, QString());
    EXPECT_EQ(panel.Frames().size(), 5 + 3);
}

TEST_F(AnswerDecoding, TestHoursAndMinutesThrowOnBadOrShortValues) {
    std::array<int, 3> hours{8, 13, 23}, minutes{};
    for (const QByteArray bad : {"08:13", "08:1", "", "ab:13:23", "08:1x:23"}) {
        panel.SetValue("AH", bad);
        panel.SetValue("AM", bad);
        EXPECT_THROW(device.GetTestHours(hours), EConvertError) << bad.constData();
        EXPECT_THROW(device.GetTestMinutes(minutes), EConvertError) << bad.constData();
    }
    EXPECT_EQ(hours, (std::array{8, 13, 23}));
    // No answer is a plain failure, not a conversion error.
    panel.SilenceNext("AH", 3);
    EXPECT_FALSE(device.GetTestHours(hours));
}

TEST_F(AnswerDecoding, WayDescriptorsSplitAtBlanks) {
    std::array<QString, 16> ways;
    ways[5] = QStringLiteral("kept");
    panel.SetValue("D", "01000 11100  31001");
    EXPECT_TRUE(device.GetWayDescriptors(ways));
    EXPECT_EQ(QStringList(ways.begin(), ways.begin() + 6),
              (QStringList{"01000", "11100", "", "31001", "", "kept"}));
    std::array<QString, 2> two; // a smaller array takes only as many as it holds
    EXPECT_TRUE(device.GetWayDescriptors(two));
    EXPECT_EQ(two[1], QStringLiteral("11100"));
}

TEST_F(AnswerDecoding, SlowAnswersWithinTheirOwnTimeOuts) {
    // The signal level and the output check are answered later than the 300 ms of a plain read.
    FakeFault late;
    late.delayMs = 700;
    panel.SetValue("AQ", "1F,05");
    panel.SetFault("AQ", late);
    panel.SetFault("dc", late);
    QString value;
    EXPECT_TRUE(device.GetSignalQuality(value));
    EXPECT_EQ(value, QStringLiteral("1F,05"));
    EXPECT_TRUE(device.CheckOutputs());
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"AQ", "dc"}));
}

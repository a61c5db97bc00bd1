#include "PanelFixture.h"

#include "base/Exceptions.h"

#include <array>

using AnswerDecoding = PanelFixture;

TEST_F(AnswerDecoding, ReadIntDecimalOrHex) {
    panel.SetValue("X", "1F");
    int n = -1;
    EXPECT_TRUE(device.ReadInt(QStringLiteral("X"), n, true));
    EXPECT_EQ(n, 31);
    n = -1;
    EXPECT_FALSE(device.ReadInt(QStringLiteral("X"), n, false));
    EXPECT_EQ(n, -1);
    panel.SetValue("X", "");
    EXPECT_FALSE(device.ReadInt(QStringLiteral("X"), n, true));
    EXPECT_EQ(n, -1);
    panel.SetValue("o", "0042");
    EXPECT_TRUE(device.GetObjectNumber(n));
    EXPECT_EQ(n, 42);
    // A lower-case terminator ends the exchange, but the value's cut needs "OK": empty value.
    panel.SetValue("dt", "12");
    FakeFault lower;
    lower.lowerCase = true;
    panel.SetFault("dt", lower);
    QString value = QStringLiteral("x");
    EXPECT_TRUE(device.GetVoiceCidMode(value));
    EXPECT_EQ(value, QString());
}

TEST_F(AnswerDecoding, GprsChannelsOnlyZeroToThree) {
    bool sim1 = false, sim2 = false;
    panel.SetValue("GA", "3");
    EXPECT_TRUE(device.GetGprsChannels(sim1, sim2));
    EXPECT_TRUE(sim1 && sim2);
    panel.SetValue("GA", "2");
    EXPECT_TRUE(device.GetGprsChannels(sim1, sim2));
    EXPECT_FALSE(sim1);
    EXPECT_TRUE(sim2);
    for (const QByteArray bad : {"4", "FF", "FFFFFFFF", "x"}) {
        panel.SetValue("GA", bad);
        EXPECT_FALSE(device.GetGprsChannels(sim1, sim2)) << bad.constData();
        EXPECT_FALSE(sim1); // unchanged
        EXPECT_TRUE(sim2);
    }
}

TEST_F(AnswerDecoding, HistoryPointerFromCharactersTwoToFive) {
    quint16 index = 7;
    panel.SetValue("FP", "F1A2B");
    EXPECT_TRUE(device.GetHistoryPointer(index));
    EXPECT_EQ(index, 6699);
    panel.SetValue("FP", "FFFFFF");
    EXPECT_TRUE(device.GetHistoryPointer(index));
    EXPECT_EQ(index, 65535);
    for (const QByteArray bad : {"F", "", "F1G2B"}) {
        index = 7;
        panel.SetValue("FP", bad);
        EXPECT_FALSE(device.GetHistoryPointer(index)) << bad.constData();
        EXPECT_EQ(index, 7);
    }
}

TEST_F(AnswerDecoding, PhoneNumberIsReadUpToThreeTimes) {
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

    // The first read gets no answer at all (three tries), the second read is good: it stops.
    panel.SetValue("h3", "+380");
    panel.SilenceNext("h3", 3);
    EXPECT_TRUE(device.GetPhoneNumber(4, number));
    EXPECT_EQ(number, QStringLiteral("+380"));
    EXPECT_EQ(panel.Frames().size(), 5 + 4);
}

TEST_F(AnswerDecoding, TestHoursAndMinutesThrowOnBadOrShortValues) {
    std::array<int, 3> hours{}, minutes{};
    panel.SetValue("AH", "08:13:23");
    EXPECT_TRUE(device.GetTestHours(hours));
    EXPECT_EQ(hours, (std::array<int, 3>{8, 13, 23}));
    panel.SetValue("AM", "00-05-59"); // the separators are not looked at
    EXPECT_TRUE(device.GetTestMinutes(minutes));
    EXPECT_EQ(minutes, (std::array<int, 3>{0, 5, 59}));

    for (const QByteArray bad : {"08:13", "08:1", "", "ab:13:23", "08:1x:23"}) {
        panel.SetValue("AH", bad);
        panel.SetValue("AM", bad);
        EXPECT_THROW(device.GetTestHours(hours), EConvertError) << bad.constData();
        EXPECT_THROW(device.GetTestMinutes(minutes), EConvertError) << bad.constData();
    }
    EXPECT_EQ(hours, (std::array<int, 3>{8, 13, 23}));
    // No answer is a plain failure, not a conversion error.
    panel.SilenceNext("AH", 3);
    EXPECT_FALSE(device.GetTestHours(hours));
}

TEST_F(AnswerDecoding, GprsRetryTimeIsTwoDecimalPairs) {
    int first = 0, second = 0;
    panel.SetValue("GT", "1530");
    EXPECT_TRUE(device.GetGprsRetryTime(first, second));
    EXPECT_EQ(first, 15);
    EXPECT_EQ(second, 30);
    for (const QByteArray bad : {"15", "1", "AB30", "15x0"}) {
        panel.SetValue("GT", bad);
        EXPECT_FALSE(device.GetGprsRetryTime(first, second)) << bad.constData();
    }
    EXPECT_EQ(first, 15);
    EXPECT_EQ(second, 30);
}

TEST_F(AnswerDecoding, WayDescriptorsSplitAtBlanks) {
    std::array<QString, 16> ways;
    ways[5] = QStringLiteral("kept");
    panel.SetValue("D", "01000 11100  31001");
    EXPECT_TRUE(device.GetWayDescriptors(ways));
    EXPECT_EQ(ways[0], QStringLiteral("01000"));
    EXPECT_EQ(ways[1], QStringLiteral("11100"));
    EXPECT_EQ(ways[2], QString());
    EXPECT_EQ(ways[3], QStringLiteral("31001"));
    EXPECT_EQ(ways[5], QStringLiteral("kept"));
    // A smaller array takes only as many as it holds.
    std::array<QString, 2> two;
    EXPECT_TRUE(device.GetWayDescriptors(two));
    EXPECT_EQ(two[1], QStringLiteral("11100"));
}

TEST_F(AnswerDecoding, LoopBitsAndFlags) {
    bool f1 = false, f2 = false, f3 = false, f4 = false;
    panel.SetValue("u", "A");
    EXPECT_TRUE(device.GetLoopUse(f1, f2, f3, f4));
    EXPECT_EQ((std::array<bool, 4>{f1, f2, f3, f4}), (std::array<bool, 4>{false, true, false, true}));
    panel.SetValue("u", "5");
    EXPECT_TRUE(device.GetLoopUse(f1, f2, f3, f4));
    EXPECT_EQ((std::array<bool, 4>{f1, f2, f3, f4}), (std::array<bool, 4>{true, false, true, false}));
    panel.SetValue("u", "G");
    EXPECT_FALSE(device.GetLoopUse(f1, f2, f3, f4));

    bool open1 = false, open2 = false;
    panel.SetValue("p", "2");
    EXPECT_TRUE(device.GetLoopStates(open1, open2));
    EXPECT_FALSE(open1);
    EXPECT_TRUE(open2);

    bool flag = true;
    panel.SetValue("Y", "2");
    EXPECT_TRUE(device.GetRestartEventFlag(flag));
    EXPECT_FALSE(flag);
    panel.SetValue("Y", "1");
    EXPECT_TRUE(device.GetRestartEventFlag(flag));
    EXPECT_TRUE(flag);
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

TEST_F(AnswerDecoding, WrittenValuesReadBack) {
    ASSERT_TRUE(device.SetClock(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7))));
    ASSERT_TRUE(device.SetTestCount(12));
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(device.SetTestHour(i, 7 * i));
        ASSERT_TRUE(device.SetTestMinute(i, 10 + i));
    }
    ASSERT_TRUE(device.SetWayDescriptor(2, QStringLiteral("11100")));
    ASSERT_TRUE(device.SetLoopCidString(2, QStringLiteral("113101001")));
    ASSERT_TRUE(device.SetApnAddress(1, QStringLiteral("internet.OK.ru")));

    QString clock, cid, apn;
    int count = 0;
    std::array<int, 3> hours{}, minutes{};
    std::array<QString, 16> ways;
    EXPECT_TRUE(device.GetClock(clock));
    EXPECT_EQ(clock, QStringLiteral("09:05:07 06/12/26"));
    // Written in decimal, read in hexadecimal.
    EXPECT_TRUE(device.GetTestCount(count));
    EXPECT_EQ(count, 18);
    EXPECT_TRUE(device.GetTestHours(hours));
    EXPECT_EQ(hours, (std::array<int, 3>{7, 14, 21}));
    EXPECT_TRUE(device.GetTestMinutes(minutes));
    EXPECT_EQ(minutes, (std::array<int, 3>{11, 12, 13}));
    EXPECT_TRUE(device.GetWayDescriptors(ways));
    EXPECT_EQ(ways[0], QStringLiteral("00100"));
    EXPECT_EQ(ways[1], QStringLiteral("11100"));
    EXPECT_TRUE(device.GetLoopCidString(2, cid));
    EXPECT_EQ(cid, QStringLiteral("113101001"));
    // A value with "OK" inside comes back whole.
    EXPECT_TRUE(device.GetApnAddress(1, apn));
    EXPECT_EQ(apn, QStringLiteral("internet.OK.ru"));
}

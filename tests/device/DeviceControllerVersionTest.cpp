#include "DeviceControllerFixture.h"

#include <tuple>

using ReadVersion = ControllerFixture;

TEST_F(ReadVersion, PurgesStopsThePanelAndTakesBothNumbers) {
    panel.SetValue("v", "VER 01.004.013");
    EXPECT_TRUE(controller->ReadVersion());
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"sp", "v"}));
    // The controller's own purge comes before the one of the "sp" exchange.
    ASSERT_GE(link.purgesAtFrame.size(), 2);
    EXPECT_EQ(link.purgesAtFrame.mid(0, 2), (QList<qsizetype>{0, 0}));
    EXPECT_EQ(std::pair(controller->FirmwareMajor, controller->FirmwareMinor), std::pair(4, 13));
    EXPECT_EQ(host.versionText, QStringLiteral("VER 01.004.013"));
    EXPECT_TRUE(panel.FramesWhileTimerRan().isEmpty());
    EXPECT_TRUE(host.TimerRunning());
    // "Читаем версию" (on white) stands between the "sp" exchange and the "v" frame; "Прочли
    // версию" (black) comes with the answer as its detail.
    const QStringList texts = log.Texts();
    const qsizetype reading = texts.indexOf(QStringLiteral("Читаем версию"));
    ASSERT_GE(reading, 0);
    EXPECT_EQ(log.lines[reading].background, clWhite);
    EXPECT_EQ(texts.mid(reading).filter(QStringLiteral("\t+")), QStringList{"\t+v\r"});
    const qsizetype read = texts.indexOf(QStringLiteral("Прочли версию"));
    ASSERT_GT(read, reading);
    EXPECT_EQ(texts[read + 1], QStringLiteral("\tVER 01.004.013"));
    EXPECT_EQ(log.lines[read].color, clBlack);
}

// A failed read logs its error line alone, yellow on red, and keeps the numbers and the status
// text of the last good one. The tag alone is too short to hold the numbers, and letters where
// a number stands are no number: either is a conversion failure.
TEST_F(ReadVersion, FailuresKeepTheLastGoodVersion) {
    const QString badVersion = QStringLiteral("Неверная версия прошивки");
    const QList<std::pair<QByteArray, QString>> cases{
        {"VER 02.005.001", badVersion}, {"", QStringLiteral("Не смогли прочесть версию")},
        {"VER 01", badVersion},         {"X VER 01", badVersion},
        {"VER 01.004.ABC", badVersion}, {"VER 01.4.13", badVersion},
        {"VER 01.ABC.005", badVersion}, // the good minor number is not kept alone
    };
    panel.SetValue("v", "VER 01.004.013");
    ASSERT_TRUE(controller->ReadVersion());
    for (const auto& [answer, error] : cases) {
        SCOPED_TRACE(answer.constData());
        log.Clear();
        panel.SetValue("v", answer);
        panel.SetFault("v", answer.isEmpty() ? Silent() : FakeFault());
        EXPECT_FALSE(controller->ReadVersion());
        ASSERT_FALSE(log.lines.isEmpty());
        EXPECT_EQ(log.lines.last().text, error);
        EXPECT_EQ(log.lines.last().color, clYellow);
        EXPECT_EQ(log.lines.last().background, clRed);
        EXPECT_FALSE(log.Texts().contains(QStringLiteral("Прочли версию")));
        EXPECT_EQ(std::pair(controller->FirmwareMajor, controller->FirmwareMinor), std::pair(4, 13));
        EXPECT_EQ(host.versionText, QStringLiteral("VER 01.004.013"));
        EXPECT_TRUE(host.TimerRunning());
    }
}

TEST_F(ReadVersion, Gates) {
    // answer, then whether it reaches 4.10, 4.12 and 4.13
    const std::tuple<const char*, bool, bool, bool> cases[] = {
        {"VER 01.003.099", false, false, false}, {"VER 01.004.011", true, false, false},
        {"VER 01.004.012", true, true, false},   {"VER 01.004.013", true, true, true},
        {"VER 01.005.000", true, true, true},
    };
    for (const auto& [answer, at410, at412, at413] : cases) {
        panel.SetValue("v", answer);
        ASSERT_TRUE(controller->ReadVersion()) << answer;
        EXPECT_EQ(controller->FirmwareAtLeast(4, 10), at410) << answer;
        EXPECT_EQ(controller->FirmwareAtLeast(4, 12), at412) << answer;
        EXPECT_EQ(controller->FirmwareAtLeast(4, 13), at413) << answer;
    }
}

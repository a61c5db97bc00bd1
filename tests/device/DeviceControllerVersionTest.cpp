#include "DeviceControllerFixture.h"

#include <tuple>

namespace {

QList<QByteArray> Bytes(std::initializer_list<const char*> texts) {
    QList<QByteArray> list;
    for (const char* text : texts)
        list.append(text);
    return list;
}

} // namespace

class ReadVersion : public ControllerFixture {
protected:
    // A good read first, so that a failing one can be seen to keep the numbers.
    void ReadGoodVersion() {
        panel.SetValue("v", "VER 01.004.013");
        ASSERT_TRUE(controller->ReadVersion());
        log.Clear();
    }
    void ExpectVersionKept() {
        EXPECT_EQ(controller->FirmwareMajor, 4);
        EXPECT_EQ(controller->FirmwareMinor, 13);
        EXPECT_EQ(host.versionText, QStringLiteral("VER 01.004.013"));
    }
    // The log ends with the error line alone, yellow on red.
    void ExpectLastError(const QString& text) {
        ASSERT_FALSE(log.lines.isEmpty());
        EXPECT_EQ(log.lines.last().text, text);
        EXPECT_EQ(log.lines.last().color, clYellow);
        EXPECT_EQ(log.lines.last().background, clRed);
        EXPECT_FALSE(log.Texts().contains(QStringLiteral("Прочли версию")));
    }
};

TEST_F(ReadVersion, PurgesStopsThePanelAndTakesBothNumbers) {
    panel.SetValue("v", "VER 01.004.013");
    EXPECT_TRUE(controller->ReadVersion());

    EXPECT_EQ(panel.Frames(), Bytes({"sp", "v"}));
    // The controller's own purge comes before the one of the "sp" exchange.
    ASSERT_GE(link.purgesAtFrame.size(), 2);
    EXPECT_EQ(link.purgesAtFrame.mid(0, 2), (QList<qsizetype>{0, 0}));
    EXPECT_EQ(controller->FirmwareMajor, 4);
    EXPECT_EQ(controller->FirmwareMinor, 13);
    EXPECT_EQ(host.versionText, QStringLiteral("VER 01.004.013"));
    EXPECT_TRUE(panel.FramesWhileTimerRan().isEmpty());
    EXPECT_TRUE(host.TimerRunning());

    const QStringList texts = log.Texts();
    const qsizetype reading = texts.indexOf(QStringLiteral("Читаем версию"));
    const qsizetype read = texts.indexOf(QStringLiteral("Прочли версию"));
    ASSERT_GE(reading, 0);
    ASSERT_GT(read, reading);
    EXPECT_EQ(log.lines[reading].background, clWhite);
    EXPECT_EQ(texts[read + 1], QStringLiteral("\tVER 01.004.013"));
    EXPECT_EQ(log.lines[read].color, TColor(0));
    // "Читаем версию" stands between the "sp" exchange and the "v" frame.
    EXPECT_TRUE(texts.mid(reading).contains(QStringLiteral("\t+v\r")));
    EXPECT_FALSE(texts.mid(reading).contains(QStringLiteral("\t+sp\r")));
}

TEST_F(ReadVersion, AnswerWithoutTheTagIsRefused) {
    ReadGoodVersion();
    panel.SetValue("v", "VER 02.005.001");
    EXPECT_FALSE(controller->ReadVersion());
    ExpectLastError(QStringLiteral("Неверная версия прошивки"));
    ExpectVersionKept();
}

TEST_F(ReadVersion, NoAnswer) {
    ReadGoodVersion();
    panel.SetFault("v", Silent());
    EXPECT_FALSE(controller->ReadVersion());
    ExpectLastError(QStringLiteral("Не смогли прочесть версию"));
    ExpectVersionKept();
    EXPECT_TRUE(host.TimerRunning());
}

// The tag alone is too short to hold the numbers; letters where a number stands are no number.
// Either is a conversion failure, and a number that did not convert keeps its value.
TEST_F(ReadVersion, AnswerWithoutNumbersIsAConversionFailure) {
    ReadGoodVersion();
    for (const char* answer : {"VER 01", "X VER 01", "VER 01.004.ABC", "VER 01.4.13"}) {
        panel.SetValue("v", answer);
        EXPECT_FALSE(controller->ReadVersion()) << answer;
        ExpectLastError(QStringLiteral("Неверная версия прошивки"));
        ExpectVersionKept();
        log.Clear();
    }
    // A bad major number comes to light after the minor one was stored.
    panel.SetValue("v", "VER 01.ABC.005");
    EXPECT_FALSE(controller->ReadVersion());
    ExpectLastError(QStringLiteral("Неверная версия прошивки"));
    EXPECT_EQ(controller->FirmwareMajor, 4);
    EXPECT_EQ(controller->FirmwareMinor, 5);
    EXPECT_EQ(host.versionText, QStringLiteral("VER 01.004.013"));
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

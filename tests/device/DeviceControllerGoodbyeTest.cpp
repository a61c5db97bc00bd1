#include "DeviceControllerFixture.h"

#include "base/Exceptions.h"

using Goodbye = ControllerFixture;

TEST_F(Goodbye, RestartThenStartEvenUnansweredWithTheTimerPausedThroughout) {
    controller.reset();
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"rb", "st"}));
    EXPECT_EQ(host.cursorCalls, (QList<bool>{true, false}));
    Clock::SetScaleForTests(0.1);
    panel.SetFault("rb", Silent());
    controller = std::make_unique<TDeviceController>(&link, &log, &host);
    controller.reset();
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"rb", "st", "rb", "rb", "rb", "st"}));
    // The restart's own pause ends inside the destructor's: "st" must not find the timer running.
    EXPECT_TRUE(panel.FramesWhileTimerRan().isEmpty());
    EXPECT_TRUE(host.TimerRunning());
}

TEST_F(Goodbye, NothingWhenTheLinkIsKnownBrokenAndNoExceptionWhenItFails) {
    controller->NoGoodbye = true;
    controller.reset();
    EXPECT_FALSE(panel.WaitForFrames(1, 300));
    link.Close(); // every send now fails in the serial component
    controller = std::make_unique<TDeviceController>(&link, &log, &host);
    EXPECT_NO_THROW(controller.reset());
    EXPECT_TRUE(panel.Frames().isEmpty());
    EXPECT_TRUE(host.TimerRunning());
    EXPECT_EQ(host.cursorCalls, (QList<bool>{true, false}));
    EXPECT_TRUE(log.Texts().filter(QStringLiteral("Ошибка")).isEmpty());
}

TEST_F(Goodbye, ServiceCommandsRestoreCursorAndTimerEvenWhenTheLinkFails) {
    controller->StartPanel();
    controller->StopPanel();
    controller->RestartPanel();
    controller->CheckOutputs();
    const QDate before = QDate::currentDate();
    controller->SyncClock();
    const QDate after = QDate::currentDate();
    // Only the first three show the wait cursor.
    EXPECT_EQ(host.cursorCalls, (QList<bool>{true, false, true, false, true, false}));
    const QList<QByteArray> frames = panel.Frames();
    ASSERT_EQ(frames.size(), 5);
    EXPECT_EQ(frames.mid(0, 4), (QList<QByteArray>{"st", "sp", "rb", "dc"}));
    // "AS=HH:MM:SS DD/MM/YY" with the PC's date (either one, should midnight pass meanwhile).
    EXPECT_TRUE(frames[4].startsWith("AS=")) << frames[4].constData();
    EXPECT_EQ(frames[4].size(), 20);
    const QString date = QString::fromLatin1(frames[4].right(8));
    EXPECT_TRUE(date == before.toString(QStringLiteral("dd/MM/yy")) ||
                date == after.toString(QStringLiteral("dd/MM/yy")))
        << frames[4].constData();
    EXPECT_TRUE(panel.FramesWhileTimerRan().isEmpty());

    host.cursorCalls.clear();
    link.Close();
    EXPECT_THROW(controller->StartPanel(), EDeviceError);
    EXPECT_THROW(controller->StopPanel(), EDeviceError);
    EXPECT_THROW(controller->RestartPanel(), EDeviceError);
    EXPECT_THROW(controller->CheckOutputs(), EDeviceError);
    EXPECT_EQ(host.cursorCalls, (QList<bool>{true, false, true, false, true, false}));
    EXPECT_TRUE(host.TimerRunning());
    controller->NoGoodbye = true;
}

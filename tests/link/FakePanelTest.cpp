#include "link/ComPortWorker.h"
#include "support/FakePanel.h"

#include "PrintQt.h"

#include <gtest/gtest.h>

// The fake panel itself, through the real transport: what later protocol tests stand on.
TEST(FakePanelTest, AnswersReadsAndWritesAndRecordsFrames) {
    FakePanel panel;
    panel.SetAnswer("v", "VER 01 4.13");
    TComPortWorker worker(true, true);
    worker.Open(panel.PortPath(), br19200);

    QString answer;
    ASSERT_TRUE(worker.Send(QStringLiteral("+v\r")));
    ASSERT_TRUE(worker.Receive(answer, QStringLiteral("OK"), 300));
    EXPECT_EQ(answer, QStringLiteral(">VER 01 4.13\r\nOK\r\n"));

    ASSERT_TRUE(worker.Send(QStringLiteral("+AB=5\r")));
    ASSERT_TRUE(worker.Receive(answer, QStringLiteral("OK"), 300));
    EXPECT_EQ(answer, QStringLiteral("OK\r\n"));

    // An unknown read stays unanswered.
    worker.Send(QStringLiteral("+zz\r"));
    EXPECT_FALSE(worker.Receive(answer, QStringLiteral("OK"), 100));
    EXPECT_EQ(answer, QString());
    ASSERT_TRUE(panel.WaitForFrames(3, 1000));
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"v", "AB=5", "zz"}));
}

TEST(FakePanelTest, FaultsShapeTheReply) {
    FakePanel panel;
    panel.SetAnswer("v", "VER 01");
    FakeFault fault;
    fault.lowerCase = true;
    fault.junk = QByteArray("\x00zz", 3);
    fault.splitAt = {3};
    fault.gapMs = 30;
    panel.SetFault("v", fault);
    TComPortWorker worker(true, true);
    worker.Open(panel.PortPath(), br19200);

    QString answer;
    worker.Send(QStringLiteral("+v\r"));
    ASSERT_TRUE(worker.Receive(answer, QStringLiteral("OK"), 300));
    EXPECT_EQ(answer, QString::fromLatin1(QByteArray("\x00zz>ver 01\r\nok\r\n", 16)));

    FakeFault late;
    late.delayMs = 150;
    panel.SetFault("v", late);
    worker.Send(QStringLiteral("+v\r"));
    EXPECT_FALSE(worker.Receive(answer, QStringLiteral("OK"), 60));
    EXPECT_TRUE(worker.Receive(answer, QStringLiteral("OK"), 300));

    FakeFault silent;
    silent.silent = true;
    panel.SetFault("v", silent);
    worker.Send(QStringLiteral("+v\r"));
    EXPECT_FALSE(worker.Receive(answer, QStringLiteral("OK"), 100));
}

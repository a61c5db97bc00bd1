#include "platform/Clock.h"
#include "platform/Delay.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

namespace {

// Counts the custom events delivered to it.
class EventCounter : public QObject {
public:
    std::atomic<int> delivered{0};

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++delivered;
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

TEST(Delay, HandlesAPostedEventOnceEvenForZeroMs) {
    EventCounter target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    Delay(0);
    EXPECT_EQ(target.delivered, 1);
    Delay(5);
    EXPECT_EQ(target.delivered, 1);
}

TEST(Delay, WaitsMoreThanTheTimeGiven) {
    const qint64 start = Clock::NowMs();
    Delay(40);
    const qint64 elapsed = Clock::NowMs() - start;
    EXPECT_GT(elapsed, 40);
    EXPECT_LT(elapsed, 1000);
}

TEST(Delay, DoesNotPumpMessagesOffTheGuiThread) {
    std::atomic<int> beforeWait{-1};
    std::atomic<int> afterWait{-1};
    std::atomic<qint64> elapsed{0};
    QThread* worker = QThread::create([&] {
        // An object of the worker thread with an event waiting: only a pump on this thread
        // could deliver it.
        EventCounter target;
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        beforeWait = target.delivered.load();
        const qint64 start = Clock::NowMs();
        Delay(20);
        elapsed = Clock::NowMs() - start;
        afterWait = target.delivered.load();
        QCoreApplication::removePostedEvents(&target);
    });
    worker->start();
    ASSERT_TRUE(worker->wait(5000));
    delete worker;
    EXPECT_EQ(beforeWait, 0);
    EXPECT_EQ(afterWait, 0);
    EXPECT_GT(elapsed, 20);
}

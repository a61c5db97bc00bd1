#include "platform/Delay.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QThread>

namespace {

bool OnGuiThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

void DelayWithSteps(quint32 Ms, qint64 StepMs, const std::function<void()>& OnStep) {
    // Only the user-interface thread may handle window messages; a worker that pumped its own
    // queue here would run its queued calls in the middle of an exchange with the panel.
    const bool pump = OnGuiThread();
    const qint64 start = Clock::NowMs();
    qint64 lastStep = start;
    do {
        if (pump)
            QCoreApplication::processEvents();
        if (OnStep) {
            const qint64 now = Clock::NowMs();
            if (now - lastStep >= StepMs) {
                lastStep = now;
                OnStep();
            }
        }
        Clock::SleepMs(1);
    } while (Clock::NowMs() - start <= qint64(Ms));
}

void Delay(quint32 Ms) {
    DelayWithSteps(Ms, 0, nullptr);
}

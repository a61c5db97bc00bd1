#include "platform/Delay.h"

#include "platform/Clock.h"
#include "platform/MessagePump.h"

void DelayWithSteps(quint32 Ms, qint64 StepMs, const std::function<void()>& OnStep) {
    const qint64 start = Clock::NowMs();
    qint64 lastStep = start;
    do {
        PumpMessages(); // only on the user-interface thread
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

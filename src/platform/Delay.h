#pragma once

#include <QtGlobal>
#include <functional>

// Waits more than Ms milliseconds on the monotonic clock. On the user-interface thread it handles
// pending window messages (at least once, even for 0 ms) and sleeps 1 ms between them, so that
// buttons such as a dialog's "Отмена" stay live; on any other thread it is a plain wait.
void Delay(quint32 Ms);

// The same wait; OnStep runs whenever at least StepMs milliseconds have passed since its last
// run (or the start).
void DelayWithSteps(quint32 Ms, qint64 StepMs, const std::function<void()>& OnStep);

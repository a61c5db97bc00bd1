#pragma once

#include <QtGlobal>

// Every time-out and wait in the program reads this monotonic clock, so a change of the time of
// day can neither end a wait early nor stretch it.
namespace Clock {

// Milliseconds since an arbitrary fixed point; never goes back.
qint64 NowMs();

// Blocks the calling thread; no window messages are handled.
void SleepMs(qint64 ms);

// Long waits (seconds-long modem time-outs, line resets) go through here so that the test
// suite can shorten them; the program itself always runs at scale 1.
qint64 Scaled(qint64 ms);
void SetScaleForTests(double factor);

} // namespace Clock

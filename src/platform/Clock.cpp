#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace {
std::atomic<double> g_scale{1.0};
}

namespace Clock {

qint64 NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SleepMs(qint64 ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 Scaled(qint64 ms) {
    return qint64(std::llround(double(ms) * g_scale.load()));
}

void SetScaleForTests(double factor) {
    g_scale.store(factor > 0 ? factor : 1.0);
}

} // namespace Clock

// Round trips of "+v" through the real serial code to the fake panel over a pseudo-terminal:
// the median time per request, and the CPU the waiting thread uses per second of waiting.
#include "link/ComPortWorker.h"
#include "support/FakePanel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double WallMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

void RoundTrips(TComPortWorker& worker, FakePanel& panel, int answerDelayMs, int count) {
    FakeFault fault;
    fault.delayMs = answerDelayMs;
    panel.SetFaultForAll(fault);
    std::vector<double> times;
    double cpuMs = 0;
    double waitMs = 0;
    int failed = 0;
    QString answer;
    for (int i = 0; i < count; ++i) {
        const double start = WallMs();
        const double cpuStart = ThreadCpuMs();
        worker.Send(QStringLiteral("+v\r"));
        const double sent = WallMs();
        if (!worker.Receive(answer, QStringLiteral("OK"), 300))
            ++failed;
        const double end = WallMs();
        cpuMs += ThreadCpuMs() - cpuStart;
        waitMs += end - sent;
        times.push_back(end - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("answer delay %3d ms: %d round trips, median %.2f ms, max %.2f ms, %d failed, "
                "CPU %.2f%% of the waiting time\n",
                answerDelayMs, count, times[times.size() / 2], times.back(), failed,
                waitMs > 0 ? 100.0 * cpuMs / waitMs : 0.0);
}

void IdleWait(TComPortWorker& worker, int ms) {
    QString answer;
    const double cpuStart = ThreadCpuMs();
    const double start = WallMs();
    worker.Receive(answer, QStringLiteral("OK"), ms);
    const double wall = WallMs() - start;
    std::printf("silent line, one %d ms receive: %.0f ms waited, CPU %.3f%%\n", ms, wall,
                100.0 * (ThreadCpuMs() - cpuStart) / wall);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FakePanel panel;
    panel.SetAnswer("v", "VER 01 4.13");
    TComPortWorker worker(true, true);
    worker.Open(panel.PortPath(), br19200);
    for (int delay : {0, 10, 50})
        RoundTrips(worker, panel, delay, delay == 50 ? 40 : 200);
    IdleWait(worker, 2000);
    return 0;
}

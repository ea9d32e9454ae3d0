#include "bench_timing.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace zelkor::bench {

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double Timing::Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Timing::minCpu() const {
    return cpuMs.empty() ? 0 : *std::min_element(cpuMs.begin(), cpuMs.end());
}

Timing Measure(const std::string& what, int repeats, const std::function<int()>& once, int warmups) {
    Timing t{what, {}, {}, 0};
    for (int i = 0; i < warmups; ++i) once();
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer wall;
        wall.start();
        const double cpu = ThreadCpuMs();
        t.rows = once();
        t.cpuMs.push_back(ThreadCpuMs() - cpu);
        t.wallMs.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6);
    }
    return t;
}

void Print(const Timing& t) {
    std::printf("%-52s %8d rows  wall: first %7.1f median %7.1f ms   cpu: median %7.1f min %7.1f ms\n",
                t.what.c_str(), t.rows, t.wallMs.empty() ? 0 : t.wallMs.front(), t.medianWall(),
                t.medianCpu(), t.minCpu());
    std::fflush(stdout);
}

}  // namespace zelkor::bench

#include "bench_timing.h"

#include <QElapsedTimer>
#include <algorithm>
#include <ctime>

namespace zelkor::bench {

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

Figure Measure(const std::string& what, int repeats, const std::function<int()>& once) {
    Figure f{what, {}, {}, 0};
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        const double cpu = ThreadCpuMs();
        f.rows = once();
        f.cpuMs.push_back(ThreadCpuMs() - cpu);
        f.ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return f;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace zelkor::bench

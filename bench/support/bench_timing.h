#pragma once
// Timing a step several times: the wall clock, and the processor time of this
// thread, which is the fairer figure on a machine shared with other work.
#include <functional>
#include <string>
#include <vector>

namespace zelkor::bench {

double ThreadCpuMs();

struct Timing {
    std::string what;
    std::vector<double> wallMs, cpuMs;
    int rows = 0;  // what the last run produced

    double medianWall() const { return Median(wallMs); }
    double medianCpu() const { return Median(cpuMs); }
    double minCpu() const;
    static double Median(std::vector<double> v);
};

// Runs `once` `repeats` times (after `warmups` unmeasured runs); `once` returns the
// rows it produced.
Timing Measure(const std::string& what, int repeats, const std::function<int()>& once, int warmups = 0);

// "what   rows  wall: first .. median .. ms   cpu: median .. min .. ms".
void Print(const Timing& t);

}  // namespace zelkor::bench

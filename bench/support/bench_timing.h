#pragma once
// Timing the steps of a benchmark: wall time, and the processor time of this
// thread, the fairer figure on a machine shared with other work.
#include <functional>
#include <string>
#include <vector>

namespace zelkor::bench {

double ThreadCpuMs();

// The runs of one step: wall and processor time of each, in order, and the rows
// the last run produced.
struct Figure {
    std::string what;
    std::vector<double> ms, cpuMs;
    int rows = 0;
};

// Runs `once` `repeats` times; `once` returns the rows it produced.
Figure Measure(const std::string& what, int repeats, const std::function<int()>& once);

double Median(std::vector<double> values);

}  // namespace zelkor::bench

#pragma once
// The large sample library the benchmarks run on.
#include <QString>

namespace zelkor::bench {

// The library named on the command line (the first argument that is not an
// option), else $ZELKOR_BENCH_DB, else a --scale 100 sample kept in the
// temporary folder, made with zelkor-demo (beside the benchmark) the first time.
// Empty, with a message on stderr, when there is none and none could be made.
QString BenchLibrary(int argc, char** argv);

// The process's peak resident memory (VmHWM) and current (VmRSS), in KiB.
long PeakMemoryKiB();
long CurrentMemoryKiB();

}  // namespace zelkor::bench

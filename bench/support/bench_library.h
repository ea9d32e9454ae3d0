#pragma once
// The large sample library the benchmarks run on.
#include <QString>
#include <memory>

#include "db/database.h"

namespace zelkor::bench {

// The library `named` on the command line, else $ZELKOR_BENCH_DB, else a --scale
// 100 sample kept in the temporary folder, made with zelkor-demo (beside the
// benchmark) the first time. Empty, with the reason on stderr, when that is no
// library database (a missing file is never created) and none could be made.
QString BenchLibrary(const QString& named);
// The same with the first argument that is no option as the name, for benchmarks
// without options of their own (BenchArgs reads the others).
QString BenchLibrary(int argc, char** argv);

// A copy of the library in `dir` for a benchmark that writes, flushed to the disk
// (file and folder) so that the first timed save does not pay for the copy. Empty,
// with the reason on stderr, when it could not be made.
QString CopyLibrary(const QString& library, const QString& dir);

// The library copied into `dir` (CopyLibrary) and opened there with OpenLibrary,
// which adds the indexes of this build's schema. Null, with the reason on stderr,
// when either fails.
std::unique_ptr<Database> OpenLibraryCopy(const QString& library, const QString& dir);

// The process's peak resident memory (VmHWM) and current (VmRSS), in KiB.
long PeakMemoryKiB();
long CurrentMemoryKiB();

}  // namespace zelkor::bench

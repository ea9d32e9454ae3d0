#pragma once
// For bench/startup only. With ZELKOR_BENCH_STARTUP=1 in the environment the
// program prints "startup-to-login-ms: N" to stderr as soon as the login form
// is shown and ends there with exit code 0. Without it this does nothing.
#include <QElapsedTimer>

namespace zelkor {

void InstallStartupBenchProbe(const QElapsedTimer& sinceMain);

}  // namespace zelkor

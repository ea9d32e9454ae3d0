#include "bench_library.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>

namespace zelkor::bench {

namespace {

QString programDir() {
    return QFileInfo(QFile::symLinkTarget("/proc/self/exe")).absolutePath();
}

long statusKiB(const char* key) {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(static_cast<int>(qstrlen(key))).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace

QString BenchLibrary(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') return QString::fromLocal8Bit(argv[i]);
    if (qEnvironmentVariableIsSet("ZELKOR_BENCH_DB")) return qEnvironmentVariable("ZELKOR_BENCH_DB");

    const QString path = QDir::temp().filePath("zelkor-bench-scale100.db");
    if (QFileInfo::exists(path)) return path;
    std::fprintf(stderr, "Making the large sample library %s ...\n", qPrintable(path));
    QElapsedTimer t;
    t.start();
    QProcess demo;
    demo.setProcessChannelMode(QProcess::ForwardedChannels);
    demo.start(programDir() + "/zelkor-demo", {path, "--scale", "100"});
    if (!demo.waitForFinished(600000) || demo.exitStatus() != QProcess::NormalExit || demo.exitCode() != 0) {
        std::fprintf(stderr,
                     "zelkor-demo failed; give the path of a sample library made with --scale 100.\n");
        return {};
    }
    std::fprintf(stderr, "(made in %.1f s)\n", static_cast<double>(t.elapsed()) / 1000.0);
    return path;
}

long PeakMemoryKiB() {
    return statusKiB("VmHWM:");
}
long CurrentMemoryKiB() {
    return statusKiB("VmRSS:");
}

}  // namespace zelkor::bench

#include "bench_library.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

#include "db/library_file.h"

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

namespace {

QString sampleLibrary() {
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

bool syncPath(const QString& path, bool folder) {
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

QString BenchLibrary(const QString& named) {
    const QString path = named.isEmpty() ? sampleLibrary() : named;
    if (path.isEmpty()) return {};
    if (const QString problem = LibraryFileProblem(path); !problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(problem));
        return {};
    }
    return path;
}

QString BenchLibrary(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') return BenchLibrary(QString::fromLocal8Bit(argv[i]));
    return BenchLibrary(QString());
}

QString CopyLibrary(const QString& library, const QString& dir) {
    const QString copy = QDir(dir).filePath(QStringLiteral("bench.db"));
    QFile::remove(copy);
    if (!QFile::copy(library, copy) || !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner) ||
        !syncPath(copy, false) || !syncPath(dir, true)) {
        std::fprintf(stderr, "cannot copy %s into %s\n", qPrintable(library), qPrintable(dir));
        return {};
    }
    return copy;
}

std::unique_ptr<Database> OpenLibraryCopy(const QString& library, const QString& dir) {
    const QString copy = CopyLibrary(library, dir);
    if (copy.isEmpty()) return nullptr;
    QString error;
    auto db = OpenLibrary(copy, &error);
    if (!db) std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(copy), qPrintable(error));
    return db;
}

long PeakMemoryKiB() {
    return statusKiB("VmHWM:");
}
long CurrentMemoryKiB() {
    return statusKiB("VmRSS:");
}

}  // namespace zelkor::bench

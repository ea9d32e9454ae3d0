// Times "BackUp", the check a restore makes of the chosen file (as it was and as
// it is), and the whole
// "Restore" (check, safety copy, copy into the open connection) on a large sample
// library. The library is copied into a temporary folder first, so the sample
// itself is only read.
//
//   build/bin/bench_admin /tmp/big.db [repeats]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "admin/backup_restore.h"
#include "admin/restore_check.h"
#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "db/library_file.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

// The restore's file dialog answers with one path.
class OneFile : public bench::NoFileDialogs {
  public:
    QString path;
    QString openFile(const QString&, const QString&, const QString&, const QString&) override { return path; }
};

void Measure(const char* what, int repeats, const std::function<bool()>& once) {
    std::vector<double> ms;
    bool ok = true;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        ok &= once();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%-44s first %8.1f ms  median %8.1f ms  min %8.1f ms%s\n", what, ms.front(),
                sorted[sorted.size() / 2], sorted.front(), ok ? "" : "  (FAILED)");
}

}  // namespace

int main(int argc, char** argv) {
    if (bench::AnswerHelp(argc, argv, "usage: bench_admin [library.db] [repeats]")) return 0;
    QCoreApplication app(argc, argv);
    const QString sample = bench::BenchLibrary(argc, argv);
    if (sample.isEmpty()) return 1;
    const int repeats = argc > 2 ? std::max(1, QString(argv[2]).toInt()) : 3;
    QTemporaryDir dir;
    const QString live = dir.filePath("perpus.db");
    if (!QFile::copy(sample, live)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(sample));
        return 1;
    }
    std::printf("library %s, %.1f MiB\n", qPrintable(sample), QFileInfo(live).size() / 1048576.0);

    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    OneFile files;
    bench::NoPrinters printers;
    QString error;
    auto db = OpenLibrary(live, &error);
    if (!db) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    AppContext ctx(std::move(db), {messages, clock, files, printers});
    ctx.databasePath = live;
    ctx.workDir = dir.path();
    ctx.todayText = QStringLiteral("2016-03-07");

    const QString backup = dir.filePath("BackUp20160307.dataperpus");
    Measure("BackUp (the day's file replaced)", repeats, [&] { return BackUpDatabase(ctx); });
    Measure("restore check as it was (integrity_check, six tables)", repeats, [&] {
        auto source = Database::open(backup, &error, Database::Mode::ReadOnly);
        return source && LibraryProblem(*source).isEmpty() &&
               source->scalar(QStringLiteral("pragma integrity_check")) == QLatin1String("ok");
    });
    Measure("restore check (quick_check, columns, accounts)", repeats, [&] {
        auto source = Database::open(backup, &error, Database::Mode::ReadOnly);
        return source && RestoreProblem(*source).isEmpty() && LibraryProblem(*source, true).isEmpty();
    });
    files.path = backup;
    Measure("Restore (check, working copy cleaned, safety copy, copy in)", repeats, [&] {
        const bool ok = RestoreDatabase(ctx);
        for (const QString& f : QDir(dir.path()).entryList({"SebelumRestore*"}))
            QFile::remove(dir.filePath(f));
        return ok;
    });
    std::printf("peak memory %ld KiB\n", bench::PeakMemoryKiB());
    return 0;
}

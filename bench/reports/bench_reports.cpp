// Times the seven reports and the transaction history for one month on a large
// sample library: the statement as first written (substr() on the date, reading
// every row), the rows alone (the statement the forms run, with the member's and
// item's codes where the names go: the floor) and the rows as the forms fill
// their grid (the names of the codes looked up). Report "0005"'s floor leaves out
// its count of open movements. Then the report form itself, offscreen, from
// ReportCode to a filled grid.
//
//   build/bin/bench_reports [LIBRARY] [--month 2026-10] [--repeats 5] [--in-place] [--no-substr]
//
// The library is opened with OpenLibrary, which adds this program's indexes, so it
// is copied into the temporary folder first and the copy is measured. With
// --in-place a library of your own is opened where it is (it keeps the indexes);
// a file without write permission is copied all the same, also for root.
// --no-substr leaves out the substr() statements (for a profiler, which would spend
// most of its run on their scans).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "db/library_file.h"
#include "db/row_sinks.h"
#include "quiet_services.h"
#include "reference_queries.h"
#include "reports/report_form.h"
#include "reports/report_queries.h"
#include "ui/grid_data.h"
#include "ui/month_list.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Figure {
    std::vector<double> wall, cpu;
    int rows = 0;
    double medianWall() const { return median(wall); }
    double medianCpu() const { return median(cpu); }
    static double median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
};

// Runs `once` `repeats` times after one unmeasured run (which warms the caches
// the same way for both statements); `once` returns the rows it produced.
Figure measure(int repeats, const std::function<int()>& once) {
    Figure f;
    once();
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        const double c0 = cpuMs();
        t.start();
        f.rows = once();
        f.wall.push_back(t.nsecsElapsed() / 1e6);
        f.cpu.push_back(cpuMs() - c0);
    }
    return f;
}

// A statement into a grid, as the forms fill theirs.
int fillGrid(AppContext& ctx, const QString& sql, const QVariantList& values = {},
             const std::vector<NamedColumn>& named = {}) {
    GridData grid;
    GridData::Batch batch(grid);
    MovementNames names(ctx.db());
    ctx.run(sql, values, named.empty() ? AppendNumberedRow(grid) : names.appendNamedRow(grid, named));
    return grid.rowCount();
}

// The open items without their count of open movements.
const char kOpenItemsAlone[] =
    "select Id, NamaItem, JmlStock from itemperpus where Id<>'KUNJUNG' "
    "and Id in (select IdItemPerpus from TransPerpus where Status<1) order by Id";

QString option(int argc, char** argv, const char* name, const QString& fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], name) == 0) return QString::fromLocal8Bit(argv[i + 1]);
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (bench::AnswerHelp(argc, argv,
                          "usage: bench_reports [library.db] [--month YYYY-MM] [--repeats N] [--in-place] "
                          "[--no-substr] [--only CODE|history] [--cache-mib N]"))
        return 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The library: the first argument that is neither an option nor an option's value.
    std::vector<char*> plain{argv[0]};
    bool inPlace = false, substr = true;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--in-place") == 0) {
            inPlace = true;
        } else if (qstrcmp(argv[i], "--no-substr") == 0) {
            substr = false;
        } else if (argv[i][0] == '-') {
            ++i;  // its value
        } else {
            plain.push_back(argv[i]);
        }
    }
    QString path = bench::BenchLibrary(static_cast<int>(plain.size()), plain.data());
    if (path.isEmpty()) return 1;
    QTemporaryDir copyDir;
    // The permission bits, not isWritable(): root may write anything.
    if (!inPlace || !(QFileInfo(path).permissions() & QFile::WriteOwner)) {
        const QString copy = copyDir.filePath(QStringLiteral("library.db"));
        std::printf("copying %s to %s\n", qPrintable(path), qPrintable(copy));
        std::fflush(stdout);
        if (!QFile::copy(path, copy) || !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(path));
            return 1;
        }
        path = copy;
    }
    QString error;
    QElapsedTimer opening;
    opening.start();
    auto db = OpenLibrary(path, &error);
    if (!db) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    std::printf("opened (indexes added where missing) in %.1f s\n", opening.elapsed() / 1000.0);

    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});

    // --cache-mib N: a page cache of N MiB instead of SQLite's default 2 MiB.
    if (const int mib = option(argc, argv, "--cache-mib", QStringLiteral("0")).toInt(); mib > 0)
        ctx.db().exec(QStringLiteral("pragma cache_size=-%1").arg(mib * 1024));

    // The month: given, or the last whole month of the library.
    QString month = option(argc, argv, "--month", {});
    if (month.isEmpty())
        month = ctx.db().scalar(
            QStringLiteral("select substr(date(max(TglPinjam),'start of month','-1 month'),1,7) "
                           "from TransPerpus"));
    const int year = month.left(4).toInt(), mon = month.mid(5, 2).toInt();
    const int repeats = std::max(1, option(argc, argv, "--repeats", QStringLiteral("5")).toInt());
    std::printf("library %s, month %s, %d repeats (median; CPU is this thread's time)\n\n", qPrintable(path),
                qPrintable(month), repeats);
    std::printf("%-34s %7s  %19s  %19s  %19s  %s\n", "", "rows", "substr: wall/cpu ms", "floor: wall/cpu ms",
                "form: wall/cpu ms", "cpu/floor");

    auto row = [&](const QString& what, const Figure& before, const Figure& floor, const Figure& after) {
        std::printf("%-34s %7d  %8.1f / %8.1f  %8.1f / %8.1f  %8.1f / %8.1f  %5.2fx%s\n", qPrintable(what),
                    after.rows, before.medianWall(), before.medianCpu(), floor.medianWall(),
                    floor.medianCpu(), after.medianWall(), after.medianCpu(),
                    after.medianCpu() / std::max(floor.medianCpu(), 0.001),
                    before.rows == after.rows || before.wall.empty() ? "" : "  (row counts differ!)");
    };
    // --only CODE: one report ("history" for the history), for profiling.
    const QString only = option(argc, argv, "--only", {});
    for (const ReportDefinition& r : ReportDefinitions()) {
        const QString code = QString::fromLatin1(r.code);
        if (!only.isEmpty() && only != code) continue;
        const Figure before =
            substr ? measure(repeats, [&] { return fillGrid(ctx, reference::ReportSql(code, year, mon)); })
                   : Figure{};
        const ReportQuery q = ReportStatement(r, year, mon);
        const Figure floor = measure(repeats, [&] {
            return code == QLatin1String("0005") ? fillGrid(ctx, kOpenItemsAlone)
                                                 : fillGrid(ctx, q.sql, q.values);
        });
        const Figure after = measure(repeats, [&] { return fillGrid(ctx, q.sql, q.values, q.names); });
        row(code + " " + ReportTitle(r, year, mon).left(28), before, floor, after);
    }
    if (only.isEmpty() || only == QLatin1String("history")) {
        const Figure before =
            substr ? measure(repeats, [&] { return fillGrid(ctx, reference::HistorySql(year, mon)); })
                   : Figure{};
        const ReportQuery q = HistoryStatement(year, mon);
        const Figure floor = measure(repeats, [&] { return fillGrid(ctx, q.sql, q.values); });
        const Figure after = measure(repeats, [&] { return fillGrid(ctx, q.sql, q.values, q.names); });
        row(QStringLiteral("history"), before, floor, after);
    }

    if (!only.isEmpty()) return 0;
    // The form as the operator meets it: ReportCode set, report produced and shown.
    std::printf("\nthe report form, offscreen (produce and paint), range statements:\n");
    ctx.reportCode = QStringLiteral("0002");
    ReportForm form(ctx);
    form.resize(1280, 800);
    form.show();
    form.months()->list()->setCurrentRow(mon - 1);  // as the operator chooses them
    form.months()->yearBox()->setValue(year);
    for (const ReportDefinition& r : ReportDefinitions()) {
        ctx.reportCode = QString::fromLatin1(r.code);
        const Figure f = measure(repeats, [&] {
            form.produce();
            form.repaint();
            QApplication::processEvents();
            return form.grid().rowCount();
        });
        std::printf("%-44s %7d  %9.1f / %9.1f\n", r.code, f.rows, f.medianWall(), f.medianCpu());
    }
    if (messages.count() > 0) std::printf("%d messages were shown (see above)\n", messages.count());
    return messages.count() > 0 ? 1 : 0;
}

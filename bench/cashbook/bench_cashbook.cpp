// The cash journal on a large library: one month listed with its running
// balance, the way the journal does it and the way the old statement did.
//
//   bench_cashbook [library.db] [--months 2026-11,2026-06,2025-01] [--reference-lines N]
//
// The library is copied into the temporary folder and the copy opened with
// OpenLibrary, which adds the journal's indexes and chooses the journal: a shared
// sample library stays as it is. For each month:
//  - "journal": JournalMonthLines alone, and the journal form choosing the month
//    (statements, grid and view), five runs each, median and fastest;
//  - "old statement": the correlated subquery of every line. It costs minutes on
//    a late month, so only its first N lines (default 40) are timed and the time
//    is scaled to the month's line count; each of those lines sums about as many
//    rows as any other line of the month, so the scaling is close.
#include <QApplication>
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "cashbook/journal_form.h"
#include "cashbook/journal_lines.h"
#include "db/library_file.h"
#include "quiet_services.h"
#include "ui/grid_data.h"
#include "ui/month_list.h"

using namespace zelkor;
using Steady = std::chrono::steady_clock;

namespace {

double Millis(Steady::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The process's processor time in ms: on a machine shared with other work the
// wall clock says more about the neighbours than about the journal.
double CpuMillis() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

struct Timed {
    std::vector<double> wall, cpu;  // sorted
};

template <class F>
Timed Runs(int n, F&& f) {
    Timed t;
    for (int i = 0; i < n; ++i) {
        const auto t0 = Steady::now();
        const double c0 = CpuMillis();
        f();
        t.cpu.push_back(CpuMillis() - c0);
        t.wall.push_back(Millis(Steady::now() - t0));
    }
    std::sort(t.wall.begin(), t.wall.end());
    std::sort(t.cpu.begin(), t.cpu.end());
    return t;
}

QString OldStatement(const QString& first, int limit) {
    return "select t1.Id, t1.Tanggal, t1.Kategori, t1.Uraian, t1.Masuk, t1.Keluar, (SELECT Sum(Masuk-Keluar) "
           "AS "
           "Total FROM Kas WHERE id <= T1.ID) AS Saldo, t1.Ops from Kas as t1 WHERE t1.Tanggal between '" +
           first + "' and date('" + first + "','start of month','+1 month','-1 day') Order By t1.Id limit " +
           QString::number(limit);
}

class FixedClock : public Clock {
  public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(12, 0)); }
};

}  // namespace

int main(int argc, char** argv) {
    if (bench::AnswerHelp(
            argc, argv,
            "usage: bench_cashbook [library.db] [--months 2026-11,2026-06,2025-01] [--reference-lines N]"))
        return 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList months = {"2026-11", "2026-06", "2025-01"};
    int referenceLines = 40;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--months") == 0) months = QString::fromLocal8Bit(argv[i + 1]).split(',');
        if (qstrcmp(argv[i], "--reference-lines") == 0) referenceLines = QByteArray(argv[i + 1]).toInt();
    }
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            ++i;
            continue;
        }
        rest.push_back(argv[i]);
    }
    const QString source = bench::BenchLibrary(static_cast<int>(rest.size()), rest.data());
    if (source.isEmpty()) return 1;
    QTemporaryDir dir;
    const QString path = bench::CopyLibrary(source, dir.path());
    if (path.isEmpty()) return 1;

    QString error;
    const auto t0 = Steady::now();
    auto db = OpenLibrary(path, &error);
    if (!db) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    std::printf("library %s (copied), %s journal lines; opened (indexes made if missing) in %.0f ms\n",
                qPrintable(source), qPrintable(db->scalar("select count(*) from Kas")),
                Millis(Steady::now() - t0));

    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    FixedClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});
    JournalForm form(ctx);

    for (const QString& m : months) {
        const int year = m.left(4).toInt(), month = m.mid(5, 2).toInt();
        GridData lines;
        const auto fast = Runs(5, [&] {
            lines.clearRows();
            JournalMonthLines(ctx.db(), year, month, lines);
        });
        const auto shown = Runs(5, [&] { form.chooseMonth(year, month); });

        const QString first = MonthPrefix(year, month) + "-01";
        int got = 0;
        const auto old = Runs(
            1, [&] { ctx.db().exec(OldStatement(first, referenceLines), {}, [&](const DbRow&) { ++got; }); });
        const double perLine = got > 0 ? old.cpu[0] / got : 0;
        const double oldMonth = perLine * static_cast<double>(lines.rowCount());
        std::printf("%s: %d lines\n", qPrintable(m), lines.rowCount());
        std::printf(
            "  journal lines   wall median %7.1f ms fastest %7.1f ms | cpu median %7.1f ms fastest %7.1f "
            "ms\n",
            fast.wall[2], fast.wall[0], fast.cpu[2], fast.cpu[0]);
        std::printf(
            "  journal form    wall median %7.1f ms fastest %7.1f ms | cpu median %7.1f ms fastest %7.1f ms"
            "  (%d grid rows)\n",
            shown.wall[2], shown.wall[0], shown.cpu[2], shown.cpu[0], form.grid().rowCount());
        std::printf(
            "  old statement   %d lines in %.0f ms cpu (%.0f ms wall), %.2f ms a line: the month ~%.1f s "
            "cpu\n",
            got, old.cpu[0], old.wall[0], perLine, oldMonth / 1000.0);
        if (fast.cpu[2] > 0) std::printf("  ratio old / journal (cpu) ~%.0f x\n", oldMonth / fast.cpu[2]);
    }
    return 0;
}

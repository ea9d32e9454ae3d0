// Times the start page on a large sample library (by default the --scale 100 one):
// the day's figures, what is out now, twelve months of the three charts, the whole
// page read and drawn again (what F5 and every change of the library cost), and
// the main window built, logged into and shown with the page on it. Beside them the
// floor: the year's rows of each chart counted in one statement instead of twelve.
//
//   build/bin/bench_overview [LIBRARY] [--repeats 10]
//
// The library is copied and opened with OpenLibrary, which adds this build's
// indexes (the first open of a library made before them builds them: timed too).
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "bench_timing.h"
#include "core/dates.h"
#include "overview/overview_charts.h"
#include "overview/overview_page.h"
#include "overview/overview_queries.h"
#include "program/main_window.h"
#include "quiet_services.h"
#include "reports/report_queries.h"
#include "ui/month_list.h"
#include "ui/qt_services.h"

using namespace zelkor;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "bench_overview [LIBRARY] [--repeats N]", {"--repeats"});
    const int repeats = args.number("--repeats", 10, 1, 1000);
    if (!args.ok()) return 2;
    const QString library = bench::BenchLibrary(args.path());
    if (library.isEmpty()) return 1;
    QTemporaryDir dir;
    QElapsedTimer opening;
    opening.start();
    std::unique_ptr<Database> db = bench::OpenLibraryCopy(library, dir.path());
    if (!db) return 1;
    std::printf("copied and opened (indexes built where missing) in %.0f ms\n", opening.nsecsElapsed() / 1e6);

    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), {messages, clock, files, printers});
    ctx.workDir = dir.path();
    // The sample's last day of movements, so that "today" has some.
    ctx.todayText = ctx.db().scalar(QStringLiteral("select max(TglPinjam) from TransPerpus"));
    const QDate today = ParseIsoDate(ctx.todayText);
    std::printf("today %s\n", qPrintable(ctx.todayText));

    using bench::Measure;
    using bench::Print;
    Print(Measure(
        "the day's figures", repeats,
        [&] {
            RangeFigures day;
            ReadRangeFigures(ctx.db(), ctx.todayText, day);
            return int(day.loans);
        },
        1));
    Print(Measure(
        "items out and late", repeats,
        [&] {
            OpenFigures open;
            ReadOpenFigures(ctx.db(), ctx.todayText, open);
            return int(open.itemsOut);
        },
        1));
    Print(Measure(
        "cash balance (the journal's last line)", repeats,
        [&] {
            std::int64_t balance = 0;
            ReadCashBalance(ctx.db(), balance);
            return 1;
        },
        1));
    Print(Measure(
        "twelve months, twelve statements", repeats,
        [&] {
            std::vector<MonthFigures> months;
            ReadTwelveMonths(ctx.db(), today.year(), today.month(), months);
            return int(months.size());
        },
        1));
    // The floor: the same year in one statement, every row read once.
    const int end = today.year() * 12 + today.month() - 1, start = end - 11;
    const QString from = MonthPrefix(start / 12, start % 12 + 1);
    const QString to = PrefixBounds(MonthPrefix(today.year(), today.month())).at(1).toString();
    Print(Measure(
        "floor: the whole year in one statement", repeats,
        [&] {
            RangeFigures f;
            const QString sql = QStringLiteral(
                "select (select count(*) from TransPerpus indexed by TransPerpus_Kode_TglPinjam where "
                "KodeTrans='PINJAM' and TglPinjam>=?1 and TglPinjam<?2), (select count(*) from TransPerpus "
                "indexed by "
                "TransPerpus_Returned where TglReturn>=?1 and TglReturn<?2 and Status>0), (select count(*) "
                "from "
                "TransPerpus indexed by TransPerpus_Kode_TglPinjam where KodeTrans='KUNJUNG' and "
                "TglPinjam>=?1 and "
                "TglPinjam<?2), (select sum(Masuk+0) + sum(Keluar+0) from Kas where Tanggal>=?1 and "
                "Tanggal<?2)");
            return int(ctx.db().scalar(sql, {from, to}).toLongLong() > 0);
        },
        1));

    {
        OverviewPage page(ctx);
        page.resize(1280, 640);
        page.show();
        std::vector<MonthFigures> months;
        ReadTwelveMonths(ctx.db(), today.year(), today.month(), months);
        Print(Measure(
            "the three charts and the table given the months", repeats,
            [&] {
                page.charts()->show(months);
                page.repaint();
                return 1;
            },
            1));
        Print(Measure(
            "whole page read and drawn (F5)", repeats,
            [&] {
                page.refresh();
                page.repaint();
                return 1;
            },
            1));
        Print(Measure("no change: one look at the change counter", repeats,
                      [&] { return int(page.refreshIfChanged()); }));
    }
    Print(Measure("main window built, logged into, shown with the page", std::min(repeats, 5), [&] {
        MainWindow w(ctx);
        w.setLoginStep([](MainWindow&) { return true; });
        w.finishCreation();
        w.showMaximized();
        QCoreApplication::processEvents();
        return 1;
    }));
    std::printf("peak memory %ld KiB\n", bench::PeakMemoryKiB());
    return 0;
}

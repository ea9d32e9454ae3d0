// Times the overdue list at a date over a large sample library (build/bin/zelkor-demo
// PATH --scale 100): the statement with the rules' arithmetic, without rules and
// with a rule per category and a calendar, then the form filling its grid.
// Works on a copy, since opening adds the index of open loans by due date.
//
//   build/bin/bench_overdue [library.db] [--date YYYY-MM-DD] [--repeats N]
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "bench_timing.h"
#include "core/dates.h"
#include "db/schema.h"
#include "quiet_services.h"
#include "rules/overdue_form.h"
#include "rules/overdue_list.h"
#include "ui/qt_services.h"

using namespace zelkor;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_overdue [library.db] [--date YYYY-MM-DD] [--repeats N]",
                          {"--date", "--repeats"});
    const int repeats = args.number("--repeats", 10, 1, 10000);
    if (!args.ok()) return 2;
    const QString path = bench::BenchLibrary(args.path());
    if (path.isEmpty()) return 1;
    QTemporaryDir dir;
    auto db = bench::OpenLibraryCopy(path, dir.path());
    if (!db || !ApplySchema(*db).ok) {
        std::fprintf(stderr, "cannot open a copy of %s\n", qPrintable(path));
        return 1;
    }
    bench::QuietMessages messages(bench::QuietMessages::Echo::Yes);
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});
    const QString dateText = args.value("--date", IsoDate(clock.today()));
    const QDate date = ParseIsoDate(dateText);
    if (!date.isValid()) {
        std::fprintf(stderr, "--date: %s is no date (YYYY-MM-DD)\n", qPrintable(dateText));
        return 2;
    }
    ctx.todayText = IsoDate(date);
    const QString movements = ctx.db().scalar(QStringLiteral("select count(*) from TransPerpus"));
    std::printf("library %s, %s movements, overdue at %s, %d repeats\n", qPrintable(path),
                qPrintable(movements), qPrintable(ctx.todayText), repeats);

    // The floor: the statement alone, its rows read and dropped.
    bench::Print(bench::Measure(
        "the statement alone (rows read, nothing kept)", repeats,
        [&] {
            int rows = 0;
            ctx.db().exec(kOverdueSql, {IsoDate(date)}, [&](const DbRow&) { ++rows; });
            return rows;
        },
        1));

    const LoanSettings none;
    bench::Print(bench::Measure(
        "overdue list, no rules (statement + fines)", repeats,
        [&] {
            int rows = 0;
            for (const OverdueMember& m : OverdueAt(ctx.db(), none, date))
                rows += static_cast<int>(m.loans.size());
            return rows;
        },
        1));

    LoanSettings ruled;
    ctx.db().exec(QStringLiteral("select Kategori from Member group by Kategori"), {}, [&](const DbRow& row) {
        LoanRule r;
        r.kategori = row.text(0);
        r.finePerDay = 500;
        r.graceDays = 2;
        r.fineCap = 20000;
        ruled.rules.push_back(r);
    });
    ruled.calendar.closedWeekday[7] = true;
    for (int m = 1; m <= 12; ++m) ruled.calendar.holidays.insert(QDate(date.year(), m, 17));
    ruled.calendar.countOpenDaysOnly = true;
    bench::Print(bench::Measure(
        "overdue list, a rule per category, open days only", repeats,
        [&] {
            int rows = 0;
            for (const OverdueMember& m : OverdueAt(ctx.db(), ruled, date))
                rows += static_cast<int>(m.loans.size());
            return rows;
        },
        1));

    OverdueForm form(ctx);
    form.show();
    bench::Print(bench::Measure(
        "the form: Tampilkan into its grid", repeats,
        [&] {
            form.showList();
            QApplication::processEvents();
            return form.list().rowCount();
        },
        1));
    return 0;
}

// The till on a large library. A copy of the library gets debts for one member in
// five (some partly paid, some waived), then:
//  - choosing a member at the desk, which now shows the member's open debts, beside
//    the member lookup alone (the floor);
//  - the close summary of the busiest operator and day of the journal, beside
//    counting that day's lines (the floor);
//  - the two reports.
//
//   bench_till [library.db] [--repeats N]
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "bench_timing.h"
#include "circulation/desk_form.h"
#include "circulation/desk_queries.h"
#include "quiet_services.h"
#include "till/debts.h"
#include "till/till_close.h"
#include "till/till_queries.h"
#include "ui/qt_services.h"

using namespace zelkor;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv, "usage: bench_till [library.db] [--repeats N]", {"--repeats"});
    const int repeats = args.number("--repeats", 200, 1, 100000);
    if (!args.ok()) return 2;
    const QString library = bench::BenchLibrary(args.path());
    if (library.isEmpty()) return 1;
    QTemporaryDir tmp;
    auto db = bench::OpenLibraryCopy(library, tmp.path());
    if (!db) return 1;

    // One member in five owes something: a debt a month from the journal's days,
    // a third of them partly paid, a tenth partly waived.
    db->execScript(
        "BEGIN;"
        "INSERT INTO Tanggungan SELECT 'B' || rowid, date('2020-01-01', '+' || (rowid % 900) || ' days'), Id,"
        " 1000 + rowid % 50000, 1000 + rowid % 50000, 'bench' FROM Member WHERE rowid % 5 = 0;"
        "INSERT INTO TanggunganBayar SELECT 'P' || rowid, Id, Tanggal, 500, 'bench' FROM Tanggungan WHERE "
        "rowid % 3 = 0;"
        "UPDATE Tanggungan SET Sisa = Sisa - 500 WHERE rowid % 3 = 0;"
        "INSERT INTO HapusDenda (Id, Waktu, IdTanggungan, Jumlah, Alasan, Ops) SELECT 'H' || rowid, "
        "replace(Tanggal, '-', '') || '120000', Id, 200, "
        "'bench', 'admin'"
        " FROM Tanggungan WHERE rowid % 10 = 0;"
        "UPDATE Tanggungan SET Sisa = Sisa - 200 WHERE rowid % 10 = 0;"
        "COMMIT;");
    std::printf("library: %s members, %s journal lines, %s debts\n",
                qPrintable(db->scalar("select count(*) from Member")),
                qPrintable(db->scalar("select count(*) from Kas")),
                qPrintable(db->scalar("select count(*) from Tanggungan")));

    bench::QuietMessages messages;
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});
    ctx.todayText = QStringLiteral("2099-01-01");
    ctx.currentOperator = QStringLiteral("bench");

    QStringList members;  // members who owe, spread over the table
    ctx.db().exec("select IdMember from Tanggungan where Sisa > 0 order by random() limit ?", {repeats},
                  [&](const DbRow& r) { members << r.text(0); });
    if (members.isEmpty()) return 1;
    int at = 0;
    bench::Print(bench::Measure("member lookup alone (floor)", repeats, [&] {
        int rows = 0;
        ctx.db().exec(kMemberLookupSql, {members[at++ % members.size()]}, [&](const DbRow&) { ++rows; });
        return rows;
    }));
    bench::Print(bench::Measure("open debts of a member", repeats, [&] {
        std::vector<OpenDebt> debts;
        LoadOpenDebts(ctx.db(), members[at++ % members.size()], debts);
        return int(debts.size());
    }));
    {
        DeskForm desk(ctx);
        desk.show();
        bench::Print(bench::Measure("desk: member chosen, panel with debts", repeats, [&] {
            desk.setMemberNumber(members[at++ % members.size()]);
            return desk.openDebtTotal() > 0 ? 1 : 0;
        }));
    }

    // The busiest operator and day of the journal.
    QString day, ops;
    ctx.db().exec("select Tanggal, Ops from Kas group by Tanggal, Ops order by count(*) desc limit 1", {},
                  [&](const DbRow& r) {
                      day = r.text(0);
                      ops = r.text(1);
                  });
    bench::Print(bench::Measure("count the day's journal lines (floor)", 20, [&] {
        return ctx.db().scalar("select count(*) from Kas where Tanggal = ?", {day}).toInt();
    }));
    bench::Print(bench::Measure("close summary of the busiest operator and day", 20, [&] {
        CloseSummary s;
        LoadCloseSummary(ctx.db(), ops, day, s);
        return s.lines;
    }));
    const auto rowsOf = [&](const QString& sql, const QVariantList& values) {
        int rows = 0;
        ctx.db().exec(sql, values, [&](const DbRow&) { ++rows; });
        return rows;
    };
    bench::Print(bench::Measure("Laporan Tanggungan at 2022-06-30", 5,
                                [&] { return rowsOf(kOpenDebtsAtSql, {QStringLiteral("2022-06-30")}); }));
    const QString month = day.left(8);
    bench::Print(bench::Measure("Laporan Penerimaan Harian, the busiest month", 5, [&] {
        return rowsOf(kDailyTakingsSql, {month + QStringLiteral("01"), month + QStringLiteral("31")});
    }));
    return 0;
}

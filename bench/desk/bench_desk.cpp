// The desk on a large library: the member lookup run on every keystroke (the
// desk's own statement, and through the desk itself) and saving a 20-row cart.
//
//   bench_desk [library.db] [--in-place]
//
// The library is the file named, else $ZELKOR_BENCH_DB, else the zelkor-demo
// --scale 100 sample in the temporary folder (made the first time). It is copied
// to a temporary folder first, since the saves add rows, unless --in-place.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "app/app_context.h"
#include "bench_library.h"
#include "circulation/cart.h"
#include "circulation/desk_form.h"
#include "circulation/desk_queries.h"
#include "circulation/desk_save.h"
#include "db/database.h"
#include "quiet_services.h"
#include "ui/qt_services.h"

using namespace zelkor;
using Steady = std::chrono::steady_clock;

namespace {

double Micros(Steady::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Stats {
    std::vector<double> us;
    void report(const char* what) {
        std::sort(us.begin(), us.end());
        double sum = 0;
        for (double v : us) sum += v;
        const auto at = [&](double q) {
            return us[std::min(us.size() - 1, static_cast<size_t>(q * us.size()))];
        };
        std::printf("%-44s n=%-7zu mean %9.1f us  p50 %9.1f us  p99 %9.1f us  max %9.1f us\n", what,
                    us.size(), sum / us.size(), at(0.5), at(0.99), us.back());
    }
};

QStringList ActiveMembers(Database& db, int n) {
    QStringList ids;
    db.exec("select Id from Member where Status>0 order by random() limit ?", {n},
            [&](const DbRow& r) { ids << r.text(0); });
    return ids;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bool inPlace = false;
    for (int i = 1; i < argc; ++i)
        if (QLatin1String(argv[i]) == QLatin1String("--in-place")) inPlace = true;

    QString path = bench::BenchLibrary(argc, argv);
    if (path.isEmpty()) return 1;
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "no library at %s; make one with zelkor-demo %s --scale 100\n", qPrintable(path),
                     qPrintable(path));
        return 1;
    }
    QTemporaryDir tmp;
    if (!inPlace) {
        const QString copy = tmp.filePath("bench.db");
        if (!QFile::copy(path, copy)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(path));
            return 1;
        }
        path = copy;
    }

    QString error;
    auto db = Database::open(path, &error);
    if (!db) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("library: %s members, %s movements, %s journal lines (%.0f MB)\n",
                qPrintable(db->scalar("select count(*) from Member")),
                qPrintable(db->scalar("select count(*) from TransPerpus")),
                qPrintable(db->scalar("select count(*) from Kas")), QFileInfo(path).size() / 1048576.0);

    bench::QuietMessages messages;
    SystemClock clock;
    bench::NoFileDialogs files;
    bench::NoPrinters printers;
    AppContext ctx(std::move(db), AppServices{messages, clock, files, printers});
    ctx.todayText = QDate::currentDate().toString("yyyy-MM-dd");
    ctx.currentOperator = "bench";

    // ---- a lookup per keystroke: every prefix of a member number, then the whole one
    const QStringList members = ActiveMembers(ctx.db(), 2000);
    {
        Stats s;
        int found = 0;
        for (int round = 0; round < 5; ++round)
            for (const QString& id : members)
                for (int len = 1; len <= id.size(); ++len) {
                    const QString typed = id.left(len);
                    const auto t0 = Steady::now();
                    ctx.db().exec(kMemberLookupSql, {typed},
                                  [&](const DbRow& r) { found += !r.text(0).isEmpty(); });
                    s.us.push_back(Micros(Steady::now() - t0));
                }
        s.report("member lookup statement (per keystroke)");
        std::printf("  (%d whole numbers found)\n", found);
    }
    {
        DeskForm desk(ctx);
        desk.show();
        Stats s;
        for (const QString& id : members)
            for (int len = 1; len <= id.size(); ++len) {
                const QString typed = id.left(len);
                const auto t0 = Steady::now();
                desk.setMemberNumber(typed);
                s.us.push_back(Micros(Steady::now() - t0));
            }
        s.report("desk lookup with its panel (per keystroke)");
    }

    // ---- saving a 20-row cart: 8 rentals, 8 loans, 3 returns, a visit, a discount.
    // Once as the program runs (every commit flushed to disk), once without the
    // flush, which shows the work of the statements themselves.
    QDateTime stampTime(QDate(2099, 1, 1), QTime(8, 0, 0));
    std::mt19937 rng(7);
    for (const bool flush : {true, false}) {
        if (!flush) ctx.db().exec("PRAGMA synchronous=OFF");
        Stats s;
        int failures = 0;
        for (int n = 0; n < 200; ++n) {
            const QString member = members[static_cast<int>(rng() % members.size())];
            QStringList open;
            ctx.db().exec("select Id from TransPerpus where IdMember=? and Status<1 limit 3", {member},
                          [&](const DbRow& r) { open << r.text(0); });
            GridData cart;
            SetUpCartColumns(cart);
            for (int i = 0; i < 8; ++i)
                AppendCartRow(cart, QStringLiteral("B%1").arg((rng() % 500) * 4, 4, 10, QChar('0')), "Judul",
                              "3", "6000", kTransRental, "2099-01-04");
            for (int i = 0; i < 8; ++i)
                AppendCartRow(cart, QStringLiteral("B%1").arg(rng() % 2000, 4, 10, QChar('0')), "Judul", "7",
                              "0", kTransPinjam, "2099-01-08");
            // Only movements still out can be returned: a member with fewer gives a shorter cart.
            for (const QString& id : open)
                AppendCartRow(cart, id, "Judul", "1.5", "1500.0", kTransReturn, "2098-12-01");
            AppendCartRow(cart, "KUNJUNG", "BURKUNJUNG", "1", "1500", kTransKunjung, "2099-01-01");

            SaveRequest request{
                stampTime.toString("yyyyMMddHHmmss"), "2099-01-01", "bench", member, "Anggota", "500"};
            stampTime = stampTime.addSecs(1);
            const auto t0 = Steady::now();
            const SaveOutcome out = SaveCart(ctx.db(), cart, request);
            s.us.push_back(Micros(Steady::now() - t0));
            failures += !out.ok;
        }
        s.report(flush ? "save a 20-row cart (one transaction)" : "  the same without the disk flush");
        std::printf("  (%d failed; up to 20 movements + 13 journal lines per save)\n", failures);
    }
    return 0;
}

// The desk on a large library: the member lookup run on every keystroke (the
// desk's own statement, and through the desk itself) and saving a 20-row cart,
// with the disk syncs each save costs.
//
//   bench_desk [library.db] [--in-place] [--saves N] [--journal wal|delete]
//              [--idle-every N] [--disk-writer] [--sqlite-checkpoint]
//
// The library is the file named, else $ZELKOR_BENCH_DB, else the zelkor-demo
// --scale 100 sample in the temporary folder (made the first time). It is copied
// to a temporary folder first and the copy flushed to the disk, since the saves add
// rows, unless --in-place. It opens as the program opens it (WAL with full sync on
// a local disk); --journal delete puts it back on the rollback journal, for the
// figures of the old way.
//
// The operator pauses between members, and once the WAL holds enough the program
// moves its pages into the library in that pause (idle_checkpoint.h): --idle-every
// N gives it that pause after every Nth save (1 by default; 0 never, so only the
// WAL's bound moves them).
// --sqlite-checkpoint leaves the moving to SQLite's own rule, inside the save that
// takes the WAL past 1,000 pages, for the figures of the old way. --disk-writer
// keeps another program writing and flushing a large file on the same disk all
// through the saves.
#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "app/app_context.h"
#include "bench_args.h"
#include "bench_library.h"
#include "circulation/cart.h"
#include "circulation/desk_form.h"
#include "circulation/desk_queries.h"
#include "circulation/desk_save.h"
#include "db/database.h"
#include "db/idle_checkpoint.h"
#include "db/journal.h"
#include "db/library_file.h"
#include "db/sync_counter.h"
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
        if (us.empty()) return;
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

// Writes 1 MiB blocks to `path` and flushes them every 8 MiB until `stop`, starting
// over at 256 MiB: a backup or a copy running beside the desk.
std::thread DiskWriter(const QString& path, std::atomic<bool>& stop) {
    return std::thread([path, &stop] {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        const QByteArray block(1 << 20, 'x');
        for (int n = 0; !stop; ++n) {
            if (n % 256 == 0) file.seek(0);
            file.write(block);
            if (n % 8 == 7) {
                file.flush();
                ::fdatasync(file.handle());
            }
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bench::BenchArgs args(argc, argv,
                          "usage: bench_desk [library.db] [--in-place] [--saves N] [--journal wal|delete] "
                          "[--idle-every N] [--disk-writer] [--sqlite-checkpoint]",
                          {"--saves", "--journal", "--idle-every"},
                          {"--in-place", "--disk-writer", "--sqlite-checkpoint"});
    const int saves = args.number("--saves", 200, 1, 100000);
    const int idleEvery = args.number("--idle-every", 1, 0, 100000);
    const QString journal = args.value("--journal", "wal");
    if (!args.ok()) return 2;
    if (journal != "wal" && journal != "delete") {
        std::fprintf(stderr, "--journal is wal or delete\n");
        return 2;
    }

    QString path = bench::BenchLibrary(args.path());
    if (path.isEmpty()) return 1;
    QTemporaryDir tmp;
    if (!args.flag("--in-place")) {
        path = bench::CopyLibrary(path, tmp.path());
        if (path.isEmpty()) return 1;
    }

    SyncCounter counter;  // before the library opens: it watches the files opened after it
    QString error;
    auto db = OpenLibrary(path, &error);
    if (!db) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(error));
        return 1;
    }
    if (journal == "delete") ChooseJournal(*db, JournalKind::Rollback);
    if (args.flag("--sqlite-checkpoint")) db->execScript("PRAGMA wal_autocheckpoint=1000");
    db->execScript("PRAGMA wal_checkpoint(TRUNCATE)");  // the timed saves start from an empty WAL
    std::printf("journal %s, synchronous %s\n", qPrintable(db->scalar("PRAGMA journal_mode")),
                qPrintable(db->scalar("PRAGMA synchronous")));
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
    if (members.isEmpty()) {
        std::fprintf(stderr, "%s has no active members to serve\n", qPrintable(path));
        return 1;
    }
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
    std::atomic<bool> stopWriter{false};
    std::thread writer;
    if (args.flag("--disk-writer"))
        writer = DiskWriter(QFileInfo(path).absolutePath() + "/writer.bin", stopWriter);
    for (const bool flush : {true, false}) {
        if (!flush) ctx.db().exec("PRAGMA synchronous=OFF");
        Stats s, syncs;
        qint64 walMax = 0;
        int failures = 0;
        for (int n = 0; n < saves; ++n) {
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
            const std::uint64_t syncsBefore = counter.syncs();
            const auto t0 = Steady::now();
            const SaveOutcome out = SaveCart(ctx.db(), cart, request);
            s.us.push_back(Micros(Steady::now() - t0));
            syncs.us.push_back(static_cast<double>(counter.syncs() - syncsBefore));
            failures += !out.ok;
            walMax = std::max(walMax, QFileInfo(path + "-wal").size());
            // What the program does once the desk has been idle for a moment.
            if (idleEvery > 0 && (n + 1) % idleEvery == 0 && ctx.db().idleCheckpoint())
                ctx.db().idleCheckpoint()->runNow();
        }
        s.report(flush ? "save a 20-row cart (one transaction)" : "  the same without the disk flush");
        std::printf("  (%d failed; up to 20 movements + 13 journal lines per save)\n", failures);
        double total = 0;
        for (double v : syncs.us) total += v;
        std::sort(syncs.us.begin(), syncs.us.end());
        std::printf("  disk syncs per save: mean %.2f, p50 %.0f, max %.0f; largest WAL %.1f MB\n",
                    total / saves, syncs.us[syncs.us.size() / 2], syncs.us.back(), walMax / 1e6);
    }
    stopWriter = true;
    if (writer.joinable()) writer.join();
    QFile::remove(QFileInfo(path).absolutePath() + "/writer.bin");
    return 0;
}

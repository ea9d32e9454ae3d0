// The library keeps every saved action: WAL with full sync on a local disk, the
// rollback journal on a network share, every commit on the disk before it returns,
// and every save that reported itself there after the program is killed.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "db/database.h"
#include "db/idle_checkpoint.h"
#include "db/journal.h"
#include "db/library_file.h"
#include "db/schema.h"
#include "db/sync_counter.h"
#include "support/other_copy.h"

using namespace zelkor;

namespace {

// A library as an older program left it: the six tables, a rollback journal.
QString MakeLibrary(const QTemporaryDir& dir, const char* journal = "delete") {
    const QString path = dir.filePath("perpus.db");
    QString error;
    auto db = Database::open(path, &error);
    EXPECT_TRUE(db) << error.toStdString();
    EXPECT_TRUE(ApplySchema(*db).ok);
    EXPECT_EQ(db->scalar(QStringLiteral("PRAGMA journal_mode=%1").arg(journal)), journal);
    return path;
}

QString Pragma(Database& db, const char* name) {
    return db.scalar(QStringLiteral("PRAGMA %1").arg(name));
}

bool SaveKasLine(Database& db, const QString& id) {
    Transaction t(db);
    db.exec(
        "insert into Kas (Id, Tanggal, Kategori, Masuk, Keluar, Ops) "
        "values (?, '2016-03-07', 'Potongan', '-500', '0', 'admin')",
        {id});
    return t.commit().ok;
}

}  // namespace

TEST(Journal, NetworkFileSystemsAreToldFromLocalOnes) {
    const std::pair<const char*, bool> cases[] = {
        {"ext4", false}, {"xfs", false},     {"btrfs", false},   {"tmpfs", false},     {"vfat", false},
        {"ntfs", false}, {"fuseblk", false}, {"overlay", false}, {"nfs", true},        {"nfs4", true},
        {"cifs", true},  {"smb3", true},     {"9p", true},       {"fuse.sshfs", true}, {"NFS4", true},
    };
    for (const auto& [type, network] : cases) EXPECT_EQ(IsNetworkFileSystem(type), network) << type;
    QTemporaryDir dir;
    EXPECT_EQ(JournalFor(dir.filePath("perpus.db")), JournalKind::Wal);
}

TEST(Journal, LibraryOpensInWalWithFullSync) {
    for (const char* left : {"delete", "truncate", "persist", "wal"}) {
        QTemporaryDir dir;
        const QString path = MakeLibrary(dir, left);
        QString error;
        {
            auto db = OpenLibrary(path, &error);
            ASSERT_TRUE(db) << error.toStdString();
            EXPECT_EQ(Pragma(*db, "journal_mode"), "wal") << left;
            EXPECT_EQ(Pragma(*db, "synchronous"), "2") << left << ": FULL";
            EXPECT_EQ(Pragma(*db, "mmap_size"), "1073741824") << left << ": read through a map";
            EXPECT_TRUE(SaveKasLine(*db, "1"));
            EXPECT_TRUE(QFile::exists(path + "-wal"));
        }
        // The last connection to close leaves the library whole and alone.
        EXPECT_FALSE(QFile::exists(path + "-wal")) << left;
        EXPECT_FALSE(QFile::exists(path + "-shm")) << left;
        auto plain = Database::open(path, &error);
        EXPECT_EQ(plain->scalar("select count(*) from Kas"), "1");
        EXPECT_EQ(Pragma(*plain, "journal_mode"), "wal") << "WAL stays with the file";
    }
}

// Copies started together: the first read waits for another copy's commit
// instead of failing at once, and a whole library opens without writing, so
// another copy's open write transaction does not stop it.
TEST(Journal, CopiesStartingTogetherAllOpen) {
    QTemporaryDir dir;
    const QString path = MakeLibrary(dir);
    std::thread committing = test::HoldLockFor(path, "begin exclusive", 300);
    QString error;
    EXPECT_TRUE(OpenLibrary(path, &error)) << error.toStdString();
    committing.join();

    auto writing = Database::open(path, nullptr);
    ASSERT_TRUE(writing->exec("begin immediate").ok);
    EXPECT_TRUE(OpenLibrary(path, &error)) << error.toStdString();
    writing->exec("rollback");
}

// On a network share a library stays with (or goes back to) the rollback journal.
TEST(Journal, RollbackJournalOnAShare) {
    QTemporaryDir dir;
    const QString path = MakeLibrary(dir, "wal");
    QString error;
    auto db = Database::open(path, &error);
    EXPECT_EQ(ChooseJournal(*db, JournalKind::Rollback), "delete");
    EXPECT_EQ(Pragma(*db, "synchronous"), "2");
    EXPECT_TRUE(SaveKasLine(*db, "1"));
    EXPECT_FALSE(QFile::exists(path + "-wal"));
}

// What a power cut would take: nothing written by a commit may be left unsynced
// when the commit returns, and one sync per commit is the price of it.
TEST(Journal, EveryCommitIsOnTheDiskWhenItReturns) {
    QTemporaryDir dir;
    const QString path = MakeLibrary(dir);
    SyncCounter counter;
    QString error;
    auto db = OpenLibrary(path, &error);
    ASSERT_TRUE(db) << error.toStdString();
    const int saves = 50;
    const std::uint64_t before = counter.syncs();
    for (int i = 0; i < saves; ++i) {
        const std::uint64_t syncs = counter.syncs();
        ASSERT_TRUE(SaveKasLine(*db, QString::number(i)));
        EXPECT_FALSE(counter.unsyncedWrites()) << "save " << i;
        EXPECT_GE(counter.syncs() - syncs, 1u) << "save " << i;
    }
    EXPECT_LE(counter.syncs() - before, static_cast<std::uint64_t>(saves) + 2) << "about one sync per save";

    // The sync level that skips it is caught.
    db->execScript("PRAGMA synchronous=NORMAL");
    ASSERT_TRUE(SaveKasLine(*db, "normal"));
    EXPECT_TRUE(counter.unsyncedWrites());
    db.reset();
}

// A save pays for its own flush only: the WAL's pages move into the library once
// the program is idle, or inside the commit that takes the WAL past its bound.
TEST(Journal, PagesMoveIntoTheLibraryWhenIdleOrPastTheBound) {
    QTemporaryDir dir;
    const QString path = MakeLibrary(dir);
    SyncCounter counter;
    QString error;
    auto db = OpenLibrary(path, &error);
    ASSERT_TRUE(db) << error.toStdString();
    const std::pair<int, bool> cases[] = {
        {IdleCheckpoint::kBoundBytes + 1'000'000, true},  // past the bound
        {5'000'000, false},                               // past SQLite's own 1,000 pages
    };
    for (const auto& [bytes, moved] : cases) {
        Transaction t(*db);
        db->exec(
            "insert into Kas (Id, Tanggal, Kategori, Masuk, Keluar, Ops) "
            "values (?, '2016-03-07', 'Potongan', '0', '0', hex(randomblob(?)))",
            {QString::number(bytes), bytes / 2});
        const std::uint64_t syncs = counter.syncs();
        ASSERT_TRUE(t.commit().ok);
        EXPECT_EQ(counter.syncs() - syncs > 1, moved) << bytes;
    }
    const std::uint64_t syncs = counter.syncs();
    QTest::qWait(IdleCheckpoint::kIdleMs + 300);
    EXPECT_GT(counter.syncs(), syncs) << "moved while idle";
    db.reset();
}

// The program killed right after a save commits: every save it reported is there
// when the library is next opened, and the library is whole.
TEST(Journal, SavesSurviveTheProgramBeingKilled) {
    const QString helper = QDir(qEnvironmentVariable("ZELKOR_BIN_DIR")).filePath("save_then_wait");
    ASSERT_TRUE(QFile::exists(helper)) << helper.toStdString();
    QTemporaryDir dir;
    const QString path = MakeLibrary(dir);
    for (const int killAfter : {1, 7, 40}) {
        QProcess p;
        p.start(helper, {path, "40"});
        ASSERT_TRUE(p.waitForStarted());
        int reported = 0;
        while (reported < killAfter && p.waitForReadyRead(20000))
            while (p.canReadLine()) reported = QString::fromLatin1(p.readLine()).section(' ', 1).toInt();
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);  // mid-stream, or at rest after the last save
        p.waitForFinished();
        ASSERT_GE(reported, killAfter) << p.readAllStandardError().toStdString();

        QString error;
        auto db = OpenLibrary(path, &error);
        ASSERT_TRUE(db) << error.toStdString();
        EXPECT_EQ(LibraryProblem(*db, true), "");
        const int lines = db->scalar("select count(*) from Kas").toInt();
        EXPECT_GE(lines, reported * 13) << "killed after " << killAfter;
        EXPECT_EQ(lines % 13, 0) << "a save is kept whole or not at all";
        db->exec("delete from Kas");
    }
}

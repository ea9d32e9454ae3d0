// "BackUp": a consistent copy through SQLite's online backup, the day's file
// replaced only by a complete new one, and every failure told with its reason.
#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <thread>

#include <QProcess>

#include "admin/backup_restore.h"
#include "library_files.h"
#include "support/form_driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kBackup = "BackUp20160307.dataperpus";

class BackupTest : public DbTest {
  protected:
    QString backup() const { return env.dir() + "/" + kBackup; }
    void addMembers(const QString& prefix, int count) {
        Transaction t(env.db());
        for (int i = 0; i < count; ++i)
            env.exec("insert into Member (Id, Nama, Alamat) values (?, ?, ?)",
                     {prefix + QString::number(i).rightJustified(4, '0'), "Anggota", QString(200, 'x')});
        ASSERT_TRUE(t.commit().ok);
    }
};

}  // namespace

TEST_F(BackupTest, CopyOfALibraryAnotherConnectionIsWritingHoldsItsCommittedData) {
    for (const char* mode : {"delete", "wal"}) {
        SCOPED_TRACE(mode);
        env.exec(QString("pragma journal_mode=%1").arg(mode));
        env.exec("delete from Member");
        addMembers("A", 50);
        QString error;
        auto other = Database::open(env.ctx().databasePath, &error);
        ASSERT_TRUE(other) << error.toStdString();

        // A write the other program has not committed is not part of the copy.
        ASSERT_TRUE(other->exec("begin immediate").ok);
        ASSERT_TRUE(other->exec("insert into Member (Id, Nama) values ('BELUM', 'x')").ok);
        env.messages.clear();
        EXPECT_TRUE(BackUpDatabase(env.ctx()));
        EXPECT_EQ(Told(env), QStringList({"Info: File hasil backup : " + kBackup}));
        EXPECT_EQ(MembersIn(backup()).size(), 50);
        ASSERT_TRUE(other->exec("rollback").ok);

        // A program that goes on writing while the copy is made.
        std::atomic<bool> stop = false;
        std::atomic<int> written = 0;
        std::thread writer([&] {
            for (int i = 0; !stop; ++i)
                if (other
                        ->exec("insert into Member (Id, Nama) values (?, 'baru')",
                               {QString("W%1").arg(i, 6, 10, QChar('0'))})
                        .ok)
                    ++written;
        });
        while (written < 20) std::this_thread::yield();
        const bool made = BackUpDatabase(env.ctx());
        const int before = written;
        QTest::qWait(20);
        stop = true;
        writer.join();
        EXPECT_TRUE(made) << Told(env).join('\n').toStdString();
        const QStringList copied = MembersIn(backup());
        EXPECT_GE(copied.size(), 50 + 20);
        EXPECT_LE(copied.size(), 50 + written);
        EXPECT_LT(before, written.load()) << "the writer went on while the copy was made";
        // A self-contained file: no journal beside it and the rollback journal inside.
        EXPECT_EQ(FilesIn(env.dir()).filter("BackUp"), QStringList({kBackup}));
        auto copy = Database::open(backup(), &error, Database::Mode::ExistingOnly);
        EXPECT_EQ(copy->scalar("pragma journal_mode"), "delete");
    }
}

TEST_F(BackupTest, TwoBackupsOnOneDayLeaveOneFileWithTheLaterData) {
    addMembers("A", 3);
    EXPECT_TRUE(BackUpDatabase(env.ctx()));
    addMembers("B", 2);
    EXPECT_TRUE(BackUpDatabase(env.ctx()));
    EXPECT_EQ(MembersIn(backup()), QStringList({"A0000", "A0001", "A0002", "B0000", "B0001"}));
    EXPECT_EQ(FilesIn(env.dir()), QStringList({kBackup, "test.db"}));
    // Made the way SQLite makes any database: readable like the library itself.
    EXPECT_EQ(QFileInfo(backup()).permissions(), QFileInfo(env.ctx().databasePath).permissions());
    EXPECT_EQ(Told(env), QStringList(2, "Info: File hasil backup : " + kBackup));
}

TEST_F(BackupTest, FailedBackupTellsTheReasonAndKeepsTheEarlierFile) {
    addMembers("A", 3);
    ASSERT_TRUE(BackUpDatabase(env.ctx()));
    const QByteArray earlier = ReadBytes(backup());
    addMembers("B", 400);  // some 100 KB more than the earlier backup
    WriteBytes(env.dir() + "/biasa.txt", "bukan folder");
    QDir(env.dir()).mkpath("folder/" + kBackup);

    struct Case {
        const char* what;
        QString workDir;
        QString reason;      // part of the message
        long fileSizeLimit;  // bytes, 0 for none
    } cases[] = {
        // Root may write anywhere, but not into a folder below a plain file.
        {"folder that is not there", env.dir() + "/biasa.txt/backup",
         "folder " + env.dir() + "/biasa.txt/backup tidak ada", 0},
        {"name taken by a folder", env.dir() + "/folder", "tidak dapat ditulis", 0},
        {"disk full half-way", env.dir(), "", 64 * 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        env.ctx().workDir = c.workDir;
        env.messages.clear();
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (c.fileSizeLimit) {
            rlimit small = saved;
            small.rlim_cur = c.fileSizeLimit;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        const bool made = BackUpDatabase(env.ctx());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_FALSE(made);
        ASSERT_EQ(env.messages.shown.size(), 1u);
        const QString told = env.messages.shown[0].text;
        EXPECT_TRUE(told.startsWith("Backup gagal, file " + kBackup + " tidak dibuat: "))
            << told.toStdString();
        EXPECT_TRUE(told.contains(c.reason)) << told.toStdString();
        EXPECT_EQ(env.messages.shown[0].caption, "Info");
    }
    // The earlier backup is whole, and nothing half-written lies about.
    EXPECT_EQ(ReadBytes(backup()), earlier);
    EXPECT_EQ(FilesIn(env.dir()), QStringList({kBackup, "biasa.txt", "folder", "test.db"}));
    EXPECT_EQ(FilesIn(env.dir() + "/folder"), QStringList({kBackup}));
    EXPECT_EQ(MembersIn(backup()).size(), 3);
    EXPECT_EQ(env.scalar("select count(*) from Member"), "403");
}

TEST_F(BackupTest, LibraryInWalModeWithItsOwnPageSizeIsCopiedWhole) {
    // A page size changes only outside WAL.
    env.exec("pragma journal_mode=delete");
    env.exec("pragma page_size=1024");
    env.exec("vacuum");
    env.exec("pragma journal_mode=wal");
    addMembers("A", 30);
    EXPECT_TRUE(BackUpDatabase(env.ctx())) << Told(env).join('\n').toStdString();
    EXPECT_EQ(MembersIn(backup()).size(), 30);
    auto copy = Database::open(backup(), nullptr, Database::Mode::ExistingOnly);
    EXPECT_EQ(copy->scalar("pragma page_size"), "1024");
    EXPECT_EQ(copy->scalar("pragma journal_mode"), "delete");
}

// What a killed backup, safety copy or restore left goes with the next backup;
// the copy of a program still running stays.
TEST_F(BackupTest, LeftoversOfKilledCopiesGo) {
    QProcess ended;
    ended.start("sleep", {"0.1"});
    ASSERT_TRUE(ended.waitForStarted());
    const QString gone = QString::number(ended.processId());
    ASSERT_TRUE(ended.waitForFinished());
    const QStringList left = {kBackup + "." + gone + ".sementara",
                              kBackup + "." + gone + ".sementara-journal", "Restore." + gone + ".sementara",
                              "Restore." + gone + ".sementara-wal"};
    const QString running = "SebelumRestore.dataperpus.1.sementara";
    for (const QString& name : left + QStringList{running}) WriteBytes(env.dir() + "/" + name, "sisa");
    ASSERT_TRUE(BackUpDatabase(env.ctx()));
    EXPECT_EQ(FilesIn(env.dir()), QStringList({kBackup, running, "test.db"}));
}

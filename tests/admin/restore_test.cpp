// "Restore": only a sound library comes in, the data before it is kept aside,
// and every statement after it sees the restored data.
#include "accounts/operator_list.h"
#include "admin/backup_restore.h"
#include "db/schema.h"
#include "library_files.h"
#include "program/main_window.h"
#include "support/form_driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kSafety = "SebelumRestore20160307090502.dataperpus";

class RestoreTest : public DbTest {
  protected:
    void SetUp() override {
        env.exec("insert into Member (Id, Nama) values ('M1', 'Budi'), ('M2', 'Ani')");
        env.exec("insert into useradmin (User, Password) values ('admin', 'x')");
    }
    bool restore(const QString& path) {
        env.files.paths = {path};
        env.messages.clear();
        return RestoreDatabase(env.ctx());
    }
    QStringList members() { return env.rows("select Id from Member order by Id"); }
    QString path(const QString& name) const { return env.dir() + "/" + name; }
};

}  // namespace

TEST_F(RestoreTest, WhatIsNoSoundLibraryIsRefusedAndTheDataStays) {
    // A real library cut short, a text file, another program's database, an empty file.
    MakeLibrary(path("lengkap.dataperpus"), {"X1", "X2"});
    {
        auto full = Database::open(path("lengkap.dataperpus"), nullptr);
        Transaction t(*full);
        for (int i = 0; i < 300; ++i)
            full->exec("insert into Kas (Id, Uraian) values (?, ?)", {QString::number(i), QString(300, 'k')});
        ASSERT_TRUE(t.commit().ok);
    }
    const QByteArray whole = ReadBytes(path("lengkap.dataperpus"));
    WriteBytes(path("potong.dataperpus"), whole.left(whole.size() / 2));
    WriteBytes(path("catatan.dataperpus"), "Ini catatan, bukan database.\n");
    {
        auto other = Database::open(path("toko.db3"), nullptr);
        ASSERT_TRUE(other->exec("create table Produk (Kode text, Harga text)").ok);
    }
    WriteBytes(path("kosong.dataperpus"), "");

    struct Case {
        const char* file;
        const char* reason;
    } cases[] = {
        {"potong.dataperpus", "database disk image is malformed"},
        {"catatan.dataperpus", "file is not a database"},
        {"toko.db3",
         "bukan database perpustakaan (tabel ItemPerpus, Member, TransPerpus, ItemHilang, Kas, "
         "useradmin tidak ada)"},
        {"kosong.dataperpus", "bukan database perpustakaan"},
        {"test.db", ""},  // the database in use
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_FALSE(restore(path(c.file)));
        ASSERT_EQ(env.messages.shown.size(), 1u);
        const QString told = env.messages.shown[0].text;
        EXPECT_TRUE(told.startsWith("Restore dibatalkan, file " + path(c.file))) << told.toStdString();
        EXPECT_TRUE(told.contains(c.reason)) << told.toStdString();
        EXPECT_TRUE(told.endsWith(" Data tidak berubah..")) << told.toStdString();
        EXPECT_EQ(members(), QStringList({"M1", "M2"}));
    }
    EXPECT_TRUE(FilesIn(env.dir()).filter("Sebelum").isEmpty()) << "nothing to keep when nothing changes";

    env.messages.clear();
    env.files.paths.clear();  // the dialog cancelled
    EXPECT_FALSE(RestoreDatabase(env.ctx()));
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(RestoreTest, RestoredDataIsSeenByTheNextQueryAndTheEarlierDataIsKept) {
    ASSERT_TRUE(BackUpDatabase(env.ctx()));  // today's own backup: M1, M2
    env.exec("insert into Member (Id, Nama) values ('M3', 'Tono')");
    EXPECT_EQ(members().size(), 3);  // this statement is prepared and kept by the connection

    EXPECT_TRUE(restore(path("BackUp20160307.dataperpus")));
    EXPECT_EQ(Told(env), QStringList({"Info: Restore data berhasil. Data sebelum restore disimpan di file " +
                                      kSafety + ".."}));
    EXPECT_EQ(members(), QStringList({"M1", "M2"}));
    EXPECT_EQ(MembersIn(env.ctx().databasePath), QStringList({"M1", "M2"}))
        << "in the file, for every connection";
    EXPECT_EQ(MembersIn(path(kSafety)), QStringList({"M1", "M2", "M3"}));
    EXPECT_EQ(MembersIn(path("BackUp20160307.dataperpus")), QStringList({"M1", "M2"}));

    // Within the same second, back to the data before: the safety copy being
    // restored is not written over; the next one gets a name of its own.
    EXPECT_TRUE(restore(path(kSafety)));
    EXPECT_EQ(members(), QStringList({"M1", "M2", "M3"}));
    EXPECT_EQ(MembersIn(path(kSafety)), QStringList({"M1", "M2", "M3"}));
    EXPECT_EQ(MembersIn(path("SebelumRestore20160307090502-2.dataperpus")), QStringList({"M1", "M2"}));
    EXPECT_EQ(FilesIn(env.dir()),
              QStringList({"BackUp20160307.dataperpus", "SebelumRestore20160307090502-2.dataperpus", kSafety,
                           "test.db"}));
}

TEST_F(RestoreTest, LibrariesOfOtherPageSizesAndJournalModesComeIn) {
    struct Case {
        const char* liveMode;
        const char* fileMode;
        int filePageSize;
    } cases[] = {
        {"wal", "delete", 1024},  // WAL cannot change its page size by itself
        {"wal", "wal", 4096},
        {"delete", "wal", 8192},
        {"delete", "delete", 1024},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 <- %2 %3").arg(c.liveMode, c.fileMode).arg(c.filePageSize).toStdString());
        env.exec(QString("pragma journal_mode=%1").arg(c.liveMode));
        const QString file = path(QString("lain%1.dataperpus").arg(++n));
        MakeLibrary(file, {"L" + QString::number(n)}, c.filePageSize);
        Database::open(file, nullptr)->execScript(QString("pragma journal_mode=%1").arg(c.fileMode));

        EXPECT_TRUE(restore(file)) << Told(env).join('\n').toStdString();
        EXPECT_EQ(members(), QStringList({"L" + QString::number(n)}));
        EXPECT_EQ(env.scalar("pragma journal_mode"), c.liveMode);
        env.exec("insert into Member (Id, Nama) values ('M9', 'x')");
        EXPECT_EQ(env.scalar("pragma integrity_check"), "ok");
        EXPECT_EQ(env.scalar("pragma page_size"), QString::number(c.filePageSize));
    }
}

TEST_F(RestoreTest, OpenListsShowTheRestoredData) {
    env.exec("insert into useradmin (User, Password) values ('tono', 'x')");
    ASSERT_TRUE(BackUpDatabase(env.ctx()));
    env.exec("insert into useradmin (User, Password) values ('rina', 'x')");
    MainWindow window(env.ctx());
    window.setLoginStep([](MainWindow& w) {
        w.setCurrentOperator("admin");
        return true;
    });
    ASSERT_TRUE(window.finishCreation());
    window.runCommand(cmd::Operators);
    auto* list = qobject_cast<OperatorList*>(window.findChildForm("FORM_ZELKOR_FORM7_CLASS"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Column(list->grid(), 0), QStringList({"rina", "tono"}));

    env.files.paths = {path("BackUp20160307.dataperpus")};
    window.runCommand(cmd::Restore);
    EXPECT_EQ(Column(list->grid(), 0), QStringList({"tono"}));
}

// A backup is data, never behaviour: a file that the program could not use is
// refused with its reason, and what a usable file brings beyond the library's
// tables (triggers, views, tables, indexes, day sums) does not come in.
TEST_F(RestoreTest, BackupsMadeToAttackTheLibrary) {
    struct Case {
        const char* name;
        const char* change;  // on a sound library with a Kas line
        const char* reason;  // "" for a file that comes in, cleaned
    } cases[] = {
        {"kolom", "alter table Member rename column Nama to NamaLengkap",
         "kolom Nama tidak ada di tabel Member"},
        {"virtual",
         "drop table Kas; create virtual table Kas using fts5(Id, Tanggal, Kategori, Uraian, Masuk, Keluar, "
         "Ops)",
         "Kas bukan tabel biasa"},
        {"utf16", "", "teks database tidak UTF-8 (UTF-16le)"},
        {"tanpaoperator", "update useradmin set Password = NULL", "tidak ada operator yang dapat login"},
        {"hashmahal",  // no login would ever compute it
         "update useradmin set Password = "
         "'$argon2id$v=19$m=2097152,t=3,p=1$c2FsdHNhbHQ$aGFzaGhhc2hoYXNoaGFzaA'",
         "tidak ada operator yang dapat login"},
        {"pemicu",
         "create trigger Separuh after insert on Kas begin update Kas set Masuk = Masuk / 2 where Id = "
         "new.Id; end;"
         "create trigger Kunci after update on useradmin begin update useradmin set Password = 'diketahui'; "
         "end;"
         "update KasBlok set Jumlah = Jumlah + 1000000;"
         "drop trigger Kas_Blok_Insert; create trigger Kas_Blok_Insert after insert on Kas begin select 1; "
         "end;"
         "create table Lain (x); create view Lihat as select 1; create index Kas_Uraian on Kas(Uraian);"
         "drop table UbahNama; create view UbahNama as select 1 as Id, 7 as Versi",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path(QString(c.name) + ".dataperpus");
        {
            auto db = Database::open(file, nullptr);
            if (QString(c.name) == "utf16")
                db->execScript("pragma encoding = 'UTF-16le'; create table t (x); drop table t");
        }
        MakeLibrary(file, {"X1"});
        {
            auto db = Database::open(file, nullptr);
            ASSERT_TRUE(db->exec("insert into Kas (Id, Tanggal, Masuk, Keluar) values "
                                 "('2016030100000001', '2016-03-01', '500', '0')")
                            .ok);
            ASSERT_TRUE(db->execScript(c.change).ok) << db->execScript(c.change).error.toStdString();
        }
        const bool usable = QString(c.reason).isEmpty();
        EXPECT_EQ(restore(file), usable) << Told(env).join('\n').toStdString();
        if (!usable) {
            EXPECT_EQ(Told(env),
                      QStringList({"Info: Restore dibatalkan, file " + file +
                                   " tidak dapat dipakai: " + c.reason + ". Data tidak berubah.."}));
            EXPECT_EQ(members(), QStringList({"M1", "M2"}));
            continue;
        }
        QStringList own;
        for (const SchemaObject& o : SchemaObjects()) own << o.name;
        own.sort();
        EXPECT_EQ(env.rows("select name from sqlite_master where sql is not null order by name"), own);
        env.exec(
            "insert into Kas (Id, Tanggal, Masuk, Keluar) values ('2016030700000001', '2016-03-07', "
            "'1500', '0')");
        env.exec("update useradmin set Password = 'baru' where User = 'admin'");
        EXPECT_EQ(env.rows("select Masuk from Kas order by Id"), QStringList({"500", "1500"}));
        EXPECT_EQ(env.rows("select Blok, Jumlah from KasBlok order by Blok"),
                  QStringList({"2016-03-01|500", "2016-03-07|1500"}));
        EXPECT_EQ(env.rows("select Password from useradmin"), QStringList({"baru"}));
    }
    EXPECT_EQ(FilesIn(env.dir()).filter(".sementara"), QStringList()) << "the working copy goes";
}

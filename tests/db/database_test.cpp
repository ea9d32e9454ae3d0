#include <gtest/gtest.h>
#include <sqlite3.h>
#include <QComboBox>
#include <QTemporaryDir>

#include "db/schema.h"
#include "support/files.h"
#include "support/fixture.h"

using namespace zelkor;
using namespace zelkor::test;

class DatabaseTest : public DbTest {};

TEST_F(DatabaseTest, AwkwardValuesAreStoredExactlyAsTyped) {
    const QString long10k(10000, QChar('x'));
    const QStringList values = {
        "O'Brien",
        "\"quoted\"",
        "a;b,c",
        "'); DROP TABLE Member; --",
        "Zoë Ñandú 図書館 مكتبة",
        long10k,
        "",
        "  spaced  ",
        "back\\slash",
        "100%_like",
    };
    int i = 0;
    for (const QString& v : values) {
        const QString id = QString("M%1").arg(i++);
        env.exec("insert into Member (Id, Nama) values (?, ?)", {id, v});
        // typeof, too: a stored '' must not read back as the "" of a NULL.
        EXPECT_EQ(env.rows("select typeof(Nama), Nama from Member where Id=?", {id}),
                  QStringList({"text|" + v}));
    }
    EXPECT_EQ(env.scalar("select count(*) from Member"), QString::number(values.size()));
}

TEST_F(DatabaseTest, FailureCarriesSqliteMessageAndContextShowsTheBox) {
    const DbResult r = env.db().exec("select * from NoSuchTable");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("no such table")) << r.error.toStdString();

    EXPECT_FALSE(env.ctx().run("select * from NoSuchTable"));
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, "SQL error: no such table: NoSuchTable");
    EXPECT_EQ(env.messages.shown[0].caption, "Info");
    EXPECT_EQ(env.messages.shown[0].buttons, MsgButtons::Ok);
}

TEST_F(DatabaseTest, KeysRefuseDuplicatesButVisitTariffsShareTheirId) {
    env.addItem("B001", "Matematika");
    EXPECT_FALSE(env.db().exec("insert into ItemPerpus (Id, NamaItem) values ('B001','Lagi')").ok);
    env.addTariff("Siswa", "1500");
    env.addTariff("Guru", "2000");
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus where Id='KUNJUNG'"), "2");
    env.addMember("M01", "Ani", "Siswa");
    EXPECT_FALSE(env.db().exec("insert into Member (Id) values ('M01')").ok);
    env.exec("insert into Kas (Id) values ('1')");
    EXPECT_FALSE(env.db().exec("insert into Kas (Id) values ('1')").ok);
    env.exec("insert into useradmin (User, Password) values ('admin','x')");
    EXPECT_FALSE(env.db().exec("insert into useradmin (User, Password) values ('admin','y')").ok);
}

TEST_F(DatabaseTest, TransactionRollsBackUnlessCommitted) {
    {
        Transaction t(env.db());
        ASSERT_TRUE(t.active());
        env.exec("insert into Member (Id) values ('A')");
    }
    EXPECT_EQ(env.scalar("select count(*) from Member"), "0");
    {
        Transaction t(env.db());
        env.exec("insert into Member (Id) values ('B')");
        EXPECT_TRUE(t.commit().ok);
    }
    EXPECT_EQ(env.scalar("select count(*) from Member"), "1");
}

// What SQLite receives for each kind of value: its type and its exact value.
TEST_F(DatabaseTest, EachValueBindsAsItsOwnKind) {
    struct Case {
        const char* what;
        QVariant value;
        const char* received;  // typeof|quote
    } cases[] = {
        {"text", QString("O'Brien"), "text|'O''Brien'"},
        {"empty text", QString(""), "text|''"},
        {"null text", QString(), "text|''"},  // an untouched field is "", never NULL
        {"no value", QVariant(), "null|NULL"},
        {"whole number", 2, "integer|2"},
        {"large whole number", qlonglong(9007199254740993LL), "integer|9007199254740993"},
        {"real number", 2.5, "real|2.5"},
        {"real with nothing after the point", 1500.0, "real|1500.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(env.rows("select typeof(?1), quote(?1)", {c.value}), QStringList({c.received})) << c.what;
    }
    // Stored: NULL stays NULL, a bound number computes with a text column.
    env.exec("insert into ItemPerpus (Id, Denda, JmlStock) values ('X', ?, '5')", {QVariant()});
    env.exec("Update ItemPerpus Set JmlStock=JmlStock-? where Id=?", {2, "X"});
    EXPECT_EQ(env.rows("select Denda, JmlStock from ItemPerpus"), QStringList({"NULL|3"}));
}

TEST_F(DatabaseTest, ValuesMustMatchThePlaceholders) {
    struct Case {
        const char* sql;
        QVariantList values;
        bool ok;
    } cases[] = {
        {"select ?, ?", {1, 2}, true},
        {"select ?, ?", {1}, false},
        {"select ?, ?", {1, 2, 3}, false},  // a value left over is a mistake too
        {"select 1", {}, true},
        {"select 1", {1}, false},
        {"select ?1, ?1", {1}, true},
    };
    for (const auto& c : cases) {
        const DbResult r = env.db().exec(c.sql, c.values);
        EXPECT_EQ(r.ok, c.ok) << c.sql << " with " << c.values.size() << " values";
        if (!c.ok) {
            EXPECT_FALSE(r.error.isEmpty());
        }
    }
}

// A COMMIT that fails (here a deferred foreign key) leaves nothing written and no
// transaction open, so the next action does not run inside the failed one.
TEST_F(DatabaseTest, FailedCommitRollsBackAtOnce) {
    env.exec("PRAGMA foreign_keys=ON");
    env.exec("create table Induk (Id TEXT PRIMARY KEY)");
    env.exec("create table Anak (IdInduk TEXT REFERENCES Induk(Id) DEFERRABLE INITIALLY DEFERRED)");
    {
        Transaction t(env.db());
        ASSERT_TRUE(t.active());
        env.exec("insert into Member (Id) values ('A')");
        env.exec("insert into Anak (IdInduk) values ('tidak ada')");
        const DbResult r = t.commit();
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains("FOREIGN KEY")) << r.error.toStdString();
        EXPECT_FALSE(t.active());
        EXPECT_NE(sqlite3_get_autocommit(env.db().handle()), 0) << "the transaction is still open";
        EXPECT_EQ(env.scalar("select count(*) from Member"), "0");
    }
    Transaction next(env.db());
    EXPECT_TRUE(next.active()) << next.beginResult().error.toStdString();
}

TEST(DatabaseOpen, UnopenablePathGivesSqlitesMessage) {
    QString error;
    EXPECT_EQ(Database::open("/no/such/folder/perpus.db", &error), nullptr);
    EXPECT_EQ(error, "unable to open database file");

    QTemporaryDir dir;
    const QString notDb = dir.filePath("junk.db");
    WriteBytes(notDb, QByteArray(4096, 'z'));
    EXPECT_EQ(Database::open(notDb, &error), nullptr);
    EXPECT_EQ(error, "file is not a database");

    // A path that names no file yet creates an empty database.
    const QString fresh = dir.filePath("new.db");
    auto db = Database::open(fresh, &error);
    ASSERT_NE(db, nullptr);
    EXPECT_TRUE(QFile::exists(fresh));
}

// A library made before a column existed gets it at the end when it opens, its
// rows kept; a second opening writes nothing.
TEST(DatabaseSchema, MissingColumnsAreAddedAtTheEnd) {
    auto db = Database::open(QString(), nullptr);
    ASSERT_TRUE(
        db->execScript("create table ItemPerpus (Id TEXT NOT NULL, NamaItem TEXT, Pengarang TEXT, HakCipta "
                       "TEXT, Penerbit TEXT, "
                       "ISBN TEXT, Denda TEXT, JmlStock TEXT, Rental TEXT, HargaRental TEXT, Rak TEXT);"
                       "insert into ItemPerpus (Id, NamaItem) values ('B01', 'Matematika');"));
    ASSERT_TRUE(ApplySchema(*db).ok);
    QStringList columns;
    db->exec("select name from pragma_table_info('ItemPerpus')", {},
             [&](const DbRow& row) { columns << row.text(0); });
    EXPECT_EQ(columns, SchemaColumns("ItemPerpus"));
    EXPECT_EQ(columns.last(), "Jenis");
    EXPECT_EQ(db->scalar("select NamaItem || ifnull(Jenis, '-') from ItemPerpus"), "Matematika-");
    const int before = sqlite3_total_changes(db->handle());
    ASSERT_TRUE(ApplySchema(*db).ok);
    EXPECT_EQ(sqlite3_total_changes(db->handle()), before);
}

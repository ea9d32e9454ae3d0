// The journal's running balance against the plain statement: on awkward
// journals every listed line, every balance and every brought-forward balance
// must read exactly as a correlated subquery over date, then Id, gives them.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "cashbook/journal_lines.h"
#include "db/schema.h"
#include "support/fixture.h"
#include "support/form_driver.h"
#include "ui/grid_data.h"
#include "ui/month_list.h"

namespace zelkor {
namespace {

// The month listed by one plain statement: the balance summed afresh for every
// line over the lines dated before it, or on its date up to its Id; a line
// without an Id counts nowhere and has no balance.
QStringList ReferenceLines(Database& db, int year, int month) {
    const QString first = MonthPrefix(year, month) + "-01";
    const QString sql =
        "select t1.Id, t1.Tanggal, t1.Kategori, t1.Uraian, t1.Masuk, t1.Keluar, (SELECT Sum(Masuk-Keluar) AS "
        "Total FROM Kas WHERE id is not null and t1.id is not null and (Tanggal < t1.Tanggal or (Tanggal = "
        "t1.Tanggal and id <= T1.ID))) AS Saldo, t1.Ops "
        "from Kas as t1 WHERE t1.Tanggal between '" +
        first + "' and date('" + first + "','start of month','+1 month','-1 day') Order By t1.Tanggal, t1.Id";
    QStringList out;
    const DbResult r = db.exec(sql, {}, [&](const DbRow& row) {
        QStringList cells;
        for (int i = 0; i < row.columnCount(); ++i) cells << row.text(i);
        out << cells.join('|');
    });
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    return out;
}

QString ReferenceBroughtForward(Database& db, int year, int month) {
    const QString first = MonthPrefix(year, month) + "-01";
    return db.scalar("SELECT Sum(Masuk-Keluar) FROM Kas where tanggal between '2000-01-01' and date('" +
                     first + "','start of month','+1 month','-1 day')");
}

QStringList FastLines(Database& db, int year, int month) {
    GridData grid;
    const DbResult r = JournalMonthLines(db, year, month, grid);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    QStringList out;
    for (int i = 0; i < grid.rowCount(); ++i) {
        EXPECT_EQ(grid.cell(i, 0), QString::number(i + 1) + ".");
        out << grid.row(i).mid(1).join('|');
    }
    return out;
}

// Every month of 2015 to 2017 and the balance brought forward to each.
void ExpectSameAsReference(Database& db, const std::string& what) {
    for (int year = 2015; year <= 2017; ++year)
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(what + " " + MonthPrefix(year, month).toStdString());
            EXPECT_EQ(FastLines(db, year, month), ReferenceLines(db, year, month));
            QString forward = "unset";
            EXPECT_TRUE(BalanceBroughtForward(db, year, month, forward).ok);
            EXPECT_EQ(forward, ReferenceBroughtForward(db, year, month));
        }
}

struct Line {
    QVariant id, tanggal, masuk, keluar;
};

void Insert(Database& db, const std::vector<Line>& lines) {
    Transaction tx(db);
    for (const Line& l : lines) {
        const DbResult r = db.exec(
            "insert into Kas (Id,Tanggal,Kategori,Uraian,Masuk,Keluar,Ops) values "
            "(?,?,'K','U',?,?,'admin')",
            {l.id, l.tanggal, l.masuk, l.keluar});
        ASSERT_TRUE(r.ok) << r.error.toStdString();
    }
    ASSERT_TRUE(tx.commit().ok);
}

const QVariant kNull;

struct Journal {
    const char* name;
    std::vector<Line> lines;
};

const std::vector<Journal> kJournals = {
    {"whole numbers",
     {{"2016030709050201", "2016-03-07", "1500", "0"},
      {"201603070905021", "2016-03-07", "2500", "0"},  // a desk line sorts after the manual one
      {"201603080000001", "2016-03-08", "-500", "0"},  // a discount
      {"2016020100000001", "2016-02-01", "10000", "0"},
      {"2015123100000002", "2015-12-31", "0", "3000"}}},
    {"ids out of date order and other years between",
     {{"2016030100000001", "2016-03-20", "1000", "0"},
      {"2016030200000001", "2015-06-01", "7", "0"},  // last year's line sorts inside March
      {"2016030300000001", "2017-01-05", "0", "40"},
      {"2016030400000001", "2016-03-02", "100", "0"},
      {"0001", "2016-03-15", "5", "0"},  // sorts before everything
      {"zzz", "2016-03-01", "0", "9"},   // sorts after everything
      {"2016030400000001x", "2016-04-01", "11", "0"}}},
    {"empty, missing and non-numeric amounts",
     {{"20160301", "2016-03-01", "", "0"},
      {"20160302", "2016-03-02", "abc", ""},
      {"20160303", "2016-03-03", "12abc", "2x"},
      {"20160304", "2016-03-04", kNull, "0"},
      {"20160305", "2016-03-05", kNull, kNull},
      {"20160306", "2016-03-06", " 30", "0"}}},
    {"only missing amounts before the month",
     {{"20160101", "2016-01-10", kNull, kNull}, {"20160301", "2016-03-01", "5", "0"}}},
    {"dates entered late, missing, stored as numbers or blobs",
     {{"2016030100000001", "2016-03-05", "100", "0"},
      {"2016031000000001", "2016-03-02", "7", "0"},
      {"2016030100000002", kNull, "1000", "0"},
      {"2016030100000003", qint64(20160301), "30", "0"},
      {"2016030100000004", "2016-03-05", "1", "0"},
      {"2016030100000005", QByteArray("2016-01-01"), "9", "0"},
      {"2015123100000001", "2016-02-29", "2", "0"}}},
    {"real numbers",
     {{"20160201", "2016-02-01", "1500.0", "0"},
      {"20160301", "2016-03-01", "1500", "0"},
      {"20160302", "2016-03-02", "0", "250.5"},
      {"20160401", "2016-04-01", "1e3", "0"}}},
    {"a real number inside the month",
     {{"20160201", "2016-02-01", "1500", "0"},
      {"20160301", "2016-03-01", "1500", "0"},
      {"20160302", "2016-03-02", "0.1", "0"},
      {"20160303", "2016-03-03", "0.2", "0"},
      {"20160304", "2016-03-04", "7", "0"}}},
};

TEST(JournalBalance, AwkwardJournalsReadAsTheCorrelatedSubqueryGives) {
    for (const Journal& j : kJournals) {
        test::TestEnv env;
        Insert(env.db(), j.lines);
        ExpectSameAsReference(env.db(), j.name);
    }
}

// A library made before the table had its key: Ids repeat, some are stored as
// numbers, and repeated Ids share one balance.
TEST(JournalBalance, OlderTableWithRepeatedAndNumericIds) {
    QString error;
    auto db = Database::open(QString(), &error);
    ASSERT_TRUE(db) << error.toStdString();
    ASSERT_TRUE(db->execScript("create table Kas (Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Ops);").ok);
    Insert(*db, {{"20160301", "2016-03-01", "100", "0"},
                 {"20160301", "2016-03-02", "200", "0"},
                 {qint64(20160302), "2016-03-03", "5", "0"},
                 {qint64(99), "2016-02-01", "1", "0"},
                 {"20160303", "2016-03-03", kNull, "0"},
                 {kNull, "2016-03-04", "50", "0"},
                 {"20160304", "2016-03-05", "3", "0"},
                 {"20160305", "2016-03-06", "0.5", "0"}});
    ExpectSameAsReference(*db, "older table");
    // And with the indexes a newer program adds.
    ASSERT_TRUE(ApplySchema(*db).ok);
    ExpectSameAsReference(*db, "older table, indexed");
}

// Journals of random Ids, dates and amounts; seeded, so a failure repeats.
TEST(JournalBalance, RandomJournals) {
    const QStringList amounts = {"1500", "0", "", "-5000", "250", "abc", "12abc", "1500.0", "99999"};
    for (quint32 seed : {1u, 2u, 3u, 4u}) {
        test::TestEnv env;
        QRandomGenerator rng(seed);
        std::vector<Line> lines;
        for (int i = 0; i < 150; ++i) {
            const QDate d = QDate(2015, 1, 1).addDays(rng.bounded(3 * 365));
            // Ids mostly follow their date, some belong to another day or year.
            const QDate idDate = rng.bounded(5) == 0 ? QDate(2015, 1, 1).addDays(rng.bounded(3 * 365)) : d;
            QString id = idDate.toString("yyyyMMdd") +
                         QString::number(rng.bounded(1000000)).rightJustified(6, '0') +
                         (rng.bounded(2) ? "1" : "02");
            if (rng.bounded(20) == 0) id = id.left(rng.bounded(1, 9));
            // Whole numbers in most journals; seed 4 mixes in real numbers.
            const int pick = seed == 4 ? rng.bounded(amounts.size()) : rng.bounded(amounts.size() - 2);
            const bool expense = rng.bounded(3) == 0;
            lines.push_back(
                {id, d.toString("yyyy-MM-dd"), expense ? "0" : amounts[pick], expense ? amounts[pick] : "0"});
        }
        Transaction tx(env.db());
        for (const Line& l : lines)
            env.db().exec("insert or ignore into Kas (Id,Tanggal,Masuk,Keluar) values (?,?,?,?)",
                          {l.id, l.tanggal, l.masuk, l.keluar});
        ASSERT_TRUE(tx.commit().ok);
        ExpectSameAsReference(env.db(), "seed " + std::to_string(seed));
    }
}

// KasBlok as it should be: the day sums recomputed from Kas.
QStringList RecomputedDays(test::TestEnv& env) {
    return env.rows(
        "select quote(b), count(*), count(d), sum(case when typeof(d)='integer' and d between -1099511627775 "
        "and 1099511627775 then d else 0 end), sum(typeof(d)='real' or (typeof(d)='integer' and d not "
        "between "
        "-1099511627775 and 1099511627775)) from (select case when Id is null then x'' when typeof(Tanggal)="
        "'text' then Tanggal when typeof(Tanggal) in ('integer','real') then '' else x'' end as b, "
        "Masuk-Keluar as d from Kas) group by b order by b");
}

// Every way a line can change keeps the day sums right, and the listing with them.
TEST(JournalBalance, DaySumsFollowEveryChange) {
    test::TestEnv env;
    Insert(env.db(), {{"2016030100000001", "2016-03-01", "100", "0"},
                      {"2016030100000002", "2016-03-01", "0", "30"},
                      {"2016022800000001", "2016-02-28", "5000", "0"},
                      {"2016030500000001", "2016-03-05", "7", "0"}});
    const char* const changes[] = {
        "delete from Kas where Id='2016030100000002'",
        "update Kas set Masuk='250' where Id='2016022800000001'",
        "update Kas set Id='2016030200000009' where Id='2016030100000001'",
        "update Kas set Tanggal='2016-02-27' where Id='2016030200000009'",
        "update Kas set Masuk='1500.0' where Id='2016030500000001'",
        "update Kas set Masuk='15' where Id='2016030500000001'",
        "insert or replace into Kas (Id,Tanggal,Masuk,Keluar) values "
        "('2016022800000001','2016-03-03','1','0')",
        "update or replace Kas set Id='2016030200000009' where Id='2016030500000001'",
        "insert or ignore into Kas (Id,Tanggal,Masuk,Keluar) values "
        "('2016030200000009','2016-03-09','99','0')",
        // Amounts at and far beyond twelve digits, written outside the program:
        // a day that passes the 64-bit range and comes back must stay exact.
        "insert into Kas (Id,Tanggal,Masuk,Keluar) values "
        "('2016030400000001','2016-03-04','999999999999','0')",
        "insert into Kas (Id,Tanggal,Masuk,Keluar) values ('2016030400000002','2016-03-04',"
        "'9223372036854775807','0')",
        "insert into Kas (Id,Tanggal,Masuk,Keluar) values ('2016030400000003','2016-03-04',"
        "'9223372036854775807','0')",
        "insert into Kas (Id,Tanggal,Masuk,Keluar) values ('2016030400000004','2016-03-04','0',"
        "'9223372036854775807')",
        "delete from Kas where Id='2016030400000003'",
        "update Kas set Masuk='1e19' where Id='2016030400000002'",
        "delete from Kas where Id in ('2016030400000002','2016030400000004')",
        "delete from Kas",
    };
    for (const char* change : changes) {
        env.exec(change);
        EXPECT_EQ(env.rows("select quote(Blok), Baris, Angka, Jumlah, Lain from KasBlok order by Blok"),
                  RecomputedDays(env))
            << change;
        SCOPED_TRACE(change);
        // A journal whose sum leaves the 64-bit range has no balance to compare.
        if (env.db().exec("select sum(Masuk-Keluar) from Kas").ok) {
            EXPECT_EQ(FastLines(env.db(), 2016, 3), ReferenceLines(env.db(), 2016, 3));
        }
    }
}

// Lines written behind the triggers' back: the days no longer count every line,
// so the journal sums line by line; the next opening makes the days afresh.
TEST(JournalBalance, DaysThatMissLinesAreNotTrusted) {
    test::TestEnv env;
    Insert(env.db(),
           {{"2016020100000001", "2016-02-01", "100", "0"}, {"2016030100000001", "2016-03-01", "5", "0"}});
    env.exec("drop trigger Kas_Blok_Insert");
    Insert(env.db(), {{"2016020200000001", "2016-02-02", "40", "0"}});
    EXPECT_EQ(FastLines(env.db(), 2016, 3), QStringList{"2016030100000001|2016-03-01|K|U|5|0|145|admin"});
    ASSERT_TRUE(ApplySchema(env.db()).ok);
    EXPECT_EQ(env.rows("select quote(Blok), Baris, Angka, Jumlah, Lain from KasBlok order by Blok"),
              RecomputedDays(env));
}

TEST(JournalBalance, OneLineBalanceCountsEveryLineBeforeItByDate) {
    test::TestEnv env;
    Insert(env.db(), {{"20160301", "2016-03-01", "100", "0"},
                      {"20150301", "2015-03-01", "1500.0", "0"},
                      {"20170302", "2016-03-01", "0", "30"},
                      {"20160302", "2016-03-02", "0", "30"}});
    for (const QString id : {"20150301", "20160301", "20170302", "20160302", "2"}) {
        QString balance = "unset";
        EXPECT_TRUE(JournalLineBalance(env.db(), id, balance).ok);
        EXPECT_EQ(
            balance,
            env.scalar(
                "select Saldo from (select Id, (select sum(Masuk-Keluar) from Kas where "
                "Id is not null and (Tanggal < t.Tanggal or (Tanggal = t.Tanggal and Id <= t.Id))) as Saldo "
                "from Kas as t) where Id = '" +
                id + "'"))
            << id.toStdString();
    }
}

}  // namespace
}  // namespace zelkor

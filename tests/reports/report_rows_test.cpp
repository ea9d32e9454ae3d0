// The statements behind the reports and the history: on awkward data (dates that
// are not dates, missing members and items, open and returned movements, other
// years) they give exactly the rows, in the same order, that the substr() scans
// they replace give, and an index serves each of them.
#include <gtest/gtest.h>
#include <QSet>

#include "db/row_sinks.h"
#include "db/schema.h"
#include "reference_queries.h"
#include "reports/report_queries.h"
#include "support/fixture.h"
#include "support/qstring_print.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

// The indexes the reports brought; without them the first statements ran as plain
// scans of the table, whose order is the order the rows were recorded, and looked
// every name up through the item and member indexes that were there before.
const char* const kReportIndexes[] = {"TransPerpus_Open_Item", "ItemHilang_Tgl", "Member_Id_Nama",
                                      "ItemPerpus_Id_NamaItem"};

// Dates that a typing slip, an import or another program could have left, each
// beside the months it might be mistaken for.
const char* const kOddDates[] = {
    "2016-03",    "2016-03-31 23:59", "2016-3-05",  "2016-030",   "",           " 2016-03-01",
    "2016/03/01", "2016-03-00",       "2016-03-32", "2016-02-29", "2016-04-01", "2016-03\u00e9",
    "2015-12-31", "2016-12-01",       "2016-1",     "201",        "2016",
};
const char* const kOddStatus[] = {"0", "1", "", "-1", "10", "2", "x", "0.5"};

void addAwkwardLibrary(TestEnv& env) {
    env.exec("begin");
    env.addMember("M1", "Ani", "Siswa");
    env.addMember("M2", "Budi", "Guru");
    env.addMember("M3", "Cici", "Umum");  // a category without a tariff
    env.exec("insert into Member (Id, Nama, Kategori, Status) values ('M4', 'Dedi', NULL, '1')");
    // The first "KUNJUNG" row met is not the tariff of most visitors.
    env.addTariff("Guru", "1000");
    env.addTariff("Siswa", "500");
    env.addTariff("", "250");
    env.addItem("B1", "Laskar Pelangi");
    env.addItem("R1", "Kamus Besar", 0, 2000);
    env.addItem("B2", "Bumi Manusia");

    // Movements recorded out of date order, so that the order of recording, the
    // order of the dates and the order of the Ids all differ.
    int n = 0;
    auto move = [&](const QVariant& tgl, const QString& member, const QVariant& kode, const QString& item,
                    const QVariant& status, const QVariant& tglReturn) {
        ++n;
        const QString id = QStringLiteral("T%1").arg((n * 37) % 1000, 3, 10, QLatin1Char('0'));
        env.exec(
            "insert into TransPerpus (Id, TglPinjam, IdMember, KodeTrans, IdItemPerpus, TglKembali, Status, "
            "Ops, TglReturn) values (?, ?, ?, ?, ?, '2016-03-10', ?, 'siti', ?)",
            {id, tgl, member, kode, item, status, tglReturn});
    };
    const QVariant null;
    const QStringList members = {"M1", "M2", "M3", "M4", "M9"};  // M9 is gone
    const QStringList items = {"B1", "R1", "B2", "GONE"};
    const QVariantList kinds = {"PINJAM", "RENTAL", "KUNJUNG", "rental", null};
    int i = 0;
    for (const char* date : kOddDates) {
        for (const QVariant& kind : kinds) {
            const char* status = kOddStatus[i % std::size(kOddStatus)];
            const QString item =
                kind == QVariant("KUNJUNG") ? QStringLiteral("KUNJUNG") : items[i % items.size()];
            move(QString::fromUtf8(date), members[(i + i / 5) % members.size()], kind, item,
                 QString::fromLatin1(status), QString::fromUtf8(kOddDates[(i * 7) % std::size(kOddDates)]));
            ++i;
        }
    }
    // Ordinary movements of two Marches, and the values that are no text at all.
    for (const char* date : {"2016-03-05", "2016-03-01", "2015-03-05", "2016-03-20", "2016-02-10"})
        for (const QVariant& kind : kinds) {
            move(QString::fromLatin1(date), members[(i + i / 5) % members.size()], kind,
                 kind == QVariant("KUNJUNG") ? QStringLiteral("KUNJUNG") : items[i % items.size()],
                 QString::fromLatin1(kOddStatus[i % 3]), QStringLiteral("2016-03-07"));
            ++i;
        }
    move(null, "M1", "PINJAM", "B1", "0", null);
    move(null, "M1", "RENTAL", "R1", null, "2016-03-02");
    env.exec(
        "insert into TransPerpus (Id, TglPinjam, IdMember, KodeTrans, IdItemPerpus, Status, TglReturn) "
        "values "
        "('TB1', X'323031362D30332D3031', 'M1', 'PINJAM', 'B1', '0', X'323031362D30332D3031'), "
        "('TB2', 20160301, 'M2', 'KUNJUNG', 'KUNJUNG', 1, 20160302)");

    // Lost items and the cash journal.
    int h = 0;
    for (const char* date : kOddDates) {
        const QString item = items[h % items.size()];
        env.exec(
            "insert into ItemHilang (Id, Tgl, IdItemPerpus, Jumlah, Pelapor, Keterangan, Ops) values "
            "(?, ?, ?, '1', 'ANI', 'Hilang', 'admin')",
            {QStringLiteral("H%1").arg(99 - h), QString::fromUtf8(date), item});
        env.exec(
            "insert into Kas (Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Ops) values (?, ?, ?, ?, '1500', "
            "'0', 'siti')",
            {QStringLiteral("K%1").arg(99 - h), QString::fromUtf8(date),
             h % 3 == 2 ? QStringLiteral("Penerimaan Rental")
                        : QStringLiteral("Penerimaan Administrasi Peminjaman"),
             QStringLiteral("Denda %1").arg(h)});
        ++h;
    }
    env.exec(
        "insert into ItemHilang (Id, Tgl, IdItemPerpus, Jumlah) values ('HB', X'32303136', 'B1', '2'), "
        "('HN', NULL, 'B1', '3')");
    env.exec(
        "insert into Kas (Id, Tanggal, Kategori, Masuk) values "
        "('KB', X'323031362D30332D3031', 'Penerimaan Administrasi Peminjaman', '1'), "
        "('KN', NULL, 'Penerimaan Administrasi Peminjaman', '2')");

    // Names that are missing, codes that are no texts, a code that differs from
    // "KUNJUNG" only in case, and more "KUNJUNG" rows: a visit's item name is that
    // of the first of them as the item index orders them (by Pengarang, then as
    // recorded), not the first by name nor the first recorded.
    env.exec(
        "insert into Member (Id, Nama, Kategori) values ('M5', NULL, 'Siswa'), (X'4D31', 'Blob', 'Guru'), "
        "('m1', 'Kecil', 'Siswa')");
    env.exec(
        "insert into ItemPerpus (Id, NamaItem, Pengarang, HargaRental) values ('B3', NULL, '', '0'), "
        "(X'4231', 'Blob B1', '', '0'), ('kunjung', 'Kecil', 'Guru', '5'), (X'4B554E4A554E47', 'Blob', '', "
        "'0'), "
        "('KUNJUNG', 'KUNJUNGAN GURU', 'Guru', '1000'), ('KUNJUNG', NULL, 'Zz', NULL), "
        "('KUNJUNG', 'AAA', 'Siswa', '500')");
    const char* const someMembers[] = {"'M5'", "X'4D31'", "NULL", "'m1'", "'M1'"};
    const char* const someItems[] = {"'B3'", "X'4231'",   "'kunjung'", "X'4B554E4A554E47'",
                                     "NULL", "'KUNJUNG'", "'B1'"};
    const char* const someKinds[] = {"'PINJAM'", "'RENTAL'", "'KUNJUNG'"};
    int k = 0;
    for (const char* member : someMembers)
        for (const char* item : someItems) {
            env.exec(
                QStringLiteral("insert into TransPerpus (Id, TglPinjam, IdMember, KodeTrans, IdItemPerpus, "
                               "TglKembali, Status, Ops, TglReturn) values ('X%1', '2016-03-%2', %3, %4, "
                               "%5, '2016-03-25', '%6', 'siti', '2016-03-%7')")
                    .arg(k, 2, 10, QLatin1Char('0'))
                    .arg(10 + k % 9)
                    .arg(QLatin1String(member), QLatin1String(someKinds[k % 3]), QLatin1String(item))
                    .arg(k % 2)
                    .arg(20 + k % 7));
            ++k;
        }
    env.exec("commit");
}

struct Period {
    int year, month;
};
const Period kPeriods[] = {{2016, 3}, {2015, 3}, {2016, 2}, {2016, 12}, {2016, 4}, {2015, 12}, {2016, 1}};

// Report "0004" shows the visitor's category tariff where the first statement showed
// whichever tariff came first; only that column may differ.
QStringList withoutVisitPrice(const QString& code, QStringList rows) {
    if (code != "0004") return rows;
    for (QString& r : rows) r = r.section('|', 0, -2);
    return rows;
}

// The rows as a form shows them, without the "No." column: the names in place of
// the codes, NULL as an empty cell.
QStringList shown(TestEnv& env, const QString& sql, const QVariantList& values,
                  const std::vector<NamedColumn>& named = {}) {
    GridData grid;
    MovementNames names(env.db());
    const DbResult r = env.db().exec(
        sql, values, named.empty() ? AppendNumberedRow(grid) : names.appendNamedRow(grid, named));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    QStringList out;
    for (int i = 0; i < grid.rowCount(); ++i) out << grid.row(i).mid(1).join('|');
    return out;
}

QString plan(TestEnv& env, const QString& sql, const QVariantList& values) {
    QStringList steps;
    env.db().exec("explain query plan " + sql, values, [&](const DbRow& row) { steps << row.text(3); });
    return steps.join('\n');
}

class ReportRows : public DbTest {
  protected:
    void SetUp() override { addAwkwardLibrary(env); }
};

}  // namespace

TEST_F(ReportRows, SameRowsInTheSameOrderAsTheSubstrScans) {
    struct Case {
        QString what, code;
        Period period;
        QStringList rows;
    };
    std::vector<Case> cases;
    for (const Period& p : kPeriods) {
        for (const ReportDefinition& r : ReportDefinitions()) {
            const ReportQuery q = ReportStatement(r, p.year, p.month);
            cases.push_back({r.code, r.code, p, shown(env, q.sql, q.values, q.names)});
        }
        const ReportQuery h = HistoryStatement(p.year, p.month);
        cases.push_back({"history", {}, p, shown(env, h.sql, h.values, h.names)});
    }
    for (const char* index : kReportIndexes) env.exec(QStringLiteral("drop index %1").arg(index));

    int nonEmpty = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 for %2")
                         .arg(c.what, MonthPrefix(c.period.year, c.period.month))
                         .toStdString());
        const QString sql = c.code.isEmpty() ? reference::HistorySql(c.period.year, c.period.month)
                                             : reference::ReportSql(c.code, c.period.year, c.period.month);
        EXPECT_EQ(withoutVisitPrice(c.code, c.rows), withoutVisitPrice(c.code, shown(env, sql, {})));
        if (!c.rows.isEmpty()) ++nonEmpty;
    }
    EXPECT_GT(nonEmpty, 40);  // the comparison is not between empty lists
}

// Names are kept from one list to the next; every change of a member's or an
// item's code or name, made by this copy or by another one, shows in the next list,
// and so does a library rebuilt as a restore does.
TEST_F(ReportRows, KeptNamesFollowEveryChangeOfACodeOrName) {
    auto other = Database::open(env.db().path(), nullptr);
    ASSERT_TRUE(other);
    const QString anItem =
        "(select min(IdItemPerpus) from TransPerpus where IdItemPerpus<>'KUNJUNG' and "
        "IdItemPerpus in (select Id from ItemPerpus))";
    const QString aMember =
        "(select min(IdMember) from TransPerpus where IdMember in (select Id from Member))";
    const struct {
        bool here;
        QString change;
    } changes[] = {
        {true, "update Member set Nama=Nama||'+' where Id=" + aMember},
        {false, "update ItemPerpus set NamaItem=NamaItem||'+' where Id=" + anItem},
        {false, "delete from Member where Id=" + aMember},
        {true, "update ItemPerpus set Id=Id||'x' where Id=" + anItem},
        {false, "update Kas set Masuk=Masuk"},  // no name changes: the mark stays
    };
    for (const Period& p : {kPeriods[0], kPeriods[2]}) {
        const ReportQuery h = HistoryStatement(p.year, p.month);
        const auto same = [&] {
            EXPECT_EQ(shown(env, h.sql, h.values, h.names),
                      shown(env, reference::HistorySql(p.year, p.month), {}));
        };
        same();
        for (const auto& c : changes) {
            SCOPED_TRACE(c.change.toStdString());
            const QString mark = env.scalar("select Versi from UbahNama");
            if (c.here)
                env.exec(c.change);
            else
                ASSERT_TRUE(other->exec(c.change).ok);
            EXPECT_EQ(env.scalar("select Versi from UbahNama") == mark, c.change.startsWith("update Kas"));
            same();
        }
    }
    const QString mark = env.scalar("select Versi from UbahNama");
    ASSERT_TRUE(RebuildDerivedObjects(env.db()).ok);
    EXPECT_NE(env.scalar("select Versi from UbahNama"), mark);
}

// A range serves only when SQLite can compare the bound texts with the column's own
// affinity and collation; a slip there falls back to reading the whole table. The
// one scan allowed is of the open movements' own small index.
TEST_F(ReportRows, AnIndexServesEveryStatement) {
    const QString month =
        "SEARCH TransPerpus USING INDEX TransPerpus_TglPinjam (TglPinjam>? AND TglPinjam<?)";
    const QString expected[][2] = {
        {"0001", month},
        {"0002", month},
        {"0003", "SEARCH TransPerpus USING INDEX TransPerpus_TglReturn (TglReturn>? AND TglReturn<?)"},
        {"0004", month},
        {"0005", "SCAN TransPerpus USING COVERING INDEX TransPerpus_Open_Item"},
        {"0006", "SEARCH ItemHilang USING INDEX ItemHilang_Tgl (Tgl>? AND Tgl<?)"},
        {"0007", "SEARCH Kas USING INDEX Kas_Tanggal (Tanggal>? AND Tanggal<?)"},
    };
    for (const auto& [code, step] : expected) {
        const ReportQuery q = ReportStatement(*FindReport(code), 2016, 3);
        const QStringList steps = plan(env, q.sql, q.values).split('\n');
        EXPECT_TRUE(steps.contains(step)) << code.toStdString() << ":\n" << steps.join('\n').toStdString();
        for (const QString& s : steps) {
            if (s.startsWith("SCAN") && s != "SCAN o") {  // "0005"'s counts, made in the scan allowed
                EXPECT_EQ(s, step) << code.toStdString();
            }
        }
    }
    const ReportQuery h = HistoryStatement(2016, 3);
    EXPECT_TRUE(
        plan(env, h.sql, h.values).startsWith("SEARCH TransPerpus USING INDEX TransPerpus_TglPinjam"));

    // The visitors' names come from the member name index alone.
    const ReportQuery v = ReportStatement(*FindReport("0004"), 2016, 3);
    const QStringList steps = plan(env, v.sql, v.values).split('\n');
    EXPECT_TRUE(steps.contains("SEARCH m USING COVERING INDEX Member_Id_Nama (Id=?) LEFT-JOIN"))
        << steps.join('\n').toStdString();
}

TEST_F(ReportRows, VisitsArePricedByTheVisitorsCategory) {
    for (const char* member : {"M1", "M2", "M3", "M4", "M9"})
        env.exec(
            "insert into TransPerpus (Id, TglPinjam, IdMember, KodeTrans, IdItemPerpus, Status) "
            "values (?, '2016-03-09', ?, 'KUNJUNG', 'KUNJUNG', '1')",
            {QStringLiteral("V") + member, member});
    const ReportQuery q = ReportStatement(*FindReport("0004"), 2016, 3);
    const QStringList visits = env.rows(q.sql, q.values).filter("2016-03-09|");
    // As the desk charged them: by category, the empty category's tariff for a member
    // without one, nothing for a category without a tariff or a member who is gone.
    EXPECT_EQ(visits, QStringList({"2016-03-09|Ani|Siswa|500", "2016-03-09|Budi|Guru|1000",
                                   "2016-03-09|Cici|Umum|NULL", "2016-03-09|Dedi|NULL|250",
                                   "2016-03-09|NULL|NULL|NULL"}));
}

TEST(ReportQueries, PrefixBoundsHoldExactlyTheTextsWithThatBeginning) {
    const QString cases[][3] = {{"2016-03", "2016-03", "2016-04"},
                                {"2016-09", "2016-09", "2016-0:"},
                                {"2019", "2019", "201:"},
                                {"2016-12", "2016-12", "2016-13"}};
    for (const auto& [prefix, from, to] : cases)
        EXPECT_EQ(PrefixBounds(prefix), QVariantList({from, to})) << prefix.toStdString();
}

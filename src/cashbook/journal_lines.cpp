#include "cashbook/journal_lines.h"

#include <optional>

#include "db/row_sinks.h"
#include "ui/grid_data.h"
#include "ui/month_list.h"

namespace zelkor {

namespace {

// ?1 is the first day of the month, "yyyy-mm-01"; the month ends where SQLite's
// date function says.
#define ZK_MONTH "Tanggal between ?1 and date(?1,'start of month','+1 month','-1 day')"

// The month's lines in the order of their balances: by date, then Id. A line
// without an Id is listed and counts nowhere: no Id is greater than it or equal.
const QString kMonthSql = QStringLiteral(
    "select Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Ops, Masuk-Keluar from Kas where " ZK_MONTH
    " order by Tanggal, Id");

// The same with SQLite doing the sums, for journals holding real numbers or sums
// beyond 64 bits: one leading row carries the sum before the month, so each
// balance is SQLite's sum of the same values in the same order.
const QString kWindowSql = QStringLiteral(
    "select Id, Tanggal, Kategori, Uraian, Masuk, Keluar, case when Id is null then null else Saldo end, Ops "
    "from (select *, sum(d) over (order by Tanggal, Id) as Saldo from ("
    "select null as Id, null as Tanggal, null as Kategori, null as Uraian, null as Masuk, null as Keluar, "
    "null as Ops, 0 as Listed, (select sum(Masuk-Keluar) from Kas where Tanggal < ?1 and Id is not null) as "
    "d "
    "union all select Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Ops, 1, "
    "case when Id is null then null else Masuk-Keluar end from Kas where " ZK_MONTH
    ")) where Listed order by Tanggal, Id");

// Everything dated before the month (?1), line by line.
const QString kBeforeSql =
    QStringLiteral("select sum(Masuk-Keluar) from Kas where Tanggal < ?1 and Id is not null");

// The same from the days kept in KasBlok, when they still count every line of Kas.
const QString kDaysBeforeSql = QStringLiteral(
    "select (select count(*) from Kas) = (select coalesce(sum(Baris), 0) from KasBlok), "
    "coalesce(sum(Angka), 0), coalesce(sum(Jumlah), 0), coalesce(sum(Lain), 0) "
    "from KasBlok where Blok < ?1");

// The days stand only for dates compared as plain text.
const QString kKasSql =
    QStringLiteral("select sql from sqlite_master where type='table' and name='Kas' collate nocase");

#undef ZK_MONTH

// The grid's columns: "n.", Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Saldo, Ops.
constexpr int kSaldoColumn = 7;

// SQLite's sum() while every value is a whole number: the count of values and
// their exact total. Anything else (a real, an overflow) is left to SQLite.
class WholeSum {
  public:
    WholeSum() = default;
    WholeSum(qint64 count, qint64 total) : count_(count), total_(total) {}
    // False when `v` is not a whole number or the total would overflow.
    bool add(const QVariant& v) {
        if (v.isNull()) return true;  // sum() passes over NULL
        if (v.typeId() != QMetaType::LongLong) return false;
        if (__builtin_add_overflow(total_, v.toLongLong(), &total_)) return false;
        ++count_;
        return true;
    }
    QString text() const { return count_ > 0 ? QString::number(total_) : QString(); }

  private:
    qint64 count_ = 0;
    qint64 total_ = 0;
};

bool PlainTextColumns(Database& db) {
    QString sql;
    db.exec(kKasSql, {}, [&](const DbRow& row) { sql = row.text(0); });
    return !sql.contains(QLatin1String("collate"), Qt::CaseInsensitive);
}

// The sum before the month from the days, or nothing when they cannot give it.
std::optional<WholeSum> SumBeforeByDays(Database& db, const QString& monthStart) {
    bool usable = false;
    WholeSum sum;
    const DbResult r = db.exec(kDaysBeforeSql, {monthStart}, [&](const DbRow& row) {
        const QVariant total = row.typedValue(2);
        usable = row.text(0) == QLatin1String("1") && row.text(3) == QLatin1String("0") &&
                 total.typeId() == QMetaType::LongLong;
        sum = WholeSum(row.text(1).toLongLong(), total.toLongLong());
    });
    if (!r || !usable) return std::nullopt;
    return sum;
}

// The sum before the month, line by line; nothing when it is no whole number.
std::optional<WholeSum> SumBeforeByLines(Database& db, const QString& monthStart, DbResult& r) {
    QVariant before;
    r = db.exec(kBeforeSql, {monthStart}, [&](const DbRow& row) { before = row.typedValue(0); });
    WholeSum sum;
    if (!r || !sum.add(before)) return std::nullopt;
    return sum;
}

// The month's lines carried on from `sum` in whole numbers, appended to the grid
// as they arrive; a line's balance is written once the last line of its date and
// Id is in. False in `whole`, with the grid as it was, when a value needs
// SQLite's own arithmetic.
DbResult AppendWholeNumberLines(Database& db, const QString& monthStart, WholeSum sum, GridData& grid,
                                bool& whole) {
    const int first = grid.rowCount();
    // The lines of one date and Id are peers: each balance counts all of them.
    QString groupKey;
    std::vector<int> groupRows;
    whole = true;
    auto flush = [&] {
        const QString saldo = sum.text();
        for (int r : groupRows) grid.setCell(r, kSaldoColumn, saldo);
        groupRows.clear();
    };
    const GridData::Batch batch(grid);
    const DbResult r = db.exec(kMonthSql, {monthStart}, [&](const DbRow& row) {
        if (!whole) return;
        const int at = grid.rowCount();
        {
            GridData::NewRow cells(grid);
            cells.add(QString::number(at + 1) + QLatin1Char('.'));
            for (int i = 0; i < 6; ++i) cells.addUtf8(row.utf8(i));
            cells.add({});  // the balance
            cells.addUtf8(row.utf8(6));
        }
        if (row.isNull(0)) return;  // no Id: counted nowhere, no balance
        QString key = row.text(1) + QLatin1Char('\n') + row.text(0);
        if (!groupRows.empty() && key != groupKey) flush();
        whole = sum.add(row.typedValue(7));
        groupKey = std::move(key);
        groupRows.push_back(at);
    });
    if (r && whole) flush();
    if (!whole)
        while (grid.rowCount() > first) grid.removeRow(grid.rowCount() - 1);
    return r;
}

QString MonthStart(int year, int month) {
    return MonthPrefix(year, month) + QStringLiteral("-01");
}

}  // namespace

DbResult JournalMonthLines(Database& db, int year, int month, GridData& grid) {
    const QString first = MonthStart(year, month);
    DbResult r;
    std::optional<WholeSum> before;
    if (PlainTextColumns(db)) {
        before = SumBeforeByDays(db, first);
        if (!before) before = SumBeforeByLines(db, first, r);
        if (!r) return r;
    }
    if (before) {
        bool whole = false;
        r = AppendWholeNumberLines(db, first, *before, grid, whole);
        if (!r || whole) return r;
    }
    const GridData::Batch batch(grid);
    return db.exec(kWindowSql, {first}, AppendNumberedRow(grid));
}

DbResult JournalLineBalance(Database& db, const QString& id, QString& balance) {
    return db.exec(
        QStringLiteral("select sum(s.Masuk-s.Keluar) from (select Tanggal, Id from Kas where Id = ?1 "
                       "limit 1) as t, Kas as s where s.Id is not null and (s.Tanggal < t.Tanggal or "
                       "(s.Tanggal = t.Tanggal and s.Id <= t.Id))"),
        {id}, [&](const DbRow& row) { balance = row.text(0); });
}

DbResult BalanceBroughtForward(Database& db, int year, int month, QString& balance) {
    return db.exec(QStringLiteral("SELECT Sum(Masuk-Keluar) FROM Kas where tanggal between '2000-01-01' and "
                                  "date(?,'start of month','+1 month','-1 day')"),
                   {MonthStart(year, month)}, [&](const DbRow& row) { balance = row.text(0); });
}

}  // namespace zelkor

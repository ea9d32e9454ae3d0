#include "overview/overview_queries.h"

#include <sqlite3.h>

#include "core/money.h"
#include "reports/report_queries.h"
#include "ui/month_list.h"

namespace zelkor {

namespace {

// The movements and cash of one range, ?1 <= date < ?2, each count read from an
// index alone (the conditions are the reports' own; the indexes are named, as the
// reports name theirs, since SQLite without statistics would pick the date index
// and read the table beside it). Amounts
// are summed as SQLite reads them (Masuk+0: "1500" is 1500, "" and letters 0),
// whole numbers exactly.
const QString kRangeSql = QStringLiteral(
    "select "
    "(select count(*) from TransPerpus indexed by TransPerpus_Kode_TglPinjam "
    "where KodeTrans='PINJAM' and TglPinjam>=?1 and TglPinjam<?2), "
    "(select count(*) from TransPerpus indexed by TransPerpus_Returned "
    "where TglReturn>=?1 and TglReturn<?2 and Status>0), "
    "(select count(*) from TransPerpus indexed by TransPerpus_Kode_TglPinjam "
    "where KodeTrans='RENTAL' and TglPinjam>=?1 and TglPinjam<?2), "
    "(select count(*) from TransPerpus indexed by TransPerpus_Kode_TglPinjam "
    "where KodeTrans='KUNJUNG' and TglPinjam>=?1 and TglPinjam<?2), "
    "(select sum(Masuk+0) from Kas where Tanggal>=?1 and Tanggal<?2), "
    "(select sum(Keluar+0) from Kas where Tanggal>=?1 and Tanggal<?2)");

// The date after which an open movement is late: the return date the desk wrote.
// Loan rules that compute a due date of their own replace this one expression
// (with the movement's columns in scope); an empty date is never late.
const char kDueDate[] = "TransPerpus.TglKembali";

// The open movements the not-returned report counts (an item that still exists,
// visits left out), and those past their due date on ?1.
const QString kOpenSql =
    QStringLiteral(
        "select count(*), count(case when %1>'' and %1<?1 then 1 end) "
        "from TransPerpus indexed by TransPerpus_Open_Due where Status<1 and IdItemPerpus<>'KUNJUNG' "
        "and exists (select 1 from ItemPerpus where ItemPerpus.Id=TransPerpus.IdItemPerpus)")
        .arg(QLatin1String(kDueDate));

// Members who owe: only where the library keeps what members owe.
const QString kHasDebtsSql =
    QStringLiteral("select count(*) from pragma_table_info('Tanggungan') where name in ('IdMember','Sisa')");
const QString kMembersOwingSql =
    QStringLiteral("select count(distinct IdMember) from Tanggungan where Sisa+0>0");

// The whole book, as the journal's last line shows it: from the day sums the Kas
// triggers keep (KasBlok, by date), when they still count every line and none of
// them is a line a day cannot stand for (a real amount). Lines without an Id or a
// date (the blob block) count in no balance.
const QString kBookByDaysSql = QStringLiteral(
    "select (select count(*) from Kas) = (select coalesce(sum(Baris), 0) from KasBlok), "
    "coalesce(sum(Jumlah), 0), coalesce(sum(Lain), 0) from KasBlok where typeof(Blok)='text'");
// Otherwise line by line, on the same lines.
const QString kBookByLinesSql = QStringLiteral(
    "select sum(Masuk-Keluar) from Kas where Id is not null and typeof(Tanggal) in ('text','integer','real')");

std::int64_t wholeNumber(const DbRow& row, int i) {
    const QVariant v = row.typedValue(i);
    if (v.typeId() == QMetaType::LongLong) return v.toLongLong();
    if (v.typeId() == QMetaType::Double) return RoundHalfEven(v.toDouble());
    return 0;  // NULL: nothing in the range
}

}  // namespace

DbResult ReadRangeFigures(Database& db, const QString& prefix, RangeFigures& out) {
    out = {};
    return db.exec(kRangeSql, PrefixBounds(prefix), [&out](const DbRow& row) {
        out = {wholeNumber(row, 0), wholeNumber(row, 1), wholeNumber(row, 2),
               wholeNumber(row, 3), wholeNumber(row, 4), wholeNumber(row, 5)};
    });
}

DbResult ReadTwelveMonths(Database& db, int endYear, int endMonth, std::vector<MonthFigures>& out) {
    out.clear();
    const int end = endYear * 12 + endMonth - 1;
    for (int m = end - 11; m <= end; ++m) {
        MonthFigures f{m / 12, m % 12 + 1, {}};
        if (DbResult r = ReadRangeFigures(db, MonthPrefix(f.year, f.month), f.figures); !r) return r;
        out.push_back(f);
    }
    return {};
}

DbResult ReadOpenFigures(Database& db, const QString& today, OpenFigures& out) {
    out = {};
    DbResult r = db.exec(kOpenSql, {today}, [&out](const DbRow& row) {
        out.itemsOut = wholeNumber(row, 0);
        out.late = wholeNumber(row, 1);
    });
    if (!r) return r;
    if (db.scalar(kHasDebtsSql) == QLatin1String("2")) {
        std::int64_t owing = 0;
        r = db.exec(kMembersOwingSql, {}, [&owing](const DbRow& row) { owing = wholeNumber(row, 0); });
        if (r) out.membersOwing = owing;
    }
    return r;
}

DbResult ReadCashBalance(Database& db, std::int64_t& out) {
    out = 0;
    bool byDays = false;
    DbResult r = db.exec(kBookByDaysSql, {}, [&](const DbRow& row) {
        byDays = row.text(0) == QLatin1String("1") && wholeNumber(row, 2) == 0;
        out = wholeNumber(row, 1);
    });
    if (!r || byDays) return r;
    out = 0;
    return db.exec(kBookByLinesSql, {}, [&out](const DbRow& row) { out = wholeNumber(row, 0); });
}

std::uint64_t LibraryVersion(Database& db) {
    // The pager's counter follows this connection's own commits; PRAGMA
    // data_version those of other connections (and starts the read that brings
    // the pager up to date).
    DbResult r;
    const std::uint64_t others = db.scalar(QStringLiteral("PRAGMA data_version"), {}, {}, &r).toULongLong();
    if (!r || others == 0) return 0;
    unsigned int own = 0;
    sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_DATA_VERSION, &own);
    return others << 32 | own;
}

}  // namespace zelkor

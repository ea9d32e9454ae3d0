#include "reports/report_queries.h"

#include "ui/month_list.h"

namespace zelkor {

namespace {

// A visit's date, the visitor's name and category, and its price as the desk
// priced it: the tariff row of the visitor's category (the desk reads the last
// such row; a member without a category is priced by the tariff of the empty
// category), empty when there is none.
const char kVisitColumns[] =
    "TransPerpus.TglPinjam, m.Nama, (select Kategori from Member where Member.Id=TransPerpus.IdMember), "
    "(select HargaRental from ItemPerpus where ItemPerpus.Id='KUNJUNG' and ItemPerpus.Pengarang="
    "(select ifnull(Kategori,'') from Member where Member.Id=TransPerpus.IdMember) "
    "order by ItemPerpus.rowid desc limit 1)";

GridColumn col(const char* header, int width, Align align) {
    return {QString::fromUtf8(header), width, align};
}

const GridColumn kNo = {QStringLiteral("No."), 50, Align::Center};

// The movements `where` selects, read through the date index `index` and given in
// `order`, with the member's name as m.Nama for `columns` to show (the visits).
// A movement whose member is gone keeps its line with an empty name.
//
// The name comes from a join on an index that holds each name beside its code, so
// a lookup reads one index instead of an index and the table. Each movement meets
// at most one member (Id is the key). With a join on an index that is not unique
// SQLite would read the whole table to spare a sort, so the statement names the
// index it reads.
QString visits(const char* where) {
    return QStringLiteral(
               "select %1 from TransPerpus indexed by TransPerpus_TglPinjam "
               "left join Member m indexed by Member_Id_Nama on m.Id=TransPerpus.IdMember and m.Nama is not "
               "null where %2 order by TransPerpus.rowid")
        .arg(QLatin1String(kVisitColumns), QLatin1String(where));
}

// The movements `where` selects, read through the date index `index` and given in
// `order`, with `columns`; the member's and the item's codes are shown as names
// (MovementNames), looked up once per code rather than with every row.
QString movements(const QString& columns, const char* index, const char* where,
                  const char* order = "TransPerpus.rowid") {
    return QStringLiteral("select %1 from TransPerpus indexed by %2 where %3 order by %4")
        .arg(columns, QLatin1String(index), QLatin1String(where), QLatin1String(order));
}

// The movements with `date`, the member's code, the item's code, then `rest`, in
// the order they were recorded.
QString namedMovements(const char* date, const char* rest, const char* index, const char* where) {
    return movements(QStringLiteral("%1, TransPerpus.IdMember, TransPerpus.IdItemPerpus, %2")
                         .arg(QLatin1String(date), QLatin1String(rest)),
                     index, where);
}
const std::vector<NamedColumn> kMovementNames = {{1, NameOf::Member}, {2, NameOf::Item}};

// "No.", "Tgl. Trans", "Peminjam", "Nama Item", then `rest`.
std::vector<GridColumn> movementColumns(Align dateAlign, std::initializer_list<GridColumn> rest) {
    std::vector<GridColumn> c = {kNo, col("Tgl. Trans", 100, dateAlign), col("Peminjam", 200, Align::Left),
                                 col("Nama Item", 200, Align::Left)};
    c.insert(c.end(), rest);
    return c;
}

std::vector<ReportDefinition> makeDefinitions() {
    const auto L = Align::Left, R = Align::Right, C = Align::Center;
    const auto month = ReportPeriod::Month;
    // clang-format off
    return {
        // Rentals still out: a rental returned is in the returns report.
        {"0001", month, "Laporan Transaksi Rental Per : ",
         movementColumns(L, {col("Tgl. Kembali", 100, C), col("Harga Rental", 100, R)}),
         namedMovements("TransPerpus.TglPinjam",
                        "TransPerpus.TglKembali, "
                        "(select HargaRental from ItemPerpus where ItemPerpus.Id=TransPerpus.IdItemPerpus)",
                        "TransPerpus_TglPinjam",
                        "TransPerpus.KodeTrans='RENTAL' and TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<? "
                        "and TransPerpus.Status<1"),
         "Rental yang belum dikembalikan", kMovementNames},
        {"0002", month, "Laporan Transaksi Peminjaman Per : ",
         movementColumns(C, {col("Tgl. Kembali", 100, C)}),
         namedMovements("TransPerpus.TglPinjam", "TransPerpus.TglKembali", "TransPerpus_TglPinjam",
                        "TransPerpus.KodeTrans='PINJAM' and TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<?"),
         nullptr, kMovementNames},
        {"0003", month, "Laporan Transaksi Pengembalian Per : ",
         movementColumns(C, {col("Jatuh Tempo", 100, C), col("Transaksi", 100, C)}),
         namedMovements("TransPerpus.TglReturn", "TransPerpus.TglKembali, TransPerpus.KodeTrans",
                        "TransPerpus_TglReturn",
                        "TransPerpus.TglReturn>=? and TransPerpus.TglReturn<? and TransPerpus.Status>0"),
         nullptr, kMovementNames},
        {"0004", month, "Laporan Transaksi Kunjungan Per : ",
         {kNo, col("Tgl. Trans", 100, C), col("Pengunjung", 300, L), col("Kategori", 200, L),
          col("Rp. Kunjung", 200, L)},
         visits("TransPerpus.KodeTrans='KUNJUNG' and TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<?")},
        // Only the items with an open movement, found through the open movements
        // themselves, each counted once in one pass over them instead of twice per
        // item. The counts come in the order of their codes, which is the items'
        // order: a code meets its item only when the two are equal.
        {"0005", ReportPeriod::None, "Laporan Item Perpustakaan Yang Belum Dikembalikan",
         {kNo, col("Kode", 100, C), col("Nama Item", 300, L), col("Stock", 100, C), col("Dipinjam", 100, C),
          col("Jumlah", 100, C)},
         "select i.Id, i.NamaItem, i.JmlStock, o.Dipinjam, i.JmlStock-o.Dipinjam as Jml "
         "from (select IdItemPerpus, count(*) as Dipinjam from TransPerpus indexed by TransPerpus_Open_Item "
         "where Status<1 group by IdItemPerpus) o "
         "join ItemPerpus i on i.Id=o.IdItemPerpus where i.Id<>'KUNJUNG' order by o.IdItemPerpus"},
        {"0006", ReportPeriod::Year, "Laporan Item Hilang Per : ",
         {kNo, col("Tgl. Trans", 100, C), col("Nama Item", 200, L), col("Jumlah", 100, R),
          col("Pelapor", 200, L), col("Keterangan", 200, L)},
         "select Tgl, (select NamaItem from ItemPerpus where ItemPerpus.id=ItemHilang.IdItemPerpus), "
         "Jumlah, Pelapor, Keterangan from ItemHilang where Tgl>=? and Tgl<? order by Tgl, ItemHilang.Id"},
        {"0007", month, "Laporan Penerimaan Sanksi Administrasi Per : ",
         {kNo, col("Tgl. Trans", 100, C), col("Uraian", 300, L), col("Rp. Sanksi", 100, R)},
         "select Tanggal, Uraian, Masuk from Kas "
         "where Tanggal>=? and Tanggal<? And Kategori='Penerimaan Administrasi Peminjaman' "
         "order by Kas.rowid"},
    };
    // clang-format on
}

QString periodPrefix(const ReportDefinition& report, int year, int month) {
    switch (report.period) {
        case ReportPeriod::Month:
            return MonthPrefix(year, month);
        case ReportPeriod::Year:
            return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
        case ReportPeriod::None:
            break;
    }
    return {};
}

}  // namespace

const std::vector<ReportDefinition>& ReportDefinitions() {
    static const std::vector<ReportDefinition> all = makeDefinitions();
    return all;
}

const ReportDefinition* FindReport(const QString& code) {
    for (const ReportDefinition& r : ReportDefinitions())
        if (code == QLatin1String(r.code)) return &r;
    return nullptr;
}

QString ReportTitle(const ReportDefinition& report, int year, int month) {
    return QString::fromUtf8(report.title) + periodPrefix(report, year, month);
}

ReportQuery ReportStatement(const ReportDefinition& report, int year, int month) {
    const QString prefix = periodPrefix(report, year, month);
    return {report.sql, prefix.isEmpty() ? QVariantList() : PrefixBounds(prefix), report.names};
}

QVariantList PrefixBounds(const QString& prefix) {
    if (prefix.isEmpty()) return {QString(), QString()};
    QString end = prefix;
    end.back() = QChar(end.back().unicode() + 1);
    return {prefix, end};
}

std::vector<GridColumn> HistoryColumns() {
    // "Id" is 120 wide, not 80: a whole time-stamp identifier fits.
    return {kNo,
            col("Id", 120, Align::Left),
            col("Tanggal", 100, Align::Center),
            col("Proses", 100, Align::Left),
            col("Nama Item", 280, Align::Left),
            col("Member", 200, Align::Left),
            col("Tgl. Kembali", 100, Align::Center),
            col("Operator", 100, Align::Left)};
}

namespace {

// The movements `where` selects in Id order, the item's and the member's codes
// shown as names (kHistoryNames).
QString historyMovements(const char* where) {
    return movements(QStringLiteral("TransPerpus.Id, TransPerpus.TglPinjam, TransPerpus.KodeTrans, "
                                    "TransPerpus.IdItemPerpus, TransPerpus.IdMember, TransPerpus.TglKembali, "
                                    "TransPerpus.Ops"),
                     "TransPerpus_TglPinjam", where, "TransPerpus.Id");
}
const std::vector<NamedColumn> kHistoryNames = {{3, NameOf::Item}, {4, NameOf::Member}};

}  // namespace

ReportQuery HistoryStatement(int year, int month) {
    const QString first = MonthPrefix(year, month) + QStringLiteral("-01");
    return {
        historyMovements("TransPerpus.TglPinjam between ? and date(?,'start of month','+1 month','-1 day')"),
        {first, first},
        kHistoryNames};
}

ReportQuery HistoryDayStatement(const QString& day) {
    return {historyMovements("TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<?"), PrefixBounds(day),
            kHistoryNames};
}

}  // namespace zelkor

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
// `order`, with the member's name as m.Nama and the item's name as kItemName for
// `columns` to show. A movement whose member or item is gone keeps its line with an
// empty name.
//
// The names come from two joins on indexes that hold each name beside its code, so
// a lookup reads one index instead of an index and the table. Each movement meets
// at most one member (Id is the key) and at most one item: item codes are unique
// except "KUNJUNG", whose rows stay out of the join; a visit's item name is the
// first "KUNJUNG" row, looked up as before. With joins on indexes that are not
// unique SQLite would read the whole table to spare a sort, so the statement names
// the indexes it reads.
const char kItemName[] =
    "case when TransPerpus.IdItemPerpus='KUNJUNG' "
    "then (select NamaItem from ItemPerpus where ItemPerpus.Id=TransPerpus.IdItemPerpus) "
    "else i.NamaItem end";
enum class ItemJoin { Yes, No };
QString movements(const QString& columns, const char* index, const char* where,
                  const char* order = "TransPerpus.rowid", ItemJoin items = ItemJoin::Yes) {
    const char* itemJoin =
        items == ItemJoin::No
            ? ""
            : "left join ItemPerpus i indexed by ItemPerpus_Id_NamaItem on i.Id=TransPerpus.IdItemPerpus "
              "and i.NamaItem is not null and TransPerpus.IdItemPerpus<>'KUNJUNG' ";
    return QStringLiteral(
               "select %1 from TransPerpus indexed by %2 "
               "left join Member m indexed by Member_Id_Nama on m.Id=TransPerpus.IdMember and m.Nama is not "
               "null "
               "%3where %4 order by %5")
        .arg(columns, QLatin1String(index), QLatin1String(itemJoin), QLatin1String(where),
             QLatin1String(order));
}

// The movements with `date`, the member's name, the item's name, then `rest`, in
// the order they were recorded.
QString namedMovements(const char* date, const char* rest, const char* index, const char* where) {
    return movements(QStringLiteral("%1, m.Nama, %2, %3")
                         .arg(QLatin1String(date), QLatin1String(kItemName), QLatin1String(rest)),
                     index, where);
}

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
         "Rental yang belum dikembalikan"},
        {"0002", month, "Laporan Transaksi Peminjaman Per : ",
         movementColumns(C, {col("Tgl. Kembali", 100, C)}),
         namedMovements("TransPerpus.TglPinjam", "TransPerpus.TglKembali", "TransPerpus_TglPinjam",
                        "TransPerpus.KodeTrans='PINJAM' and TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<?")},
        {"0003", month, "Laporan Transaksi Pengembalian Per : ",
         movementColumns(C, {col("Jatuh Tempo", 100, C), col("Transaksi", 100, C)}),
         namedMovements("TransPerpus.TglReturn", "TransPerpus.TglKembali, TransPerpus.KodeTrans",
                        "TransPerpus_TglReturn",
                        "TransPerpus.TglReturn>=? and TransPerpus.TglReturn<? and TransPerpus.Status>0")},
        {"0004", month, "Laporan Transaksi Kunjungan Per : ",
         {kNo, col("Tgl. Trans", 100, C), col("Pengunjung", 300, L), col("Kategori", 200, L),
          col("Rp. Kunjung", 200, L)},
         movements(QLatin1String(kVisitColumns), "TransPerpus_TglPinjam",
                   "TransPerpus.KodeTrans='KUNJUNG' and TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<?",
                   "TransPerpus.rowid", ItemJoin::No)},
        // Only the items with an open movement are counted, found through the open
        // movements themselves instead of counting for every item.
        {"0005", ReportPeriod::None, "Laporan Item Perpustakaan Yang Belum Dikembalikan",
         {kNo, col("Kode", 100, C), col("Nama Item", 300, L), col("Stock", 100, C), col("Dipinjam", 100, C),
          col("Jumlah", 100, C)},
         "select Id, NamaItem, JmlStock, "
         "(select count(*) from TransPerpus Where TransPerpus.IdItemPerpus=ItemPerpus.Id And Status<1) "
         "as Dipinjam, "
         "JmlStock-(Select count(*) from TransPerpus Where TransPerpus.IdItemPerpus=ItemPerpus.Id "
         "And Status<1) as Jml from itemperpus where Id<>'KUNJUNG' "
         "and Id in (select IdItemPerpus from TransPerpus where Status<1) order by Id"},
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
    return {report.sql, prefix.isEmpty() ? QVariantList() : PrefixBounds(prefix)};
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

QString historyMovements(const char* where) {
    return movements(
        QStringLiteral("TransPerpus.Id, TransPerpus.TglPinjam, TransPerpus.KodeTrans, %1, m.Nama, "
                       "TransPerpus.TglKembali, TransPerpus.Ops")
            .arg(QLatin1String(kItemName)),
        "TransPerpus_TglPinjam", where, "TransPerpus.Id");
}

}  // namespace

ReportQuery HistoryStatement(int year, int month) {
    const QString first = MonthPrefix(year, month) + QStringLiteral("-01");
    return {
        historyMovements("TransPerpus.TglPinjam between ? and date(?,'start of month','+1 month','-1 day')"),
        {first, first}};
}

ReportQuery HistoryDayStatement(const QString& day) {
    return {historyMovements("TransPerpus.TglPinjam>=? and TransPerpus.TglPinjam<?"), PrefixBounds(day)};
}

}  // namespace zelkor

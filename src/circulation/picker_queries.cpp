#include "circulation/picker_queries.h"

#include "core/dates.h"
#include "core/money.h"

namespace zelkor {

namespace {

QString Contains(const QString& text) {
    return QLatin1Char('%') + text + QLatin1Char('%');
}

}  // namespace

const QString kCopiesOnShelfSql = QStringLiteral(
    "ifnull(cast(JmlStock as integer),0) - "
    "(select count(*) from TransPerpus t where t.IdItemPerpus=ItemPerpus.Id and t.Status<1)");

BoundStatement CopiesOnShelfStatement(const QString& itemId) {
    return {QStringLiteral("select ") + kCopiesOnShelfSql + QStringLiteral(" from ItemPerpus where Id=?"),
            {itemId}};
}

BoundStatement RentalItemsStatement(const QString& search) {
    QString sql = QStringLiteral("select Id, NamaItem, HargaRental, ") + kCopiesOnShelfSql +
                  QStringLiteral(" from ItemPerpus Where Rental>0 and id<>'KUNJUNG'");
    if (search.isEmpty()) return {sql, {}};
    // One group of alternatives, so the rent filter holds for every row found.
    sql += QStringLiteral(" and (id like ? or namaitem like ?)");
    const QString t = Contains(search);
    return {sql, {t, t}};
}

BoundStatement LendableItemsStatement(const QString& search) {
    QString sql = QStringLiteral("select Id, NamaItem, Penerbit, Pengarang, ") + kCopiesOnShelfSql +
                  QStringLiteral(" from ItemPerpus Where Rental<1 and id<>'KUNJUNG'");
    if (search.isEmpty()) return {sql, {}};
    sql += QStringLiteral(" and (id like ? or namaitem like ? or penerbit like ? or pengarang like ?)");
    const QString t = Contains(search);
    return {sql, {t, t, t, t}};
}

QString RentalPrice(const QString& daysText, const QString& hargaText) {
    return PlainNumber(LeadingNumber(daysText) * LeadingNumber(hargaText));
}

QString DueDate(const QDate& today, const QString& daysText) {
    return AddDays(today, AmountValue(daysText));
}

BoundStatement MemberCategoriesStatement() {
    return {QStringLiteral("select Kategori from Member Group By Kategori"), {}};
}

BoundStatement MembersOfCategoryStatement(const QString& category) {
    return {QStringLiteral("select Id, Nama, Alamat, Kategori from MEMBER WHERE Kategori = ? and Status>0"),
            {category}};
}

BoundStatement MemberSearchStatement(const QString& text, const QString& category) {
    // The number is found in any category and status; a name only among the active
    // members of the chosen category.
    return {QStringLiteral("select Id, Nama, Alamat, Kategori from MEMBER "
                           "WHERE Id=? or (Nama=? and Kategori=? and Status>0)"),
            {text, text, category}};
}

BoundStatement OutstandingStatement(const QString& memberNumber, const QString& todayText) {
    // Lateness in whole days from the due date to today, never below 0; a due date
    // that is not a date gives no lateness. The fine is the lateness times the item's
    // Denda, rounded to a whole amount, and stays empty when the item or its Denda
    // is missing. Visits are not items and are never brought back.
    return {QStringLiteral(
                "select Id, NamaItem, TglKembali, Terlambat, cast(round(Terlambat * DendaItem) as integer) "
                "from (select t.Id as Id, "
                "(select i.NamaItem from ItemPerpus i where i.Id=t.IdItemPerpus) as NamaItem, "
                "t.TglKembali as TglKembali, "
                "max(0, cast(julianday(?) - julianday(t.TglKembali) as integer)) as Terlambat, "
                "(select nullif(trim(i.Denda),'') from ItemPerpus i where i.Id=t.IdItemPerpus) as DendaItem "
                "from TransPerpus t "
                "where t.Status<1 and t.IdMember=? and ifnull(t.KodeTrans,'')<>'KUNJUNG') "
                "order by Id"),
            {todayText, memberNumber}};
}

}  // namespace zelkor

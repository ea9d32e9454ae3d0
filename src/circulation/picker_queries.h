#pragma once
// The statements and the small sums behind the pickers, the member browser and the
// return list. No widgets here: the dialogs run these and show what comes back.
#include <QDate>
#include <QString>
#include <QVariantList>

namespace zelkor {

// One statement with the values bound to its "?" in order.
struct BoundStatement {
    QString sql;
    QVariantList values;
};

// Copies of an item on the shelf: its JmlStock (empty counts 0) less its movements
// still out, as a column of a statement on ItemPerpus.
extern const QString kCopiesOnShelfSql;

// The copies on the shelf of one item; no row when there is no such item.
BoundStatement CopiesOnShelfStatement(const QString& itemId);

// ---- rental picker: Id, NamaItem, HargaRental, copies on the shelf of the items for rent

// Every item for rent, never a visit tariff (an older save may have marked one for
// rent); with a search text, those whose Id or NamaItem contains it. The rent filter
// holds for every row found.
BoundStatement RentalItemsStatement(const QString& search = {});

// ---- borrow picker: Id, NamaItem, Penerbit, Pengarang, copies on the shelf of the
// items for lending

// Every item for lending, never a visit tariff; with a search text, those whose Id,
// NamaItem, Penerbit or Pengarang contains it.
BoundStatement LendableItemsStatement(const QString& search = {});

// days × daily price as the picker shows it: the leading numbers of both texts
// multiplied, written as a plain decimal ("7500"). An empty days field gives "0".
QString RentalPrice(const QString& daysText, const QString& hargaText);

// The due date "yyyy-mm-dd": `today` plus the whole number of days the text stands
// for (an empty or non-numeric text counts 0 days).
QString DueDate(const QDate& today, const QString& daysText);

// ---- member browser: Id, Nama, Alamat, Kategori ------------------------------------

// "select Kategori from Member Group By Kategori": the tree's nodes.
BoundStatement MemberCategoriesStatement();

// The active members of one category.
BoundStatement MembersOfCategoryStatement(const QString& category);

// Exact match: the member whose Id is `text`, whatever its category and status, and
// the active members of `category` whose Nama is `text`.
BoundStatement MemberSearchStatement(const QString& text, const QString& category);

// ---- return list ---------------------------------------------------------------------

// The member's movements not yet returned, visits left out, in the order they were
// made, with their lateness and fine on `todayText`, one statement for the whole list.
// Columns: Id (of TransPerpus), NamaItem (empty when the item is gone), TglKembali,
// days late (whole days, 0 when not yet due, empty when the due date is no date),
// fine (days late × the item's Denda, a whole amount; empty when the item or its
// Denda is missing).
BoundStatement OutstandingStatement(const QString& memberNumber, const QString& todayText);

}  // namespace zelkor

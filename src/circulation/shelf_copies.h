#pragma once
// Copies of an item on the shelf, as the pickers show them and check them before
// Sisip: the item's stock less its movements still out, less what the desk's cart
// is about to take. An item with no copy left is never lent or rented.
#include <QHash>
#include <QString>

namespace zelkor {

class AppContext;
class DeskForm;
class GridData;

// Copies each item of the cart takes off the shelf once saved: a loan or a rental
// takes one, the return of a movement still out puts one back.
QHash<QString, int> CopiesTakenByCart(AppContext& ctx, const GridData& cart);

// Lowers the copies listed in `copiesColumn` by those the cart takes.
void DeductCopiesInCart(GridData& items, int idColumn, int copiesColumn, const QHash<QString, int>& taken);

// Whether one more copy of `itemId` may go into the desk's cart, counted afresh
// from the database. When none is left the operator is told so and it is false.
bool CopyLeftFor(DeskForm& desk, const QString& itemId);

}  // namespace zelkor

#include "circulation/shelf_copies.h"

#include "app/app_context.h"
#include "circulation/cart.h"
#include "circulation/desk_form.h"
#include "circulation/picker_queries.h"
#include "db/row_sinks.h"

namespace zelkor {

QHash<QString, int> CopiesTakenByCart(AppContext& ctx, const GridData& cart) {
    QHash<QString, int> taken;
    for (int r = 0; r < cart.rowCount(); ++r) {
        const QString trans = cart.cell(r, CartTrans);
        if (trans == kTransPinjam || trans == kTransRental) {
            ++taken[cart.cell(r, CartKode)];
        } else if (trans == kTransReturn) {
            // A return's Kode is the movement; the copy is of the movement's item.
            ctx.run(QStringLiteral("select IdItemPerpus from TransPerpus where Id=? and Status<1"),
                    {cart.cell(r, CartKode)}, [&](const DbRow& row) { --taken[row.text(0)]; });
        }
    }
    return taken;
}

void DeductCopiesInCart(GridData& items, int idColumn, int copiesColumn, const QHash<QString, int>& taken) {
    if (taken.isEmpty()) return;
    for (int r = 0; r < items.rowCount(); ++r) {
        const auto it = taken.constFind(items.cell(r, idColumn));
        if (it == taken.constEnd() || it.value() == 0) continue;
        items.setCell(r, copiesColumn,
                      QString::number(items.cell(r, copiesColumn).toLongLong() - it.value()));
    }
}

bool CopyLeftFor(DeskForm& desk, const QString& itemId) {
    AppContext& ctx = desk.context();
    const BoundStatement s = CopiesOnShelfStatement(itemId);
    QString onShelf;
    ctx.run(s.sql, s.values, StoreScalar(onShelf));
    if (onShelf.toLongLong() - CopiesTakenByCart(ctx, desk.cart()).value(itemId) > 0) return true;
    ctx.messages().show(QStringLiteral("Item ini tidak tersedia lagi: semua eksemplarnya sedang "
                                       "dipinjam atau di-rental.."),
                        QStringLiteral("Info"));
    return false;
}

}  // namespace zelkor

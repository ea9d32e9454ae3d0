#include "circulation/open_loans_list.h"

#include <QPushButton>
#include <QSet>

#include "app/app_context.h"
#include "circulation/cart.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/loan_terms.h"
#include "ui/grid_view.h"

namespace zelkor {

OpenLoansList::OpenLoansList(DeskForm& desk, Design design)
    : QDialog(&desk), desk_(desk), ctx_(desk.context()), refusedHeading_(design.refusedHeading) {
    setObjectName(QLatin1String(design.objectName));
    setWindowTitle(design.title);
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    resize(Scaled(this, design.width), Scaled(this, 499));
    rows_.setColumns(design.columns);
    rows_.setCheckable(true);

    view_ = new GridView(rows_, this);
    view_->setObjectName(QLatin1String(design.gridName));
    view_->setAccessibleName(design.gridAccessibleName);
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    PlaceAt(this, view_, 8, 8, design.width - 28, 406);
    view_->applyColumnWidths();

    cancelButton_ = MakeButton(this, QStringLiteral("&Batal"), "cancel", design.width - 254, 424, 115, 33);
    insertButton_ = MakeButton(this, QStringLiteral("&Sisip"), "insert", design.width - 134, 424, 115, 33);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &OpenLoansList::insert);
}

void OpenLoansList::open() {
    load();
    insertButton_->setFocus();
}

void OpenLoansList::forEachOpenMovement(const std::function<void(OpenMovement&)>& each) {
    const QSet<QString> inCart = MovementsInCart(desk_.cart());
    GridData::Batch batch(rows_);
    ctx_.run(kOpenMovementsSql, {desk_.memberNumber()}, [&](const DbRow& row) {
        if (inCart.contains(row.text(0))) return;
        OpenMovement m = ReadOpenMovement(row);
        each(m);
    });
}

void OpenLoansList::insert() {
    int added = 0;
    QStringList refused;
    for (int r = 0; r < rows_.rowCount(); ++r) {
        if (!rows_.isChecked(r)) continue;
        QString why;
        if (addToCart(r, why))
            ++added;
        else
            refused << why;
    }
    accept();
    // Nothing ticked changes nothing, not even an amount paid already typed.
    if (added > 0) desk_.recomputeTotals();
    if (!refused.isEmpty())
        ctx_.messages().show(refusedHeading_ + refused.join(QLatin1Char('\n')), QStringLiteral("Info"),
                             MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace zelkor

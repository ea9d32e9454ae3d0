#include "circulation/return_list.h"

#include <QSet>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/loan_terms.h"
#include "core/dates.h"
#include "ui/grid_view.h"

namespace zelkor {

ReturnList::ReturnList(DeskForm& desk) : QDialog(&desk), desk_(desk), ctx_(desk.context()) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM5_CLASS"));
    setWindowTitle(QStringLiteral("Daftar item perpus yang masih di-rental atau di-pinjam oleh member."));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    resize(Scaled(this, 918), Scaled(this, 499));
    createColumns();
    createControls();
    load();
    insertButton_->setFocus();
}

void ReturnList::createColumns() {
    movements_.setColumns({{QStringLiteral("No."), 50, Align::Left},
                           {QStringLiteral("IdTrans"), 150, Align::Left},
                           {QStringLiteral("Nama Item"), 250, Align::Left},
                           {QStringLiteral("Tgl.Kembali"), 120, Align::Center},
                           {QStringLiteral("Terlambat N hari?"), 120, Align::Center},
                           {QStringLiteral("Denda Rp."), 120, Align::Right}});
    movements_.setCheckable(true);
}

void ReturnList::createControls() {
    view_ = new GridView(movements_, this);
    view_->setObjectName(QStringLiteral("movements"));
    view_->setAccessibleName(QStringLiteral("Daftar item perpus yang masih di-rental atau di-pinjam"));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    PlaceAt(this, view_, 8, 8, 890, 406);
    view_->applyColumnWidths();

    cancelButton_ = MakeButton(this, QStringLiteral("&Batal"), "cancel", 664, 424, 115, 33);
    insertButton_ = MakeButton(this, QStringLiteral("&Sisip"), "insert", 784, 424, 115, 33);

    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &ReturnList::insert);
}

void ReturnList::load() {
    const QSet<QString> inCart = MovementsInCart(desk_.cart());

    // Days late and the fine as the loan rules and the calendar have them.
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    const QString kategori = desk_.memberValue(DeskForm::MemberKategori);
    const QDate today = ParseIsoDate(ctx_.todayText);
    GridData::Batch batch(movements_);
    ctx_.run(kOpenMovementsSql, {desk_.memberNumber()}, [&](const DbRow& row) {
        if (inCart.contains(row.text(0))) return;
        const OpenMovement m = ReadOpenMovement(row);
        const LateFine fine = FineOfReturn(settings, kategori, m, today);
        QString days = fine.daysText();
        if (fine.inGrace) days += QStringLiteral(" (toleransi)");
        if (fine.capped) days += QStringLiteral(" (maks. denda)");
        movements_.appendRow({QString::number(movements_.rowCount() + 1) + QLatin1Char('.'), m.id, m.namaItem,
                              m.due, days, fine.amountText()});
    });
}

// ---- handlers ---------------------------------------------------------------------

void ReturnList::insert() {
    int added = 0;
    for (int r = 0; r < movements_.rowCount(); ++r) {
        if (!movements_.isChecked(r)) continue;
        desk_.appendCartRow(movements_.cell(r, ColIdTrans), movements_.cell(r, ColNamaItem),
                            movements_.cell(r, ColTerlambat), movements_.cell(r, ColDenda), kTransReturn,
                            movements_.cell(r, ColTglKembali));
        ++added;
    }
    accept();
    // Nothing ticked changes nothing, not even an amount paid already typed.
    if (added > 0) desk_.recomputeTotals();
}

}  // namespace zelkor

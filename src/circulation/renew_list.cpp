#include "circulation/renew_list.h"

#include <QHash>
#include <QSet>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/loan_terms.h"
#include "core/dates.h"
#include "ui/grid_view.h"

namespace zelkor {

RenewList::RenewList(DeskForm& desk) : QDialog(&desk), desk_(desk), ctx_(desk.context()) {
    setObjectName(QStringLiteral("renewList"));
    setWindowTitle(QStringLiteral("Perpanjangan pinjaman member"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    // Wide enough for every column and a rule's refusal, within a 1024-pixel screen.
    resize(Scaled(this, 1000), Scaled(this, 499));
    loans_.setColumns({{QStringLiteral("No."), 35, Align::Left},
                       {QStringLiteral("IdTrans"), 105, Align::Left},
                       {QStringLiteral("Nama Item"), 170, Align::Left},
                       {QStringLiteral("Tgl.Kembali"), 80, Align::Center},
                       {QStringLiteral("Diperpanjang"), 75, Align::Center},
                       {QStringLiteral("n Hari"), 45, Align::Center},
                       {QStringLiteral("Tgl.Kembali Baru"), 100, Align::Center},
                       {QStringLiteral("Denda Rp."), 70, Align::Right},
                       {QStringLiteral("Keterangan"), 270, Align::Left}});
    loans_.setCheckable(true);
    createControls();
    load();
    insertButton_->setFocus();
}

void RenewList::createControls() {
    view_ = new GridView(loans_, this);
    view_->setObjectName(QStringLiteral("loans"));
    view_->setAccessibleName(QStringLiteral("Daftar pinjaman yang dapat diperpanjang"));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    PlaceAt(this, view_, 8, 8, 972, 406);
    view_->applyColumnWidths();

    cancelButton_ = MakeButton(this, QStringLiteral("&Batal"), "cancel", 746, 424, 115, 33);
    insertButton_ = MakeButton(this, QStringLiteral("&Sisip"), "insert", 866, 424, 115, 33);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &RenewList::insert);
}

void RenewList::load() {
    const QSet<QString> inCart = MovementsInCart(desk_.cart());
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    const QString kategori = desk_.memberValue(DeskForm::MemberKategori);
    const QString memberDays = desk_.memberValue(DeskForm::MemberNPinjam);
    const QDate today = ParseIsoDate(ctx_.todayText);
    QHash<QString, std::int64_t> renewed;
    ctx_.run(kRenewalsOutSql, {desk_.memberNumber()},
             [&](const DbRow& row) { renewed.insert(row.text(0), row.text(1).trimmed().toLongLong()); });
    GridData::Batch batch(loans_);
    ctx_.run(kOpenMovementsSql, {desk_.memberNumber()}, [&](const DbRow& row) {
        if (inCart.contains(row.text(0))) return;
        OpenMovement m = ReadOpenMovement(row);
        m.renewals = renewed.value(m.id);
        const RenewalOffer o = OfferRenewal(settings, kategori, memberDays, m, today);
        QString note = o.refusal;
        if (note.isEmpty() && o.fine != QLatin1String("0"))
            note = QStringLiteral("Terlambat: denda dibayar bersama perpanjangan");
        loans_.appendRow({QString::number(loans_.rowCount() + 1) + QLatin1Char('.'), m.id, m.namaItem, m.due,
                          QString::number(m.renewals), o.days, o.due,
                          o.refusal.isEmpty() ? o.fine : QString(), note});
    });
}

void RenewList::insert() {
    int added = 0;
    QStringList refused;
    for (int r = 0; r < loans_.rowCount(); ++r) {
        if (!loans_.isChecked(r)) continue;
        if (loans_.cell(r, ColTglBaru).isEmpty()) {
            refused << loans_.cell(r, ColNamaItem) + QStringLiteral(": ") + loans_.cell(r, ColKeterangan);
            continue;
        }
        desk_.appendCartRow(loans_.cell(r, ColIdTrans), loans_.cell(r, ColNamaItem), loans_.cell(r, ColHari),
                            loans_.cell(r, ColDenda), kTransPerpanjang, loans_.cell(r, ColTglBaru));
        ++added;
    }
    accept();
    if (added > 0) desk_.recomputeTotals();
    if (!refused.isEmpty())
        ctx_.messages().show(QStringLiteral("Tidak diperpanjang:\n") + refused.join(QLatin1Char('\n')),
                             QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::Warning);
}

}  // namespace zelkor

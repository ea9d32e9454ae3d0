#include "circulation/renew_list.h"

#include <QHash>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/loan_terms.h"
#include "core/dates.h"

namespace zelkor {

// Wide enough for every column and a rule's refusal, within a 1024-pixel screen.
RenewList::RenewList(DeskForm& desk)
    : OpenLoansList(desk, {"renewList",
                           QStringLiteral("Perpanjangan pinjaman member"),
                           1000,
                           "loans",
                           QStringLiteral("Daftar pinjaman yang dapat diperpanjang"),
                           {{QStringLiteral("No."), 35, Align::Left},
                            {QStringLiteral("IdTrans"), 105, Align::Left},
                            {QStringLiteral("Nama Item"), 170, Align::Left},
                            {QStringLiteral("Tgl.Kembali"), 80, Align::Center},
                            {QStringLiteral("Diperpanjang"), 75, Align::Center},
                            {QStringLiteral("n Hari"), 45, Align::Center},
                            {QStringLiteral("Tgl.Kembali Baru"), 100, Align::Center},
                            {QStringLiteral("Denda Rp."), 70, Align::Right},
                            {QStringLiteral("Keterangan"), 270, Align::Left}},
                           QStringLiteral("Tidak diperpanjang:\n")}) {
    open();
}

void RenewList::load() {
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    const QString kategori = desk_.memberValue(DeskForm::MemberKategori);
    const QString memberDays = desk_.memberValue(DeskForm::MemberNPinjam);
    const QDate today = ParseIsoDate(ctx_.todayText);
    QHash<QString, std::int64_t> renewed;
    ctx_.run(kRenewalsOutSql, {desk_.memberNumber()},
             [&](const DbRow& row) { renewed.insert(row.text(0), row.text(1).trimmed().toLongLong()); });
    forEachOpenMovement([&](OpenMovement& m) {
        m.renewals = renewed.value(m.id);
        const RenewalOffer o = OfferRenewal(settings, kategori, memberDays, m, today);
        QString note = o.refusal;
        if (note.isEmpty() && o.fine != QLatin1String("0"))
            note = QStringLiteral("Terlambat: denda dibayar bersama perpanjangan");
        rows_.appendRow({QString::number(rows_.rowCount() + 1) + QLatin1Char('.'), m.id, m.namaItem, m.due,
                         QString::number(m.renewals), o.days, o.due, o.refusal.isEmpty() ? o.fine : QString(),
                         note});
    });
}

bool RenewList::addToCart(int r, QString& refusal) {
    if (rows_.cell(r, ColTglBaru).isEmpty()) {
        refusal = rows_.cell(r, ColNamaItem) + QStringLiteral(": ") + rows_.cell(r, ColKeterangan);
        return false;
    }
    desk_.appendCartRow(rows_.cell(r, ColIdTrans), rows_.cell(r, ColNamaItem), rows_.cell(r, ColHari),
                        rows_.cell(r, ColDenda), kTransPerpanjang, rows_.cell(r, ColTglBaru));
    return true;
}

}  // namespace zelkor

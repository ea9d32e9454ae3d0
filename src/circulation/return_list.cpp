#include "circulation/return_list.h"

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/loan_terms.h"
#include "core/dates.h"

namespace zelkor {

ReturnList::ReturnList(DeskForm& desk)
    : OpenLoansList(desk,
                    {"FORM_ZELKOR_FORM5_CLASS",
                     QStringLiteral("Daftar item perpus yang masih di-rental atau di-pinjam oleh member."),
                     918,
                     "movements",
                     QStringLiteral("Daftar item perpus yang masih di-rental atau di-pinjam"),
                     {{QStringLiteral("No."), 50, Align::Left},
                      {QStringLiteral("IdTrans"), 150, Align::Left},
                      {QStringLiteral("Nama Item"), 250, Align::Left},
                      {QStringLiteral("Tgl.Kembali"), 120, Align::Center},
                      {QStringLiteral("Terlambat N hari?"), 120, Align::Center},
                      {QStringLiteral("Denda Rp."), 120, Align::Right}},
                     {}}) {
    open();
}

void ReturnList::load() {
    // Days late and the fine as the loan rules and the calendar have them.
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    const QString kategori = desk_.memberValue(DeskForm::MemberKategori);
    const QDate today = ParseIsoDate(ctx_.todayText);
    forEachOpenMovement([&](const OpenMovement& m) {
        const LateFine fine = FineOfReturn(settings, kategori, m, today);
        QString days = fine.daysText();
        if (fine.inGrace) days += QStringLiteral(" (toleransi)");
        if (fine.capped) days += QStringLiteral(" (maks. denda)");
        rows_.appendRow({QString::number(rows_.rowCount() + 1) + QLatin1Char('.'), m.id, m.namaItem, m.due,
                         days, fine.amountText()});
    });
}

bool ReturnList::addToCart(int r, QString& /*refusal*/) {
    desk_.appendCartRow(rows_.cell(r, ColIdTrans), rows_.cell(r, ColNamaItem), rows_.cell(r, ColTerlambat),
                        rows_.cell(r, ColDenda), kTransReturn, rows_.cell(r, ColTglKembali));
    return true;
}

}  // namespace zelkor

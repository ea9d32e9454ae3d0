// The desk's part in the till: what the member owes, paying it in the cart, and a
// fine waived by the administrator before Simpan.
#include <QPushButton>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/desk_messages.h"
#include "core/money.h"
#include "till/debts.h"

namespace zelkor {

bool DeskForm::addDebtPayment(std::int64_t amount) {
    if (!payDebtButton_->isEnabled()) return false;
    std::vector<OpenDebt> debts;
    if (!LoadOpenDebts(ctx_.db(), memberValue(MemberId), debts)) return false;
    const std::vector<DebtPart> parts = AllocatePayment(debts, amount);
    if (parts.empty()) return false;
    for (const DebtPart& p : parts)
        appendCartRow(p.id, QStringLiteral("Tanggungan ") + p.tanggal, QString(), QString::number(p.amount),
                      kTransBayarTanggungan, QString());
    recomputeTotals();
    return true;
}

void DeskForm::openDebtPayment() {
    if (payDebtButton_->isEnabled() && hooks_.payDebts) hooks_.payDebts(*this);
}

bool DeskForm::chargedReturn(int row) const {
    return cart_.cell(row, CartTrans) == kTransReturn && AmountValue(cart_.cell(row, CartBiaya)) > 0;
}

void DeskForm::openFineWaiver() {
    if (!waiveButton_->isEnabled()) return;
    // The chosen row, or the only return with a fine when the chosen row is none.
    int row = cart_.selectedRow();
    if (row < 0 || !chargedReturn(row)) {
        std::vector<int> fined;
        for (int r = 0; r < cart_.rowCount(); ++r)
            if (chargedReturn(r)) fined.push_back(r);
        row = fined.size() == 1 ? fined.front() : -1;
    }
    if (row < 0) {
        ctx_.messages().info(QStringLiteral("Pilih baris PENGEMBALIAN yang dendanya akan dihapus.."),
                             kDeskCaption);
        return;
    }
    if (hooks_.waiveFine) hooks_.waiveFine(*this, row);
}

bool DeskForm::waiveFine(int row, std::int64_t amount, const QString& reason) {
    if (saved_ || row < 0 || row >= cart_.rowCount() || !chargedReturn(row) ||
        !MayWaive(ctx_.currentOperator) || reason.trimmed().isEmpty())
        return false;
    const std::int64_t fine = AmountValue(cart_.cell(row, CartBiaya));
    if (amount <= 0 || amount > fine) return false;
    cart_.setCell(row, CartBiaya, QString::number(fine - amount));
    waivers_.push_back({cart_.cell(row, CartKode), amount, reason.trimmed()});
    recomputeTotals();
    updateControls();
    return true;
}

// Shown as soon as the member is found, and again after a save changed it.
void DeskForm::showOpenDebts() {
    openDebts_ = 0;
    const QString member = memberValue(MemberId);
    if (!member.isEmpty()) {
        std::vector<OpenDebt> debts;
        if (const DbResult r = LoadOpenDebts(ctx_.db(), member, debts); !r.ok) ctx_.sqlError(r.error);
        openDebts_ = OpenTotal(debts);
    }
    member_.setCell(MemberRowCount, 1, openDebts_ > 0 ? QString::number(openDebts_) : QString());
}

}  // namespace zelkor

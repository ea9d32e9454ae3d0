#include "circulation/circulation.h"

#include "app/app_context.h"
#include "circulation/borrow_picker.h"
#include "circulation/desk_form.h"
#include "circulation/member_browser.h"
#include "circulation/rental_picker.h"
#include "circulation/return_list.h"
#include "circulation/tariff_form.h"
#include "core/money.h"
#include "printing/receipts.h"
#include "till/amount_dialog.h"

namespace zelkor {

namespace {

// Each dialog opens modally over the desk and acts on it through the desk's API.
template <class Dialog>
void OpenOver(DeskForm& desk) {
    Dialog dialog(desk);
    dialog.exec();
}

}  // namespace

DeskHooks StandardDeskHooks(AppContext& ctx) {
    DeskHooks hooks;
    hooks.browse = &OpenOver<MemberBrowser>;
    hooks.rental = &OpenOver<RentalPicker>;
    hooks.borrow = &OpenOver<BorrowPicker>;
    hooks.returns = &OpenOver<ReturnList>;
    hooks.payDebts = [](DeskForm& desk) {
        if (const auto amount = AskDebtPayment(&desk, desk.openDebtTotal())) desk.addDebtPayment(*amount);
    };
    hooks.waiveFine = [](DeskForm& desk, int row) {
        if (const auto w = AskFineWaiver(&desk, AmountValue(desk.cart().cell(row, CartBiaya))))
            desk.waiveFine(row, w->amount, w->reason);
    };
    hooks.print = [&ctx](const ReceiptData& desk, ReceiptKind kind) {
        ReceiptData d = desk;
        FillReceiptContext(d, ctx);
        PrintDeskReceipts(ctx, d, kind);
    };
    return hooks;
}

void OpenTransactionDesk(AppContext& ctx, QWidget* owner) {
    DeskForm desk(ctx, owner);
    desk.setHooks(StandardDeskHooks(ctx));
    desk.exec();
}

void OpenVisitTariffs(AppContext& ctx, QWidget* owner) {
    TariffForm form(ctx, owner);
    form.exec();
}

}  // namespace zelkor

#include "circulation/circulation.h"

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/tariff_form.h"
#include "printing/receipts.h"

namespace zelkor {

DeskHooks StandardDeskHooks(AppContext& ctx) {
    DeskHooks hooks;
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

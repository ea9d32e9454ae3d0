#include "circulation/circulation.h"

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/tariff_form.h"

namespace zelkor {

DeskHooks StandardDeskHooks(AppContext& ctx) {
    (void)ctx;
    return {};
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

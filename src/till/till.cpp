#include "till/till.h"

#include "till/close_form.h"
#include "till/waiver_form.h"

namespace zelkor {

void OpenTillClose(AppContext& ctx, QWidget* owner) {
    TillCloseForm form(ctx, owner);
    form.exec();
}

void OpenFineWaiver(AppContext& ctx, QWidget* owner) {
    WaiverForm form(ctx, owner);
    form.exec();
}

}  // namespace zelkor

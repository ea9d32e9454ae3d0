#include "admin/admin.h"

#include "admin/connection_form.h"
#include "admin/data_reset.h"
#include "admin/identity_form.h"

namespace zelkor {

bool OpenDataReset(AppContext& ctx, QWidget* owner) {
    DataResetForm form(ctx, owner);
    return form.exec() == QDialog::Accepted;
}

bool OpenLibraryIdentity(AppContext& ctx, QWidget* owner) {
    IdentityForm form(ctx, owner);
    return form.exec() == QDialog::Accepted;
}

bool OpenConnectionSettings(AppContext& ctx, QWidget* owner) {
    ConnectionForm form(ctx, owner);
    return form.exec() == QDialog::Accepted;
}

}  // namespace zelkor

#include "accounts/login.h"

#include "accounts/password_hash.h"
#include "app/app_context.h"

namespace zelkor {

namespace {
// Hashing fails only when memory runs out; the old password then stays.
void hashFailed(AppContext& ctx) {
    ctx.messages().show(QStringLiteral("Password gagal disimpan, coba ulangi lagi.."), QStringLiteral("Info"),
                        MsgButtons::Ok, MsgIcon::None);
}
}  // namespace

bool CheckLogin(AppContext& ctx, const QString& user, const QString& password) {
    QString stored;  // stays empty for a missing account and for NULL
    const DbResult r = ctx.db().exec(QStringLiteral("select Password from useradmin where User=?"), {user},
                                     [&](const DbRow& row) { stored = row.text(0); });
    if (!r.ok) {
        ctx.sqlError(r.error);
        return false;
    }
    // Checked also when there is nothing to check against: a missing name costs
    // what a wrong password costs.
    bool needsUpgrade = false;
    if (!VerifyPassword(stored, password, &needsUpgrade)) return false;
    if (needsUpgrade) {
        const QString hash = HashPassword(password);
        if (hash.isEmpty())
            hashFailed(ctx);
        else
            ctx.run(QStringLiteral("update useradmin set Password=? where User=?"), {hash, user});
    }
    return true;
}

bool ChangePassword(AppContext& ctx, const QString& newPassword) {
    if (newPassword.isEmpty()) return false;
    const QString hash = HashPassword(newPassword);
    if (hash.isEmpty()) {
        hashFailed(ctx);
        return false;
    }
    return ctx.run(QStringLiteral("update useradmin set Password=? where User=?"),
                   {hash, ctx.currentOperator});
}

}  // namespace zelkor

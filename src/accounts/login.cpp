#include "accounts/login.h"

#include <algorithm>

#include "accounts/password_hash.h"
#include "app/app_context.h"

namespace zelkor {

namespace {

// Hashing fails only when memory runs out; the old password then stays.
void hashFailed(AppContext& ctx) {
    ctx.messages().show(QStringLiteral("Password gagal disimpan, coba ulangi lagi.."), QStringLiteral("Info"),
                        MsgButtons::Ok, MsgIcon::None);
}

bool checkPassword(AppContext& ctx, const QString& user, const QString& password) {
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

}  // namespace

bool CheckLogin(AppContext& ctx, const QString& user, const QString& password) {
    if (LoginWaitSeconds(ctx, user) > 0) return false;
    if (!checkPassword(ctx, user, password)) {
        // Counted for names that do not exist too: the wait must not tell which do.
        AppContext::FailedLogins& failed = ctx.failedLogins[user];
        if (++failed.count >= kFreeLoginTries) {
            const int doublings = std::min(failed.count - kFreeLoginTries, 16);
            failed.retryAt = ctx.clock().now().addSecs(std::min(5 << doublings, kLongestLoginWait));
        }
        return false;
    }
    ctx.failedLogins.erase(user);
    return true;
}

int LoginWaitSeconds(AppContext& ctx, const QString& user) {
    const auto it = ctx.failedLogins.find(user);
    if (it == ctx.failedLogins.end() || it->second.count < kFreeLoginTries) return 0;
    const qint64 ms = ctx.clock().now().msecsTo(it->second.retryAt);
    // A clock set back never makes the wait longer than the longest.
    return ms <= 0 ? 0 : static_cast<int>(std::min<qint64>((ms + 999) / 1000, kLongestLoginWait));
}

bool ChangePassword(AppContext& ctx, const QString& user, const QString& newPassword) {
    if (newPassword.isEmpty()) return false;
    const QString hash = HashPassword(newPassword);
    if (hash.isEmpty()) {
        hashFailed(ctx);
        return false;
    }
    return ctx.run(QStringLiteral("update useradmin set Password=? where User=?"), {hash, user});
}

}  // namespace zelkor

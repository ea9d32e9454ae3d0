#include "accounts/password_hash.h"

#include <sodium.h>

namespace zelkor {

namespace {
bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}
}  // namespace

QString HashPassword(const QString& password) {
    if (!sodiumReady()) return {};
    const QByteArray pw = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, pw.constData(), static_cast<unsigned long long>(pw.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool IsPasswordHash(const QString& stored) { return stored.startsWith(QLatin1String("$argon2id$")); }

bool VerifyPassword(const QString& stored, const QString& typed, bool* needsUpgrade) {
    if (needsUpgrade) *needsUpgrade = false;
    if (IsPasswordHash(stored)) {
        if (!sodiumReady()) return false;
        const QByteArray h = stored.toLatin1();
        const QByteArray pw = typed.toUtf8();
        return crypto_pwhash_str_verify(h.constData(), pw.constData(), static_cast<unsigned long long>(pw.size())) == 0;
    }
    // A plain-text password compares exactly, letter case included.
    const bool ok = stored == typed;
    if (ok && needsUpgrade) *needsUpgrade = true;
    return ok;
}

}  // namespace zelkor

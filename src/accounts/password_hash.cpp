#include "accounts/password_hash.h"

#include <sodium.h>

#include <QRegularExpression>
#include <atomic>
#include <cmath>

namespace zelkor {

namespace {

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::atomic<std::uint64_t> checksRun{0};

// A hash of a random password at our own cost: checked in place of an account
// that has nothing to check, so that refusal costs what a wrong password costs.
constexpr char kDummyHash[] =
    "$argon2id$v=19$m=65536,t=2,p=1$nC3cxvaz24ws14N63pqsBQ$3AeOYbYLXSjoolBH+rATp4ia7oEDt3sI+p/go1YKhNA";

constexpr int kArgon2Version = 19;  // the version libsodium writes ("v=19")

enum class Kind { Plain, Argon2id, Argon2i, Scrypt };

Kind kindOf(const QString& stored) {
    if (stored.startsWith(QLatin1String(crypto_pwhash_argon2id_STRPREFIX))) return Kind::Argon2id;
    if (stored.startsWith(QLatin1String(crypto_pwhash_argon2i_STRPREFIX))) return Kind::Argon2i;
    if (stored.startsWith(QLatin1String(crypto_pwhash_scryptsalsa208sha256_STRPREFIX))) return Kind::Scrypt;
    return Kind::Plain;
}

bool checkHash(Kind kind, const QByteArray& hash, const QByteArray& typed) {
    ++checksRun;
    if (!sodiumReady()) return false;
    const auto length = static_cast<unsigned long long>(typed.size());
    if (kind == Kind::Scrypt)
        return crypto_pwhash_scryptsalsa208sha256_str_verify(hash.constData(), typed.constData(), length) ==
               0;
    // crypto_pwhash_str_verify reads both argon2 kinds from the prefix.
    return crypto_pwhash_str_verify(hash.constData(), typed.constData(), length) == 0;
}

// An argon2id hash made with less memory or fewer passes than HashPassword uses.
// A stronger one is kept: the next login must not weaken it.
bool weakerThanOurs(const QString& stored) {
    static const QRegularExpression params(
        QStringLiteral(R"(^\$argon2id\$v=(\d+)\$m=(\d+),t=(\d+),p=\d+\$)"));
    const QRegularExpressionMatch m = params.match(stored);
    if (!m.hasMatch()) return true;
    return m.captured(1).toInt() < kArgon2Version ||
           m.captured(2).toULongLong() < crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024 ||
           m.captured(3).toULongLong() < crypto_pwhash_OPSLIMIT_INTERACTIVE;
}

// A stored hash that asks for much more work than ours is never computed: a hash
// restored from elsewhere asking for 2 GiB took ten seconds a try and could take all
// the memory. Up to twice our memory and twice our work is checked, so a hash made a
// little stronger than ours still logs in; a damaged text is not checked either.
bool tooCostly(Kind kind, const QString& stored) {
    constexpr unsigned long long ourKiB = crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024;
    constexpr unsigned long long ourWork = ourKiB * crypto_pwhash_OPSLIMIT_INTERACTIVE;
    if (kind == Kind::Scrypt) {
        // "$7$", log2 N in one character, then r and p in five each, 6 bits a character.
        static const QByteArray digits = "./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        const QByteArray s = stored.toLatin1();
        if (s.size() < 14) return true;
        const auto number = [&](int from, int count) {
            unsigned long long value = 0;
            for (int i = 0; i < count; ++i) {
                const int d = digits.indexOf(s[from + i]);
                if (d < 0) return ~0ULL;
                value |= static_cast<unsigned long long>(d) << (6 * i);
            }
            return value;
        };
        const unsigned long long logN = number(3, 1), r = number(4, 5), p = number(9, 5);
        if (logN == ~0ULL || r == ~0ULL || p == ~0ULL) return true;
        // Memory 128 r N bytes, work 4 N r p, as libsodium counts them (in floating
        // point: a hostile N, r and p overflow any whole number).
        const double nr = std::ldexp(static_cast<double>(r), static_cast<int>(logN));
        return 128 * nr > 2.0 * crypto_pwhash_scryptsalsa208sha256_MEMLIMIT_INTERACTIVE ||
               4 * nr * static_cast<double>(p) >
                   2.0 * crypto_pwhash_scryptsalsa208sha256_OPSLIMIT_INTERACTIVE;
    }
    static const QRegularExpression params(
        QStringLiteral(R"(^\$argon2(?:id|i)\$v=\d+\$m=(\d{1,10}),t=(\d{1,10}),p=\d{1,10}\$)"));
    const QRegularExpressionMatch m = params.match(stored);
    if (!m.hasMatch()) return true;
    const unsigned long long kib = m.captured(1).toULongLong(), passes = m.captured(2).toULongLong();
    return kib > 2 * ourKiB || kib * passes > 2 * ourWork;
}

// Equal texts compared in a time that does not depend on where they differ.
bool sameText(const QByteArray& a, const QByteArray& b) {
    unsigned char da[32], db[32];
    crypto_generichash(da, sizeof da, reinterpret_cast<const unsigned char*>(a.constData()),
                       static_cast<unsigned long long>(a.size()), nullptr, 0);
    crypto_generichash(db, sizeof db, reinterpret_cast<const unsigned char*>(b.constData()),
                       static_cast<unsigned long long>(b.size()), nullptr, 0);
    return sodium_memcmp(da, db, sizeof da) == 0;
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

bool IsPasswordHash(const QString& stored) {
    return kindOf(stored) != Kind::Plain;
}

bool PasswordCanMatch(const QString& stored) {
    const Kind kind = kindOf(stored);
    return !stored.isEmpty() && (kind == Kind::Plain || !tooCostly(kind, stored));
}

bool VerifyPassword(const QString& stored, const QString& typed, bool* needsUpgrade) {
    if (needsUpgrade) *needsUpgrade = false;
    const QByteArray pw = typed.toUtf8();
    const Kind kind = kindOf(stored);
    if (kind != Kind::Plain && tooCostly(kind, stored)) {
        checkHash(Kind::Argon2id, QByteArray(kDummyHash), pw);  // what a wrong password costs
        return false;
    }
    if (kind != Kind::Plain) {
        if (!checkHash(kind, stored.toLatin1(), pw)) return false;
        if (needsUpgrade) *needsUpgrade = kind != Kind::Argon2id || weakerThanOurs(stored);
        return true;
    }
    checkHash(Kind::Argon2id, QByteArray(kDummyHash), pw);
    // Nothing stored admits nobody, not even an empty password.
    if (stored.isEmpty() || !sodiumReady()) return false;
    // A plain-text password compares exactly, letter case included.
    if (!sameText(stored.toUtf8(), pw)) return false;
    if (needsUpgrade) *needsUpgrade = true;
    return true;
}

std::uint64_t PasswordChecksRun() {
    return checksRun.load();
}

}  // namespace zelkor

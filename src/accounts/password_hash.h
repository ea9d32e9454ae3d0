#pragma once
// Operator passwords are kept as argon2id hashes (libsodium), never as plain text.
#include <QString>
#include <cstdint>

namespace zelkor {

// An argon2id hash of the password in libsodium's text form ("$argon2id$...").
// Empty when hashing failed (out of memory).
QString HashPassword(const QString& password);

// True when the stored text is a hash that libsodium verifies: argon2id, argon2i
// or scrypt ("$7$"), as our own or an older program may have written them.
bool IsPasswordHash(const QString& stored);

// Whether `typed` is the password stored as `stored`. Every call does the work of
// one argon2id check at our cost, also when there is nothing to check against (an
// empty `stored`: no such account, NULL or an empty text, which admit nobody) or a
// plain-text password, so the time a refusal takes never tells whether a name
// exists. A plain-text password left by a database made elsewhere matches only
// when typed exactly. `needsUpgrade` tells the caller to store HashPassword(typed)
// instead: a plain text, an argon2i or scrypt hash, or an argon2id hash weaker
// than ours. A hash asking for more than twice our memory or work (a database
// restored from elsewhere) is never computed: it counts as a wrong password and
// costs one check at our cost.
bool VerifyPassword(const QString& stored, const QString& typed, bool* needsUpgrade = nullptr);

// Whether some password can ever match `stored`: a plain text or a hash the
// program computes (not empty, not asking for more than VerifyPassword allows).
bool PasswordCanMatch(const QString& stored);

// How many hash checks this process has run (the tests count the work of a login).
std::uint64_t PasswordChecksRun();

}  // namespace zelkor

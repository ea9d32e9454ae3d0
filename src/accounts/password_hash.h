#pragma once
// Operator passwords are kept as argon2id hashes (libsodium), never as plain text.
#include <QString>

namespace zelkor {

// An argon2id hash of the password in libsodium's text form ("$argon2id$...").
// Empty when hashing failed (out of memory).
QString HashPassword(const QString& password);

// True when the stored text is one of our hashes rather than a plain password.
bool IsPasswordHash(const QString& stored);

// Whether `typed` is the password stored as `stored`. A plain-text password left
// by a database made elsewhere matches only when typed exactly; `needsUpgrade` then
// tells the caller to replace it by its hash.
bool VerifyPassword(const QString& stored, const QString& typed, bool* needsUpgrade = nullptr);

}  // namespace zelkor

#pragma once
// Admitting an operator and changing the operator's own password. Passwords
// are kept as argon2id hashes; names compare exactly, letter case included.
#include <QString>

namespace zelkor {

class AppContext;

// Whether `user` may log in with `password`. The account is looked up by its exact
// name and the typed password checked against the stored hash. A plain-text
// password left by a database made elsewhere logs in when typed exactly and is
// replaced by its hash at once. A failing statement shows the SQL error box and
// refuses the login.
bool CheckLogin(AppContext& ctx, const QString& user, const QString& password);

// Stores the hash of `newPassword` for the current operator. An empty password
// writes nothing. True when the new password was stored.
bool ChangePassword(AppContext& ctx, const QString& newPassword);

}  // namespace zelkor

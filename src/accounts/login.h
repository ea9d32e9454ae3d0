#pragma once
// Admitting an operator and changing the operator's own password. Passwords
// are kept as argon2id hashes; names compare exactly, letter case included.
#include <QString>

namespace zelkor {

class AppContext;

// Whether `user` may log in with `password`. The account is looked up by its exact
// name and the typed password checked against the stored hash, with the same work
// whether or not the name exists. A plain-text password left by a database made
// elsewhere logs in when typed exactly; it, and a hash weaker than ours, is
// replaced by our hash at once. An account whose password is NULL or empty admits
// nobody. A failing statement shows the SQL error box and refuses the login.
// While LoginWaitSeconds(user) is above 0 every try of that name is refused
// without being checked.
bool CheckLogin(AppContext& ctx, const QString& user, const QString& password);

// Wrong passwords for one name that are let by at once; after that each further
// wrong one makes the next try of that name wait, 5 seconds and twice as long
// every time, at most kLongestLoginWait. A login of the name starts it afresh.
inline constexpr int kFreeLoginTries = 5;
inline constexpr int kLongestLoginWait = 300;

// Seconds, by the program's clock, before the next try of `user` is checked; 0 when now.
int LoginWaitSeconds(AppContext& ctx, const QString& user);

// Stores the hash of `newPassword` for the operator `user`. An empty password
// writes nothing. True when the new password was stored.
bool ChangePassword(AppContext& ctx, const QString& user, const QString& newPassword);

}  // namespace zelkor

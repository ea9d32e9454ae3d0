#pragma once
// The operator accounts the administrator keeps: every account but "admin".
#include <QString>

namespace zelkor {

class AppContext;
class GridData;

// The password every new operator starts with, stored as its hash.
inline constexpr char kInitialPassword[] = "8406";

// Fills `grid` with the operators, by name: columns "USER" and "OPR", the
// second always "OPERATOR". "admin" is never listed.
void LoadOperators(AppContext& ctx, GridData& grid);

enum class AddOperatorResult { Added, Exists, EmptyName, BadName, SpacesAround, DeviceName, Failed };

// Adds the operator `name` with the initial password. The name must be free
// and usable as the name of the operator's photo file. A failing statement has
// shown the SQL error box (Failed).
AddOperatorResult AddOperator(AppContext& ctx, const QString& name);

// Deletes the operator `name`; "admin" is never deleted. A failing statement
// shows the SQL error box and gives false.
bool DeleteOperator(AppContext& ctx, const QString& name);

}  // namespace zelkor

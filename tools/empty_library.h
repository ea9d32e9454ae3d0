#pragma once
// A new, empty library: the schema and the administrator account "admin". Made
// by zelkor-newdb and by the program's first-start window alike.
#include <QString>
#include <string>

namespace zelkor::tools {

// Fills the new, empty database file `file` in one transaction. False with the
// reason in `error`.
bool FillEmptyLibrary(const std::string& file, const QString& adminPasswordHash, std::string* error);

}  // namespace zelkor::tools

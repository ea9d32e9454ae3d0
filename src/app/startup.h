#pragma once
// The first steps of a run: the connection file is read and the database opened.
#include <QString>
#include <memory>

#include "app/app_context.h"

namespace zelkor {

// Reads "conn.txt" from `workDir` and opens the library it names (a relative path
// is taken from `workDir`). Only an existing library database opens; otherwise
// shows "Tidak dapat membuka database: " with the reason (caption "Info") and
// returns null, having made no file: the caller then ends the process with exit
// code 1 without creating any window.
std::unique_ptr<AppContext> StartUp(const QString& workDir, const QString& programDir, AppServices services);

// The exit code of a run stopped during start-up: the database could not be
// opened, the login was abandoned, or "Keluar" was chosen.
inline constexpr int kExitStopped = 1;

}  // namespace zelkor

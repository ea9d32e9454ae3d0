#pragma once
// The first steps of a run: the connection file is read and the database opened.
#include <QString>
#include <memory>

#include "app/app_context.h"
#include "app/places.h"

namespace zelkor {

// Reads "conn.txt" from `places.configDir` and opens the library it names (a
// relative path is taken from `places.dataDir`). Only an existing library
// database opens, and no file is ever made. On failure returns null: without
// `problem`, having shown "Tidak dapat membuka database: " with the reason
// (caption "Info"), after which the caller ends the process with exit code 1
// without creating any window; with `problem`, showing nothing and putting the
// reason there, empty when no library is named at all (a first start).
std::unique_ptr<AppContext> StartUp(const Places& places, const QString& programDir, AppServices services,
                                    QString* problem = nullptr);

// The run started in its working folder, which holds every file.
inline std::unique_ptr<AppContext> StartUp(const QString& workDir, const QString& programDir,
                                           AppServices services) {
    return StartUp(Places{workDir, workDir, false}, programDir, services);
}

// The exit code of a run stopped during start-up: the database could not be
// opened, the login was abandoned, or "Keluar" was chosen.
inline constexpr int kExitStopped = 1;

}  // namespace zelkor

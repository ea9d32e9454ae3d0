#pragma once
// What the first-start window makes and records, without its widgets: a new
// library, the sample library, and the settings that name the chosen one.
#include <QDate>
#include <QString>

#include "app/config_files.h"

namespace zelkor {

// The file names offered in the user's data folder.
inline constexpr char kNewLibraryFileName[] = "perpustakaan.db3";
inline constexpr char kSampleLibraryFileName[] = "contoh-perpustakaan.db3";
inline constexpr int kMinPasswordLength = 8;

struct NewLibrary {
    Identity identity;         // written into perpus.txt
    QString password, repeat;  // the administrator's, typed twice
    QString path;              // the new file
};

// Why `library` cannot be made ("" when it can): no name, a ";" or a line break
// in the identity, a password too short or two that differ, a file that exists
// already, a folder that is missing or cannot be written.
QString NewLibraryProblem(const NewLibrary& library);

// Makes the library file, complete or not at all, with the administrator "admin".
bool MakeNewLibrary(const NewLibrary& library, QString* error);

// The identity of the sample library, clearly a sample.
Identity SampleIdentity();

// The sample library at `path`, made by the same code as zelkor-demo (scale 1,
// its history up to the day before `today`). An existing file is kept as it is.
bool MakeSampleLibrary(const QString& path, const QDate& today, QString* error);

// Why the file at `path` cannot be taken as the library ("" when it can): what
// "Koneksi Database" checks.
QString ExistingLibraryProblem(const QString& path);

// Names the library for the next starts: conn.txt in `configDir` and, when
// `identity` is given, perpus.txt beside it.
bool RecordLibrary(const QString& configDir, const QString& path, const Identity* identity, QString* error);

}  // namespace zelkor

#pragma once
// A library database file: the program opens only a file that exists and holds
// the library's six tables, so a wrong path in conn.txt or a wrong file chosen
// in a dialog is refused with its reason instead of becoming an empty library.
#include <QString>
#include <QStringList>
#include <memory>

namespace zelkor {

class Database;

// The six tables every library has.
const QStringList& LibraryTables();

// Why the open connection is not a library database ("" when it is one): a table
// missing or, with `checkIntegrity`, a damaged file.
QString LibraryProblem(Database& db, bool checkIntegrity = false);

// Why the file at `path` is not a library database ("" when it is one). The file
// is only read: nothing is created or changed.
QString LibraryFileProblem(const QString& path, bool checkIntegrity = false);

// Whether `path` names the open library `db` or one of SQLite's files beside it
// (-wal, -shm, -journal), found by the file itself (links and other spellings
// of the path included) with a stat, which never opens it. Nothing but SQLite
// may open those files in this process: closing any other descriptor of them
// drops every lock SQLite holds on the library.
bool IsLibraryFile(Database& db, const QString& path);

// Opens the library at `path`: an existing file with the six tables. The indexes
// a newer program adds are created on an older library, and the journal is
// chosen for durability (journal.h). On failure returns null
// and puts the reason into `error` (the caller shows it after
// "Tidak dapat membuka database: ").
std::unique_ptr<Database> OpenLibrary(const QString& path, QString* error);

}  // namespace zelkor

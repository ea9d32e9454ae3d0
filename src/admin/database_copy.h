#pragma once
// Whole copies of a library database through SQLite's online backup: the pages
// are read in one read transaction, so a copy is consistent even while this
// program or another one writes, and the database file itself is never copied
// byte by byte (in WAL mode the file alone is not the whole database).
#include <QString>

namespace zelkor {

class AppContext;
class Database;

// Copies the open library `from` into a file at `target`. The copy goes into a
// temporary file beside `target` and is renamed over it only once complete, so
// a failed copy never destroys an earlier file of that name. The copy is one
// self-contained file (rollback journal). False with the reason in `error`.
bool CopyDatabaseToFile(Database& from, const QString& target, QString* error);

// Replaces the whole content of the open connection `into` by the database at
// `source`, in one write transaction: every statement after it sees the new
// data, and on failure the data is as it was. The connection keeps its journal
// mode. False with the reason in `error`.
bool CopyFileIntoDatabase(const QString& source, Database& into, QString* error);

// Removes the temporary copies ("<name>.<process id>.sementara" and SQLite's
// files beside them) in `folder` whose program is no longer running: what a
// backup, a safety copy or a restore killed half-way left behind. The count.
int RemoveLeftoverCopies(const QString& folder);

// Removes the database file at `path` with SQLite's files beside it.
void RemoveCopy(const QString& path);

// Keeps the data as it is now before a restore or a reset changes it:
// `prefix` + yyyymmddHHMMSS + ".dataperpus" in the working directory, with
// "-2", "-3"... added when that name is taken, so no earlier file (the one being
// restored included) is ever written over. The file name goes into `name`.
bool WriteSafetyCopy(AppContext& ctx, const QString& prefix, QString* name, QString* error);

}  // namespace zelkor

#pragma once
// "BackUp" and "Restore" of the File menu: BackUp is open to every operator,
// Restore only to the administrator (the main window checks before it calls).
namespace zelkor {

class AppContext;

// Copies the library to "BackUp" + yyyymmdd + ".dataperpus" in the working
// directory, replacing the day's earlier backup only once the new one is
// complete. Tells the file name on success, the reason on failure. True when the
// backup was made.
bool BackUpDatabase(AppContext& ctx);

// Asks for a backup file and brings its data into the open library. A file that
// is not a sound library database is refused with the reason. Before anything
// changes the data as it is now is kept as "SebelumRestore" + yyyymmddHHMMSS +
// ".dataperpus". True when the data was restored.
bool RestoreDatabase(AppContext& ctx);

}  // namespace zelkor

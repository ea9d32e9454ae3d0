#pragma once
// What the main window opens from the administration: the data reset, the
// library identity and the connection settings, each modal over `owner`.
// Backup and restore are in backup_restore.h.
class QWidget;

namespace zelkor {

class AppContext;

// "Data" > "Reset Data". True when the operator went on (tables may be emptied).
bool OpenDataReset(AppContext& ctx, QWidget* owner);

// "Data" > "Data Identitas Perpustakaan". True when a new identity was saved.
bool OpenLibraryIdentity(AppContext& ctx, QWidget* owner);

// "File" > "Koneksi Database", for the administrator only (the main window checks,
// as for the reset and the identity, and has the operator log in again after a
// switch). True when the program was switched to another database.
bool OpenConnectionSettings(AppContext& ctx, QWidget* owner);

}  // namespace zelkor

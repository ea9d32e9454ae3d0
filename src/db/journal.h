#pragma once
// How a library keeps every saved action through a power cut, with as few disk
// syncs as that allows.
//
// On a local disk the library runs in WAL mode with full sync: a commit appends
// its pages to the "-wal" file beside the library and syncs that file once, so a
// saved cart is on the disk when Simpan reports it saved, at one sync per save
// instead of the rollback journal's four; the pages move into the library itself
// at a checkpoint while the program is idle (two more syncs; idle_checkpoint.h). Two copies of the program on
// one computer share the WAL through the "-shm" file. The last connection to close moves everything into the
// library and removes both files; after a crash they stay, and the next open finishes the work.
//
// WAL needs memory shared by everyone who opens the file, which one computer can
// give and a network share cannot: a library on a share keeps the rollback
// journal (also with full sync), and one that an earlier run left in WAL mode is
// turned back.
#include <QString>

namespace zelkor {

class Database;

enum class JournalKind { Wal, Rollback };

// Whether a file system type, as QStorageInfo names it ("ext4", "nfs4", "cifs",
// "fuse.sshfs"), lies on another computer.
bool IsNetworkFileSystem(const QByteArray& type);

// Whether the file at `path` lies on another computer (a network drive or share).
bool OnNetworkShare(const QString& path);

// The journal for a library file at `path`.
JournalKind JournalFor(const QString& path);

// Sets full sync and the journal `kind` (JournalFor the library's path) on the
// open connection, and returns the journal mode now in effect as SQLite names it
// ("wal", "delete"). A journal that cannot change (a read-only file, or another
// copy of the program in the middle of a save) stays as it is: every mode is safe
// with full sync, only slower.
QString ChooseJournal(Database& db, JournalKind kind);

}  // namespace zelkor

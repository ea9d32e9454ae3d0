#include "db/journal.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <sqlite3.h>

#include "db/database.h"

#ifdef Q_OS_WIN
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zelkor {

bool IsNetworkFileSystem(const QByteArray& type) {
    static const QByteArrayList network =
        QByteArray(
            "nfs nfs4 cifs smb2 smb3 smbfs ncpfs 9p afs coda ceph glusterfs lustre gfs2 ocfs2 davfs "
            "fuse.sshfs fuse.rclone fuse.s3fs fuse.gvfsd-fuse fuse.glusterfs fuse.cephfs")
            .split(' ');
    return network.contains(type.toLower());
}

bool OnNetworkShare(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
#ifdef Q_OS_WIN
    if (absolute.startsWith(QLatin1String("//")) || absolute.startsWith(QLatin1String("\\\\"))) return true;
    const std::wstring root = QDir::toNativeSeparators(absolute.left(3)).toStdWString();
    return GetDriveTypeW(root.c_str()) == DRIVE_REMOTE;
#else
    return IsNetworkFileSystem(QStorageInfo(absolute).fileSystemType());
#endif
}

JournalKind JournalFor(const QString& path) {
    return OnNetworkShare(path) ? JournalKind::Rollback : JournalKind::Wal;
}

QString ChooseJournal(Database& db, JournalKind kind) {
    // FULL in both modes: in WAL mode NORMAL would skip the sync at each commit and
    // could lose the last saves in a power cut.
    db.execScript(QStringLiteral("PRAGMA synchronous=FULL"));
    const QString current = db.scalar(QStringLiteral("PRAGMA journal_mode"));
    if (sqlite3_db_readonly(db.handle(), "main") == 1) return current;
    const bool wal = kind == JournalKind::Wal;
    const QString chosen = db.scalar(
        wal ? QStringLiteral("PRAGMA journal_mode=WAL") : QStringLiteral("PRAGMA journal_mode=DELETE"), {},
        current);
    // The WAL is reused after each checkpoint; this keeps it from staying large
    // after one big action.
    if (chosen == QLatin1String("wal")) {
        db.execScript(QStringLiteral("PRAGMA journal_size_limit=8388608"));
        db.checkpointWhenIdle();
    }
    return chosen;
}

}  // namespace zelkor

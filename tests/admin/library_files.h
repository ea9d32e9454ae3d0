#pragma once
// Library files beside the test's own: copies, other programs' databases and
// files that are no database at all, and what a file holds.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "db/database.h"
#include "db/library_file.h"
#include "db/schema.h"
#include "support/files.h"
#include "support/fixture.h"

namespace zelkor::test {

// A new library at `path` with the members `ids`; `pageSize` 0 keeps SQLite's.
inline void MakeLibrary(const QString& path, const QStringList& ids, int pageSize = 0) {
    QString error;
    auto db = Database::open(path, &error);
    ASSERT_TRUE(db) << error.toStdString();
    if (pageSize) db->execScript(QStringLiteral("pragma page_size=%1").arg(pageSize));
    ASSERT_TRUE(ApplySchema(*db).ok);
    ASSERT_TRUE(db->exec(QStringLiteral("insert into useradmin values ('admin', 'admin')")).ok);
    for (const QString& id : ids)
        ASSERT_TRUE(db->exec(QStringLiteral("insert into Member (Id, Nama) values (?, ?)"), {id, id}).ok);
}

// The member ids in the library file at `path`, in order; the file must be a
// sound library.
inline QStringList MembersIn(const QString& path) {
    QString error;
    auto db = Database::open(path, &error, Database::Mode::ExistingOnly);
    if (!db) {
        ADD_FAILURE() << path.toStdString() << ": " << error.toStdString();
        return {};
    }
    EXPECT_EQ(LibraryProblem(*db, true), QString()) << path.toStdString();
    QStringList ids;
    db->exec(QStringLiteral("select Id from Member order by Id"), {},
             [&](const DbRow& row) { ids << row.text(0); });
    return ids;
}

// The file names in `dir`, sorted.
// The files of a folder, leaving out the open library's write-ahead log and its
// shared-memory index, which come and go with its connections.
inline QStringList FilesIn(const QString& dir) {
    QStringList files = QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    files.removeIf([](const QString& f) { return f.endsWith("-wal") || f.endsWith("-shm"); });
    return files;
}

}  // namespace zelkor::test

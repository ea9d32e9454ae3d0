#pragma once
// Runs the command-line tools as processes, the way a user does, and reads the
// databases they make.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "db/database.h"
#include "db/schema.h"
#include "support/run_program.h"

namespace zelkor::test {

// build/bin/`tool`, in the folder named by ZELKOR_BIN_DIR.
inline QString ToolPath(const QString& tool) {
    return qEnvironmentVariable("ZELKOR_BIN_DIR") + '/' + tool;
}

inline ProgramRun RunTool(const QString& tool, const QStringList& args, const QByteArray& input = {}) {
    const ProgramRun run = RunProgram(ToolPath(tool), args, input);
    EXPECT_TRUE(run.started) << "cannot start " << ToolPath(tool).toStdString();
    return run;
}

inline std::unique_ptr<Database> OpenDb(const QString& path) {
    QString error;
    auto db = Database::open(path, &error);
    if (!db) ADD_FAILURE() << path.toStdString() << ": " << error.toStdString();
    return db;
}

// All rows of a statement, cells joined by "|", NULL shown as "NULL".
inline QStringList Rows(Database& db, const QString& sql) {
    QStringList out;
    const DbResult r = db.exec(sql, {}, [&](const DbRow& row) {
        QStringList cells;
        for (int i = 0; i < row.columnCount(); ++i) cells << (row.isNull(i) ? "NULL" : row.text(i));
        out << cells.join('|');
    });
    if (!r.ok) ADD_FAILURE() << sql.toStdString() << ": " << r.error.toStdString();
    return out;
}

// Every table, index and key of a database.
inline QStringList Schema(Database& db) {
    return Rows(db, "select type, name, tbl_name, sql from sqlite_master order by name");
}

// The schema of a library made from schema.sql.
inline QStringList FreshSchema() {
    QTemporaryDir dir;
    auto db = OpenDb(dir.filePath("fresh.db"));
    EXPECT_TRUE(ApplySchema(*db).ok);
    return Schema(*db);
}

inline QStringList FilesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

}  // namespace zelkor::test

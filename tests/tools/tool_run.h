#pragma once
// Runs the command-line tools as processes, the way a user does, and reads the
// databases they make.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "db/database.h"

namespace zelkor::test {

struct ToolRun {
    int exitCode = -1;
    bool crashed = false;  // ended by a signal
    QString out, err;
};

// Runs build/bin/`tool` (the folder named by ZELKOR_BIN_DIR) with `args`,
// writing `input` to its standard input.
ToolRun RunTool(const QString& tool, const QStringList& args, const QByteArray& input = {});

// The path of a tool, for starting it by hand.
QString ToolPath(const QString& tool);

// Opens a database file; fails the test when it cannot.
std::unique_ptr<Database> OpenDb(const QString& path);

// All rows of a statement, cells joined by "|", NULL shown as "NULL".
QStringList Rows(Database& db, const QString& sql);

// The names of the files in a folder, sorted.
QStringList FilesIn(const QString& dir);

// The bytes of a file.
QByteArray FileBytes(const QString& path);

}  // namespace zelkor::test

#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace zelkor {

class Database;
struct DbResult;

// The text of schema.sql, built into the program.
QString SchemaSql();

// One table, index, view or trigger of schema.sql, with the text SQLite keeps
// for it in sqlite_master.
struct SchemaObject {
    QString type;  // "table", "index", "view", "trigger"
    QString name;
    QString sql;
};
const std::vector<SchemaObject>& SchemaObjects();

// The columns schema.sql gives `table`, in order.
QStringList SchemaColumns(const QString& table);

// A column of `table` that libraries of an earlier version lack: ApplySchema adds
// it, so a copy without it is still a library.
bool ColumnAddedLater(const QString& table, const QString& column);

// Makes what is missing of ours (tables, indexes, views, triggers, and columns
// of our tables, added at the end) and replaces what differs from it (an index,
// view or trigger of another text), and counts Kas into KasBlok afresh when the
// days no longer match the lines. Reads first and writes only when something
// needs it, in one transaction: a library that is whole is opened without a
// write, so copies starting together never wait on each other.
DbResult ApplySchema(Database& db);

// For a copy that came from outside (a restore): drops every trigger, view,
// index and table that is not ours, makes our own triggers and views anew from
// schema.sql and counts every day of Kas afresh; nothing of the file's own
// is trusted but the data of the library's tables. One transaction.
DbResult RebuildDerivedObjects(Database& db);

}  // namespace zelkor

#pragma once
// The one SQLite connection of a run. One call runs one statement; every value
// spliced into a statement is bound as a parameter ("?"), so whatever an operator
// types is stored exactly as typed and never changes what the statement does.
#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <list>
#include <memory>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace zelkor {

class IdleCheckpoint;

// One result row as the callbacks see it: texts, NULL told apart from empty.
class DbRow {
  public:
    DbRow(sqlite3_stmt* stmt, int columns) : stmt_(stmt), columns_(columns) {}
    int columnCount() const { return columns_; }
    bool isNull(int i) const;
    int type(int i) const;      // SQLite's storage class: SQLITE_TEXT, SQLITE_NULL, ...
    QString text(int i) const;  // empty for NULL
    // The value's text as the UTF-8 bytes SQLite holds (empty for NULL), valid
    // until the next row: sinks that copy it need no QString on the way.
    QByteArrayView utf8(int i) const;
    QString name(int i) const;
    QVariant value(int i) const;  // null QVariant for NULL, otherwise the text
    // The value as SQLite holds it: qint64, double, QString, QByteArray or null.
    // Sums keep SQLite's own arithmetic this way (1500 and 1500.0 stay apart).
    QVariant typedValue(int i) const;

  private:
    sqlite3_stmt* stmt_;
    int columns_;
};

struct DbResult {
    bool ok = true;
    QString error;  // SQLite's message when !ok
    int changes = 0;
    explicit operator bool() const { return ok; }
};

class Database {
  public:
    using RowCallback = std::function<void(const DbRow&)>;

    enum class Mode { CreateIfMissing, ExistingOnly, ReadOnly };
    // Opens the database file at `path` (CreateIfMissing also makes it, ReadOnly
    // never writes to it), every connection with SQLite's defensive settings, read
    // through a memory map unless it lies on a network share. An empty path gives
    // SQLite's private temporary database. On failure returns null and
    // puts SQLite's message into `error`. The program itself opens a library only
    // through OpenLibrary (library_file.h), which never makes a file.
    static std::unique_ptr<Database> open(const QString& path, QString* error,
                                          Mode mode = Mode::CreateIfMissing);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement. Values bind to its "?" in order: a QString as text, an
    // integer as integer, a double as real, a null QVariant as NULL.
    DbResult exec(const QString& sql, const QVariantList& values = {}, const RowCallback& onRow = {});

    // Runs a script of several statements without values (schema, pragmas).
    DbResult execScript(const QString& sql);

    // The first column of the first row, or `fallback` when there is no row.
    QString scalar(const QString& sql, const QVariantList& values = {}, const QString& fallback = {},
                   DbResult* result = nullptr);

    sqlite3* handle() const { return db_; }
    QString path() const { return path_; }

    // In WAL mode: the pages of commits move into the library when the program is
    // idle, not inside a commit (idle_checkpoint.h). Null until asked for.
    void checkpointWhenIdle();
    IdleCheckpoint* idleCheckpoint() const { return idleCheckpoint_.get(); }

  private:
    explicit Database(sqlite3* db, QString path);
    sqlite3_stmt* prepared(const QString& sql, DbResult& result);

    sqlite3* db_ = nullptr;
    QString path_;
    // A small cache of prepared statements: the desk looks a member up on every
    // keystroke, and preparing again each time is most of that cost.
    struct Cached {
        sqlite3_stmt* stmt;
        std::list<QString>::iterator age;
    };
    std::unordered_map<QString, Cached> cache_;
    std::list<QString> ages_;
    // Outlives the connection: its hook is called until the close.
    std::unique_ptr<IdleCheckpoint> idleCheckpoint_;
};

// Rolls back unless commit() is called: for every action of several statements.
class Transaction {
  public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool active() const { return active_; }
    const DbResult& beginResult() const { return begin_; }
    DbResult commit();
    void rollback();

  private:
    Database& db_;
    DbResult begin_;
    bool active_ = false;
};

}  // namespace zelkor

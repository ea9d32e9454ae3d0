#include "db/database.h"

#include <sqlite3.h>

#include "db/idle_checkpoint.h"
#include "db/journal.h"

namespace zelkor {

namespace {
constexpr std::size_t kCacheSize = 48;

QString errorOf(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}
}  // namespace

bool DbRow::isNull(int i) const {
    return sqlite3_column_type(stmt_, i) == SQLITE_NULL;
}

int DbRow::type(int i) const {
    return sqlite3_column_type(stmt_, i);
}

QString DbRow::text(int i) const {
    return QString::fromUtf8(utf8(i));
}

QByteArrayView DbRow::utf8(int i) const {
    // The text first, then its length: asking in this order converts only once.
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    if (!p) return {};
    return QByteArrayView(p, sqlite3_column_bytes(stmt_, i));
}

QString DbRow::name(int i) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, i));
}

QVariant DbRow::value(int i) const {
    return isNull(i) ? QVariant() : QVariant(text(i));
}

QVariant DbRow::typedValue(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qint64>(sqlite3_column_int64(stmt_, i)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt_, i));
        case SQLITE_BLOB: {
            const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, i));
            return QVariant(QByteArray(p, sqlite3_column_bytes(stmt_, i)));
        }
        case SQLITE_NULL:
            return {};
        default:
            return QVariant(text(i));
    }
}

std::unique_ptr<Database> Database::open(const QString& path, QString* error, Mode mode) {
    sqlite3* db = nullptr;
    const QByteArray p = path.toUtf8();
    // One thread uses the connection: SQLite need not lock it on every call, which
    // is a third of the time of filling a long list.
    const int flags = (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX | (mode == Mode::CreateIfMissing ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(p.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (error) *error = db ? errorOf(db) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        return nullptr;
    }
    // Before the first statement: another copy starting at the same moment may
    // hold the lock for a while, and the first read would fail at once.
    sqlite3_busy_timeout(db, 2000);
    // A library file may come from anywhere (a restored backup, a share): its
    // schema gets no say over this connection. No function with side effects in
    // its triggers or views, and no writing to the schema by hand.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    // A file that is not a database only shows when it is first read.
    char* msg = nullptr;
    if (sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, &msg) != SQLITE_OK) {
        if (error) *error = QString::fromUtf8(msg ? msg : sqlite3_errmsg(db));
        sqlite3_free(msg);
        sqlite3_close(db);
        return nullptr;
    }
    // Long lists read pages straight from a memory map of the file (up to 1 GiB)
    // instead of copying each one out of it, which spares about a third of the
    // processor time of a month's report on a large library. SQLite only reads
    // through the map. Not on a network share: another computer could shorten the
    // file under the map, and reading there would end the program instead of
    // reporting an error.
    if (!path.isEmpty() && !OnNetworkShare(path))
        sqlite3_exec(db, "PRAGMA mmap_size=1073741824", nullptr, nullptr, nullptr);
    return std::unique_ptr<Database>(new Database(db, path));
}

Database::Database(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}

Database::~Database() {
    for (auto& [sql, c] : cache_) sqlite3_finalize(c.stmt);
    sqlite3_close(db_);
}

void Database::checkpointWhenIdle() {
    if (!idleCheckpoint_) idleCheckpoint_ = std::make_unique<IdleCheckpoint>(db_);
}

sqlite3_stmt* Database::prepared(const QString& sql, DbResult& result) {
    auto it = cache_.find(sql);
    if (it != cache_.end()) {
        ages_.splice(ages_.begin(), ages_, it->second.age);
        sqlite3_reset(it->second.stmt);
        sqlite3_clear_bindings(it->second.stmt);
        return it->second.stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &stmt, &tail) != SQLITE_OK) {
        result.ok = false;
        result.error = errorOf(db_);
        return nullptr;
    }
    if (!stmt) {  // an empty statement
        return nullptr;
    }
    if (cache_.size() >= kCacheSize) {
        const QString oldest = ages_.back();
        ages_.pop_back();
        sqlite3_finalize(cache_[oldest].stmt);
        cache_.erase(oldest);
    }
    ages_.push_front(sql);
    cache_.emplace(sql, Cached{stmt, ages_.begin()});
    return stmt;
}

DbResult Database::exec(const QString& sql, const QVariantList& values, const RowCallback& onRow) {
    DbResult result;
    sqlite3_stmt* stmt = prepared(sql, result);
    if (!stmt) return result;

    const int params = sqlite3_bind_parameter_count(stmt);
    if (params != values.size()) {
        result.ok = false;
        result.error = QStringLiteral("%1 values given for %2 parameters").arg(values.size()).arg(params);
        return result;
    }
    for (int i = 0; i < params; ++i) {
        const QVariant& v = values.at(i);
        int rc = SQLITE_OK;
        switch (v.typeId()) {
            case QMetaType::UnknownType:
                rc = sqlite3_bind_null(stmt, i + 1);
                break;
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(stmt, i + 1, v.toDouble());
                break;
            default: {
                if (v.isNull() && v.typeId() != QMetaType::QString) {
                    rc = sqlite3_bind_null(stmt, i + 1);
                    break;
                }
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, i + 1, t.constData(), static_cast<int>(t.size()),
                                       SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK) {
            result.ok = false;
            result.error = errorOf(db_);
            sqlite3_reset(stmt);
            return result;
        }
    }

    const int columns = sqlite3_column_count(stmt);
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            if (onRow) onRow(DbRow(stmt, columns));
            continue;
        }
        if (rc == SQLITE_DONE) break;
        result.ok = false;
        result.error = errorOf(db_);
        break;
    }
    result.changes = result.ok ? sqlite3_changes(db_) : 0;
    sqlite3_reset(stmt);
    return result;
}

DbResult Database::execScript(const QString& sql) {
    DbResult result;
    char* msg = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &msg) != SQLITE_OK) {
        result.ok = false;
        result.error = QString::fromUtf8(msg ? msg : sqlite3_errmsg(db_));
    }
    sqlite3_free(msg);
    return result;
}

QString Database::scalar(const QString& sql, const QVariantList& values, const QString& fallback,
                         DbResult* result) {
    QString out = fallback;
    bool first = true;
    DbResult r = exec(sql, values, [&](const DbRow& row) {
        if (first && row.columnCount() > 0) out = row.text(0);
        first = false;
    });
    if (result) *result = r;
    return out;
}

Transaction::Transaction(Database& db) : db_(db) {
    begin_ = db_.exec(QStringLiteral("BEGIN IMMEDIATE"));
    active_ = begin_.ok;
}

Transaction::~Transaction() {
    if (active_) rollback();
}

DbResult Transaction::commit() {
    if (!active_) {
        DbResult r;
        r.ok = false;
        r.error = begin_.ok ? QStringLiteral("no transaction") : begin_.error;
        return r;
    }
    DbResult r = db_.exec(QStringLiteral("COMMIT"));
    if (r.ok)
        active_ = false;
    else
        rollback();
    return r;
}

void Transaction::rollback() {
    if (!active_) return;
    db_.exec(QStringLiteral("ROLLBACK"));
    active_ = false;
}

}  // namespace zelkor

#include "bulk_insert.h"

#include <stdexcept>

namespace zelkor::demo {

BulkInsert::BulkInsert(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
}

BulkInsert::~BulkInsert() {
    sqlite3_finalize(stmt_);
}

void BulkInsert::row(std::initializer_list<Cell> cells) {
    int i = 1;
    for (const Cell& c : cells) {
        // The texts live until the step below, so SQLite need not copy them.
        const int rc = c ? sqlite3_bind_text(stmt_, i, c->data(), static_cast<int>(c->size()), SQLITE_STATIC)
                         : sqlite3_bind_null(stmt_, i);
        if (rc != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db_));
        ++i;
    }
    if (sqlite3_step(stmt_) != SQLITE_DONE) {
        const std::string message = sqlite3_errmsg(db_);
        sqlite3_reset(stmt_);
        throw std::runtime_error(message);
    }
    sqlite3_reset(stmt_);
    ++count_;
}

void Exec(sqlite3* db, const std::string& sql) {
    char* msg = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &msg) != SQLITE_OK) {
        std::string text = msg ? msg : sqlite3_errmsg(db);
        sqlite3_free(msg);
        throw std::runtime_error(text);
    }
}

}  // namespace zelkor::demo

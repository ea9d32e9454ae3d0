#pragma once
// One prepared INSERT, run once per row with texts bound as parameters. The
// sample library writes a million rows; going through sqlite3 directly with
// values bound in place keeps that to seconds.
#include <sqlite3.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace zelkor::demo {

// A value of a row: a text, or SQL NULL (std::nullopt).
using Cell = std::optional<std::string_view>;

class BulkInsert {
  public:
    BulkInsert(sqlite3* db, const char* sql);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    // Inserts one row; throws std::runtime_error with SQLite's message on failure.
    void row(std::initializer_list<Cell> cells);
    long long count() const { return count_; }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    long long count_ = 0;
};

// Runs a statement without values; throws on failure.
void Exec(sqlite3* db, const std::string& sql);

}  // namespace zelkor::demo

#pragma once
// The member and item names of a long list of movements, looked up once per code
// instead of once per row.
//
// A month of movements names a few thousand members and items tens of thousands of
// times; looking each name up with the row (a join) was two-thirds of the time of
// a report. The statement gives the codes instead, and the sink replaces each with
// its name, read once per list with the same terms the joins had: the member whose
// Id equals the code and whose Nama is not NULL; for an item, the "KUNJUNG" row that
// a visit's own look-up meets first, otherwise the item whose Id equals the code and
// whose NamaItem is not NULL. A code without one gives an empty cell, as the join's
// NULL did. The look-ups run inside the statement's own read, so the names are those
// of the same moment as the rows.
//
// The names read stay for the next list while the library's name mark (UbahNama)
// is the same: it takes a new random value at every change of a member's or an
// item's code or name, in this copy of the program or another, and a month after
// another then looks up only the codes not met before.
#include <functional>
#include <string>
#include <vector>

#include "db/bytes_map.h"
#include "db/database.h"

struct sqlite3_stmt;

namespace zelkor {

class GridData;

enum class NameOf { Member, Item };

// Column `column` of a statement's row holds a code whose name is shown.
struct NamedColumn {
    int column;
    NameOf of;
};

class MovementNames {
  public:
    explicit MovementNames(Database& db);
    ~MovementNames();
    MovementNames(const MovementNames&) = delete;
    MovementNames& operator=(const MovementNames&) = delete;

    // Appends the row to `grid` as AppendNumberedRow does, with the name of the code
    // in each of `names`' columns. Valid while this object lives.
    Database::RowCallback appendNamedRow(GridData& grid, std::vector<NamedColumn> names);

  private:
    using Names = BytesTextMap;

    QStringView name(NameOf of, const DbRow& row, int column);
    void useKeptNames();
    QString lookUp(sqlite3_stmt* stmt, int type, const DbRow& row, int column);

    sqlite3_stmt* member_ = nullptr;
    sqlite3_stmt* item_ = nullptr;
    sqlite3_stmt* visit_ = nullptr;
    sqlite3_stmt* mark_ = nullptr;
    bool marked_ = false;  // the mark was read, in the statement's own read
    Names ownMembers_, ownItems_;
    Names* members_ = &ownMembers_;  // the kept names when the library has a mark
    Names* items_ = &ownItems_;
    std::string key_;
};

}  // namespace zelkor

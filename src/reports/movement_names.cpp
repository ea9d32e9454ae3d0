#include "reports/movement_names.h"

#include <sqlite3.h>

#include <algorithm>

#include "db/row_sinks.h"
#include "ui/grid_data.h"

namespace zelkor {

namespace {

sqlite3_stmt* prepare(Database& db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

}  // namespace

MovementNames::MovementNames(Database& db) {
    // Each name from the index that holds it beside its code; a library without
    // that index (it is only added when a library opens) reads the table.
    member_ =
        prepare(db, "select Nama from Member indexed by Member_Id_Nama where Id=? and Nama is not null");
    if (!member_) member_ = prepare(db, "select Nama from Member where Id=? and Nama is not null");
    item_ = prepare(db,
                    "select NamaItem from ItemPerpus indexed by ItemPerpus_Id_NamaItem "
                    "where Id=? and NamaItem is not null");
    if (!item_) item_ = prepare(db, "select NamaItem from ItemPerpus where Id=? and NamaItem is not null");
    visit_ = prepare(db, "select NamaItem from ItemPerpus where ItemPerpus.Id=?");
    mark_ = prepare(db, "select Versi from UbahNama where Id=1 and Versi is not null");
}

MovementNames::~MovementNames() {
    sqlite3_finalize(member_);
    sqlite3_finalize(item_);
    sqlite3_finalize(visit_);
    sqlite3_finalize(mark_);
}

// The names kept from earlier lists, when the library's mark is the one they were
// read under; emptied and kept anew under a new mark. Without a mark (a library
// opened read-only before it had one) this list's own names are used.
void MovementNames::useKeptNames() {
    marked_ = true;
    if (!mark_) return;
    struct Kept {
        sqlite3_int64 mark = 0;
        bool valid = false;
        Names members, items;
    };
    static Kept kept;
    if (sqlite3_step(mark_) == SQLITE_ROW) {
        const sqlite3_int64 mark = sqlite3_column_int64(mark_, 0);
        // A few hundred thousand names at most; beyond that, start again.
        constexpr std::size_t kMostKept = 400000;
        constexpr std::size_t kMostKeptUnits = std::size_t(64) << 20;  // 128 MiB of codes and names
        if (!kept.valid || kept.mark != mark || kept.members.size() + kept.items.size() > kMostKept ||
            kept.members.units() + kept.items.units() > kMostKeptUnits) {
            kept.members.clear();
            kept.items.clear();
            kept.mark = mark;
            kept.valid = true;
        }
        members_ = &kept.members;
        items_ = &kept.items;
    }
    sqlite3_reset(mark_);
}

Database::RowCallback MovementNames::appendNamedRow(GridData& grid, std::vector<NamedColumn> names) {
    return [this, &grid, names = std::move(names)](const DbRow& row) {
        char16_t number[16];
        GridData::NewRow cells(grid);
        cells.add(RowNumberText(grid.rowCount() + 1, number));
        for (int i = 0; i < row.columnCount(); ++i) {
            const auto named =
                std::find_if(names.begin(), names.end(), [i](const NamedColumn& n) { return n.column == i; });
            if (named == names.end())
                cells.addUtf8(row.utf8(i));
            else
                cells.add(name(named->of, row, i));
        }
    };
}

QStringView MovementNames::name(NameOf of, const DbRow& row, int column) {
    const int type = row.type(column);
    if (type == SQLITE_NULL) return {};
    if (!marked_) useKeptNames();
    // The storage class is part of the code: the text "B1" and the bytes "B1" are
    // different codes to SQLite.
    const QByteArrayView bytes = row.utf8(column);
    key_.assign(1, static_cast<char>(type));
    key_.append(bytes.data(), static_cast<std::size_t>(bytes.size()));
    Names& known = of == NameOf::Member ? *members_ : *items_;
    if (QStringView found; known.find(key_, found)) return found;
    sqlite3_stmt* stmt = member_;
    if (of == NameOf::Item) stmt = type == SQLITE_TEXT && bytes == QByteArrayView("KUNJUNG") ? visit_ : item_;
    return known.add(key_, lookUp(stmt, type, row, column));
}

QString MovementNames::lookUp(sqlite3_stmt* stmt, int type, const DbRow& row, int column) {
    if (!stmt) return {};
    // `type` was read before the text: asking for a blob's text may change what
    // SQLite reports as its type afterwards.
    const QByteArrayView bytes = row.utf8(column);
    switch (type) {
        case SQLITE_INTEGER:
            sqlite3_bind_int64(stmt, 1, row.typedValue(column).toLongLong());
            break;
        case SQLITE_FLOAT:
            sqlite3_bind_double(stmt, 1, row.typedValue(column).toDouble());
            break;
        case SQLITE_BLOB:
            sqlite3_bind_blob(stmt, 1, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
            break;
        default:
            sqlite3_bind_text(stmt, 1, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
    }
    QString name;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        if (p) name = QString::fromUtf8(p, sqlite3_column_bytes(stmt, 0));
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return name;
}

}  // namespace zelkor

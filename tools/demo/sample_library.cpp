#include "sample_library.h"

#include <sqlite3.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "accounts/password_hash.h"
#include "bulk_insert.h"
#include "calendar.h"
#include "cashbook.h"
#include "catalogue.h"
#include "circulation.h"
#include "db/database.h"
#include "db/schema.h"

namespace zelkor::demo {

namespace {

// One seed for the whole sample; each part draws from a stream of its own, so a
// change in one part leaves the others as they were.
constexpr std::uint64_t kSeed = 0x5a454c4b4f52ULL;

// The schema's own indexes, dropped while the rows go in and made again at the
// end: building an index once is much quicker than keeping it up row by row.
std::vector<std::pair<std::string, std::string>> dropIndexes(sqlite3* db) {
    std::vector<std::pair<std::string, std::string>> out;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select name, sql from sqlite_master where type='index' and sql is not null",
                           -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    while (sqlite3_step(stmt) == SQLITE_ROW)
        out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                         reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
    sqlite3_finalize(stmt);
    for (const auto& [name, sql] : out) Exec(db, "drop index \"" + name + "\"");
    return out;
}

void writeOperators(sqlite3* db) {
    BulkInsert insert(db, "insert into useradmin (User, Password) values (?, ?)");
    for (const auto& [user, password] : {std::pair{"admin", "admin"}, std::pair{"siti", "siti123"}}) {
        const std::string hash = HashPassword(QString::fromLatin1(password)).toStdString();
        if (hash.empty()) throw std::runtime_error("a password could not be hashed");
        insert.row({user, hash});
    }
}

}  // namespace

SampleSize BuildSampleLibrary(const std::string& file, int scale, const QDate& today) {
    QString error;
    auto database = Database::open(QString::fromLocal8Bit(file.c_str()), &error);
    if (!database) throw std::runtime_error(error.toStdString());
    if (const DbResult r = ApplySchema(*database); !r) throw std::runtime_error(r.error.toStdString());
    sqlite3* db = database->handle();

    // The file is new and only becomes the library when complete, so there is
    // nothing for a journal to protect while it is filled (a defensive
    // connection refuses to go without one: this file is our own).
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
    Exec(db,
         "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-131072; PRAGMA "
         "temp_store=MEMORY");
    const auto indexes = dropIndexes(db);
    Exec(db, "BEGIN");

    Calendar calendar(today);
    Rng catalogueRng(kSeed + 1), deskRng(kSeed + 2), journalRng(kSeed + 3), lostRng(kSeed + 4);
    Catalogue catalogue = MakeCatalogue(scale, calendar, catalogueRng);

    SampleSize size;
    const DeskHistory desk = WriteDeskHistory(db, catalogue, calendar, 10000LL * scale, deskRng);
    size.movements = desk.movements;
    size.outstanding = desk.outstanding;
    size.overdue = desk.overdue;
    size.carts = desk.carts;
    size.deskLines = desk.journalLines;
    const long long manual = std::max(0LL, 3000LL * scale - desk.journalLines);
    size.journalLines = desk.journalLines + WriteManualJournal(db, calendar, manual, journalRng);
    size.lostReports = WriteLostItems(db, catalogue, calendar, 20 * scale, lostRng);

    WriteItems(db, catalogue);
    WriteTariffs(db, catalogue);
    WriteMembers(db, catalogue);
    writeOperators(db);
    size.items = static_cast<long long>(catalogue.items.size());
    size.tariffs = static_cast<long long>(catalogue.categories.size());
    size.members = static_cast<long long>(catalogue.members.size());
    for (const Member& m : catalogue.members) size.inactiveMembers += m.active ? 0 : 1;
    size.operators = 2;

    for (const auto& [name, sql] : indexes) Exec(db, sql);
    Exec(db, "COMMIT");
    return size;
}

}  // namespace zelkor::demo

#pragma once
// The sample library's collection, members and visit tariffs, made in memory
// first: the desk history picks from them, lost-item reports lower the stock, and
// only then are they written.
#include <sqlite3.h>

#include <string>
#include <vector>

#include "calendar.h"
#include "names.h"
#include "rng.h"

namespace zelkor::demo {

struct Item {
    std::string id, name, author, year, publisher, isbn, shelf;
    int fine = 0;   // Denda per day late
    int price = 0;  // HargaRental per day; above 0 exactly for items for rent
    int stock = 0;
};

struct Category {
    const char* name;
    int loanDays;
    int tariff;  // price of one visit
};

struct Member {
    std::string id, name, sex, birthPlace, birthDate, address;
    int category = 0;
    int loanDays = 0;
    bool active = true;
    int activeUntil = 0;  // last day index on which the member still comes
};

struct Catalogue {
    std::vector<Item> items;
    std::vector<int> lendable, rentable;  // indexes into items, most borrowed first
    std::vector<Category> categories;
    std::vector<Member> members;
};

// `scale` thousand items and `scale` times 200 members.
Catalogue MakeCatalogue(int scale, const Calendar& calendar, Rng& rng);

// Lost-item reports spread over the history; each lowers its item's stock.
// Returns the number written.
long long WriteLostItems(sqlite3* db, Catalogue& catalogue, Calendar& calendar, int count, Rng& rng);

void WriteItems(sqlite3* db, const Catalogue& catalogue);
void WriteTariffs(sqlite3* db, const Catalogue& catalogue);
void WriteMembers(sqlite3* db, const Catalogue& catalogue);

}  // namespace zelkor::demo

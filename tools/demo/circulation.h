#pragma once
// The desk's history: carts of loans, rentals, returns and visits, saved exactly
// as the transaction desk saves them. Movements go into TransPerpus under the
// cart's time stamp and row number; every charge above 0 (rental, late fine,
// visit) goes into Kas under the same identifier as its cart row, a discount
// under the number after the last booked row.
#include <sqlite3.h>

#include "calendar.h"
#include "catalogue.h"
#include "rng.h"

namespace zelkor::demo {

struct DeskHistory {
    long long movements = 0;
    long long carts = 0;
    long long journalLines = 0;
    long long outstanding = 0;  // not returned (visits excluded)
    long long overdue = 0;      // of those, past their due date
};

// Writes exactly `movements` TransPerpus rows and their Kas lines.
DeskHistory WriteDeskHistory(sqlite3* db, const Catalogue& catalogue, Calendar& calendar, long long movements,
                             Rng& rng);

}  // namespace zelkor::demo

#pragma once
// Income and expense lines typed into the cash journal by hand: a 16-character
// identifier (time stamp + "01" for income, "02" for expense), a category and a
// description in the operators' words.
#include <sqlite3.h>

#include "calendar.h"
#include "rng.h"

namespace zelkor::demo {

// Writes `count` lines spread over the history; returns the number written.
long long WriteManualJournal(sqlite3* db, Calendar& calendar, long long count, Rng& rng);

}  // namespace zelkor::demo

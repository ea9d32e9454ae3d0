#pragma once
// A whole sample library in one database file: collection, members, visit
// tariffs, two years of desk history with its cash lines, manual journal lines,
// lost-item reports and two operators.
#include <QDate>
#include <string>

namespace zelkor::demo {

struct SampleSize {
    long long items = 0, tariffs = 0, members = 0, inactiveMembers = 0;
    long long movements = 0, outstanding = 0, overdue = 0, carts = 0;
    long long journalLines = 0, deskLines = 0, lostReports = 0, operators = 0;
};

// Fills the new database file `file` for `scale` (1: a thousand items, 200
// members, 10,000 movements, 3,000 journal lines; everything grows with it).
// The history runs from 1 January of last year to the day before `today`.
// Throws std::runtime_error on failure.
SampleSize BuildSampleLibrary(const std::string& file, int scale, const QDate& today);

}  // namespace zelkor::demo

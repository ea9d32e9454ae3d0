#pragma once
// The lines of one month of the cash journal with their running balance.
//
// The balance ("Saldo") of a line is Sum(Masuk-Keluar) over every Kas row dated
// before it, or on its date with an Id not greater than its own, all months and
// years included, in the order SQLite compares the stored values: a line entered
// late for an earlier date takes its place by date. Summing that afresh for every
// line costs O(n²) on a large journal; here it is the sum of everything dated
// before the month (from the day sums of KasBlok, or a covering index) carried on
// through the month's lines in date and Id order. The values and their text are
// SQLite's own: an all-whole-number sum reads "1500", one with a real number in
// it "1500.0", an empty one "".
#include <QString>

#include "db/database.h"

namespace zelkor {

class GridData;

// Appends the lines dated in `year`-`month` to `grid` in date and Id order, each as a row
// "n.", Id, Tanggal, Kategori, Uraian, Masuk, Keluar, Saldo, Ops (n counting on
// from the rows already there). On a failing statement the grid holds what
// arrived before it.
DbResult JournalMonthLines(Database& db, int year, int month, GridData& grid);

// The balance of the line with this Id, as the journal lists it.
DbResult JournalLineBalance(Database& db, const QString& id, QString& balance);

// The balance brought forward to the end of a month: every line dated from
// 2000-01-01 to the month's last day; empty when there is none.
DbResult BalanceBroughtForward(Database& db, int year, int month, QString& balance);

}  // namespace zelkor

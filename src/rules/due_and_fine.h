#pragma once
// The one place that computes a loan's due date and a late return's fine, from the
// rule that applies (nullptr: none), the library's calendar, the dates and the
// amounts. The desk, the return list, the overdue list and the receipts all ask
// here; with no rule and an empty calendar the figures are those the desk has
// always given (due: today + DurasiPinjam; fine: days late × the item's Denda).
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

#include "rules/calendar.h"
#include "rules/loan_rule.h"

namespace zelkor {

// The loan days: the rule's, else the member's DurasiPinjam as typed.
std::int64_t LoanDays(const LoanRule* rule, const QString& memberDays);

// "yyyy-mm-dd": `from` plus the loan days, moved on to the next open day.
QString LoanDueDate(const LoanRule* rule, const LibraryCalendar& calendar, const QDate& from,
                    const QString& memberDays);

// A renewal's new due date: `from` (today, or the old due date) plus the rule's
// renewal days (else its loan days, else DurasiPinjam), moved on to an open day.
QString RenewedDueDate(const LoanRule* rule, const LibraryCalendar& calendar, const QDate& from,
                       const QString& memberDays);

struct LateFine {
    bool dated = false;  // the due date is a date; otherwise nothing is known
    std::int64_t lateDays = 0;
    bool inGrace = false;                // late, but within the rule's grace days: no fine
    bool capped = false;                 // the fine was cut to the rule's cap
    std::optional<std::int64_t> amount;  // empty when there is no price per late day

    // The return list's cells: days late ("" when undated) and the fine ("" when none).
    QString daysText() const;
    QString amountText() const;
};

// The fine of a loan due on `dueText` returned on `on`: whole late days (never
// part of a day) times the rule's fine per day, else the item's Denda; nothing
// within the grace days; never above the cap.
LateFine FineFor(const LoanRule* rule, const LibraryCalendar& calendar, const QString& dueText,
                 const QDate& on, const QString& itemDenda);
// The same for a due date already read (invalid: not a date), for lists of many.
LateFine FineFor(const LoanRule* rule, const LibraryCalendar& calendar, const QDate& due, const QDate& on,
                 const QString& itemDenda);
// Its two halves, for lists that meet the same due dates and prices again and
// again: the item's Denda as a price per late day (none when empty), and the fine
// of a dated loan already known to be `lateDays` late.
std::optional<double> ItemFinePerDay(const QString& itemDenda);
LateFine FineOf(const LoanRule* rule, std::int64_t lateDays, const std::optional<double>& itemPerDay);

}  // namespace zelkor

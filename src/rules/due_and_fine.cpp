#include "rules/due_and_fine.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/dates.h"
#include "core/money.h"

namespace zelkor {

namespace {

// A part of a unit rounds as SQLite's round() always rounded the return list's
// fines: halves away from zero. Saturates instead of overflowing.
std::int64_t RoundAwayFromZero(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
    if (value <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
    return std::llround(value);
}

}  // namespace

std::int64_t LoanDays(const LoanRule* rule, const QString& memberDays) {
    if (rule && rule->loanDays) return *rule->loanDays;
    return AmountValue(memberDays);
}

QString LoanDueDate(const LoanRule* rule, const LibraryCalendar& calendar, const QDate& from,
                    const QString& memberDays) {
    return IsoDate(calendar.nextOpenDay(from.addDays(LoanDays(rule, memberDays))));
}

QString RenewedDueDate(const LoanRule* rule, const LibraryCalendar& calendar, const QDate& from,
                       const QString& memberDays) {
    const std::int64_t days = rule && rule->renewDays ? *rule->renewDays : LoanDays(rule, memberDays);
    return IsoDate(calendar.nextOpenDay(from.addDays(days)));
}

QString LateFine::daysText() const {
    return dated ? QString::number(lateDays) : QString();
}

QString LateFine::amountText() const {
    return amount ? QString::number(*amount) : QString();
}

LateFine FineFor(const LoanRule* rule, const LibraryCalendar& calendar, const QString& dueText,
                 const QDate& on, const QString& itemDenda) {
    return FineFor(rule, calendar, ParseIsoDate(dueText), on, itemDenda);
}

LateFine FineFor(const LoanRule* rule, const LibraryCalendar& calendar, const QDate& due, const QDate& on,
                 const QString& itemDenda) {
    if (!due.isValid()) return {};
    return FineOf(rule, calendar.lateDays(due, on), ItemFinePerDay(itemDenda));
}

std::optional<double> ItemFinePerDay(const QString& itemDenda) {
    const QString denda = itemDenda.trimmed();
    if (denda.isEmpty()) return std::nullopt;  // no price, no fine
    return LeadingNumber(denda);
}

LateFine FineOf(const LoanRule* rule, std::int64_t lateDays, const std::optional<double>& itemPerDay) {
    LateFine f;
    f.dated = true;
    f.lateDays = lateDays;
    double perDay = 0;
    if (rule && rule->finePerDay)
        perDay = static_cast<double>(*rule->finePerDay);
    else if (itemPerDay)
        perDay = *itemPerDay;
    else
        return f;
    if (rule && rule->graceDays && f.lateDays <= *rule->graceDays && f.lateDays > 0) {
        f.inGrace = true;
        f.amount = 0;
        return f;
    }
    std::int64_t amount = RoundAwayFromZero(static_cast<double>(f.lateDays) * perDay);
    if (rule && rule->fineCap && amount > *rule->fineCap) {
        amount = *rule->fineCap;
        f.capped = true;
    }
    f.amount = amount;
    return f;
}

}  // namespace zelkor

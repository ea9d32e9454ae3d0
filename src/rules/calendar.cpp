#include "rules/calendar.h"

#include <algorithm>

namespace zelkor {

bool LibraryCalendar::isOpen(const QDate& day) const {
    return !closedWeekday[static_cast<std::size_t>(day.dayOfWeek())] && !holidays.contains(day);
}

QDate LibraryCalendar::nextOpenDay(const QDate& day) const {
    if (std::all_of(closedWeekday.begin() + 1, closedWeekday.end(), [](bool c) { return c; })) return day;
    QDate d = day;
    // Holidays come a few at a time; a year of them would be a mistyped calendar.
    for (int i = 0; i < 400 && !isOpen(d); ++i) d = d.addDays(1);
    return isOpen(d) ? d : day;
}

qint64 LibraryCalendar::lateDays(const QDate& due, const QDate& on) const {
    const qint64 all = std::max<qint64>(0, due.daysTo(on));
    if (!countOpenDaysOnly || all == 0) return all;
    // Whole weeks first, then the days left over, then the holidays in between.
    qint64 closedPerWeek = 0;
    for (int w = 1; w <= 7; ++w) closedPerWeek += closedWeekday[static_cast<std::size_t>(w)] ? 1 : 0;
    qint64 open = (all / 7) * (7 - closedPerWeek);
    for (QDate d = due.addDays((all / 7) * 7 + 1); d <= on; d = d.addDays(1))
        if (!closedWeekday[static_cast<std::size_t>(d.dayOfWeek())]) ++open;
    for (const QDate& h : holidays)
        if (h > due && h <= on && !closedWeekday[static_cast<std::size_t>(h.dayOfWeek())]) --open;
    return open;
}

}  // namespace zelkor

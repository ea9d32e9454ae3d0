#pragma once
// The library's calendar: the days of the week it is closed (Sunday, say) and its
// dated holidays. A due date never falls on a closed day, and late days count
// only the days it was open when the library chooses so.
#include <QDate>
#include <QSet>
#include <array>

namespace zelkor {

struct LibraryCalendar {
    std::array<bool, 8> closedWeekday{};  // by QDate::dayOfWeek(): 1 Monday ... 7 Sunday
    QSet<QDate> holidays;
    bool countOpenDaysOnly = false;  // late days: open days only, or every day

    bool isOpen(const QDate& day) const;
    // `day` itself when open, else the next open day. A calendar closed every day
    // of the week has no open day: `day` is kept.
    QDate nextOpenDay(const QDate& day) const;
    // Days late when returned on `on` for a loan due on `due`: 0 up to the due
    // date, then every day after it, or the open days after it.
    qint64 lateDays(const QDate& due, const QDate& on) const;
};

}  // namespace zelkor

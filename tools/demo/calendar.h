#pragma once
// The days of the sample library's history, from 1 January of last year to
// yesterday, and the seconds of each day already taken by a desk transaction or a
// journal entry (one operator at one desk: no two actions share a second, so no
// two time-stamp identifiers meet).
#include <QDate>
#include <cstdint>
#include <string>
#include <vector>

#include "rng.h"

namespace zelkor::demo {

class Calendar {
  public:
    // History up to the day before `today`. Due dates may run a while past it.
    explicit Calendar(const QDate& today);

    int lastDay() const { return lastDay_; }  // yesterday's index; day 0 is 1 January of last year
    int year() const { return year_; }        // this year
    const std::vector<int>& openDays() const { return openDays_; }
    // The first day from `day` on that the library is open (it closes on Sundays).
    int openFrom(int day) const;
    int monthOf(int day) const { return months_.at(day); }  // 1..12

    // "yyyy-mm-dd" and "yyyymmdd" of a day; valid up to lastDay() + kAfter.
    const std::string& iso(int day) const { return iso_.at(day); }
    const std::string& compact(int day) const { return compact_.at(day); }
    static constexpr int kAfter = 120;

    // "HHMMSS" of a second of the day.
    static std::string clock(int second);

    // k distinct seconds of `day` not yet taken, in order, and marks them taken.
    // Opening hours first; the whole day when they run full.
    std::vector<int> takeSeconds(int day, int k, Rng& rng);

  private:
    bool taken(int day, int second) const;
    void mark(int day, int second);

    QDate start_;
    int lastDay_ = 0;
    int year_ = 0;
    std::vector<int> openDays_;
    std::vector<int> months_;
    std::vector<std::string> iso_, compact_;
    std::vector<std::vector<std::uint64_t>> takenBits_;
    std::vector<int> takenCount_;
};

}  // namespace zelkor::demo

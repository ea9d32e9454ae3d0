#include "calendar.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace zelkor::demo {

namespace {
constexpr int kSecondsPerDay = 86400;
constexpr int kOpensAt = 7 * 3600;       // 07:00:00
constexpr int kOpenSeconds = 10 * 3600;  // until 16:59:59
}  // namespace

Calendar::Calendar(const QDate& today) : year_(today.year()) {
    start_ = QDate(today.year() - 1, 1, 1);
    lastDay_ = static_cast<int>(start_.daysTo(today)) - 1;
    const int days = lastDay_ + 1 + kAfter;
    iso_.reserve(days);
    compact_.reserve(days);
    months_.reserve(days);
    for (int d = 0; d < days; ++d) {
        const QDate date = start_.addDays(d);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", date.year(), date.month(), date.day());
        iso_.emplace_back(buf);
        std::snprintf(buf, sizeof buf, "%04d%02d%02d", date.year(), date.month(), date.day());
        compact_.emplace_back(buf);
        months_.push_back(date.month());
        if (d <= lastDay_ && date.dayOfWeek() != 7) openDays_.push_back(d);
    }
    takenBits_.resize(lastDay_ + 1);
    takenCount_.assign(lastDay_ + 1, 0);
}

int Calendar::openFrom(int day) const {
    while (QDate(start_.addDays(day)).dayOfWeek() == 7) ++day;
    return day;
}

std::string Calendar::clock(int second) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", second / 3600, second / 60 % 60, second % 60);
    return buf;
}

bool Calendar::taken(int day, int second) const {
    const auto& bits = takenBits_[day];
    return !bits.empty() && (bits[second / 64] >> (second % 64) & 1);
}

void Calendar::mark(int day, int second) {
    auto& bits = takenBits_[day];
    if (bits.empty()) bits.assign(kSecondsPerDay / 64 + 1, 0);
    bits[second / 64] |= std::uint64_t{1} << (second % 64);
    ++takenCount_[day];
}

std::vector<int> Calendar::takeSeconds(int day, int k, Rng& rng) {
    std::vector<int> out;
    out.reserve(k);
    for (int i = 0; i < k; ++i) {
        // Drawing at random stays quick while a range is at most two thirds full.
        int from = kOpensAt, span = kOpenSeconds;
        if (takenCount_[day] * 3 >= kOpenSeconds * 2) {
            from = 0;
            span = kSecondsPerDay;
            if (takenCount_[day] * 3 >= kSecondsPerDay * 2)
                throw std::runtime_error("too many transactions for one day; choose a smaller --scale");
        }
        int s;
        do s = from + rng.below(span);
        while (taken(day, s));
        mark(day, s);
        out.push_back(s);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace zelkor::demo

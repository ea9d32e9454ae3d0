#include "cell_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace xlstodb {

namespace {

// Windows-1252 at 0x80..0x9F, as UTF-8; the bytes above are Latin-1 (the same
// code points). Undefined places read as U+FFFD.
constexpr const char* kCp1252High[32] = {"\u20AC", "\uFFFD", "\u201A", "\u0192", "\u201E", "\u2026", "\u2020",
                                         "\u2021", "\u02C6", "\u2030", "\u0160", "\u2039", "\u0152", "\uFFFD",
                                         "\u017D", "\uFFFD", "\uFFFD", "\u2018", "\u2019", "\u201C", "\u201D",
                                         "\u2022", "\u2013", "\u2014", "\u02DC", "\u2122", "\u0161", "\u203A",
                                         "\u0153", "\uFFFD", "\u017E", "\u0178"};

// The length of the valid UTF-8 sequence at `i`, or 0 when the byte there starts none
// (overlong forms and surrogates included).
size_t sequenceLength(std::string_view s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    size_t len = 0;
    char32_t cp = 0, min = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    return cp >= min && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF) ? len : 0;
}

// What a byte that is no UTF-8 stands for when read as Windows-1252.
std::string_view cp1252(unsigned char c, char (&buf)[2]) {
    if (c < 0xA0) return kCp1252High[c - 0x80];
    buf[0] = static_cast<char>(0xC0 | (c >> 6));
    buf[1] = static_cast<char>(0x80 | (c & 0x3F));
    return {buf, 2};
}

// Characters that stand for a space in a cell: control characters (line breaks,
// tabs), the C1 controls, the no-break space and the line and paragraph separators.
bool isSpaceLike(std::string_view ch) {
    const auto c = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) return c <= 0x20 || c == 0x7F;
    if (ch.size() == 2) return c == 0xC2 && static_cast<unsigned char>(ch[1]) <= 0xA0;
    return ch == "\u2028" || ch == "\u2029";
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to a civil date, and back (H. Hinnant's algorithms).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

// ---- reading a date text -----------------------------------------------------

struct Token {
    enum Kind { Number, Word } kind;
    std::string_view text;
};

int monthByName(std::string_view word) {
    std::string w;
    for (char c : word) w.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    // Indonesian and English names; a name may be cut to its first three letters
    // (or more), as calendars and spreadsheets abbreviate them.
    static constexpr const char* kNames[][3] = {
        {"januari", "january", nullptr},   {"februari", "february", "pebruari"},
        {"maret", "march", nullptr},       {"april", nullptr, nullptr},
        {"mei", "may", nullptr},           {"juni", "june", nullptr},
        {"juli", "july", nullptr},         {"agustus", "august", "agt"},
        {"september", nullptr, nullptr},   {"oktober", "october", nullptr},
        {"nopember", "november", nullptr}, {"desember", "december", nullptr}};
    if (w.size() < 3) return 0;
    for (int m = 0; m < 12; ++m) {
        for (const char* name : kNames[m]) {
            if (!name) continue;
            const std::string_view n(name);
            if (w == n || (w.size() >= 3 && w.size() < n.size() && n.substr(0, w.size()) == w)) return m + 1;
        }
    }
    return 0;
}

int toInt(std::string_view digits) {
    int v = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), v);
    return v;
}

std::optional<Date> makeDate(int y, int m, int d) {
    if (!IsValidDate(y, m, d)) return std::nullopt;
    Date date;
    date.year = y, date.month = m, date.day = d;
    return date;
}

}  // namespace

std::string CleanCell(std::string_view text) {
    std::string out;
    out.reserve(std::min(text.size(), kMaxCellChars * 2));
    size_t chars = 0;
    size_t pendingSpaces = 0;  // spaces are written only when something follows them
    size_t i = 0;
    char latin[2];
    while (i < text.size() && chars < kMaxCellChars) {
        const size_t len = sequenceLength(text, i);
        std::string_view ch = len ? text.substr(i, len) : cp1252(static_cast<unsigned char>(text[i]), latin);
        i += len ? len : 1;
        if (ch == "\uFEFF") continue;  // a byte-order mark
        if (isSpaceLike(ch)) {
            if (!out.empty()) ++pendingSpaces;
            // A Windows line end is one break, not two.
            if (ch == "\r" && i < text.size() && text[i] == '\n') ++i;
            continue;
        }
        if (ch == ";") ch = ",";
        if (ch == "|") ch = "/";
        for (; pendingSpaces > 0 && chars < kMaxCellChars - 1; --pendingSpaces, ++chars) out.push_back(' ');
        pendingSpaces = 0;
        out += ch;
        ++chars;
    }
    return out;
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) return {};
    char buf[64];
    if (value == std::trunc(value) && std::fabs(value) < 1e21) {
        std::snprintf(buf, sizeof buf, "%.0f", value == 0 ? 0.0 : value);
        return buf;
    }
    // Spreadsheets show 15 significant digits; beyond that is binary noise
    // (0.1 + 0.2 is 0.30000000000000004).
    std::snprintf(buf, sizeof buf, "%.15g", value);
    double rounded = std::strtod(buf, nullptr);
    if (!std::isfinite(rounded)) rounded = value;  // rounding the largest doubles overflows
    if (rounded == std::trunc(rounded) && std::fabs(rounded) < 1e21) return NumberText(rounded);
    const double magnitude = std::fabs(rounded);
    const auto format =
        magnitude >= 1e-9 && magnitude < 1e21 ? std::chars_format::fixed : std::chars_format::general;
    const auto r = std::to_chars(buf, buf + sizeof buf, rounded, format);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string();
}

std::string_view DropZeroFraction(std::string_view text) {
    const size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point + 1 == text.size()) return text;
    const std::string_view whole = text.substr(0, point);
    const size_t start = whole.front() == '-' ? 1 : 0;
    if (start == whole.size()) return text;
    for (size_t k = start; k < whole.size(); ++k)
        if (!isDigit(whole[k])) return text;
    for (size_t k = point + 1; k < text.size(); ++k)
        if (text[k] != '0') return text;
    return whole;
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

std::string DateText(const Date& d) {
    char buf[40];
    if (d.hour == 0 && d.minute == 0 && d.second == 0)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                      d.minute, d.second);
    return buf;
}

std::optional<Date> SerialDate(double serial, int originYear, int originMonth, int originDay) {
    if (!std::isfinite(serial) || serial < 0 || serial > 4e6) return std::nullopt;
    // Time to the nearest second; 23:59:59.7 rounds into the next day.
    const long long seconds = std::llround(serial * 86400.0);
    const long long days = seconds / 86400;
    long long rest = seconds % 86400;
    const long long origin =
        daysFromCivil(originYear, static_cast<unsigned>(originMonth), static_cast<unsigned>(originDay));
    Date d;
    civilFromDays(origin + days, d.year, d.month, d.day);
    if (d.year < 1 || d.year > 9999) return std::nullopt;
    d.hour = static_cast<int>(rest / 3600);
    rest %= 3600;
    d.minute = static_cast<int>(rest / 60);
    d.second = static_cast<int>(rest % 60);
    return d;
}

std::optional<Date> ParseDateText(std::string_view text) {
    // Words and numbers, separated by "-", "/", ".", "," or spaces. A time after
    // the date (a ":" in a number group) ends the date.
    std::array<Token, 3> parts{};
    size_t count = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '-' || c == '/' || c == '.' || c == ',' || c == '\t') {
            ++i;
            continue;
        }
        const size_t start = i;
        const bool digit = isDigit(c);
        while (i < text.size()) {
            const char k = text[i];
            const bool letter = (k >= 'a' && k <= 'z') || (k >= 'A' && k <= 'Z');
            if (digit ? !isDigit(k) : !letter) break;
            ++i;
        }
        if (i == start) return std::nullopt;  // a character no date has
        if (i < text.size() && text[i] == ':') {
            if (count == 3) break;  // "2016-03-07 10:00:00"
            return std::nullopt;
        }
        if (count == 3) {
            // After a whole date only a time may follow ("T10:00" of ISO texts too).
            if (text[start] == 'T' && i - start == 1) break;
            return std::nullopt;
        }
        parts[count++] = {digit ? Token::Number : Token::Word, text.substr(start, i - start)};
    }

    if (count == 1 && parts[0].kind == Token::Number && parts[0].text.size() == 8) {
        const std::string_view s = parts[0].text;
        return makeDate(toInt(s.substr(0, 4)), toInt(s.substr(4, 2)), toInt(s.substr(6, 2)));
    }
    if (count != 3 || parts[0].kind != Token::Number || parts[2].kind != Token::Number) return std::nullopt;
    const std::string_view a = parts[0].text, c = parts[2].text;
    int month = 0;
    if (parts[1].kind == Token::Word) {
        month = monthByName(parts[1].text);
    } else if (parts[1].text.size() <= 2) {
        month = toInt(parts[1].text);
    }
    if (month == 0) return std::nullopt;
    if (a.size() == 4 && c.size() <= 2) return makeDate(toInt(a), month, toInt(c));
    if (a.size() <= 2 && c.size() == 4) return makeDate(toInt(c), month, toInt(a));
    return std::nullopt;
}

}  // namespace xlstodb

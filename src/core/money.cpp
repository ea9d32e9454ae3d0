#include "core/money.h"

#include <cmath>
#include <limits>

namespace zelkor {

namespace {

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

bool AmountFits(std::int64_t amount) {
    return amount >= -kMaxAmount && amount <= kMaxAmount;
}

double LeadingNumber(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    const int start = i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    bool digits = false;
    while (i < n && IsAsciiDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsAsciiDigit(text[i])) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return 0.0;
    // An exponent only counts when digits follow it ("1e3" is 1000, "1e" is 1).
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        if (j < n && (text[j] == '-' || text[j] == '+')) ++j;
        if (j < n && IsAsciiDigit(text[j])) {
            while (j < n && IsAsciiDigit(text[j])) ++j;
            i = j;
        }
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    if (std::isinf(v)) {
        // Too many digits for a double: the largest one, so that it reads as far
        // too much rather than as nothing.
        const double largest = std::numeric_limits<double>::max();
        return negative ? -largest : largest;
    }
    return ok && std::isfinite(v) ? v : 0.0;  // a number too small to hold reads 0
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    const double r = std::nearbyint(value);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (r >= 9223372036854775808.0) return kMax64;
    if (r < -9223372036854775808.0) return kMin64;
    return static_cast<std::int64_t>(r);
}

std::int64_t AmountValue(const QString& text) {
    return RoundHalfEven(LeadingNumber(text));
}

std::int64_t AddAmounts(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) return b > 0 ? kMax64 : kMin64;
    return r;
}

std::int64_t SubtractAmounts(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) return b < 0 ? kMax64 : kMin64;
    return r;
}

QString PlainNumber(double value) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    if (value == std::floor(value) && std::fabs(value) < 9.0e15)
        return QString::number(static_cast<std::int64_t>(value));
    QString s = QString::number(value, 'f', 6);
    while (s.endsWith('0')) s.chop(1);
    if (s.endsWith('.')) s.chop(1);
    return s;
}

QString DigitsOnly(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (IsAsciiDigit(c)) out.append(c);
    return out;
}

}  // namespace zelkor

#include "core/money.h"

#include <cmath>

namespace zelkor {

double LeadingNumber(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    const int start = i;
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) { ++i; digits = true; }
    }
    if (!digits) return 0.0;
    // An exponent only counts when digits follow it ("1e3" is 1000, "1e" is 1).
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        if (j < n && (text[j] == '-' || text[j] == '+')) ++j;
        if (j < n && text[j].isDigit()) {
            while (j < n && text[j].isDigit()) ++j;
            i = j;
        }
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

std::int64_t RoundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int64_t AmountValue(const QString& text) { return RoundHalfEven(LeadingNumber(text)); }

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
        if (c >= '0' && c <= '9') out.append(c);
    return out;
}

}  // namespace zelkor

#pragma once
// Amounts are whole numbers kept as texts of digits. These helpers read such texts
// the way the system always has: the leading decimal number counts, anything else
// (an empty text, letters) reads 0.
#include <QString>
#include <cstdint>

namespace zelkor {

// The leading decimal number of a text ("12abc" -> 12, "1500.0" -> 1500, "-3" -> -3,
// "" -> 0). Leading blanks are skipped.
double LeadingNumber(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double value);

// LeadingNumber rounded half-to-even: the whole amount a money text stands for.
std::int64_t AmountValue(const QString& text);

// A number written as a plain decimal: whole numbers without a decimal point
// ("7500"), others with as many digits as needed ("2.5"), never in exponent form.
QString PlainNumber(double value);

// Keeps only the digits of a text; the numeric entry fields accept nothing else.
QString DigitsOnly(const QString& text);

}  // namespace zelkor

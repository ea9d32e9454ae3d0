#pragma once
// Amounts are whole numbers kept as texts of digits. These helpers read such texts
// the way the system always has: the leading decimal number counts, anything else
// (an empty text, letters) reads 0. Nothing here overflows: a number too large to
// hold saturates at the edge of the range, where AmountFits tells it apart.
#include <QString>
#include <cstdint>

namespace zelkor {

// The longest amount an operator can type: 12 digits, 999,999,999,999.
inline constexpr int kAmountDigits = 12;
inline constexpr std::int64_t kMaxAmount = 999'999'999'999;

// Whether an amount is one the desk can book and print: |amount| <= kMaxAmount.
bool AmountFits(std::int64_t amount);

// The leading decimal number of a text ("12abc" -> 12, "1500.0" -> 1500, "-3" -> -3,
// "" -> 0). Leading blanks are skipped. A number beyond the range of a double reads
// as the largest double of its sign, never as 0 or infinity.
double LeadingNumber(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Beyond the 64-bit range it saturates at the range's edge; not-a-number gives 0.
std::int64_t RoundHalfEven(double value);

// LeadingNumber rounded half-to-even: the whole amount a money text stands for.
std::int64_t AmountValue(const QString& text);

// a + b and a - b, saturated at the edges of the 64-bit range instead of wrapping.
std::int64_t AddAmounts(std::int64_t a, std::int64_t b);
std::int64_t SubtractAmounts(std::int64_t a, std::int64_t b);

// A number written as a plain decimal: whole numbers without a decimal point
// ("7500"), others with as many digits as needed ("2.5"), never in exponent form.
QString PlainNumber(double value);

// Keeps only the digits 0 to 9 of a text: what an amount field holds.
QString DigitsOnly(const QString& text);

}  // namespace zelkor

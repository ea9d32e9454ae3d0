#pragma once
// A whole amount of money written out in Indonesian words, as receipts and
// vouchers print it.
#include <QString>
#include <cstdint>

namespace zelkor {

// Every word comes with one space in front of it and a zero part gives a single
// space, so the text starts with a space and may hold two in a row (1500 gives
// " seribu lima ratus "). Nothing is trimmed or capitalised. Amounts up to 12
// digits, the longest the operator can type, are written out ("milyar" for the
// thousand millions); from 1,000,000,000,000 on the result is empty. A negative amount (a discount larger
// than the total) reads " minus" followed by the words of its absolute value.
QString AmountInWords(std::int64_t n);

}  // namespace zelkor

#include "printing/amount_in_words.h"

#include <array>

namespace zelkor {

namespace {

// Every amount the desk and the journal can book (12 digits) has its words.
constexpr std::int64_t kLimit = 1000000000000;

const std::array<const char*, 12> kWords = {"",     "satu",  "dua",     "tiga",     "empat",   "lima",
                                            "enam", "tujuh", "delapan", "sembilan", "sepuluh", "sebelas"};

// 0 <= n < kLimit.
QString Words(std::int64_t n) {
    if (n < 12) return QStringLiteral(" ") + QLatin1String(kWords[static_cast<std::size_t>(n)]);
    if (n < 20) return Words(n - 10) + QStringLiteral(" belas");
    if (n < 100) return Words(n / 10) + QStringLiteral(" puluh") + Words(n % 10);
    if (n < 200) return QStringLiteral(" seratus") + Words(n - 100);
    if (n < 1000) return Words(n / 100) + QStringLiteral(" ratus") + Words(n % 100);
    if (n < 2000) return QStringLiteral(" seribu") + Words(n - 1000);
    if (n < 1000000) return Words(n / 1000) + QStringLiteral(" ribu") + Words(n % 1000);
    if (n < 1000000000) return Words(n / 1000000) + QStringLiteral(" juta") + Words(n % 1000000);
    return Words(n / 1000000000) + QStringLiteral(" milyar") + Words(n % 1000000000);
}

}  // namespace

QString AmountInWords(std::int64_t n) {
    if (n >= kLimit || n <= -kLimit) return {};
    // The word table has nothing below 0; the sign is said first, then the amount.
    if (n < 0) return QStringLiteral(" minus") + Words(-n);
    return Words(n);
}

}  // namespace zelkor

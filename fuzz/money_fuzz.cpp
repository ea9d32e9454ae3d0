// Money typed or stored as text must never overflow or be read as another amount:
// any bytes, read as amount texts and as raw numbers, go through the money helpers
// and the cart's totals, and what they give must add up.
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "circulation/cart.h"
#include "core/money.h"
#include "printing/amount_in_words.h"
#include "ui/grid_data.h"

using namespace zelkor;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

std::int64_t Clamp(__int128 v) {
    if (v > std::numeric_limits<std::int64_t>::max()) return std::numeric_limits<std::int64_t>::max();
    if (v < std::numeric_limits<std::int64_t>::min()) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
}

// The raw bytes as two whole numbers and a double.
void RawNumbers(const std::uint8_t* data, std::size_t size) {
    if (size < 24) return;
    std::int64_t a, b;
    double x;
    std::memcpy(&a, data, 8);
    std::memcpy(&b, data + 8, 8);
    std::memcpy(&x, data + 16, 8);
    Check(AddAmounts(a, b) == Clamp(static_cast<__int128>(a) + b));
    Check(SubtractAmounts(a, b) == Clamp(static_cast<__int128>(a) - b));

    const std::int64_t r = RoundHalfEven(x);
    if (std::isfinite(x) && std::fabs(x) < 4.0e18) {
        const double off = static_cast<double>(r) - x;
        Check(std::fabs(off) <= 0.5);
        if (std::fabs(off) == 0.5) Check(r % 2 == 0);
    }
    const QString plain = PlainNumber(x);
    Check(!plain.contains(QLatin1Char('e')) && !plain.contains(QLatin1Char('E')));
    if (std::isfinite(x) && x == std::floor(x) && std::fabs(x) < 9.0e15) Check(LeadingNumber(plain) == x);
}

void AmountText(const QString& t) {
    const double v = LeadingNumber(t);
    Check(std::isfinite(v));
    Check(AmountValue(t) == RoundHalfEven(v));
    const QString digits = DigitsOnly(t);
    for (QChar c : digits) Check(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    Check(DigitsOnly(digits) == digits);
    Check(AmountValue(digits) >= 0);
    const std::int64_t n = AmountValue(t);
    const QString words = AmountInWords(n);
    if (n >= 0 && n < 1000000000) Check(words.startsWith(QLatin1Char(' ')));
}

// Lines: the discount, the amount paid, then the Biaya cells of the cart.
void Cart(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    GridData cart;
    SetUpCartColumns(cart);
    for (int i = 2; i < lines.size() && i < 66; ++i)
        AppendCartRow(cart, QStringLiteral("K"), QStringLiteral("Item"), QStringLiteral("1"), lines[i],
                      kTransRental, QStringLiteral("2016-03-10"));
    const QString potongan = lines.value(0);
    const QString dibayar = lines.value(1);
    const CartTotals t = ComputeTotals(cart, potongan);
    Check(t.dibayar == t.netto && t.sisa == 0);
    const CartCheck check = CheckCart(cart, t, dibayar);
    if (check != CartCheck::TooLarge) {
        // Whatever may be booked adds up exactly and fits on the screen and the receipt.
        Check(AmountFits(t.jumlah) && AmountFits(t.potongan) && AmountFits(t.netto));
        Check(t.netto == t.jumlah - t.potongan);
        Check(Remainder(dibayar, QString::number(t.netto)) == AmountValue(dibayar) - t.netto);
        for (int r = 0; r < cart.rowCount(); ++r) Check(AmountFits(AmountValue(cart.cell(r, CartBiaya))));
    }
    if (check == CartCheck::Ok || check == CartCheck::PaidShort) Check(t.netto >= 0);
    if (check == CartCheck::Ok) Check(AmountValue(dibayar) >= t.netto);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RawNumbers(data, size);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    AmountText(text);
    Cart(text);
    return 0;
}

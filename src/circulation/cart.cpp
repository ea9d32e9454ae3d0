#include "circulation/cart.h"

#include "core/money.h"

namespace zelkor {

void SetUpCartColumns(GridData& cart) {
    cart.setColumns({
        {QStringLiteral("No."), 50, Align::Left},
        {QStringLiteral("Kode"), 80, Align::Left},
        {QStringLiteral("Nama Item"), 180, Align::Left},
        {QStringLiteral("n Hari"), 50, Align::Center},
        {QStringLiteral("Biaya"), 60, Align::Right},
        {QStringLiteral("Trans"), 100, Align::Center},
        {QStringLiteral("Tgl. Kembali"), 100, Align::Center},
    });
}

void AppendCartRow(GridData& cart, const QString& kode, const QString& namaItem, const QString& nHari,
                   const QString& biaya, const QString& trans, const QString& tglKembali) {
    cart.appendRow({QString::number(cart.rowCount() + 1), kode, namaItem, nHari, biaya, trans, tglKembali});
}

void RemoveCartRow(GridData& cart, int row) {
    if (row < 0 || row >= cart.rowCount()) return;
    cart.removeRow(row);
    for (int r = row; r < cart.rowCount(); ++r) cart.setCell(r, CartNo, QString::number(r + 1));
}

QSet<QString> MovementsInCart(const GridData& cart) {
    QSet<QString> out;
    for (int r = 0; r < cart.rowCount(); ++r) {
        const QString trans = cart.cell(r, CartTrans);
        if (trans == kTransReturn || trans == kTransPerpanjang) out.insert(cart.cell(r, CartKode));
    }
    return out;
}

std::int64_t CartSum(const GridData& cart) {
    std::int64_t sum = 0;
    for (int r = 0; r < cart.rowCount(); ++r)
        sum = RoundHalfEven(LeadingNumber(cart.cell(r, CartBiaya)) + static_cast<double>(sum));
    return sum;
}

CartTotals ComputeTotals(const GridData& cart, const QString& potonganText) {
    CartTotals t;
    t.jumlah = CartSum(cart);
    t.potongan = AmountValue(potonganText);
    t.netto = SubtractAmounts(t.jumlah, t.potongan);
    t.dibayar = t.netto;
    t.sisa = SubtractAmounts(t.dibayar, t.netto);
    return t;
}

std::int64_t Remainder(const QString& dibayarText, const QString& nettoText) {
    return SubtractAmounts(AmountValue(dibayarText), AmountValue(nettoText));
}

CartCheck CheckCart(const GridData& cart, const CartTotals& shown, const QString& dibayarText) {
    const std::int64_t dibayar = AmountValue(dibayarText);
    bool fits = AmountFits(shown.jumlah) && AmountFits(shown.potongan) && AmountFits(shown.netto) &&
                AmountFits(dibayar);
    for (int r = 0; r < cart.rowCount() && fits; ++r) fits = AmountFits(AmountValue(cart.cell(r, CartBiaya)));
    if (!fits) return CartCheck::TooLarge;
    if (shown.netto < 0) return CartCheck::NegativeNet;
    if (dibayar < shown.netto) return CartCheck::PaidShort;
    return CartCheck::Ok;
}

bool IsCharged(const QString& biaya) {
    return LeadingNumber(biaya) > 0;
}

}  // namespace zelkor

#pragma once
// The desk's cart as plain data, and the arithmetic of its totals. No widgets here:
// the desk shows what these functions compute, the save books from the same cart.
#include <QSet>
#include <QString>
#include <cstdint>

#include "ui/grid_data.h"

namespace zelkor {

// The seven columns of the cart; every cell is a text.
enum CartColumn {
    CartNo,          // "No."         position when added (rows then in the cart + 1), no point
    CartKode,        // "Kode"        item Id; TransPerpus.Id for a return or a renewal; "KUNJUNG" for a visit
    CartNamaItem,    // "Nama Item"
    CartNHari,       // "n Hari"      days
    CartBiaya,       // "Biaya"       the charge of the row; empty counts 0
    CartTrans,       // "Trans"       "PINJAM", "RENTAL", "RETURN", "KUNJUNG" or "PERPANJANG"
    CartTglKembali,  // "Tgl. Kembali" due date "yyyy-mm-dd"
    CartColumnCount
};

// The row kinds written in the Trans column.
inline const QString kTransPinjam = QStringLiteral("PINJAM");
inline const QString kTransRental = QStringLiteral("RENTAL");
inline const QString kTransReturn = QStringLiteral("RETURN");
inline const QString kTransKunjung = QStringLiteral("KUNJUNG");
// A renewal: the loan named in Kode gets the row's Tgl. Kembali; its Biaya is the
// fine of a loan already late, settled by the same cart.
inline const QString kTransPerpanjang = QStringLiteral("PERPANJANG");

// Gives an empty grid the cart's headers, widths and alignments.
void SetUpCartColumns(GridData& cart);

// Appends a row numbered rowCount() + 1.
void AppendCartRow(GridData& cart, const QString& kode, const QString& namaItem, const QString& nHari,
                   const QString& biaya, const QString& trans, const QString& tglKembali);

// Takes row `row` out of the cart; the rows after it move up and are numbered anew,
// so the numbers Simpan turns into identifiers stay 1, 2, 3...
void RemoveCartRow(GridData& cart, int row);

// The movements the cart already returns or renews: the return and renewal lists do
// not offer them again, so a loan is never closed or fined twice in one save.
QSet<QString> MovementsInCart(const GridData& cart);

// The sum of the Biaya cells, rounded (halves to even) after every row added, as the
// desk has always summed: sum = round(value(Biaya) + sum). Saturates instead of
// overflowing; CartFits tells a sum too large to book.
std::int64_t CartSum(const GridData& cart);

struct CartTotals {
    std::int64_t jumlah = 0;    // "Jumlah"
    std::int64_t potongan = 0;  // the discount field's value
    std::int64_t netto = 0;     // "Jml. Netto" = jumlah - potongan
    std::int64_t dibayar = 0;   // "Dibayar", preset to the net amount
    std::int64_t sisa = 0;      // "Sisa +/-" = dibayar - netto
};

// The totals after a row was added or the discount changed: the amount paid is
// preset to exactly what is due, so Sisa is 0. Saturates instead of overflowing.
CartTotals ComputeTotals(const GridData& cart, const QString& potonganText);

// Sisa when the operator types the amount paid: value(Dibayar) - value(Jml. Netto).
// Positive is change to give back, negative is still owed.
std::int64_t Remainder(const QString& dibayarText, const QString& nettoText);

// What Simpan must settle with the operator before it writes anything, in this order.
enum class CartCheck {
    Ok,
    TooLarge,     // a charge or a total beyond kMaxAmount: it could not be booked as shown
    NegativeNet,  // the discount is larger than the total: Jml. Netto below 0
    PaidShort,    // Dibayar below Jml. Netto: the operator confirms before it is booked as paid
};

// Checks the cart, its totals as shown and the amount paid as typed.
CartCheck CheckCart(const GridData& cart, const CartTotals& shown, const QString& dibayarText);

// A Biaya cell that is booked in the journal (its value above 0).
bool IsCharged(const QString& biaya);

}  // namespace zelkor

#pragma once
// What a transaction receipt prints: the desk's texts as the desk shows them, and
// the identity and operator of the run. The desk fills one of these for Cetak.
#include <QString>
#include <vector>

namespace zelkor {

struct ReceiptRow {
    QString no, kode, namaItem, nHari, biaya, trans, tglKembali;  // the cart's seven cells
};

struct ReceiptData {
    QString libraryName, libraryAddress, libraryPhone, libraryEmail;
    QString todayText;  // "yyyy-mm-dd"
    QString currentOperator;
    QString clockText;                   // "HH:mm:ss" when printing
    QString printDate;                   // the computer's date when printing, "dd-mm-yyyy"
    QString memberName, memberCategory;  // member panel "Nama" and "Kategori"
    std::vector<ReceiptRow> rows;
    QString jumlah, potongan, netto, dibayar, sisa;  // the desk's value labels and fields
};

enum class ReceiptKind { Small, Medium };  // "Struk Kecil", "Struk Sedang"

}  // namespace zelkor

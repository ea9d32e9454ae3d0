#pragma once
// What the import dialog does with records, without a widget: the grid's columns
// for each target, the header line handed to the reader module, the reply split
// into rows, and what a row's cells become in the database. The dialog, the tests
// and the benchmark share these.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "ui/grid_data.h"

namespace zelkor {

// The table the import fills, as AppContext::importTarget names it.
enum class ImportKind { Items, Members, None };
ImportKind ImportKindOf(const QString& importTarget);

// Columns of the import grid.
namespace import_item {
enum Column { Id, Nama, Pengarang, HakCipta, Penerbit, Isbn, Denda, Stock, HrgRental, Rak, Status, Count };
}
namespace import_member {
enum Column { Id, Nama, JenisKelamin, TmpLahir, TglLahir, Alamat, Durasi, Status, Count };
}

// The header line handed to the reader: the fields it delivers, in order.
QString ImportHeaderLine(ImportKind kind);
// The grid's columns (headers, widths, alignments), "Status" last.
std::vector<GridColumn> ImportColumns(ImportKind kind);
// The column "Status" and the number of fields before it.
int ImportStatusColumn(ImportKind kind);

// The "Status" of a saved row, and of a refused one with the reason, so that the
// operator can mend the sheet and read it again.
inline const QString kImportSaved = QStringLiteral("Berhasil di input");
inline const QString kImportSavedUndated = QStringLiteral("Berhasil di input, tanggal tidak terbaca");
inline const QString kImportNoCode = QStringLiteral("Gagal: kode kosong");
inline const QString kImportNoName = QStringLiteral("Gagal: nama kosong");
inline const QString kImportTariffCode = QStringLiteral("Gagal: kode KUNJUNG khusus tarif kunjungan");
inline const QString kImportNotWhole = QStringLiteral("Gagal: %1 bukan angka bulat");  // %1: the column
inline const QString kImportCodeTaken = QStringLiteral("Gagal: kode sudah ada");
inline const QString kImportDbRefused =
    QStringLiteral("Gagal: ditolak database (%1)");  // %1: SQLite's message

// A reply of the reader module: its records, each cut or padded to `fields`
// fields; or, when the reply is no record text (it does not end with "|"), the
// reader's message for the operator. An empty reply is no records and no message.
struct ImportReply {
    QList<QStringList> records;
    QString message;
};
ImportReply SplitRecordText(const QString& reply, int fields);

// A record as its grid row: the cells as the reader gave them, a whole number
// written with thousands separators or "Rp" as plain digits ("Rp 1.500" -> "1500"),
// and an empty "Status".
QStringList ImportGridRow(ImportKind kind, QStringList record);

// A whole number as the digits-only fields of the record forms hold it: digits,
// digit groups of three split by ".", "," or spaces ("1.500" is 1500 in Indonesia),
// or digits with a zero fraction ("1500.0"), after an optional "Rp". Empty stays
// empty; anything else (a fraction, a word, more than 12 digits) gives nothing.
std::optional<QString> WholeNumberText(const QString& text);

// The values one grid row is inserted with, in the order of the insert
// statement's columns; nothing when the row cannot be saved: no code or name, the
// item code "KUNJUNG" of the visit tariffs, or a number field that is not a whole
// number (see WholeNumberText). `refusal`, when given, then takes the row's "Status"
// (kImportNoCode, kImportNoName, kImportTariffCode, kImportNotWhole).
//   items:   Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, JmlStock,
//            Rental ("1" when the rental price is above 0), HargaRental, Rak
//   members: Id, Nama, LP (GenderWords), TmpLahir, TglLahir ("yyyy-mm-dd", or empty
//            when none or an unreadable one was given), Alamat, Kategori (`category`), DurasiPinjam, Status
//            ("1")
std::optional<QStringList> ImportValues(ImportKind kind, const QStringList& row, const QString& category,
                                        QString* refusal = nullptr);

// A member's "Jenis_Kelamin" in the words of the member form: "Laki-laki" for L
// and the words people write for it (Pria, Male...), "Perempuan" for P and its
// words (Wanita...), whatever their case; anything else as it was.
QString GenderWords(const QString& text);

// A birth date given in the row but not readable as a date: it is stored empty.
bool UnreadableBirthDate(const QStringList& row);

}  // namespace zelkor

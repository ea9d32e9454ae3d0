#include "cashbook/entry_rules.h"

#include "core/dates.h"

namespace zelkor {

QString ProposedJournalCode(EntrySide side, const QString& todayText, const QString& clockText) {
    return TimeStamp(todayText, clockText) +
           (side == EntrySide::Income ? QStringLiteral("01") : QStringLiteral("02"));
}

std::optional<std::int64_t> ParseAmount(const QString& text) {
    QString digits = text;
    digits.remove(QLatin1Char('.'));
    if (digits.isEmpty() || digits.size() > kAmountDigits) return std::nullopt;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return digits.toLongLong();
}

QString MissingFieldText(EntrySide side, bool categoryMissing) {
    if (side == EntrySide::Income) return QStringLiteral("Gagal menyimpan, kolom yang belum terisi..");
    return categoryMissing ? QStringLiteral("Gagal menyimpan, kolom Kategori belum terisi..")
                           : QStringLiteral("Gagal menyimpan, kolom Kode Jurnal belum terisi..");
}

QString EntryTitle(EntrySide side) {
    return side == EntrySide::Income ? QStringLiteral("Jurnal Penerimaan")
                                     : QStringLiteral("Jurnal Pengeluaran");
}

QString EntryHeading(EntrySide side) {
    return EntryTitle(side) + QStringLiteral("..");
}

QString EntryExplanation(EntrySide side) {
    return side == EntrySide::Income ? QStringLiteral("Catatan Jurnal penerimaan kas atau pendapatan..")
                                     : QStringLiteral("Catatan Jurnal pengeluaran kas atau belanja..");
}

QString CategoriesSql(EntrySide side) {
    return side == EntrySide::Income
               ? QStringLiteral("Select Kategori From Kas Where Masuk>0 or Masuk<0  group by Kategori")
               : QStringLiteral("Select Kategori From Kas Where Keluar>0 or Keluar<0  group by Kategori");
}

QString InsertLineSql(EntrySide side) {
    return side == EntrySide::Income ? QStringLiteral(
                                           "Insert Into kas (id,tanggal,uraian,kategori,Masuk,keluar,Ops) "
                                           "Values(?,?,?,?,?,'0',?)")
                                     : QStringLiteral(
                                           "Insert Into kas (id,tanggal,uraian,kategori,Masuk,keluar,Ops) "
                                           "Values(?,?,?,?,'0',?,?)");
}

}  // namespace zelkor

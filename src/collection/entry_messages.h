#pragma once
// What the entry forms of items, members and lost items tell the operator after a
// save, under the caption "Entry Data..".
#include <QString>

namespace zelkor::entry {

inline const QString kCaption = QStringLiteral("Entry Data..");
inline const QString kSaved = QStringLiteral("Data berhasil disimpan..");
inline const QString kChanged = QStringLiteral("Perubahan data berhasil disimpan..");
// The record the save is about is no longer there, or its code is not unique: the
// save changes nothing rather than one record too few or too many.
inline const QString kNotFound = QStringLiteral("Gagal menyimpan, data dengan kode ini tidak ditemukan..");
inline const QString kSeveral =
    QStringLiteral("Gagal menyimpan, kode ini dipakai oleh lebih dari satu data..");

}  // namespace zelkor::entry

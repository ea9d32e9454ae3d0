#pragma once
// The desk's statements that run while the operator types, kept in one place so
// the benchmark measures exactly what the desk runs.
#include <QString>

namespace zelkor {

// The member lookup, on every keystroke in the member number field. The last column
// says whether the member is active: only an active one fills the panel, but an
// inactive one is told apart from a number nobody has.
inline const QString kMemberLookupSql =
    QStringLiteral("select Id, Nama, Alamat, Kategori, DurasiPinjam, Status>0 from MEMBER WHERE Id = ?");

// Whether a text in the member field is an item's code (a label scanned there).
inline const QString kItemCodeSql =
    QStringLiteral("select Id from ItemPerpus where Id = ? and Id <> 'KUNJUNG' limit 1");

// The visit price of a member category (BERKUNJUNG).
inline const QString kVisitTariffSql =
    QStringLiteral("select HargaRental from ItemPerpus Where Id='KUNJUNG' and Pengarang=?");

}  // namespace zelkor

#pragma once
// The desk's statements that run while the operator types, kept in one place so
// the benchmark measures exactly what the desk runs.
#include <QString>

namespace zelkor {

// The member lookup, on every keystroke in the member number field: active members only.
inline const QString kMemberLookupSql =
    QStringLiteral("select Id, Nama, Alamat, Kategori, DurasiPinjam from MEMBER WHERE Id = ? and Status>0");

// The visit price of a member category (BERKUNJUNG).
inline const QString kVisitTariffSql =
    QStringLiteral("select HargaRental from ItemPerpus Where Id='KUNJUNG' and Pengarang=?");

}  // namespace zelkor

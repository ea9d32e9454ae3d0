#pragma once
// How the record forms turn stored texts into what their controls show, and back.
#include <QDate>
#include <QString>

namespace zelkor {

// ItemPerpus.Rental on every save: "1" when the rental price reads as a number above
// 0, otherwise "0" (an empty price included).
QString RentalFlag(const QString& hargaRental);

// Member.LP: a stored gender counts as "Laki-laki" only when it begins with a capital
// L; anything else shows as "Perempuan".
inline const QString kMale = QStringLiteral("Laki-laki");
inline const QString kFemale = QStringLiteral("Perempuan");
bool ShowsAsMale(const QString& storedGender);

// Member.Status: "Aktif" is ticked when the stored value reads as a number above 0;
// it is saved as "1" or "0".
bool ShowsAsActive(const QString& storedStatus);
inline QString StatusText(bool active) {
    return active ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace zelkor

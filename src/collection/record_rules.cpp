#include "record_rules.h"

#include "core/money.h"

namespace zelkor {

QString RentalFlag(const QString& hargaRental) {
    return LeadingNumber(hargaRental) > 0 ? QStringLiteral("1") : QStringLiteral("0");
}

bool ShowsAsMale(const QString& storedGender) {
    return storedGender.startsWith(QLatin1Char('L'));
}

bool ShowsAsActive(const QString& storedStatus) {
    return LeadingNumber(storedStatus) > 0;
}

QDate BirthDateOf(const QString& stored) {
    if (stored.size() < 7) return {};
    bool yearOk = false, monthOk = false, dayOk = false;
    const int year = stored.mid(0, 4).toInt(&yearOk);
    const int month = stored.mid(5, 2).toInt(&monthOk);
    const int day = stored.right(2).toInt(&dayOk);
    if (!yearOk || !monthOk || !dayOk) return {};
    return QDate(year, month, day);  // invalid when the numbers make no date
}

}  // namespace zelkor

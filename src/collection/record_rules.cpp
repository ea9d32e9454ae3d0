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

}  // namespace zelkor

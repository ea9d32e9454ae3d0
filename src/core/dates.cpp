#include "core/dates.h"

namespace zelkor {

QString IsoDate(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }

QDate ParseIsoDate(const QString& text) { return QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd")); }

QString AddDays(const QDate& date, qint64 days) { return IsoDate(date.addDays(days)); }

QString TimeStamp(const QString& todayText, const QString& clockText) {
    QString stamp = todayText;
    stamp.remove('-');
    QString time = clockText;
    time.remove(':');
    return stamp + time;
}

}  // namespace zelkor

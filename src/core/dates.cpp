#include "core/dates.h"

namespace zelkor {

QString IsoDate(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QDate ParseIsoDate(const QString& text) {
    return QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
}

QString AddDays(const QDate& date, qint64 days) {
    return IsoDate(date.addDays(days));
}

namespace {

constexpr const char* kMonths[12] = {"Januari", "Februari", "Maret",     "April",   "Mei",      "Juni",
                                     "Juli",    "Agustus",  "September", "Oktober", "November", "Desember"};
constexpr const char* kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "Mei", "Jun",
                                          "Jul", "Agu", "Sep", "Okt", "Nov", "Des"};

QString inWords(const QDate& date, const char* const (&months)[12]) {
    if (!date.isValid()) return {};
    return QStringLiteral("%1 %2 %3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace

QString DateInWords(const QDate& date) {
    return inWords(date, kMonths);
}

QString ShortDateInWords(const QDate& date) {
    return inWords(date, kShortMonths);
}

QString TimeStamp(const QString& todayText, const QString& clockText) {
    QString stamp = todayText;
    stamp.remove('-');
    QString time = clockText;
    time.remove(':');
    return stamp + time;
}

}  // namespace zelkor

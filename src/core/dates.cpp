#include "core/dates.h"

#include <QRegularExpression>

namespace zelkor {

QString IsoDate(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QDate ParseIsoDate(const QString& text) {
    // The stored form, read by hand: Qt's format parser costs a hundred times as
    // much, and long lists read thousands of dates. Anything else goes to it.
    const auto digit = [&](int i) { return text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); };
    const auto number = [&](int from, int to) {
        int n = 0;
        for (int i = from; i < to; ++i) n = n * 10 + (text[i].unicode() - '0');
        return n;
    };
    if (text.size() == 10 && text[4] == QLatin1Char('-') && text[7] == QLatin1Char('-') && digit(0) &&
        digit(1) && digit(2) && digit(3) && digit(5) && digit(6) && digit(8) && digit(9))
        return QDate(number(0, 4), number(5, 7), number(8, 10));
    return QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
}

QDate ParseWrittenDate(const QString& text) {
    static const QRegularExpression parts(QStringLiteral("^(\\d{1,4})[-/.](\\d{1,2})[-/.](\\d{1,4})$"));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    const QString t = text.trimmed();
    if (const auto m = compact.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const auto m = parts.match(t);
    if (!m.hasMatch()) return {};
    const QString first = m.captured(1), last = m.captured(3);
    const int month = m.captured(2).toInt();
    // The year is the part of four digits; the day is at the other end.
    if (first.size() == 4 && last.size() <= 2) return QDate(first.toInt(), month, last.toInt());
    if (last.size() == 4 && first.size() <= 2) return QDate(last.toInt(), month, first.toInt());
    return {};
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

#pragma once
// Dates are stored as "yyyy-mm-dd" texts; all date arithmetic goes through here.
#include <QDate>
#include <QString>

namespace zelkor {

// "yyyy-mm-dd" of a date.
QString IsoDate(const QDate& date);

// The date of a "yyyy-mm-dd" text; an invalid QDate when the text is not one.
QDate ParseIsoDate(const QString& text);

// The date of a text typed as people write dates: "yyyy-mm-dd", or day first as in
// Indonesia ("dd-mm-yyyy", "dd/mm/yyyy", "d-m-yyyy", "dd.mm.yyyy"), or "yyyymmdd".
// An invalid QDate when the text is none of these or names no day (2012-02-31).
QDate ParseWrittenDate(const QString& text);

// The "yyyy-mm-dd" text `days` days after `date`.
QString AddDays(const QDate& date, qint64 days);

// Dates in words are Indonesian on every machine, whatever its language: the
// library's papers and screens speak one language.
// "07 Desember 2026": two-digit day, the month's full name, four-digit year.
QString DateInWords(const QDate& date);
// "07 Des 2026": the same with the month's short name.
QString ShortDateInWords(const QDate& date);

// yyyymmddHHMMSS: the date without hyphens followed by the clock text without colons.
// The identifiers of transactions and journal lines start with this.
QString TimeStamp(const QString& todayText, const QString& clockText);

}  // namespace zelkor

#pragma once
// The rules, the calendar and the loan settings as the library keeps them
// (AturanPinjam, HariLibur, PengaturanPinjam), read in one go and written back
// checked. A library that set up nothing reads as no rule and an empty calendar.
#include <QString>
#include <QStringList>
#include <vector>

#include "rules/calendar.h"
#include "rules/loan_rule.h"

namespace zelkor {

class Database;
struct DbResult;

// The names under which PengaturanPinjam keeps the settings.
inline const QString kSettingClosedDays = QStringLiteral("HariTutup");         // "7" or "6,7": ISO weekdays
inline const QString kSettingOpenDaysOnly = QStringLiteral("HitungHariBuka");  // "1": late days are open days
inline const QString kSettingRenewFromDue = QStringLiteral("PerpanjangDariJatuhTempo");  // "1"
inline const QString kSettingLetterText = QStringLiteral("TeksSurat");
inline const QString kSettingChatText = QStringLiteral("TeksPesan");

struct LoanSettings {
    std::vector<LoanRule> rules;
    LibraryCalendar calendar;
    bool renewFromDueDate = false;
    QString letterText;
    QString chatText;
};

// Everything at once; on a failing statement what was read so far, and `result` says why.
LoanSettings LoadLoanSettings(Database& db, DbResult* result = nullptr);

QString LoanSetting(Database& db, const QString& name);
DbResult SetLoanSetting(Database& db, const QString& name, const QString& value);

// A rule as typed in the rules form, every number a text ("" for none).
struct RuleTexts {
    QString kategori, jenis, maxItems, loanDays, finePerDay, graceDays, fineCap, maxRenewals, renewDays;
    bool notLent = false;
};

// The rule the texts stand for, or the reason it is refused, naming the field:
// a number that is negative, not a whole number or longer than 12 digits; a rule
// that says nothing; grace days longer than the loan days; a second rule for a
// pair that already has one (`others`: the rules kept besides this one).
QString ParseRule(const RuleTexts& texts, const std::vector<LoanRule>& others, LoanRule& out);

RuleTexts TextsOf(const LoanRule& rule);

// Replaces every rule by `rules`, in one transaction.
DbResult SaveRules(Database& db, const std::vector<LoanRule>& rules);

}  // namespace zelkor

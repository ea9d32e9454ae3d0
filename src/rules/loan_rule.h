#pragma once
// Loan rules: per member category and item kind, how many items, how long, what a
// late day costs. A field left empty keeps the desk's own behaviour for it (the
// member's DurasiPinjam, the item's Denda, no limit, no grace, no cap, no renewal).
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace zelkor {

// The word that stands for every category or every kind.
inline const QString kAllWord = QStringLiteral("semua");

struct LoanRule {
    QString kategori = kAllWord;              // Member.Kategori, or "semua"
    QString jenis = kAllWord;                 // ItemPerpus.Jenis, or "semua"
    std::optional<std::int64_t> maxItems;     // items out at once
    std::optional<std::int64_t> loanDays;     // empty: the member's DurasiPinjam
    std::optional<std::int64_t> finePerDay;   // empty: the item's Denda
    std::optional<std::int64_t> graceDays;    // returned within them: no fine
    std::optional<std::int64_t> fineCap;      // the most one loan's fine may reach
    std::optional<std::int64_t> maxRenewals;  // empty: no renewal
    std::optional<std::int64_t> renewDays;    // empty: the loan days again
    bool notLent = false;                     // "tidak dipinjamkan": reference items

    // "Guru / Buku", "semua / Referensi": how the desk names the rule it applies.
    QString name() const;
};

// Whether a rule's word stands for `value` ("semua" for anything; case and blanks
// around do not count).
bool RuleWordMatches(const QString& word, const QString& value);
// The same word, written as the rules keep it.
bool SameRuleWord(const QString& a, const QString& b);

// The rule for a member category and an item kind: the most specific one wins
// (category and kind, then category, then kind, then "semua / semua"); nullptr
// when none applies, and the desk then behaves as it always has.
const LoanRule* ChooseRule(const std::vector<LoanRule>& rules, const QString& kategori, const QString& jenis);

}  // namespace zelkor

#include "rules/loan_rule.h"

namespace zelkor {

namespace {

bool IsAll(const QString& word) {
    const QString w = word.trimmed();
    return w.isEmpty() || w.compare(kAllWord, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString LoanRule::name() const {
    return (IsAll(kategori) ? kAllWord : kategori.trimmed()) + QStringLiteral(" / ") +
           (IsAll(jenis) ? kAllWord : jenis.trimmed());
}

bool RuleWordMatches(const QString& word, const QString& value) {
    return IsAll(word) || word.trimmed().compare(value.trimmed(), Qt::CaseInsensitive) == 0;
}

bool SameRuleWord(const QString& a, const QString& b) {
    if (IsAll(a) || IsAll(b)) return IsAll(a) && IsAll(b);
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

const LoanRule* ChooseRule(const std::vector<LoanRule>& rules, const QString& kategori,
                           const QString& jenis) {
    const LoanRule* best = nullptr;
    int bestRank = -1;
    for (const LoanRule& rule : rules) {
        if (!RuleWordMatches(rule.kategori, kategori) || !RuleWordMatches(rule.jenis, jenis)) continue;
        // A category says more about a loan than a kind does.
        const int rank = (IsAll(rule.kategori) ? 0 : 2) + (IsAll(rule.jenis) ? 0 : 1);
        if (rank > bestRank) {
            best = &rule;
            bestRank = rank;
        }
    }
    return best;
}

}  // namespace zelkor

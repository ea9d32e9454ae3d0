#include "rules/loan_limit.h"

namespace zelkor {

QString LoanRefusal(const std::vector<LoanRule>& rules, const QString& kategori, const QString& jenis,
                    const QStringList& kindsOut) {
    const LoanRule* rule = ChooseRule(rules, kategori, jenis);
    if (!rule) return {};
    const QString named = QStringLiteral(" (aturan ") + rule->name() + QStringLiteral(")..");
    if (rule->notLent)
        return QStringLiteral("Item jenis ") +
               (jenis.trimmed().isEmpty() ? QStringLiteral("-") : jenis.trimmed()) +
               QStringLiteral(" tidak dipinjamkan kepada member ") + kategori + named;
    if (!rule->maxItems) return {};
    // A rule for one kind counts the loans of that kind; a rule for every kind, all of them.
    qint64 out = 0;
    for (const QString& kind : kindsOut)
        if (RuleWordMatches(rule->jenis, kind)) ++out;
    if (out < *rule->maxItems) return {};
    return QStringLiteral("Member ini sudah meminjam %1 item, paling banyak %2")
               .arg(out)
               .arg(*rule->maxItems) +
           named;
}

}  // namespace zelkor

#pragma once
// Whether a member may take one more item: the rule for the member's category and
// the item's kind may not lend that kind at all, or may allow only so many out.
#include <QString>
#include <QStringList>
#include <vector>

#include "rules/loan_rule.h"

namespace zelkor {

// Why the item may not go to the member, naming the rule; empty when it may.
// `kindsOut`: the Jenis of every loan the member has out, this one left out.
QString LoanRefusal(const std::vector<LoanRule>& rules, const QString& kategori, const QString& jenis,
                    const QStringList& kindsOut);

}  // namespace zelkor

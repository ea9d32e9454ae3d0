#pragma once
// The overdue letters as print layouts: one page per member, the library's
// identity at the top, the library's text with the member's items and fine so
// far. On A4 the letter takes the page; on half A4 its upper half.
#include <QDate>
#include <QString>

#include "printing/print_layout.h"
#include "rules/overdue_list.h"

namespace zelkor {

struct LetterHead {
    QString name, address;
};

PrintLayout OverdueLetter(const LetterHead& head, const QString& text, const OverdueMember& m,
                          const QDate& date, bool halfA4);

}  // namespace zelkor

#pragma once
// Member cards, ID-1 size, ten to an A4 sheet with cut marks: the library's logo
// and identity, the member's name, number, category and loan period, the number
// as Code 128 and as a QR code. With a rules text, every sheet is followed by its
// back, printed on the reverse in mirrored order.
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "labels/sheet_document.h"

namespace zelkor {

struct MemberCard {
    QString number, name, category, loanDays;
};

struct CardIssuer {
    QString name, address, phone;
    QImage logo;    // none: the identity takes the whole top line
    QString rules;  // the back of the card; none: fronts only
};

struct CardSheets {
    SheetDocument doc;
    QStringList withoutBars;  // numbers that printed without the Code 128 bars
};
CardSheets MemberCardSheets(const CardIssuer& issuer, const std::vector<MemberCard>& cards);

}  // namespace zelkor

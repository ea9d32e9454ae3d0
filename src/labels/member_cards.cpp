#include "labels/member_cards.h"

#include <QPainter>
#include <memory>

#include "labels/barcode.h"
#include "labels/sheet_layout.h"
#include "labels/sheet_text.h"

namespace zelkor {

namespace {

struct EncodedCard {
    MemberCard card;
    BarcodeShape bars, qr;
};

// Short marks in the margins at every cut, clear of the cards themselves.
void PaintCutMarks(QPainter& p, const MmScale& mm, const SheetLayout& s) {
    p.save();
    p.setPen(QPen(Qt::black, mm(0.15)));
    const double right = s.marginLeft + s.columns * s.labelWidth,
                 bottom = s.marginTop + s.rows * s.labelHeight;
    for (int c = 0; c <= s.columns; ++c) {
        const double x = s.marginLeft + c * s.labelWidth;
        p.drawLine(QPointF(mm(x), mm(s.marginTop - 8)), QPointF(mm(x), mm(s.marginTop - 2)));
        p.drawLine(QPointF(mm(x), mm(bottom + 2)), QPointF(mm(x), mm(bottom + 8)));
    }
    for (int r = 0; r <= s.rows; ++r) {
        const double y = s.marginTop + r * s.labelHeight;
        p.drawLine(QPointF(mm(s.marginLeft - 8), mm(y)), QPointF(mm(s.marginLeft - 2), mm(y)));
        p.drawLine(QPointF(mm(right + 2), mm(y)), QPointF(mm(right + 8), mm(y)));
    }
    p.restore();
}

void PaintFront(QPainter& p, const MmScale& mm, const MmRect& cell, const CardIssuer& issuer,
                const EncodedCard& e) {
    const CardParts parts = CardLayout(cell);
    MmRect identity = parts.identity;
    if (!issuer.logo.isNull()) {
        const QRectF box = ToDevice(mm, parts.logo);
        const QSizeF size = QSizeF(issuer.logo.size()).scaled(box.size(), Qt::KeepAspectRatio);
        p.drawImage(QRectF(box.topLeft(), size), issuer.logo);
    } else {
        identity = {parts.logo.x, parts.identity.y, parts.identity.x + parts.identity.w - parts.logo.x,
                    parts.identity.h};
    }
    const double third = identity.h / 3;
    DrawLine(p, mm, {identity.x, identity.y, identity.w, third}, issuer.name, 9, Qt::AlignLeft, true);
    DrawLine(p, mm, {identity.x, identity.y + third, identity.w, third}, issuer.address, 7, Qt::AlignLeft,
             false);
    DrawLine(p, mm, {identity.x, identity.y + 2 * third, identity.w, third}, issuer.phone, 7, Qt::AlignLeft,
             false);

    const MmRect& l = parts.lines;
    const double line = l.h / 4;
    DrawLine(p, mm, {l.x, l.y, l.w, line}, e.card.name, 10, Qt::AlignLeft, true);
    DrawLine(p, mm, {l.x, l.y + line, l.w, line}, QStringLiteral("No. ") + e.card.number, 9, Qt::AlignLeft,
             false);
    DrawLine(p, mm, {l.x, l.y + 2 * line, l.w, line}, e.card.category, 9, Qt::AlignLeft, false);
    if (!e.card.loanDays.isEmpty())
        DrawLine(p, mm, {l.x, l.y + 3 * line, l.w, line},
                 QStringLiteral("Masa pinjam ") + e.card.loanDays + QStringLiteral(" hari"), 9, Qt::AlignLeft,
                 false);
    DrawBarcode(p, e.qr, ToDevice(mm, parts.qr));
    if (e.bars.ok())
        DrawBarcode(p, e.bars, ToDevice(mm, LinearSymbolRect(parts.barcode, e.bars.modules, 0.4)));
    DrawLine(p, mm, parts.code, e.card.number, 8, Qt::AlignHCenter, false);
}

}  // namespace

CardSheets MemberCardSheets(const CardIssuer& issuer, const std::vector<MemberCard>& cards) {
    auto encoded = std::make_shared<std::vector<EncodedCard>>();
    CardSheets out;
    for (const MemberCard& c : cards) {
        encoded->push_back(
            {c, EncodeBarcode(Symbology::Code128, c.number), EncodeBarcode(Symbology::Qr, c.number)});
        if (!encoded->back().bars.ok()) out.withoutBars << c.number;
    }
    const SheetLayout sheet = CardSheet();
    const int sheets = SheetCount(sheet, int(cards.size()), 1);
    const bool backs = !issuer.rules.trimmed().isEmpty();
    out.doc.name = QStringLiteral("Kartu Member");
    out.doc.pages = backs ? 2 * sheets : sheets;
    out.doc.duplex = backs;
    out.doc.paintPage = [encoded, issuer, sheet, backs](QPainter& p, const MmScale& mm, int page) {
        const int sheetNo = backs ? page / 2 : page;
        const bool back = backs && page % 2 == 1;
        PaintCutMarks(p, mm, sheet);
        for (int pos = 0; pos < sheet.perSheet(); ++pos) {
            const std::size_t i = std::size_t(sheetNo * sheet.perSheet() + pos);
            if (i >= encoded->size()) break;
            if (back)
                DrawParagraph(p, mm, CardBackText(LabelCell(sheet, BackPosition(sheet, pos))), issuer.rules,
                              7);
            else
                PaintFront(p, mm, LabelCell(sheet, pos), issuer, (*encoded)[i]);
        }
    };
    return out;
}

}  // namespace zelkor

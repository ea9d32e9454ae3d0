#include "labels/sheet_text.h"

#include <QFontMetricsF>
#include <QPainter>

namespace zelkor {

namespace {

QFont SheetFont(const MmScale& mm, double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    // Sizes in the sheet's own units, so a preview and a printer agree.
    font.setPixelSize(qMax(1, qRound(mm(points * 25.4 / 72.0))));
    font.setBold(bold);
    return font;
}

}  // namespace

QRectF ToDevice(const MmScale& mm, const MmRect& r) {
    return QRectF(mm(r.x), mm(r.y), mm(r.w), mm(r.h));
}

void DrawLine(QPainter& p, const MmScale& mm, const MmRect& box, const QString& text, double points,
              Qt::Alignment align, bool bold) {
    if (text.isEmpty()) return;
    const double fits = box.h * 72.0 / 25.4 / 1.2;  // a line is about 1.2 em high
    const QFont font = SheetFont(mm, qMin(points, fits), bold);
    p.setFont(font);
    p.setPen(Qt::black);
    const QRectF r = ToDevice(mm, box);
    const QString shown = QFontMetricsF(font, p.device()).elidedText(text, Qt::ElideRight, r.width());
    p.drawText(r, int(align | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

void DrawParagraph(QPainter& p, const MmScale& mm, const MmRect& box, const QString& text, double points) {
    p.setFont(SheetFont(mm, points, false));
    p.setPen(Qt::black);
    p.drawText(ToDevice(mm, box), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

}  // namespace zelkor

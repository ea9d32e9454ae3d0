#pragma once
// Text and rectangles of the sheets, placed in millimetres.
#include <QRectF>
#include <QString>

#include "labels/sheet_document.h"
#include "labels/sheet_layout.h"

class QPainter;

namespace zelkor {

QRectF ToDevice(const MmScale& mm, const MmRect& r);

// One line in `box`, in Arial at `points` (smaller when the box is lower than the
// font), cut with an ellipsis when it is wider than the box.
void DrawLine(QPainter& p, const MmScale& mm, const MmRect& box, const QString& text, double points,
              Qt::Alignment align, bool bold);

// Wrapped text filling `box` from its top.
void DrawParagraph(QPainter& p, const MmScale& mm, const MmRect& box, const QString& text, double points);

}  // namespace zelkor

#include "labels/item_labels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <memory>

#include "labels/barcode.h"
#include "labels/sheet_text.h"

namespace zelkor {

std::vector<ItemLabel> ExpandCopies(const LabelRun& run) {
    std::vector<ItemLabel> out;
    for (const ItemLabel& item : run.items) {
        const int n = run.perCopy ? std::max(item.copies, 1) : 1;
        for (int i = 0; i < n; ++i) out.push_back(item);
    }
    return out;
}

namespace {

void PaintBarcodeLabel(QPainter& p, const MmScale& mm, const MmRect& cell, const ItemLabel& label,
                       const QString& libraryName, const BarcodeShape& shape) {
    const ItemLabelParts parts = ItemLabelLayout(cell);
    DrawLine(p, mm, parts.library, libraryName, 7, Qt::AlignLeft, true);
    DrawLine(p, mm, parts.shelf, label.shelf, 7, Qt::AlignRight, true);
    if (shape.ok()) DrawBarcode(p, shape, ToDevice(mm, LinearSymbolRect(parts.barcode, shape.modules)));
    DrawLine(p, mm, parts.code, label.code, 8, Qt::AlignHCenter, false);
    DrawLine(p, mm, parts.title, label.title, 7, Qt::AlignHCenter, false);
}

void PaintSpineLabel(QPainter& p, const MmScale& mm, const MmRect& cell, const ItemLabel& label) {
    const SpineLabelParts parts = SpineLabelLayout(cell);
    DrawLine(p, mm, parts.shelf, label.shelf, 18, Qt::AlignHCenter, true);
    DrawLine(p, mm, parts.code, label.code, 10, Qt::AlignHCenter, false);
}

}  // namespace

LabelSheets ItemLabelSheets(const LabelRun& run) {
    auto labels = std::make_shared<const std::vector<ItemLabel>>(ExpandCopies(run));
    // Each distinct code is encoded once, however many copies it has.
    auto shapes = std::make_shared<std::vector<BarcodeShape>>();
    LabelSheets out;
    if (run.kind == LabelKind::Barcode) {
        shapes->reserve(labels->size());
        for (std::size_t i = 0; i < labels->size(); ++i) {
            const QString& code = (*labels)[i].code;
            if (i > 0 && (*labels)[i - 1].code == code) {
                shapes->push_back(shapes->back());
                continue;
            }
            shapes->push_back(EncodeBarcode(Symbology::Code128, code));
            if (!shapes->back().ok()) out.withoutBars << code;
        }
    }
    const int count = int(labels->size());
    const auto places =
        std::make_shared<const std::vector<Placement>>(PlaceLabels(run.sheet, count, run.start));
    out.doc.name = QStringLiteral("Label Item");
    out.doc.pages = SheetCount(run.sheet, count, run.start);
    const LabelRun shape{run.sheet, run.kind, run.start, run.perCopy, run.libraryName, {}};
    out.doc.paintPage = [labels, shapes, places, shape](QPainter& p, const MmScale& mm, int page) {
        for (std::size_t i = 0; i < places->size(); ++i) {
            const Placement& at = (*places)[i];
            if (at.page != page) continue;
            const MmRect cell = LabelCell(shape.sheet, at.position);
            if (shape.kind == LabelKind::Spine)
                PaintSpineLabel(p, mm, cell, (*labels)[i]);
            else
                PaintBarcodeLabel(p, mm, cell, (*labels)[i], shape.libraryName, (*shapes)[i]);
        }
    };
    return out;
}

}  // namespace zelkor

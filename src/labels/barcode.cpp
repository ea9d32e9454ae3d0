#include "labels/barcode.h"

#include <zint.h>

#include <QPainter>
#include <memory>

namespace zelkor {

bool Code128Encodable(const QString& code) {
    if (code.isEmpty()) return false;
    for (QChar c : code)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
    return true;
}

BarcodeShape EncodeBarcode(Symbology symbology, const QString& text) {
    BarcodeShape shape;
    if (symbology == Symbology::Code128 && !Code128Encodable(text)) {
        shape.error = QStringLiteral("Kode tidak dapat dibuat Code 128");
        return shape;
    }
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol) {
        shape.error = QStringLiteral("libzint tidak dapat dipakai");
        return shape;
    }
    symbol->symbology = symbology == Symbology::Code128 ? BARCODE_CODE128 : BARCODE_QRCODE;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;  // the code is written beneath by the label itself
    symbol->output_options = BARCODE_NO_QUIET_ZONES;
    if (symbology == Symbology::Code128) symbol->height = 50;
    if (symbology == Symbology::Qr) symbol->option_1 = 2;  // error correction M
    const QByteArray utf8 = text.toUtf8();
    const int rc = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()),
                                   int(utf8.size()));
    if (rc >= ZINT_ERROR || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector) {
        shape.error = QString::fromLatin1(symbol->errtxt);
        return shape;
    }
    shape.modules = symbol->width;
    shape.width = symbol->vector->width;
    shape.height = symbol->vector->height;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        if (r->colour == -1) shape.bars.emplace_back(r->x, r->y, r->width, r->height);
    return shape;
}

void DrawBarcode(QPainter& painter, const BarcodeShape& shape, const QRectF& target) {
    if (!shape.ok() || shape.width <= 0 || shape.height <= 0) return;
    const double sx = target.width() / shape.width, sy = target.height() / shape.height;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRectF& r : shape.bars)
        painter.drawRect(
            QRectF(target.x() + r.x() * sx, target.y() + r.y() * sy, r.width() * sx, r.height() * sy));
    painter.restore();
}

}  // namespace zelkor

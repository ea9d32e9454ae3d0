#pragma once
// Barcodes drawn by libzint: the symbol is encoded and laid out by zint as
// vector rectangles, which are only scaled onto the page here.
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace zelkor {

enum class Symbology { Code128, Qr };

struct BarcodeShape {
    int modules = 0;               // the symbol's width in modules (its X-dimension count)
    double width = 0, height = 0;  // zint's own units, the frame of `bars`
    std::vector<QRectF> bars;      // dark rectangles in zint's units
    QString error;                 // why zint would not encode the text

    bool ok() const { return error.isEmpty() && !bars.empty(); }
};

// Whether a code prints as Code 128 bars: printable ASCII only, which every
// scanner types back as it stands. Anything else prints as text alone.
bool Code128Encodable(const QString& code);

// Code 128 of an encodable code; a QR code of any text (as UTF-8).
BarcodeShape EncodeBarcode(Symbology symbology, const QString& text);

// Fills `target` (device units) with the symbol's dark modules, stretched to it.
void DrawBarcode(QPainter& painter, const BarcodeShape& shape, const QRectF& target);

}  // namespace zelkor

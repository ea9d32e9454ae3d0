// Draws the list forms' toolbar images into PNG files (the committed ones beside
// this file). Run it again after changing a drawing:
//   cmake --build build --target zelkor-draw-tool-images
//   build/bin/zelkor-draw-tool-images [OUTDIR]   (this folder by default)
// Each image is drawn on a 32-unit square and written at 24 pixels, the toolbar's
// size, and at 48 for screens of twice the density ("@2x").
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <initializer_list>
#include <iterator>

namespace {

QColor hex(unsigned v) {
    return QColor::fromRgb(v);
}

// A closed outline through the points, in order.
QPainterPath Outline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A sheet of rows and columns with a blue header: the record images' common ground.
void table(QPainter& p) {
    const QRectF r(2, 4, 24, 20);
    p.setPen(QPen(hex(0x5d6d7e), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x5dade2));
    p.drawRect(QRectF(2.5, 4.5, 23, 4.5));
    p.setPen(QPen(hex(0xaab7b8), 0.8));
    for (qreal y = 13; y < 24; y += 4) p.drawLine(QPointF(2.5, y), QPointF(25.5, y));
    p.drawLine(QPointF(10, 9), QPointF(10, 23.5));
    p.drawLine(QPointF(18, 9), QPointF(18, 23.5));
}

// A round badge in the lower right corner with a white sign drawn by `sign`.
template <class Sign>
void badge(QPainter& p, QColor colour, Sign sign) {
    QLinearGradient g(0, 15, 0, 31);
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(23, 23), 7.5, 7.5);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    sign();
}

void dataAdd(QPainter& p) {
    table(p);
    badge(p, hex(0x28b463), [&] {
        p.drawLine(QPointF(23, 19), QPointF(23, 27));
        p.drawLine(QPointF(19, 23), QPointF(27, 23));
    });
}

void dataDelete(QPainter& p) {
    table(p);
    badge(p, hex(0xe74c3c), [&] {
        p.drawLine(QPointF(20, 20), QPointF(26, 26));
        p.drawLine(QPointF(26, 20), QPointF(20, 26));
    });
}

// A blue diskette: save.
void diskBlue(QPainter& p) {
    const QPainterPath body = Outline({{4, 3}, {25, 3}, {29, 7}, {29, 29}, {4, 29}});
    QLinearGradient g(0, 3, 0, 29);
    g.setColorAt(0, hex(0x5499c7));
    g.setColorAt(1, hex(0x1f618d));
    p.setPen(QPen(hex(0x154360), 1.0));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(QPen(hex(0x99a3a4), 0.8));
    p.setBrush(hex(0xe5e8e8));
    p.drawRect(QRectF(9, 3.5, 14, 9));
    p.setBrush(hex(0x566573));
    p.drawRect(QRectF(18, 5, 3, 6));
    p.setPen(QPen(hex(0xbdc3c7), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 17, 18, 11));
    p.setPen(QPen(hex(0x85c1e9), 0.9));
    for (qreal y = 20; y < 27; y += 2.8) p.drawLine(QPointF(9.5, y), QPointF(23.5, y));
}

// A green spreadsheet square with a white cross, the sign of a spreadsheet program.
void sheetMark(QPainter& p, QRectF r) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, hex(0x2ecc71));
    g.setColorAt(1, hex(0x1d8348));
    p.setPen(QPen(hex(0x145a32), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, 2, 2);
    const qreal m = r.width() * 0.27;
    p.setPen(QPen(Qt::white, r.width() * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft() + QPointF(m, m), r.bottomRight() - QPointF(m, m));
    p.drawLine(r.topRight() + QPointF(-m, m), r.bottomLeft() + QPointF(m, -m));
}

// A page with a folded corner and green cells, marked as a spreadsheet: export.
void docExcel(QPainter& p) {
    const QPainterPath page = Outline({{5, 2}, {20, 2}, {26, 8}, {26, 30}, {5, 30}});
    p.setPen(QPen(hex(0x7f8c8d), 1.0));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(hex(0xd5dbdb));
    p.drawPath(Outline({{20, 2}, {20, 8}, {26, 8}}));
    p.setPen(QPen(hex(0x58d68d), 0.9));
    for (qreal y = 11; y < 28; y += 3.5) p.drawLine(QPointF(8, y), QPointF(23, y));
    p.drawLine(QPointF(13, 10), QPointF(13, 28));
    sheetMark(p, QRectF(14, 16, 15, 15));
}

// A printer with a sheet coming out of it: the page in the browser.
void printer(QPainter& p) {
    p.setPen(QPen(hex(0x95a5a6), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 2, 14, 11));
    QLinearGradient g(0, 10, 0, 24);
    g.setColorAt(0, hex(0xaeb6bf));
    g.setColorAt(1, hex(0x5d6d7e));
    p.setPen(QPen(hex(0x2c3e50), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 10, 26, 13), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x2ecc71));
    p.drawEllipse(QPointF(25, 14), 1.3, 1.3);
    p.setPen(QPen(hex(0x95a5a6), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 11));
    p.setPen(QPen(hex(0x5d6d7e), 0.9));
    for (qreal y = 22.5; y < 29; y += 2.5) p.drawLine(QPointF(10.5, y), QPointF(21.5, y));
}

// The spreadsheet sign with an arrow pointing into it: import.
void excel(QPainter& p) {
    sheetMark(p, QRectF(11, 4, 19, 24));
    QLinearGradient g(0, 10, 0, 22);
    g.setColorAt(0, hex(0xf5b041));
    g.setColorAt(1, hex(0xd68910));
    p.setPen(QPen(hex(0x9c640c), 1.0));
    p.setBrush(g);
    p.drawPath(Outline({{2, 13}, {9, 13}, {9, 9}, {16, 16}, {9, 23}, {9, 19}, {2, 19}}));
}

// A pencil across the badge: look at or change the selected record.
void dataEdit(QPainter& p) {
    table(p);
    badge(p, hex(0xf39c12), [&] {
        p.drawLine(QPointF(20, 26), QPointF(26.5, 19.5));
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19.2, 26.8), QPointF(20.5, 25.5));
    });
}

// A stack of coins: the cash book's ground.
void coins(QPainter& p) {
    for (int i = 0; i < 4; ++i) {
        const qreal y = 26 - i * 4;
        QLinearGradient g(0, y - 3, 0, y + 3);
        g.setColorAt(0, hex(0xf9e79f));
        g.setColorAt(1, hex(0xd4ac0d));
        p.setPen(QPen(hex(0x9a7d0a), 1.0));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, y - 3, 16, 6));
    }
}

// An arrow beside the coins, pointing down (in) or up (out).
void cashArrow(QPainter& p, bool down, QColor colour) {
    coins(p);
    QLinearGradient g(0, 3, 0, 29);
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(150), 1.0));
    p.setBrush(g);
    const qreal tip = down ? 29 : 3, base = down ? 19 : 13, tail = down ? 3 : 29;
    p.drawPath(
        Outline({{25, tip}, {31, base}, {27.5, base}, {27.5, tail}, {22.5, tail}, {22.5, base}, {19, base}}));
}

// Money coming in: "Jurnal Kas Masuk".
void cashIn(QPainter& p) {
    cashArrow(p, true, hex(0x28b463));
}

// Money going out: "Jurnal Kas Keluar".
void cashOut(QPainter& p) {
    cashArrow(p, false, hex(0xe74c3c));
}

// Black bars of differing widths across `r`: a printed code.
void bars(QPainter& p, QRectF r) {
    static constexpr double kWidths[] = {1, 0.5, 0.5, 1.5, 0.5, 1, 0.5, 1.5, 1, 0.5, 0.5, 1};
    p.setPen(Qt::NoPen);
    p.setBrush(hex(0x17202a));
    qreal x = r.left();
    for (std::size_t i = 0; i < std::size(kWidths) && x < r.right(); ++i) {
        const qreal w = kWidths[i] * r.width() / 13.0;
        if (i % 2 == 0) p.drawRect(QRectF(x, r.top(), w, r.height()));
        x += w + r.width() / 26.0;
    }
}

// A white label with rounded corners and a code on it: item labels.
void barcodeLabel(QPainter& p) {
    p.setPen(QPen(hex(0x7f8c8d), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 6, 28, 20), 3, 3);
    bars(p, QRectF(6, 9, 20, 11));
    p.setPen(QPen(hex(0x5d6d7e), 1.2));
    p.drawLine(QPointF(9, 23), QPointF(23, 23));
}

// A blue card with a person and a code along its foot: member cards.
void memberCard(QPainter& p) {
    QLinearGradient g(0, 5, 0, 27);
    g.setColorAt(0, hex(0x85c1e9));
    g.setColorAt(1, hex(0x2e86c1));
    p.setPen(QPen(hex(0x1b4f72), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 5, 29, 22), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9, 11.5), 3, 3);
    p.drawPie(QRectF(4, 14, 10, 8), 0, 180 * 16);
    p.drawRect(QRectF(16, 9, 11, 2));
    p.drawRect(QRectF(16, 13, 8, 2));
    p.drawRoundedRect(QRectF(4, 20.5, 24, 5), 1, 1);
    bars(p, QRectF(6, 21.3, 20, 3.4));
}

struct Drawing {
    const char* name;
    void (*draw)(QPainter&);
};

const Drawing kDrawings[] = {
    {"IMAGE_DATA_ADD", dataAdd},
    {"IMAGE_DISK_BLUE", diskBlue},
    {"IMAGE_DATA_DELETE", dataDelete},
    {"IMAGE_DOCEXCEL", docExcel},
    {"IMAGE_PRINTER", printer},
    {"IMAGE_EXCEL", excel},
    {"IMAGE_DATA_EDIT", dataEdit},
    {"IMAGE_DOWN", cashIn},
    {"IMAGE_UP", cashOut},
    {"IMAGE_BARCODE", barcodeLabel},
    {"IMAGE_MEMBER_CARD", memberCard},
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TOOL_IMAGES_DIR));
    int failed = 0;
    for (const Drawing& d : kDrawings) {
        for (const int pixels : {24, 48}) {
            QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            {
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing);
                p.scale(pixels / 32.0, pixels / 32.0);
                d.draw(p);
            }
            const QString file = QString::fromLatin1(d.name) + (pixels == 48 ? "@2x.png" : ".png");
            const bool written = img.save(dir.filePath(file));
            std::fprintf(written ? stdout : stderr, written ? "%s\n" : "cannot write %s\n",
                         qPrintable(dir.filePath(file)));
            failed += written ? 0 : 1;
        }
    }
    return failed == 0 ? 0 : 1;
}

// Draws the program's own images into PNG files (the committed ones beside this
// file). Run it again after changing a drawing:
//   cmake --build build --target zelkor-draw-images
//   build/bin/zelkor-draw-images src/program/images
// Every image is drawn on a 32-unit square and scaled to its size, so the 16-pixel
// icon and the 32-pixel toolbar image are the same drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

QColor rgb(unsigned v) {
    return QColor::fromRgb(v);
}

QImage render(int size, const Draw& draw) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    return img;
}

QLinearGradient vertical(qreal top, qreal bottom, QColor a, QColor b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// A book standing upright: spine colour, a light band near the top and bottom.
void book(QPainter& p, QRectF r, QColor colour) {
    p.setPen(QPen(colour.darker(160), 1.0));
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.2, 1.2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    const qreal inset = 1.5;
    p.drawLine(QPointF(r.left() + inset, r.top() + 3), QPointF(r.right() - inset, r.top() + 3));
    p.drawLine(QPointF(r.left() + inset, r.bottom() - 3), QPointF(r.right() - inset, r.bottom() - 3));
}

// The program's icon: three books of rising height, like the bars of a graph.
void graph(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 90, 60));
    p.drawRoundedRect(QRectF(2, 27.5, 28, 3), 1.5, 1.5);
    book(p, QRectF(3.5, 15, 7.5, 13), rgb(0xc0392b));
    book(p, QRectF(12.5, 9, 7.5, 19), rgb(0x2e86c1));
    book(p, QRectF(21.5, 3, 7.5, 25), rgb(0x27ae60));
}

void person(QPainter& p, QPointF head, qreal r, QColor colour) {
    p.setPen(QPen(colour.darker(150), 0.8));
    QRadialGradient hg(head - QPointF(r / 3, r / 3), r * 1.4);
    hg.setColorAt(0, rgb(0xffe0c2));
    hg.setColorAt(1, rgb(0xe0a878));
    p.setBrush(hg);
    p.drawEllipse(head, r, r);
    QPainterPath body;
    const qreal w = r * 2.1, top = head.y() + r * 1.15, bottom = head.y() + r * 3.6;
    body.moveTo(head.x() - w, bottom);
    body.cubicTo(head.x() - w, top, head.x() + w, top, head.x() + w, bottom);
    body.closeSubpath();
    p.setBrush(vertical(top, bottom, colour.lighter(130), colour));
    p.drawPath(body);
}

// Two operators: the login picture and the status bar's "User:" icon.
void loginPeople(QPainter& p) {
    person(p, QPointF(20.5, 9), 4.6, rgb(0x27ae60));
    person(p, QPointF(12, 12.5), 5.2, rgb(0x2e86c1));
}

// Three members in a row: the transaction desk.
void customers(QPainter& p) {
    person(p, QPointF(8, 10), 3.8, rgb(0xe67e22));
    person(p, QPointF(24, 10), 3.8, rgb(0x8e44ad));
    person(p, QPointF(16, 13), 4.4, rgb(0x2e86c1));
}

// An alarm clock: the date in the status bar and the history button.
void alarmClock(QPainter& p) {
    p.setPen(QPen(rgb(0x7b241c), 1.2));
    p.setBrush(rgb(0xc0392b));
    p.drawPie(QRectF(3, 2.5, 10, 10), 30 * 16, 120 * 16);
    p.drawPie(QRectF(19, 2.5, 10, 10), 30 * 16, 120 * 16);
    p.setPen(QPen(rgb(0x4d4d4d), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 27), QPointF(7, 30));
    p.drawLine(QPointF(23, 27), QPointF(25, 30));
    p.setPen(QPen(rgb(0x922b21), 1.2));
    p.setBrush(rgb(0xe74c3c));
    p.drawEllipse(QPointF(16, 17.5), 12, 12);
    QRadialGradient face(QPointF(14, 15), 10);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, rgb(0xf2eee4));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(QPointF(16, 17.5), 9.3, 9.3);
    p.setPen(QPen(rgb(0x555555), 1.0));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(16, 17.5);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -8.2), QPointF(0, i % 3 == 0 ? -6.6 : -7.4));
        p.restore();
    }
    p.setPen(QPen(rgb(0x222222), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17.5), QPointF(16, 11.5));
    p.drawLine(QPointF(16, 17.5), QPointF(20.5, 19.5));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0x222222));
    p.drawEllipse(QPointF(16, 17.5), 1.3, 1.3);
}

// A banknote with a coin: the cash journal.
void money(QPainter& p) {
    p.save();
    p.translate(15, 15);
    p.rotate(-12);
    p.setPen(QPen(rgb(0x1e8449), 1.0));
    p.setBrush(vertical(-7, 7, rgb(0xa9dfbf), rgb(0x58d68d)));
    p.drawRoundedRect(QRectF(-13, -7, 26, 14), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x1e8449), 0.8));
    p.drawRoundedRect(QRectF(-11, -5, 22, 10), 1, 1);
    p.setBrush(rgb(0x82e0aa));
    p.drawEllipse(QPointF(0, 0), 3.6, 3.6);
    p.restore();
    p.setPen(QPen(rgb(0x9a7d0a), 1.2));
    QRadialGradient coin(QPointF(22, 21), 8);
    coin.setColorAt(0, rgb(0xfff3b0));
    coin.setColorAt(1, rgb(0xf1c40f));
    p.setBrush(coin);
    p.drawEllipse(QPointF(23.5, 23), 6.5, 6.5);
    p.setPen(QPen(rgb(0xb7950b), 1.0));
    p.drawEllipse(QPointF(23.5, 23), 4.3, 4.3);
}

// A folder with index cards and a magnifying glass: the catalogue.
void folder(QPainter& p) {
    p.setPen(QPen(rgb(0xb9770e), 1.0));
    p.setBrush(rgb(0xf5b041));
    QPainterPath back;
    back.moveTo(2, 7);
    back.lineTo(11, 7);
    back.lineTo(13.5, 9.5);
    back.lineTo(29, 9.5);
    back.lineTo(29, 27);
    back.lineTo(2, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setPen(QPen(rgb(0xaaaaaa), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 8.5, 20, 12));
    p.setPen(QPen(rgb(0x85c1e9), 1.0));
    for (qreal y = 11.5; y < 20; y += 2.5) p.drawLine(QPointF(7, y), QPointF(22, y));
    p.setPen(QPen(rgb(0xb9770e), 1.0));
    p.setBrush(vertical(13, 27, rgb(0xfad7a0), rgb(0xf0b24a)));
    QPainterPath front;
    front.moveTo(2, 27);
    front.lineTo(4.5, 13);
    front.lineTo(30.5, 13);
    front.lineTo(29, 27);
    front.closeSubpath();
    p.drawPath(front);
    p.setPen(QPen(rgb(0x34495e), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 24), QPointF(29.5, 29.5));
    p.setPen(QPen(rgb(0x34495e), 1.6));
    p.setBrush(QColor(214, 234, 248, 220));
    p.drawEllipse(QPointF(20.5, 20.5), 5, 5);
}

// A red book with an arrow going up and away: the lost and damaged items.
void up(QPainter& p) {
    book(p, QRectF(4, 12, 11, 17), rgb(0xc0392b));
    p.setPen(QPen(rgb(0x1a5276), 1.0));
    p.setBrush(vertical(2, 29, rgb(0x5dade2), rgb(0x2471a3)));
    QPainterPath arrow;
    arrow.moveTo(22, 2);
    arrow.lineTo(30, 12);
    arrow.lineTo(25.5, 12);
    arrow.lineTo(25.5, 29);
    arrow.lineTo(18.5, 29);
    arrow.lineTo(18.5, 12);
    arrow.lineTo(14, 12);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

// The background tile: warm paper with a faint row of books on a shelf. It
// repeats seamlessly because every shape lies inside the tile.
QImage background() {
    const int w = 192, h = 96;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(rgb(0xf4efe4));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor spines[] = {rgb(0xe8d9c4), rgb(0xdfe6e9), rgb(0xe5dccf), rgb(0xdde5d6),
                             rgb(0xeadfd0), rgb(0xe1dbe6), rgb(0xe9e0cc), rgb(0xdce3e8)};
    qreal x = 6;
    int i = 0;
    while (x < w - 14) {
        const qreal bw = 9 + (i * 7) % 6;
        const qreal bh = 52 + (i * 13) % 22;
        const QColor c = spines[i % 8];
        p.setPen(QPen(c.darker(110), 1));
        p.setBrush(c);
        if (i % 5 == 3) {  // a leaning book now and then
            p.save();
            p.translate(x, 84);
            p.rotate(-9);
            p.drawRoundedRect(QRectF(0, -bh, bw, bh), 1.5, 1.5);
            p.restore();
            x += bw + 8;
        } else {
            p.drawRoundedRect(QRectF(x, 84 - bh, bw, bh), 1.5, 1.5);
            p.setPen(QPen(c.darker(104), 1));
            p.drawLine(QPointF(x + 2, 84 - bh + 6), QPointF(x + bw - 2, 84 - bh + 6));
            x += bw + 1.5;
        }
        ++i;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xe6dccb));
    p.drawRect(QRectF(0, 84, w, 5));
    return img;
}

bool save(const QImage& img, const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zelkor-draw-images OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = save(background(), dir, "IMAGE_BACKG");
    ok &= save(render(32, graph), dir, "IMAGE_GRAPH");
    ok &= save(render(16, graph), dir, "IMAGE_GRAPH_16");
    ok &= save(render(64, loginPeople), dir, "IMAGE_LOGINPEOPLE");
    ok &= save(render(32, alarmClock), dir, "IMAGE_TIMETOGETUP");
    ok &= save(render(32, customers), dir, "IMAGE_CUSTOMERS");
    ok &= save(render(32, money), dir, "IMAGE_MONEY");
    ok &= save(render(32, folder), dir, "IMAGE_FOLDERA31");
    ok &= save(render(32, up), dir, "IMAGE_UP");
    return ok ? 0 : 1;
}

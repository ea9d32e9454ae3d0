#include "rules/overdue_letters.h"

#include "core/dates.h"

namespace zelkor {

namespace {

// Words onto lines of at most `width` characters; a longer word keeps its line.
QStringList Wrap(const QString& paragraph, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    lines << line;
    return lines;
}

}  // namespace

PrintLayout OverdueLetter(const LetterHead& head, const QString& text, const OverdueMember& m,
                          const QDate& date, bool halfA4) {
    PrintLayout page;
    page.face = QStringLiteral("Arial");
    page.points = halfA4 ? 9 : 11;
    const int step = halfA4 ? 80 : 170;  // ten-thousandths of the page's height
    int y = 300;
    auto put = [&](int x, const QString& s) {
        if (!s.isEmpty()) page.lines.push_back({x, y, s});
        y += step;
    };
    put(500, head.name);
    put(500, head.address);
    put(500, QString(90, QLatin1Char('_')));
    y += step;
    put(6500, DateInWords(date));
    put(500, QStringLiteral("Kepada Yth."));
    put(500, m.nama + QStringLiteral(" (") + m.id + QStringLiteral(", ") + m.kategori + QLatin1Char(')'));
    put(500, m.alamat);
    y += step;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        for (const QString& line : Wrap(paragraph, 95)) put(500, line);
    y += step;
    put(6500, QStringLiteral("Petugas Perpustakaan"));
    return page;
}

}  // namespace zelkor

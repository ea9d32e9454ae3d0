#include "reports/export_packages.h"

#include <algorithm>

namespace zelkor {

namespace {

void putUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Appends `text` as UTF-8, each code point passed through `map(out, cp)`. A lone
// surrogate becomes U+FFFD; a NUL is dropped, since it would end the
// zero-terminated package early and lose everything after it.
template <typename Map>
void appendMapped(std::string& out, QStringView text, Map map) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text[i].unicode();
        if (cp < 0x80) {
            if (cp != 0) map(out, cp);
            continue;
        }
        if (QChar::isHighSurrogate(cp) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(static_cast<char16_t>(cp), text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(cp)) {
            cp = 0xFFFD;
        }
        map(out, cp);
    }
}

// A cell or header as the grid hands it over: up to kExportCellChars characters,
// never ending in half a surrogate pair.
QStringView readCell(QStringView text) {
    if (text.size() <= kExportCellChars) return text;
    QStringView cut = text.left(kExportCellChars);
    if (cut.back().isHighSurrogate()) cut.chop(1);
    return cut;
}

constexpr char32_t kCommaLookAlike = 0x201A;      // SINGLE LOW-9 QUOTATION MARK
constexpr char32_t kSemicolonLookAlike = 0x037E;  // GREEK QUESTION MARK, drawn as ";"

void appendBrowserText(std::string& out, QStringView text) {
    appendMapped(out, text, [](std::string& o, char32_t cp) {
        putUtf8(o, cp == ',' ? kCommaLookAlike : cp == ';' ? kSemicolonLookAlike : cp);
    });
}

// Title and identity: only ";" separates the information text.
void appendInfoPiece(std::string& out, QStringView text) {
    appendMapped(out, text,
                 [](std::string& o, char32_t cp) { putUtf8(o, cp == ';' ? kSemicolonLookAlike : cp); });
}

// Header texts keep their full stops ("No."); only the separators are replaced.
void appendSpreadsheetHeader(std::string& out, QStringView text) {
    appendMapped(out, text,
                 [](std::string& o, char32_t cp) { putUtf8(o, cp == ',' || cp == ';' ? '-' : cp); });
}

bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A run of digit groups joined by single full stops, starting at `start` (a digit).
struct NumberRun {
    qsizetype end = 0;  // one past the run
    int dots = 0;
    bool thousands = false;     // 1-3 digits without a leading zero, then groups of exactly three
    bool zeroFraction = false;  // one point and only zeros after it
};

NumberRun scanNumber(QStringView s, qsizetype start) {
    NumberRun run;
    const qsizetype n = s.size();
    qsizetype i = start;
    while (i < n && isDigit(s[i])) ++i;
    const qsizetype firstGroup = i - start;
    bool groupsOfThree = firstGroup <= 3 && s[start] != u'0';
    bool zeros = true;
    while (i + 1 < n && s[i] == u'.' && isDigit(s[i + 1])) {
        ++run.dots;
        const qsizetype g = ++i;
        while (i < n && isDigit(s[i])) {
            zeros = zeros && s[i] == u'0';
            ++i;
        }
        groupsOfThree = groupsOfThree && i - g == 3;
    }
    run.end = i;
    run.thousands = run.dots > 0 && groupsOfThree;
    run.zeroFraction = run.dots == 1 && zeros;
    return run;
}

void appendSeparatorsReplaced(std::string& out, QStringView text) {
    appendMapped(out, text, [](std::string& o, char32_t cp) {
        if (cp == '.') return;
        putUtf8(o, cp == ',' || cp == ';' ? '-' : cp);
    });
}

void appendCleanCell(std::string& out, QStringView cell) {
    const qsizetype n = cell.size();
    qsizetype plain = 0;  // start of the text not yet written
    qsizetype i = 0;
    while (i < n) {
        if (!isDigit(cell[i])) {
            ++i;
            continue;
        }
        const NumberRun run = scanNumber(cell, i);
        if (run.dots == 0) {
            i = run.end;
            continue;
        }
        appendSeparatorsReplaced(out, cell.mid(plain, i - plain));
        const QStringView number = cell.mid(i, run.end - i);
        const bool wholeCell = run.end == n && (i == 0 || (i == 1 && cell[0] == u'-'));
        if (run.thousands) {
            for (QChar c : number)
                if (c != u'.') out.push_back(static_cast<char>(c.unicode()));
        } else if (run.zeroFraction && wholeCell) {
            // SQLite's rendering of a whole real ("1500.0"): the whole number.
            const qsizetype point = number.indexOf(u'.');
            for (QChar c : number.left(point)) out.push_back(static_cast<char>(c.unicode()));
        } else {
            // A decimal point or a dotted code ("07.03.2016") keeps its points.
            for (QChar c : number) out.push_back(static_cast<char>(c.unicode()));
        }
        i = plain = run.end;
    }
    appendSeparatorsReplaced(out, cell.mid(plain));
}

// Room for the whole package at once, judged from the first rows, so a large
// grid is not copied over and over while it grows.
size_t estimateBytes(const GridData& grid) {
    const int sample = std::min(grid.rowCount(), 64);
    if (sample == 0) return 0;
    size_t chars = 0;
    for (int r = 0; r < sample; ++r)
        for (const QString& cell : grid.row(r)) chars += static_cast<size_t>(cell.size()) + 1;
    return chars * static_cast<size_t>(grid.rowCount()) / static_cast<size_t>(sample) * 9 / 8 + 64;
}

template <typename AppendCell>
void appendRows(std::string& out, const GridData& grid, AppendCell appendCell) {
    const int columns = grid.columnCount();
    for (int r = 0; r < grid.rowCount(); ++r) {
        if (r > 0) out.push_back(';');
        const QStringList& cells = grid.row(r);
        for (int c = 0; c < columns; ++c) {
            if (c > 0) out.push_back(',');
            if (c < cells.size()) appendCell(out, readCell(cells.at(c)));
        }
    }
}

}  // namespace

char AlignmentCode(Align align) {
    switch (align) {
        case Align::Right:
            return 'r';
        case Align::Center:
            return 'c';
        case Align::Left:
            break;
    }
    return 'l';
}

BrowserPackage BuildBrowserPackage(const QString& title, const QString& libraryName,
                                   const QString& libraryAddress, const GridData& grid) {
    BrowserPackage p;
    appendInfoPiece(p.information, title);
    p.information.push_back(';');
    appendInfoPiece(p.information, libraryName);
    p.information.push_back(';');
    appendInfoPiece(p.information, libraryAddress);
    p.information.push_back(';');
    for (const GridColumn& col : grid.columns()) p.information.push_back(AlignmentCode(col.align));

    for (int c = 0; c < grid.columnCount(); ++c) {
        if (c > 0) p.headers.push_back(';');
        appendBrowserText(p.headers, readCell(grid.column(c).header));
    }

    p.rows.reserve(estimateBytes(grid));
    appendRows(p.rows, grid, appendBrowserText);
    return p;
}

SpreadsheetPackage BuildSpreadsheetPackage(const GridData& grid) {
    SpreadsheetPackage p;
    p.rowCount = grid.rowCount();
    p.columnCount = grid.columnCount();
    std::string& d = p.data;
    d.reserve(estimateBytes(grid) + 16 * static_cast<size_t>(grid.columnCount()));
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (c > 0) d.push_back(',');
        appendSpreadsheetHeader(d, readCell(grid.column(c).header));
    }
    if (grid.rowCount() > 0) {
        d.push_back(';');
        appendRows(d, grid, appendCleanCell);
    }
    return p;
}

QString CleanSpreadsheetCell(QStringView cell) {
    std::string out;
    appendCleanCell(out, cell);
    return QString::fromStdString(out);
}

}  // namespace zelkor

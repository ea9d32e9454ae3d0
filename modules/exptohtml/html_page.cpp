#include "html_page.h"

#include <algorithm>
#include <string>
#include <vector>

#include "export_file.h"

namespace zelkor_module {

namespace {

// Collects the page in a buffer and hands it to the file in large pieces.
class PageWriter {
  public:
    explicit PageWriter(std::FILE* out) : out_(out) { buf_.reserve(kChunk + 4096); }
    ~PageWriter() { flush(); }

    void raw(std::string_view s) {
        buf_.append(s);
        if (buf_.size() >= kChunk) flush();
    }
    // Every text from the package goes through here: nothing in it can become markup.
    void text(std::string_view s) {
        for (char c : s) {
            switch (c) {
                case '&':
                    buf_.append("&amp;");
                    break;
                case '<':
                    buf_.append("&lt;");
                    break;
                case '>':
                    buf_.append("&gt;");
                    break;
                case '"':
                    buf_.append("&quot;");
                    break;
                case '\'':
                    buf_.append("&#39;");
                    break;
                default:
                    buf_.push_back(c);
            }
        }
        if (buf_.size() >= kChunk) flush();
    }
    // A cell's text: lines wrap between words only, except that a word too long for
    // any sensible column (a web address, a run of code) may break where it must.
    void cell(std::string_view s) {
        size_t start = 0;
        while (start < s.size()) {
            size_t end = start;
            while (end < s.size() && !isSpace(s[end])) ++end;
            const std::string_view word = s.substr(start, end - start);
            if (Utf8Length(word) > kLongWord) {
                raw("<span class=\"long\">");
                text(word);
                raw("</span>");
            } else {
                text(word);
            }
            size_t next = end;
            while (next < s.size() && isSpace(s[next])) ++next;
            text(s.substr(end, next - end));
            start = next;
        }
    }
    void number(size_t n) { raw(std::to_string(n)); }
    bool ok() {
        flush();
        return ok_;
    }

  private:
    void flush() {
        if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), out_) != buf_.size()) ok_ = false;
        buf_.clear();
    }
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    static constexpr size_t kLongWord = 30;
    static constexpr size_t kChunk = 1 << 16;
    std::FILE* out_;
    std::string buf_;
    bool ok_ = true;
};

const char* alignment(char code) {
    switch (code) {
        case 'r':
            return "right";
        case 'c':
            return "center";
        default:
            return "left";
    }
}

void writeStyle(PageWriter& w, std::string_view codes, size_t columns) {
    // Wide lists are printed across the page.
    w.raw(columns > 7 ? "@page { size: A4 landscape; margin: 10mm; }\n"
                      : "@page { size: A4 portrait; margin: 12mm 10mm; }\n");
    w.raw(R"(* { box-sizing: border-box; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10.5pt; color: #111; margin: 24px; }
header { text-align: center; margin-bottom: 14px; }
header .lib { font-size: 14pt; font-weight: bold; }
header .addr { font-size: 10pt; color: #333; }
header h1 { font-size: 13pt; margin: 10px 0 4px; letter-spacing: .03em; }
header .meta { font-size: 9pt; color: #555; }
table { border-collapse: collapse; width: 100%; }
th, td { border: 1px solid #999; padding: 3px 6px; vertical-align: top; white-space: pre-wrap; word-break: normal; overflow-wrap: break-word; }
.long { overflow-wrap: anywhere; }
thead th { background: #e6e6e6; text-align: left; }
tbody tr:nth-child(even) { background: #f5f5f5; }
@media screen { thead th { position: sticky; top: 0; } }
@media print {
  body { margin: 0; font-size: 9pt; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
  thead th, tbody tr { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)");
    for (size_t c = 0; c < codes.size(); ++c) {
        if (codes[c] != 'r' && codes[c] != 'c') continue;
        w.raw("th:nth-child(");
        w.number(c + 1);
        w.raw("), td:nth-child(");
        w.number(c + 1);
        w.raw(") { text-align: ");
        w.raw(alignment(codes[c]));
        w.raw("; }\n");
    }
}

// One table row of exactly `columns` cells (any number when `columns` is 0). More
// pieces than columns, from a caller that did not replace its commas, stay
// together in the last cell so no text is lost.
void writeRow(PageWriter& w, std::string_view row, bool header, size_t columns,
              std::vector<std::string_view>& cells) {
    cells.clear();
    ForEachPiece(row, header ? ';' : ',', [&](std::string_view cell) {
        cells.push_back(cell);
        return true;
    });
    const size_t n = columns ? columns : cells.size();
    const std::string_view open = header ? "<th>" : "<td>", close = header ? "</th>" : "</td>";
    w.raw("<tr>");
    for (size_t c = 0; c < n; ++c) {
        w.raw(open);
        if (c < cells.size()) {
            if (c + 1 == n && cells.size() > n) {
                const char* first = cells[c].data();
                const char* last = cells.back().data() + cells.back().size();
                w.cell(std::string_view(first, static_cast<size_t>(last - first)));
            } else {
                w.cell(cells[c]);
            }
        }
        w.raw(close);
    }
    w.raw("</tr>\n");
}

}  // namespace

PageInformation ParseInformation(std::string_view information) {
    PageInformation info;
    std::vector<std::string_view> pieces;
    ForEachPiece(information, ';', [&](std::string_view p) {
        pieces.push_back(p);
        return true;
    });
    info.title = pieces[0];
    if (pieces.size() > 1) info.libraryName = pieces[1];
    if (pieces.size() == 3) info.libraryAddress = pieces[2];
    if (pieces.size() >= 4) {
        const char* first = pieces[2].data();
        const char* last = pieces[pieces.size() - 2].data() + pieces[pieces.size() - 2].size();
        info.libraryAddress = std::string_view(first, static_cast<size_t>(last - first));
        info.codes = pieces.back();
    }
    return info;
}

bool WriteHtmlPage(std::FILE* out, std::string_view information, std::string_view headers,
                   std::string_view rows, std::string_view printedAt) {
    const PageInformation info = ParseInformation(information);
    const size_t headerCount = headers.empty() && info.codes.empty() ? 0 : CountPieces(headers, ';');
    const size_t columns = std::max(info.codes.size(), headerCount);
    const size_t rowCount = rows.empty() ? 0 : CountPieces(rows, ';');

    PageWriter w(out);
    w.raw(
        "<!DOCTYPE html>\n<html lang=\"id\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>");
    w.text(info.title);
    w.raw("</title>\n<style>\n");
    writeStyle(w, info.codes, columns);
    w.raw("</style>\n</head>\n<body>\n<header>\n<div class=\"lib\">");
    w.text(info.libraryName);
    w.raw("</div>\n<div class=\"addr\">");
    w.text(info.libraryAddress);
    w.raw("</div>\n<h1>");
    w.text(info.title);
    w.raw("</h1>\n<div class=\"meta\">Dicetak ");
    w.text(printedAt);
    w.raw(" &middot; Jumlah data: ");
    w.number(rowCount);
    w.raw("</div>\n</header>\n<table>\n<thead>\n");

    std::vector<std::string_view> cells;
    if (columns > 0) writeRow(w, headers, true, columns, cells);
    w.raw("</thead>\n<tbody>\n");
    if (rowCount > 0) {
        ForEachPiece(rows, ';', [&](std::string_view row) {
            writeRow(w, row, false, columns, cells);
            return true;
        });
    }
    w.raw("</tbody>\n</table>\n</body>\n</html>\n");
    return w.ok();
}

}  // namespace zelkor_module

// exptoxls: the export module behind "Export Ke Excel".
//
// sData(rowCount, columnCount, data) receives a grid as one UTF-8 text: the
// headers joined by ",", then for each row ";" and its cells joined by ",". It
// writes an .xlsx workbook into "laporan/" of the working directory
// ("export_20160307_090502.xlsx"): the header row bold and frozen, the columns as
// wide as their contents, row after row in the memory of one row (xlsx_stream.h). A cell becomes a number
// only when it is a whole number of at most 11 digits without a leading zero; anything else (ISBNs, barcodes,
// "007", "=1+1") is kept as text, never as a formula. The workbook is then opened
// with the default application without waiting. Returns the workbook's full path,
// or an empty text when it could not be written (nothing is left behind then). The
// returned text stays valid until the next call.
//
// ZELKOR_EXPORT_NO_OPEN=1 in the environment skips opening the workbook; it is
// still written and its path returned (tests, unattended runs).
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "export_file.h"
#include "xlsx_stream.h"

using namespace zelkor_module;

namespace {

constexpr size_t kMaxTextChars = 32767;  // the most a spreadsheet cell holds
constexpr size_t kMaxRows = 1048576;     // and a sheet
constexpr size_t kMaxColumns = 16384;

// Whole numbers a spreadsheet keeps exactly and a reader expects as numbers.
// Longer digit strings are codes (ISBN, barcode) and a leading zero is part of a
// code ("007"), so both stay text.
bool isWholeNumber(std::string_view s) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) s.remove_prefix(1);
    if (s.empty() || s.size() > 11) return false;
    if (s.front() == '0' && (s.size() > 1 || negative)) return false;
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// At most kMaxTextChars code points, cut between whole UTF-8 sequences.
std::string_view fitCell(std::string_view s) {
    if (s.size() <= kMaxTextChars) return s;
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (chars++ == kMaxTextChars) return s.substr(0, i);
    }
    return s;
}

// The cells of one line: exactly `columns` of them. More pieces than columns (a
// caller that left a separator inside a cell) stay together in the last cell.
void splitLine(std::string_view line, size_t columns, std::vector<std::string_view>& cells) {
    cells.clear();
    ForEachPiece(line, ',', [&](std::string_view cell) {
        if (cells.size() < columns) {
            cells.push_back(cell);
        } else if (!cells.empty()) {
            std::string_view& last = cells.back();
            last =
                std::string_view(last.data(), static_cast<size_t>(cell.data() + cell.size() - last.data()));
        }
        return true;
    });
    while (cells.size() < columns) cells.emplace_back();
}

struct Shape {
    size_t columns = 0;
    size_t rows = 0;
    std::vector<double> widths;
};

// First pass: how many rows and how wide each column must be.
Shape measure(std::string_view data, int columnCount) {
    Shape s;
    const std::string_view header = data.substr(0, data.find(';'));
    s.columns = std::max<size_t>(columnCount > 0 ? static_cast<size_t>(columnCount) : 0,
                                 header.empty() && columnCount <= 0 ? 0 : CountPieces(header, ','));
    std::vector<size_t> chars(s.columns, 0);
    std::vector<std::string_view> cells;
    bool first = true;
    ForEachPiece(data, ';', [&](std::string_view line) {
        splitLine(line, s.columns, cells);
        for (size_t c = 0; c < s.columns; ++c)
            chars[c] = std::max(chars[c], Utf8Length(cells[c]) + (first ? 1 : 0));  // bold is wider
        if (!first) ++s.rows;
        first = false;
        return true;
    });
    for (size_t n : chars) s.widths.push_back(std::clamp<double>(static_cast<double>(n) + 2, 6, 60));
    return s;
}

bool writeWorkbook(const std::string& path, std::string_view data, const Shape& shape) {
    // Two passes over the rows as they stand in the package (the texts, then the
    // sheet): memory stays that of one row however long the list.
    XlsxStream book;
    if (!book.open(path, shape.rows + 1, shape.widths)) return false;
    std::vector<std::string_view> cells;
    const auto writeRows = [&] {
        bool header = true;
        ForEachPiece(data, ';', [&](std::string_view line) {
            splitLine(line, shape.columns, cells);
            book.startRow();
            for (size_t c = 0; c < shape.columns; ++c) {
                const std::string_view cell = fitCell(cells[c]);
                if (cell.empty()) continue;
                if (!header && isWholeNumber(cell))
                    book.number(c, cell);
                else
                    book.text(c, cell);  // never a formula: "=1+1" stays the text "=1+1"
            }
            header = false;
            return true;
        });
    };
    writeRows();
    book.startSheet();
    writeRows();
    return book.close();
}

std::string writeExport(std::string_view data, int columnCount) {
    const Shape shape = measure(data, columnCount);
    if (shape.rows + 1 > kMaxRows || shape.columns > kMaxColumns) {
        std::fprintf(stderr, "exptoxls: %zu rows and %zu columns do not fit one worksheet\n", shape.rows,
                     shape.columns);
        return {};
    }
    const std::string path = NewReportPath("export", ".xlsx");
    if (path.empty()) return {};
    const std::string part = PartPath(path);
    if (!writeWorkbook(part, data, shape)) {
        std::remove(part.c_str());
        return {};
    }
    return CommitFile(part, path) ? path : std::string();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const char* sData(int rowCount, int columnCount,
                                                                    const char* data) {
    (void)rowCount;  // the data text itself says how many rows follow the header line
    // Static, not on the stack: the caller reads the reply after we return.
    static std::string reply;
    reply = writeExport(data ? data : "", columnCount);
    if (!reply.empty()) OpenWithDefaultApplication(reply);
    return reply.c_str();
}

#include "xlsx_stream.h"

#include <zlib.h>

#include <ctime>

namespace zelkor_module {

namespace {

constexpr size_t kChunk = 1 << 16;
// Fast deflate: the sheet of a long list is tens of megabytes of repetitive XML.
constexpr int kLevel = Z_BEST_SPEED;

constexpr char kContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>)"
    R"(</Types>)";

constexpr char kRootRels[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";

constexpr char kWorkbook[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<bookViews><workbookView/></bookViews><sheets><sheet name="Data" sheetId="1" r:id="rId1"/></sheets>)"
    R"(</workbook>)";

constexpr char kWorkbookRels[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
    R"(</Relationships>)";

// Style 0: plain; style 1: bold (the header row).
constexpr char kStyles[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<fonts count="2"><font><sz val="11"/><name val="Calibri"/><family val="2"/></font>)"
    R"(<font><b/><sz val="11"/><name val="Calibri"/><family val="2"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="2"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1"/></cellXfs>)"
    R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)"
    R"(</styleSheet>)";

std::string columnName(size_t c) {
    std::string name;
    for (size_t n = c + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

// The length of the valid UTF-8 sequence at s[i], 0 when there is none.
size_t utf8Sequence(std::string_view s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    const auto cont = [&](size_t k) { return k < s.size() && (b(k) & 0xC0) == 0x80; };
    if (c >= 0xC2 && c <= 0xDF) return cont(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!cont(i + 1) || !cont(i + 2)) return 0;
        if (c == 0xE0 && b(i + 1) < 0xA0) return 0;   // overlong
        if (c == 0xED && b(i + 1) >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!cont(i + 1) || !cont(i + 2) || !cont(i + 3)) return 0;
        if (c == 0xF0 && b(i + 1) < 0x90) return 0;
        if (c == 0xF4 && b(i + 1) >= 0x90) return 0;
        return 4;
    }
    return 0;
}

// A text as XML character data: markup characters escaped, control characters
// written as the spreadsheet's own "_xHHHH_", a byte that is no UTF-8 as U+FFFD.
void appendXmlText(std::string& out, std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                case '\t':
                case '\n':
                case '\r':
                    out.push_back(static_cast<char>(c));
                    break;
                default:
                    if (c < 0x20) {
                        static const char hex[] = "0123456789ABCDEF";
                        out += "_x00";
                        out.push_back(hex[c >> 4]);
                        out.push_back(hex[c & 15]);
                        out.push_back('_');
                    } else {
                        out.push_back(static_cast<char>(c));
                    }
            }
            ++i;
            continue;
        }
        const size_t n = utf8Sequence(s, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(s.substr(i, n));
            i += n;
        }
    }
}

}  // namespace

XlsxStream::~XlsxStream() {
    if (zip_) zipClose(zip_, nullptr);
}

bool XlsxStream::openEntry(const char* name) {
    zip_fileinfo info{};
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    info.tmz_date = {static_cast<uInt>(t.tm_sec),  static_cast<uInt>(t.tm_min),
                     static_cast<uInt>(t.tm_hour), static_cast<uInt>(t.tm_mday),
                     static_cast<uInt>(t.tm_mon),  static_cast<uInt>(t.tm_year + 1900)};
    return zipOpenNewFileInZip64(zip_, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, kLevel,
                                 large_ ? 1 : 0) == ZIP_OK;
}

bool XlsxStream::putPart(const char* name, std::string_view content) {
    return openEntry(name) &&
           zipWriteInFileInZip(zip_, content.data(), static_cast<unsigned>(content.size())) == ZIP_OK &&
           zipCloseFileInZip(zip_) == ZIP_OK;
}

void XlsxStream::flush() {
    if (ok_ && !buf_.empty())
        ok_ = zipWriteInFileInZip(zip_, buf_.data(), static_cast<unsigned>(buf_.size())) == ZIP_OK;
    buf_.clear();
}

bool XlsxStream::open(const std::string& path, size_t rows, const std::vector<double>& widths) {
    zip_ = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip_) return false;
    rows_ = rows;
    widths_ = widths;
    // A part of more than about 4 GB needs the zip64 extension, which older
    // spreadsheet programs warn about, so only then.
    large_ = static_cast<double>(rows) * static_cast<double>(widths.size()) * 300.0 > 3.5e9;
    for (size_t c = 0; c < widths.size(); ++c) letters_.push_back(columnName(c));
    ok_ = putPart("[Content_Types].xml", kContentTypes) && putPart("_rels/.rels", kRootRels) &&
          putPart("xl/workbook.xml", kWorkbook) && putPart("xl/_rels/workbook.xml.rels", kWorkbookRels) &&
          putPart("xl/styles.xml", kStyles) && openEntry("xl/sharedStrings.xml");
    buf_ = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\n"
           R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
    return ok_;
}

void XlsxStream::startSheet() {
    buf_ += "</sst>";
    flush();
    ok_ = ok_ && zipCloseFileInZip(zip_) == ZIP_OK && openEntry("xl/worksheets/sheet1.xml");
    sheet_ = true;
    row_ = 0;
    inRow_ = false;
    buf_ +=
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        "\n"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)";
    buf_ += "<dimension ref=\"A1";
    if (!widths_.empty() && rows_ > 0) buf_ += ":" + letters_.back() + std::to_string(rows_);
    buf_ += "\"/>";
    buf_ +=
        R"(<sheetViews><sheetView tabSelected="1" workbookViewId="0">)"
        R"(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)"
        R"(<selection pane="bottomLeft"/></sheetView></sheetViews><sheetFormatPr defaultRowHeight="15"/>)";
    if (!widths_.empty()) {
        buf_ += "<cols>";
        for (size_t c = 0; c < widths_.size(); ++c) {
            const std::string n = std::to_string(c + 1);
            char width[32];
            std::snprintf(width, sizeof width, "%.2f", widths_[c]);
            buf_ += "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" + width + "\" customWidth=\"1\"/>";
        }
        buf_ += "</cols>";
    }
    buf_ += "<sheetData>";
}

void XlsxStream::startRow() {
    if (buf_.size() >= kChunk) flush();
    ++row_;
    if (!sheet_) return;
    if (inRow_) buf_ += "</row>";
    rowText_ = std::to_string(row_);
    buf_ += "<row r=\"";
    buf_ += rowText_;
    buf_ += "\">";
    inRow_ = true;
}

void XlsxStream::cellStart(size_t column, const char* type) {
    // Every cell says where it is, though the format would let a cell that follows
    // the one before go without: some readers place such cells wrongly.
    buf_ += "<c r=\"";
    buf_ += letters_[column];
    buf_ += rowText_;
    buf_ += '"';
    if (row_ == 1) buf_ += " s=\"1\"";
    buf_ += type;
    buf_ += "><v>";
}

void XlsxStream::text(size_t column, std::string_view text) {
    if (!sheet_) {
        // Every text its own entry: telling repeats apart would need them all in memory.
        const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
        const bool keepSpaces = !text.empty() && (space(text.front()) || space(text.back()));
        buf_ += keepSpaces ? "<si><t xml:space=\"preserve\">" : "<si><t>";
        appendXmlText(buf_, text);
        buf_ += "</t></si>";
        return;
    }
    cellStart(column, " t=\"s\"");
    buf_ += std::to_string(stringCount_++);
    buf_ += "</v></c>";
}

void XlsxStream::number(size_t column, std::string_view digits) {
    if (!sheet_) return;
    cellStart(column, "");
    buf_.append(digits);
    buf_ += "</v></c>";
}

bool XlsxStream::close() {
    if (!sheet_) startSheet();
    if (inRow_) buf_ += "</row>";
    buf_ +=
        "</sheetData>"
        R"(<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>)"
        "</worksheet>";
    flush();
    ok_ = ok_ && zipCloseFileInZip(zip_) == ZIP_OK;
    const bool closed = zipClose(zip_, nullptr) == ZIP_OK;
    zip_ = nullptr;
    return ok_ && closed;
}

}  // namespace zelkor_module

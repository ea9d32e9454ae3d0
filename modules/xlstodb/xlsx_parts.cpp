#include "xlsx_parts.h"

#include <orcus/sax_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <new>

#include "child_process.h"
#include "sheet_records.h"

namespace xlstodb {

namespace {

// A text longer than this is cut: CleanCell keeps kMaxCellChars characters, which
// never take more bytes than this, so the cut never splits a character it keeps.
constexpr size_t kMaxTextBytes = kMaxCellChars * 4;

// Rows beyond Excel's last are no rows.
constexpr long kMaxRow = 1048576;

// The handler sax_parser expects, doing nothing; each reader below hides what it needs.
struct XmlHandler {
    void doctype(const orcus::sax::doctype_declaration&) {}
    void start_declaration(std::string_view) {}
    void end_declaration(std::string_view) {}
    void start_element(const orcus::sax::parser_element&) {}
    void end_element(const orcus::sax::parser_element&) {}
    void characters(std::string_view, bool) {}
    void attribute(const orcus::sax::parser_attribute&) {}
};

class Package {
  public:
    explicit Package(std::string_view bytes)
        : stream_(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), zip_(&stream_) {
        zip_.load();
    }

    // The part's contents, or nothing when the archive has no such part.
    std::string part(const std::string& name) const {
        std::vector<unsigned char> buf;
        if (name.empty() || !zip_.read_file_entry(name, buf)) return {};
        return std::string(buf.begin(), buf.end());
    }

    // Reads the part `name`, if there is one, with `handler`; a part that cannot be
    // unpacked or is no XML is a ReadError naming it.
    template <typename Handler>
    void parse(const std::string& name, Handler& handler) const {
        NoteReading("bagian " + CleanCell(name));
        try {
            const std::string xml = part(name);
            if (xml.empty()) return;
            orcus::sax_parser<Handler> parser(xml.data(), xml.size(), handler);
            parser.parse();
        } catch (const ReadError&) {
            throw;
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& e) {
            throw ReadError("Bagian " + CleanCell(name) + " dari workbook ini tidak dapat dibaca (" +
                            CleanCell(e.what()) +
                            "). Bukalah di Excel atau LibreOffice lalu simpan kembali..");
        }
    }

  private:
    orcus::zip_archive_stream_blob stream_;
    orcus::zip_archive zip_;
};

// A relationship's target as a part name: beside the part that names it, or from
// the package's root when it starts with "/".
std::string resolveTarget(std::string_view from, std::string_view target) {
    std::vector<std::string_view> path;
    if (target.empty() || target.front() != '/') {
        const size_t slash = from.rfind('/');
        std::string_view dir = slash == std::string_view::npos ? std::string_view() : from.substr(0, slash);
        while (!dir.empty()) {
            const size_t cut = dir.find('/');
            path.push_back(dir.substr(0, cut));
            dir = cut == std::string_view::npos ? std::string_view() : dir.substr(cut + 1);
        }
    }
    while (!target.empty()) {
        const size_t cut = target.find('/');
        const std::string_view step = target.substr(0, cut);
        if (step == "..") {
            if (!path.empty()) path.pop_back();
        } else if (!step.empty() && step != ".") {
            path.push_back(step);
        }
        target = cut == std::string_view::npos ? std::string_view() : target.substr(cut + 1);
    }
    std::string name;
    for (std::string_view step : path) {
        if (!name.empty()) name += '/';
        name += step;
    }
    return name;
}

// The relationships part of `part`: "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels".
std::string relsOf(std::string_view part) {
    const size_t slash = part.rfind('/');
    const size_t base = slash == std::string_view::npos ? 0 : slash + 1;
    return std::string(part.substr(0, base)) + "_rels/" + std::string(part.substr(base)) + ".rels";
}

// <Relationship Id="rId1" Type=".../officeDocument" Target="xl/workbook.xml"/>
struct Relationships : XmlHandler {
    struct Rel {
        std::string type, target;
    };
    std::map<std::string, Rel> byId;
    std::string id, type, target;

    void attribute(const orcus::sax::parser_attribute& a) {
        if (a.name == "Id") id = a.value;
        if (a.name == "Type") type = a.value;
        if (a.name == "Target") target = a.value;
    }
    void start_element(const orcus::sax::parser_element& e) {
        if (e.name == "Relationship" && byId.size() < 65536) byId[id] = {type, target};
        id.clear(), type.clear(), target.clear();
    }
};

// <sheet name="Sheet1" sheetId="1" r:id="rId1"/>, in the workbook's order.
struct SheetList : XmlHandler {
    struct Sheet {
        std::string name, sheetId, rel;
    };
    std::vector<Sheet> sheets;
    Sheet next;

    void attribute(const orcus::sax::parser_attribute& a) {
        if (a.name == "name" && a.ns.empty()) next.name = a.value;
        if (a.name == "sheetId" && a.ns.empty()) next.sheetId = a.value;
        if (a.name == "id" && !a.ns.empty()) next.rel = a.value;
    }
    void start_element(const orcus::sax::parser_element& e) {
        if (e.name == "sheet" && sheets.size() < 65536) sheets.push_back(next);
        next = {};
    }
};

// The workbook part, named by the package's relationships; empty when none is.
std::string workbookPart(const Package& package) {
    Relationships root;
    package.parse("_rels/.rels", root);
    for (const auto& [id, rel] : root.byId)
        if (rel.type.ends_with("/officeDocument")) return resolveTarget("", rel.target);
    return {};
}

void appendCut(std::string& text, std::string_view more) {
    if (text.size() < kMaxTextBytes) text += more.substr(0, kMaxTextBytes - text.size());
}

// <si><t>..</t></si> or <si><r><t>..</t></r>..</si>, leaving out <rPh>, a reading
// aid printed above the text.
struct SharedStrings : XmlHandler {
    std::vector<std::string> strings;
    std::string text;
    bool collecting = false, inPhonetic = false;

    void start_element(const orcus::sax::parser_element& e) {
        if (e.name == "si") text.clear();
        if (e.name == "rPh") inPhonetic = true;
        if (e.name == "t") collecting = !inPhonetic;
    }
    void end_element(const orcus::sax::parser_element& e) {
        if (e.name == "t") collecting = false;
        if (e.name == "rPh") inPhonetic = false;
        if (e.name == "si") {
            if (strings.size() >= kMaxPartCells) throw tooManyCells();
            strings.push_back(std::move(text));
            text.clear();
        }
    }
    void characters(std::string_view s, bool) {
        if (collecting) appendCut(text, s);
    }
    static ReadError tooManyCells() {
        return ReadError("Workbook terlalu besar untuk diimpor (lebih dari " + std::to_string(kMaxPartCells) +
                         " sel)..");
    }
};

// The cells of a sheet part: <row r="2"><c r="B2" t="s" s="1"><v>..</v></c>..</row>.
struct SheetCells : XmlHandler {
    bool all = false;
    const std::vector<std::string>* shared = nullptr;
    std::vector<PartCell> cells;

    long row = -1, col = -1;
    std::string ref, type, style;  // of the element whose attributes are being read
    std::string cellType;
    size_t xf = 0;
    bool inIs = false, inPhonetic = false, collecting = false;
    std::string value, inlineText;

    void attribute(const orcus::sax::parser_attribute& a) {
        if (a.name == "r") ref = a.value;
        if (a.name == "t") type = a.value;
        if (a.name == "s") style = a.value;
    }
    void start_element(const orcus::sax::parser_element& e) {
        if (e.name == "row") {
            const long r = number(ref);
            row = r > 0 && r <= kMaxRow ? r - 1 : row + 1;
            col = -1;
        } else if (e.name == "c") {
            long r = 0, c = 0;
            col = !ref.empty() && ParseCellAddress(ref, r, c) ? c : col + 1;
            cellType = type;
            xf = static_cast<size_t>(std::max(0L, number(style)));
            value.clear(), inlineText.clear();
        } else if (e.name == "is") {
            inIs = true;
        } else if (e.name == "rPh") {
            inPhonetic = true;
        } else if (e.name == "t" || e.name == "v") {
            collecting = e.name == "v" || (inIs && !inPhonetic);
        }
        ref.clear(), type.clear(), style.clear();
    }
    void end_element(const orcus::sax::parser_element& e) {
        if (e.name == "t" || e.name == "v") collecting = false;
        if (e.name == "is") inIs = false;
        if (e.name == "rPh") inPhonetic = false;
        if (e.name == "c" && row >= 0 && row < kMaxRow && col < kMaxColumns) endCell();
    }
    void characters(std::string_view s, bool) {
        if (collecting) appendCut(inIs ? inlineText : value, s);
    }

    void endCell() {
        PartCell cell{row, col, PartCell::Kind::Text, {}, 0, 0};
        if (cellType == "inlineStr") {
            cell.text = std::move(inlineText);
        } else if (cellType == "str" || cellType == "d") {
            cell.text = std::move(value);
        } else if (!all || value.empty()) {
            return;
        } else if (cellType == "s") {
            const long index = number(value);
            if (shared && index >= 0 && static_cast<size_t>(index) < shared->size())
                cell.text = (*shared)[static_cast<size_t>(index)];
        } else if (cellType == "b") {
            cell.kind = PartCell::Kind::Bool;
            cell.number = value == "1" || value == "true";
        } else if (cellType.empty() || cellType == "n") {
            const char* end = value.data() + value.size();
            if (std::from_chars(value.data(), end, cell.number).ptr != end) return;
            cell.kind = PartCell::Kind::Number;
            cell.xf = xf;
        }
        if (cell.kind == PartCell::Kind::Text && cell.text.empty()) return;
        if (cells.size() >= kMaxPartCells) throw SharedStrings::tooManyCells();
        cells.push_back(std::move(cell));
    }

    // A whole number written out, or -1.
    static long number(std::string_view s) {
        long n = 0;
        const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
        return error == std::errc() && end == s.data() + s.size() ? n : -1;
    }
};

}  // namespace

bool ParseCellAddress(std::string_view s, long& row, long& col) {
    const size_t bang = s.rfind('!');  // "Sheet1!A1": the sheet does not matter here
    if (bang != std::string_view::npos) s.remove_prefix(bang + 1);
    size_t i = 0;
    long c = 0, r = 0;
    if (i < s.size() && s[i] == '$') ++i;
    for (; i < s.size() && c < 1000000; ++i) {
        const char l = s[i] >= 'a' && s[i] <= 'z' ? static_cast<char>(s[i] - 'a' + 'A') : s[i];
        if (l < 'A' || l > 'Z') break;
        c = c * 26 + (l - 'A' + 1);
    }
    if (i < s.size() && s[i] == '$') ++i;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && r < 100000000; ++i) r = r * 10 + (s[i] - '0');
    if (c == 0 || r == 0 || i != s.size()) return false;
    row = r - 1;
    col = c - 1;
    return true;
}

std::map<long, std::string> XlsxSheetsById(std::string_view bytes) {
    const Package package(bytes);
    const std::string workbook = workbookPart(package);
    SheetList sheets;
    package.parse(workbook, sheets);
    std::map<long, std::string> byId;
    for (const SheetList::Sheet& s : sheets.sheets) byId.emplace(SheetCells::number(s.sheetId), s.name);
    return byId;
}

std::vector<PartCell> XlsxSheetCells(std::string_view bytes, std::string_view sheet, bool all) {
    const Package package(bytes);
    const std::string workbook = workbookPart(package);
    if (workbook.empty()) return {};

    SheetList sheets;
    package.parse(workbook, sheets);
    const auto named = std::find_if(sheets.sheets.begin(), sheets.sheets.end(),
                                    [&](const SheetList::Sheet& s) { return s.name == sheet; });
    Relationships parts;
    package.parse(relsOf(workbook), parts);
    if (named == sheets.sheets.end()) return {};
    const auto rel = parts.byId.find(named->rel);
    if (rel == parts.byId.end()) return {};

    SharedStrings shared;
    SheetCells cells;
    cells.all = all;
    if (all) {
        for (const auto& [id, r] : parts.byId)
            if (r.type.ends_with("/sharedStrings")) package.parse(resolveTarget(workbook, r.target), shared);
        cells.shared = &shared.strings;
    }
    package.parse(resolveTarget(workbook, rel->second.target), cells);
    std::stable_sort(cells.cells.begin(), cells.cells.end(), [](const PartCell& a, const PartCell& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    return std::move(cells.cells);
}

}  // namespace xlstodb

// .xls workbooks (Excel 97-2003) through FreeXL. FreeXL gives dates as
// "yyyy-mm-dd" texts itself; cells holding a formula read as empty, since FreeXL
// does not keep formula results.
#include <freexl.h>

#include <cstdio>

#include "child_process.h"
#include "workbook.h"

namespace xlstodb {

namespace {

// FreeXL keeps every cell of every sheet in memory, 16 bytes each, from the
// moment the file is opened: a file claiming more is refused before that.
constexpr std::uint64_t kMaxXlsCells = 8'000'000;

// FreeXL reports success, and gives no workbook, when it stops at a record it
// cannot read (a sheet name or a text in a code page its iconv lacks, say); every
// later call then says only FREEXL_NULL_HANDLE.
constexpr int kStoppedAtRecord = 1;

class XlsFile {
  public:
    XlsFile(const std::string& path, bool infoOnly) {
        code_ = infoOnly ? freexl_open_info(path.c_str(), &handle_) : freexl_open(path.c_str(), &handle_);
        if (code_ == FREEXL_OK && !handle_) code_ = kStoppedAtRecord;
    }
    ~XlsFile() {
        if (handle_) freexl_close(handle_);
    }
    XlsFile(const XlsFile&) = delete;
    XlsFile& operator=(const XlsFile&) = delete;

    int code() const { return code_; }
    const void* handle() const { return handle_; }

  private:
    const void* handle_ = nullptr;
    int code_ = FREEXL_OK;
};

// What FreeXL could not read. FreeXL reads less than Excel writes, so a code is
// no proof of a damaged file.
std::string reasonOf(int code) {
    switch (code) {
        case kStoppedAtRecord:
            return "FreeXL berhenti pada isi yang tidak dapat dibacanya, misalnya nama sheet atau teks dalam "
                   "kode huruf yang tidak dikenalnya";
        case FREEXL_INVALID_CHARACTER:
        case FREEXL_UNSUPPORTED_CHARSET:
            return "FreeXL tidak mengenal kode huruf teksnya";
        case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
            return "file ini tidak memuat workbook Excel";
        default:
            return code <= FREEXL_INVALID_CFBF_HEADER && code >= FREEXL_CFBF_ILLEGAL_FAT_ENTRY
                       ? "FreeXL tidak dapat membaca susunan file Office-nya (CFBF)"
                       : "FreeXL tidak dapat membacanya";
    }
}

// `where`: what was being read ("sheet \"Data\"").
[[noreturn]] void fail(int code, const std::string& where) {
    if (code == FREEXL_INSUFFICIENT_MEMORY)
        throw ReadError("Memori tidak cukup untuk membaca workbook ini..");
    if (code == FREEXL_FILE_NOT_FOUND) throw ReadError("File tidak dapat dibuka..");
    throw ReadError("File .xls tidak dapat dibaca: " + reasonOf(code) + " (ketika membaca " + where +
                    "; kode FreeXL " + std::to_string(code) +
                    "). Bukalah di Excel atau LibreOffice lalu simpan kembali..");
}

void check(int code, const std::string& where) {
    if (code != FREEXL_OK) fail(code, where);
}

constexpr const char* kWorkbook = "daftar sheet";

unsigned sheetCount(const void* h) {
    unsigned count = 0;
    check(freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &count), kWorkbook);
    if (count == 0) throw ReadError("Workbook ini tidak berisi sheet..");
    return count;
}

// Empty when FreeXL gives none; the sheet is then known by its place only.
std::string sheetName(const void* h, unsigned index) {
    const char* name = nullptr;
    if (freexl_get_worksheet_name(h, static_cast<unsigned short>(index), &name) != FREEXL_OK || !name)
        return {};
    return name;
}

std::string sheetNote(const std::string& name, unsigned index) {
    return name.empty() ? "sheet ke-" + std::to_string(index + 1) : "sheet \"" + CleanCell(name) + "\"";
}

// The sheet to read, and a check that the whole workbook fits in memory.
unsigned chooseSheet(const std::string& path, std::string_view wanted, std::string& name) {
    NoteReading(kWorkbook);
    XlsFile info(path, true);
    check(info.code(), kWorkbook);
    const void* h = info.handle();
    unsigned password = 0;
    if (freexl_get_info(h, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK &&
        password == FREEXL_BIFF_OBFUSCATED)
        throw ReadError("Workbook ini dilindungi password. Simpanlah tanpa password lalu coba lagi..");
    const unsigned count = sheetCount(h);
    unsigned chosen = 0;
    bool named = false;
    std::uint64_t cells = 0;
    for (unsigned i = 0; i < count && i <= 0xFFFF; ++i) {
        const std::string n = sheetName(h, i);
        if (!named && SameSheetName(n, wanted)) chosen = i, named = true;
        unsigned rows = 0;
        unsigned short cols = 0;
        if (freexl_select_active_worksheet(h, static_cast<unsigned short>(i)) == FREEXL_OK &&
            freexl_worksheet_dimensions(h, &rows, &cols) == FREEXL_OK)
            cells += static_cast<std::uint64_t>(rows) * cols;
    }
    if (cells > kMaxXlsCells)
        throw ReadError("Workbook terlalu besar untuk diimpor (lebih dari " + std::to_string(kMaxXlsCells) +
                        " sel)..");
    name = sheetName(h, chosen);
    return chosen;
}

void putCell(SheetRecords& records, unsigned row, unsigned col, const FreeXL_CellValue& v) {
    switch (v.type) {
        case FREEXL_CELL_INT:
            records.number(row, col, v.value.int_value);
            break;
        case FREEXL_CELL_DOUBLE:
            records.number(row, col, v.value.double_value);
            break;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
        case FREEXL_CELL_TIME:
            if (v.value.text_value) records.text(row, col, v.value.text_value);
            break;
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME: {
            // FreeXL's own "yyyy-mm-dd" or "yyyy-mm-dd HH:MM:SS".
            Date d;
            if (v.value.text_value &&
                std::sscanf(v.value.text_value, "%d-%d-%d %d:%d:%d", &d.year, &d.month, &d.day, &d.hour,
                            &d.minute, &d.second) >= 3 &&
                IsValidDate(d.year, d.month, d.day))
                records.date(row, col, d);
            else if (v.value.text_value)
                records.text(row, col, v.value.text_value);
            break;
        }
        default:
            break;
    }
}

}  // namespace

std::string ReadXls(const std::string& path, std::string_view wanted, std::string_view header) {
    std::string name;
    const unsigned sheet = chooseSheet(path, wanted, name);
    const std::string where = sheetNote(name, sheet);
    NoteReading(where);

    XlsFile file(path, false);
    check(file.code(), where);
    const void* h = file.handle();
    check(freexl_select_active_worksheet(h, static_cast<unsigned short>(sheet)), where);
    unsigned rows = 0;
    unsigned short cols = 0;
    check(freexl_worksheet_dimensions(h, &rows, &cols), where);

    SheetRecords records(header);
    for (unsigned r = 0; r < rows; ++r) {
        for (unsigned c = 0; c < cols; ++c) {
            FreeXL_CellValue v;
            if (freexl_get_cell_value(h, r, static_cast<unsigned short>(c), &v) == FREEXL_OK)
                putCell(records, r, c, v);
        }
    }
    return records.recordText(name);
}

}  // namespace xlstodb

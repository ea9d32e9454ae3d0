// .csv and other delimited text through liborcus's CSV parser. Excel saves a CSV
// with ";" where the decimal mark is a comma (an Indonesian Windows does), with ","
// elsewhere, and some programs use tabs: the file's first lines tell which.
#include <orcus/csv_parser.hpp>

#include <new>

#include "workbook.h"

namespace xlstodb {

namespace {

// The separator that the first lines hold most of (a title line above the
// header may hold none).
char separatorOf(std::string_view bytes) {
    size_t commas = 0, semicolons = 0, tabs = 0;
    for (char c : bytes.substr(0, 64 * 1024)) {
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (tabs > commas && tabs > semicolons) return '\t';
    return semicolons > commas ? ';' : ',';
}

class CsvHandler {
  public:
    explicit CsvHandler(SheetRecords& records) : records_(records) {}

    void begin_parse() {}
    void end_parse() {}
    void begin_row() { col_ = 0; }
    void end_row() { ++row_; }
    void cell(const char* p, size_t n, bool) {
        // A CSV cell is what was typed, except that "1500.0" written out by a
        // program is the whole number 1500.
        records_.text(row_, col_++, DropZeroFraction(std::string_view(p, n)));
    }

  private:
    SheetRecords& records_;
    long row_ = 0;
    long col_ = 0;
};

// Lines end with "\n" alone: the parser takes a "\r" after a quoted cell for part of
// the row, and Excel ends every line with "\r\n".
std::string unixLineEnds(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            out.push_back(bytes[i]);
        } else if (i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            out.push_back('\n');
        }
    }
    return out;
}

}  // namespace

std::string ReadCsv(std::string_view original, std::string_view header) {
    const std::string bytes = unixLineEnds(original);
    SheetRecords records(header);
    CsvHandler handler(records);
    orcus::csv::parser_config config;
    config.delimiters = std::string(1, separatorOf(bytes));
    config.text_qualifier = '"';
    config.trim_cell_value = false;
    try {
        orcus::csv_parser<CsvHandler> parser(bytes.data(), bytes.size(), handler, config);
        parser.parse();
    } catch (const ReadError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw ReadError("Memori tidak cukup untuk membaca file ini..");
    } catch (const std::exception& e) {
        throw ReadError(std::string("File CSV tidak dapat dibaca (") + CleanCell(e.what()) + ")..");
    }
    return records.recordText({});
}

}  // namespace xlstodb

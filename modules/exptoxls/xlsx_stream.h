#pragma once
// A workbook of one sheet written as the rows come, in two passes over the same
// rows: the first writes their texts as the shared string table, the second the
// sheet, whose text cells refer to those strings by their place. Both go straight
// into the .xlsx, so memory stays that of one row however long the list. Texts are
// shared strings, as every spreadsheet reader expects (some, liborcus among them,
// skip inline ones), and never formulas. The first row is bold and stays in view.
#include <minizip/zip.h>

#include <string>
#include <string_view>
#include <vector>

namespace zelkor_module {

class XlsxStream {
  public:
    XlsxStream() = default;
    ~XlsxStream();
    XlsxStream(const XlsxStream&) = delete;
    XlsxStream& operator=(const XlsxStream&) = delete;

    // Starts the workbook at `path`, its sheet "Data" of `rows` rows (header
    // included) and of columns `widths` characters wide, with the first pass. False
    // when the file cannot be written.
    bool open(const std::string& path, size_t rows, const std::vector<double>& widths);
    // Ends the first pass and starts the second. Both passes must give the same
    // rows, texts and numbers.
    void startSheet();

    // Rows in order, from the first; cells in order within a row, any of them left
    // out (an empty cell).
    void startRow();
    void text(size_t column, std::string_view text);      // bold in the first row
    void number(size_t column, std::string_view digits);  // a whole number as written

    // Completes the file. False when anything failed; the file is then incomplete
    // and the caller removes it.
    bool close();

  private:
    void cellStart(size_t column, const char* type);
    bool putPart(const char* name, std::string_view content);
    bool openEntry(const char* name);
    void flush();

    zipFile zip_ = nullptr;
    std::vector<std::string> letters_;  // column names: A, B, ..., AA, ...
    std::vector<double> widths_;
    std::string buf_;
    std::string rowText_;  // the number of the row being written
    size_t rows_ = 0, row_ = 0, stringCount_ = 0;
    bool sheet_ = false;  // the second pass
    bool inRow_ = false;
    bool large_ = false;  // zip64 for a part that may pass 4 GB
    bool ok_ = false;
};

}  // namespace zelkor_module

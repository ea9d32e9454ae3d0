#pragma once
// The cells of one sheet, gathered as a reader finds them, and the record text
// made of them for a header line. The readers (workbook.h) only say which value
// stands in which cell; the header, the order of the fields, the cleaning and the
// limits live here, alike for every format.
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cell_text.h"

namespace xlstodb {

// Beyond these a workbook is refused with a message: a list of items or members
// is never this long, and a hostile file must not take the program's memory.
inline constexpr long kMaxDataRows = 100000;
// Header names are looked for in the first columns only.
inline constexpr long kMaxColumns = 1024;

// Why a workbook gave no records. The text is for the operator, in Indonesian,
// and never ends with "|" (see xlstodb.h).
class ReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The header line's names as a sheet's first row may spell them: case, spaces and
// underscores do not count ("Nama_Item", "Nama Item", "nama item" and "NAMAITEM"
// are one name).
std::string HeaderKey(std::string_view name);

class SheetRecords {
  public:
    // `header`: the field names in order, separated by ";".
    explicit SheetRecords(std::string_view header);

    // A cell's value. Rows and columns count from 0, in any order, though readers
    // give them row by row. An empty text is no value.
    void text(long row, long col, std::string_view value);
    void number(long row, long col, double value);
    void date(long row, long col, const Date& value);
    void boolean(long row, long col, bool value);

    // Whether a value at this cell would be kept: true until the header is known,
    // then only for the named columns below it.
    bool keeps(long row, long col) const { return headerRow_ < 0 || (row > headerRow_ && fieldOf(col) >= 0); }

    // The header row is the first row that names at least one field (so a title
    // above it is passed over); every later row with a value in a named column
    // becomes one record of the header's fields, in the header's order: each field
    // followed by ";", each record by "|". A field whose column the sheet lacks is
    // empty. A field named "Tgl..." holds a date, written "yyyy-mm-dd" (empty when
    // the cell is not a readable date; see ParseDateText). Throws ReadError when no
    // row names a field or no record follows the header.
    std::string recordText(std::string_view sheetName);

  private:
    struct Field {
        std::string name;
        std::string key;
        bool isDate = false;
    };
    using Record = std::vector<std::string>;

    // True when the cell belongs to the header row or to a row above it; its
    // text then only takes part in finding the header.
    template <typename TextOf>
    bool headerCell(long row, long col, TextOf textOf);
    bool candidateNamesAField() const;
    void settleHeader();
    // The field a data cell feeds, or -1.
    int fieldOf(long col) const;
    void put(long row, int field, std::string value);

    std::vector<Field> fields_;
    long candidateRow_ = -1;                     // the row that may be the header
    std::map<long, std::string> candidateKeys_;  // its cells: column -> HeaderKey
    long headerRow_ = -1;                        // set once the header is found
    std::vector<int> columnField_;               // column -> field, -1 for none
    std::map<long, Record> records_;             // row -> fields
};

}  // namespace xlstodb

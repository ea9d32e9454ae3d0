#pragma once
// What the .xlsx reader takes from a workbook's parts itself, beside liborcus 0.17,
// with liborcus's own zip and XML parsers:
// - the texts a sheet keeps in its own part rather than among the shared strings:
//   inline strings (<c t="inlineStr"><is><t>..</t></is></c>, as openpyxl and pandas
//   write every text), the text results of formulas (<c t="str">) and ISO dates
//   (<c t="d">); liborcus passes these over;
// - every cell of a sheet liborcus cannot find: it misses a part whose name is given
//   from the package's root ("/xl/worksheets/sheet1.xml"), as openpyxl gives them;
// - the sheets' identifiers, by which liborcus hands over formulas' results.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace xlstodb {

struct PartCell {
    enum class Kind { Text, Number, Bool };
    long row = 0, col = 0;  // from 0
    Kind kind = Kind::Text;
    std::string text;
    double number = 0;  // a Number, or a Bool as 1 or 0
    size_t xf = 0;      // a Number's cell format
};

// Most cells kept of one sheet; a sheet holding more is refused.
inline constexpr size_t kMaxPartCells = 4'000'000;

// The cells of the sheet named `sheet` of the .xlsx `bytes`, in row order: every
// cell with a value when `all`, else only the texts liborcus passes over. None when
// the workbook names no such sheet or its part is missing. Throws ReadError naming
// the part that cannot be read.
std::vector<PartCell> XlsxSheetCells(std::string_view bytes, std::string_view sheet, bool all);

// The names of the workbook's sheets by their sheetId, which need not follow the
// sheets' order: a workbook whose sheets were added and removed has gaps.
std::map<long, std::string> XlsxSheetsById(std::string_view bytes);

// A cell address ("B2", "$B$2", "Sheet1!B2") as its row and column from 0; false
// when the text is no address.
bool ParseCellAddress(std::string_view address, long& row, long& col);

}  // namespace xlstodb

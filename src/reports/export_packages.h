#pragma once
// The texts the grid export hands to the two export modules, built from a grid in
// one pass over its rows. Pure functions: no module, no file, no message box.
//
// Both packages are UTF-8 and zero-terminated (std::string::c_str()).
#include <QString>
#include <QStringView>
#include <string>

#include "ui/grid_data.h"

namespace zelkor {

// Each cell and header is read up to this many characters, as the grids always were.
inline constexpr int kExportCellChars = 259;

// What "exptohtml" receives.
//   information: title;LibraryName;LibraryAddress;codes   (codes: one of l/r/c per column)
//   headers:     header texts joined by ";"
//   rows:        cells joined by ",", rows joined by ";" (empty for an empty grid)
// A "," or ";" inside a cell or header would split it into false cells or rows, so it
// travels as a look-alike that the page shows as it is: U+201A for "," and U+037E for
// ";" (drawn like ";" by the common fonts, unlike the fullwidth U+FF1B). A ";" in the
// title or the library's identity travels as U+037E too.
struct BrowserPackage {
    std::string information;
    std::string headers;
    std::string rows;
};

// What "exptoxls" receives: the row and column counts and
//   data: headers joined by ",", then for each row ";" and its cleaned cells joined by ","
// (an empty grid gives the header line alone).
struct SpreadsheetPackage {
    int rowCount = 0;
    int columnCount = 0;
    std::string data;
};

// The alignment code of a column: "l", "r" or "c".
char AlignmentCode(Align align);

BrowserPackage BuildBrowserPackage(const QString& title, const QString& libraryName,
                                   const QString& libraryAddress, const GridData& grid);
SpreadsheetPackage BuildSpreadsheetPackage(const GridData& grid);

// A cell as the spreadsheet receives it (already cut to kExportCellChars by the
// caller). Full stops go, so a street abbreviation "Jl. Mawar" arrives as "Jl Mawar"
// and a thousands point "1.250.000" as "1250000"; but a decimal point stays, since
// dropping it would change the number ("1500.5" is not 15005). A whole cell such as
// SQLite's "1500.0" arrives as "1500". Every "," and ";" becomes "-".
QString CleanSpreadsheetCell(QStringView cell);

}  // namespace zelkor

#pragma once
// "Cetak Ke Broswer" and "Export Ke Excel" of every list form: the grid is packed
// into texts (export_packages.h) and handed in one call to an export module, a
// separate library loaded by its bare name for that call and released after it.
//
// A module is looked for beside the program (ctx.programDir) first, then in the
// platform's library search path; any library of that name with the C entry point
// "sData" will do:
//   exptohtml: const char* sData(const char* information, const char* headers, const char* rows)
//   exptoxls:  const char* sData(int rowCount, int columnCount, const char* data)
#include <QString>
#include <optional>

namespace zelkor {

class AppContext;
class GridData;

inline constexpr char kBrowserModule[] = "exptohtml";
inline constexpr char kSpreadsheetModule[] = "exptoxls";

// A file the module wrote that no viewer can have opened (ZELKOR_EXPORT_NO_OPEN set,
// or no xdg-open) is named in a message, so the operator knows where it went.
//
// Builds the browser package from `grid` and hands it to "exptohtml". Returns the
// module's reply (copied before the module is released; the lists ignore it), or
// nothing when the module could not be used; the operator has then been told, and
// the program carries on.
std::optional<QString> ReportGridToBrowser(AppContext& ctx, const QString& title, const GridData& grid);

// The same for the spreadsheet package of ctx.exportGrid and "exptoxls". Each list
// sets ctx.exportGrid to its own grid just before calling. Without a grid nothing
// is exported.
std::optional<QString> ExportGridToSpreadsheet(AppContext& ctx);

}  // namespace zelkor

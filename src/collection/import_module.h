#pragma once
// The spreadsheet reader module "xlstodb", loaded by name for one read and
// released after it:
//   const char* sdata1(const char* path, const char* sheetQuery, const char* headerLine)
// The reply is copied at once; the module keeps its memory (modules/xlstodb/xlstodb.h).
#include <QString>
#include <functional>
#include <optional>

namespace zelkor {

class AppContext;

inline constexpr char kReaderModule[] = "xlstodb";
inline constexpr char kReaderEntry[] = "sdata1";
// The sheet query handed to the reader.
inline constexpr char kSheetQuery[] = "Select * FROM [Sheet1$]";

// Calls `call` and returns what it returned: the dialog runs the reader through one
// that shows progress while the reader works on another thread.
using ReaderRunner = std::function<QString(const std::function<QString()>& call)>;

// The reader's reply for the workbook at `path` and the fields of `headerLine`;
// nothing when the module or its entry point is missing (the operator has then been
// told, see ModuleEntry).
std::optional<QString> ReadWithModule(AppContext& ctx, const QString& path, const QString& headerLine,
                                      const ReaderRunner& runner = {});

}  // namespace zelkor

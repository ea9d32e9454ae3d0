#pragma once
// Reading a workbook into records. The format is told by the file's contents,
// not its name, so a workbook saved under another extension reads all the same:
//   .xls  (Excel 97-2003)                 FreeXL
//   .xlsx (Excel 2007 and later)           liborcus
//   .ods  (LibreOffice, OpenOffice)        liborcus
//   Excel 2003 XML ("XML Spreadsheet")     liborcus
//   .csv and other plain text              liborcus's CSV parser; the separator is
//                                          whichever of ",", ";" and tab the first
//                                          lines hold most of
// The sheet read is the one asked for (Sheet1) or, when there is none of that
// name, the first. Every reader throws ReadError with the reason when it cannot
// read the file.
#include <cstdint>
#include <string>
#include <string_view>

#include "sheet_records.h"

namespace xlstodb {

// Larger files are refused before anything is read: a list of some thousands of
// items is a few hundred kilobytes in any of these formats.
inline constexpr std::uint64_t kMaxFileBytes = 64ull << 20;
// The most that the parts of an .xlsx or .ods may unpack to together (a small
// file that unpacks to gigabytes would otherwise take all memory).
inline constexpr std::uint64_t kMaxUnpackedBytes = 256ull << 20;

// The record text of `header` (see SheetRecords::recordText) from the sheet named
// `sheet` of the workbook at `path`, or from its first sheet when none has that name.
std::string ReadWorkbook(const std::string& path, std::string_view sheet, std::string_view header);

enum class Format { Xls, Xlsx, Ods, XlsXml, Csv, Unknown };
// `bytes`: the file's contents (or at least its first kilobytes).
Format DetectFormat(std::string_view bytes);

// The sheet a query names: "Select * FROM [Sheet1$]" names Sheet1. Empty when
// the query names none.
std::string SheetOfQuery(std::string_view query);

// Sheet names compare without regard to case, as spreadsheet programs do.
bool SameSheetName(std::string_view a, std::string_view b);

// The readers. The .xls reader takes the file's path (FreeXL opens files itself),
// the others its contents.
std::string ReadXls(const std::string& path, std::string_view sheet, std::string_view header);
std::string ReadOrcus(Format format, std::string_view bytes, std::string_view sheet, std::string_view header);
std::string ReadCsv(std::string_view bytes, std::string_view header);

// True when the zip archive `bytes` would unpack to more than kMaxUnpackedBytes,
// going by its central directory (a damaged directory is left to the reader).
bool UnpacksTooLarge(std::string_view bytes);

}  // namespace xlstodb

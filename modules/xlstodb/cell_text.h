#pragma once
// A cell's value as the record text carries it: what a person typed into the
// spreadsheet, not how the file happens to store it. Plain C++, no reader inside.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace xlstodb {

// Longest text kept of one cell, in characters. No field of an item or a member
// needs more; a longer cell is cut rather than refused.
inline constexpr size_t kMaxCellChars = 1000;

// A cell text made safe for the record text: valid UTF-8 (a byte that is not is
// read as Windows-1252, as a CSV saved on Windows is), ";" written as "," and "|"
// as "/" so that neither splits a record, line breaks, tabs and other control
// characters as one space, a byte-order mark dropped, spaces trimmed at both ends,
// at most kMaxCellChars characters.
std::string CleanCell(std::string_view text);

// A number as it was typed: whole numbers with all their digits and no fraction
// ("1500" for 1500.0, "9786020332956" for an ISBN), other numbers rounded to 15
// significant digits and written without exponent where that stays short
// ("12.5", "0.3"). Not a number or infinite: empty.
std::string NumberText(double value);

// A whole number written as a decimal text ("1500.0", "1500.00") loses its zero
// fraction; any other text is returned as it is.
std::string_view DropZeroFraction(std::string_view text);

struct Date {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

bool IsValidDate(int year, int month, int day);

// "yyyy-mm-dd", followed by " HH:MM:SS" only when the time is not midnight.
std::string DateText(const Date& d);

// A spreadsheet serial date (days since the workbook's origin, 1899-12-30 for
// the usual 1900 system, the fraction being the time of day). Nothing for a
// serial outside years 1..9999.
std::optional<Date> SerialDate(double serial, int originYear = 1899, int originMonth = 12,
                               int originDay = 30);

// A date typed as text, in one of the forms people write a birth date in:
//   2016-03-07, 2016/03/07, 2016.03.07        year first
//   07/03/2016, 7-3-2016, 07.03.2016          day first, then month, as in Indonesia
//   7 Maret 2016, 07-Mar-2016, 7 March 2016    month by its Indonesian or English name
//   20160307                                  eight digits
// with or without a time after it. Day and month take one or two digits, the year
// four. Anything else, or a day that is not in the calendar: nothing.
std::optional<Date> ParseDateText(std::string_view text);

}  // namespace xlstodb

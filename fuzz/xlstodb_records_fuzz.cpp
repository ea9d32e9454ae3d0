// Cell cleaning and the record text: whatever a sheet holds, every record of the
// reply splits back into exactly the header's fields, each the cleaned cell.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "cell_text.h"
#include "sheet_records.h"

using namespace xlstodb;

namespace {

void checkClean(const std::string& raw) {
    const std::string clean = CleanCell(raw);
    size_t chars = 0;
    for (size_t i = 0; i < clean.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(clean[i]);
        if (c == ';' || c == '|' || c < 0x20 || c == 0x7F) __builtin_trap();
        if ((c & 0xC0) != 0x80) ++chars;
    }
    if (chars > kMaxCellChars) __builtin_trap();
    if (!clean.empty() && (clean.front() == ' ' || clean.back() == ' ')) __builtin_trap();
    // Clean text is valid UTF-8 and stays as it is.
    if (CleanCell(clean) != clean) __builtin_trap();
}

void checkDate(const std::string& raw) {
    const auto d = ParseDateText(raw);
    if (d && !IsValidDate(d->year, d->month, d->day)) __builtin_trap();
    if (d && ParseDateText(DateText(*d)).has_value() == false) __builtin_trap();
}

void checkNumber(double v) {
    const std::string t = NumberText(v);
    if (!std::isfinite(v)) {
        if (!t.empty()) __builtin_trap();
        return;
    }
    const double back = std::strtod(t.c_str(), nullptr);
    if (std::fabs(back - v) > 1e-14 * std::max(1.0, std::fabs(v))) __builtin_trap();
}

// Splits a record text as the dialog does and checks it against what was put in.
void checkRecordText(const std::string& text, size_t fields,
                     const std::map<long, std::map<long, std::string>>& expected) {
    if (text.empty() || text.back() != '|') __builtin_trap();
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    for (char c : text) {
        if (c == ';') {
            records.back().push_back(field);
            field.clear();
        } else if (c == '|') {
            if (!field.empty() || records.back().size() != fields) __builtin_trap();
            records.emplace_back();
        } else {
            field.push_back(c);
        }
    }
    records.pop_back();
    if (records.size() != expected.size()) __builtin_trap();
    size_t r = 0;
    for (const auto& [row, cells] : expected) {
        for (const auto& [f, value] : cells)
            if (records[r][static_cast<size_t>(f)] != value) __builtin_trap();
        ++r;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string raw = in.ConsumeRandomLengthString(4096);
    checkClean(raw);
    checkDate(raw);
    checkNumber(in.ConsumeFloatingPoint<double>());

    // A sheet of text cells below a header of plain names in the first row: the
    // record of each row holds the cleaned cells of its named columns.
    const size_t fields = in.ConsumeIntegralInRange<size_t>(1, 6);
    std::string header;
    for (size_t f = 0; f < fields; ++f) header += (f ? ";F" : "F") + std::to_string(f);
    SheetRecords sheet(header);
    std::vector<long> columnOf(fields);
    for (size_t f = 0; f < fields; ++f) {
        columnOf[f] = static_cast<long>(f * 2);  // columns between them name nothing
        sheet.text(0, columnOf[f], "f" + std::to_string(f));
    }
    std::map<long, std::map<long, std::string>> expected;
    long row = 0;
    while (in.remaining_bytes() > 0) {
        row += in.ConsumeIntegralInRange<long>(0, 3);
        if (row == 0) continue;
        const long col = in.ConsumeIntegralInRange<long>(0, static_cast<long>(fields * 2));
        const std::string value = in.ConsumeRandomLengthString(64);
        sheet.text(row, col, value);
        const std::string clean = CleanCell(value);
        if (col % 2 == 0 && static_cast<size_t>(col / 2) < fields && !clean.empty())
            expected[row][col / 2] = clean;
    }
    if (expected.empty()) return 0;
    checkRecordText(sheet.recordText("Sheet1"), fields, expected);
    return 0;
}

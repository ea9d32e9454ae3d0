#include "sheet_records.h"

#include <algorithm>

namespace xlstodb {

namespace {

bool startsWithTgl(std::string_view key) {
    return key.size() >= 3 && key.substr(0, 3) == "tgl";
}

std::string dateOnly(Date d) {
    d.hour = d.minute = d.second = 0;
    return DateText(d);
}

// A text that is no date arrives as typed: the caller tells the operator which
// rows had a date it could not read, instead of dropping it unseen.
std::string dateFieldText(std::string_view text) {
    const auto d = ParseDateText(text);
    return d ? dateOnly(*d) : std::string(text);
}

}  // namespace

std::string HeaderKey(std::string_view name) {
    std::string key;
    for (char c : CleanCell(name)) {
        if (c == ' ' || c == '_') continue;
        key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return key;
}

SheetRecords::SheetRecords(std::string_view header) {
    size_t start = 0;
    for (;;) {
        const size_t end = header.find(';', start);
        const std::string_view name = header.substr(start, end == std::string_view::npos ? end : end - start);
        Field f;
        f.name = std::string(name);
        f.key = HeaderKey(name);
        f.isDate = startsWithTgl(f.key);
        fields_.push_back(std::move(f));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

template <typename TextOf>
bool SheetRecords::headerCell(long row, long col, TextOf textOf) {
    if (headerRow_ >= 0) return row <= headerRow_;
    if (candidateRow_ >= 0 && row < candidateRow_) return true;  // out of order: too late to count
    if (row > candidateRow_ && candidateRow_ >= 0) {
        if (candidateNamesAField()) {
            settleHeader();
            return false;
        }
        candidateKeys_.clear();
    }
    candidateRow_ = row;
    if (col < kMaxColumns) {
        std::string key = HeaderKey(textOf());
        if (!key.empty()) candidateKeys_.emplace(col, std::move(key));
    }
    return true;
}

bool SheetRecords::candidateNamesAField() const {
    for (const auto& [col, key] : candidateKeys_)
        for (const Field& f : fields_)
            if (f.key == key) return true;
    return false;
}

void SheetRecords::settleHeader() {
    headerRow_ = candidateRow_;
    for (size_t f = 0; f < fields_.size(); ++f) {
        if (fields_[f].key.empty()) continue;
        // The leftmost column of a name feeds the field.
        for (const auto& [col, key] : candidateKeys_) {
            if (key != fields_[f].key) continue;
            if (columnField_.size() <= static_cast<size_t>(col))
                columnField_.resize(static_cast<size_t>(col) + 1, -1);
            columnField_[static_cast<size_t>(col)] = static_cast<int>(f);
            break;
        }
    }
    candidateKeys_.clear();
}

int SheetRecords::fieldOf(long col) const {
    return col >= 0 && static_cast<size_t>(col) < columnField_.size() ? columnField_[static_cast<size_t>(col)]
                                                                      : -1;
}

void SheetRecords::put(long row, int field, std::string value) {
    if (field < 0 || value.empty()) return;
    auto it = records_.find(row);
    if (it == records_.end()) {
        if (records_.size() >= static_cast<size_t>(kMaxDataRows))
            throw ReadError("Sheet berisi lebih dari " + std::to_string(kMaxDataRows) +
                            " baris data; bagilah menjadi beberapa file..");
        it = records_.emplace(row, Record(fields_.size())).first;
    }
    it->second[static_cast<size_t>(field)] = std::move(value);
}

void SheetRecords::text(long row, long col, std::string_view value) {
    if (row < 0 || col < 0 || value.empty()) return;
    if (headerCell(row, col, [&] { return std::string(value); })) return;
    const int f = fieldOf(col);
    if (f < 0) return;
    put(row, f, fields_[static_cast<size_t>(f)].isDate ? dateFieldText(CleanCell(value)) : CleanCell(value));
}

void SheetRecords::number(long row, long col, double value) {
    if (row < 0 || col < 0) return;
    const std::string written = NumberText(value);
    if (headerCell(row, col, [&] { return written; })) return;
    const int f = fieldOf(col);
    if (f < 0) return;
    // A plain number where a date belongs is read as typed: 20160307 is a date.
    put(row, f, fields_[static_cast<size_t>(f)].isDate ? dateFieldText(written) : written);
}

void SheetRecords::date(long row, long col, const Date& value) {
    if (row < 0 || col < 0) return;
    if (headerCell(row, col, [&] { return DateText(value); })) return;
    const int f = fieldOf(col);
    if (f < 0) return;
    put(row, f, fields_[static_cast<size_t>(f)].isDate ? dateOnly(value) : DateText(value));
}

void SheetRecords::boolean(long row, long col, bool value) {
    if (row < 0 || col < 0) return;
    const char* written = value ? "TRUE" : "FALSE";
    if (headerCell(row, col, [&] { return std::string(written); })) return;
    const int f = fieldOf(col);
    if (f < 0 || fields_[static_cast<size_t>(f)].isDate) return;
    put(row, f, written);
}

std::string SheetRecords::recordText(std::string_view sheetName) {
    if (headerRow_ < 0 && candidateRow_ >= 0 && candidateNamesAField()) settleHeader();
    std::string names;
    for (const Field& f : fields_) names += (names.empty() ? "" : ", ") + f.name;
    const std::string where = sheetName.empty() ? "File ini" : "Sheet \"" + CleanCell(sheetName) + "\"";
    if (headerRow_ < 0)
        throw ReadError(
            where + " tidak memuat baris nama kolom. Baris pertama harus berisi nama kolom: " + names + "..");
    if (records_.empty()) throw ReadError(where + " tidak berisi data di bawah baris nama kolom..");

    size_t bytes = 0;
    for (const auto& [row, record] : records_)
        for (const std::string& v : record) bytes += v.size() + 1;
    std::string out;
    out.reserve(bytes + records_.size());
    for (const auto& [row, record] : records_) {
        for (const std::string& v : record) {
            out += v;
            out.push_back(';');
        }
        out.push_back('|');
    }
    return out;
}

}  // namespace xlstodb

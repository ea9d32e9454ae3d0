// .xlsx, .ods and Excel 2003 XML through liborcus. liborcus streams what it
// finds into the import interfaces below; nothing is kept but the cells of the
// sheet being read. Dates: an .ods date cell arrives as a date; in an .xlsx a date
// is a number whose cell format is a date format, and the formats arrive after
// the sheets, so such numbers are remembered and turned into dates at the end.
// Formulas, array formulas and dynamic arrays among them, give their saved result,
// never their text. What liborcus passes over in an .xlsx, inline strings and
// formulas' text results, or a whole sheet it cannot find, is read from the sheet's
// part (xlsx_parts.h) and fed in among the other cells in row order, since the
// header row is found by order.
#include <orcus/exception.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xls_xml.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <cstdio>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "child_process.h"
#include "orcus_parts.h"
#include "workbook.h"
#include "xlsx_parts.h"

namespace xlstodb {

namespace {

using namespace orcus::spreadsheet;
using namespace orcus_parts;

// Cell addresses in formulas and ranges ("A1", "$B$2", "A1:C3"). liborcus asks
// for them; the cells themselves arrive by row and column.
class Resolver : public iface::import_reference_resolver {
  public:
    src_address_t resolve_address(std::string_view s) override {
        long row = 0, col = 0;
        if (!ParseCellAddress(s, row, col)) throw orcus::invalid_arg_error("not a cell address");
        return {0, static_cast<row_t>(row), static_cast<col_t>(col)};
    }
    // A range that is no A1 range, such as an Excel 2003 XML array formula's "RC:R[1]C"
    // (R1C1, relative to a cell this resolver is not told), resolves to no cell:
    // liborcus then reads the formula's cell as an ordinary formula, with its result.
    src_range_t resolve_range(std::string_view s) override {
        const size_t colon = s.find(':');
        long r1 = 0, c1 = 0, r2 = 0, c2 = 0;
        const std::string_view last = colon == std::string_view::npos ? s : s.substr(colon + 1);
        if (!ParseCellAddress(s.substr(0, colon), r1, c1) || !ParseCellAddress(last, r2, c2))
            return {{0, -1, -1}, {0, -1, -1}};
        return {{0, static_cast<row_t>(r1), static_cast<col_t>(c1)},
                {0, static_cast<row_t>(r2), static_cast<col_t>(c2)}};
    }
};

class Factory;

class Sheet : public iface::import_sheet {
  public:
    // `xlsx`: the workbook's bytes when it is an .xlsx, whose sheet part is read
    // for what liborcus passes over (cellsBefore).
    Sheet(Factory& factory, std::string_view name, SheetRecords* records, std::string_view xlsx)
        : factory_(factory),
          name_(cutUtf8(name, 256)),
          partName_(name),
          records_(records),
          xlsx_(xlsx),
          formula_(*this),
          arrayFormula_(*this) {}

    const std::string& name() const { return name_; }
    const std::string& partName() const { return partName_; }
    void stopReading() {
        records_ = nullptr;
        partCells_.clear();
    }
    // The remembered numbers whose format turned out to show a date or a time.
    void finish(const Styles& styles, const Settings& settings);

    void set_auto(row_t row, col_t col, std::string_view s) override {
        cellsBefore(row, col);
        if (records_) records_->text(row, col, s);
    }
    void set_string(row_t row, col_t col, string_id_t id) override;
    void set_value(row_t row, col_t col, double value) override {
        cellsBefore(row, col);
        if (records_) putNumber(row, col, value, 0);
    }
    void set_bool(row_t row, col_t col, bool value) override {
        cellsBefore(row, col);
        if (records_) records_->boolean(row, col, value);
    }
    void set_date_time(row_t row, col_t col, int y, int m, int d, int h, int mi, double s) override {
        cellsBefore(row, col);
        if (!records_) return;
        if (!IsValidDate(y, m, d)) return;
        Date date{y, m, d, h, mi, static_cast<int>(s)};
        if (h < 0 || h > 23 || mi < 0 || mi > 59 || !(s >= 0 && s < 61))
            date.hour = date.minute = date.second = 0;
        records_->date(row, col, date);
    }
    // The format follows its cell's value; a formula cell's format comes alone and
    // waits for the formula's result.
    void set_format(row_t row, col_t col, size_t xf) override {
        if (!records_ || xf == 0) return;
        if (!numbers_.empty() && numbers_.back().row == row && numbers_.back().col == col) {
            numbers_.back().xf = xf;
        } else if (records_->keeps(row, col) && formats_.size() < static_cast<size_t>(kMaxDataRows)) {
            formats_[{row, col}] = xf;
        }
    }
    void set_format(row_t, col_t, row_t, col_t, size_t) override {}
    void fill_down_cells(row_t, col_t, row_t) override {}
    range_size_t get_sheet_size() const override { return {1048576, 16384}; }
    // Never null, even for a sheet not read: liborcus does not check for that.
    iface::import_formula* get_formula() override { return &formula_; }
    iface::import_array_formula* get_array_formula() override { return &arrayFormula_; }

  private:
    struct Number {
        row_t row;
        col_t col;
        size_t xf;
        double value;
    };

    class Formula : public iface::import_formula {
      public:
        explicit Formula(Sheet& sheet) : sheet_(sheet) {}
        void set_position(row_t row, col_t col) override {
            row_ = row, col_ = col;
            result_ = Result::None;
        }
        void set_formula(formula_grammar_t, std::string_view) override {}
        void set_shared_formula_index(size_t) override {}
        void set_result_string(std::string_view value) override {
            text_ = cutUtf8(value, kMaxStoredBytes);
            result_ = Result::Text;
        }
        void set_result_value(double value) override {
            value_ = value;
            result_ = Result::Number;
        }
        void set_result_bool(bool value) override {
            value_ = value ? 1 : 0;
            result_ = Result::Bool;
        }
        void set_result_empty() override { result_ = Result::None; }
        void commit() override {
            switch (result_) {
                case Result::Text:
                    sheet_.resultText(row_, col_, text_);
                    break;
                case Result::Bool:
                    sheet_.resultBool(row_, col_, value_ != 0);
                    break;
                case Result::Number:
                    sheet_.resultNumber(row_, col_, value_);
                    break;
                case Result::None:
                    break;
            }
        }

      private:
        enum class Result { None, Text, Number, Bool };
        Sheet& sheet_;
        row_t row_ = 0;
        col_t col_ = 0;
        Result result_ = Result::None;
        std::string text_;
        double value_ = 0;
    };

    // An array formula, or a dynamic array, gives a result for each cell of its
    // range, by the cell's place in the range.
    class ArrayFormula : public iface::import_array_formula {
      public:
        explicit ArrayFormula(Sheet& sheet) : sheet_(sheet) {}
        void set_range(const range_t& range) override { first_ = range.first; }
        void set_formula(formula_grammar_t, std::string_view) override {}
        void set_result_string(row_t row, col_t col, std::string_view value) override {
            sheet_.resultText(first_.row + row, first_.column + col, cutUtf8(value, kMaxStoredBytes));
        }
        void set_result_value(row_t row, col_t col, double value) override {
            sheet_.resultNumber(first_.row + row, first_.column + col, value);
        }
        void set_result_bool(row_t row, col_t col, bool value) override {
            sheet_.resultBool(first_.row + row, first_.column + col, value);
        }
        void set_result_empty(row_t, col_t) override {}
        void commit() override {}

      private:
        Sheet& sheet_;
        address_t first_{0, 0};
    };

    // An .xlsx's texts come from the sheet's part, formulas' text results included.
    void resultText(row_t row, col_t col, std::string_view text) {
        if (xlsx_.empty()) set_auto(row, col, text);
    }
    void resultBool(row_t row, col_t col, bool value) { set_bool(row, col, value); }
    void resultNumber(row_t row, col_t col, double value) {
        set_value(row, col, value);
        const auto format = formats_.find({row, col});
        if (format != formats_.end() && !numbers_.empty() && numbers_.back().row == row &&
            numbers_.back().col == col)
            numbers_.back().xf = format->second;
    }

    // Feeds the cells of the sheet's part that stand before (row, col), so that
    // they arrive in row order among the cells liborcus gives. The part is read at
    // the first cell liborcus gives, for the texts it passes over, or at the end,
    // for all its cells, when liborcus gave none.
    void cellsBefore(long row, long col, bool all = false);
    void putNumber(row_t row, col_t col, double value, size_t xf) {
        records_->number(row, col, value);
        if (records_->keeps(row, col)) numbers_.push_back({row, col, xf, value});
    }

    Factory& factory_;
    std::string name_;
    std::string partName_;  // the name as the workbook spells it, uncut
    SheetRecords* records_;
    std::string_view xlsx_;
    Formula formula_;
    ArrayFormula arrayFormula_;
    std::vector<Number> numbers_;
    std::map<std::pair<row_t, col_t>, size_t> formats_;
    bool partRead_ = false;
    std::vector<PartCell> partCells_;
    size_t nextPartCell_ = 0;
};

class Factory : public iface::import_factory {
  public:
    // `xlsx`: the workbook's bytes when it is an .xlsx (see Sheet).
    Factory(std::string_view wanted, std::string_view header, std::string_view xlsx)
        : first_(header), named_(header), header_(header), wanted_(wanted), xlsx_(xlsx) {}

    const Strings& strings() const { return strings_; }
    // What liborcus is reading, for a message should it stop.
    const std::string& reading() const { return reading_; }

    iface::import_global_settings* get_global_settings() override { return &settings_; }
    // An .xlsx's shared strings are read before its sheets; an .ods asks for them
    // along its cells.
    iface::import_shared_strings* get_shared_strings() override {
        if (!xlsx_.empty() && !sheetsRead_) note("daftar teks (sharedStrings)");
        return &strings_;
    }
    iface::import_styles* get_styles() override {
        note("format sel (styles)");
        return &styles_;
    }
    iface::import_reference_resolver* get_reference_resolver(formula_ref_context_t) override {
        return &resolver_;
    }

    iface::import_sheet* append_sheet(sheet_t index, std::string_view name) override {
        (void)index;
        if (sheets_.size() >= 4096) return nullptr;
        note(xlsx_.empty() ? sheetNote(name) : "daftar sheet (workbook.xml)");
        SheetRecords* records = nullptr;
        if (!namedSheet_ && SameSheetName(name, wanted_)) {
            // The sheet asked for wins over the first sheet, which need not be read on.
            if (!sheets_.empty()) {
                sheets_.front()->stopReading();
                first_ = SheetRecords(header_);
            }
            records = &named_;
        } else if (sheets_.empty()) {
            records = &first_;
        }
        sheets_.push_back(std::make_unique<Sheet>(*this, name, records, xlsx_));
        if (records == &named_) namedSheet_ = sheets_.back().get();
        return sheets_.back().get();
    }
    // An .xlsx's sheets are read by name once all are known; after them their
    // formulas' results come by the sheet's sheetId less one, not by its place.
    iface::import_sheet* get_sheet(std::string_view name) override {
        sheetsRead_ = true;
        note(sheetNote(name));
        return sheetNamed(name);
    }
    iface::import_sheet* get_sheet(sheet_t index) override {
        note("hasil rumus");
        if (!xlsx_.empty()) {
            if (!sheetsById_) sheetsById_ = XlsxSheetsById(xlsx_);
            const auto name = sheetsById_->find(static_cast<long>(index) + 1);
            return name == sheetsById_->end() ? nullptr : sheetNamed(name->second);
        }
        return index >= 0 && static_cast<size_t>(index) < sheets_.size()
                   ? sheets_[static_cast<size_t>(index)].get()
                   : nullptr;
    }
    void finalize() override {}

    std::string recordText() {
        if (sheets_.empty()) throw ReadError("Workbook ini tidak berisi sheet..");
        Sheet& sheet = namedSheet_ ? *namedSheet_ : *sheets_.front();
        sheet.finish(styles_, settings_);
        return (namedSheet_ ? named_ : first_).recordText(sheet.name());
    }

  private:
    Sheet* sheetNamed(std::string_view name) const {
        for (const auto& s : sheets_)
            if (s->partName() == name) return s.get();
        return nullptr;
    }
    void note(std::string what) {
        reading_ = std::move(what);
        NoteReading(reading_);
    }
    static std::string sheetNote(std::string_view name) { return "sheet \"" + CleanCell(name) + "\""; }

    Strings strings_;
    Styles styles_;
    Settings settings_;
    Resolver resolver_;
    SheetRecords first_, named_;
    std::string header_;
    std::string wanted_;
    std::string_view xlsx_;
    std::vector<std::unique_ptr<Sheet>> sheets_;
    Sheet* namedSheet_ = nullptr;
    std::string reading_ = "daftar sheet";
    bool sheetsRead_ = false;
    std::optional<std::map<long, std::string>> sheetsById_;
};

void Sheet::set_string(row_t row, col_t col, string_id_t id) {
    cellsBefore(row, col);
    if (records_) records_->text(row, col, factory_.strings().get(id));
}

void Sheet::cellsBefore(long row, long col, bool all) {
    if (!records_ || xlsx_.empty()) return;
    if (!partRead_) {
        partRead_ = true;
        partCells_ = XlsxSheetCells(xlsx_, partName_, all);
    }
    for (; nextPartCell_ < partCells_.size(); ++nextPartCell_) {
        const PartCell& c = partCells_[nextPartCell_];
        if (c.row > row || (c.row == row && c.col >= col)) break;
        const auto r = static_cast<row_t>(c.row);
        const auto k = static_cast<col_t>(c.col);
        switch (c.kind) {
            case PartCell::Kind::Text:
                records_->text(r, k, c.text);
                break;
            case PartCell::Kind::Number:
                putNumber(r, k, c.number, c.xf);
                break;
            case PartCell::Kind::Bool:
                records_->boolean(r, k, c.number != 0);
                break;
        }
    }
}

void Sheet::finish(const Styles& styles, const Settings& settings) {
    cellsBefore(std::numeric_limits<long>::max(), 0, true);
    if (!records_) return;
    for (const Number& n : numbers_) {
        if (n.xf == 0) continue;
        const NumberKind kind = styles.kindOfXf(n.xf);
        if (kind == NumberKind::Plain) continue;
        const auto d = settings.serialDate(n.value);
        if (!d) continue;
        if (kind == NumberKind::Date) {
            records_->date(n.row, n.col, *d);
        } else {
            char time[16];
            std::snprintf(time, sizeof time, "%02d:%02d:%02d", d->hour, d->minute, d->second);
            records_->text(n.row, n.col, time);
        }
    }
}

template <typename Reader>
std::string readWith(std::string_view bytes, std::string_view wanted, std::string_view header,
                     std::string_view xlsx) {
    Factory factory(wanted, header, xlsx);
    try {
        Reader reader(&factory);
        reader.read_stream(bytes);
    } catch (const ReadError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        // liborcus reads fewer kinds of content than the spreadsheet programs write:
        // say what it could not read, not that the file is damaged.
        throw ReadError("Workbook tidak dapat dibaca: liborcus tidak dapat membaca " + factory.reading() +
                        " (" + CleanCell(e.what()) +
                        "). Bukalah di Excel atau LibreOffice lalu simpan kembali..");
    }
    return factory.recordText();
}

}  // namespace

std::string ReadOrcus(Format format, std::string_view bytes, std::string_view wanted,
                      std::string_view header) {
    try {
        switch (format) {
            case Format::Xlsx:
                return readWith<orcus::orcus_xlsx>(bytes, wanted, header, bytes);
            case Format::Ods:
                return readWith<orcus::orcus_ods>(bytes, wanted, header, {});
            case Format::XlsXml:
                return readWith<orcus::orcus_xls_xml>(bytes, wanted, header, {});
            default:
                break;
        }
    } catch (const ReadError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw ReadError("Memori tidak cukup untuk membaca workbook ini..");
    } catch (const std::exception& e) {
        throw ReadError(std::string("Workbook tidak dapat dibaca (") + CleanCell(e.what()) +
                        "). Bukalah di Excel atau LibreOffice lalu simpan kembali..");
    }
    throw ReadError("File ini bukan workbook yang dapat dibaca..");
}

}  // namespace xlstodb

#pragma once
// What an .xlsx, .ods or Excel 2003 XML workbook tells beside its cells, as
// liborcus hands it over: the shared strings, the cell formats (whether a number
// shows a date or a time) and the workbook's date origin. Only the parts that
// bear on a value are kept; the rest of a style is passed over.
#include <orcus/spreadsheet/import_interface.hpp>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cell_text.h"

namespace xlstodb {

namespace orcus_parts {

using namespace orcus::spreadsheet;
using orcus::length_unit_t;

// A shared string longer than a cell may hold is cut when it is stored.
constexpr size_t kMaxStoredBytes = kMaxCellChars * 4;

// The longest whole-character start of `s` within `max` bytes.
std::string_view cutUtf8(std::string_view s, size_t max);

class Strings : public iface::import_shared_strings {
  public:
    size_t append(std::string_view s) override {
        strings_.emplace_back(cutUtf8(s, kMaxStoredBytes));
        return strings_.size() - 1;
    }
    size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void append_segment(std::string_view s) override {
        if (segments_.size() < kMaxStoredBytes) segments_ += cutUtf8(s, kMaxStoredBytes - segments_.size());
    }
    size_t commit_segments() override {
        strings_.push_back(std::move(segments_));
        segments_.clear();
        return strings_.size() - 1;
    }

    std::string_view get(size_t index) const {
        return index < strings_.size() ? strings_[index] : std::string_view();
    }

  private:
    std::vector<std::string> strings_;
    std::string segments_;
};

enum class NumberKind { Plain, Date, Time };

// What a number format shows: Excel's built-in date and time formats by their
// identifier, others by the letters of their code outside quotes and brackets.
NumberKind kindOfCode(std::string_view code);
NumberKind kindOfBuiltin(size_t id);

class Styles : public iface::import_styles {
  public:
    NumberKind kindOfXf(size_t xf) const {
        if (xf >= xfFormats_.size()) return NumberKind::Plain;
        const size_t id = xfFormats_[xf];
        const auto code = codes_.find(id);
        return code != codes_.end() ? kindOfCode(code->second) : kindOfBuiltin(id);
    }

    void set_number_format_count(size_t) override {}
    void set_number_format_identifier(size_t id) override { formatId_ = id; }
    void set_number_format_code(std::string_view s) override { formatCode_ = cutUtf8(s, 256); }
    size_t commit_number_format() override {
        if (codes_.size() < 4096) codes_[formatId_] = formatCode_;
        formatCode_.clear();
        return formatId_;
    }
    void set_xf_number_format(size_t index) override { xfFormat_ = index; }
    size_t commit_cell_xf() override {
        if (xfFormats_.size() < 65536) xfFormats_.push_back(xfFormat_);
        xfFormat_ = 0;
        return xfFormats_.size() - 1;
    }
    size_t commit_cell_style_xf() override { return xfFormat_ = 0; }
    size_t commit_dxf() override { return xfFormat_ = 0; }

    // Nothing else of a style bears on a value.
    void set_font_count(size_t) override {}
    void set_font_bold(bool) override {}
    void set_font_italic(bool) override {}
    void set_font_name(std::string_view) override {}
    void set_font_size(double) override {}
    void set_font_underline(underline_t) override {}
    void set_font_underline_width(underline_width_t) override {}
    void set_font_underline_mode(underline_mode_t) override {}
    void set_font_underline_type(underline_type_t) override {}
    void set_font_underline_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void set_font_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void set_strikethrough_style(strikethrough_style_t) override {}
    void set_strikethrough_type(strikethrough_type_t) override {}
    void set_strikethrough_width(strikethrough_width_t) override {}
    void set_strikethrough_text(strikethrough_text_t) override {}
    size_t commit_font() override { return 0; }
    void set_fill_count(size_t) override {}
    void set_fill_pattern_type(fill_pattern_t) override {}
    void set_fill_fg_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    void set_fill_bg_color(color_elem_t, color_elem_t, color_elem_t, color_elem_t) override {}
    size_t commit_fill() override { return 0; }
    void set_border_count(size_t) override {}
    void set_border_style(border_direction_t, border_style_t) override {}
    void set_border_color(border_direction_t, color_elem_t, color_elem_t, color_elem_t,
                          color_elem_t) override {}
    void set_border_width(border_direction_t, double, length_unit_t) override {}
    size_t commit_border() override { return 0; }
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    size_t commit_cell_protection() override { return 0; }
    void set_cell_xf_count(size_t) override {}
    void set_cell_style_xf_count(size_t) override {}
    void set_dxf_count(size_t) override {}
    void set_xf_font(size_t) override {}
    void set_xf_fill(size_t) override {}
    void set_xf_border(size_t) override {}
    void set_xf_protection(size_t) override {}
    void set_xf_style_xf(size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(hor_alignment_t) override {}
    void set_xf_vertical_alignment(ver_alignment_t) override {}
    void set_cell_style_count(size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(size_t) override {}
    void set_cell_style_builtin(size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    size_t commit_cell_style() override { return 0; }

  private:
    std::map<size_t, std::string> codes_;  // format identifier -> code
    std::vector<size_t> xfFormats_;        // cell format -> format identifier
    size_t formatId_ = 0;
    std::string formatCode_;
    size_t xfFormat_ = 0;
};

class Settings : public iface::import_global_settings {
  public:
    void set_origin_date(int year, int month, int day) override {
        if (IsValidDate(year, month, day)) origin_ = {year, month, day};
    }
    void set_default_formula_grammar(formula_grammar_t g) override { grammar_ = g; }
    formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

    std::optional<Date> serialDate(double serial) const {
        return SerialDate(serial, origin_.year, origin_.month, origin_.day);
    }

  private:
    Date origin_{1899, 12, 30};
    formula_grammar_t grammar_ = formula_grammar_t::unknown;
};

}  // namespace orcus_parts

}  // namespace xlstodb

#include "labels/sheet_layout.h"

#include <algorithm>
#include <cstdio>

namespace zelkor {

namespace {

// A length as the operator types it: no trailing zeros, at most two decimals.
std::string Mm(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s(buf);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

// Sums that land a hair over the paper through rounding still fit.
constexpr double kSlack = 0.05;

std::string Across(const char* what, int count, double size, double margin, double gap, double paper) {
    const double total = margin + count * size + (count - 1) * gap;
    if (total <= paper + kSlack) return {};
    return std::string(what) + " tidak muat: tepi " + Mm(margin) + " + " + std::to_string(count) + " x " +
           Mm(size) + " + " + std::to_string(count - 1) + " x jarak " + Mm(gap) + " = " + Mm(total) +
           " mm, kertas " + Mm(paper) + " mm";
}

MmRect Inset(const MmRect& r, double by) {
    return {r.x + by, r.y + by, r.w - 2 * by, r.h - 2 * by};
}

}  // namespace

std::vector<SheetLayout> StandardSheets() {
    return {
        {"3 x 8 (70 x 37 mm)", 3, 8, 70, 37, 0, 0.5, 0, 0},
        {"3 x 10 (70 x 29,7 mm)", 3, 10, 70, 29.7, 0, 0, 0, 0},
        {"2 x 7 (99,1 x 38,1 mm)", 2, 7, 99.1, 38.1, 4.65, 15.15, 2.5, 0},
    };
}

SheetLayout CardSheet() {
    return {"Kartu 2 x 5 (85,6 x 54 mm)", 2, 5, 85.6, 54, (kA4Width - 2 * 85.6) / 2,
            (kA4Height - 5 * 54) / 2,     0, 0};
}

std::vector<std::string> SheetProblems(const SheetLayout& s, double paperWidth, double paperHeight) {
    std::vector<std::string> out;
    if (s.columns < 1 || s.rows < 1) out.push_back("Kolom dan baris paling sedikit 1");
    if (s.labelWidth <= 0 || s.labelHeight <= 0) out.push_back("Ukuran label harus lebih dari 0 mm");
    if (s.marginLeft < 0 || s.marginTop < 0 || s.gapX < 0 || s.gapY < 0)
        out.push_back("Tepi dan jarak tidak boleh kurang dari 0 mm");
    if (!out.empty()) return out;
    for (std::string p : {Across("Lebar", s.columns, s.labelWidth, s.marginLeft, s.gapX, paperWidth),
                          Across("Tinggi", s.rows, s.labelHeight, s.marginTop, s.gapY, paperHeight)})
        if (!p.empty()) out.push_back(p);
    return out;
}

MmRect LabelCell(const SheetLayout& s, int position) {
    const int col = position % s.columns, row = position / s.columns;
    return {s.marginLeft + col * (s.labelWidth + s.gapX), s.marginTop + row * (s.labelHeight + s.gapY),
            s.labelWidth, s.labelHeight};
}

std::vector<Placement> PlaceLabels(const SheetLayout& s, int count, int start) {
    std::vector<Placement> out;
    out.reserve(std::max(count, 0));
    const int first = std::clamp(start, 1, s.perSheet()) - 1;
    for (int i = 0; i < count; ++i) {
        const int slot = first + i;
        out.push_back({slot / s.perSheet(), slot % s.perSheet()});
    }
    return out;
}

int SheetCount(const SheetLayout& s, int count, int start) {
    if (count <= 0) return 0;
    const int first = std::clamp(start, 1, s.perSheet()) - 1;
    return (first + count + s.perSheet() - 1) / s.perSheet();
}

int BackPosition(const SheetLayout& s, int position) {
    const int col = position % s.columns, row = position / s.columns;
    return row * s.columns + (s.columns - 1 - col);
}

ItemLabelParts ItemLabelLayout(const MmRect& cell) {
    const MmRect in = Inset(cell, std::min(2.5, cell.h / 12));
    const double line = std::min(3.6, in.h / 6);
    ItemLabelParts p;
    p.library = {in.x, in.y, in.w * 0.68, line};
    p.shelf = {in.x + in.w * 0.68, in.y, in.w * 0.32, line};
    p.title = {in.x, in.y + in.h - line, in.w, line};
    p.code = {in.x, p.title.y - line, in.w, line};
    p.barcode = {in.x, in.y + line + 0.6, in.w, p.code.y - (in.y + line + 0.6) - 0.3};
    return p;
}

SpineLabelParts SpineLabelLayout(const MmRect& cell) {
    const MmRect in = Inset(cell, std::min(2.5, cell.h / 12));
    return {{in.x, in.y, in.w, in.h * 0.62}, {in.x, in.y + in.h * 0.62, in.w, in.h * 0.38}};
}

CardParts CardLayout(const MmRect& cell) {
    const MmRect in = Inset(cell, 3);
    const double head = 10;
    CardParts p;
    p.logo = {in.x, in.y, head, head};
    p.identity = {in.x + head + 2, in.y, in.w - head - 2, head};
    const double qr = 20;
    const double top = in.y + head + 1.5;
    p.qr = {in.x + in.w - qr, top, qr, qr};
    p.lines = {in.x, top, in.w - qr - 2, qr};
    p.code = {in.x, in.y + in.h - 3.2, in.w, 3.2};
    p.barcode = {in.x, top + qr + 0.8, in.w, p.code.y - (top + qr + 0.8) - 0.2};
    return p;
}

MmRect CardBackText(const MmRect& cell) {
    return Inset(cell, 4);
}

MmRect LinearSymbolRect(const MmRect& area, int modules, double maxModule) {
    const int withQuiet = modules + 20;
    const double module = std::min(maxModule, area.w / withQuiet);
    const double w = modules * module;
    return {area.x + (area.w - w) / 2, area.y, w, area.h};
}

}  // namespace zelkor

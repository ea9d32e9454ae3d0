#pragma once
// Label and card sheets as plain positions in millimetres on the paper: where each
// label sits on a sheet, which labels a run of codes takes from a start position,
// and where the parts of one label or card go inside it. No Qt here, so the
// arithmetic is checked without a printer.
#include <string>
#include <vector>

namespace zelkor {

struct MmRect {
    double x = 0, y = 0, w = 0, h = 0;  // from the paper's top-left corner
};

inline constexpr double kA4Width = 210.0, kA4Height = 297.0;

struct SheetLayout {
    std::string name;  // what the operator picks, "3 x 8 (70 x 37 mm)"
    int columns = 1, rows = 1;
    double labelWidth = 0, labelHeight = 0;
    double marginLeft = 0, marginTop = 0;
    double gapX = 0, gapY = 0;

    int perSheet() const { return columns * rows; }
};

// The common A4 label sheets, in the order the operator sees them.
std::vector<SheetLayout> StandardSheets();
// Ten ID-1 cards (85.6 x 54 mm), two across, centred on A4 with room for cut marks.
SheetLayout CardSheet();

// Why a layout cannot be printed on the paper, one text per fault naming the
// numbers that do not fit; empty when it fits.
std::vector<std::string> SheetProblems(const SheetLayout& sheet, double paperWidth = kA4Width,
                                       double paperHeight = kA4Height);

// The label at `position` (0-based, across then down) of a sheet.
MmRect LabelCell(const SheetLayout& sheet, int position);

struct Placement {
    int page = 0;      // 0-based sheet
    int position = 0;  // 0-based place on that sheet
};
// Where `count` labels go when the first sheet is used from `start` (1-based):
// the places before it are left blank, later sheets are used whole.
std::vector<Placement> PlaceLabels(const SheetLayout& sheet, int count, int start);
int SheetCount(const SheetLayout& sheet, int count, int start);

// The place on the back of a sheet behind `position` on its front: turned over on
// its long edge, a row reads right to left.
int BackPosition(const SheetLayout& sheet, int position);

// Inside an item label: the library's name and the shelf on the top line, the
// barcode with its quiet zones, the code beneath it and the title at the bottom.
struct ItemLabelParts {
    MmRect library, shelf, barcode, code, title;
};
ItemLabelParts ItemLabelLayout(const MmRect& cell);

// A spine label: the shelf large, the code under it.
struct SpineLabelParts {
    MmRect shelf, code;
};
SpineLabelParts SpineLabelLayout(const MmRect& cell);

// A member card: the logo and the library's identity across the top, the member's
// lines on the left, the QR code on the right and the barcode along the bottom.
struct CardParts {
    MmRect logo, identity, lines, qr, barcode, code;
};
CardParts CardLayout(const MmRect& cell);
// The rules text on the back of a card.
MmRect CardBackText(const MmRect& cell);

// Where a Code 128 symbol of `modules` modules goes inside `area`: centred, its
// bars no narrower than needed to fit and no wider than `maxModule` mm, with ten
// modules of quiet zone each side kept clear.
MmRect LinearSymbolRect(const MmRect& area, int modules, double maxModule = 0.5);

}  // namespace zelkor

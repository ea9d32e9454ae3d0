#pragma once
// A printed page as plain data: the font and the lines with their positions, in
// ten-thousandths of the printable width (x) and height (y). Layouts are built
// without a printer, so tests read them line by line.
#include <QString>
#include <vector>

namespace zelkor {

struct PrintLine {
    int x = 0, y = 0;
    QString text;
    bool operator==(const PrintLine&) const = default;
};

struct PrintLayout {
    QString face;
    int points = 0;
    std::vector<PrintLine> lines;  // in the order they are drawn; blank lines are not drawn

    // The text drawn at y, empty when nothing is.
    QString textAt(int y) const;
};

}  // namespace zelkor

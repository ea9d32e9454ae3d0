#include "printing/print_layout.h"

namespace zelkor {

QString PrintLayout::textAt(int y) const {
    for (const PrintLine& line : lines)
        if (line.y == y) return line.text;
    return {};
}

}  // namespace zelkor

#pragma once
// Item labels on a label sheet: the library's name, the item code as a Code 128
// barcode with the code beneath, the title cut to fit and the shelf; or spine
// labels with the shelf and the code alone.
#include <QString>
#include <QStringList>
#include <vector>

#include "labels/sheet_document.h"
#include "labels/sheet_layout.h"

namespace zelkor {

struct ItemLabel {
    QString code, title, shelf;
    int copies = 1;  // labels per copy prints this many
};

enum class LabelKind { Barcode, Spine };

struct LabelRun {
    SheetLayout sheet = StandardSheets().front();
    LabelKind kind = LabelKind::Barcode;
    int start = 1;         // the first free place on the first sheet, 1-based
    bool perCopy = false;  // a label for every copy instead of one per item
    QString libraryName;
    std::vector<ItemLabel> items;
};

// The labels one after the other, each item repeated per copy when asked.
std::vector<ItemLabel> ExpandCopies(const LabelRun& run);

// The sheets of a run, and the codes that printed as text alone (no Code 128).
struct LabelSheets {
    SheetDocument doc;
    QStringList withoutBars;
};
LabelSheets ItemLabelSheets(const LabelRun& run);

}  // namespace zelkor

#pragma once
// The catalogue's statement and how its rows become blocks of label/value lines.
// No widgets here.
#include <QStringList>

#include "db/database.h"
#include "ui/grid_data.h"

namespace zelkor {

// Each item's result columns, in the order of its block: also the "Kolom" texts.
// "Stock" is the stock held less the movements not yet returned, worked out by the
// database (it may be negative) and never stored.
QString CatalogueListSql();
// The columns a search looks in (the shelf, the rights notice and the numbers are
// not searched).
QStringList CatalogueSearched();

// The items a catalogue statement found, shown as blocks: per item one line for
// each column ("No." = the block number and "." on the first line only, "Kolom" =
// the column's name, "Data" = its value, empty for a missing one), then an empty
// line. A broad search finds a hundred thousand items, a million lines: the items
// keep only their values, and a line's text is made when it is shown.
class CatalogueItems {
  public:
    // Forgets the items, then keeps each row as an item and adds its block's lines,
    // without their text, to `lines` (the grid the view selects in).
    Database::RowCallback collect(GridData& lines);

    int count() const { return values_.rowCount(); }
    // The text of the cell of `line` and `column`.
    QString cell(int line, int column) const;
    // Every block with its text, for the exports.
    void writeBlocks(GridData& grid) const;

  private:
    GridData values_;  // one row per item, its values in block order
    QStringList names_;
};

}  // namespace zelkor

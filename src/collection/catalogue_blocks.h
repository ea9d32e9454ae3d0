#pragma once
// The catalogue's statement and how its rows become blocks of label/value lines.
// No widgets here.
#include <QStringList>

#include "db/database.h"

namespace zelkor {

class GridData;

// Each item's result columns, in the order of its block: also the "Kolom" texts.
// "Stock" is the stock held less the movements not yet returned, worked out by the
// database (it may be negative) and never stored.
QString CatalogueListSql();
// The columns a search looks in (the shelf, the rights notice and the numbers are
// not searched).
QStringList CatalogueSearched();

// The rows of a catalogue statement as blocks: per result row one grid row for each
// column ("No." = the block number and "." on the first row only, "Kolom" = the
// column's name, "Data" = its value, empty for a missing one), then an empty row.
// The block number starts at 1 with each callback made.
Database::RowCallback AppendCatalogueBlocks(GridData& grid);

}  // namespace zelkor

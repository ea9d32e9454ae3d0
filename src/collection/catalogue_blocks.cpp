#include "catalogue_blocks.h"

#include "ui/grid_data.h"

namespace zelkor {

QString CatalogueListSql() {
    // The open movements of an item are counted in the partial index of movements
    // not yet returned (Status<1), which holds a tenth of all movements.
    return QStringLiteral(
        "select Id, NamaItem, Pengarang, Penerbit, ISBN, Denda,JmlStock-(Select count(*) from TransPerpus "
        "where IdItemPerpus=ItemPerpus.Id And Status<1) As Stock, HargaRental, Rak from ItemPerpus");
}

QStringList CatalogueSearched() {
    return {QStringLiteral("Id"), QStringLiteral("NamaItem"), QStringLiteral("Pengarang"),
            QStringLiteral("Penerbit"), QStringLiteral("ISBN")};
}

Database::RowCallback AppendCatalogueBlocks(GridData& grid) {
    // The column names are the same on every row: read once per statement. A broad
    // search makes a million lines, so each goes into the grid without a QString or
    // a list of its own: the value straight from SQLite's text.
    return [&grid, block = 1, names = QStringList()](const DbRow& row) mutable {
        const int columns = row.columnCount();
        if (names.size() != columns) {
            names.clear();
            for (int i = 0; i < columns; ++i) names << row.name(i);
        }
        for (int i = 0; i < columns; ++i) {
            GridData::NewRow line(grid);
            line.add(i == 0 ? QString::number(block) + QLatin1Char('.') : QString());
            line.add(names[i]);
            line.addUtf8(row.utf8(i));
        }
        GridData::NewRow gap(grid);  // the empty line between two items
        ++block;
    };
}

}  // namespace zelkor

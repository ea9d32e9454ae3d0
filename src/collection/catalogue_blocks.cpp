#include "catalogue_blocks.h"

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

Database::RowCallback CatalogueItems::collect(GridData& lines) {
    values_.clearRows();
    names_.clear();
    return [this, &lines](const DbRow& row) {
        const int columns = row.columnCount();
        // The column names are the same on every row: read once per statement.
        if (names_.size() != columns) {
            names_.clear();
            for (int i = 0; i < columns; ++i) names_ << row.name(i);
        }
        {
            GridData::NewRow item(values_);
            for (int i = 0; i < columns; ++i) item.addUtf8(row.utf8(i));
        }
        for (int i = 0; i <= columns; ++i) {
            GridData::NewRow line(lines);
        }
    };
}

QString CatalogueItems::cell(int line, int column) const {
    const int perItem = static_cast<int>(names_.size()) + 1;
    const int item = line / perItem, field = line % perItem;
    if (item >= count() || field == perItem - 1) return {};  // the empty line between two items
    switch (column) {
        case 0:
            return field == 0 ? QString::number(item + 1) + QLatin1Char('.') : QString();
        case 1:
            return names_[field];
        case 2:
            return values_.cell(item, field);
        default:
            return {};
    }
}

void CatalogueItems::writeBlocks(GridData& grid) const {
    grid.clearRows();
    GridData::Batch batch(grid);
    for (int item = 0; item < count(); ++item) {
        for (int field = 0; field < names_.size(); ++field) {
            GridData::NewRow line(grid);
            line.add(field == 0 ? QString::number(item + 1) + QLatin1Char('.') : QString());
            line.add(names_[field]);
            line.add(values_.cell(item, field));
        }
        GridData::NewRow gap(grid);
    }
}

}  // namespace zelkor

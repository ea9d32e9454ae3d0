#include "db/row_sinks.h"

#include <QComboBox>

#include "ui/grid_data.h"

namespace zelkor {

Database::RowCallback StoreScalar(QString& target) {
    return [&target](const DbRow& row) {
        target = QStringLiteral("0");
        if (row.columnCount() > 0) target = row.text(0);
    };
}

Database::RowCallback AppendNumberedRow(GridData& grid) {
    return [&grid](const DbRow& row) {
        QStringList cells;
        cells.reserve(row.columnCount() + 1);
        cells.append(QString::number(grid.rowCount() + 1) + QLatin1Char('.'));
        for (int i = 0; i < row.columnCount(); ++i) cells.append(row.text(i));
        grid.appendRow(std::move(cells));
    };
}

Database::RowCallback AppendRowAutoColumns(GridData& grid) {
    return [&grid](const DbRow& row) {
        if (grid.columnCount() < row.columnCount()) {
            std::vector<GridColumn> cols = grid.columns();
            for (int i = grid.columnCount(); i < row.columnCount(); ++i)
                cols.push_back({row.name(i).toUpper(), 100, Align::Left});
            grid.setColumns(std::move(cols));
        }
        QStringList cells;
        cells.reserve(row.columnCount());
        for (int i = 0; i < row.columnCount(); ++i) cells.append(row.text(i));
        grid.appendRow(std::move(cells));
    };
}

Database::RowCallback AddComboItem(QComboBox& combo) {
    return [&combo](const DbRow& row) {
        if (row.columnCount() > 0) combo.addItem(row.text(0));
    };
}

Database::RowCallback AddComboItem(QStringList& list) {
    return [&list](const DbRow& row) {
        if (row.columnCount() > 0) list.append(row.text(0));
    };
}

}  // namespace zelkor

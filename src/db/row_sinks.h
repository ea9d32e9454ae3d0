#pragma once
// The shared ways in which rows of a query reach a grid, a combo box or a single
// value. Each returns a row callback for Database::exec.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

#include "db/database.h"

class QComboBox;

namespace zelkor {

class GridData;

// Sets `target` to "0", then to the row's first value (empty for NULL): for count
// and sum queries. A query without rows leaves `target` as it was.
Database::RowCallback StoreScalar(QString& target);

// Appends the row to `grid`: column 0 is the row's position (rows already there + 1)
// followed by ".", then the row's values in order.
Database::RowCallback AppendNumberedRow(GridData& grid);
// "12." for 12, written into `buffer` without a QString: the No. cell of a
// numbered row.
QStringView RowNumberText(int n, char16_t (&buffer)[16]);
// A whole number as QString::number writes it, into `buffer`.
QStringView WholeNumberText(std::int64_t n, char16_t (&buffer)[24]);

// When the grid has fewer columns than the row has values, first adds one column
// per value headed by the upper-cased column name (left, width 100); then appends
// the row with value i in column i.
Database::RowCallback AppendRowAutoColumns(GridData& grid);

// Adds the row's first value as an entry of a combo box or a list.
Database::RowCallback AddComboItem(QComboBox& combo);
Database::RowCallback AddComboItem(QStringList& list);

}  // namespace zelkor

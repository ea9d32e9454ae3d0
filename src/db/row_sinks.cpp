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

namespace {

// The decimal digits of `u`, written backwards to end just before `end`; their start.
char16_t* DigitsBefore(char16_t* end, std::uint64_t u) {
    char16_t* p = end;
    do {
        *--p = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    return p;
}

}  // namespace

QStringView RowNumberText(int n, char16_t (&buffer)[16]) {
    char16_t* end = buffer + 16;
    end[-1] = u'.';
    const char16_t* p = DigitsBefore(end - 1, static_cast<unsigned>(n));
    return QStringView(p, end - p);
}

QStringView WholeNumberText(std::int64_t n, char16_t (&buffer)[24]) {
    char16_t* end = buffer + 24;
    // In unsigned arithmetic, so that the most negative number has its digits too.
    char16_t* p =
        DigitsBefore(end, n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n));
    if (n < 0) *--p = u'-';
    return QStringView(p, end - p);
}

// The cells go from SQLite's UTF-8 straight into the grid: a QString per cell
// was most of the time of filling a long list.
Database::RowCallback AppendNumberedRow(GridData& grid) {
    return [&grid](const DbRow& row) {
        char16_t number[16];
        GridData::NewRow cells(grid);
        cells.add(RowNumberText(grid.rowCount() + 1, number));
        for (int i = 0; i < row.columnCount(); ++i) cells.addUtf8(row.utf8(i));
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
        GridData::NewRow cells(grid);
        for (int i = 0; i < row.columnCount(); ++i) cells.addUtf8(row.utf8(i));
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

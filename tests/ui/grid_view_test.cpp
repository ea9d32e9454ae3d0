// GridView shows a GridData through GridModel: the model must stay consistent
// through every kind of change, and the selection mark and the view agree.
#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTest>
#include <memory>

#include "ui/grid_data.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

using namespace zelkor;

namespace {

void fill(GridData& grid, int rows) {
    GridData::Batch batch(grid);
    for (int i = 0; i < rows; ++i)
        grid.appendRow({QString::number(i + 1) + ".", "Buku " + QString::number(i), "500"});
}

}  // namespace

TEST(GridView, ModelStaysConsistentThroughEveryChange) {
    GridData grid;
    grid.setColumns({{"No.", 50}, {"Nama", 200}, {"Denda", 80, Align::Right}});
    GridView view(grid);
    QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    fill(grid, 50);
    grid.appendRow({"51.", "Satu lagi"});
    grid.setCell(3, 2, "1000");
    grid.setCell(4, 5, "di luar kolom");  // past the columns: stored, not shown
    grid.removeRow(0);
    grid.setCheckable(true);
    grid.setChecked(2, true);
    grid.addColumn("Rak", 60, Align::Center);
    grid.clearRows();
    fill(grid, 10);

    QAbstractItemModel* m = view.model();
    EXPECT_EQ(m->rowCount(), 10);
    EXPECT_EQ(m->columnCount(), 4);
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), "Denda");
    EXPECT_EQ(m->data(m->index(9, 1)).toString(), "Buku 9");
    EXPECT_EQ(m->data(m->index(9, 3)).toString(), "");
    EXPECT_EQ(m->data(m->index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(m->data(m->index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(m->setData(m->index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(grid.isChecked(1));
}

TEST(GridView, SelectionMarkAndViewFollowEachOther) {
    GridData grid;
    grid.setColumns({{"No.", 50}, {"Nama", 200}, {"Denda", 80}});
    fill(grid, 1000);
    GridView view(grid);
    view.resize(400, 300);
    view.show();

    grid.select(700);
    EXPECT_EQ(view.currentIndex().row(), 700);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(700, {}));

    view.setCurrentIndex(view.model()->index(12, 1));
    EXPECT_EQ(grid.selectedRow(), 12);
    EXPECT_EQ(grid.selectedCell(1), "Buku 12");

    grid.select(-1);
    EXPECT_FALSE(view.currentIndex().isValid());
}

// Rows are never sized to their contents: one height for all, however long a text.
TEST(GridView, RowsHaveOneFixedHeight) {
    GridData grid;
    grid.setColumns({{"No.", 50}, {"Uraian", 100}});
    grid.appendRow({"1.", "pendek"});
    grid.appendRow({"2.", QString(2000, 'x') + "\nbaris kedua\nbaris ketiga"});
    GridView view(grid);
    view.show();
    EXPECT_EQ(view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(view.rowHeight(0), view.rowHeight(1));
    EXPECT_FALSE(view.wordWrap());
}

// A list that got the focus has a current row but marks none, so Sisip cannot hand
// over a row the operator never chose; the first arrow then marks the row with the
// focus instead of skipping it, so a list of one can be chosen too.
TEST(GridView, FirstArrowMarksTheRowWithTheFocus) {
    const struct {
        int rows;
        std::vector<Qt::Key> keys;
        int marked;
    } cases[] = {
        {5, {}, -1},
        {1, {Qt::Key_Down}, 0},
        {5, {Qt::Key_Down}, 0},
        {5, {Qt::Key_Up}, 0},
        {5, {Qt::Key_Down, Qt::Key_Down}, 1},
        {5, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, 0},
        {0, {Qt::Key_Down}, -1},
    };
    for (const auto& c : cases) {
        GridData grid;
        grid.setColumns({{"No.", 50}, {"Nama", 200}});
        fill(grid, c.rows);
        GridView view(grid);
        view.show();
        view.setFocus();
        if (c.rows > 0)
            view.selectionModel()->setCurrentIndex(view.model()->index(0, 0), QItemSelectionModel::NoUpdate);
        for (Qt::Key k : c.keys) QTest::keyClick(&view, k);
        EXPECT_EQ(grid.selectedRow(), c.marked) << c.rows << " rows, " << c.keys.size() << " keys";
    }
}

// Forms hold their grids as members and may destroy them before their views.
TEST(GridView, OutlivingItsGridIsHarmless) {
    auto grid = std::make_unique<GridData>();
    grid->setColumns({{"No.", 50}, {"Nama", 200}});
    fill(*grid, 20);
    GridView view(*grid);
    view.show();
    grid.reset();
    EXPECT_EQ(view.model()->rowCount(), 0);
    EXPECT_EQ(view.model()->columnCount(), 0);
    view.repaint();
}

// The given widths are the least ones: the widest text column takes the rest of a
// wide window (never a wider number column), and every edge can still be dragged
// or double-clicked to fit.
TEST(GridView, TheWidestTextColumnTakesTheFreeWidth) {
    GridData grid;
    grid.setColumns({{"No.", 50, Align::Center}, {"Nama", 200}, {"Ket", 100}, {"Denda", 300, Align::Right}});
    GridView view(grid);
    fill(grid, 3);
    view.show();
    const int least = Scaled(&view, 200);
    struct Case {
        int width;
        bool filled;
    } cases[] = {{1400, true}, {400, false}, {1200, true}};
    for (const Case& c : cases) {
        view.resize(c.width, 300);
        QCoreApplication::processEvents();
        const int others = view.columnWidth(0) + view.columnWidth(2) + view.columnWidth(3);
        EXPECT_EQ(view.columnWidth(1), c.filled ? view.viewport()->width() - others : least) << c.width;
        EXPECT_EQ(view.columnWidth(3), Scaled(&view, 300));
    }
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(view.horizontalHeader()->sectionResizeMode(col), QHeaderView::Interactive);
}

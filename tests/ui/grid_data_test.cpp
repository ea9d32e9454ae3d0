// GridData keeps its texts in shared blocks; whatever is appended, changed or
// removed must read back exactly as a plain list of rows would.
#include <gtest/gtest.h>

#include <random>

#include "ui/grid_data.h"

using namespace zelkor;

namespace {

struct Recorder : GridListener {
    QStringList events;
    void gridReset() override { events << "reset"; }
    void gridRowsAppended(int first, int last) override {
        events << QString("appended %1-%2").arg(first).arg(last);
    }
    void gridRowRemoved(int row) override { events << QString("removed %1").arg(row); }
    void gridCellChanged(int row, int column) override {
        events << QString("changed %1,%2").arg(row).arg(column);
    }
    void gridSelectionChanged(int row) override { events << QString("selected %1").arg(row); }
};

// Texts of every kind a list holds: empty, short, apostrophes, other scripts,
// and long ones on both sides of the length kept outside the blocks.
QString someText(std::mt19937& rng) {
    static const QString kinds[] = {"", "1.", "O'Neil; \"kutip\"", "Лев Толстой", "漢字かな", "🙂 emoji"};
    const int roll = static_cast<int>(rng() % 100);
    if (roll < 2)
        return QString(static_cast<int>(1000 + rng() % 30000), QChar('a' + static_cast<int>(rng() % 26)));
    if (roll < 30) return kinds[rng() % std::size(kinds)];
    return QString::number(rng()) + QString(static_cast<int>(rng() % 40), QChar('x'));
}

void expectSame(const GridData& grid, const std::vector<QStringList>& model, int selected) {
    ASSERT_EQ(grid.rowCount(), static_cast<int>(model.size()));
    EXPECT_EQ(grid.selectedRow(), selected);
    for (int r = 0; r < grid.rowCount(); ++r) {
        ASSERT_EQ(grid.row(r), model[r]) << "row " << r;
        for (int c = 0; c <= model[r].size(); ++c)
            ASSERT_EQ(grid.cell(r, c), c < model[r].size() ? model[r][c] : QString()) << r << "," << c;
    }
}

}  // namespace

// Many random appends, changes (also past the end of a row) and removals, enough
// to fill many blocks and make the grid compact itself several times.
TEST(GridData, ReadsBackWhatWasWrittenThroughChangesAndRemovals) {
    std::mt19937 rng(42);
    GridData grid;
    grid.setColumns({{"No.", 50}, {"A", 80}, {"B", 80}, {"C", 80}});
    std::vector<QStringList> model;
    int selected = -1;
    for (int step = 0; step < 60000; ++step) {
        const int roll = static_cast<int>(rng() % 100);
        if (roll < 45 || model.empty()) {
            QStringList row;
            for (int c = static_cast<int>(rng() % 6); c > 0; --c) row << someText(rng);
            if (rng() % 2) {
                grid.appendRow(row);
            } else {  // as the row sinks append, from the UTF-8 of each text
                GridData::NewRow cells(grid);
                for (const QString& t : row) cells.addUtf8(t.toUtf8());
            }
            model.push_back(row);
        } else if (roll < 85) {
            const int r = static_cast<int>(rng() % model.size()), c = static_cast<int>(rng() % 7);
            const QString t = someText(rng);
            grid.setCell(r, c, t);
            while (model[r].size() <= c) model[r] << QString();
            model[r][c] = t;
        } else if (roll < 99) {
            const int r = static_cast<int>(rng() % model.size());
            if (rng() % 3 == 0) {
                grid.select(r);
                selected = r;
            }
            grid.removeRow(r);
            model.erase(model.begin() + r);
            if (selected == r)
                selected = -1;
            else if (selected > r)
                --selected;
        } else if (rng() % 20 == 0) {
            grid.clearRows();
            model.clear();
            selected = -1;
        }
        if (step % 5000 == 0) expectSame(grid, model, selected);
    }
    expectSame(grid, model, selected);
    EXPECT_EQ(grid.columnCount(), 4);
}

// A cell given as UTF-8 reads back as QString::fromUtf8 reads the same bytes,
// whatever they are: ASCII is copied a byte a character, eight at a time, and
// anything else goes through Qt, also a byte above 0x7f at either end of an eight.
TEST(GridData, Utf8CellsReadAsQtDecodesThem) {
    QList<QByteArray> texts = {"",
                               "Budi",
                               "12345678",
                               "1234567\xc3\xa9",
                               "\xc3\xa9"
                               "1234567",
                               "Stasiun K\xc3\xb6ln 1234567890",
                               QByteArray("nul\0inside", 10),
                               "\xef\xbb\xbf"
                               "BOM first",
                               "cut \xe6\xbc",
                               "\xff\xfe not UTF-8",
                               "\xf0\x9f\x99\x82 emoji",
                               "\xed\xa0\x80 a surrogate"};
    for (int i = 0; i < 20; ++i) texts << QByteArray(i, 'x') + "\x80" + QByteArray(20 - i, 'y');
    texts << QByteArray(1000, 'z');
    // Texts too long for a block, ASCII or not.
    const QList<QByteArray> longTexts = {QByteArray(20000, 'a'), QByteArray(20000, 'a') + "\xc3\xa9"};
    GridData grid;
    for (int pass = 0; pass < 400; ++pass) {  // several blocks' worth
        GridData::NewRow cells(grid);
        for (const QByteArray& t : pass == 200 ? longTexts : texts) cells.addUtf8(t);
    }
    ASSERT_EQ(grid.rowCount(), 400);
    for (int r : {0, 199, 201, 399})
        for (int c = 0; c < texts.size(); ++c)
            ASSERT_EQ(grid.cell(r, c), QString::fromUtf8(texts[c])) << r << "," << c;
    EXPECT_EQ(grid.row(200), QStringList({QString::fromUtf8(longTexts[0]), QString::fromUtf8(longTexts[1])}));
}

TEST(GridData, OutOfRangeReadsAndWritesDoNothing) {
    GridData grid;
    grid.appendRow({"1.", "a"});
    EXPECT_EQ(grid.cell(-1, 0), QString());
    EXPECT_EQ(grid.cell(1, 0), QString());
    EXPECT_EQ(grid.cell(0, -1), QString());
    grid.setCell(1, 0, "x");
    grid.setCell(0, -1, "x");
    grid.removeRow(5);
    grid.select(7);
    EXPECT_EQ(grid.selectedRow(), -1);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.row(0), QStringList({"1.", "a"}));
}

TEST(GridData, ListenersHearOneResetPerBatch) {
    GridData grid;
    Recorder rec;
    grid.addListener(&rec);
    grid.appendRow({"1.", "a"});
    grid.setCell(0, 1, "b");
    {
        GridData::Batch outer(grid);
        {
            GridData::Batch inner(grid);
            grid.appendRow({"2.", "c"});
            grid.appendRow({"3.", "d"});
        }
        grid.setCell(1, 1, "e");
        grid.removeRow(0);
    }
    { GridData::Batch nothing(grid); }
    grid.select(1);
    grid.removeRow(0);
    grid.removeListener(&rec);
    grid.appendRow({"x"});
    EXPECT_EQ(rec.events, QStringList({"appended 0-0", "changed 0,1", "reset", "selected 1", "removed 0"}));
}

TEST(GridData, ChecksFollowTheirRows) {
    GridData grid;
    for (int i = 0; i < 4; ++i) grid.appendRow({QString::number(i + 1) + "."});
    grid.setCheckable(true);
    grid.setChecked(1, true);
    grid.setChecked(3, true);
    grid.removeRow(0);
    grid.appendRow({"5."});
    std::vector<bool> checks;
    for (int r = 0; r < grid.rowCount(); ++r) checks.push_back(grid.isChecked(r));
    EXPECT_EQ(checks, std::vector<bool>({true, false, true, false}));
}

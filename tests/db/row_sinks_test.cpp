#include <QComboBox>
#include <limits>
#include <gtest/gtest.h>

#include "db/bytes_map.h"
#include "db/row_sinks.h"
#include "support/fixture.h"
#include "ui/grid_data.h"

using namespace zelkor;
using namespace zelkor::test;

class RowSinks : public DbTest {
protected:
    void SetUp() override {
        env.addItem("B1", "Satu");
        env.addItem("B2", "Dua");
    }
};

TEST_F(RowSinks, StoreScalarKeepsEarlierValueWhenNoRow) {
    QString scalar = "earlier";
    env.ctx().run("select count(*) from ItemPerpus", {}, StoreScalar(scalar));
    EXPECT_EQ(scalar, "2");
    env.ctx().run("select NamaItem from ItemPerpus where Id='none'", {}, StoreScalar(scalar));
    EXPECT_EQ(scalar, "2");
    env.ctx().run("select Denda from ItemPerpus where 1=0 union all select NULL", {}, StoreScalar(scalar));
    EXPECT_EQ(scalar, "");  // NULL reads empty
}

TEST_F(RowSinks, AppendNumberedRowContinuesTheNumbering) {
    GridData grid;
    grid.addColumn("No.", 50);
    grid.addColumn("Id", 80);
    grid.addColumn("Nama", 100);
    for (int i = 0; i < 3; ++i) grid.appendRow({QString::number(i + 1) + ".", "x", "y"});
    env.ctx().run("select Id, NamaItem from ItemPerpus order by Id", {}, AppendNumberedRow(grid));
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.row(3), QStringList({"4.", "B1", "Satu"}));
    EXPECT_EQ(grid.row(4), QStringList({"5.", "B2", "Dua"}));
}

TEST_F(RowSinks, AppendRowAutoColumnsMakesColumnsFromTheFirstRow) {
    GridData grid;
    env.ctx().run("select Id, NamaItem as Nama from ItemPerpus order by Id", {}, AppendRowAutoColumns(grid));
    ASSERT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.column(0).header, "ID");
    EXPECT_EQ(grid.column(1).header, "NAMA");
    EXPECT_EQ(grid.column(1).width, 100);
    EXPECT_EQ(grid.column(1).align, Align::Left);
    EXPECT_EQ(grid.row(1), QStringList({"B2", "Dua"}));
    // A query without rows leaves an empty grid without columns.
    GridData empty;
    env.ctx().run("select Id from ItemPerpus where 1=0", {}, AppendRowAutoColumns(empty));
    EXPECT_EQ(empty.columnCount(), 0);
}

TEST_F(RowSinks, AddComboItemTakesTheFirstValue) {
    QComboBox combo;
    QStringList list;
    env.ctx().run("select NamaItem, Id from ItemPerpus order by Id", {}, AddComboItem(combo));
    env.ctx().run("select NamaItem, Id from ItemPerpus order by Id", {}, AddComboItem(list));
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), "Satu");
    EXPECT_EQ(list, QStringList({"Satu", "Dua"}));
}

// The map the long lists key by SQLite's bytes: every key found again after the
// table has grown many times, keys that differ only in a byte kept apart.
TEST(BytesMapTest, EveryKeyIsFoundAfterGrowingAndNearKeysStayApart) {
    BytesMap<int> map;
    const std::vector<std::string> near = {"", std::string("\0", 1), "M1", "M1 ", "m1", "M01", "M10"};
    for (int i = 0; i < static_cast<int>(near.size()); ++i) EXPECT_TRUE(map.emplace(near[i], i).second);
    for (int i = 0; i < 5000; ++i) map.emplace("M" + std::to_string(100000 + i), i);
    EXPECT_FALSE(map.emplace("M1", 99).second);
    ASSERT_EQ(map.size(), near.size() + 5000);
    for (int i = 0; i < static_cast<int>(near.size()); ++i) {
        const auto* e = map.find(near[i]);
        ASSERT_NE(e, map.end()) << i;
        EXPECT_EQ(e->second, i);
    }
    for (int i = 0; i < 5000; i += 7) EXPECT_EQ(map.find("M" + std::to_string(100000 + i))->second, i);
    EXPECT_EQ(map.find("M2"), map.end());
    map.clear();
    EXPECT_EQ(map.find("M1"), map.end());
    EXPECT_TRUE(map.emplace("M1", 1).second);

    // The same keys with texts (of odd and even lengths, one empty) side by side.
    BytesTextMap texts;
    const auto textOf = [](const std::string& key) { return QString::fromStdString("nama " + key).repeated(key.size() % 3); };
    for (const std::string& key : near) texts.add(key, textOf(key));
    for (int i = 0; i < 5000; ++i) texts.add("M" + std::to_string(100000 + i), textOf(std::to_string(i)));
    ASSERT_EQ(texts.size(), near.size() + 5000);
    QStringView found;
    for (const std::string& key : near) {
        ASSERT_TRUE(texts.find(key, found)) << key;
        EXPECT_EQ(found.toString(), textOf(key)) << key;
    }
    for (int i = 0; i < 5000; i += 7) {
        ASSERT_TRUE(texts.find("M" + std::to_string(100000 + i), found));
        EXPECT_EQ(found.toString(), textOf(std::to_string(i)));
    }
    EXPECT_FALSE(texts.find("M2", found));
}

TEST(WholeNumberTextTest, WritesAsQStringNumberDoes) {
    for (const std::int64_t n : {std::int64_t(0), std::int64_t(7), std::int64_t(-1), std::int64_t(1000000),
                                 std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
        char16_t buffer[24];
        EXPECT_EQ(WholeNumberText(n, buffer).toString(), QString::number(n));
    }
}

// Sheet arithmetic that can go wrong: what fits on A4, where a run starts on a
// half-used sheet, how many sheets it takes, and where the back of a card lies.
#include <gtest/gtest.h>

#include "labels/sheet_layout.h"

namespace zelkor {
namespace {

TEST(SheetLayout, StandardSheetsFitAndCustomOnesNameWhatDoesNot) {
    for (const SheetLayout& s : StandardSheets()) EXPECT_TRUE(SheetProblems(s).empty()) << s.name;
    EXPECT_TRUE(SheetProblems(CardSheet()).empty());

    struct Case {
        SheetLayout sheet;
        std::vector<std::string> problems;
    } cases[] = {
        {{"", 4, 10, 52.5, 29.7, 0, 0, 0, 0}, {}},
        {{"", 3, 8, 70, 37, 10, 0, 2, 0},
         {"Lebar tidak muat: tepi 10 + 3 x 70 + 2 x jarak 2 = 224 mm, kertas 210 mm"}},
        {{"", 2, 8, 99.1, 37, 5, 1.5, 2.5, 0.25},
         {"Tinggi tidak muat: tepi 1.5 + 8 x 37 + 7 x jarak 0.25 = 299.25 mm, kertas 297 mm"}},
        {{"", 0, 8, 70, 37, 0, 0, 0, 0}, {"Kolom dan baris paling sedikit 1"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SheetProblems(c.sheet), c.problems);
}

TEST(SheetLayout, RunStartsAtTheChosenPlaceAndFillsLaterSheetsWhole) {
    const SheetLayout s = StandardSheets().front();  // 24 a sheet
    struct Case {
        int count, start, sheets;
        Placement first, last;
    } cases[] = {
        {1000, 1, 42, {0, 0}, {41, 15}},
        {20, 5, 1, {0, 4}, {0, 23}},
        {21, 5, 2, {0, 4}, {1, 0}},
        {3, 99, 2, {0, 23}, {1, 1}},  // a start past the sheet is its last place
    };
    for (const Case& c : cases) {
        const std::vector<Placement> p = PlaceLabels(s, c.count, c.start);
        ASSERT_EQ(int(p.size()), c.count);
        EXPECT_EQ(SheetCount(s, c.count, c.start), c.sheets);
        EXPECT_EQ(p.front().page, c.first.page);
        EXPECT_EQ(p.front().position, c.first.position);
        EXPECT_EQ(p.back().page, c.last.page);
        EXPECT_EQ(p.back().position, c.last.position);
    }
}

TEST(SheetLayout, CardBacksAreMirroredAcrossEachRow) {
    const SheetLayout s = CardSheet();
    for (int pos = 0; pos < s.perSheet(); ++pos) {
        const MmRect front = LabelCell(s, pos), back = LabelCell(s, BackPosition(s, pos));
        EXPECT_DOUBLE_EQ(back.x, kA4Width - front.x - front.w);  // turned over on the long edge
        EXPECT_DOUBLE_EQ(back.y, front.y);
    }
}

}  // namespace
}  // namespace zelkor

#include <gtest/gtest.h>

#include "circulation/cart.h"
#include "qt_print.h"

using namespace zelkor;

namespace {

void Fill(GridData& cart, const QStringList& charges) {
    SetUpCartColumns(cart);
    for (const QString& b : charges) AppendCartRow(cart, "K", "Item", "1", b, kTransRental, "2016-03-10");
}

}  // namespace

TEST(CartTest, RowsAreNumberedFromOneInTheOrderAdded) {
    GridData cart;
    Fill(cart, {"6000", "1500", "0"});
    ASSERT_EQ(cart.columnCount(), CartColumnCount);
    EXPECT_EQ(cart.column(CartTglKembali).header, "Tgl. Kembali");
    EXPECT_EQ(cart.column(CartBiaya).align, Align::Right);
    EXPECT_EQ(cart.column(CartNHari).align, Align::Center);
    EXPECT_EQ(cart.cell(0, CartNo), "1");
    EXPECT_EQ(cart.cell(2, CartNo), "3");
}

// The sum is rounded after every row, halves to even, so the order of rows matters.
TEST(CartTest, SumRoundsEachStepHalfToEven) {
    struct Case {
        QStringList charges;
        std::int64_t sum;
    } cases[] = {
        {{}, 0},
        {{"6000", "1500", "0"}, 7500},
        {{"0.5", "0.5"}, 0},  // 0.5 -> 0, then 0.5 -> 0
        {{"1.5"}, 2},         // to the even neighbour
        {{"2.5"}, 2},
        {{"0.5", "1.5"}, 2},            // 0, then 1.5 -> 2
        {{"1.5", "0.5"}, 2},            // 2, then 2.5 -> 2
        {{"", "abc", "1500.0"}, 1500},  // empty and non-numeric count 0
        {{"12abc"}, 12},                // the leading number counts
        {{"6000", "-146.0"}, 5854},     // an early return's negative fine lowers the sum
    };
    for (const Case& c : cases) {
        GridData cart;
        Fill(cart, c.charges);
        EXPECT_EQ(CartSum(cart), c.sum) << c.charges.join(",").toStdString();
    }
}

TEST(CartTest, TotalsPresetTheAmountPaidToTheNetAmount) {
    GridData cart;
    Fill(cart, {"6000", "1500", "0"});
    const CartTotals t = ComputeTotals(cart, "500");
    EXPECT_EQ(t.jumlah, 7500);
    EXPECT_EQ(t.potongan, 500);
    EXPECT_EQ(t.netto, 7000);
    EXPECT_EQ(t.dibayar, 7000);
    EXPECT_EQ(t.sisa, 0);
    EXPECT_EQ(ComputeTotals(cart, "").netto, 7500);
}

TEST(CartTest, RemainderIsPaidMinusNet) {
    EXPECT_EQ(Remainder("10000", "7000"), 3000);
    EXPECT_EQ(Remainder("5000", "7000"), -2000);
    EXPECT_EQ(Remainder("", "7000"), -7000);
    EXPECT_EQ(Remainder("7000", "7000"), 0);
}

TEST(CartTest, OnlyChargesAboveZeroAreBooked) {
    for (QString b : {"", "0", "0.0", "-0.2", "-146.0", "abc"}) EXPECT_FALSE(IsCharged(b)) << b.toStdString();
    for (QString b : {"1", "0.4", "1500.0", "6000"}) EXPECT_TRUE(IsCharged(b)) << b.toStdString();
}

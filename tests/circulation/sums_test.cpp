// The sums behind the cart and the rental picker. The screen totals, the preset
// Dibayar and Sisa, and the plain prices and due dates are checked at the desk.
#include <gtest/gtest.h>

#include "circulation/cart.h"
#include "circulation/picker_queries.h"
#include "driver.h"

using namespace zelkor;

// The sum is rounded after every row, halves to even, so the order of rows matters.
TEST(CartTest, SumRoundsEachStepHalfToEven) {
    struct Case {
        QStringList charges;
        std::int64_t sum;
    } cases[] = {
        {{}, 0},
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
        SetUpCartColumns(cart);
        for (const QString& b : c.charges)
            AppendCartRow(cart, "K", "Item", "1", b, kTransRental, "2016-03-10");
        EXPECT_EQ(CartSum(cart), c.sum) << c.charges.join(",").toStdString();
    }
}

TEST(CartTest, OnlyChargesAboveZeroAreBooked) {
    for (QString b : {"", "0", "0.0", "-0.2", "-146.0", "abc"}) EXPECT_FALSE(IsCharged(b)) << b.toStdString();
    for (QString b : {"1", "0.4", "1500.0", "6000"}) EXPECT_TRUE(IsCharged(b)) << b.toStdString();
}

TEST(PickerSumsTest, PriceIsDaysTimesDailyPrice) {
    const struct {
        QString days, harga, price;
    } cases[] = {
        {"3", "2500", "7500"},     {"4", "2500", "10000"},        {"", "2500", "0"}, {"3", "", "0"},
        {"3", "1500.5", "4501.5"}, {"365", "100000", "36500000"}, {"2", "abc", "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(RentalPrice(c.days, c.harga), c.price) << c.days.toStdString();
}

TEST(PickerSumsTest, DueDateCountsDaysFromTheGivenDate) {
    const struct {
        QDate today;
        QString days, due;
    } cases[] = {
        {{2016, 3, 7}, "", "2016-03-07"},
        {{2016, 2, 27}, "3", "2016-03-01"},  // a leap year
        {{2015, 12, 30}, "3", "2016-01-02"},
        {{2016, 3, 7}, "x", "2016-03-07"},
    };
    for (const auto& c : cases) EXPECT_EQ(DueDate(c.today, c.days), c.due) << c.days.toStdString();
}

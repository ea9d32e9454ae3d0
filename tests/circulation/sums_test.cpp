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
        {{"0.5", "1.5"}, 2},                    // 0, then 1.5 -> 2
        {{"1.5", "0.5"}, 2},                    // 2, then 2.5 -> 2
        {{"", "abc", "1500.0"}, 1500},          // empty and non-numeric count 0
        {{"12abc"}, 12},                        // the leading number counts
        {{"6000", "-146.0"}, 5854},             // an early return's negative fine lowers the sum
        {{"99999999999999999999"}, INT64_MAX},  // saturates, never wraps to minus
        {{"99999999999999999999", "99999999999999999999"}, INT64_MAX},
        {{"-99999999999999999999", "-1"}, INT64_MIN},
        {{"999999999999", "1"}, 1000000000000},
    };
    for (const Case& c : cases) {
        GridData cart;
        SetUpCartColumns(cart);
        for (const QString& b : c.charges)
            AppendCartRow(cart, "K", "Item", "1", b, kTransRental, "2016-03-10");
        EXPECT_EQ(CartSum(cart), c.sum) << c.charges.join(",").toStdString();
    }
}

// The totals of amounts far beyond any till saturate at the edge of the range instead
// of wrapping round to the other sign; CheckCart then refuses them.
TEST(CartTest, TotalsSaturateInsteadOfOverflowing) {
    const QString huge = "99999999999999999999";
    struct Case {
        QString charge, potongan;
        std::int64_t jumlah, potongan64, netto;
    } cases[] = {
        {"33500", "999999", 33500, 999999, -966499},
        {"33500", huge, 33500, INT64_MAX, 33500 - INT64_MAX},
        {"33500", "-" + huge, 33500, INT64_MIN, INT64_MAX},
        {"-" + huge, huge, INT64_MIN, INT64_MAX, INT64_MIN},
        {huge, "-" + huge, INT64_MAX, INT64_MIN, INT64_MAX},
    };
    for (const Case& c : cases) {
        GridData cart;
        SetUpCartColumns(cart);
        AppendCartRow(cart, "K", "Item", "1", c.charge, kTransRental, "2016-03-10");
        const CartTotals t = ComputeTotals(cart, c.potongan);
        EXPECT_EQ(std::vector<std::int64_t>({t.jumlah, t.potongan, t.netto, t.dibayar, t.sisa}),
                  std::vector<std::int64_t>({c.jumlah, c.potongan64, c.netto, c.netto, 0}))
            << c.charge.toStdString() << " - " << c.potongan.toStdString();
    }
    EXPECT_EQ(Remainder(huge, "-" + huge), INT64_MAX);
    EXPECT_EQ(Remainder("-" + huge, huge), INT64_MIN);
    EXPECT_EQ(Remainder("10000", "7000"), 3000);
    EXPECT_EQ(Remainder("", "7000"), -7000);
}

// Simpan refuses a cart whose amounts cannot be booked as shown or whose net amount
// is below 0, and asks about an amount paid short; nothing else stops it.
TEST(CartTest, ChecksBeforeSaving) {
    struct Case {
        QStringList charges;
        QString potongan, dibayar;  // dibayar "=": as preset, the net amount
        CartCheck check;
    } cases[] = {
        {{}, "", "", CartCheck::Ok},
        {{}, "", "=", CartCheck::Ok},
        {{"33500"}, "999999", "=", CartCheck::NegativeNet},  // Jml. Netto -966499
        {{"33500"}, "33501", "=", CartCheck::NegativeNet},
        {{"33500"}, "33500", "=", CartCheck::Ok},  // free of charge
        {{"33500"}, "33500", "", CartCheck::Ok},
        {{}, "1", "", CartCheck::NegativeNet},  // a discount on nothing
        {{"33500"}, "", "33499", CartCheck::PaidShort},
        {{"33500"}, "", "", CartCheck::PaidShort},
        {{"33500"}, "", "33500", CartCheck::Ok},
        {{"33500"}, "500", "33000", CartCheck::Ok},
        {{"33500"}, "", "999999999999", CartCheck::Ok},
        {{"33500"}, "", "1000000000000", CartCheck::TooLarge},
        {{"33500"}, "1000000000000", "", CartCheck::TooLarge},  // not NegativeNet: it cannot be shown
        {{"99999999999999999999"}, "", "=", CartCheck::TooLarge},
        {{"999999999999", "1"}, "", "=", CartCheck::TooLarge},    // each fits, the total does not
        {{"1000000000000", "-1"}, "", "=", CartCheck::TooLarge},  // the total fits, one charge does not
        {{"999999999999"}, "", "=", CartCheck::Ok},
        {{"1500.4"}, "", "1500", CartCheck::Ok},
    };
    for (const Case& c : cases) {
        GridData cart;
        SetUpCartColumns(cart);
        for (const QString& b : c.charges)
            AppendCartRow(cart, "K", "Item", "1", b, kTransRental, "2016-03-10");
        const CartTotals t = ComputeTotals(cart, c.potongan);
        const QString dibayar = c.dibayar == "=" ? QString::number(t.dibayar) : c.dibayar;
        EXPECT_EQ(CheckCart(cart, t, dibayar), c.check)
            << c.charges.join(",").toStdString() << " - " << c.potongan.toStdString() << " paid "
            << dibayar.toStdString();
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

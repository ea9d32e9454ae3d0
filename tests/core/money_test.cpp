#include <gtest/gtest.h>

#include "core/dates.h"
#include "core/money.h"

using namespace zelkor;

TEST(Money, LeadingNumberReadsLikeTheDesk) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"7500", 7500}, {"1500.0", 1500}, {"12abc", 12}, {"  42", 42},
        {"-500", -500}, {"2.5", 2.5}, {"-", 0}, {".", 0}, {"1e3", 1000}, {"1e", 1}, {"1.500", 1.5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(Money, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(AmountValue("1500.5"), 1500);
    EXPECT_EQ(AmountValue("1501.5"), 1502);
    EXPECT_EQ(AmountValue("x"), 0);
}

TEST(Money, PlainNumberNeverUsesExponentOrTrailingPoint) {
    EXPECT_EQ(PlainNumber(7500), "7500");
    EXPECT_EQ(PlainNumber(-500), "-500");
    EXPECT_EQ(PlainNumber(2.5), "2.5");
    EXPECT_EQ(PlainNumber(12345678901.0), "12345678901");
    EXPECT_EQ(DigitsOnly("12a.3-4"), "1234");
}

TEST(Dates, AddDaysAndStamp) {
    EXPECT_EQ(AddDays(QDate(2016, 3, 7), 7), "2016-03-14");
    EXPECT_EQ(AddDays(QDate(2016, 2, 27), 3), "2016-03-01");  // leap year
    EXPECT_EQ(AddDays(QDate(2016, 12, 30), 4), "2017-01-03");
    EXPECT_EQ(TimeStamp("2016-03-07", "09:05:02"), "20160307090502");
    EXPECT_FALSE(ParseIsoDate("2016-13-01").isValid());
    EXPECT_EQ(ParseIsoDate("2016-03-07"), QDate(2016, 3, 7));
}

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

#include "core/dates.h"
#include "core/money.h"

using namespace zelkor;

namespace {
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr double kHugest = std::numeric_limits<double>::max();
}  // namespace

TEST(Money, LeadingNumberReadsLikeTheDesk) {
    struct Case {
        QString text;
        double value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"7500", 7500},
        {"1500.0", 1500},
        {"12abc", 12},
        {"  42", 42},
        {"\t7", 7},
        {"-500", -500},
        {"+5", 5},
        {"2.5", 2.5},
        {".5", 0.5},
        {"-", 0},
        {".", 0},
        {"1e3", 1000},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {"1e+x", 1},
        {"2E-1", 0.2},
        {"1.500", 1.5},
        {"1,500", 1},
        {QString::fromUtf8("\u0661\u0662"), 0},  // digits of another script are not amounts
        // Too many digits for a double reads as far too much, never as nothing.
        {"1e400", kHugest},
        {QString(400, '9'), kHugest},
        {"-" + QString(400, '9'), -kHugest},
        {"1e-400", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text.toStdString();
}

// Halves go to the even neighbour; beyond 64 bits the value saturates, never wraps.
TEST(Money, RoundsHalvesToEvenAndSaturates) {
    struct Case {
        double value;
        std::int64_t rounded;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999, 2},
        {0.5, 0},
        {1e15 + 0.5, 1000000000000000},
        {9.2e18, 9200000000000000000},
        {9223372036854775808.0, kMax64},  // 2^63
        {1e19, kMax64},
        {-9223372036854775808.0, kMin64},
        {-1e19, kMin64},
        {kHugest, kMax64},
        {-kHugest, kMin64},
        {std::numeric_limits<double>::infinity(), kMax64},
        {-std::numeric_limits<double>::infinity(), kMin64},
        {std::nan(""), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(Money, AmountValueOfATextAndWhetherItFits) {
    struct Case {
        QString text;
        std::int64_t value;
        bool fits;
    } cases[] = {
        {"1500.5", 1500, true},
        {"1501.5", 1502, true},
        {"x", 0, true},
        {"999999999999", kMaxAmount, true},
        {"-999999999999", -kMaxAmount, true},
        {"1000000000000", kMaxAmount + 1, false},
        {"99999999999999999999", kMax64, false},  // the 20 digits that once showed as minus
        {"-99999999999999999999", kMin64, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AmountValue(c.text), c.value) << c.text.toStdString();
        EXPECT_EQ(AmountFits(AmountValue(c.text)), c.fits) << c.text.toStdString();
    }
}

TEST(Money, SumsAndDifferencesSaturateInsteadOfWrapping) {
    struct Case {
        std::int64_t a, b, sum, difference;
    } cases[] = {
        {33500, 999999, 1033499, -966499}, {0, kMin64, kMin64, kMax64},     {kMax64, 1, kMax64, kMax64 - 1},
        {kMin64, -1, kMin64, kMin64 + 1},  {kMin64, 1, kMin64 + 1, kMin64}, {kMax64, -1, kMax64 - 1, kMax64},
        {kMax64, kMax64, kMax64, 0},       {kMin64, kMin64, kMin64, 0},     {-1, kMax64, kMax64 - 1, kMin64},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddAmounts(c.a, c.b), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(SubtractAmounts(c.a, c.b), c.difference) << c.a << " - " << c.b;
    }
}

TEST(Money, PlainNumberNeverUsesExponentOrTrailingPoint) {
    struct Case {
        double value;
        QString text;
    } cases[] = {
        {7500, "7500"},
        {-500, "-500"},
        {2.5, "2.5"},
        {4501.5, "4501.5"},
        {1234.5678, "1234.5678"},
        {12345678901.0, "12345678901"},
        {1e20, "100000000000000000000"},
        {0.1, "0.1"},
        {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainNumber(c.value), c.text) << c.value;
    EXPECT_EQ(DigitsOnly(QString::fromUtf8("12a.3-4 \u0665")), "1234");
}

TEST(Dates, AddDaysStampAndParse) {
    EXPECT_EQ(AddDays(QDate(2016, 3, 7), 7), "2016-03-14");
    EXPECT_EQ(AddDays(QDate(2016, 2, 27), 3), "2016-03-01");  // leap year
    EXPECT_EQ(AddDays(QDate(2015, 2, 27), 3), "2015-03-02");
    EXPECT_EQ(AddDays(QDate(2016, 12, 30), 4), "2017-01-03");
    EXPECT_EQ(AddDays(QDate(2016, 3, 7), 0), "2016-03-07");
    EXPECT_EQ(AddDays(QDate(2016, 3, 7), -7), "2016-02-29");
    EXPECT_EQ(IsoDate(QDate(987, 1, 2)), "0987-01-02");
    EXPECT_EQ(TimeStamp("2016-03-07", "09:05:02"), "20160307090502");
    const struct {
        QString text;
        QDate date;
    } parsed[] = {
        {"2016-03-07", QDate(2016, 3, 7)},
        {" 2016-03-07 ", QDate(2016, 3, 7)},
        {"2016-02-29", QDate(2016, 2, 29)},
        {"2015-02-29", QDate()},
        {"2016-13-01", QDate()},
        {"2016-04-31", QDate()},
        {"0000-01-01", QDate()},
        {"2016-3-07", QDate()},
        {"07-03-2016", QDate()},
        {"", QDate()},
    };
    for (const auto& p : parsed) EXPECT_EQ(ParseIsoDate(p.text), p.date) << p.text.toStdString();
}

// Dates as people type them: day first, or the year first; never a day that is not there.
TEST(Dates, WrittenDatesDayFirstOrYearFirst) {
    const std::pair<const char*, QDate> cases[] = {
        {"15-08-2012", QDate(2012, 8, 15)},
        {"15/08/2012", QDate(2012, 8, 15)},
        {"5-8-2012", QDate(2012, 8, 5)},
        {"2012-08-15", QDate(2012, 8, 15)},
        {" 2012-8-5 ", QDate(2012, 8, 5)},
        {"20120815", QDate(2012, 8, 15)},
        {"2012-02-31", QDate()},
        {"31/04/2020", QDate()},
        {"15-08-12", QDate()},
        {"2012-15-08", QDate()},
        {"kemarin", QDate()},
        {"", QDate()},
    };
    for (const auto& [text, date] : cases) EXPECT_EQ(ParseWrittenDate(text), date) << text;
}

// The statements behind the pickers and the return list, run on a real database, and
// the price and due-date sums of the pickers.
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "circulation/picker_queries.h"
#include "qt_print.h"
#include "support/fixture.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

QStringList Rows(TestEnv& env, const BoundStatement& s) {
    return env.rows(s.sql, s.values);
}

QStringList Ids(TestEnv& env, const BoundStatement& s) {
    QStringList ids;
    for (const QString& row : Rows(env, s)) ids << row.section('|', 0, 0);
    return ids;
}

class PickerQueriesTest : public DbTest {
  protected:
    void SetUp() override {
        env.addItem("B01", "Matematika", 1000, 0, "Andrea", "Erlangga");
        env.addItem("B02", "Buku Umum Sejarah", 500, 0, "Kuntowijoyo", "Gramedia");
        env.addItem("B03", "O'Brien's Tales", 0, 0, "O'Brien", "Penguin");
        env.addItem("R01", "Kamera", 0, 2500, "Tere Liye", "Canon");
        env.addItem("R02", "Proyektor", 0, 10000, "", "Epson");
        env.addTariff("Umum", "1500");
        env.addTariff("Guru", "0");
    }
};

}  // namespace

// Whatever is searched, the rent picker lists items for rent only and the borrow
// picker items for lending only, never a visit tariff.
TEST_F(PickerQueriesTest, FixedFilterHoldsForEveryRowFound) {
    struct Case {
        bool rental;
        QString search;
        QStringList ids;
    } cases[] = {
        {true, "", {"R01", "R02"}},   {true, "kam", {"R01"}},  // any case, part of the name
        {true, "R0", {"R01", "R02"}},                          // part of the code
        {true, "Matematika", {}},                              // a lending item
        {true, "Tere", {}},                                    // authors are not searched for rent
        {true, "KUNJUNG", {}},        {false, "", {"B01", "B02", "B03"}},
        {false, "Tere Liye", {}},  // the author of a rented item only
        {false, "Canon", {}},      // the publisher of a rented item only
        {false, "Umum", {"B02"}},  // a category: never a tariff row
        {false, "Guru", {}},          {false, "KUNJUNG", {}},
        {false, "BERKUNJUNG", {}},    {false, "gramedia", {"B02"}},
        {false, "andrea", {"B01"}},   {false, "O'Brien", {"B03"}},  // an apostrophe is searched as typed
        {false, "') or ('1'='1", {}},
    };
    for (const Case& c : cases) {
        const BoundStatement s = c.rental ? RentalItemsStatement(c.search) : LendableItemsStatement(c.search);
        EXPECT_EQ(Ids(env, s), c.ids) << (c.rental ? "rental " : "borrow ") << c.search.toStdString();
    }
    EXPECT_EQ(Rows(env, RentalItemsStatement("kam")), QStringList({"R01|Kamera|2500"}));
    EXPECT_EQ(Rows(env, LendableItemsStatement("B01")), QStringList({"B01|Matematika|Erlangga|Andrea"}));
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
        {{2016, 3, 7}, "7", "2016-03-14"},   {{2016, 3, 7}, "4", "2016-03-11"},
        {{2016, 3, 7}, "", "2016-03-07"},    {{2016, 2, 27}, "3", "2016-03-01"},  // a leap year
        {{2015, 12, 30}, "3", "2016-01-02"}, {{2016, 3, 7}, "x", "2016-03-07"},
    };
    for (const auto& c : cases) EXPECT_EQ(DueDate(c.today, c.days), c.due) << c.days.toStdString();
}

// Lateness in whole days up to TodayText, never negative; the fine a whole amount,
// empty when the item or its fine is missing. Visits and returned movements are
// not listed, nor the movements of other members.
TEST_F(PickerQueriesTest, OutstandingMovementsWithLatenessAndFine) {
    env.exec("insert into ItemPerpus (Id,NamaItem,Denda,Rental) values ('B04','Tanpa Denda',NULL,'0')");
    env.exec("insert into ItemPerpus (Id,NamaItem,Denda,Rental) values ('B05','Denda Kosong','','0')");
    const struct {
        const char *id, *member, *kode, *item, *due, *status;
    } movements[] = {
        {"1", "M01", "PINJAM", "B01", "2016-03-01", "0"},  // 10 days late
        {"2", "M01", "PINJAM", "B02", "2016-03-11", "0"},  // due today
        {"3", "M01", "RENTAL", "R01", "2016-03-10", "0"},  // a day late, no fine per day
        {"4", "M01", "PINJAM", "B01", "2016-05-23", "0"},  // 73 days ahead
        {"5", "M01", "PINJAM", "B01", "2014-09-10", "0"},  // 548 days late
        {"6", "M01", "PINJAM", "X99", "2016-03-01", "0"},  // the item is gone
        {"7", "M01", "PINJAM", "B04", "2016-03-01", "0"},  // Denda NULL
        {"8", "M01", "PINJAM", "B05", "2016-03-01", "0"},  // Denda empty
        {"9", "M01", "PINJAM", "B01", "", "0"},            // no due date
        {"10", "M01", "KUNJUNG", "KUNJUNG", "2016-03-01", "0"},
        {"11", "M01", "PINJAM", "B01", "2016-03-01", "1"},  // returned
        {"12", "M02", "PINJAM", "B01", "2016-03-01", "0"},  // another member
    };
    for (const auto& m : movements)
        env.exec(
            "insert into TransPerpus (Id,TglPinjam,IdMember,KodeTrans,IdItemPerpus,TglKembali,Status,Ops) "
            "values (?,'2016-01-01',?,?,?,?,?,'admin')",
            {m.id, m.member, m.kode, m.item, m.due, m.status});

    EXPECT_EQ(Rows(env, OutstandingStatement("M01", "2016-03-11")),
              QStringList({"1|Matematika|2016-03-01|10|10000", "2|Buku Umum Sejarah|2016-03-11|0|0",
                           "3|Kamera|2016-03-10|1|0", "4|Matematika|2016-05-23|0|0",
                           "5|Matematika|2014-09-10|548|548000", "6|NULL|2016-03-01|10|NULL",
                           "7|Tanpa Denda|2016-03-01|10|NULL", "8|Denda Kosong|2016-03-01|10|NULL",
                           "9|Matematika||NULL|NULL"}));
    EXPECT_EQ(Rows(env, OutstandingStatement("M02", "2016-03-02")),
              QStringList({"12|Matematika|2016-03-01|1|1000"}));
    EXPECT_TRUE(Rows(env, OutstandingStatement("M03", "2016-03-11")).isEmpty());
}

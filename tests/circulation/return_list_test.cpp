// The return list over a real desk: what is listed, the lateness and the fine, the
// ticked rows going into the cart, and what Simpan then stores.
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "circulation/return_list.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class ReturnListTest : public DbTest {
  protected:
    void SetUp() override {
        env.ctx().todayText = "2016-03-11";
        env.addMember("M01", "Budi", "Umum", 7);
        env.addMember("M02", "Ani", "Umum", 7);
        env.addItem("B01", "Matematika", 1000);
        env.addItem("B02", "Sejarah", 500);
        env.addItem("R01", "Kamera", 2000, 2500);
        env.addTariff("Umum", "1500");
        movement("201603010800001", "M01", "PINJAM", "B01", "2016-03-01");       // 10 days late
        movement("201603040800001", "M01", "RENTAL", "R01", "2016-03-09");       // 2 days late
        movement("201603040800002", "M01", "PINJAM", "B02", "2016-03-18");       // not yet due
        movement("201603040800003", "M01", "KUNJUNG", "KUNJUNG", "2016-03-04");  // a visit
        movement("201602010800001", "M01", "PINJAM", "B02", "2016-02-08", "1");  // returned
        movement("201603010800002", "M02", "PINJAM", "B02", "2016-03-08");       // another member
        d = std::make_unique<DeskDriver>(env);
        d->scanMember("M01");
    }
    void movement(const QString& id, const QString& member, const QString& kode, const QString& item,
                  const QString& due, const QString& status = "0") {
        AddMovement(env, id, member, kode, item, due, status);
    }
    // Opens the list, ticks these rows and presses Sisip (or Batal).
    void returnRows(std::initializer_list<int> rows, const char* button = "insert") {
        ReturnList list(d->desk);
        ShowActive(list);
        QAbstractItemModel* model = Child<GridView>(&list, "movements")->model();
        for (int row : rows)
            EXPECT_TRUE(model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole));
        Click(&list, button);
        EXPECT_FALSE(list.isVisible());
    }
    std::unique_ptr<DeskDriver> d;
};

}  // namespace

// Lateness in whole days up to TodayText, never negative; the fine a whole amount,
// empty when the item or its fine is missing. Neither the visit nor the returned
// loan nor the other member's.
TEST_F(ReturnListTest, ListsTheMembersOutstandingItemsWithDaysLateAndFine) {
    env.exec("insert into ItemPerpus (Id,NamaItem,Denda,Rental) values ('B04','Tanpa Denda',NULL,'0')");
    env.exec("insert into ItemPerpus (Id,NamaItem,Denda,Rental) values ('B05','Denda Kosong','','0')");
    env.addItem("R02", "Proyektor", 0, 10000);
    movement("201603050800001", "M01", "PINJAM", "B01", "2016-03-11");  // due today
    movement("201603050800002", "M01", "PINJAM", "B01", "2014-09-10");  // 548 days late
    movement("201603050800003", "M01", "PINJAM", "X99", "2016-03-01");  // the item is gone
    movement("201603050800004", "M01", "PINJAM", "B04", "2016-03-01");  // Denda NULL
    movement("201603050800005", "M01", "PINJAM", "B05", "2016-03-01");  // Denda empty
    movement("201603050800006", "M01", "PINJAM", "B01", "");            // no due date
    movement("201603050800007", "M01", "RENTAL", "R02", "2016-03-10");  // no fine per day
    env.exec("insert into ItemPerpus (Id,NamaItem,Denda,Rental) values ('B06','Denda Pecahan','100.75','0')");
    movement("201603050800008", "M01", "PINJAM", "B06", "2016-03-09");  // 2 x 100.75 = 201.5: rounded

    ReturnList list(d->desk);
    ShowActive(list);
    EXPECT_EQ(list.focusWidget(), Child<QPushButton>(&list, "insert"));
    EXPECT_TRUE(list.movements().checkable());
    EXPECT_EQ(Rows(list.movements()),
              QStringList(
                  {"1.|201603010800001|Matematika|2016-03-01|10|10000",
                   "2.|201603040800001|Kamera|2016-03-09|2|4000", "3.|201603040800002|Sejarah|2016-03-18|0|0",
                   "4.|201603050800001|Matematika|2016-03-11|0|0",
                   "5.|201603050800002|Matematika|2014-09-10|548|548000",
                   "6.|201603050800003||2016-03-01|10|", "7.|201603050800004|Tanpa Denda|2016-03-01|10|",
                   "8.|201603050800005|Denda Kosong|2016-03-01|10|", "9.|201603050800006|Matematika|||",
                   "10.|201603050800007|Proyektor|2016-03-10|1|0",
                   "11.|201603050800008|Denda Pecahan|2016-03-09|2|202"}));
}

// A loan 10 days late at 1000 a day and one not yet due, returned in one cart.
TEST_F(ReturnListTest, ReturnsAreFinedForTheirDaysLateAndBookedOnSave) {
    returnRows({0, 2});
    EXPECT_EQ(Rows(d->desk.cart()), QStringList({"1|201603010800001|Matematika|10|10000|RETURN|2016-03-01",
                                                 "2|201603040800002|Sejarah|0|0|RETURN|2016-03-18"}));
    EXPECT_EQ(d->totals(), QStringList({"10000", "", "10000", "10000", "0"}));

    d->click("save");
    EXPECT_EQ(env.rows("select Id, Status, TglReturn from TransPerpus where IdMember='M01' order by Id"),
              QStringList({"201602010800001|1|NULL", "201603010800001|1|2016-03-11", "201603040800001|0|NULL",
                           "201603040800002|1|2016-03-11", "201603040800003|0|NULL"}));
    // Only the fine above 0 is booked; the loan not yet due writes no journal line.
    EXPECT_EQ(env.rows("select * from Kas"),
              QStringList({"201603110905021|2016-03-11|Penerimaan Administrasi Peminjaman|"
                           "Sanksi Administrasi Matematika|10000|0|admin"}));
}

// A movement already going back in this cart cannot be returned and fined twice.
TEST_F(ReturnListTest, MovementAlreadyInTheCartIsNotListedAgain) {
    returnRows({1});
    {
        ReturnList list(d->desk);
        EXPECT_EQ(Rows(list.movements()), QStringList({"1.|201603010800001|Matematika|2016-03-01|10|10000",
                                                       "2.|201603040800002|Sejarah|2016-03-18|0|0"}));
    }
    returnRows({0});
    EXPECT_EQ(Column(d->desk.cart(), CartKode), QStringList({"201603040800001", "201603010800001"}));
    EXPECT_EQ(d->totals(), QStringList({"14000", "", "14000", "14000", "0"}));
}

TEST_F(ReturnListTest, NothingTickedOrBatalChangesNothing) {
    d->click("visit");
    d->type("dibayar", "2000");
    const QStringList before = d->totals();
    returnRows({});
    returnRows({0}, "cancel");
    EXPECT_EQ(d->desk.cart().rowCount(), 1);
    EXPECT_EQ(d->totals(), before);
    // A member number without outstanding items lists nothing.
    d->click("newTransaction");
    d->scanMember("M09");
    ReturnList empty(d->desk);
    EXPECT_EQ(empty.movements().rowCount(), 0);
}

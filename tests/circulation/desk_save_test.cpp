#include <gtest/gtest.h>

#include "circulation/cart.h"
#include "circulation/desk_save.h"
#include "qt_print.h"
#include "support/fixture.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kStamp = "20160307090502";

SaveRequest Request(const QString& potongan = {}) {
    return {kStamp, "2016-03-07", "admin", "M01", "Budi", potongan};
}

// Every row of every table the save touches, to compare before and after.
QStringList Books(TestEnv& env) {
    return env.rows("select * from TransPerpus order by Id") + env.rows("select * from Kas order by Id");
}

class DeskSaveTest : public DbTest {
  protected:
    void SetUp() override {
        SetUpCartColumns(cart);
        env.exec(
            "insert into TransPerpus (Id,TglPinjam,IdMember,KodeTrans,IdItemPerpus,TglKembali,Status,Ops) "
            "values ('201501010800001','2015-01-01','M01','PINJAM','B01','2015-01-08','0','admin')");
    }
    void add(const QString& kode, const QString& nama, const QString& biaya, const QString& trans) {
        AppendCartRow(cart, kode, nama, "1", biaya, trans, "2016-03-10");
    }
    GridData cart;
};

}  // namespace

// The discount takes the number after the last BOOKED row, not after the last row.
TEST_F(DeskSaveTest, DiscountFollowsTheLastBookedRow) {
    add("KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung);
    add("B01", "Matematika", "0", kTransPinjam);
    ASSERT_TRUE(SaveCart(env.db(), cart, Request("500")).ok);
    EXPECT_EQ(env.rows("select Id, Kategori, Uraian, Masuk, Keluar from Kas order by Id"),
              QStringList({"201603070905021|Penerimaan Administrasi Kunjungan|Administrasi Budi|1500|0",
                           "201603070905022|Potongan|Potongan untuk : Budi|-500|0"}));
}

TEST_F(DeskSaveTest, DiscountAfterAVisitFollowedByALoan) {
    add("R01", "Kamera", "6000", kTransRental);
    add("KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung);
    add("B01", "Matematika", "0", kTransPinjam);
    ASSERT_TRUE(SaveCart(env.db(), cart, Request("500")).ok);
    EXPECT_EQ(env.rows("select Id, Kategori, Masuk from Kas order by Id"),
              QStringList({"201603070905021|Penerimaan Rental|6000",
                           "201603070905022|Penerimaan Administrasi Kunjungan|1500",
                           "201603070905023|Potongan|-500"}));
}

TEST_F(DeskSaveTest, NothingIsBookedWhenTheSumIsNotAboveZero) {
    // A loan costs nothing; a discount on a free cart books nothing either.
    add("B01", "Matematika", "0", kTransPinjam);
    ASSERT_TRUE(SaveCart(env.db(), cart, Request("500")).ok);
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "0");
    EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), "2");
}

// A fine before the due date is negative and never booked; a loan is never booked,
// even carrying a charge that no picker would give it.
TEST_F(DeskSaveTest, OnlyPositiveChargesOfRentalsReturnsAndVisitsAreBooked) {
    add("R01", "Kamera", "6000", kTransRental);
    add("201501010800001", "Matematika", "-0.2", kTransReturn);
    add("B02", "Fisika", "300", kTransPinjam);
    ASSERT_TRUE(SaveCart(env.db(), cart, Request()).ok);
    EXPECT_EQ(env.rows("select Id, Kategori, Masuk from Kas"),
              QStringList({"201603070905021|Penerimaan Rental|6000"}));
    EXPECT_EQ(env.rows("select Status, TglReturn from TransPerpus where Id='201501010800001'"),
              QStringList({"1|2016-03-07"}));
}

TEST_F(DeskSaveTest, TypedTextIsStoredExactly) {
    SaveRequest r = Request("100");
    r.memberName = "O'Brien";
    add("R'1", "Buku 'Lama'", "2000", kTransRental);
    add("KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung);
    ASSERT_TRUE(SaveCart(env.db(), cart, r).ok);
    EXPECT_EQ(env.scalar("select IdItemPerpus from TransPerpus where Id='201603070905021'"), "R'1");
    EXPECT_EQ(
        env.rows("select Uraian from Kas order by Id"),
        QStringList({"Penerimaan Rental Buku 'Lama'", "Administrasi O'Brien", "Potongan untuk : O'Brien"}));
}

// The save is all or nothing: whichever statement fails, the books stay as they were.
TEST_F(DeskSaveTest, AFailureAnywhereLeavesTheBooksAsTheyWere) {
    add("R01", "Kamera", "6000", kTransRental);
    add("201501010800001", "Matematika", "1500.0", kTransReturn);
    add("KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung);
    const int statements = static_cast<int>(BuildSaveStatements(cart, Request("500")).size());
    ASSERT_EQ(statements, 3 + 3 + 1);

    struct Case {
        const char* what;
        QString setup;
        bool duplicate;
    } cases[] = {
        {"movement id taken", "insert into TransPerpus (Id,Status) values ('201603070905023','0')", true},
        {"journal line taken by a hand entry",
         "insert into Kas (Id,Masuk,Keluar) values ('201603070905022','5','0')", true},
        {"discount line taken", "insert into Kas (Id,Masuk,Keluar) values ('201603070905024','5','0')", true},
        {"journal refuses writes",
         "create trigger NoKas before insert on Kas begin select raise(abort, 'journal closed'); end", false},
    };
    for (const Case& c : cases) {
        TestEnv fresh;
        fresh.exec("insert into TransPerpus (Id,Status) values ('201501010800001','0')");
        fresh.exec(c.setup);
        const QStringList before = Books(fresh);
        const SaveOutcome out = SaveCart(fresh.db(), cart, Request("500"));
        EXPECT_FALSE(out.ok) << c.what;
        EXPECT_FALSE(out.error.isEmpty()) << c.what;
        EXPECT_EQ(out.duplicateId, c.duplicate) << c.what;
        EXPECT_LT(out.statements, statements) << c.what;
        EXPECT_EQ(Books(fresh), before) << c.what;
    }
}

TEST_F(DeskSaveTest, ASecondSaveInTheSameSecondIsRefusedWhole) {
    add("KUNJUNG", "BURKUNJUNG", "1500", kTransKunjung);
    ASSERT_TRUE(SaveCart(env.db(), cart, Request()).ok);
    const QStringList after = Books(env);
    const SaveOutcome again = SaveCart(env.db(), cart, Request());
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.duplicateId);
    EXPECT_EQ(Books(env), after);

    SaveRequest later = Request();
    later.stamp = "20160307090503";
    EXPECT_TRUE(SaveCart(env.db(), cart, later).ok);
}

TEST_F(DeskSaveTest, AnEmptyCartWritesNothing) {
    const QStringList before = Books(env);
    EXPECT_TRUE(BuildSaveStatements(cart, Request("500")).empty());
    EXPECT_TRUE(SaveCart(env.db(), cart, Request("500")).ok);
    EXPECT_EQ(Books(env), before);
}

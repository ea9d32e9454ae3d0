// The rules at the desk on a real library: the borrow picker's due date and
// refusals, the return list's fines, renewals, and the limit held by the save
// when two copies of the program lend to one member.
#include <gtest/gtest.h>

#include "../circulation/driver.h"
#include "circulation/borrow_picker.h"
#include "circulation/desk_save.h"
#include "circulation/renew_list.h"
#include "circulation/return_list.h"
#include "rules/rules_store.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class RulesDeskTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Siswa", 7);
        env.addItem("B01", "Matematika", 1000);
        env.addItem("B02", "Sejarah", 1000);
        env.addItem("K01", "Kamus Besar", 1000);
        env.exec("update ItemPerpus set Jenis='Referensi' where Id='K01'");
        LoanRule siswa;
        siswa.kategori = "Siswa";
        siswa.maxItems = 1;
        siswa.loanDays = 6;
        siswa.graceDays = 2;
        siswa.fineCap = 5000;
        siswa.maxRenewals = 1;
        siswa.renewDays = 7;
        LoanRule reference;
        reference.kategori = "Siswa";
        reference.jenis = "Referensi";
        reference.notLent = true;
        ASSERT_TRUE(SaveRules(env.db(), {siswa, reference}).ok);
        ASSERT_TRUE(SetLoanSetting(env.db(), kSettingClosedDays, "7").ok);
        d = std::make_unique<DeskDriver>(env);
        d->scanMember("M01");
    }
    void borrow(int row) {
        BorrowPicker p(d->desk);
        ShowActive(p);
        ClickRow(&p, "items", row);
        Click(&p, "insert");
    }
    std::unique_ptr<DeskDriver> d;
};

}  // namespace

TEST_F(RulesDeskTest, TheBorrowPickerFollowsTheRulesAndTheCalendar) {
    borrow(2);  // the dictionary: not lent
    borrow(0);  // 2016-03-07 + 6 is a Sunday: due Monday
    borrow(1);  // beyond the one item a Siswa may have
    EXPECT_EQ(Rows(d->desk.cart()), QStringList({"1|B01|Matematika|6|0|PINJAM|2016-03-14"}));
    EXPECT_EQ(env.messages.texts(),
              QStringList(
                  {"Item jenis Referensi tidak dipinjamkan kepada member Siswa (aturan Siswa / Referensi)..",
                   "Member ini sudah meminjam 1 item, paling banyak 1 (aturan Siswa / semua).."}));
}

TEST_F(RulesDeskTest, TheReturnListShowsGraceAndTheCappedFine) {
    env.ctx().todayText = "2016-03-20";
    AddMovement(env, "201603010800001", "M01", "PINJAM", "B01", "2016-03-18");  // 2 days: grace
    AddMovement(env, "201603010800002", "M01", "PINJAM", "B02", "2016-03-01");  // 19 days: capped
    AddMovement(env, "201603010800003", "M01", "RENTAL", "B02", "2016-03-17");  // no rule for rentals
    ReturnList list(d->desk);
    EXPECT_EQ(Rows(list.movements()),
              QStringList({"1.|201603010800001|Matematika|2016-03-18|2 (toleransi)|0",
                           "2.|201603010800002|Sejarah|2016-03-01|19 (maks. denda)|5000",
                           "3.|201603010800003|Sejarah|2016-03-17|3|3000"}));
}

// Both desks saw no loan out when their pickers checked; the second save counts
// again with its own movements written and is refused whole.
TEST_F(RulesDeskTest, TheLimitHoldsWithTwoCopiesOnOneLibrary) {
    auto other = Database::open(env.ctx().databasePath, nullptr);
    ASSERT_TRUE(other);
    const SaveRequest request{"20160307090502", "2016-03-07", "admin", "M01", "Budi", ""};
    GridData first, second;
    SetUpCartColumns(first);
    SetUpCartColumns(second);
    AppendCartRow(first, "B01", "Matematika", "6", "0", kTransPinjam, "2016-03-14");
    AppendCartRow(second, "B02", "Sejarah", "6", "0", kTransPinjam, "2016-03-14");
    EXPECT_TRUE(SaveCart(*other, first, request).ok);
    const SaveOutcome out =
        SaveCart(env.db(), second, {"20160307090503", "2016-03-07", "admin", "M01", "Budi", ""});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.beyondRules, 0);
    EXPECT_EQ(env.rows("select IdItemPerpus from TransPerpus"), QStringList({"B01"}));
}

// Each loan says why it cannot be renewed, or its new due date and the fine so
// far; the save moves the due dates, counts the renewals and books the fine.
TEST_F(RulesDeskTest, RenewalsAreRefusedOrAllowedAndCountedOnTheMovement) {
    env.ctx().todayText = "2016-03-10";
    AddMovement(env, "1", "M01", "PINJAM", "B01", "2016-03-14");  // not yet due
    AddMovement(env, "2", "M01", "PINJAM", "B02", "2016-03-01");  // 9 days late: capped fine
    AddMovement(env, "3", "M01", "RENTAL", "B02", "2016-03-12");
    AddMovement(env, "4", "M01", "PINJAM", "K01", "2016-03-12");  // a rule without renewals
    AddMovement(env, "5", "M01", "PINJAM", "B01", "2016-03-12");
    env.exec("insert into Perpanjangan values ('5', '1')");
    RenewList list(d->desk);
    EXPECT_EQ(Rows(list.loans()),
              QStringList({"1.|1|Matematika|2016-03-14|0|7|2016-03-17|0|",
                           "2.|2|Sejarah|2016-03-01|0|7|2016-03-17|5000|Terlambat: denda dibayar bersama "
                           "perpanjangan",
                           "3.|3|Sejarah|2016-03-12|0||||Rental tidak dapat diperpanjang..",
                           "4.|4|Kamus Besar|2016-03-12|0||||Aturan Siswa / Referensi tanpa perpanjangan..",
                           "5.|5|Matematika|2016-03-12|1||||Sudah diperpanjang 1 kali, paling banyak 1 "
                           "(aturan Siswa / semua).."}));
    for (int r : {0, 1, 2}) list.loans().setChecked(r, true);
    list.insert();
    EXPECT_EQ(Rows(d->desk.cart()), QStringList({"1|1|Matematika|7|0|PERPANJANG|2016-03-17",
                                                 "2|2|Sejarah|7|5000|PERPANJANG|2016-03-17"}));
    d->click("save");
    EXPECT_EQ(env.rows("select Id, TglKembali, ifnull((select Kali from Perpanjangan where IdTrans=Id),'') "
                       "from TransPerpus where Id in ('1','2','3')"),
              QStringList({"1|2016-03-17|1", "2|2016-03-17|1", "3|2016-03-12|"}));
    EXPECT_EQ(env.rows("select kategori, uraian, masuk from Kas"),
              QStringList({"Penerimaan Administrasi Peminjaman|Sanksi Administrasi Sejarah|5000"}));

    // A second renewal of the same loan, counted anew inside the save, is refused whole.
    GridData again;
    SetUpCartColumns(again);
    AppendCartRow(again, "1", "Matematika", "7", "0", kTransPerpanjang, "2016-03-24");
    const SaveOutcome out =
        SaveCart(env.db(), again, {"20160310090503", "2016-03-10", "admin", "M01", "Budi", ""});
    EXPECT_EQ(out.beyondRules, 0);
    EXPECT_EQ(env.scalar("select TglKembali from TransPerpus where Id='1'"), "2016-03-17");
}

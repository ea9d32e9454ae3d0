// The desk's controls, its member lookup and its buttons.
#include <gtest/gtest.h>
#include <QHeaderView>

#include "app/app_context.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class DeskFormTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Umum", 7);
        env.addMember("M0", "Ani", "Pelajar", 3);
        env.addMember("M02", "Citra", "Umum", 7, "0");  // inactive
        env.addTariff("Umum", "1500");
    }
};

}  // namespace

TEST_F(DeskFormTest, OpensEmptyReadyForTheFirstCard) {
    DeskDriver d(env);
    EXPECT_TRUE(d.desk.isModal());
    for (const char* b :
         {"browse", "rental", "borrow", "returns", "visit", "newTransaction", "save", "print", "finish"})
        EXPECT_FALSE(d.button(b)->autoDefault()) << b;  // Enter never presses a button
    // Accessible names: what a screen reader or UI automation finds the inputs by.
    EXPECT_EQ(QStringList({d.field("memberNumber")->accessibleName(), d.field("potongan")->accessibleName(),
                           d.field("dibayar")->accessibleName(),
                           d.get<QComboBox>("receiptKind")->accessibleName()}),
              QStringList({"Ketik/Scan Id Member", "Potongan", "Dibayar", "Struk"}));
    EXPECT_EQ(d.get<QComboBox>("receiptKind")->currentText(), "Struk Kecil");
    EXPECT_EQ(d.totals(), QStringList({"0", "", "0", "", "0"}));
    EXPECT_EQ(d.desk.focusWidget(), d.button("newTransaction"));

    GridView* panel = d.get<GridView>("memberPanel");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.desk));
    EXPECT_EQ(panel->horizontalHeader()->length(), panel->viewport()->width());  // no scrolling sideways
    EXPECT_EQ(d.panel(), kNoMember);
}

// Every keystroke looks the member up; only the whole number of an active member fills the panel.
TEST_F(DeskFormTest, LooksTheMemberUpOnEveryKeystroke) {
    DeskDriver d(env);
    QLineEdit* number = d.field("memberNumber");
    number->setFocus();
    QTest::keyClick(number, 'M');
    EXPECT_EQ(d.panel(), kNoMember);
    QTest::keyClick(number, '0');
    EXPECT_EQ(d.panel(), QStringList({"M0", "Ani", "Jl. Mawar 1", "Pelajar", "3"}));
    QTest::keyClick(number, '1');
    const QStringList budi = {"M01", "Budi", "Jl. Mawar 1", "Umum", "7"};
    EXPECT_EQ(d.panel(), budi);

    // The scanner's Enter: nothing changes, nothing is pressed, the desk stays open.
    QTest::keyClick(number, Qt::Key_Return);
    QTest::keyClick(number, Qt::Key_Enter);
    EXPECT_EQ(d.panel(), budi);
    EXPECT_EQ(number->text(), "M01");
    EXPECT_TRUE(d.desk.isVisible());
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_TRUE(d.opened.isEmpty());
    EXPECT_TRUE(env.messages.shown.empty());

    // An inactive member is not found; another keystroke empties the panel again.
    d.scanMember("M02");
    EXPECT_EQ(d.panel(), kNoMember);
    d.scanMember("M01x");
    EXPECT_EQ(d.panel(), kNoMember);

    // Set from a dialog, the same number again still looks up: the member may have changed meanwhile.
    d.desk.setMemberNumber("M01");
    EXPECT_EQ(d.panel(), budi);
    env.exec("update Member set Status='0' where Id='M01'");
    d.desk.setMemberNumber("M01");
    EXPECT_EQ(d.panel(), kNoMember);
    d.desk.setMemberNumber("O'Brien");  // a quote neither breaks nor changes the lookup
    EXPECT_TRUE(env.messages.shown.empty());
}

// RENTAL, PEMINJAMAN, PENGEMBALIAN and BERKUNJUNG act only when the member number
// field is not empty (whether or not a member was found); Browse always.
TEST_F(DeskFormTest, PickerButtonsNeedAMemberNumber) {
    DeskDriver d(env);
    for (const char* b : {"rental", "borrow", "returns", "visit", "browse"}) d.click(b);
    EXPECT_EQ(d.opened, QStringList({"browse"}));
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_TRUE(d.button("visit")->isEnabled());

    d.scanMember("X99");  // no such member
    for (const char* b : {"rental", "borrow", "returns"}) d.click(b);
    EXPECT_EQ(d.opened, QStringList({"browse", "rental", "borrow", "returns"}));

    // Without hooks the buttons do nothing at all.
    d.desk.setHooks({});
    for (const char* b : {"rental", "borrow", "returns", "browse"}) d.click(b);
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(DeskFormTest, NumericFieldsTakeDigitsOnly) {
    DeskDriver d(env);
    d.type("potongan", "5a0-0.");
    d.type("dibayar", "1e000x0");
    EXPECT_EQ(QStringList({d.field("potongan")->text(), d.field("dibayar")->text()}),
              QStringList({"500", "10000"}));
}

TEST_F(DeskFormTest, ClosingClearsTheFollowFlagAndSavesNothing) {
    for (bool finish : {true, false}) {
        DeskDriver d(env);
        env.ctx().gridFollowFlag = 1;
        d.scanMember("M01");
        d.click("visit");
        if (finish)
            d.click("finish");
        else
            d.desk.close();
        EXPECT_FALSE(d.desk.isVisible()) << finish;
        EXPECT_EQ(env.ctx().gridFollowFlag, 0) << finish;
        EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), "0") << finish;
    }
}

// Tab walks the desk in the order of the work; after Dibayar comes Simpan, and a
// stray Escape never throws the cart away.
TEST_F(DeskFormTest, TabFollowsTheWorkAndEscapeKeepsTheCart) {
    DeskDriver d(env);
    EXPECT_EQ(TabChain(d.button("newTransaction")),
              QStringList({"memberNumber", "browse", "rental", "borrow", "returns", "visit", "cart",
                           "receiptKind", "potongan", "dibayar", "save", "print", "finish"}));
    d.scanMember("M01");
    d.click("visit");
    QTest::keyClick(&d.desk, Qt::Key_Escape);
    EXPECT_TRUE(d.desk.isVisible());
    EXPECT_EQ(d.desk.cart().rowCount(), 1);
}

TEST_F(DeskFormTest, TransBaruWaitsForTheNextMembersCard) {
    DeskDriver d(env);
    d.desk.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.desk));
    d.scanMember("M01");
    d.click("newTransaction");
    EXPECT_EQ(QApplication::focusWidget(), d.field("memberNumber"));
    QTest::keyClicks(QApplication::focusWidget(), "M0");
    EXPECT_EQ(d.panel().at(DeskForm::MemberNama), "Ani");
}

// The desk's controls, its member lookup and its buttons.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFont>
#include <QHeaderView>

#include "app/app_context.h"
#include "desk_driver.h"
#include "picker_driver.h"
#include "qt_print.h"
#include "ui/grid_view.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class DeskFormTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Umum", 7);
        env.addMember("M0", "Ani", "Pelajar", 3);
        env.addMember("M02", "Citra", "Umum", 7, "0");  // inactive
    }
};

}  // namespace

TEST_F(DeskFormTest, OpensWithItsControlsTextsAndFonts) {
    DeskDriver d(env);
    EXPECT_EQ(d.desk.objectName(), "FORM_ZELKOR_FORM2_CLASS");
    EXPECT_EQ(d.desk.windowTitle(), "Transaksi");
    EXPECT_TRUE(d.desk.isModal());

    struct Control {
        const char* name;
        QString text;
        int points;
        bool bold;
    } controls[] = {
        {"browse", "Browse", 9, true},
        {"rental", "RENTAL", 10, true},
        {"borrow", "PEMINJAMAN", 10, true},
        {"returns", "PENGEMBALIAN", 10, true},
        {"visit", "BERKUNJUNG", 10, true},
        {"newTransaction", "Trans Baru", 9, true},
        {"save", "Simpan", 10, true},
        {"print", "Cetak", 10, true},
        {"finish", "Selesai dan tutup", 10, true},
    };
    for (const Control& c : controls) {
        QPushButton* b = d.button(c.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), c.text);
        EXPECT_EQ(b->font().pointSize(), c.points) << c.name;
        EXPECT_EQ(b->font().bold(), c.bold) << c.name;
        EXPECT_FALSE(b->autoDefault()) << c.name;  // Enter never presses a button
    }
    EXPECT_EQ(d.field("memberNumber")->font().pointSize(), 9);
    EXPECT_FALSE(d.field("memberNumber")->font().bold());
    EXPECT_EQ(d.get<GridView>("memberPanel")->font().pointSize(), 10);
    EXPECT_TRUE(d.get<GridView>("memberPanel")->font().bold());

    // Accessible names: what a screen reader or UI automation finds the inputs by.
    EXPECT_EQ(d.field("memberNumber")->accessibleName(), "Ketik/Scan Id Member");
    EXPECT_EQ(d.field("potongan")->accessibleName(), "Potongan");
    EXPECT_EQ(d.field("dibayar")->accessibleName(), "Dibayar");
    EXPECT_EQ(d.get<QComboBox>("receiptKind")->accessibleName(), "Struk");

    QComboBox* kind = d.get<QComboBox>("receiptKind");
    ASSERT_EQ(kind->count(), 2);
    EXPECT_EQ(kind->itemText(0), "Struk Kecil");
    EXPECT_EQ(kind->itemText(1), "Struk Sedang");
    EXPECT_EQ(kind->currentIndex(), 0);

    EXPECT_EQ(d.totals(), QStringList({"0", "", "0", "", "0"}));
    EXPECT_EQ(d.desk.focusWidget(), d.button("newTransaction"));

    // The member panel: five labelled rows, no headers; the cart's seven columns.
    GridView* panel = d.get<GridView>("memberPanel");
    EXPECT_FALSE(panel->horizontalHeader()->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.desk));
    EXPECT_EQ(panel->horizontalHeader()->length(), panel->viewport()->width());  // no scrolling sideways
    EXPECT_EQ(panel->grid().cell(0, 0), "Id Member");
    EXPECT_EQ(panel->grid().cell(4, 0), "N Pinjam");
    EXPECT_EQ(d.panel(), QStringList({"", "", "", "", ""}));
    QStringList headers;
    for (const GridColumn& c : d.desk.cart().columns()) headers << c.header;
    EXPECT_EQ(headers, QStringList({"No.", "Kode", "Nama Item", "n Hari", "Biaya", "Trans", "Tgl. Kembali"}));
}

// Every keystroke looks the member up; only the whole number of an active member fills the panel.
TEST_F(DeskFormTest, LooksTheMemberUpOnEveryKeystroke) {
    DeskDriver d(env);
    QLineEdit* number = d.field("memberNumber");
    number->setFocus();
    const QStringList none = {"", "", "", "", ""};

    QTest::keyClick(number, 'M');
    EXPECT_EQ(d.panel(), none);
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
    EXPECT_EQ(d.panel(), none);
    d.scanMember("M01x");
    EXPECT_EQ(d.panel(), none);
}

TEST_F(DeskFormTest, SetMemberNumberLooksUpAsTypingDoes) {
    DeskDriver d(env);
    d.desk.setMemberNumber("M01");
    EXPECT_EQ(d.desk.memberNumber(), "M01");
    EXPECT_EQ(d.desk.memberValue(DeskForm::MemberNama), "Budi");
    EXPECT_EQ(d.desk.memberValue(DeskForm::MemberNPinjam), "7");

    // The same number again still looks up: the member may have changed meanwhile.
    env.exec("update Member set Status='0' where Id='M01'");
    d.desk.setMemberNumber("M01");
    EXPECT_EQ(d.desk.memberValue(DeskForm::MemberNama), "");

    d.desk.setMemberNumber("O'Brien");  // a quote neither breaks nor changes the lookup
    EXPECT_TRUE(env.messages.shown.empty());
}

// RENTAL, PEMINJAMAN and PENGEMBALIAN act only when the member number field is not
// empty (whether or not a member was found); Browse always.
TEST_F(DeskFormTest, PickerButtonsNeedAMemberNumber) {
    DeskDriver d(env);
    for (const char* b : {"rental", "borrow", "returns", "browse"}) d.click(b);
    EXPECT_EQ(d.opened, QStringList({"browse"}));

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
    EXPECT_EQ(d.field("potongan")->text(), "500");
    d.type("dibayar", "1e000x0");
    EXPECT_EQ(d.field("dibayar")->text(), "10000");
}

TEST_F(DeskFormTest, VisitWithoutMemberNumberDoesNothing) {
    env.addTariff("Umum", "1500");
    DeskDriver d(env);
    d.click("visit");
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_TRUE(d.button("visit")->isEnabled());
}

TEST_F(DeskFormTest, ClosingClearsTheFollowFlagAndSavesNothing) {
    env.addTariff("Umum", "1500");
    for (const char* how : {"finish", "close box"}) {
        DeskDriver d(env);
        env.ctx().gridFollowFlag = 1;
        d.scanMember("M01");
        d.click("visit");
        if (QLatin1String(how) == QLatin1String("finish"))
            d.click("finish");
        else
            d.desk.close();
        EXPECT_FALSE(d.desk.isVisible()) << how;
        EXPECT_EQ(env.ctx().gridFollowFlag, 0) << how;
        EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), "0") << how;
    }
}

// Tab walks the desk in the order of the work; after Dibayar comes Simpan, and a
// stray Escape never throws the cart away.
TEST_F(DeskFormTest, TabFollowsTheWorkAndEscapeKeepsTheCart) {
    env.addTariff("Umum", "1500");
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

TEST_F(DeskFormTest, CetakBeforeSimpanSaysWhyNothingPrints) {
    env.addTariff("Umum", "1500");
    DeskDriver d(env);
    d.scanMember("M01");
    d.click("visit");
    d.click("print");
    EXPECT_TRUE(d.printed.empty());
    EXPECT_EQ(env.messages.texts(),
              QStringList({"Transaksi belum disimpan, tekan Simpan terlebih dahulu.."}));
    d.click("save");
    d.click("print");
    EXPECT_EQ(d.printed.size(), 1u);
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

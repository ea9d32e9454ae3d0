// The rental and borrow pickers over a real desk: choosing, searching, Sisip into the
// cart, and what the desk's Simpan then stores.
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "circulation/borrow_picker.h"
#include "circulation/circulation.h"
#include "circulation/rental_picker.h"
#include "driver.h"
#include "support/modal.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class PickersTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Umum", 7);
        env.addItem("B01", "Matematika", 1000, 0, "Andrea", "Erlangga");
        env.addItem("B02", "Sejarah Umum", 500, 0, "Kuntowijoyo", "Gramedia");
        env.addItem("R01", "Kamera", 0, 2500, "Tere Liye", "Canon");
        env.addItem("R02", "Proyektor", 0, 10000, "", "Epson");
        env.addTariff("Umum", "1500");
        env.addTariff("Pelajar", "1000");
        d = std::make_unique<DeskDriver>(env);
        d->scanMember("M01");
    }
    std::unique_ptr<DeskDriver> d;
};

}  // namespace

TEST_F(PickersTest, RentalOfAnItemAt2500ForFourDays) {
    // The computer's date has moved on since the run started: the due date counts from it.
    env.clock.set(QDateTime(QDate(2016, 3, 8), QTime(8, 0, 0)));
    RentalPicker p(d->desk);
    ShowActive(p);
    EXPECT_EQ(Column(p.items(), 0), QStringList({"1.", "2."}));
    EXPECT_EQ(Column(p.items(), 1), QStringList({"R01", "R02"}));
    EXPECT_EQ(p.focusWidget(), Child<QPushButton>(&p, "insert"));

    // The mouse over the grid raises the flag; the timer presets 3 days and the price.
    ClickRow(&p, "items", 0);
    EXPECT_EQ(env.ctx().gridFollowFlag, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.price() == "7500"; }, 2000)) << p.price().toStdString();
    EXPECT_EQ(QStringList({p.itemName(), p.days()}), QStringList({"Kamera", "3"}));
    // Another item while the flag is up: the preset follows it.
    ClickRow(&p, "items", 1);
    p.followSelection();
    EXPECT_EQ(QStringList({p.itemName(), p.price()}), QStringList({"Proyektor", "30000"}));
    ClickRow(&p, "items", 0);
    p.followSelection();

    // Clicking into the days field stops the preset and selects it, so typing 4 gives
    // 4 days, not 34; the price follows the typing.
    QLineEdit* days = Child<QLineEdit>(&p, "days");
    QTest::mouseClick(days, Qt::LeftButton, {}, days->rect().center());
    QApplication::processEvents();
    QTest::keyClicks(days, "4");
    EXPECT_EQ(env.ctx().gridFollowFlag, 0);
    EXPECT_EQ(p.price(), "10000");
    p.followSelection();
    EXPECT_EQ(QStringList({p.days(), p.price()}), QStringList({"4", "10000"}));

    Click(&p, "insert");
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(p.result(), QDialog::Accepted);
    EXPECT_EQ(Rows(d->desk.cart()), QStringList({"1|R01|Kamera|4|10000|RENTAL|2016-03-12"}));
    EXPECT_EQ(d->totals(), QStringList({"10000", "", "10000", "10000", "0"}));

    d->click("save");
    EXPECT_EQ(env.rows("select * from TransPerpus"),
              QStringList({"201603070800001|2016-03-07|M01|RENTAL|R01|2016-03-12|0|admin|NULL"}));
    EXPECT_EQ(
        env.rows("select * from Kas"),
        QStringList({"201603070800001|2016-03-07|Penerimaan Rental|Penerimaan Rental Kamera|10000|0|admin"}));
}

TEST_F(PickersTest, BorrowDueAfterTheMembersLoanPeriod) {
    BorrowPicker p(d->desk);
    ShowActive(p);
    EXPECT_EQ(p.focusWidget(), Child<QLineEdit>(&p, "search"));
    EXPECT_EQ(Column(p.items(), 1), QStringList({"B01", "B02"}));

    ClickRow(&p, "items", 1);
    p.followSelection();
    EXPECT_EQ(Column(p.detail(), 1), QStringList({"B02", "Sejarah Umum", "Gramedia", "Kuntowijoyo"}));
    ClickRow(&p, "items", 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.detail().cell(0, 1) == "B01"; }, 2000));  // on its timer

    Click(&p, "insert");
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(Rows(d->desk.cart()), QStringList({"1|B01|Matematika|7|0|PINJAM|2016-03-14"}));
    EXPECT_EQ(d->totals(), QStringList({"0", "", "0", "0", "0"}));
}

// Whatever is searched, the rental picker lists items for rent only and the borrow
// picker items for lending only, never a visit tariff. Enter searches as Go does
// and never closes the picker.
TEST_F(PickersTest, SearchesKeepToTheirOwnItems) {
    env.addItem("B03", "O'Brien's Tales", 0, 0, "O'Brien", "Penguin");
    // As an older item form saved a tariff's price: marked for rent.
    env.exec("update ItemPerpus set Rental='1' where Id='KUNJUNG'");
    RentalPicker rental(d->desk);
    BorrowPicker borrow(d->desk);
    struct Case {
        bool rent;
        QString text;
        QStringList ids;
    } cases[] = {
        {true, "kam", {"R01"}},                                  // any case, part of the name
        {true, "R0", {"R01", "R02"}}, {true, "Matematika", {}},  // a lending item
        {true, "Tere", {}},                                      // authors are not searched for rent
        {true, "KUNJUNG", {}},        {true, "", {"R01", "R02"}},
        {false, "Tere Liye", {}},  // the author of a rented item only
        {false, "Canon", {}},      // the publisher of a rented item only
        {false, "Umum", {"B02"}},  // a category: the lending item, never a tariff row
        {false, "Pelajar", {}},       {false, "KUNJUNG", {}},
        {false, "BERKUNJUNG", {}},    {false, "gramedia", {"B02"}},
        {false, "andrea", {"B01"}},   {false, "O'Brien", {"B03"}},  // an apostrophe is searched as typed
        {false, "') or ('1'='1", {}}, {false, "B0", {"B01", "B02", "B03"}},
    };
    bool enter = true;
    for (const Case& c : cases) {
        QDialog& p = c.rent ? static_cast<QDialog&>(rental) : borrow;
        if (!p.isVisible()) ShowActive(p);
        Search(&p, c.text, enter = !enter);
        EXPECT_TRUE(p.isVisible());
        const GridData& items = c.rent ? rental.items() : borrow.items();
        EXPECT_EQ(Column(items, 1), c.ids) << (c.rent ? "rental " : "borrow ") << c.text.toStdString();
        EXPECT_EQ(items.rowCount() ? items.cell(0, 0) : "1.", "1.");  // numbered afresh
    }
    Search(&rental, "kam");
    EXPECT_EQ(rental.items().row(0), QStringList({"1.", "R01", "Kamera", "2500", "3"}));
    EXPECT_EQ(d->desk.cart().rowCount(), 0);
}

// A picker shows the copies on the shelf (stock less movements still out, less what
// the cart already takes) and never lends or rents an item with none left, counted
// again at Sisip in case another desk took the last one meanwhile.
TEST(PickerStockTest, ItemWithNoCopyLeftIsRefused) {
    const struct {
        const char* what;
        bool rent;
        QVariant stock;
        QStringList setup;                // member|kind|item[|status] of a movement, still out unless said
        std::vector<QStringList> inCart;  // Kode, Trans
        QString shown;
        bool lent;
        QString meanwhile = {};
    } cases[] = {
        {"a copy on the shelf", false, "1", {}, {}, "1", true},
        {"the only copy is out", false, "1", {"M02|PINJAM|B01"}, {}, "0", false},
        {"one of two copies is out", false, "2", {"M02|PINJAM|B01"}, {}, "1", true},
        {"the only copy is already in the cart", false, "1", {}, {{"B01", kTransPinjam}}, "0", false},
        {"two copies, one in the cart", false, "2", {}, {{"B01", kTransPinjam}}, "1", true},
        {"no stock recorded", false, "", {}, {}, "0", false},
        {"no stock at all", false, QVariant(), {}, {}, "0", false},
        {"the only copy came back", false, "1", {"M02|PINJAM|B01|1"}, {}, "1", true},
        {"given back in this very cart",
         false,
         "1",
         {"M01|PINJAM|B01"},
         {{"201603010800001", kTransReturn}},
         "1",
         true},
        {"the only copy is rented out", true, "1", {"M02|RENTAL|R01"}, {}, "0", false},
        {"a camera on the shelf", true, "1", {}, {}, "1", true},
        {"taken at another desk after the list was shown", true, "1", {}, {}, "1", false, "M02|RENTAL|R01"},
    };
    for (const auto& c : cases) {
        TestEnv env;
        env.addMember("M01", "Budi", "Umum", 7);
        env.addMember("M02", "Ani", "Umum", 7);
        env.addItem("B01", "Matematika", 1000);
        env.addItem("R01", "Kamera", 0, 2500);
        env.exec("update ItemPerpus set JmlStock=?", {c.stock});
        const auto movement = [&](const QString& m) {
            const QStringList f = m.split('|');
            AddMovement(env, "201603010800001", f[0], f[1], f[2], "2016-03-08", f.value(3, "0"));
        };
        for (const QString& m : c.setup) movement(m);
        DeskDriver d(env);
        d.scanMember("M01");
        for (const QStringList& row : c.inCart)
            d.desk.appendCartRow(row[0], "x", "7", "0", row[1], "2016-03-14");

        std::unique_ptr<QDialog> p;
        if (c.rent)
            p = std::make_unique<RentalPicker>(d.desk);
        else
            p = std::make_unique<BorrowPicker>(d.desk);
        GridData& items =
            c.rent ? static_cast<RentalPicker&>(*p).items() : static_cast<BorrowPicker&>(*p).items();
        const int copies = c.rent ? int(RentalPicker::ColTersedia) : int(BorrowPicker::ColTersedia);
        ASSERT_EQ(items.rowCount(), 1) << c.what;
        EXPECT_EQ(items.column(copies).header, "Tersedia");
        EXPECT_EQ(items.cell(0, copies), c.shown) << c.what;
        if (!c.meanwhile.isEmpty()) movement(c.meanwhile);

        ShowActive(*p);
        ClickRow(p.get(), "items", 0);
        if (c.rent) TypeInto(p.get(), "days", "2");
        const int before = d.desk.cart().rowCount();
        Click(p.get(), "insert");
        EXPECT_EQ(d.desk.cart().rowCount(), before + (c.lent ? 1 : 0)) << c.what;
        EXPECT_EQ(p->isVisible(), !c.lent) << c.what;
        EXPECT_EQ(Told(env), c.lent ? QStringList()
                                    : QStringList({"Info: Item ini tidak tersedia lagi: semua "
                                                   "eksemplarnya sedang dipinjam atau di-rental.."}))
            << c.what;
    }
}

// Sisip with nothing chosen would store a movement of no item: it says so instead.
TEST_F(PickersTest, SisipWithoutAnItemAddsNothing) {
    RentalPicker rental(d->desk);
    BorrowPicker borrow(d->desk);
    for (QDialog* p : {static_cast<QDialog*>(&rental), static_cast<QDialog*>(&borrow)}) {
        env.messages.clear();
        ShowActive(*p);
        Click(p, "insert");
        EXPECT_TRUE(p->isVisible());
        EXPECT_EQ(d->desk.cart().rowCount(), 0);
        ASSERT_EQ(Told(env).size(), 1);
        EXPECT_TRUE(Told(env)[0].startsWith("Info: "));
        Click(p, "cancel");
        EXPECT_FALSE(p->isVisible());
        EXPECT_EQ(p->result(), QDialog::Rejected);
    }
    EXPECT_EQ(d->totals(), QStringList({"0", "", "0", "", "0"}));
}

// Chosen with the keyboard alone: the name and price still show, and Sisip wants days.
TEST_F(PickersTest, RentalByKeyboardShowsTheItemAndWantsDays) {
    RentalPicker p(d->desk);
    ShowActive(p);
    GridView* view = Child<GridView>(&p, "items");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    ASSERT_EQ(p.items().selectedRow(), 1);
    EXPECT_EQ(p.itemName(), "Proyektor");

    for (const char* days : {"", "0"}) {
        env.messages.clear();
        Child<QLineEdit>(&p, "days")->setText(days);
        Click(&p, "insert");
        EXPECT_TRUE(p.isVisible()) << days;
        EXPECT_EQ(d->desk.cart().rowCount(), 0) << days;
        EXPECT_EQ(env.messages.texts(),
                  QStringList({"Silahkan isi durasi rental (berapa hari) terlebih dahulu.."}));
    }
    TypeInto(&p, "days", "2");
    EXPECT_EQ(p.price(), "20000");
    Click(&p, "insert");
    EXPECT_EQ(Column(d->desk.cart(), CartBiaya), QStringList({"20000"}));
}

// A search, Down into the list and Sisip: a loan with the keyboard alone.
TEST_F(PickersTest, DownFromTheSearchGoesOntoTheFirstItemFound) {
    BorrowPicker p(d->desk);
    ShowActive(p);
    auto* search = Child<QLineEdit>(&p, "search");
    search->setFocus();
    QTest::keyClicks(search, "Sejarah");
    QTest::keyClick(search, Qt::Key_Return);
    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(&p, "items"));
    EXPECT_EQ(p.items().selectedRow(), 0);
    Click(&p, "insert");
    EXPECT_EQ(Column(d->desk.cart(), CartKode), QStringList({"B02"}));

    // Nothing found: Down stays in the search.
    BorrowPicker none(d->desk);
    ShowActive(none);
    auto* field = Child<QLineEdit>(&none, "search");
    field->setFocus();
    QTest::keyClicks(field, "tidak ada");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), field);
}

// Tab goes from the search to the list and on to Sisip; Batal comes last.
TEST_F(PickersTest, TabGoesFromTheSearchThroughTheListToSisip) {
    RentalPicker rental(d->desk);
    EXPECT_EQ(TabChain(Child<QWidget>(&rental, "search")),
              QStringList({"go", "items", "days", "insert", "cancel"}));
    BorrowPicker borrow(d->desk);
    EXPECT_EQ(TabChain(Child<QWidget>(&borrow, "search")), QStringList({"go", "items", "insert", "cancel"}));

    // Tab leaves the list for the days instead of walking its cells.
    ShowActive(rental);
    GridView* items = Child<GridView>(&rental, "items");
    items->setFocus();
    QTest::keyClick(items, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(&rental, "days"));
}

// The program's desk opens each dialog modally over itself.
TEST_F(PickersTest, TheDeskOpensItsDialogsModally) {
    DeskForm desk(env.ctx());
    desk.setHooks(StandardDeskHooks(env.ctx()));
    desk.show();
    desk.setMemberNumber("M01");
    const struct {
        const char* button;
        QString form;
    } cases[] = {
        {"browse", "FORM_ZELKOR_FORMCRMEMBER_CLASS"},
        {"rental", "FORM_ZELKOR_FORM3_CLASS"},
        {"borrow", "FORM_ZELKOR_FORM4_CLASS"},
        {"returns", "FORM_ZELKOR_FORM5_CLASS"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClosingModals([&] { Click(&desk, c.button); }, &desk), QStringList({c.form})) << c.button;
    EXPECT_EQ(desk.cart().rowCount(), 0);
}

// The desk's controls, its member lookup and its buttons.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QHeaderView>

#include "app/app_context.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

void SetUpMembers(TestEnv& env) {
    env.addMember("M01", "Budi", "Umum", 7);
    env.addMember("M0", "Ani", "Pelajar", 3);
    env.addMember("M02", "Citra", "Umum", 7, "0");  // inactive
    env.addItem("b-01.x 2", "Matematika");          // an item label scanned in the wrong field
    env.addTariff("Umum", "1500");
}

class DeskFormTest : public DbTest {
  protected:
    void SetUp() override { SetUpMembers(env); }
};

}  // namespace

TEST_F(DeskFormTest, OpensEmptyReadyForTheFirstCard) {
    DeskDriver d(env);
    EXPECT_TRUE(d.desk.isModal());
    for (const char* b :
         {"browse", "rental", "borrow", "returns", "visit", "newTransaction", "save", "print", "finish"})
        EXPECT_FALSE(d.button(b)->autoDefault()) << b;  // Enter never presses a button
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

    // Set from a dialog, the same number again still looks up: the member may have changed meanwhile.
    d.desk.setMemberNumber("M01");
    EXPECT_EQ(d.panel(), budi);
    env.exec("update Member set Status='0' where Id='M01'");
    d.desk.setMemberNumber("M01");
    EXPECT_EQ(d.panel(), kNoMember);
    d.desk.setMemberNumber("O'Brien");  // a quote neither breaks nor changes the lookup
    EXPECT_TRUE(env.messages.shown.empty());
}

// RENTAL, PEMINJAMAN, PENGEMBALIAN and BERKUNJUNG add rows for the member found:
// without an active member (an inactive one, or a keystroke past a number) they are
// off, the panel stays empty and a short hint below it says why (no message box
// while typing). Browse works whenever the cart is empty.
TEST_F(DeskFormTest, PickerButtonsNeedAnActiveMemberAndTheHintSaysWhy) {
    const QString unknown = "Id Member tidak ditemukan..";
    const struct {
        QString number;
        QStringList opened;
        QString hint;
    } cases[] = {
        {"", {"browse"}, ""},
        {"X99", {"browse"}, unknown},  // no such member
        {"M02", {"browse"}, "Member M02 tidak aktif, centang Aktif di Data Member.."},
        {"M0", {"rental", "borrow", "returns", "browse"}, ""},
        {"M01x", {"browse"}, unknown},
        {"b-01.x 2",
         {"browse"},
         "b-01.x 2 adalah kode item, bukan Id Member.. Pakai PEMINJAMAN, RENTAL atau "
         "PENGEMBALIAN."},
    };
    for (const auto& c : cases) {
        DeskDriver d(env);
        d.scanMember(c.number);
        for (const char* b : {"rental", "borrow", "returns", "browse", "visit"}) d.click(b);
        EXPECT_EQ(d.opened, c.opened) << c.number.toStdString();
        EXPECT_EQ(d.desk.cart().rowCount(), c.opened.size() > 1 ? 1 : 0) << c.number.toStdString();
        EXPECT_EQ(d.label("memberHint"), c.hint) << c.number.toStdString();
        EXPECT_EQ(d.panel() == kNoMember, c.opened.size() == 1) << c.number.toStdString();
        EXPECT_EQ(d.field("memberNumber")->accessibleDescription(), c.hint) << c.number.toStdString();
    }
    // Without hooks the buttons do nothing at all.
    DeskDriver d(env);
    d.desk.setHooks({});
    d.scanMember("M01");
    for (const char* b : {"rental", "borrow", "returns", "browse"}) d.click(b);
    EXPECT_TRUE(env.messages.shown.empty());
}

// Letters, signs and points never reach an amount, and no amount is longer than 12
// digits, so the sums cannot overflow. A pasted text with anything but digits is
// refused whole rather than half taken.
TEST_F(DeskFormTest, AmountFieldsTakeAtMostTwelveDigits) {
    DeskDriver d(env);
    const struct {
        const char* field;
        QString typed, kept;
    } cases[] = {
        {"potongan", "5a0-0.", "500"},
        {"dibayar", "1e000x0", "10000"},
        {"potongan", "99999999999999999999", "999999999999"},
        {"dibayar", "1234567890123", "123456789012"},
    };
    for (const auto& c : cases) {
        d.type(c.field, c.typed);
        EXPECT_EQ(d.field(c.field)->text(), c.kept) << c.typed.toStdString();
    }
    QLineEdit* potongan = d.field("potongan");
    potongan->clear();
    potongan->insert("Rp 12.500");
    EXPECT_EQ(potongan->text(), "");
}

// Dibayar is preset only with an amount it can hold: a net amount below zero (a
// discount larger than the total) or beyond 12 digits leaves it empty, so it never
// holds a sign or a cut-off number.
TEST_F(DeskFormTest, DibayarIsPresetOnlyWithAnAmountItCanHold) {
    DeskDriver d(env);
    d.scanMember("M01");
    d.click("visit");  // 1500, the tariff of "Umum"
    d.type("potongan", "999999");
    EXPECT_EQ(d.totals(), QStringList({"1500", "999999", "-998499", "", "998499"}));
    d.type("potongan", "500");
    EXPECT_EQ(d.totals(), QStringList({"1500", "500", "1000", "1000", "0"}));
    d.desk.appendCartRow("R01", "Kamera", "1", "999999999999", kTransRental, "2016-03-08");
    d.desk.recomputeTotals();
    EXPECT_EQ(d.totals(), QStringList({"1000000001499", "500", "1000000000999", "", "-1000000000999"}));
}

// A screen reader says the amount itself: each value label is named by its value
// and labelled by its caption.
TEST_F(DeskFormTest, TotalsAreReadByTheirValueAndLabelledByTheirCaption) {
    DeskDriver d(env);
    d.scanMember("M01");
    d.click("visit");
    d.type("dibayar", "2000");
    const struct {
        const char* name;
        QString caption, value;
    } cases[] = {{"jumlah", "Jumlah", "1500"}, {"netto", "Jml. Netto", "1500"}, {"sisa", "Sisa +/-", "500"}};
    for (const auto& c : cases) {
        QLabel* value = d.get<QLabel>(c.name);
        EXPECT_EQ(value->text(), c.value) << c.name;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(value);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), c.value) << c.name;
        QStringList captions;
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
            captions << other->text(QAccessible::Name);
        EXPECT_EQ(captions, QStringList({c.caption})) << c.name;
    }
}

// Closing the desk or Trans Baru throws an unsaved cart away only when the operator
// says so; a saved or empty cart goes without a question. Closing always clears the
// follow flag and never saves.
TEST(DeskClosingTest, ClosingOrTransBaruAsksBeforeThrowingAnUnsavedCartAway) {
    const QString closeQuestion = "Transaksi..: Transaksi ini belum disimpan. Tutup tanpa menyimpan?";
    const QString newQuestion =
        "Transaksi..: Transaksi ini belum disimpan. Batalkan dan mulai transaksi baru?";
    enum Cart { Empty, Unsaved, Saved };
    const struct {
        const char* how;  // "finish", "closeBox" or "newTransaction"
        Cart cart;
        MsgAnswer answer;
        QStringList asked;
        bool gone;  // the desk closed, or the cart emptied
    } cases[] = {
        {"finish", Unsaved, MsgAnswer::No, {closeQuestion}, false},
        {"finish", Unsaved, MsgAnswer::Yes, {closeQuestion}, true},
        {"closeBox", Unsaved, MsgAnswer::No, {closeQuestion}, false},
        {"closeBox", Unsaved, MsgAnswer::Yes, {closeQuestion}, true},
        {"newTransaction", Unsaved, MsgAnswer::No, {newQuestion}, false},
        {"newTransaction", Unsaved, MsgAnswer::Yes, {newQuestion}, true},
        {"finish", Saved, MsgAnswer::No, {}, true},
        {"closeBox", Empty, MsgAnswer::No, {}, true},
        {"newTransaction", Saved, MsgAnswer::No, {}, true},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.how) + " cart " + std::to_string(c.cart);
        TestEnv env;
        SetUpMembers(env);
        DeskDriver d(env);
        env.ctx().gridFollowFlag = 1;
        d.scanMember("M01");
        if (c.cart != Empty) d.click("visit");
        if (c.cart == Saved) d.click("save");
        const int rows = d.desk.cart().rowCount();
        env.messages.clear();
        env.messages.answers = {c.answer};
        if (QLatin1String(c.how) == QLatin1String("closeBox"))
            d.desk.close();
        else
            d.click(c.how);
        EXPECT_EQ(Told(env), c.asked) << what;
        const bool closing = QLatin1String(c.how) != QLatin1String("newTransaction");
        if (closing) {
            EXPECT_EQ(d.desk.isVisible(), !c.gone) << what;
            EXPECT_EQ(env.ctx().gridFollowFlag, c.gone ? 0 : 1) << what;
        } else {
            EXPECT_TRUE(d.desk.isVisible()) << what;
        }
        EXPECT_EQ(d.desk.cart().rowCount(), closing || !c.gone ? rows : 0) << what;
        EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), c.cart == Saved ? "1" : "0") << what;
    }
}

// Tab walks the desk in the order of the work; after Dibayar comes Simpan, a
// stray Escape never throws the cart away, and Trans Baru waits for the next card.
TEST_F(DeskFormTest, TabFollowsTheWorkAndEscapeKeepsTheCart) {
    DeskDriver d(env);
    EXPECT_EQ(
        TabChain(d.button("newTransaction")),
        QStringList({"memberNumber", "browse", "rental", "borrow", "returns", "visit", "payDebts", "cart",
                     "waiveFine", "receiptKind", "potongan", "dibayar", "save", "print", "finish"}));
    d.scanMember("M01");
    d.click("visit");
    QTest::keyClick(&d.desk, Qt::Key_Escape);
    EXPECT_TRUE(d.desk.isVisible());
    EXPECT_EQ(d.desk.cart().rowCount(), 1);
    // Trans Baru waits for the next member's card.
    d.desk.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.desk));
    d.click("newTransaction");  // Yes: the unsaved visit goes
    EXPECT_EQ(QApplication::focusWidget(), d.field("memberNumber"));
    QTest::keyClicks(QApplication::focusWidget(), "M0");
    EXPECT_EQ(d.panel().at(DeskForm::MemberNama), "Ani");
}

// A row added by mistake goes out again with Delete, after a question, before Simpan;
// the numbers and the totals follow, and a saved cart stays as it was booked.
TEST_F(DeskFormTest, DeleteTakesAChosenRowOutOfAnUnsavedCart) {
    env.addItem("R01", "Kamera", 0, 2500);
    env.addItem("B01", "Matematika");
    DeskDriver d(env);
    d.desk.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.desk));
    d.scanMember("M01");
    d.desk.appendCartRow("R01", "Kamera", "2", "5000", kTransRental, "2016-03-09");
    d.click("visit");
    d.desk.appendCartRow("B01", "Matematika", "7", "", kTransPinjam, "2016-03-14");
    d.desk.recomputeTotals();
    EXPECT_FALSE(d.get<QPushButton>("visit")->isEnabled());
    auto* cart = d.get<GridView>("cart");

    env.messages.answers = {MsgAnswer::No};
    cart->selectRow(1);
    QTest::keyClick(cart, Qt::Key_Delete);
    EXPECT_EQ(d.desk.cart().rowCount(), 3);
    EXPECT_EQ(env.messages.texts(), QStringList({"Hapus BURKUNJUNG dari transaksi ini?"}));

    env.messages.answers = {MsgAnswer::Yes};
    QTest::keyClick(cart, Qt::Key_Delete);
    EXPECT_EQ(Column(d.desk.cart(), CartNo), QStringList({"1", "2"}));
    EXPECT_EQ(Column(d.desk.cart(), CartKode), QStringList({"R01", "B01"}));
    EXPECT_EQ(d.totals(), QStringList({"5000", "", "5000", "5000", "0"}));
    EXPECT_TRUE(d.get<QPushButton>("visit")->isEnabled());  // the one visit may come back

    d.click("save");
    EXPECT_EQ(env.rows("select Id, IdItemPerpus from TransPerpus order by Id"),
              QStringList({"201603070905021|R01", "201603070905022|B01"}));
    env.messages.clear();
    cart->selectRow(0);
    QTest::keyClick(cart, Qt::Key_Delete);
    EXPECT_EQ(d.desk.cart().rowCount(), 2);
    EXPECT_TRUE(env.messages.shown.empty());
}

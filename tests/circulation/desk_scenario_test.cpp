// Whole transactions at the desk, as an operator does them, checked against the
// screen and the stored rows.
#include <gtest/gtest.h>
#include <QAccessible>
#include <functional>

#include "app/app_context.h"
#include "circulation/circulation.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

void Seed(TestEnv& env) {
    env.addMember("M01", "Budi", "Umum", 7);
    env.addMember("M03", "Dewi", "Tamu", 7);  // a category without a tariff
    env.addItem("B01", "Matematika", 1000);
    env.addItem("R01", "Kamera", 0, 2000);
    env.addTariff("Umum", "1500");
}

QStringList Books(TestEnv& env) {
    return env.rows("select * from TransPerpus order by Id") + env.rows("select * from Kas order by Id") +
           env.rows("select * from ItemPerpus order by Id, Pengarang");
}

// The rental of 3 days and the loan, as the pickers append them.
void AppendRental(DeskForm& desk) {
    desk.appendCartRow("R01", "Kamera", "3", "6000", kTransRental, "2016-03-10");
    desk.recomputeTotals();
}
void AppendLoan(DeskForm& desk) {
    desk.appendCartRow("B01", "Matematika", desk.memberValue(DeskForm::MemberNPinjam), "0", kTransPinjam,
                       "2016-03-14");
    desk.recomputeTotals();
}

class DeskScenarioTest : public DbTest {
  protected:
    void SetUp() override { Seed(env); }
};

}  // namespace

TEST_F(DeskScenarioTest, RentalLoanAndVisitWithDiscount) {
    DeskDriver d(env);
    d.scanMember("M01");
    AppendRental(d.desk);
    AppendLoan(d.desk);
    EXPECT_EQ(d.totals(), QStringList({"6000", "", "6000", "6000", "0"}));  // the loan costs nothing

    // The discount shows at once, before the last row.
    d.type("potongan", "500");
    EXPECT_EQ(d.totals(), QStringList({"6000", "500", "5500", "5500", "0"}));

    d.click("visit");
    EXPECT_FALSE(d.button("visit")->isEnabled());
    EXPECT_EQ(d.totals(), QStringList({"7500", "500", "7000", "7000", "0"}));
    EXPECT_EQ(Rows(d.desk.cart()).mid(1), QStringList({"2|B01|Matematika|7|0|PINJAM|2016-03-14",
                                                       "3|KUNJUNG|BURKUNJUNG|1|1500|KUNJUNG|2016-03-07"}));

    d.type("dibayar", "5000");
    EXPECT_EQ(d.label("sisa"), "-2000");

    d.click("save");
    EXPECT_EQ(Told(env), QStringList({"Transaksi..: Dibayar 5000 kurang dari Jml. Netto 7000, masih kurang "
                                      "2000, dicatat sebagai tanggungan member. Simpan transaksi ini?",
                                      "Transaksi..: Transaksi berhasil disimpan.."}));
    EXPECT_EQ(env.messages.shown[1].icon, MsgIcon::Information);
    EXPECT_FALSE(d.button("save")->isEnabled());
    EXPECT_TRUE(d.desk.isSaved());

    EXPECT_EQ(env.rows("select * from TransPerpus order by Id"),
              QStringList({"201603070905021|2016-03-07|M01|RENTAL|R01|2016-03-10|0|admin|NULL",
                           "201603070905022|2016-03-07|M01|PINJAM|B01|2016-03-14|0|admin|NULL",
                           "201603070905023|2016-03-07|M01|KUNJUNG|KUNJUNG|2016-03-07|0|admin|NULL"}));
    EXPECT_EQ(
        env.rows("select * from Kas order by Id"),
        QStringList(
            {"201603070905021|2016-03-07|Penerimaan Rental|Penerimaan Rental Kamera|6000|0|admin",
             "201603070905023|2016-03-07|Penerimaan Administrasi Kunjungan|Administrasi Budi|1500|0|admin",
             "201603070905024|2016-03-07|Potongan|Potongan untuk : Budi|-500|0|admin",
             "201603070905025|2016-03-07|Kurang Bayar|Kurang bayar : Budi|-2000|0|admin"}));

    d.click("print");
    ASSERT_EQ(d.printed.size(), 1u);
    const ReceiptData& r = d.printed[0].data;
    EXPECT_EQ(d.printed[0].kind, ReceiptKind::Small);
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(
        QStringList({r.memberName, r.memberCategory, r.rows[0].kode, r.rows[0].biaya, r.rows[1].tglKembali}),
        QStringList({"Budi", "Umum", "R01", "6000", "2016-03-14"}));
    EXPECT_EQ(QStringList({r.jumlah, r.potongan, r.netto, r.dibayar, r.sisa}),
              QStringList({"7500", "500", "7000", "5000", "-2000"}));
    d.get<QComboBox>("receiptKind")->setCurrentIndex(1);  // kept for the next transaction

    // Trans Baru: an empty desk; nothing left to print until the next save.
    d.click("newTransaction");
    EXPECT_EQ(d.totals(), QStringList({"0", "0", "0", "", "0"}));
    EXPECT_EQ(d.desk.memberNumber(), "");
    EXPECT_EQ(d.panel(), kNoMember);
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_TRUE(d.button("save")->isEnabled());
    EXPECT_FALSE(d.button("visit")->isEnabled());  // until the next member is found
    EXPECT_EQ(d.get<QComboBox>("receiptKind")->currentIndex(), 1);
    d.click("print");
    EXPECT_EQ(d.printed.size(), 1u);
}

// Simpan books only what the operator saw and agreed: a net amount below 0 or an
// amount too large to book is refused, an amount paid short is asked about first.
// Whatever is refused writes nothing and keeps the cart for another try.
TEST(DeskSaveChecksTest, SimpanRefusesOrAsksBeforeBooking) {
    const QString shortQuestion =
        "Transaksi..: Dibayar 30000 kurang dari Jml. Netto 33500, masih kurang 3500, dicatat sebagai "
        "tanggungan member. Simpan transaksi ini?";
    const QString tooLarge =
        "Transaksi..: Transaksi belum disimpan: jumlah uang terlalu besar (lebih dari 12 "
        "digit). Periksa Biaya, Potongan dan Dibayar, lalu tekan Simpan lagi..";
    const QString saved = "Transaksi..: Transaksi berhasil disimpan..";
    const struct {
        const char* what;
        QString rental, potongan, dibayar;  // dibayar empty: left as preset
        MsgAnswer answer;
        QStringList told;
        QStringList kas;  // Masuk of every journal line written
    } cases[] = {
        {"a discount larger than the total",
         "32000",
         "999999",
         "",
         MsgAnswer::Yes,
         {"Transaksi..: Transaksi belum disimpan: Potongan 999999 lebih besar dari Jumlah 33500. Perbaiki "
          "Potongan, lalu tekan Simpan lagi.."},
         {}},
        {"a discount of the whole total",
         "32000",
         "33500",
         "",
         MsgAnswer::Yes,
         {saved},
         {"32000", "1500", "-33500"}},
        {"paid short, kept", "32000", "", "30000", MsgAnswer::No, {shortQuestion}, {}},
        {"paid short, agreed",
         "32000",
         "",
         "30000",
         MsgAnswer::Yes,
         {shortQuestion, saved},
         {"32000", "1500", "-3500"}},
        {"paid in full", "32000", "", "33500", MsgAnswer::No, {saved}, {"32000", "1500"}},
        {"a total of 12 digits", "999999998499", "", "", MsgAnswer::Yes, {saved}, {"999999998499", "1500"}},
        {"a total of 13 digits", "999999999999", "", "", MsgAnswer::Yes, {tooLarge}, {}},
    };
    for (const auto& c : cases) {
        TestEnv env;
        Seed(env);
        DeskDriver d(env);
        d.scanMember("M01");
        d.desk.appendCartRow("R01", "Kamera", "3", c.rental, kTransRental, "2016-03-10");
        d.desk.recomputeTotals();
        d.click("visit");
        if (!c.potongan.isEmpty()) d.type("potongan", c.potongan);
        if (!c.dibayar.isEmpty()) d.type("dibayar", c.dibayar);
        const QStringList before = Books(env);
        env.messages.answers = {c.answer};
        d.click("save");
        EXPECT_EQ(Told(env), c.told) << c.what;
        EXPECT_EQ(env.rows("select Masuk from Kas order by Id"), c.kas) << c.what;
        const bool stored = c.told.endsWith(saved);
        EXPECT_EQ(d.desk.isSaved(), stored) << c.what;
        EXPECT_EQ(d.button("save")->isEnabled(), !stored) << c.what;
        if (!stored) {
            EXPECT_EQ(Books(env), before) << c.what;
            EXPECT_EQ(d.desk.cart().rowCount(), 2) << c.what;
        }
    }
}

// The cart belongs to the member it was collected for: while it holds rows not yet
// saved, the member number and Browse are locked, and a number changed any way at
// all is taken back with the hint, so a return, a visit and the receipt can never
// end up with another member.
TEST_F(DeskScenarioTest, MemberIsLockedWhileTheCartHoldsUnsavedRows) {
    AddMovement(env, "201603010800001", "M01", "PINJAM", "B01", "2016-03-08");
    DeskDriver d(env);
    d.scanMember("M01");
    EXPECT_TRUE(d.button("browse")->isEnabled());
    d.desk.appendCartRow("201603010800001", "Matematika", "0", "0", kTransReturn, "2016-03-08");
    d.desk.recomputeTotals();
    EXPECT_FALSE(d.button("browse")->isEnabled());

    QLineEdit* number = d.field("memberNumber");
    const std::function<void()> changes[] = {
        [&] { number->setText("M03"); },
        [&] { QAccessible::queryAccessibleInterface(number)->setText(QAccessible::Value, "M03"); },
        [&] { d.desk.setMemberNumber("M03"); },  // chosen in the member browser
        [&] {                                    // typed, or scanned
            number->setFocus();
            number->selectAll();
            QTest::keyClicks(number, "M03");
        },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        changes[i]();
        EXPECT_EQ(number->text(), "M01") << i;
        EXPECT_EQ(d.panel().at(DeskForm::MemberNama), "Budi") << i;
        EXPECT_EQ(d.label("memberHint"),
                  "Transaksi belum disimpan: tekan Simpan, atau Trans Baru untuk member lain..")
            << i;
        if (i == 0) d.click("visit");
    }

    // An item label scanned into the locked field (the code, then Enter) is named.
    QTest::keyClicks(number, "B01");
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(number->text(), "M01");
    EXPECT_TRUE(d.label("memberHint").startsWith("B01 adalah kode item, bukan Id Member.."))
        << d.label("memberHint").toStdString();

    d.click("save");
    d.click("print");
    ASSERT_EQ(d.printed.size(), 1u);
    EXPECT_EQ(d.printed[0].data.memberName, "Budi");
    EXPECT_EQ(env.rows("select IdMember, KodeTrans, Status from TransPerpus order by Id"),
              QStringList({"M01|PINJAM|1", "M01|KUNJUNG|0"}));
    EXPECT_EQ(d.label("memberHint"), "");
    EXPECT_TRUE(d.button("browse")->isEnabled());
}

// After Simpan the saved cart takes no more rows and its amounts stay as booked, so
// Cetak prints exactly what was saved; the next member's number, typed or scanned
// over the last one, starts the next transaction at once.
TEST_F(DeskScenarioTest, NextMemberIsServedStraightAfterASave) {
    DeskDriver d(env);
    d.desk.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.desk));
    d.scanMember("M01");
    AppendRental(d.desk);
    d.click("visit");
    d.click("save");
    ASSERT_TRUE(d.desk.isSaved());

    EXPECT_FALSE(d.desk.appendCartRow("B01", "Matematika", "7", "0", kTransPinjam, "2016-03-14"));
    for (const char* b : {"rental", "borrow", "returns", "visit", "save"})
        EXPECT_FALSE(d.button(b)->isEnabled()) << b;
    for (const char* f : {"potongan", "dibayar"}) EXPECT_TRUE(d.field(f)->isReadOnly()) << f;
    d.click("print");
    ASSERT_EQ(d.printed.size(), 1u);
    EXPECT_EQ(d.printed[0].data.rows.size(), 2u);
    EXPECT_EQ(d.printed[0].data.jumlah, "7500");

    // The focus waits in the member number with its text selected: the scan replaces it.
    EXPECT_EQ(QApplication::focusWidget(), d.field("memberNumber"))
        << QApplication::focusWidget()->objectName().toStdString();
    QTest::keyClicks(QApplication::focusWidget(), "M03");
    EXPECT_EQ(d.panel().at(DeskForm::MemberNama), "Dewi");
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_EQ(d.totals(), QStringList({"0", "0", "0", "", "0"}));
    EXPECT_FALSE(d.desk.isSaved());
    EXPECT_TRUE(d.button("save")->isEnabled());
    EXPECT_TRUE(d.button("visit")->isEnabled());

    env.clock.advance(1);
    d.click("visit");  // Dewi's category has no tariff: the visit costs nothing
    EXPECT_EQ(d.desk.cart().cell(0, CartBiaya), "");
    EXPECT_EQ(d.totals(), QStringList({"0", "0", "0", "0", "0"}));
    d.click("save");
    EXPECT_EQ(env.rows("select IdMember, KodeTrans from TransPerpus order by Id"),
              QStringList({"M01|RENTAL", "M01|KUNJUNG", "M03|KUNJUNG"}));
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "2");
}

// When another copy of the program on the same library returned an item while
// this cart waited, nothing is saved and the operator is told which item. (The
// return itself is booked in the return list's scenario.)
TEST_F(DeskScenarioTest, AReturnMadeMeanwhileElsewhereIsNotSavedAgain) {
    AddMovement(env, "201409010800001", "M01", "PINJAM", "B01", "2014-09-08", "0", "2014-09-01");
    DeskDriver d(env);
    d.scanMember("M01");
    // As the return list hands it over: Kode = the movement, n Hari and Biaya as SQLite rendered them.
    d.desk.appendCartRow("201409010800001", "Matematika", "1.5", "1500.0", kTransReturn, "2014-09-08");
    d.desk.recomputeTotals();
    EXPECT_EQ(d.totals(), QStringList({"1500", "", "1500", "1500", "0"}));
    QString error;
    std::unique_ptr<Database> otherDesk = Database::open(env.ctx().databasePath, &error);
    ASSERT_TRUE(otherDesk) << error.toStdString();
    ASSERT_TRUE(otherDesk->exec("UPDATE transperpus Set Status='1', TglReturn='2016-03-06' where Id=?",
                                {"201409010800001"}));
    const QStringList before = Books(env);
    d.click("save");
    EXPECT_EQ(Told(env), QStringList({"Transaksi..: Transaksi belum disimpan, tidak ada data yang "
                                      "berubah: Matematika (201409010800001) sudah dikembalikan atau "
                                      "datanya tidak ada lagi. Pilih baris itu, tekan Delete untuk "
                                      "menghapusnya, lalu tekan Simpan lagi.."}));
    EXPECT_EQ(Books(env), before);
    EXPECT_FALSE(d.desk.isSaved());
    // As the message says: the row goes, and the cart can be saved.
    env.messages.clear();
    env.messages.answers = {MsgAnswer::Yes};
    d.get<GridView>("cart")->selectRow(0);
    QTest::keyClick(d.get<GridView>("cart"), Qt::Key_Delete);
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_FALSE(d.desk.hasUnsavedRows());
}

// A failure in the middle of a save: nothing written, the SQL error and a clear
// message instead of the success message, the cart kept and Simpan still there.
// Once the identifiers are free again, a second later, the same cart saves.
TEST(DeskFailureTest, FailedSaveLeavesTheBooksAsTheyWereAndKeepsTheCart) {
    const QString taken =
        "Transaksi..: Transaksi belum disimpan: nomor transaksi 20160307090502 sudah terpakai. Tunggu "
        "sebentar, "
        "lalu tekan Simpan lagi..";
    struct Case {
        const char* what;
        QString setup;
        bool sameSecond;  // a transaction was saved earlier in this very second
        QStringList told;
    } cases[] = {
        {"a hand entry in the journal holds the visit's id",
         "insert into Kas (Id,Tanggal,Kategori,Uraian,Masuk,Keluar,Ops) values "
         "('201603070905023','2016-03-07','Sumbangan','Sumbangan alumni','50000','0','admin')",
         false,
         {"Info: SQL error: UNIQUE constraint failed: Kas.Id", taken}},
        {"a second transaction in the same second",
         "",
         true,
         {"Info: SQL error: UNIQUE constraint failed: TransPerpus.Id", taken}},
        {"the journal refuses writes",
         "create trigger ClosedBooks before insert on Kas begin select raise(abort, 'buku kas ditutup'); end",
         false,
         {"Info: SQL error: buku kas ditutup",
          "Transaksi..: Transaksi belum disimpan, tidak ada data yang berubah. Periksa pesan di atas, lalu "
          "tekan "
          "Simpan lagi.."}},
    };
    for (const Case& c : cases) {
        TestEnv env;
        Seed(env);
        if (!c.setup.isEmpty()) env.exec(c.setup);
        DeskDriver d(env);
        if (c.sameSecond) {
            d.scanMember("M01");
            d.click("visit");
            d.click("save");
            d.click("newTransaction");
            env.messages.clear();
        }
        const QStringList before = Books(env);
        d.scanMember("M01");
        AppendRental(d.desk);
        AppendLoan(d.desk);
        d.click("visit");
        d.click("save");

        EXPECT_EQ(Books(env), before) << c.what;
        EXPECT_EQ(Told(env), c.told) << c.what;
        EXPECT_TRUE(d.button("save")->isEnabled()) << c.what;
        EXPECT_FALSE(d.desk.isSaved()) << c.what;
        EXPECT_EQ(d.desk.cart().rowCount(), 3) << c.what;
        d.click("print");
        EXPECT_TRUE(d.printed.empty()) << c.what;

        if (c.setup.startsWith("create trigger")) continue;
        env.clock.advance(1);
        env.messages.clear();
        d.click("save");
        EXPECT_EQ(env.messages.texts(), QStringList({"Transaksi berhasil disimpan.."})) << c.what;
        EXPECT_EQ(env.scalar("select count(*) from TransPerpus where Id like '20160307090503_'"), "3")
            << c.what;
    }
}

TEST_F(DeskScenarioTest, CetakPrintsTheChosenReceiptsOnTheDefaultPrinter) {
    DeskForm desk(env.ctx());
    desk.setHooks(StandardDeskHooks(env.ctx()));
    desk.show();
    desk.setMemberNumber("M01");
    AppendRental(desk);
    AppendLoan(desk);

    desk.print();  // nothing before Simpan, and the operator is told why
    EXPECT_TRUE(env.printers.jobs.empty());
    EXPECT_EQ(env.messages.texts(),
              QStringList({"Transaksi belum disimpan, tekan Simpan terlebih dahulu.."}));

    desk.save();
    desk.print();  // "Struk Kecil": the loan receipt, then the payment receipt
    ASSERT_EQ(env.printers.jobs.size(), 2u);
    EXPECT_EQ(env.printers.jobs[0].lines.at(4).text, "Nama       : Budi");
    EXPECT_TRUE(env.printers.jobs[1].lines.back().text.startsWith("Crt: 07-03-2016 By : admin"));

    desk.findChild<QComboBox*>()->setCurrentIndex(1);  // "Struk Sedang"
    desk.print();
    ASSERT_EQ(env.printers.jobs.size(), 3u);
    EXPECT_EQ(env.printers.jobs[2].lines.at(0).points, 12);
    EXPECT_EQ(desk.cart().rowCount(), 2);  // printing changes nothing

    // A missing printer is told once, for both receipts, and the desk carries on.
    desk.findChild<QComboBox*>()->setCurrentIndex(0);
    env.printers.failOpen = true;
    env.messages.clear();
    desk.print();
    ASSERT_EQ(Told(env).size(), 1);
    EXPECT_TRUE(Told(env)[0].startsWith("Info: Gagal mencetak")) << Told(env)[0].toStdString();
    EXPECT_TRUE(desk.isSaved());
}

// Rows booked to an unknown or inactive member could never be returned: Simpan
// waits for a member the desk has found, and keeps the cart.
TEST_F(DeskScenarioTest, CartWithoutAFoundMemberIsNotSaved) {
    env.addMember("M09", "Lama", "Umum", 7, "0");
    DeskForm desk(env.ctx());
    desk.show();
    desk.setMemberNumber("M09");  // inactive: the panel stays empty
    AppendRental(desk);
    const QStringList before = Books(env);
    desk.save();
    EXPECT_EQ(Books(env), before);
    EXPECT_FALSE(desk.isSaved());
    ASSERT_EQ(env.messages.texts().size(), 1);
    EXPECT_TRUE(env.messages.texts()[0].startsWith("Transaksi belum disimpan, member belum ditemukan"));
    EXPECT_EQ(desk.cart().rowCount(), 1);
}

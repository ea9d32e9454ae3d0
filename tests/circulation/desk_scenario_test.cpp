// Whole transactions at the desk, as an operator does them, checked against the
// screen and the stored rows.
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "circulation/circulation.h"
#include "desk_driver.h"
#include "qt_print.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class DeskScenarioTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Umum", 7);
        env.addMember("M03", "Dewi", "Tamu", 7);  // a category without a tariff
        env.addItem("B01", "Matematika", 1000);
        env.addItem("R01", "Kamera", 0, 2000);
        env.addTariff("Umum", "1500");
    }
    QStringList books() {
        return env.rows("select * from TransPerpus order by Id") + env.rows("select * from Kas order by Id") +
               env.rows("select * from ItemPerpus order by Id, Pengarang");
    }
    // The rental of 3 days, as the rental picker appends it.
    static void appendRental(DeskForm& desk) {
        desk.appendCartRow("R01", "Kamera", "3", "6000", kTransRental, "2016-03-10");
        desk.recomputeTotals();
    }
    static void appendLoan(DeskForm& desk) {
        desk.appendCartRow("B01", "Matematika", desk.memberValue(DeskForm::MemberNPinjam), "0", kTransPinjam,
                           "2016-03-14");
        desk.recomputeTotals();
    }
};

}  // namespace

TEST_F(DeskScenarioTest, RentalLoanAndVisitWithDiscount) {
    DeskDriver d(env);
    d.scanMember("M01");
    appendRental(d.desk);
    EXPECT_EQ(d.totals(), QStringList({"6000", "", "6000", "6000", "0"}));
    appendLoan(d.desk);
    EXPECT_EQ(d.totals(), QStringList({"6000", "", "6000", "6000", "0"}));

    // The discount shows at once, before the last row.
    d.type("potongan", "500");
    EXPECT_EQ(d.totals(), QStringList({"6000", "500", "5500", "5500", "0"}));

    d.click("visit");
    EXPECT_FALSE(d.button("visit")->isEnabled());
    EXPECT_EQ(d.totals(), QStringList({"7500", "500", "7000", "7000", "0"}));
    EXPECT_EQ(d.desk.cart().row(1),
              QStringList({"2", "B01", "Matematika", "7", "0", "PINJAM", "2016-03-14"}));
    EXPECT_EQ(d.desk.cart().row(2),
              QStringList({"3", "KUNJUNG", "BURKUNJUNG", "1", "1500", "KUNJUNG", "2016-03-07"}));

    // One visit per transaction.
    d.click("visit");
    EXPECT_EQ(d.desk.cart().rowCount(), 3);

    d.type("dibayar", "10000");
    EXPECT_EQ(d.label("sisa"), "3000");
    d.type("dibayar", "5000");
    EXPECT_EQ(d.label("sisa"), "-2000");

    d.click("save");
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, "Transaksi berhasil disimpan..");
    EXPECT_EQ(env.messages.shown[0].caption, "Transaksi..");
    EXPECT_EQ(env.messages.shown[0].icon, MsgIcon::Information);
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
             "201603070905024|2016-03-07|Potongan|Potongan untuk : Budi|-500|0|admin"}));

    // The cart stays for printing; Simpan stays off, the clock may move on.
    env.clock.advance(5);
    d.click("save");
    EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), "3");

    d.click("print");
    ASSERT_EQ(d.printed.size(), 1u);
    const ReceiptData& r = d.printed[0].data;
    EXPECT_EQ(d.printed[0].kind, ReceiptKind::Small);
    EXPECT_EQ(r.memberName, "Budi");
    EXPECT_EQ(r.memberCategory, "Umum");
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].kode, "R01");
    EXPECT_EQ(r.rows[0].biaya, "6000");
    EXPECT_EQ(r.rows[1].tglKembali, "2016-03-14");
    EXPECT_EQ(QStringList({r.jumlah, r.potongan, r.netto, r.dibayar, r.sisa}),
              QStringList({"7500", "500", "7000", "5000", "-2000"}));
    d.get<QComboBox>("receiptKind")->setCurrentIndex(1);
    d.click("print");
    ASSERT_EQ(d.printed.size(), 2u);
    EXPECT_EQ(d.printed[1].kind, ReceiptKind::Medium);
    EXPECT_EQ(d.totals(), QStringList({"7500", "500", "7000", "5000", "-2000"}));  // printing changes nothing

    // Trans Baru: an empty desk; nothing left to print until the next save.
    d.click("newTransaction");
    EXPECT_EQ(d.totals(), QStringList({"0", "0", "0", "", "0"}));
    EXPECT_EQ(d.desk.memberNumber(), "");
    EXPECT_EQ(d.panel(), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(d.desk.cart().rowCount(), 0);
    EXPECT_TRUE(d.button("save")->isEnabled());
    EXPECT_TRUE(d.button("visit")->isEnabled());
    EXPECT_EQ(d.get<QComboBox>("receiptKind")->currentIndex(), 1);
    d.click("print");
    EXPECT_EQ(d.printed.size(), 2u);
}

TEST_F(DeskScenarioTest, ReturnUpdatesTheMovementAndBooksItsFine) {
    env.exec(
        "insert into TransPerpus (Id,TglPinjam,IdMember,KodeTrans,IdItemPerpus,TglKembali,Status,Ops) "
        "values ('201409010800001','2014-09-01','M01','PINJAM','B01','2014-09-08','0','admin')");
    DeskDriver d(env);
    d.scanMember("M01");
    // As the return list hands it over: Kode = the movement, n Hari and Biaya as SQLite rendered them.
    d.desk.appendCartRow("201409010800001", "Matematika", "1.5", "1500.0", kTransReturn, "2014-09-08");
    d.desk.recomputeTotals();
    EXPECT_EQ(d.totals(), QStringList({"1500", "", "1500", "1500", "0"}));
    d.click("save");

    EXPECT_EQ(env.rows("select * from TransPerpus"),
              QStringList({"201409010800001|2014-09-01|M01|PINJAM|B01|2014-09-08|1|admin|2016-03-07"}));
    EXPECT_EQ(env.rows("select * from Kas"),
              QStringList({"201603070905021|2016-03-07|Penerimaan Administrasi Peminjaman|"
                           "Sanksi Administrasi Matematika|1500.0|0|admin"}));
}

TEST_F(DeskScenarioTest, VisitForACategoryWithoutATariffCostsNothing) {
    DeskDriver d(env);
    d.scanMember("M03");
    d.click("visit");
    EXPECT_EQ(d.desk.cart().cell(0, CartBiaya), "");
    EXPECT_EQ(d.totals(), QStringList({"0", "", "0", "0", "0"}));
    d.click("save");
    EXPECT_EQ(env.rows("select Id, KodeTrans, IdMember from TransPerpus"),
              QStringList({"201603070905021|KUNJUNG|M03"}));
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "0");
}

// A failure in the middle of a save: nothing written, the SQL error and a clear
// message instead of the success message, the cart kept and Simpan still there.
TEST_F(DeskScenarioTest, FailedSaveLeavesTheBooksAsTheyWereAndKeepsTheCart) {
    // A hand entry in the journal already holds the id the visit's line will need.
    env.exec(
        "insert into Kas (Id,Tanggal,Kategori,Uraian,Masuk,Keluar,Ops) "
        "values ('201603070905023','2016-03-07','Sumbangan','Sumbangan alumni','50000','0','admin')");
    const QStringList before = books();

    DeskDriver d(env);
    d.scanMember("M01");
    appendRental(d.desk);
    appendLoan(d.desk);
    d.click("visit");
    d.click("save");

    EXPECT_EQ(books(), before);
    ASSERT_EQ(env.messages.shown.size(), 2u);
    EXPECT_EQ(env.messages.shown[0].text, "SQL error: UNIQUE constraint failed: Kas.Id");
    EXPECT_EQ(env.messages.shown[0].caption, "Info");
    EXPECT_EQ(env.messages.shown[1].text,
              "Transaksi belum disimpan: nomor transaksi 20160307090502 sudah terpakai. "
              "Tunggu sebentar, lalu tekan Simpan lagi..");
    EXPECT_EQ(env.messages.shown[1].caption, "Transaksi..");
    EXPECT_FALSE(env.messages.texts().contains("Transaksi berhasil disimpan.."));
    EXPECT_TRUE(d.button("save")->isEnabled());
    EXPECT_FALSE(d.desk.isSaved());
    EXPECT_EQ(d.desk.cart().rowCount(), 3);
    d.click("print");
    EXPECT_TRUE(d.printed.empty());

    // A second later the identifiers are free and the same cart saves.
    env.clock.advance(1);
    env.messages.clear();
    d.click("save");
    EXPECT_EQ(env.messages.texts(), QStringList({"Transaksi berhasil disimpan.."}));
    EXPECT_EQ(env.scalar("select count(*) from TransPerpus where Id like '20160307090503_'"), "3");
}

TEST_F(DeskScenarioTest, SecondTransactionInTheSameSecondIsRefusedWhole) {
    DeskDriver d(env);
    d.scanMember("M01");
    d.click("visit");
    d.click("save");
    const QStringList afterFirst = books();

    d.click("newTransaction");
    d.scanMember("M01");
    appendRental(d.desk);
    d.click("visit");
    env.messages.clear();
    d.click("save");  // the clock has not moved: 201603070905021 is taken

    EXPECT_EQ(books(), afterFirst);
    EXPECT_EQ(env.messages.texts().size(), 2);
    EXPECT_EQ(env.messages.texts()[0], "SQL error: UNIQUE constraint failed: TransPerpus.Id");
    EXPECT_TRUE(d.button("save")->isEnabled());
    EXPECT_EQ(d.desk.cart().rowCount(), 2);
}

TEST_F(DeskScenarioTest, OtherFailuresAreReportedWithoutClaimingSuccess) {
    env.exec(
        "create trigger ClosedBooks before insert on Kas begin select raise(abort, 'buku kas ditutup'); end");
    const QStringList before = books();
    DeskDriver d(env);
    d.scanMember("M01");
    d.click("visit");
    d.click("save");
    EXPECT_EQ(books(), before);
    EXPECT_EQ(
        env.messages.texts(),
        QStringList({"SQL error: buku kas ditutup",
                     "Transaksi belum disimpan, tidak ada data yang berubah. Periksa pesan di atas, lalu "
                     "tekan Simpan lagi.."}));
    EXPECT_TRUE(d.button("save")->isEnabled());
}

TEST_F(DeskScenarioTest, CetakPrintsTheChosenReceiptsOnTheDefaultPrinter) {
    DeskForm desk(env.ctx());
    desk.setHooks(StandardDeskHooks(env.ctx()));
    desk.show();
    desk.setMemberNumber("M01");
    appendRental(desk);
    appendLoan(desk);

    desk.print();  // nothing before Simpan
    EXPECT_TRUE(env.printers.jobs.empty());

    desk.save();
    desk.print();  // "Struk Kecil": the loan receipt, then the payment receipt
    ASSERT_EQ(env.printers.jobs.size(), 2u);
    EXPECT_EQ(env.printers.jobs[0].docName, "Untitled");
    EXPECT_EQ(env.printers.jobs[0].lines.at(0).text.trimmed(), "Perpus Harapan");
    EXPECT_EQ(env.printers.jobs[0].lines.at(4).text, "Nama       : Budi");
    EXPECT_TRUE(env.printers.jobs[1].lines.back().text.startsWith("Crt: 07-03-2016 By : admin"));

    desk.findChild<QComboBox*>()->setCurrentIndex(1);  // "Struk Sedang"
    desk.print();
    ASSERT_EQ(env.printers.jobs.size(), 3u);
    EXPECT_EQ(env.printers.jobs[2].lines.at(0).points, 12);
    EXPECT_EQ(desk.cart().rowCount(), 2);  // printing changes nothing
}

TEST_F(DeskScenarioTest, MissingPrinterIsToldOnceAndTheDeskCarriesOn) {
    env.printers.failOpen = true;
    DeskForm desk(env.ctx());
    desk.setHooks(StandardDeskHooks(env.ctx()));
    desk.show();
    desk.setMemberNumber("M01");
    appendRental(desk);
    desk.save();
    env.messages.clear();
    desk.print();
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].caption, "Info");
    EXPECT_TRUE(env.messages.shown[0].text.startsWith("Gagal mencetak"));
    EXPECT_TRUE(desk.isSaved());
}

// Rows booked to an unknown or inactive member could never be returned: Simpan
// waits for a member the desk has found, and keeps the cart.
TEST_F(DeskScenarioTest, CartWithoutAFoundMemberIsNotSaved) {
    env.addMember("M09", "Lama", "Umum", 7, "0");
    DeskForm desk(env.ctx());
    desk.show();
    desk.setMemberNumber("M09");  // inactive: the panel stays empty
    appendRental(desk);
    const QStringList before = books();
    desk.save();
    EXPECT_EQ(books(), before);
    EXPECT_FALSE(desk.isSaved());
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_TRUE(env.messages.shown[0].text.startsWith("Transaksi belum disimpan, member belum ditemukan"));
    EXPECT_EQ(desk.cart().rowCount(), 1);

    desk.setMemberNumber("M01");
    desk.save();
    EXPECT_TRUE(desk.isSaved());
}

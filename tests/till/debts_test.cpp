// What a member owes: a short payment at the desk, paid off in parts on later days,
// waived, and paid by two copies of the program at once.
#include <gtest/gtest.h>

#include "circulation/desk_save.h"
#include "circulation/driver.h"
#include "printing/receipt_layout.h"
#include "till/debts.h"
#include "till/till_queries.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class DebtTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Umum", 7);
        env.addItem("B01", "Matematika", 1000);
        AddMovement(env, "T1", "M01", "PINJAM", "B01", "2016-01-01");
    }
    // A day at the desk: the clock and TodayText move on together.
    void day(const QString& date, const QDateTime& at) {
        env.ctx().todayText = date;
        env.clock.set(at);
        env.messages.clear();
    }
    QStringList kas() { return env.rows("select Id, Kategori, Masuk, Keluar from Kas order by Id"); }
    QString open() { return env.scalar("select Sisa from Tanggungan where Id='20160307090502'"); }
};

QStringList Lines(const PrintLayout& l) {
    QStringList out;
    for (const PrintLine& line : l.lines) out << line.text;
    return out;
}

}  // namespace

TEST_F(DebtTest, ShortPaymentIsOwedAndPaidOffInTwoPartsOverTwoDays) {
    {
        DeskDriver d(env);
        d.scanMember("M01");
        EXPECT_FALSE(d.button("payDebts")->isEnabled());
        d.desk.appendCartRow("T1", "Matematika", "66", "622000", kTransReturn, "2016-01-01");
        d.desk.recomputeTotals();
        d.type("potongan", "600000");
        d.type("dibayar", "20000");
        d.click("save");
        EXPECT_EQ(
            Told(env).value(0),
            "Transaksi..: Dibayar 20000 kurang dari Jml. Netto 22000, masih kurang 2000, dicatat sebagai "
            "tanggungan member. Simpan transaksi ini?");
        ASSERT_TRUE(d.desk.isSaved());
        EXPECT_EQ(kas(), QStringList({"201603070905021|Penerimaan Administrasi Peminjaman|622000|0",
                                      "201603070905022|Potongan|-600000|0",
                                      "201603070905023|Kurang Bayar|-2000|0"}));
        EXPECT_EQ(env.rows("select Tanggal, IdMember, Jumlah, Sisa from Tanggungan"),
                  QStringList({"2016-03-07|M01|2000|2000"}));
        EXPECT_EQ(env.rows("select IdTrans from TanggunganAsal"), QStringList({"T1"}));
        EXPECT_EQ(d.desk.openDebtTotal(), 2000);

        // The receipts say what is still owed, never a negative change.
        ReceiptData r = d.desk.receiptData();
        EXPECT_TRUE(Lines(PaymentReceiptLayout(r)).contains("Kurang bayar:  Rp.******2000"));
        EXPECT_TRUE(Lines(MediumReceiptLayout(r))
                        .join('\n')
                        .contains("(__________)     Kurang bayar : Rp.******2000"));
        for (const QString& line : Lines(PaymentReceiptLayout(r)) + Lines(MediumReceiptLayout(r)))
            EXPECT_FALSE(line.contains("-2000")) << line.toStdString();
    }
    const struct {
        QString date;
        QDateTime at;
        std::int64_t pay;
        QString sisa;
    } days[] = {{"2016-03-08", QDateTime(QDate(2016, 3, 8), QTime(10, 0)), 1500, "500"},
                {"2016-03-09", QDateTime(QDate(2016, 3, 9), QTime(11, 0)), 500, "0"}};
    for (const auto& c : days) {
        day(c.date, c.at);
        DeskDriver d(env);
        d.scanMember("M01");
        EXPECT_TRUE(d.button("payDebts")->isEnabled());
        EXPECT_FALSE(d.desk.addDebtPayment(2001)) << "more than is open";
        ASSERT_TRUE(d.desk.addDebtPayment(c.pay));
        EXPECT_FALSE(d.button("payDebts")->isEnabled()) << "one payment per cart";
        EXPECT_EQ(d.label("netto"), QString::number(c.pay));
        d.click("save");
        ASSERT_TRUE(d.desk.isSaved()) << Told(env).join('\n').toStdString();
        EXPECT_EQ(open(), c.sisa);
        EXPECT_EQ(d.desk.openDebtTotal(), c.sisa.toLongLong());
    }
    EXPECT_EQ(env.rows("select Tanggal, Jumlah from TanggunganBayar order by Id"),
              QStringList({"2016-03-08|1500", "2016-03-09|500"}));
    EXPECT_EQ(env.scalar("select sum(Masuk) from Kas where Kategori='Penerimaan Tanggungan'"), "2000");
    EXPECT_EQ(env.scalar("select count(*) from TransPerpus"), "1") << "a payment is no movement";
    EXPECT_EQ(env.scalar("select sum(Masuk - Keluar) from Kas"), "22000");  // all that came in

    // "Laporan Tanggungan" sees each day as it was: payments after the date do not count.
    for (const auto& [date, open] : {std::pair<QString, QStringList>{"2016-03-06", {}},
                                     {"2016-03-07", {"M01|Budi|2016-03-07|2000|2000|0"}},
                                     {"2016-03-08", {"M01|Budi|2016-03-07|2000|500|1"}},
                                     {"2016-03-09", {}}})
        EXPECT_EQ(env.rows(kOpenDebtsAtSql, {date}), open) << date.toStdString();
}

// The administrator takes most of a fine off at the desk: the rest is booked, the
// waiver kept with its reason and operator; nobody else may.
TEST_F(DebtTest, FineWaivedAtTheDeskIsKeptAndNeverBooked) {
    for (const QString ops : {"ani", "admin"}) {
        env.ctx().currentOperator = ops;
        DeskDriver d(env);
        d.scanMember("M01");
        d.desk.appendCartRow("T1", "Matematika", "66", "622000", kTransReturn, "2016-01-01");
        d.desk.recomputeTotals();
        const bool admin = ops == "admin";
        EXPECT_EQ(d.button("waiveFine")->isEnabled(), admin);
        EXPECT_FALSE(d.desk.waiveFine(0, 600000, " ")) << "no reason";
        EXPECT_FALSE(d.desk.waiveFine(0, 622001, "siswa pindah")) << "more than the fine";
        ASSERT_EQ(d.desk.waiveFine(0, 600000, "siswa pindah"), admin);
        if (!admin) continue;
        EXPECT_EQ(d.label("netto"), "22000");
        d.click("save");
        ASSERT_TRUE(d.desk.isSaved()) << Told(env).join('\n').toStdString();
    }
    EXPECT_EQ(kas(), QStringList({"201603070905021|Penerimaan Administrasi Peminjaman|22000|0"}));
    EXPECT_EQ(env.rows("select Id, IdTrans, Jumlah, Alasan, Ops from HapusDenda"),
              QStringList({"20160307090502-1|T1|600000|siswa pindah|admin"}));
}

// Two copies of the program pay the same debt: the second finds it paid and books nothing.
TEST_F(DebtTest, TwoCopiesPayingOneDebtBookItOnce) {
    env.exec("insert into Tanggungan values ('D1','2016-03-01','M01',2000,2000,'admin')");
    DeskDriver d(env);
    d.scanMember("M01");
    ASSERT_TRUE(d.desk.addDebtPayment(2000));

    auto other = Database::open(env.ctx().databasePath, nullptr);
    ASSERT_TRUE(other);
    SaveRequest rq{"20160307090400", "2016-03-07", "ani", "M01", "Budi", "0", 2000};
    ASSERT_TRUE(SaveCart(*other, d.desk.cart(), rq).ok);
    const QStringList before = env.rows("select * from Kas") + env.rows("select * from TanggunganBayar");

    d.click("save");
    EXPECT_FALSE(d.desk.isSaved());
    EXPECT_TRUE(Told(env).last().contains("sudah dibayar atau dihapus")) << Told(env).last().toStdString();
    EXPECT_EQ(env.rows("select * from Kas") + env.rows("select * from TanggunganBayar"), before);
    EXPECT_EQ(env.scalar("select Sisa from Tanggungan"), "0");
}

TEST_F(DebtTest, WaiverNeedsAReasonAndNeverExceedsWhatIsOpen) {
    env.exec("insert into Tanggungan values ('D1','2016-03-01','M01',2000,2000,'admin')");
    const struct {
        std::int64_t amount;
        QString reason;
        WaiverResult result;
        QString sisa;
    } cases[] = {
        {500, "  ", WaiverResult::NoReason, "2000"},
        {0, "siswa pindah", WaiverResult::BadAmount, "2000"},
        {1'000'000'000'000, "siswa pindah", WaiverResult::BadAmount, "2000"},
        {2001, "siswa pindah", WaiverResult::NotOpen, "2000"},
        {1500, "keringanan", WaiverResult::Ok, "500"},
        {500, "lunas dihapus", WaiverResult::Ok, "0"},
        {1, "lagi", WaiverResult::NotOpen, "0"},
    };
    for (const auto& c : cases) {
        const Waiver w{"D1", "M01", c.amount, c.reason, "admin", "20160307090502"};
        EXPECT_EQ(WaiveDebt(env.db(), w), c.result) << c.amount;
        EXPECT_EQ(env.scalar("select Sisa from Tanggungan"), c.sisa) << c.amount;
    }
    EXPECT_EQ(
        env.rows("select Id, Jumlah, Alasan, Ops from HapusDenda order by Id"),
        QStringList({"20160307090502-1|1500|keringanan|admin", "20160307090502-2|500|lunas dihapus|admin"}));
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "0") << "nothing came in";
}

TEST(DebtAllocationTest, OldestFirstAndNeverMoreThanOpen) {
    const std::vector<OpenDebt> debts = {{"A", "2016-01-01", 300}, {"B", "2016-02-01", 700}};
    const auto amounts = [&](std::int64_t pay) {
        QStringList out;
        for (const DebtPart& p : AllocatePayment(debts, pay)) out << p.id + "=" + QString::number(p.amount);
        return out;
    };
    EXPECT_EQ(amounts(200), QStringList({"A=200"}));
    EXPECT_EQ(amounts(500), QStringList({"A=300", "B=200"}));
    EXPECT_EQ(amounts(1000), QStringList({"A=300", "B=700"}));
    EXPECT_EQ(amounts(1001), QStringList());
    EXPECT_EQ(amounts(0), QStringList());
    EXPECT_EQ(amounts(-5), QStringList());
}

#include "printing/print_runner.h"

#include <gtest/gtest.h>

#include "printing/receipt_layout.h"
#include "printing/receipts.h"
#include "printing/voucher.h"
#include "printing/voucher_layout.h"
#include "support/fixture.h"
#include "support/qstring_print.h"

namespace zelkor {
namespace {

using test::DbTest;

// Logs every call in order; fails at the step named in failAt.
class CallLog : public Printers {
  public:
    QStringList calls;
    QString failAt;

    std::unique_ptr<PrintContext> create() override { return std::make_unique<Context>(*this); }

  private:
    class Context : public PrintContext {
      public:
        explicit Context(CallLog& log) : log_(log) {}
        bool open() override { return step("Open"); }
        bool startDoc(const QString& name) override { return step("StartDoc(" + name + ")"); }
        bool startPage() override { return step("StartPage"); }
        void setFont(const QString& face, int points) override {
            step("SetFont(" + face + "," + QString::number(points) + ")");
        }
        bool printText(int x, int y, const QString& text) override {
            return step(QString("PrintText(%1,%2,%3)").arg(x).arg(y).arg(text));
        }
        bool endPage() override { return step("EndPage"); }
        bool endDoc() override { return step("EndDoc"); }
        void release() override { step("Release"); }
        QString lastError() const override { return "kertas habis"; }

      private:
        bool step(const QString& call) {
            log_.calls << call;
            return !call.startsWith(log_.failAt) || log_.failAt.isEmpty();
        }
        CallLog& log_;
    };
};

ReceiptData Desk(test::TestEnv& env, const QString& jumlah) {
    ReceiptData d;
    FillReceiptContext(d, env.ctx());
    d.memberName = "Budi";
    d.memberCategory = "Siswa";
    d.rows = {{"1", "B001", "Matematika", {}, jumlah, "PINJAM", "2016-03-14"}};
    d.jumlah = d.netto = d.dibayar = jumlah;
    d.potongan = d.sisa = "0";
    return d;
}

TEST(PrintRunner, OneJobInTheOrderThePrinterExpects) {
    CallLog log;
    PrintLayout l{"Courier New", 8, {{10, 15, "satu"}, {10, 115, "dua"}}};
    EXPECT_TRUE(PrintLayoutJob(log, l));
    EXPECT_EQ(log.calls, QStringList({"Open", "StartDoc(Untitled)", "StartPage", "SetFont(Courier New,8)",
                                      "PrintText(10,15,satu)", "PrintText(10,115,dua)", "EndPage", "EndDoc",
                                      "Release"}));
}

TEST(PrintRunner, StopsAtTheFailingStepAndStillReleases) {
    const struct {
        const char* failAt;
        int callsBeforeRelease;
    } cases[] = {{"Open", 1}, {"StartDoc", 2}, {"PrintText(10,115", 6}, {"EndDoc", 9}};
    for (const auto& c : cases) {
        CallLog log;
        log.failAt = c.failAt;
        QString why;
        PrintLayout l{"Courier New", 8, {{10, 15, "satu"}, {10, 115, "dua"}, {10, 215, "tiga"}}};
        EXPECT_FALSE(PrintLayoutJob(log, l, &why)) << c.failAt;
        EXPECT_EQ(why, "kertas habis");
        ASSERT_EQ(log.calls.size(), c.callsBeforeRelease + 1) << c.failAt;
        EXPECT_EQ(log.calls.last(), "Release");
    }
}

TEST_F(DbTest, ReceiptTakesTheRunFromTheContext) {
    env.clock.set(QDateTime(QDate(2016, 3, 8), QTime(0, 0, 5)));  // printed after midnight
    ReceiptData d;
    FillReceiptContext(d, env.ctx());
    EXPECT_EQ(d.libraryName, "Perpus Harapan");
    EXPECT_EQ(d.libraryEmail, "perpus@harapan.sch.id");
    EXPECT_EQ(d.todayText, "2016-03-07");  // fixed for the run
    EXPECT_EQ(d.printDate, "08-03-2016");  // the computer's date
    EXPECT_EQ(d.clockText, "00:00:05");
    EXPECT_EQ(d.currentOperator, "admin");
}

// The small receipts: the loan receipt, and the payment receipt only when
// something is charged.
TEST_F(DbTest, SmallReceiptsPrintLoanAndPaymentWhenSomethingIsCharged) {
    for (const char* charge : {"7500", "0"}) {
        env.printers.jobs.clear();
        const ReceiptData d = Desk(env, charge);
        EXPECT_TRUE(PrintDeskReceipts(env.ctx(), d, ReceiptKind::Small));
        std::vector<PrintLayout> expected = {LoanReceiptLayout(d)};
        if (QString(charge) != "0") expected.push_back(PaymentReceiptLayout(d));
        ASSERT_EQ(env.printers.jobs.size(), expected.size()) << charge;
        for (std::size_t j = 0; j < expected.size(); ++j) {
            const test::PrintJob& job = env.printers.jobs[j];
            EXPECT_EQ(job.docName, "Untitled");
            EXPECT_EQ(job.pages, 1);
            EXPECT_TRUE(job.ended);
            ASSERT_EQ(job.lines.size(), expected[j].lines.size());
            for (std::size_t i = 0; i < job.lines.size(); ++i) {
                EXPECT_EQ(job.lines[i].text, expected[j].lines[i].text);
                EXPECT_EQ(job.lines[i].y, expected[j].lines[i].y);
                EXPECT_EQ(job.lines[i].face, "Courier New");
                EXPECT_EQ(job.lines[i].points, 8);
            }
        }
    }
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(DbTest, VoucherCarriesTheFormsValuesAndToday) {
    env.clock.set(QDateTime(QDate(2016, 12, 5), QTime(14, 30, 12)));
    EXPECT_TRUE(PrintVoucher(env.ctx(), "2016120514301201", "_______________________", "Iuran", 1500000,
                             "Donasi", "________________"));
    ASSERT_EQ(env.printers.jobs.size(), 1u);
    const test::PrintJob& job = env.printers.jobs[0];
    EXPECT_EQ(job.lines[0].text, QString(26, ' ') + "PERPUS HARAPAN");  // the run's identity
    EXPECT_EQ(job.lines[4].text, " No.              : 2016120514301201");
    EXPECT_EQ(job.lines[12].text, QString(30, ' ') + "_______________, " + "05 Desember 2016");
}

}  // namespace
}  // namespace zelkor

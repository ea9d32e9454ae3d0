// A voucher booked through the income form and printed on the real default
// printer (the CUPS PDF queue), read back from the job as the program sent it.
#include <gtest/gtest.h>
#include <QUuid>

#include "db/schema.h"
#include "journal_driver.h"
#include "printing/qt_printers.h"
#include "support/cups_jobs.h"

namespace zelkor::test {
namespace {

TEST(VoucherOnThePrinter, ReadsBackWithTheAmountInWords) {
    if (const QString why = CupsMissing(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    TestEnv env;
    QtPrinters printers;  // the system's default printer
    AppContext ctx(Database::open(env.dir() + "/voucher.db", nullptr),
                   AppServices{env.messages, env.clock, env.files, printers});
    ASSERT_TRUE(ApplySchema(ctx.db()).ok);
    ctx.todayText = "2016-03-07";
    ctx.currentOperator = "admin";
    ctx.libraryName = "Perpus Harapan";
    ctx.libraryAddress = "Jl. Merdeka No. 5";
    ctx.libraryPhone = "0211234567";
    // The purpose names this test's job among those of parallel runs.
    const QString token = "Z" + QUuid::createUuid().toString(QUuid::Id128).left(12).toUpper();

    const QSet<QString> before = SpoolFiles();
    env.messages.answers = {MsgAnswer::Yes};
    EntryForm form(ctx, EntrySide::Income);
    Book(form, "Sumbangan", token, "1500000");
    ASSERT_EQ(Told(env), QStringList({"Entry Data..: Data berhasil disimpan..", "Print?: Cetak Kwitansi?"}));

    const QString job = FindJob(before, token);
    ASSERT_FALSE(job.isEmpty()) << "no job in " << kSpool.toStdString() << " holds the voucher";
    // Courier at 10 points: 6 points a character keeps every column.
    const QString text = Output("pdftotext", {"-fixed", "6", job, "-"});
    for (const QString& line : QStringList{" PERPUS HARAPAN", " No.              : 2016030709050201",
                                           " Untuk Pembayaran : " + token, "                  : Sumbangan",
                                           " Terbilang        :  satu juta lima ratus  ribu  rupiah",
                                           "                  : Rp.    1500000"})
        EXPECT_TRUE(text.contains(line)) << "[" << line.toStdString() << "]\n" << text.toStdString();
}

}  // namespace
}  // namespace zelkor::test

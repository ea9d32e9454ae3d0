// The real print path: a CUPS queue with the PDF printer as the default printer
// (scripts/start-printer.sh sets it up and keeps job files in the spool). Each
// test prints through QtPrinters and reads the job back exactly as the program
// sent it. Without CUPS the tests are skipped, saying why.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QUuid>

#include "printing/print_runner.h"
#include "printing/qt_printers.h"
#include "printing/receipt_layout.h"
#include "support/cups_jobs.h"
#include "support/qstring_print.h"

namespace zelkor {
namespace {

using test::CupsMissing;
using test::FindJob;
using test::kSpool;
using test::Output;
using test::RunTool;
using test::SpoolFiles;

QString RightTrimmed(QString s) {
    while (!s.isEmpty() && s.back().isSpace()) s.chop(1);
    return s;
}

// Read in the font's own pitch, every character of the job lands in its column:
// each drawn line must come back whole, spaces included, in order, and all of
// them behind the same left margin.
void ExpectLinesInOrder(const PrintLayout& layout, const QString& job) {
    const double pitch = layout.points * 0.6;  // Courier's advance is 0.6 em
    const QString text = Output("pdftotext", {"-fixed", QString::number(pitch), job, "-"});
    QStringList got;
    for (const QString& line : text.split('\n')) got << RightTrimmed(line);
    int at = 0, margin = -1;
    for (const PrintLine& line : layout.lines) {
        const QString want = RightTrimmed(line.text);
        if (want.trimmed().isEmpty()) continue;
        int found = -1;
        for (int i = at; i < got.size() && found < 0; ++i) {
            const int m = int(got[i].size() - want.size());
            if (m >= 0 && got[i].endsWith(want) && got[i].left(m).trimmed().isEmpty() &&
                (margin < 0 || m == margin))
                found = i;
        }
        EXPECT_GE(found, 0) << "not found in its columns, in order: [" << want.toStdString()
                            << "]\n--- job text ---\n"
                            << text.toStdString();
        if (found < 0) continue;
        margin = int(got[found].size() - want.size());
        at = found + 1;
    }
}

void ExpectFixedPitchSinglePage(const QString& job) {
    const QString fonts = Output("pdffonts", {job});
    EXPECT_TRUE(fonts.contains("LiberationMono") || fonts.contains("Courier")) << fonts.toStdString();
    const QString info = Output("pdfinfo", {job});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
}

class CupsPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString why = CupsMissing();
        if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
        token_ = "Z" + QUuid::createUuid().toString(QUuid::Id128).left(12).toUpper();
    }
    QString token_;  // makes this test's job its own among those of parallel runs
};

TEST_F(CupsPrint, PaymentReceiptReadsBackLineByLine) {
    // Rows of (no, kode, nama, hari, biaya, trans, tgl); the operator's name finds the job.
    ReceiptData d{"Perpus Harapan",
                  "Jl. Merdeka No. 5",
                  "0211234567",
                  "",
                  "2016-03-07",
                  token_,
                  "",
                  "07-03-2016",
                  "Budi Santoso",
                  "Siswa",
                  {},
                  {},
                  {},
                  {},
                  {},
                  {}};
    d.rows = {{"1", "R001", "", "", "5000", "", ""},
              {"2", "B001", "", "", "0", "", ""},
              {"3", "KUNJUNGAN", "", "", "2500", "", ""}};
    d.jumlah = d.netto = "7500";
    d.potongan = "0";
    d.dibayar = "10000";
    d.sisa = "2500";
    const PrintLayout layout = PaymentReceiptLayout(d);

    const QSet<QString> before = SpoolFiles();
    QtPrinters printers;
    QString why;
    ASSERT_TRUE(PrintLayoutJob(printers, layout, &why)) << why.toStdString();

    const QString job = FindJob(before, token_);
    ASSERT_FALSE(job.isEmpty()) << "no job file in " << kSpool.toStdString()
                                << " holds the receipt; are job files kept (cupsctl PreserveJobFiles=Yes)?";
    ExpectLinesInOrder(layout, job);
    ExpectFixedPitchSinglePage(job);
    EXPECT_TRUE(Output("pdfinfo", {job}).contains(QRegularExpression("Title:\\s+Untitled")));
}

// A receipt roll chosen in the printer settings: the page is the roll's width
// (80 mm is 227 points), and the lines still read back in their columns.
TEST_F(CupsPrint, ReceiptOnARollOfTheChosenWidth) {
    const PrintLayout layout{"Courier New", 8, {{10, 15, token_}, {10, 115, "Total 7500"}}};
    const QSet<QString> before = SpoolFiles();
    QtPrinters printers([] { return QtPrinters::Choice{{}, 80}; });
    QString why;
    ASSERT_TRUE(PrintLayoutJob(printers, layout, &why)) << why.toStdString();
    const QString job = FindJob(before, token_);
    ASSERT_FALSE(job.isEmpty());
    ExpectLinesInOrder(layout, job);
    const QString info = Output("pdfinfo", {job});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+22[67](\\.\\d+)? x"))) << info.toStdString();
}

// A queue of its own that turns jobs down, so the shared default printer is
// never touched while other tests print.
class RefusingQueue : public CupsPrint {
  protected:
    void SetUp() override {
        CupsPrint::SetUp();
        if (IsSkipped()) return;
        queue_ = "ZelkorTolak" + token_;
        if (!RunTool("lpadmin", {"-p", queue_, "-E", "-v", "cups-pdf:/", "-m", "raw"}))
            GTEST_SKIP() << "cannot add a CUPS queue here (lpadmin needs admin rights)";
    }
    void TearDown() override {
        if (!queue_.isEmpty()) RunTool("lpadmin", {"-x", queue_});
    }
    QString queue_;
};

// The queue stops taking jobs while the page is drawn: CUPS's refusal reaches
// EndDoc, which Qt alone would never report. The next job fails at once.
TEST_F(RefusingQueue, RefusalIsReportedAtEndDocThenAtOpen) {
    QtPrinters printers(queue_);
    std::unique_ptr<PrintContext> pc = printers.create();
    ASSERT_TRUE(pc->open()) << pc->lastError().toStdString();
    ASSERT_TRUE(pc->startDoc("Untitled"));
    ASSERT_TRUE(pc->startPage());
    pc->setFont("Courier New", 8);
    EXPECT_TRUE(pc->printText(10, 15, "x"));
    ASSERT_TRUE(RunTool("cupsreject", {queue_}));
    EXPECT_TRUE(pc->endPage());
    EXPECT_FALSE(pc->endDoc());
    EXPECT_TRUE(pc->lastError().startsWith("Printer " + queue_ + " menolak pekerjaan cetak: "))
        << pc->lastError().toStdString();
    pc->release();

    QString why;
    EXPECT_FALSE(PrintLayoutJob(printers, PrintLayout{"Courier New", 8, {{10, 15, "x"}}}, &why));
    EXPECT_EQ(why, "Printer " + queue_ + " tidak menerima pekerjaan cetak.");
}

TEST(QtPrintersWithoutQueue, UnknownPrinterFailsAtOpen) {
    QtPrinters printers("ZelkorTidakAda");
    QString why;
    EXPECT_FALSE(PrintLayoutJob(printers, PrintLayout{"Courier New", 8, {{10, 15, "x"}}}, &why));
    EXPECT_EQ(why, "Printer default tidak ditemukan.");
}

}  // namespace
}  // namespace zelkor

// The report form "Laporan" and the history "HISTORY TRANSAKSI" as an operator uses
// them: the report the main window asks for, a month and a year chosen in the list,
// the grid handed to the browser and the spreadsheet, and the "Hasil" commands and
// HISTORI reusing the one open form.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSpinBox>

#include "program/main_window.h"
#include "reports/history_form.h"
#include "reports/report_form.h"
#include "support/fixture.h"
#include "support/form_driver.h"
#include "ui/grid_view.h"
#include "ui/month_list.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

// A small library whose March 2016 (the fixed clock's month) holds one of every
// kind of movement, and whose March 2015 holds one more.
void addLibrary(TestEnv& env) {
    env.addMember("M1", "Ani", "Siswa");
    env.addMember("M2", "Budi", "Guru");
    env.addMember("M3", "Cici", "Umum");
    env.addTariff("Guru", "1000");
    env.addTariff("Siswa", "500");
    env.addItem("B1", "Laskar Pelangi");  // stock 3
    env.addItem("R1", "Kamus Besar", 0, 2000);
    auto move = [&](const char* id, const char* tgl, const char* member, const char* kode, const char* item,
                    const char* kembali, const char* status, const QVariant& tglReturn) {
        env.exec("insert into TransPerpus values (?, ?, ?, ?, ?, ?, ?, 'siti', ?)",
                 {id, tgl, member, kode, item, kembali, status, tglReturn});
    };
    const QVariant open;
    move("20160302090000", "2016-03-02", "M2", "RENTAL", "R1", "2016-03-04", "1", "2016-03-03");
    move("20160301080000", "2016-03-01", "M1", "PINJAM", "B1", "2016-03-08", "0", open);
    move("20160303100000", "2016-03-03", "M1", "RENTAL", "R1", "2016-03-05", "0", open);
    move("20160304110000", "2016-03-04", "M9", "PINJAM", "B1", "2016-03-11", "0", open);  // member gone
    move("20160305120000", "2016-03-05", "M1", "KUNJUNG", "KUNJUNG", "2016-03-05", "1", "2016-03-05");
    move("20160305120100", "2016-03-05", "M2", "KUNJUNG", "KUNJUNG", "2016-03-05", "1", "2016-03-05");
    move("20160306130000", "2016-03-06", "M3", "KUNJUNG", "KUNJUNG", "2016-03-06", "1", "2016-03-06");
    move("20160220080000", "2016-02-20", "M2", "PINJAM", "B1", "2016-02-27", "1", "2016-03-01");
    move("20150310080000", "2015-03-10", "M3", "PINJAM", "B1", "2015-03-17", "0", open);
    move("20160306140000", "2016-03-06", "M2", "PINJAM", "B1", "2016-03-13", "0", open);
    env.exec(
        "insert into ItemHilang values ('H1', '2016-01-15', 'B1', '1', 'ANI', 'Sobek', 'admin'), "
        "('H2', '2015-11-02', 'R1', '2', 'BUDI', 'Hilang', 'admin')");
    env.exec(
        "insert into Kas values "
        "('K1', '2016-03-03', 'Penerimaan Administrasi Peminjaman', 'Denda Laskar Pelangi', '1500', '0', "
        "'siti'), "
        "('K2', '2016-03-03', 'Penerimaan Rental', 'Rental Kamus Besar', '4000', '0', 'siti'), "
        "('K3', '2016-03-05', 'Penerimaan Administrasi Kunjungan', 'Administrasi Ani', '500', '0', 'siti'), "
        "('K4', '2016-04-01', 'Penerimaan Administrasi Peminjaman', 'Denda April', '500', '0', 'siti')");
}

class ReportFormTest : public DbTest {
  protected:
    void SetUp() override { addLibrary(env); }
    std::unique_ptr<ReportForm> open(const QString& code) {
        env.ctx().reportCode = code;
        auto form = std::make_unique<ReportForm>(env.ctx());
        form->show();
        return form;
    }
    static QString title(ReportForm& f) { return f.findChild<QLabel*>("title")->text(); }
};

}  // namespace

TEST_F(ReportFormTest, EachReportOfTheMonthWithItsTitleAndRows) {
    struct Case {
        QString code, title;
        QStringList rows;
        QString note = {};
    };
    const Case cases[] = {
        // The rental returned in its month is no longer out, and the form says so.
        {"0001",
         "Laporan Transaksi Rental Per : 2016-03",
         {"1.|2016-03-03|Ani|Kamus Besar|2016-03-05|2000"},
         "Rental yang belum dikembalikan"},
        {"0002",
         "Laporan Transaksi Peminjaman Per : 2016-03",
         {"1.|2016-03-01|Ani|Laskar Pelangi|2016-03-08", "2.|2016-03-04||Laskar Pelangi|2016-03-11",
          "3.|2016-03-06|Budi|Laskar Pelangi|2016-03-13"}},
        // By the date of return: February's borrowing too, and the rental as "RENTAL".
        {"0003",
         "Laporan Transaksi Pengembalian Per : 2016-03",
         {"1.|2016-03-03|Budi|Kamus Besar|2016-03-04|RENTAL",
          "2.|2016-03-05|Ani|BERKUNJUNG|2016-03-05|KUNJUNG",
          "3.|2016-03-05|Budi|BERKUNJUNG|2016-03-05|KUNJUNG",
          "4.|2016-03-06|Cici|BERKUNJUNG|2016-03-06|KUNJUNG",
          "5.|2016-03-01|Budi|Laskar Pelangi|2016-02-27|PINJAM"}},
        // Each visitor pays the tariff of his own category; Umum has none.
        {"0004",
         "Laporan Transaksi Kunjungan Per : 2016-03",
         {"1.|2016-03-05|Ani|Siswa|500", "2.|2016-03-05|Budi|Guru|1000", "3.|2016-03-06|Cici|Umum|"}},
        // Stock 3 with 4 open movements (last year's among them): -1 on the shelf.
        {"0005",
         "Laporan Item Perpustakaan Yang Belum Dikembalikan",
         {"1.|B1|Laskar Pelangi|3|4|-1", "2.|R1|Kamus Besar|3|1|2"}},
        {"0006", "Laporan Item Hilang Per : 2016", {"1.|2016-01-15|Laskar Pelangi|1|ANI|Sobek"}},
        // Fines only: the rental and the visit fees of the same days are not fines.
        {"0007",
         "Laporan Penerimaan Sanksi Administrasi Per : 2016-03",
         {"1.|2016-03-03|Denda Laskar Pelangi|1500"}},
    };
    auto form = open("0002");
    QHeaderView* header = form->view()->horizontalHeader();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        env.ctx().reportCode = c.code;
        header->resizeSection(2, 40);  // the widths return with every report
        form->produce();
        EXPECT_NE(header->sectionSize(2), 40);
        EXPECT_EQ(title(*form), c.title);
        EXPECT_EQ(form->title(), c.title);
        EXPECT_EQ(form->note(), c.note);
        EXPECT_EQ(Rows(form->grid()), c.rows);
    }
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(ReportFormTest, OpensOnTheCurrentMonthAndFollowsTheChosenMonthAndYear) {
    auto form = open("0002");
    MonthList* months = form->months();
    EXPECT_EQ(months->list()->currentItem()->text(), "Maret");
    EXPECT_EQ(months->year(), 2016);
    EXPECT_EQ(form->grid().rowCount(), 3);

    months->list()->setCurrentRow(1);  // Februari
    EXPECT_EQ(form->title(), "Laporan Transaksi Peminjaman Per : 2016-02");
    EXPECT_EQ(Rows(form->grid()), QStringList({"1.|2016-02-20|Budi|Laskar Pelangi|2016-02-27"}));

    // Last year's March, which the month list alone could not reach.
    months->list()->setCurrentRow(2);
    months->yearBox()->setValue(2015);
    EXPECT_EQ(form->title(), "Laporan Transaksi Peminjaman Per : 2015-03");
    EXPECT_EQ(Rows(form->grid()), QStringList({"1.|2015-03-10|Cici|Laskar Pelangi|2015-03-17"}));

    // The lost items follow the year; the items not returned follow nothing.
    env.ctx().reportCode = "0006";
    form->produce();
    EXPECT_EQ(form->title(), "Laporan Item Hilang Per : 2015");
    EXPECT_EQ(Rows(form->grid()), QStringList({"1.|2015-11-02|Kamus Besar|2|BUDI|Hilang"}));
    env.ctx().reportCode = "0005";
    months->list()->setCurrentRow(11);
    EXPECT_EQ(form->title(), "Laporan Item Perpustakaan Yang Belum Dikembalikan");
    EXPECT_EQ(form->grid().rowCount(), 2);
}

TEST_F(ReportFormTest, AnUnknownReportCodeChangesNothing) {
    for (const char* code : {"", "0000", "0008", "1", "0001 "}) {
        SCOPED_TRACE(code);
        auto form = open("0003");
        const QStringList rows = Rows(form->grid());
        env.ctx().reportCode = code;
        form->months()->list()->setCurrentRow(0);
        form->produce();
        EXPECT_EQ(form->title(), "Laporan Transaksi Pengembalian Per : 2016-03");
        EXPECT_EQ(Rows(form->grid()), rows);
    }
    // Opened with an unknown code, the form shows its first title and an empty grid.
    auto form = open("9999");
    EXPECT_EQ(form->title(), "Laporan");
    EXPECT_EQ(form->grid().rowCount(), 0);
}

TEST_F(ReportFormTest, BrowserAndSpreadsheetGetTheGridUnderTheTitleLine) {
    env.ctx().programDir = ECHO_MODULE_DIR;
    auto form = open("0007");
    const std::optional<QString> page = form->reportToBrowser();
    ASSERT_TRUE(page);
    EXPECT_EQ(
        page->split(QChar(0x1e)),
        QStringList(
            {"Laporan Penerimaan Sanksi Administrasi Per : 2016-03;Perpus Harapan;Jl. Merdeka No. 5;cclr",
             "No.;Tgl. Trans;Uraian;Rp. Sanksi", "1.,2016-03-03,Denda Laskar Pelangi,1500"}));
    env.ctx().reportCode = "0001";
    form->produce();
    EXPECT_TRUE(form->reportToBrowser()->startsWith(
        "Laporan Transaksi Rental Per : 2016-03 - Rental yang belum dikembalikan;"));
    env.ctx().reportCode = "0007";
    form->produce();
    const std::optional<QString> sheet = form->exportToSpreadsheet();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->endsWith(";1,2016-03-03,Denda Laskar Pelangi,1500")) << sheet->toStdString();
    // A closed form leaves no grid behind for the next export.
    EXPECT_EQ(env.ctx().exportGrid, &form->grid());
    form.reset();
    EXPECT_EQ(env.ctx().exportGrid, nullptr);
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(ReportFormTest, HistoryListsTheChosenMonthInIdOrderWithTheNames) {
    HistoryForm form(env.ctx());
    form.show();
    // A movement is listed under the month it was made, returned or not; a member
    // who is gone leaves an empty name.
    EXPECT_EQ(Rows(form.grid()),
              QStringList({"1.|20160301080000|2016-03-01|PINJAM|Laskar Pelangi|Ani|2016-03-08|siti",
                           "2.|20160302090000|2016-03-02|RENTAL|Kamus Besar|Budi|2016-03-04|siti",
                           "3.|20160303100000|2016-03-03|RENTAL|Kamus Besar|Ani|2016-03-05|siti",
                           "4.|20160304110000|2016-03-04|PINJAM|Laskar Pelangi||2016-03-11|siti",
                           "5.|20160305120000|2016-03-05|KUNJUNG|BERKUNJUNG|Ani|2016-03-05|siti",
                           "6.|20160305120100|2016-03-05|KUNJUNG|BERKUNJUNG|Budi|2016-03-05|siti",
                           "7.|20160306130000|2016-03-06|KUNJUNG|BERKUNJUNG|Cici|2016-03-06|siti",
                           "8.|20160306140000|2016-03-06|PINJAM|Laskar Pelangi|Budi|2016-03-13|siti"}));

    struct Choice {
        int year, row;
        QStringList ids;
    };
    const Choice choices[] = {
        {2016, 1, {"20160220080000"}},
        {2016, 11, {}},  // December of this year: nothing yet
        {2015, 11, {}},
        {2015, 2, {"20150310080000"}},
    };
    for (const Choice& c : choices) {
        form.months()->yearBox()->setValue(c.year);
        form.months()->list()->setCurrentRow(c.row);
        QStringList ids;
        for (int r = 0; r < form.grid().rowCount(); ++r) ids << form.grid().cell(r, 1);
        EXPECT_EQ(ids, c.ids) << c.year << " " << c.row;
    }

    env.ctx().programDir = ECHO_MODULE_DIR;
    const std::optional<QString> page = form.reportToBrowser();
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->startsWith("LAPORAN HISTORY TRANSAKSI;Perpus Harapan;Jl. Merdeka No. 5;clclllcl"));
}

TEST_F(ReportFormTest, HistoryShowsAnotherMonthOrYearFromItsFirstRow) {
    for (const char* month : {"2015-02", "2016-02", "2016-03"})
        for (int i = 10; i < 50; ++i)
            env.exec("insert into TransPerpus values (?, ?, 'M1', 'PINJAM', 'B1', ?, '1', 'siti', ?)",
                     {QString("%1-%2").arg(month).arg(i), QString(month) + "-01", QString(month) + "-08",
                      QString(month) + "-02"});
    HistoryForm form(env.ctx());
    form.show();
    QScrollBar* bar = form.view()->verticalScrollBar();
    const std::function<void()> choices[] = {[&] { form.months()->list()->setCurrentRow(1); },
                                             [&] { form.months()->yearBox()->setValue(2015); }};
    for (const auto& choose : choices) {
        ASSERT_GT(bar->maximum(), 0);
        bar->setValue(bar->maximum());
        choose();
        EXPECT_EQ(bar->value(), 0);
    }
}

TEST_F(ReportFormTest, HasilCommandsAndHistoriReuseTheOpenForm) {
    MainWindow window(env.ctx());
    window.setLoginStep([](MainWindow&) { return true; });
    ASSERT_TRUE(window.finishCreation());
    window.show();
    auto forms = [&](const char* windowClass) {
        int n = 0;
        for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
            n += sub->widget() && sub->widget()->objectName() == windowClass;
        return n;
    };

    window.runCommand(cmd::ReportLostItems);
    ASSERT_EQ(forms(ReportForm::kWindowClass), 1);
    auto* report = qobject_cast<ReportForm*>(window.findChildForm(ReportForm::kWindowClass));
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(env.ctx().reportCode, "0006");
    EXPECT_EQ(report->title(), "Laporan Item Hilang Per : 2016");
    EXPECT_TRUE(report->parentWidget()->isMaximized());

    report->months()->list()->setCurrentRow(1);
    window.runCommand(cmd::ReportLoans);
    EXPECT_EQ(forms(ReportForm::kWindowClass), 1);
    EXPECT_EQ(report->title(), "Laporan Transaksi Peminjaman Per : 2016-02");  // the month chosen in it
    window.runCommand(cmd::ReportFines);
    EXPECT_EQ(report->title(), "Laporan Penerimaan Sanksi Administrasi Per : 2016-02");

    window.runCommand(cmd::History);
    window.runCommand(cmd::ReportVisits);
    EXPECT_EQ(window.mdiArea()->activeSubWindow()->widget(), report);
    EXPECT_EQ(forms(ReportForm::kWindowClass), 1);

    // Closed, the next command opens a new one on the current month.
    report->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(forms(ReportForm::kWindowClass), 0);
    window.runCommand(cmd::ReportRental);
    ASSERT_EQ(forms(ReportForm::kWindowClass), 1);
    EXPECT_EQ(qobject_cast<ReportForm*>(window.findChildForm(ReportForm::kWindowClass))->title(),
              "Laporan Transaksi Rental Per : 2016-03");
}

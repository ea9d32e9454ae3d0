// The start page: every figure and every chart point is what a plain statement over
// the tables counts, on data that crosses midnight, month ends and a year, with an
// empty month; and the page follows a desk save.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QToolButton>

#include "circulation/cart.h"
#include "circulation/desk_save.h"
#include "overview/overview_charts.h"
#include "overview/overview_page.h"
#include "overview/overview_queries.h"
#include "program/main_window.h"
#include "reports/report_queries.h"
#include "support/fixture.h"
#include "support/qstring_print.h"
#include "ui/month_list.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

// The fixture's clock stands at 2016-03-07 09:05:02.
const QString kToday = "2016-03-07";

void addAwkwardLibrary(TestEnv& env) {
    env.addMember("M1", "Ani", "Siswa");
    env.addItem("B1", "Laskar Pelangi");
    env.addItem("B2", "Bumi Manusia");
    env.addItem("R1", "Kamus", 0, 2000);
    env.addTariff("Siswa", "500");
    int n = 0;
    auto move = [&](const QString& stamp, const QString& tgl, const QString& kode, const QString& item,
                    const QString& kembali, const QString& status, const QVariant& tglReturn = {}) {
        env.exec("insert into TransPerpus values (?, ?, 'M1', ?, ?, ?, ?, 'siti', ?)",
                 {stamp + QString::number(++n), tgl, kode, item, kembali, status, tglReturn});
    };
    // A desk left open over midnight keeps the day it started with.
    move("20160306235959", "2016-03-06", "PINJAM", "B1", "2016-03-13", "0");
    move("20160307000001", "2016-03-06", "PINJAM", "B2", "2016-03-06", "0");  // late today
    move("20160307090000", kToday, "PINJAM", "B1", kToday, "0");              // due today: not late
    move("20160307090100", kToday, "RENTAL", "R1", "", "0");                  // no due date: not late
    move("20160307090200", kToday, "KUNJUNG", "KUNJUNG", "", "0");            // a visit is no item out
    move("20160307090300", kToday, "PINJAM", "GONE", "2016-03-01", "0");      // its item is gone
    // Month ends and a year boundary, both ways.
    move("20160229160000", "2016-02-29", "PINJAM", "B1", "2016-03-07", "1", "2016-03-01");
    move("20151231160000", "2015-12-31", "PINJAM", "B2", "2016-01-07", "1", "2016-01-02");
    move("20150401080000", "2015-04-01", "RENTAL", "R1", "2015-04-02", "1", "2015-04-01");
    move("20150331080000", "2015-03-31", "KUNJUNG", "KUNJUNG", "", "0");        // a month before the range
    move("20160307090400", kToday, "PINJAM", "B2", "2016-03-01", "1", kToday);  // returned today
    // Nothing at all in 2015-11.
    int k = 0;
    auto kas = [&](const QString& tanggal, const QString& masuk, const QString& keluar) {
        env.exec("insert into Kas values (?, ?, 'Lain', 'x', ?, ?, 'siti')",
                 {tanggal.left(4) + tanggal.mid(5, 2) + tanggal.mid(8, 2) + QString::number(++k), tanggal,
                  masuk, keluar});
    };
    kas(kToday, "5000", "0");
    kas(kToday, "-1500", "0");  // a discount is a negative Masuk
    kas(kToday, "0", "2500");
    kas("2016-02-29", "700", "0");
    kas("2016-03-01", "0", "300");
    kas("2015-12-31", "1200", "0");
    kas("2016-01-01", "", "abc");  // reads 0 as the journal reads it
}

std::int64_t plain(TestEnv& env, const QString& sql, const QString& prefix) {
    return env.scalar(sql, {prefix}).toLongLong();
}

// Each figure of a range beside the statement that counts it by the first
// characters of the date, reading every row.
struct Counted {
    const char* what;
    std::int64_t RangeFigures::*field;
    const char* sql;
};
const Counted kCounted[] = {
    {"loans", &RangeFigures::loans,
     "select count(*) from TransPerpus where KodeTrans='PINJAM' and substr(TglPinjam,1,length(?1))=?1"},
    {"returns", &RangeFigures::returns,
     "select count(*) from TransPerpus where Status>0 and substr(TglReturn,1,length(?1))=?1"},
    {"rentals", &RangeFigures::rentals,
     "select count(*) from TransPerpus where KodeTrans='RENTAL' and substr(TglPinjam,1,length(?1))=?1"},
    {"visits", &RangeFigures::visits,
     "select count(*) from TransPerpus where KodeTrans='KUNJUNG' and substr(TglPinjam,1,length(?1))=?1"},
    {"cash in", &RangeFigures::cashIn,
     "select cast(total(Masuk) as integer) from Kas where substr(Tanggal,1,length(?1))=?1"},
    {"cash out", &RangeFigures::cashOut,
     "select cast(total(Keluar) as integer) from Kas where substr(Tanggal,1,length(?1))=?1"},
};

TEST(Overview, EveryFigureAndChartPointIsWhatThePlainStatementCounts) {
    TestEnv env;
    addAwkwardLibrary(env);
    Database& db = env.db();

    std::vector<QString> ranges = {kToday, "2016-03-06"};
    std::vector<MonthFigures> year, lastYear;
    ASSERT_TRUE(ReadTwelveMonths(db, 2016, 3, year));
    ASSERT_TRUE(ReadTwelveMonths(db, 2016, 1, lastYear));  // across the turn of the year
    ASSERT_EQ(year.size(), 12u);
    EXPECT_EQ(MonthPrefix(year.front().year, year.front().month), "2015-04");
    for (const auto* months : {&year, &lastYear})
        for (const MonthFigures& m : *months) {
            RangeFigures again;
            ASSERT_TRUE(ReadRangeFigures(db, MonthPrefix(m.year, m.month), again));
            EXPECT_EQ(again, m.figures);
            ranges.push_back(MonthPrefix(m.year, m.month));
        }
    for (const QString& range : ranges) {
        RangeFigures f;
        ASSERT_TRUE(ReadRangeFigures(db, range, f));
        for (const Counted& c : kCounted)
            EXPECT_EQ(f.*c.field, plain(env, c.sql, range)) << c.what << " " << range.toStdString();
    }
    EXPECT_EQ(year[7].figures, RangeFigures{}) << "2015-11 is empty";

    OpenFigures open;
    ASSERT_TRUE(ReadOpenFigures(db, kToday, open));
    const ReportQuery notReturned = ReportStatement(*FindReport("0005"), 2016, 3);
    EXPECT_EQ(open.itemsOut, env.scalar("select sum(Dipinjam) from (" + notReturned.sql + ")").toLongLong());
    EXPECT_EQ(open.late, env.scalar("select count(*) from TransPerpus where Status<1 and IdItemPerpus in "
                                    "(select Id from ItemPerpus where Id<>'KUNJUNG') and TglKembali<>'' "
                                    "and TglKembali<?",
                                    {kToday})
                             .toLongLong());
    EXPECT_EQ(open.late, 1);
    EXPECT_EQ(open.membersOwing, 0);
    std::int64_t balance = 0;
    ASSERT_TRUE(ReadCashBalance(db, balance));
    EXPECT_EQ(balance,
              env.scalar("select cast(total(Masuk)-total(Keluar) as integer) from Kas").toLongLong());

    // The page draws the same numbers and names every figure with its value.
    OverviewPage page(env.ctx());
    page.refresh();
    const std::vector<double> loans = page.charts()->values(OverviewCharts::Movements, 0);
    ASSERT_EQ(loans.size(), 12u);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(loans[i], double(year[i].figures.loans));
    EXPECT_EQ(page.charts()->values(OverviewCharts::Cash, 1).back(), double(year.back().figures.cashOut));
    EXPECT_EQ(page.charts()->table().cell(11, 1), QString::number(year.back().figures.loans));
    EXPECT_EQ(page.figure(OverviewPage::Late)->accessibleName(), "Terlambat: 1");
    EXPECT_EQ(page.figure(OverviewPage::CashIn)->accessibleName(), "Kas Masuk hari ini: Rp. 3.500");
    EXPECT_FALSE(page.figure(OverviewPage::MembersOwing)->isHidden());

    // The page counts the members who still owe something.
    env.exec(
        "insert into Tanggungan values ('D1','2016-03-01','M1',500,500,'admin'),"
        " ('D2','2016-03-02','M1',200,200,'admin'), ('D3','2016-03-02','M2',100,0,'admin'),"
        " ('D4','2016-03-03','M3',1,1,'admin')");
    ASSERT_TRUE(ReadOpenFigures(db, kToday, open));
    EXPECT_EQ(open.membersOwing, 2);
}

TEST(Overview, FollowsADeskSave) {
    TestEnv env;
    env.addMember("M1", "Ani", "Siswa");
    env.addItem("R1", "Kamus", 0, 2000);
    env.ctx().todayText = kToday;
    OverviewPage page(env.ctx());
    page.refresh();
    EXPECT_FALSE(page.refreshIfChanged());

    GridData cart;
    SetUpCartColumns(cart);
    AppendCartRow(cart, "R1", "Kamus", "2", "2000", kTransRental, "2016-03-09");
    ASSERT_TRUE(SaveCart(env.db(), cart, {"20160307090502", kToday, "siti", "M1", "Ani", ""}).ok);

    EXPECT_TRUE(page.refreshIfChanged());
    EXPECT_EQ(page.figure(OverviewPage::Rentals)->accessibleName(), "Rental hari ini: 1");
    EXPECT_EQ(page.figure(OverviewPage::ItemsOut)->accessibleName(), "Item Dipinjam: 1");
    EXPECT_EQ(page.figure(OverviewPage::CashIn)->accessibleName(), "Kas Masuk hari ini: Rp. 2.000");
    EXPECT_EQ(page.charts()->values(OverviewCharts::Cash, 0).back(), 2000.0);
}

TEST(Overview, EachFigureOpensTheListItCounts) {
    TestEnv env;
    addAwkwardLibrary(env);
    MainWindow window(env.ctx());
    window.setLoginStep([](MainWindow&) { return true; });
    ASSERT_TRUE(window.finishCreation());
    OverviewPage* page = window.overview();
    ASSERT_NE(page, nullptr);
    QCoreApplication::processEvents();  // the page reads the library once the window is up
    EXPECT_EQ(page->figure(OverviewPage::Loans)->accessibleName(), "Peminjaman hari ini: 3");

    struct Case {
        OverviewPage::Figure figure;
        const char* form;    // the window class of the child opened
        const char* title;   // its title
        const char* report;  // ReportCode afterwards
    };
    const Case cases[] = {
        {OverviewPage::Loans, "FORM_ZELKOR_FORM10_CLASS", "HISTORY TRANSAKSI 2016-03-07", ""},
        {OverviewPage::Returns, "FORM_ZELKOR_FORM13_CLASS", "Laporan", "0003"},
        {OverviewPage::Late, "FORM_ZELKOR_FORM13_CLASS", "Laporan", "0005"},
        {OverviewPage::CashOut, "FORM_ZELKOR_FORM15_CLASS", "Jurnal Kas", "0005"},
    };
    for (const Case& c : cases) {
        page->figure(c.figure)->click();
        const QWidget* form = window.findChildForm(c.form);
        ASSERT_NE(form, nullptr) << c.form;
        EXPECT_EQ(form->windowTitle(), c.title);
        EXPECT_EQ(env.ctx().reportCode, c.report);
    }
}

}  // namespace

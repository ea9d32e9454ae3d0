// "Jurnal Kas" as the operator uses it: a month listed with the balances of the
// whole journal, the balance line of an empty month, looking at a line, deleting
// one and the export buttons.
#include <gtest/gtest.h>
#include <QScrollBar>
#include <QTableView>

#include "journal_driver.h"
#include "support/other_copy.h"

namespace zelkor::test {
namespace {

class JournalFormTest : public ::testing::Test {
  protected:
    // The clock stands at 2016-03-07; March has five lines, earlier months two.
    void addLines(JournalDriver& j) {
        j.line("2015120100000001", "2015-12-01", "10000", "0");
        j.line("2016020100000001", "2016-02-01", "0", "2500");
        j.line("2016030100000001", "2016-03-01", "1500", "0", "Sumbangan", "Buku bekas");
        j.line("201603020800001", "2016-03-02", "-500", "0", "Potongan", "Potongan");
        j.line("2016030309000002", "2016-03-03", "0", "700", "ATK", "Kertas");
        j.line("2016030409000001", "2016-03-04", "0", "0", "Lain", "Nol");
        j.line("2016030509000001", "2016-03-05", "200", "0");
    }
    const QStringList march = {
        "1.|2016030100000001|2016-03-01|Sumbangan|Saldo lalu + Buku bekas|1500|0|9000|siti",
        "2.|201603020800001|2016-03-02|Potongan|Potongan|-500|0|8500|siti",
        "3.|2016030309000002|2016-03-03|ATK|Kertas|0|700|7800|siti",
        "4.|2016030409000001|2016-03-04|Lain|Nol|0|0|7800|siti",
        "5.|2016030509000001|2016-03-05|Sumbangan|Uraian|200|0|8000|siti"};
    TestEnv env;
};

TEST_F(JournalFormTest, OpensOnTheCurrentMonthWithTheBalancesOfTheWholeJournal) {
    {
        JournalDriver empty(env);  // no lines yet: nothing listed
        EXPECT_EQ(empty.rows(), QStringList());
    }
    JournalDriver seed(env);
    addLines(seed);
    JournalDriver j(env);
    EXPECT_EQ(QList<int>({j.form.months()->month(), j.form.months()->year()}), QList<int>({3, 2016}));
    EXPECT_EQ(j.rows(), march);
}

// An empty month shows nothing on opening; choosing it shows the balance brought
// forward to its end, empty before the first line. Last year's months list too.
TEST_F(JournalFormTest, EmptyMonthsAndOtherYears) {
    JournalDriver seed(env);
    addLines(seed);
    env.clock.set(QDateTime(QDate(2016, 5, 10), QTime(8, 0)));
    JournalDriver j(env);
    EXPECT_EQ(j.rows(), QStringList());
    j.chooseMonth(5);
    EXPECT_EQ(j.rows(), QStringList({"1|||Saldo|Saldo yang lalu|||8000|"}));
    j.chooseYear(2015);
    j.chooseMonth(1);
    EXPECT_EQ(j.rows(), QStringList({"1|||Saldo|Saldo yang lalu||||"}));
    j.chooseMonth(12);
    EXPECT_EQ(
        j.rows(),
        QStringList({"1.|2015120100000001|2015-12-01|Sumbangan|Saldo lalu + Uraian|10000|0|10000|siti"}));
    j.chooseYear(2016);  // the month stays, the year changes
    EXPECT_EQ(j.rows(), QStringList({"1|||Saldo|Saldo yang lalu|||8000|"}));
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(JournalFormTest, AnotherMonthOrYearIsShownFromItsFirstLine) {
    JournalDriver seed(env);
    for (const char* month : {"2015-02", "2016-02", "2016-03"})
        for (int i = 10; i < 50; ++i)
            seed.line(QString("%1-%2").arg(month).arg(i), QString("%1-%2").arg(month, "01"), "100", "0");
    JournalDriver j(env);
    QScrollBar* bar = Child<QTableView>(&j.form, "journal")->verticalScrollBar();
    const std::function<void()> choices[] = {[&] { j.chooseMonth(2); }, [&] { j.chooseYear(2015); }};
    for (const auto& choose : choices) {
        ASSERT_GT(bar->maximum(), 0);
        bar->setValue(bar->maximum());
        choose();
        EXPECT_EQ(bar->value(), 0);
    }
}

TEST_F(JournalFormTest, DeleteLeavesTheOtherLinesAsShownUntilTheMonthIsChosenAgain) {
    JournalDriver j(env);
    addLines(j);
    j.chooseMonth(3);
    j.clickRow(2);
    j.opened.clear();
    env.messages.answers = {MsgAnswer::No};
    j.press("delete");
    EXPECT_EQ(j.rows(), march);
    env.messages.answers = {MsgAnswer::Yes};
    j.press("delete");
    EXPECT_EQ(Told(env).last(), kDeleteQuestion);
    EXPECT_EQ(env.messages.shown.back().icon, MsgIcon::Question);
    EXPECT_EQ(env.scalar("select count(*) from Kas where Id='2016030309000002'"), "0");
    EXPECT_EQ(j.rows(), QStringList({march[0], march[1], march[3], march[4]}));

    // Nothing selected now: no question, nothing deleted.
    const auto asked = env.messages.shown.size();
    j.press("delete");
    EXPECT_EQ(env.messages.shown.size(), asked);
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "6");

    j.chooseMonth(3);
    EXPECT_EQ(Column(j.form.grid(), JournalForm::ColNo), QStringList({"1.", "2.", "3.", "4."}));
    EXPECT_EQ(Column(j.form.grid(), JournalForm::ColSaldo), QStringList({"9000", "8500", "8500", "8700"}));
}

// Another copy of the program holds the write lock longer than this one waits
// to begin, and lets it go before a second wait would end: the delete is
// refused with SQLite's reason, and the line is still in Kas.
TEST_F(JournalFormTest, DeleteThatCannotBeginDeletesNothing) {
    JournalDriver j(env);
    addLines(j);
    j.chooseMonth(3);
    j.clickRow(2);
    std::thread other = HoldLockFor(env.ctx().databasePath, "begin immediate", 3000);
    env.messages.answers = {MsgAnswer::Yes};
    j.press("delete");
    other.join();
    EXPECT_EQ(Told(env).last(), "Info: SQL error: database is locked");
    EXPECT_EQ(env.scalar("select count(*) from Kas where Id='2016030309000002'"), "1");
    EXPECT_EQ(j.rows(), march);
}

TEST_F(JournalFormTest, TheBalanceLineIsNoJournalLine) {
    JournalDriver j(env);
    j.line("", "2015-01-01", "5", "0");  // an old line without a code
    j.chooseMonth(4);
    j.clickRow(0);
    j.press("delete");
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "1");
    EXPECT_EQ(j.opened, QStringList());
}

// A line is shown in the form of its side, as it is, and nothing in the form can
// change it; a line without money opens nothing.
TEST_F(JournalFormTest, ClickingALineShowsItInItsForm) {
    JournalDriver j(env);
    addLines(j);
    j.chooseMonth(3);
    QStringList shown;
    j.script = [&](EntryForm& f) {
        EXPECT_TRUE(f.viewing() && Field(f, "amount")->isReadOnly());
        EXPECT_FALSE(Child<QPushButton>(&f, "save")->isEnabled());
        f.save();
        shown = Shown(f);
    };
    struct Case {
        int row;
        const char* opens;
        QStringList shows;
    };
    const Case cases[] = {
        {2,
         "FORM_ZELKOR_FORMREKKELUAR_CLASS view",
         {"2016-03-03", "ATK", "", "2016030309000002", "Kertas", "700"}},
        {0,
         "FORM_ZELKOR_FORMREKMASUK_CLASS view",
         {"2016-03-01", "Sumbangan", "", "2016030100000001", "Buku bekas", "1500"}},
        {3, "", {}},  // both amounts 0
        {1, "", {}},  // a discount: a negative Masuk
    };
    for (const Case& c : cases) {
        j.opened.clear();
        shown.clear();
        env.ctx().gridFollowFlag = 7;
        j.clickRow(c.row);
        EXPECT_EQ(j.opened, c.opens[0] ? QStringList{c.opens} : QStringList()) << c.row;
        EXPECT_EQ(shown, c.shows) << c.row;
        EXPECT_EQ(env.ctx().gridFollowFlag, c.opens[0] ? 1 : 0) << c.row;
    }
    // Enter on the selected line does what a click does.
    j.opened.clear();
    j.form.view()->selectRow(4);
    QTest::keyClick(j.form.view(), Qt::Key_Return);
    EXPECT_EQ(j.opened, QStringList{"FORM_ZELKOR_FORMREKMASUK_CLASS view"});
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(j.rows(), march);
}

TEST_F(JournalFormTest, ExportButtonsHandTheJournalGridOver) {
    JournalDriver j(env);
    addLines(j);
    j.chooseMonth(3);
    j.press("spreadsheet");
    EXPECT_EQ(env.ctx().exportGrid, &j.form.grid());
    j.press("browser");
    // No export module here: the operator is told, and the journal stays.
    EXPECT_EQ(Told(env), QStringList({"Export To excel..: tidak dapat membaca library..",
                                      "Export To excel..: tidak dapat membaca library.."}));
    EXPECT_EQ(j.rows(), march);
}

}  // namespace
}  // namespace zelkor::test

// "Jurnal Penerimaan" and "Jurnal Pengeluaran" opened from the journal: the codes
// they propose, the checks of a save, the line appended to the journal, the
// voucher, and a line being looked at that is never written.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "journal_driver.h"

namespace zelkor::test {
namespace {

const char* const kIncome = "income";

// The text a print job drew at height y.
QString PrintedAt(const PrintJob& job, int y) {
    for (const PrintedLine& l : job.lines)
        if (l.y == y) return l.text;
    return "(none)";
}

const char* const kExpense = "expense";

class EntryFormTest : public ::testing::Test {
  protected:
    // Opens the form of `button` and runs `script` in it.
    void inForm(const char* button, std::function<void(EntryForm&)> script) {
        j.script = std::move(script);
        j.press(button);
        j.script = nullptr;
    }
    QStringList kasRows() { return env.rows("select * from Kas order by Id"); }

    TestEnv env;
    JournalDriver j{env};
};

TEST_F(EntryFormTest, ProposedCodesEndInTheirSidesSuffix) {
    for (const auto& c : {std::pair{kIncome, "01"}, std::pair{kExpense, "02"}}) {
        env.clock.set(QDateTime(QDate(2016, 3, 7), QTime(9, 5, 2)));
        inForm(c.first, [&](EntryForm& f) {
            EXPECT_EQ(Field(f, "code")->text(), QString("20160307090502") + c.second);
            env.clock.advance(3);
            Book(f, "Sumbangan", "Iuran", "1000");  // saved
            EXPECT_EQ(Field(f, "code")->text(), QString("20160307090505") + c.second);
            env.clock.advance(3);
            Type(f, "amount", "");
            QTest::mouseClick(Child<QPushButton>(&f, "save"), Qt::LeftButton);  // refused
            EXPECT_EQ(Field(f, "code")->text(), QString("20160307090508") + c.second);
        });
    }
    EXPECT_EQ(env.scalar("select group_concat(Id) from Kas"), "2016030709050201,2016030709050202");
}

// Each refusal says why, writes nothing and proposes a fresh code.
TEST_F(EntryFormTest, RequiredFields) {
    struct Case {
        const char* button;
        const char* pick;  // nothing picked when empty
        const char* category;
        const char* code;
        const char* amount;
        const char* message;
    };
    const Case cases[] = {
        {kIncome, "", "", "KODE1", "100", "Gagal menyimpan, kolom yang belum terisi.."},
        {kIncome, "Add Item", "", "KODE1", "100", "Gagal menyimpan, kolom yang belum terisi.."},
        {kIncome, "Add Item", "Hibah", "", "100", "Gagal menyimpan, kolom yang belum terisi.."},
        {kExpense, "Add Item", "", "KODE1", "100", "Gagal menyimpan, kolom Kategori belum terisi.."},
        {kExpense, "Add Item", "ATK", "", "100", "Gagal menyimpan, kolom Kode Jurnal belum terisi.."},
        {kIncome, "Add Item", "Hibah", "KODE1", "", "Gagal menyimpan, kolom Jumlah belum terisi.."},
        {kExpense, "Add Item", "ATK", "KODE1", "000", "Gagal menyimpan, kolom Jumlah belum terisi.."},
    };
    for (const Case& c : cases) {
        env.messages.clear();
        inForm(c.button, [&](EntryForm& f) {
            if (c.pick[0]) Pick(f, c.pick);
            Type(f, "category", c.category);
            Type(f, "code", c.code);
            Type(f, "amount", c.amount);
            QTest::mouseClick(Child<QPushButton>(&f, "save"), Qt::LeftButton);
            EXPECT_EQ(Field(f, "code")->text().size(), 16) << c.message;
        });
        EXPECT_EQ(Told(env), QStringList{QString("Entry Data..: ") + c.message});
    }
    EXPECT_EQ(kasRows(), QStringList());
    EXPECT_EQ(j.rows(), QStringList());
}

TEST_F(EntryFormTest, AmountTakesTwelveDigitsOnly) {
    inForm(kIncome, [&](EntryForm& f) {
        Type(f, "amount", "12ab.3-4 5");
        EXPECT_EQ(Field(f, "amount")->text(), "12345");
        Type(f, "amount", "1234567890123");
        EXPECT_EQ(Field(f, "amount")->text(), "123456789012");
        env.messages.answers = {MsgAnswer::No};
        Book(f, "Dana BOS", "Pencairan", "999999999999");
    });
    EXPECT_EQ(env.scalar("select Masuk from Kas"), "999999999999");
}

// The line saved joins the grid with its balance, then the voucher is offered;
// the form is ready for the next line with its category kept.
TEST_F(EntryFormTest, SavedLinesJoinTheJournalAndPrintTheirVoucher) {
    j.line("2016030100000001", "2016-03-01", "7000", "0", "Sumbangan", "Kas awal");
    j.chooseMonth(3);
    env.messages.answers = {MsgAnswer::Yes};
    inForm(kIncome, [&](EntryForm& f) {
        Book(f, "Sumbangan", "Sumbangan alumni", "1500000");
        // Ready for the next line; its code is made afresh (the clock has not moved).
        EXPECT_EQ(Shown(f),
                  QStringList({"2016-03-07", "Sumbangan", "Sumbangan", "2016030709050201", "", ""}));
    });
    env.clock.advance(60);
    env.messages.answers = {MsgAnswer::No};
    inForm(kExpense, [&](EntryForm& f) { Book(f, "Listrik", "Rekening PLN's", "250000"); });

    EXPECT_EQ(kasRows(),
              QStringList({"2016030100000001|2016-03-01|Sumbangan|Kas awal|7000|0|siti",
                           "2016030709050201|2016-03-07|Sumbangan|Sumbangan alumni|1500000|0|admin",
                           "2016030709060202|2016-03-07|Listrik|Rekening PLN's|0|250000|admin"}));
    EXPECT_EQ(
        j.rows(),
        QStringList({"1.|2016030100000001|2016-03-01|Sumbangan|Saldo lalu + Kas awal|7000|0|7000|siti",
                     "2.|2016030709050201|2016-03-07|Sumbangan|Sumbangan alumni|1500000|0|1507000|admin",
                     "3.|2016030709060202|2016-03-07|Listrik|Rekening PLN's|0|250000|1257000|admin"}));
    EXPECT_EQ(Told(env), QStringList({"Entry Data..: Data berhasil disimpan..", "Print?: Cetak Kwitansi?",
                                      "Entry Data..: Data berhasil disimpan..", "Print?: Cetak Kwitansi?"}));
    EXPECT_EQ(env.messages.shown[1].buttons, MsgButtons::YesNo);

    ASSERT_EQ(env.printers.jobs.size(), 1u);
    const PrintJob& job = env.printers.jobs[0];
    auto at = [&job](int y) { return PrintedAt(job, y); };
    EXPECT_EQ(at(550), " No.              : 2016030709050201");
    EXPECT_EQ(at(950), " Untuk Pembayaran : Sumbangan alumni");
    EXPECT_EQ(at(1050), "                  : Sumbangan");
    EXPECT_EQ(at(1450), "                  : Rp.    1500000");
}

// A new category typed after "Add Item" is saved, printed on the voucher and
// offered the next time.
TEST_F(EntryFormTest, AddItemTakesANewCategory) {
    env.messages.answers = {MsgAnswer::Yes};
    inForm(kIncome, [&](EntryForm& f) {
        EXPECT_EQ(Choices(f), QStringList{"Add Item"});
        Pick(f, "Add Item");
        EXPECT_TRUE(Field(f, "category")->text().isEmpty());
        Book(f, "Hibah Komite", "Hibah", "5000");
    });
    EXPECT_EQ(env.scalar("select Kategori from Kas"), "Hibah Komite");
    ASSERT_EQ(env.printers.jobs.size(), 1u);
    EXPECT_EQ(PrintedAt(env.printers.jobs[0], 1050), "                  : Hibah Komite");
    inForm(kIncome, [&](EntryForm& f) { EXPECT_EQ(Choices(f), QStringList({"Hibah Komite", "Add Item"})); });
    inForm(kExpense, [&](EntryForm& f) { EXPECT_EQ(Choices(f), QStringList{"Add Item"}); });
    // A category typed without a pick in the list is taken as typed.
    env.messages.answers = {MsgAnswer::No};
    env.clock.advance(1);
    inForm(kExpense, [&](EntryForm& f) {
        Type(f, "category", "Honor");
        Type(f, "amount", "75000");
        QTest::mouseClick(Child<QPushButton>(&f, "save"), Qt::LeftButton);
    });
    EXPECT_EQ(env.scalar("select Kategori || '|' || Keluar from Kas where Keluar > 0"), "Honor|75000");
}

// The printer fails: the operator is told, the line stays booked and listed.
TEST_F(EntryFormTest, AVoucherThatCannotBePrintedIsReported) {
    env.printers.failOpen = true;
    env.messages.answers = {MsgAnswer::Yes};
    inForm(kExpense, [&](EntryForm& f) { Book(f, "ATK", "Tinta", "45000"); });
    EXPECT_TRUE(Told(env).last().startsWith("Info: Gagal mencetak")) << Told(env).last().toStdString();
    EXPECT_EQ(env.scalar("select Keluar from Kas"), "45000");
    EXPECT_EQ(j.rows().size(), 1);
}

// The same second twice gives the same code: the database refuses the second line.
TEST_F(EntryFormTest, ASecondLineInTheSameSecondIsRefused) {
    env.messages.answers = {MsgAnswer::No};
    inForm(kIncome, [&](EntryForm& f) {
        Book(f, "Sumbangan", "Satu", "100");
        Book(f, "Sumbangan", "Dua", "200");
    });
    EXPECT_EQ(Told(env).last(), "Info: SQL error: UNIQUE constraint failed: Kas.Id");
    EXPECT_EQ(kasRows().size(), 1);
    EXPECT_EQ(j.rows().size(), 1);
}

// A line entered late for an earlier date takes its place by date: the balances
// of the lines dated after it count it, here and in the months that follow; a line
// of an earlier month belongs to that month's list.
TEST_F(EntryFormTest, ABackDatedLineTakesItsPlaceByDate) {
    j.line("2016030100000001", "2016-03-10", "7000", "0", "Sumbangan", "Kas awal");
    j.chooseMonth(3);
    env.messages.answers = {MsgAnswer::No, MsgAnswer::No};
    inForm(kIncome, [&](EntryForm& f) {
        Child<QDateEdit>(&f, "date")->setDate(QDate(2016, 3, 5));
        Book(f, "Sumbangan", "Terlambat", "100");
    });
    EXPECT_EQ(j.rows(),
              QStringList({"1.|2016030709050201|2016-03-05|Sumbangan|Saldo lalu + Terlambat|100|0|100|admin",
                           "2.|2016030100000001|2016-03-10|Sumbangan|Kas awal|7000|0|7100|siti"}));
    EXPECT_EQ(j.form.grid().selectedRow(), 0);
    env.clock.advance(60);
    inForm(kIncome, [&](EntryForm& f) {
        Child<QDateEdit>(&f, "date")->setDate(QDate(2016, 2, 1));
        Book(f, "Sumbangan", "Februari", "5");
    });
    EXPECT_EQ(Column(j.form.grid(), JournalForm::ColSaldo), QStringList({"105", "7105"}));
    // The line of another month is booked there, and listed in that month only.
    j.chooseMonth(2);
    EXPECT_EQ(j.rows(),
              QStringList({"1.|2016030709060201|2016-02-01|Sumbangan|Saldo lalu + Februari|5|0|5|admin"}));
}

}  // namespace
}  // namespace zelkor::test

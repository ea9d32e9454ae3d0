// Closing the till: a deficit and a surplus booked as lines of their own, lines after
// a close belonging to the next, and a close refused when the journal moved meanwhile.
#include <gtest/gtest.h>
#include <QLabel>

#include "cashbook/journal_lines.h"
#include "support/fixture.h"
#include "support/form_driver.h"
#include "till/close_form.h"
#include "till/till_close.h"
#include "till/till_queries.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

void Line(TestEnv& env, const QString& id, const QString& kategori, const QString& masuk,
          const QString& keluar, const QString& ops = "admin", const QString& date = "2016-03-07") {
    env.exec("insert into Kas values (?,?,?,'x',?,?,?)", {id, date, kategori, masuk, keluar, ops});
}

CloseRequest Request(const CloseSummary& s, std::int64_t counted, const QString& stamp) {
    return {"2016-03-07", "admin", stamp, counted, "", "hitung ulang", s.expected(), s.lines};
}

}  // namespace

TEST_F(DbTest, TillCloseBooksTheDifferenceAndLaterLinesGoToTheNextClose) {
    Line(env, "201603070801", "Penerimaan Administrasi Peminjaman", "622000", "0");
    Line(env, "201603070802", "Potongan", "-600000", "0");
    Line(env, "201603070803", "Penerimaan Rental", "6000", "0");
    Line(env, "201603070804", "Biaya ATK", "0", "3000");
    Line(env, "201603070805", "Penerimaan Rental", "9000", "0", "ani");                  // another operator
    Line(env, "201603060806", "Penerimaan Rental", "9000", "0", "admin", "2016-03-06");  // another day

    CloseSummary s;
    ASSERT_TRUE(LoadCloseSummary(env.db(), "admin", "2016-03-07", s).ok);
    QStringList kinds;
    for (const CloseLine& l : s.byKind) kinds << l.kind + "|" + QString::number(l.masuk - l.keluar);
    EXPECT_EQ(kinds,
              QStringList({"Manual|-3000", "Denda pinjaman|622000", "Rental|6000", "Potongan|-600000"}));
    EXPECT_EQ(s.expected(), 25000);

    // Seen 25000, but a line came in before Simpan: nothing is booked.
    CloseRequest stale = Request(s, 20000, "20160307170000");
    Line(env, "201603070807", "Penerimaan Rental", "1000", "0");
    EXPECT_EQ(BookClose(env.db(), stale), CloseResult::Changed);
    EXPECT_EQ(env.scalar("select count(*) from TutupKas"), "0");

    const struct {
        std::int64_t counted;
        QString stamp;
        QString difference;  // Masuk|Keluar of the difference line, empty when none
    } closes[] = {
        {21000, "20160307170001", "0|5000"},  // 26000 in the journal, the drawer 5000 short
        {2500, "20160307180000", "500|0"},    // after the close: 2000 more, the drawer 500 over
    };
    for (const auto& c : closes) {
        if (c.stamp == "20160307180000")
            Line(env, "201603071701", "Penerimaan Administrasi Kunjungan", "2000", "0");
        ASSERT_TRUE(LoadCloseSummary(env.db(), "admin", "2016-03-07", s).ok);
        QString id;
        ASSERT_EQ(BookClose(env.db(), Request(s, c.counted, c.stamp), &id), CloseResult::Ok);
        EXPECT_EQ(env.scalar("select Masuk || '|' || Keluar from Kas where Id = ?", {c.stamp + "03"}),
                  c.difference);
        EXPECT_EQ(env.scalar("select Selisih from TutupKas where Id = ?", {id}),
                  QString::number(c.counted - s.expected()));
        // The close took every open line and its own difference line.
        ASSERT_TRUE(LoadCloseSummary(env.db(), "admin", "2016-03-07", s).ok);
        EXPECT_EQ(s.lines, 0);
        EXPECT_EQ(BookClose(env.db(), Request(s, 0, c.stamp + "9")), CloseResult::Nothing);
    }
    EXPECT_EQ(env.scalar("select count(*) from TutupKasBaris"), "8");

    // The journal's running balance stays what its lines say.
    QString balance;
    ASSERT_TRUE(JournalLineBalance(env.db(), "2016030718000003", balance).ok);
    EXPECT_EQ(balance, env.scalar("select sum(Masuk - Keluar) from Kas"));
}

TEST(TillCountTest, DenominationsAddUpWithinTwelveDigits) {
    EXPECT_EQ(CountedTotal({3, 0, 0, 0, 1, 0, 0, 1}), 305500);
    EXPECT_EQ(CountText({3, 0, 0, 0, 1}), "100000x3, 5000x1");
    EXPECT_EQ(CountedTotal({9'999'999, 0}), 999'999'900'000);
    EXPECT_EQ(CountedTotal({9'999'999, 2}), std::nullopt);
    EXPECT_EQ(CountedTotal({-1}), std::nullopt);
    EXPECT_EQ(CountedTotal({INT64_MAX}), std::nullopt);
}

// The operator's way: the drawer counted by banknote, 5000 short, agreed to, booked.
TEST_F(DbTest, TillCloseFormBooksADrawerFiveThousandShort) {
    Line(env, "201603070801", "Penerimaan Rental", "26000", "0");
    TillCloseForm form(env.ctx());
    form.show();
    EXPECT_EQ(Child<QLabel>(&form, "expected")->text(), "26000");
    Child<QLineEdit>(&form, "count20000")->setText("1");
    Child<QLineEdit>(&form, "count1000")->setText("1");
    EXPECT_EQ(Child<QLabel>(&form, "difference")->text(), "kurang 5000");
    Click(&form, "save");
    EXPECT_EQ(Told(env), QStringList({"Tutup Kas: Tutup Kas admin 2016-03-07: dicatat 26000, dihitung 21000, "
                                      "kurang 5000 (dibukukan di jurnal). Simpan?",
                                      "Tutup Kas: Tutup Kas berhasil disimpan.."}));
    EXPECT_EQ(env.rows("select Dicatat, Dihitung, Selisih, Rincian from TutupKas"),
              QStringList({"26000|21000|-5000|20000x1, 1000x1"}));
    // What the close covered, as its print lists it: the difference line left out.
    EXPECT_EQ(env.rows(kCloseLinesSql, {env.scalar("select Id from TutupKas")}),
              QStringList({"Penerimaan Rental|26000"}));
    EXPECT_EQ(form.closes().rowCount(), 1);
    EXPECT_EQ(Child<QLabel>(&form, "expected")->text(), "0");
}

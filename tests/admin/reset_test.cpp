// "Reset Data": the questions in order, each table on its own answer, and the
// data kept aside before the first table is emptied.
#include <QCheckBox>

#include "admin/data_reset.h"
#include "library_files.h"
#include "support/form_driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kFirst =
    "Confirm Delete: Apakah anda yakin akan reset data?\nPERINGATAN, RESET DATA DAPAT MENGAKIBATKAN "
    "HILANGNYA "
    "ARSIP PENTING MENGENAI INFORMASI REKAMAN DATABASE..";
const QString kSafety = "SebelumReset20160307090502.dataperpus";
const QString kSafetyTold =
    "Info: Data sebelum reset disimpan di file " + kSafety + ", dapat dikembalikan dengan Restore..";

class ResetTest : public DbTest {
  protected:
    void SetUp() override {
        env.addItem("B001", "Laskar Pelangi");
        env.addTariff("Umum", "1500");
        env.addMember("M01", "Budi", "Umum");
        env.exec("insert into TransPerpus (Id, IdMember, KodeTrans) values ('T1', 'M01', 'PINJAM')");
        env.exec("insert into ItemHilang (Id, IdItemPerpus) values ('H1', 'B001')");
        env.exec("insert into Kas (Id, Masuk, Keluar) values ('K1', '1500', '0')");
        env.exec("insert into useradmin (User, Password) values ('admin', 'x')");
    }
    // Ticks the boxes at the given positions (1 to 5), answers the questions in
    // turn and presses Lanjut.
    void reset(std::initializer_list<int> ticked, std::deque<MsgAnswer> answers) {
        DataResetForm form(env.ctx());
        form.show();
        for (int position : ticked) form.choice(position - 1)->setChecked(true);
        env.messages.answers = std::move(answers);
        Click(&form, "proceed");
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    // Row counts of ItemPerpus, Member, TransPerpus, ItemHilang, Kas, useradmin.
    QString counts(Database& db) {
        QStringList out;
        for (const QString& table : LibraryTables()) out << db.scalar("select count(*) from " + table);
        return out.join(' ');
    }
    QString counts() { return counts(env.db()); }
    QString countsIn(const QString& file) {
        return counts(*Database::open(file, nullptr, Database::Mode::ExistingOnly));
    }
    QString safety() const { return env.dir() + "/" + kSafety; }
    void refill() {
        for (const QString& table : LibraryTables()) env.exec("delete from " + table);
        SetUp();
    }
};

}  // namespace

TEST_F(ResetTest, EachTickedTableIsAskedForInOrderAndEmptiedOnYes) {
    using A = MsgAnswer;
    struct Case {
        const char* what;
        std::initializer_list<int> ticked;
        std::deque<MsgAnswer> answers;
        QStringList told;  // after the first question
        const char* left;
    } cases[] = {
        {"nothing ticked", {}, {A::Yes}, {}, "2 1 1 1 1 1"},
        {"first question No", {1, 2, 3, 4, 5}, {A::No}, {}, "2 1 1 1 1 1"},
        {"No to one table, Yes to the next",
         {3, 5},
         {A::Yes, A::No, A::Yes},
         {"Confirm Delete: Reset Data Data Transaksi", "Confirm Delete: Reset Data Data Alur Kas",
          "Info: Reset Data Data Alur Kas berhasil di eksekusi..", kSafetyTold},
         "2 1 1 1 0 1"},
        {"everything",
         {5, 4, 3, 2, 1},
         {},
         {"Confirm Delete: Reset Data Item Perpustakaan",
          "Info: Reset Data Item Perpustakaan berhasil di eksekusi..",
          "Confirm Delete: Reset Data Data Peminjam", "Info: Reset Data Data Peminjam berhasil di eksekusi..",
          "Confirm Delete: Reset Data Data Transaksi",
          "Info: Reset Data Data Transaksi berhasil di eksekusi..",
          "Confirm Delete: Reset Data Data Item Hilang",
          "Info: Reset Data Data Item Hilang berhasil di eksekusi..",
          "Confirm Delete: Reset Data Data Alur Kas", "Info: Reset Data Data Alur Kas berhasil di eksekusi..",
          kSafetyTold},
         "0 0 0 0 0 1"},  // the visit tariffs go with the items; the operators stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        refill();
        env.messages.clear();
        QFile::remove(safety());
        const QString before = counts();
        reset(c.ticked, c.answers);
        EXPECT_EQ(Told(env), QStringList{kFirst} + c.told);
        EXPECT_EQ(counts(), c.left);
        // The copy holds every row as it was before the first table was emptied.
        if (c.told.isEmpty())
            EXPECT_FALSE(QFile::exists(safety()));
        else
            EXPECT_EQ(countsIn(safety()), before);
    }
    EXPECT_EQ(env.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(env.messages.shown[0].icon, MsgIcon::Question);
}

TEST_F(ResetTest, WithoutItsSafetyCopyNothingIsEmptied) {
    WriteBytes(env.dir() + "/biasa.txt", "bukan folder");
    env.ctx().workDir = env.dir() + "/biasa.txt/sub";
    reset({1, 5}, {});
    ASSERT_EQ(env.messages.shown.size(), 3u);
    EXPECT_EQ(env.messages.shown[1].text, "Reset Data Item Perpustakaan");
    EXPECT_TRUE(env.messages.shown[2].text.startsWith(
        "Reset dibatalkan, salinan data sebelum reset tidak dapat dibuat: folder "));
    EXPECT_TRUE(env.messages.shown[2].text.endsWith(". Data tidak berubah.."));
    EXPECT_EQ(counts(), "2 1 1 1 1 1");
}

TEST_F(ResetTest, AFailingTableIsToldAndTheNextIsStillEmptied) {
    env.exec("drop table ItemHilang");
    reset({4, 5}, {});
    EXPECT_EQ(Told(env), QStringList({kFirst, "Confirm Delete: Reset Data Data Item Hilang",
                                      "Info: SQL error: no such table: itemhilang",
                                      "Confirm Delete: Reset Data Data Alur Kas",
                                      "Info: Reset Data Data Alur Kas berhasil di eksekusi..", kSafetyTold}));
    EXPECT_EQ(env.scalar("select count(*) from Kas"), "0");
}

TEST_F(ResetTest, BatalClosesWithoutAsking) {
    DataResetForm form(env.ctx());
    form.show();
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(form.choice(i)->isChecked());
    form.choice(0)->setChecked(true);
    Click(&form, "cancel");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(counts(), "2 1 1 1 1 1");
}

// What stands on an emptied table goes with it: no debt of a member that is gone, no
// link to a movement that is gone, no close of journal lines that are gone.
TEST_F(ResetTest, WhatStandsOnAnEmptiedTableGoesWithIt) {
    const char* kLeft =
        "select (select count(*) from Tanggungan) || (select count(*) from TanggunganAsal) || "
        "(select count(*) from TanggunganBayar) || (select count(*) from HapusDenda) || "
        "(select count(*) from Perpanjangan) || (select count(*) from TutupKas) || "
        "(select count(*) from TutupKasBaris)";
    const struct {
        int choice;
        const char* left;
    } cases[] = {{2, "0001111"}, {3, "1010011"}, {5, "1111100"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        refill();
        for (const char* table : {"Tanggungan", "TanggunganAsal", "TanggunganBayar", "HapusDenda",
                                  "Perpanjangan", "TutupKas", "TutupKasBaris"})
            env.exec(QString("delete from ") + table);
        env.exec("insert into Tanggungan values ('D1', '2016-03-01', 'M01', 2000, 1500, 'admin')");
        env.exec("insert into TanggunganAsal values ('D1', 'T1')");
        env.exec("insert into TanggunganBayar values ('K1', 'D1', '2016-03-02', 500, 'admin')");
        env.exec("insert into HapusDenda values ('W1', '2016-03-02', NULL, 'T1', 100, 'sakit', 'admin')");
        env.exec("insert into Perpanjangan values ('T1', '1')");
        env.exec(
            "insert into TutupKas (Id, Tanggal, Ops, Waktu, Dicatat, Dihitung, Selisih) "
            "values ('C1', '2016-03-02', 'admin', 'x', 1500, 1500, 0)");
        env.exec("insert into TutupKasBaris values ('K1', 'C1')");
        reset({c.choice}, {});
        EXPECT_EQ(env.scalar(kLeft), c.left);
    }
}

// "Impor Data" as an operator uses it: real workbooks read through the real
// reader module, saved, the outcome per row and in the summary.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "collection/import_dialog.h"
#include "support/files.h"
#include "support/fixture.h"
#include "support/form_driver.h"
#include "workbooks.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kQuestion = QStringLiteral(
    "Proses ini membutuhkan pengecekan data yang valid, sebelum melanjutkan ke proses penyimpanan mohon "
    "teliti "
    "terlebih dahulu Id/Kode/Induk agar tidak sama persis dengan data sudah di input sebelumnya\r"
    "Yakin dengan data anda?, data yang tidak yang valid tidak akan ter-input dalam database.");

class ImportDialogTest : public DbTest {
  protected:
    void open(const QString& target) {
        env.ctx().importTarget = target;
        env.ctx().programDir = QStringLiteral(XLSTODB_DIR);
        dialog = std::make_unique<ImportDialog>(env.ctx(), nullptr, [this] { ++reloads; });
    }
    // Picks `path` in the file dialog and reads it.
    void read(const QString& path) {
        env.files.paths.push_back(path);
        dialog->browse();
    }
    void saveAnswering(MsgAnswer answer) {
        env.messages.answers.push_back(answer);
        dialog->save();
    }
    QString write(const QString& stem, const QString& format, const QList<QJsonArray>& rows) {
        return WriteWorkbook(env.dir(), stem, format, {WorkbookSheet{"Sheet1", rows, {}}});
    }
    QStringList column(int c) const { return Column(dialog->grid(), c); }
    template <typename T>
    T* child(const char* name) const {
        return Child<T>(dialog.get(), name);
    }

    std::unique_ptr<ImportDialog> dialog;
    int reloads = 0;
};

}  // namespace

// Three items, one code taken: the question, the summary 3, 2 and 1, the "Status"
// of each row and the rental flag from the price.
TEST_F(ImportDialogTest, ThreeItemsOneCodeTaken) {
    env.addItem("B2", "Sudah ada");
    open("ItemPerpus");
    read(write("buku", "xlsx",
               {{"Id", "Nama Item", "Pengarang", "Hrg Rental", "Nilai Denda", "Rak"},
                {"B1", "Laskar Pelangi", "Andrea Hirata", 0, 1500.0, "A-1"},
                {"B2", "Sang Pemimpi", "Andrea Hirata", 0, 500, "A-2"},
                {"B3", "Kamus", {}, 2500, 0, "B-1"}}));
    ASSERT_EQ(dialog->grid().rowCount(), 3);
    EXPECT_EQ(dialog->grid().row(0),
              (QStringList{"B1", "Laskar Pelangi", "Andrea Hirata", "", "", "", "1500", "", "0", "A-1", ""}));
    // "Excel files (*.xls)" first, showing every workbook the reader takes.
    EXPECT_TRUE(env.files.filters.first().startsWith("Excel files (*.xls)|*.xls;*.xlsx;*.ods;*.csv|"));

    saveAnswering(MsgAnswer::Yes);
    EXPECT_EQ(Told(env), QStringList({"Import Data dari Excel: " + kQuestion,
                                      "Info: Dari jumlah data item 3 data yang diimport ke database; 2 data "
                                      "telah berhasil di simpan dan 1 gagal disimpan"}));
    EXPECT_EQ(env.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(column(import_item::Status),
              (QStringList{"Berhasil di input", "Gagal: kode sudah ada", "Berhasil di input"}));
    EXPECT_EQ(env.rows("select Id, NamaItem, Denda, Rental, HargaRental from ItemPerpus order by Id"),
              (QStringList{"B1|Laskar Pelangi|1500|0|0", "B2|Sudah ada|0|0|0", "B3|Kamus|0|1|2500"}));

    // Items have no category.
    EXPECT_FALSE(child<QComboBox>("categoryList")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("category")->isEnabled());
}

// Members from two workbooks read one after the other, the second in another
// format and column order: each keeps its Durasi and apostrophe, all get status 1,
// LP in the member form's words, the category chosen, a birth date that is no day
// saved empty and counted; only rows not yet saved are saved.
TEST_F(ImportDialogTest, MembersFromTwoReadsWithACategory) {
    env.addMember("M9", "Lama", "Kelas 8");
    env.addMember("M8", "Lama", "Guru");
    open("Member");
    auto* list = child<QComboBox>("categoryList");
    auto* field = child<QLineEdit>("category");
    EXPECT_EQ(Entries(list), QStringList({"Guru", "Kelas 8", "Add Item"}));
    EXPECT_EQ(list->currentIndex(), -1);
    PickEntry(list, "Kelas 8");
    EXPECT_EQ(field->text(), "Kelas 8");
    PickEntry(list, "Add Item");
    EXPECT_TRUE(field->text().isEmpty());
    QTest::keyClicks(field, "Kelas 7");

    read(write("kelas7a", "xls",
               {{"Id", "Nama Member", "Jenis Kelamin", "Tmp Lahir", "Tgl Lahir", "Alamat", "Durasi"},
                {"M1", "Nur'aini", "Perempuan", "Bandung", DateCell("2009-03-07"), "Jl. Mawar", 14},
                {"M2", "Budi", "laki-laki", "Garut", "31/2/2009", "Jl. Melati", 7}}));
    read(write("kelas7b", "ods",
               {{"durasi", "alamat", "nama member", "id", "jenis kelamin"},
                {3, "Gg. Kenari", "Siti", "M3", "P"},
                {5, "Jl. Lama", "Sudah ada", "M9", "L"}}));
    ASSERT_EQ(dialog->grid().rowCount(), 4);
    EXPECT_EQ(dialog->lastReadCount(), 2);
    EXPECT_EQ(column(import_member::Nama), (QStringList{"Nur'aini", "Budi", "Siti", "Sudah ada"}));

    saveAnswering(MsgAnswer::Yes);
    EXPECT_EQ(env.messages.shown.back().text,
              "Dari jumlah data member 4 data yang diimport ke database; 3 data telah berhasil di simpan dan "
              "1 gagal disimpan; tanggal tidak terbaca: 1 baris");
    EXPECT_EQ(env.rows("select Id, Nama, LP, TglLahir, Kategori, DurasiPinjam, Status from Member "
                       "where Kategori='Kelas 7' order by Id"),
              (QStringList{"M1|Nur'aini|Perempuan|2009-03-07|Kelas 7|14|1", "M2|Budi|Laki-laki||Kelas 7|7|1",
                           "M3|Siti|Perempuan||Kelas 7|3|1"}));

    // A third read: only its rows are handled by the next save.
    WriteBytes(env.dir() + "/tambahan.csv", "Id;Nama Member;Durasi\r\nM1;Nur'aini;14\r\nM4;Dewi;7\r\n");
    read(env.dir() + "/tambahan.csv");
    saveAnswering(MsgAnswer::Yes);
    EXPECT_EQ(env.messages.shown.back().text,
              "Dari jumlah data member 2 data yang diimport ke database; 1 data telah berhasil di simpan dan "
              "1 gagal "
              "disimpan");
    EXPECT_EQ(
        column(import_member::Status),
        (QStringList{"Berhasil di input", "Berhasil di input, tanggal tidak terbaca", "Berhasil di input",
                     "Gagal: kode sudah ada", "Gagal: kode sudah ada", "Berhasil di input"}));
}

TEST_F(ImportDialogTest, NothingHappensWithoutAYesOrWithoutRows) {
    open("ItemPerpus");
    dialog->save();  // nothing read yet: not even the question
    EXPECT_TRUE(env.messages.shown.empty());
    read(write("buku", "csv", {{"Id", "Nama Item"}, {"B1", "Satu"}}));
    saveAnswering(MsgAnswer::No);
    EXPECT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus"), "0");
    EXPECT_EQ(column(import_item::Status), QStringList{""});

    env.files.paths.push_back({});  // the file dialog cancelled
    dialog->browse();
    EXPECT_EQ(dialog->grid().rowCount(), 1);
}

// What the reader cannot read is told in its words; the grid stays as it was.
TEST_F(ImportDialogTest, AFileThatIsNoWorkbookIsTold) {
    open("Member");
    const QString foto = env.dir() + "/foto.xls";
    WriteBytes(foto, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    read(foto);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_TRUE(Told(env)[0].startsWith("Info: File ini bukan workbook")) << Told(env)[0].toStdString();
    EXPECT_EQ(dialog->grid().rowCount(), 0);
    EXPECT_EQ(child<QLineEdit>("path")->text(), QDir::toNativeSeparators(foto));

    // A header the reader half understands: no row could ever be saved.
    read(write("siswa", "xlsx", {{"NIS", "Nama Member"}, {"123", "Ani"}}));
    EXPECT_EQ(env.messages.shown.back().text,
              "Tidak ada data dengan Id dan Nama_Member. Baris pertama sheet harus berisi nama kolom: Id, "
              "Nama_Member, Jenis_Kelamin, Tmp_Lahir, Tgl_Lahir, Alamat, Durasi..");
    EXPECT_EQ(dialog->grid().rowCount(), 0);
}

// A read that takes a second shows a progress dialog after half of one and takes
// no input meanwhile; then the rows are in and the dialog is as it was.
TEST_F(ImportDialogTest, ALongReadShowsItsProgress) {
    open("Member");
    env.ctx().programDir = QStringLiteral(SLOW_DIR);
    dialog->show();
    bool progressShown = false, saveEnabled = true;
    QTimer::singleShot(800, [&] {
        for (const QProgressDialog* p : dialog->findChildren<QProgressDialog*>())
            progressShown = progressShown || p->isVisible();
        saveEnabled = child<QPushButton>("save")->isEnabled();
    });
    read("anggota.xls");
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(saveEnabled);
    EXPECT_EQ(dialog->grid().row(0), (QStringList{"M1", "Ani", "P", "", "", "", "7", ""}));
    EXPECT_TRUE(dialog->findChildren<QProgressDialog*>().isEmpty());
    EXPECT_TRUE(child<QPushButton>("save")->isEnabled());
}

TEST_F(ImportDialogTest, TutupOrEscClosesAndHasTheOpenerReadAgain) {
    open("ItemPerpus");
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    dialog->show();
    child<QPushButton>("close")->click();
    EXPECT_EQ(reloads, 1);
    EXPECT_FALSE(dialog->isVisible());

    open("Member");
    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(reloads, 2);
    EXPECT_FALSE(dialog->isVisible());
}

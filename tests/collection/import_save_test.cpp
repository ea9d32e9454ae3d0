// Saving the import grid: what goes in, the "Status" of each row and the summary.
#include <gtest/gtest.h>

#include "collection/import_save.h"
#include "support/fixture.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

void AppendItems(GridData& grid, const QList<QStringList>& records) {
    for (const QStringList& r : records) grid.appendRow(ImportGridRow(ImportKind::Items, r));
}

QStringList Statuses(const GridData& grid, ImportKind kind) {
    QStringList out;
    for (int r = 0; r < grid.rowCount(); ++r) out << grid.cell(r, ImportStatusColumn(kind));
    return out;
}

class ImportSaveTest : public DbTest {
  protected:
    ImportSaveTest() { items.setColumns(ImportColumns(ImportKind::Items)); }
    GridData items;
};

}  // namespace

// Three rows, one of whose codes exists: 3 handled, 2 saved, 1 not; a rental price
// gives the rental flag; an apostrophe is stored as typed.
TEST_F(ImportSaveTest, ThreeItemsOneCodeTaken) {
    env.addItem("B2", "Sudah ada");
    AppendItems(items, {{"B1", "Nur'aini dan Kopi", "A", "2005", "P", "978", "500", "3", "0", "A-1"},
                        {"B2", "Sang Pemimpi", "A", "2006", "P", "979", "500", "2", "0", "A-2"},
                        {"B3", "Kamus", "", "", "", "", "1.500", "1", "2500", "B-1"}});
    const ImportSummary s = SaveImportRows(env.ctx(), items, ImportKind::Items, {});
    EXPECT_TRUE(s.written);
    EXPECT_EQ(
        ImportSummaryText(ImportKind::Items, s),
        "Dari jumlah data item 3 data yang diimport ke database; 2 data telah berhasil di simpan dan 1 gagal "
        "disimpan");
    EXPECT_EQ(Statuses(items, ImportKind::Items), (QStringList{kImportSaved, kImportRefused, kImportSaved}));
    EXPECT_EQ(env.rows("select Id, NamaItem, Denda, Rental, HargaRental from ItemPerpus order by Id"),
              (QStringList{"B1|Nur'aini dan Kopi|500|0|0", "B2|Sudah ada|0|0|0", "B3|Kamus|1500|1|2500"}));
    EXPECT_TRUE(env.messages.shown.empty());
}

// A second read appends below the first; a save handles only the rows not yet
// saved, whichever read they came from, and never a saved row again.
TEST_F(ImportSaveTest, OnlyRowsNotYetSavedWhateverReadTheyCameFrom) {
    AppendItems(items, {{"B1", "Satu"}, {"B2", "Dua"}});
    EXPECT_EQ(SaveImportRows(env.ctx(), items, ImportKind::Items, {}).handled, 2);
    AppendItems(items, {{"B3", "Tiga"}, {"B1", "Satu lagi"}, {"B4", "Empat"}});
    const ImportSummary s = SaveImportRows(env.ctx(), items, ImportKind::Items, {});
    EXPECT_EQ(s.handled, 3);
    EXPECT_EQ(s.saved, 2);
    EXPECT_EQ(s.refused, 1);
    EXPECT_EQ(Statuses(items, ImportKind::Items),
              (QStringList{kImportSaved, kImportSaved, kImportSaved, kImportRefused, kImportSaved}));
    EXPECT_EQ(env.scalar("select group_concat(Id || '=' || NamaItem) from ItemPerpus"),
              "B1=Satu,B2=Dua,B3=Tiga,B4=Empat");
    // Nothing left to save: nothing happens.
    EXPECT_EQ(SaveImportRows(env.ctx(), items, ImportKind::Items, {}).handled, 0);
}

// A row the database refuses is not saved and is counted so; the others stay
// saved, and the operator sees the database's reason once.
TEST_F(ImportSaveTest, RowsTheDatabaseRefusesAreCountedNotSaved) {
    env.exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON ItemPerpus WHEN NEW.Id LIKE 'X%' "
        "BEGIN SELECT RAISE(ABORT, 'kode ditolak'); END");
    AppendItems(items, {{"B1", "Satu"},
                        {"X1", "Ditolak"},
                        {"B2", "Dua"},
                        {"X2", "Ditolak"},
                        {"", "Tanpa kode"},
                        {"KUNJUNG", "Bukan tarif"},
                        {"B3", "Denda pecahan", "", "", "", "", "12.5"}});
    const ImportSummary s = SaveImportRows(env.ctx(), items, ImportKind::Items, {});
    EXPECT_EQ(s.handled, 7);
    EXPECT_EQ(s.saved, 2);
    EXPECT_EQ(s.refused, 5);
    EXPECT_EQ(Statuses(items, ImportKind::Items),
              (QStringList{kImportSaved, kImportRefused, kImportSaved, kImportRefused, kImportRefused,
                           kImportRefused, kImportRefused}));
    EXPECT_EQ(env.scalar("select group_concat(Id) from ItemPerpus"), "B1,B2");
    EXPECT_EQ(env.messages.texts(), QStringList{"SQL error: kode ditolak"});
}

// When the database loses the transaction, nothing of the save stays and no row is
// marked, so the save can be tried again.
TEST_F(ImportSaveTest, NothingHalfWrittenWhenTheTransactionIsLost) {
    env.exec(
        "CREATE TRIGGER lose BEFORE INSERT ON ItemPerpus WHEN NEW.Id = 'B2' "
        "BEGIN SELECT RAISE(ROLLBACK, 'disk penuh'); END");
    AppendItems(items, {{"B1", "Satu"}, {"B2", "Dua"}, {"B3", "Tiga"}});
    const ImportSummary s = SaveImportRows(env.ctx(), items, ImportKind::Items, {});
    EXPECT_FALSE(s.written);
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus"), "0");
    EXPECT_EQ(Statuses(items, ImportKind::Items), (QStringList{"", "", ""}));
    EXPECT_EQ(env.messages.texts(), QStringList{"SQL error: disk penuh"});
}

// Members: status 1, a one-letter LP, each row its own Durasi, the category for
// all, and the same summary.
TEST_F(ImportSaveTest, MembersWithTheirOwnDurasiAndOneCategory) {
    env.addMember("M2", "Sudah ada", "Kelas 8");
    GridData members;
    members.setColumns(ImportColumns(ImportKind::Members));
    for (const QStringList& r :
         QList<QStringList>{{"M1", "Nur'aini", "Perempuan", "Bandung", "2009-03-07", "Jl. A", "14"},
                            {"M2", "Budi", "L", "", "", "", "7"},
                            {"M3", "Andi", "laki-laki", "Garut", "", "Jl. B", "3"}})
        members.appendRow(ImportGridRow(ImportKind::Members, r));
    const ImportSummary s = SaveImportRows(env.ctx(), members, ImportKind::Members, "Kelas 7");
    EXPECT_EQ(ImportSummaryText(ImportKind::Members, s),
              "Dari jumlah data member 3 data yang diimport ke database; 2 data telah berhasil di simpan dan "
              "1 gagal "
              "disimpan");
    EXPECT_EQ(
        env.rows("select Id, Nama, LP, TglLahir, Kategori, DurasiPinjam, Status from Member order by Id"),
        (QStringList{"M1|Nur'aini|P|2009-03-07|Kelas 7|14|1", "M2|Sudah ada|Laki-laki|2005-01-01|Kelas 8|7|1",
                     "M3|Andi|L||Kelas 7|3|1"}));
}

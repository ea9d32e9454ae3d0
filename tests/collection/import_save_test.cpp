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

// A row refused is not saved and is counted so, its "Status" saying why; the others
// stay saved, and the operator sees the database's reason once.
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
    EXPECT_EQ(
        Statuses(items, ImportKind::Items),
        (QStringList{kImportSaved, "Gagal: ditolak database (kode ditolak)", kImportSaved,
                     "Gagal: ditolak database (kode ditolak)", "Gagal: kode kosong",
                     "Gagal: kode KUNJUNG khusus tarif kunjungan", "Gagal: Nilai_Denda bukan angka bulat"}));
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

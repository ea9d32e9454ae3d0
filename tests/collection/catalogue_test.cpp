// "Katalog": the blocks of a search, the stock worked out by the database, literal
// searches, the keyboard and both exports.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "collection/catalogue_form.h"
#include "labels/label_dialog.h"
#include "record_driver.h"
#include "support/files.h"
#include "support/modal.h"
#include "ui/grid_view.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class CatalogueTest : public DbTest {
  protected:
    void SetUp() override {
        AddItemRow(env, {"B01", "Laskar Pelangi", "Andrea Hirata", "2005", "Bentang", "978-1", "500", "3",
                         "0", "A1"});
        AddItemRow(
            env, {"B02", "Fisika Dasar", "Halliday", "1999", "Erlangga", "978-2", "1000", "2", "5000", "B2"});
        AddItemRow(env,
                   {"B03", "Kimia Terapan", "Sudarmo", "2010", "Gramedia", "978-3", "500", "4", "0", "A1"});
        form = std::make_unique<CatalogueForm>(env.ctx());
        form->resize(1000, 600);
        ShowActive(*form);
    }
    QLineEdit* searchField() { return form->findChild<QLineEdit*>("search"); }
    void search(const QString& text) {
        searchField()->setText(text);
        QTest::keyClick(searchField(), Qt::Key_Return);
    }
    // A line's cell as the view shows it.
    QString shown(int row, int column) {
        const QAbstractItemModel* model = form->findChild<GridView*>("records")->model();
        return model->index(row, column).data().toString();
    }
    QStringList rows() {
        QStringList out;
        for (int r = 0; r < form->grid().rowCount(); ++r)
            out << shown(r, 0) + "|" + shown(r, 1) + "|" + shown(r, 2);
        return out;
    }
    // The Data cells of each block's line `kolom`.
    QStringList data(const QString& kolom) {
        QStringList out;
        for (int r = 0; r < form->grid().rowCount(); ++r)
            if (shown(r, 1) == kolom) out << shown(r, 2);
        return out;
    }
    void addMovements(const QString& item, int open, int returned) {
        for (int i = 0; i < open + returned; ++i)
            env.exec("insert into TransPerpus (Id, IdItemPerpus, KodeTrans, Status) values (?,?,'PINJAM',?)",
                     {item + QString::number(i), item, i < open ? "0" : "1"});
    }
    std::unique_ptr<CatalogueForm> form;
};

}  // namespace

// A missing value keeps its line; the visit tariffs are no items.
TEST_F(CatalogueTest, OpensEmptyAndShowsEachItemFoundAsANumberedBlockOfTenLines) {
    EXPECT_EQ(form->grid().rowCount(), 0);
    env.exec("insert into ItemPerpus (Id, NamaItem) values ('B04', 'Tanpa Data')");
    env.addTariff("Umum", "1500");

    search("");  // every item
    ASSERT_EQ(form->grid().rowCount(), 40);
    EXPECT_EQ(rows().mid(0, 10), QStringList({"1.|Id|B01", "|NamaItem|Laskar Pelangi",
                                              "|Pengarang|Andrea Hirata", "|Penerbit|Bentang", "|ISBN|978-1",
                                              "|Denda|500", "|Stock|3", "|HargaRental|0", "|Rak|A1", "||"}));
    EXPECT_EQ(rows().mid(30), QStringList({"4.|Id|B04", "|NamaItem|Tanpa Data", "|Pengarang|", "|Penerbit|",
                                           "|ISBN|", "|Denda|", "|Stock|", "|HargaRental|", "|Rak|", "||"}));
    QStringList numbers;
    for (int r = 0; r < 40; ++r)
        if (!shown(r, 0).isEmpty()) numbers << QString::number(r) + ":" + shown(r, 0);
    EXPECT_EQ(numbers, QStringList({"0:1.", "10:2.", "20:3.", "30:4."}));

    // Each search starts counting afresh and replaces what was shown.
    search("Kimia");
    EXPECT_EQ(rows().value(0), "1.|Id|B03");
    EXPECT_EQ(form->grid().rowCount(), 10);
    for (const char* nothing : {"tidak ada", "KUNJUNG"}) {
        search(nothing);
        EXPECT_EQ(form->grid().rowCount(), 0) << nothing;
    }
    EXPECT_TRUE(env.messages.shown.empty());
}

// Stock = JmlStock less the movements not yet returned, as SQLite works it out.
TEST_F(CatalogueTest, StockIsTheStockLessTheCopiesStillOut) {
    struct Case {
        QString stock;
        int open, returned;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"3", 2, 2, "1"},
        {"3", 4, 0, "-1"},
        {"3", 0, 0, "3"},
        {"2.5", 1, 3, "1.5"},
        // A stock that is empty or no number reads 0, as SQLite reads texts in sums.
        {"", 1, 0, "-1"},
        {"abc", 1, 0, "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock.toStdString() + " " + std::to_string(c.open) + " open");
        env.exec("delete from TransPerpus");
        env.exec("update ItemPerpus set JmlStock=? where Id='B01'", {c.stock});
        addMovements("B01", c.open, c.returned);
        addMovements("B02", 1, 0);  // another item's movements count for that one only
        search("B01");
        EXPECT_EQ(data("Stock"), QStringList({c.shown}));
    }
}

TEST_F(CatalogueTest, ASearchFindsItsTextLiterallyInFiveColumns) {
    AddItemRow(env, {"P01", "Jum'at Berkah", "", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P02", "Diskon 50% Akhir Tahun", "", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P03", "Diskon 500 Soal", "", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P04", "Kode A_B", "", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P05", "Kode AXB", "", "", "Penerbit O'Reilly", "", "", "", "", "Rak Kimia"});
    struct Case {
        QString text;
        QStringList found;
    };
    const std::vector<Case> cases = {
        {"Jum'at", {"P01"}},    // an apostrophe, stored and found as typed
        {"50%", {"P02"}},       // "%" and "_" are themselves, not patterns
        {"%", {"P02"}},         //
        {"A_B", {"P04"}},       //
        {"' or '1'='1", {}},    // nor do quotes change the statement
        {"o'reilly", {"P05"}},  // the publisher, letters of either case
        {"hirata", {"B01"}},    // the author
        {"978-2", {"B02"}},     // the ISBN
        {"b03", {"B03"}},       // the code
        {"2005", {}},           // the rights notice is not searched
        {"Rak Kimia", {}},      // nor the shelf
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        search(c.text);
        EXPECT_EQ(data("Id"), c.found);
    }
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(CatalogueTest, FromTheSearchIntoTheBlocksByKeyboard) {
    form->setFocus();
    EXPECT_TRUE(searchField()->hasFocus());
    QTest::keyClicks(searchField(), "Fisika");
    QTest::keyClick(searchField(), Qt::Key_Return);
    QTest::keyClick(searchField(), Qt::Key_Down);
    auto* view = form->findChild<GridView*>("records");
    EXPECT_TRUE(view->hasFocus());
    EXPECT_EQ(form->grid().selectedRow(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(form->grid().selectedRow(), 1);
    // Ctrl+F goes back to the search with its text selected for the next one.
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(searchField()->hasFocus());
    EXPECT_EQ(searchField()->selectedText(), "Fisika");
}

// Ctrl+L: the block under the selection is the item chosen, every block is found;
// the catalogue knows the copies on the shelf only, so no label per copy.
TEST_F(CatalogueTest, LabelsForTheBlockChosenOrEveryBlockFound) {
    search("");
    form->grid().select(11);  // B02's title line
    QStringList offered;
    WhenModal<LabelDialog>([&](LabelDialog* dialog) {
        for (const char* name : {"chosenItems", "foundItems"})
            offered << dialog->findChild<QRadioButton*>(name)->text();
        EXPECT_FALSE(dialog->findChild<QCheckBox*>("perCopy")->isEnabled());
        dialog->reject();
    });
    form->findChild<QAction*>("labels")->trigger();
    EXPECT_EQ(offered, QStringList({"Item &terpilih (1)", "Semua &hasil cari (3)"}));
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(CatalogueTest, BothExportsReceiveTheBlocksAsTheyStand) {
    env.ctx().programDir = RECORDING_MODULE_DIR;
    const QString log = env.dir() + "/export.log";
    qputenv("ZELKOR_EXPORT_LOG", log.toLocal8Bit());
    search("Kimia");
    // Ctrl+P and Ctrl+E, the toolbar's keys.
    QTest::keyClick(searchField(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(searchField(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_NE(env.ctx().exportGrid, nullptr);
    EXPECT_EQ(env.ctx().exportGrid->rowCount(), 10);
    form.reset();
    EXPECT_EQ(env.ctx().exportGrid, nullptr);  // not left naming a closed form's grid
    qunsetenv("ZELKOR_EXPORT_LOG");
    EXPECT_EQ(
        QString::fromUtf8(ReadBytes(log)).split('\n', Qt::SkipEmptyParts),
        QStringList({"browser LAPORAN KATALOG PERPUSTAKAAN;Perpus Harapan;Jl. Merdeka No. 5;lll | "
                     "No.;Kolom;Data | 1.,Id,B03;,NamaItem,Kimia Terapan;,Pengarang,Sudarmo;,Penerbit,"
                     "Gramedia;,ISBN,978-3;,Denda,500;,Stock,4;,HargaRental,0;,Rak,A1;,,",
                     "spreadsheet 10 3 No.,Kolom,Data;1,Id,B03;,NamaItem,Kimia Terapan;,Pengarang,Sudarmo;"
                     ",Penerbit,Gramedia;,ISBN,978-3;,Denda,500;,Stock,4;,HargaRental,0;,Rak,A1;,,"}));
}

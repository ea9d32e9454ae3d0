// "Form Data Item Perpustakaan": listing, searching, saving, deleting and following
// the grid, driven as an operator does.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QSpinBox>

#include "collection/entry_messages.h"
#include "collection/import_dialog.h"
#include "collection/item_form.h"
#include "labels/label_dialog.h"
#include "record_driver.h"
#include "support/modal.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kItemColumns =
    "Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, JmlStock, HargaRental, Rak";

class ItemFormTest : public DbTest {
  protected:
    void SetUp() override {
        AddItemRow(env, {"B01", "Laskar Pelangi", "Andrea Hirata", "2005", "Bentang", "9789793062792", "500",
                         "3", "0", "A1"});
        AddItemRow(env, {"B02", "Fisika Dasar", "Halliday", "1999", "Erlangga", "9786020000001", "1000", "2",
                         "5000", "B2"});
        AddItemRow(env, {"B03", "Kimia Terapan", "Sudarmo", "2010", "Gramedia", "9786020000002", "500", "4",
                         "0", "A1"});
        open();
    }
    void open() { d = std::make_unique<RecordDriver<ItemForm>>(env); }
    QString stored(const QString& code) {
        return env.rows("select " + kItemColumns + ", Rental from ItemPerpus where Id=?", {code}).value(0);
    }
    // Every entry field, in the order of the grid's columns.
    QStringList fields() {
        QStringList out;
        for (const char* n : {"code", "name", "pengarang", "hakCipta", "penerbit", "isbn", "denda", "stock",
                              "hargaRental", "shelf"})
            out << d->text(n);
        return out;
    }
    std::unique_ptr<RecordDriver<ItemForm>> d;
};

}  // namespace

// Rental is never typed: it is 1 exactly when the rental price is above 0, on an
// insert and on an update alike.
TEST_F(ItemFormTest, RentalFollowsThePriceOnEverySave) {
    struct Case {
        QString price, rental;
    };
    for (const Case& c : {Case{"", "0"}, Case{"0", "0"}, Case{"000", "0"}, Case{"5000", "1"}}) {
        SCOPED_TRACE(c.price.toStdString());
        env.exec("delete from ItemPerpus where Id='N01'");
        d->fill({"code", "N01", "name", "Baru", "hargaRental", c.price});
        d->press("save");
        EXPECT_EQ(stored("N01"), "N01|Baru|||||||" + c.price + "||" + c.rental);
        // The same price saved over an item for rent, and over one that is not.
        for (const char* before : {"0", "1"}) {
            env.exec("update ItemPerpus set Rental=? where Id='B01'", {before});
            d->fill({"code", "B01", "hargaRental", c.price});
            d->press("save");
            EXPECT_EQ(env.scalar("select Rental||'/'||HargaRental from ItemPerpus where Id='B01'"),
                      c.rental + "/" + c.price);
        }
        d->told();
    }
}

TEST_F(ItemFormTest, ANewItemNeedsItsCodeAndName) {
    for (const QStringList& typed : {QStringList{"", "Judul"}, QStringList{"N01", ""}, QStringList{"", ""}}) {
        d->fill({"code", typed[0], "name", typed[1], "pengarang", "Siapa"});
        d->press("save");
        EXPECT_EQ(d->told(), QStringList({kMissing}));
        EXPECT_EQ(env.scalar("select count(*) from ItemPerpus"), "3");
        EXPECT_EQ(d->grid().rowCount(), 3);
        EXPECT_EQ(d->text("pengarang"), "Siapa");  // nothing typed is lost
    }
}

TEST_F(ItemFormTest, AnInsertAppendsABareNumberedRowAndEmptiesTheForm) {
    d->pick("shelfList", "B2");
    d->fill({"code", "N01", "name", "Matematika", "pengarang", "O'Neil", "hakCipta", "2020", "penerbit",
             "Yrama", "isbn", "978", "denda", "700", "stock", "5", "hargaRental", "2500"});
    d->press("save");
    EXPECT_EQ(d->told(), QStringList({kSaved}));
    EXPECT_EQ(stored("N01"), "N01|Matematika|O'Neil|2020|Yrama|978|700|5|2500|B2|1");
    EXPECT_EQ(d->rows().value(3), "4|N01|Matematika|O'Neil|2020|Yrama|978|700|5|2500|B2");
    EXPECT_EQ(fields(), QStringList(10, ""));
    EXPECT_EQ(d->get<QComboBox>("shelfList")->currentIndex(), -1);
}

// Saving an existing code writes into the row that holds that code, not into
// whichever row happens to be selected; a code that no shown row holds leaves the
// grid as it is.
TEST_F(ItemFormTest, AnUpdateChangesTheRowOfItsCodeWhateverRowIsSelected) {
    d->clickRow(0);
    d->fill({"code", "B03", "name", "Kimia Dasar", "stock", "9"});
    d->press("save");
    EXPECT_EQ(d->told(), QStringList({kChanged}));
    EXPECT_EQ(stored("B03"), "B03|Kimia Dasar|Andrea Hirata|2005|Bentang|9789793062792|500|9|0|A1|0");
    EXPECT_EQ(d->rows(),
              QStringList({"1.|B01|Laskar Pelangi|Andrea Hirata|2005|Bentang|9789793062792|500|3|0|A1",
                           "2.|B02|Fisika Dasar|Halliday|1999|Erlangga|9786020000001|1000|2|5000|B2",
                           "3.|B03|Kimia Dasar|Andrea Hirata|2005|Bentang|9789793062792|500|9|0|A1"}));
    EXPECT_EQ(d->text("name"), "Kimia Dasar");  // the fields keep what was saved

    d->search("Laskar");
    d->clickRow(0);
    d->fill({"code", "B02", "name", "Fisika Lanjut"});
    d->press("save");
    EXPECT_EQ(env.scalar("select NamaItem from ItemPerpus where Id='B02'"), "Fisika Lanjut");
    EXPECT_EQ(d->rows(),
              QStringList({"1.|B01|Laskar Pelangi|Andrea Hirata|2005|Bentang|9789793062792|500|3|0|A1"}));
}

// The kind the loan rules go by has a field but no grid column. It is written only
// when typed or already stored, so untouched items keep their NULL.
TEST_F(ItemFormTest, TheKindIsShownAndSavedBesideTheGrid) {
    const auto kinds = [&] {
        return env.rows("select Id||':'||ifnull(Jenis,'NULL') from ItemPerpus order by Id");
    };
    d->clickRow(0);
    d->press("save");
    d->fill({"code", "N01", "name", "Baru", "kind", "Majalah"});
    d->press("save");
    d->clickRow(1);
    d->fill({"kind", "CD"});
    d->press("save");
    EXPECT_EQ(kinds(), QStringList({"B01:NULL", "B02:CD", "B03:NULL", "N01:Majalah"}));
    d->clickRow(3);
    EXPECT_EQ(d->text("kind"), "Majalah");
    EXPECT_EQ(d->entries("kindList"), QStringList({"Majalah", "CD", "Add Item"}));
    d->fill({"kind", ""});
    d->press("save");
    d->clickRow(0);
    EXPECT_EQ(d->text("kind"), "");
    EXPECT_EQ(kinds(), QStringList({"B01:NULL", "B02:CD", "B03:NULL", "N01:"}));
    EXPECT_EQ(d->rows().size(), 4);
}

// A new record whose code is taken replaces the stored item only when the operator
// says Yes; a record chosen from the list is saved without a question (above).
TEST_F(ItemFormTest, ANewItemWithATakenCodeReplacesItOnlyOnYes) {
    const QString before = stored("B02");
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        d->press("add");
        d->fill({"code", "B02", "name", "Fisika Baru"});
        env.messages.answers = {answer};
        d->press("save");
        const QString asked =
            "Entry Data..: Kode B02 sudah dipakai oleh «Fisika Dasar». Ganti data item itu?";
        const bool yes = answer == MsgAnswer::Yes;
        EXPECT_EQ(d->told(), yes ? QStringList({asked, kChanged}) : QStringList({asked}));
        EXPECT_EQ(stored("B02"), yes ? "B02|Fisika Baru|||||||||0" : before);
    }
}

// Copies still out keep their item: their movements would point at nothing.
TEST_F(ItemFormTest, AnItemWithCopiesStillOutIsNotDeleted) {
    AddMovementRow(env, "T1", "M01", "PINJAM", "B02");
    AddMovementRow(env, "T2", "M02", "RENTAL", "B02");
    AddMovementRow(env, "T3", "M01", "PINJAM", "B02", "1");  // returned
    d->clickRow(1);
    d->press("delete");
    EXPECT_EQ(d->told(), QStringList({kDeleteQuestion,
                                      "Info: Item B02 tidak dapat dihapus, masih ada 2 "
                                      "transaksi pinjam/rental yang belum kembali.."}));
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus where Id='B02'"), "1");
    EXPECT_EQ(d->grid().rowCount(), 3);
}

// The visit tariffs share the code KUNJUNG; a save or delete keeps to one category.
// A tariff is never for rent, and visits made never keep it from going.
TEST_F(ItemFormTest, VisitTariffsChangeAndGoOneAtATime) {
    env.addTariff("Umum", "1500");
    env.addTariff("Pelajar", "1000");
    d->form.reloadRecords();
    d->clickRow(4);  // KUNJUNG / Pelajar
    EXPECT_EQ(d->text("pengarang"), "Pelajar");
    d->type("hargaRental", "750");
    d->press("save");
    EXPECT_EQ(env.rows("select Pengarang, HargaRental, Rental from ItemPerpus where Id='KUNJUNG' order by "
                       "Pengarang"),
              QStringList({"Pelajar|750|0", "Umum|1500|NULL"}));
    EXPECT_EQ(d->column("HargaRental").mid(3), QStringList({"1500", "750"}));

    AddMovementRow(env, "T1", "M01", "KUNJUNG", "KUNJUNG");
    d->clickRow(3);  // KUNJUNG / Umum
    d->press("delete");
    EXPECT_EQ(env.rows("select Pengarang from ItemPerpus where Id='KUNJUNG'"), QStringList({"Pelajar"}));
    EXPECT_EQ(d->column("Pengarang").mid(3), QStringList({"Pelajar"}));
}

// Two tariffs of one category (typed in by hand elsewhere) are not both rewritten
// by one save: nothing changes and the operator is told why.
TEST_F(ItemFormTest, AnUpdateThatWouldChangeSeveralRowsChangesNone) {
    env.addTariff("Umum", "1500");
    env.addTariff("Umum", "2000");
    d->form.reloadRecords();
    d->clickRow(3);  // KUNJUNG / Umum
    d->type("hargaRental", "750");
    d->press("save");
    EXPECT_EQ(d->told(), QStringList({"Entry Data..: " + entry::kSeveral}));
    EXPECT_EQ(env.rows("select HargaRental from ItemPerpus where Id='KUNJUNG' order by HargaRental"),
              QStringList({"1500", "2000"}));
}

// Picking a shelf copies it; "Add Item" empties the field for a new one. The list
// gains a shelf once it has been saved with a record, before "Add Item", never
// twice and never an empty one.
TEST_F(ItemFormTest, TheShelfListGrowsWithSavedShelvesOnly) {
    d->pick("shelfList", "B2");
    EXPECT_EQ(d->text("shelf"), "B2");
    d->pick("shelfList", "Add Item");
    EXPECT_EQ(d->text("shelf"), "");
    EXPECT_TRUE(d->field("shelf")->hasFocus());
    struct Case {
        const char* what;
        QStringList typed;
        QStringList list;
    };
    const std::vector<Case> cases = {
        {"update with a new shelf", {"code", "B01", "shelf", "C3"}, {"A1", "B2", "C3", "Add Item"}},
        {"the same again", {"code", "B01", "shelf", "C3"}, {"A1", "B2", "C3", "Add Item"}},
        {"insert with a new shelf",
         {"code", "N01", "name", "Baru", "shelf", "D4"},
         {"A1", "B2", "C3", "D4", "Add Item"}},
        {"refused insert", {"code", "N02", "name", "", "shelf", "E5"}, {"A1", "B2", "C3", "D4", "Add Item"}},
        {"an empty shelf",
         {"code", "B02", "name", "Fisika", "shelf", ""},
         {"A1", "B2", "C3", "D4", "Add Item"}},
        {"a shelf the list has", {"code", "B03", "shelf", "B2"}, {"A1", "B2", "C3", "D4", "Add Item"}},
        // Stored shelves differ in letter case too, as the database groups them.
        {"another letter case", {"code", "B03", "shelf", "a1"}, {"A1", "B2", "C3", "D4", "a1", "Add Item"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d->pick("shelfList", "Add Item");
        d->fill(c.typed);
        d->press("save");
        EXPECT_EQ(d->entries("shelfList"), c.list);
    }
    // After an update the list shows the saved shelf beside the field.
    EXPECT_EQ(d->get<QComboBox>("shelfList")->currentText(), "a1");
}

TEST_F(ItemFormTest, SearchLooksForTheTextAsTypedInSixColumns) {
    AddItemRow(env, {"P01", "Diskon 50% Akhir Tahun", "", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P02", "500 Soal Latihan", "", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P03", "Kode_Rahasia", "O'Brien", "", "", "", "", "", "", "A1"});
    AddItemRow(env, {"P04", "KodeXRahasia", "", "", "", "", "", "", "", "Rak Ω"});
    struct Case {
        QString text;
        QStringList ids;
    };
    const std::vector<Case> cases = {
        {"", {"B01", "B02", "B03", "P01", "P02", "P03", "P04"}},
        {"fisika", {"B02"}},                   // NamaItem, letters in any case
        {"hirata", {"B01"}},                   // Pengarang
        {"Gramedia", {"B03"}},                 // Penerbit
        {"000000", {"B02", "B03"}},            // ISBN
        {"b2", {"B02"}},                       // Rak (and Id)
        {"P0", {"P01", "P02", "P03", "P04"}},  // Id
        {"2005", {}},                          // HakCipta is not searched
        {"5000", {}},                          // nor HargaRental, Denda or JmlStock
        {"50%", {"P01"}},                      // % and _ are themselves
        {"Kode_", {"P03"}},
        {"O'Brien", {"P03"}},
        {"Ω", {"P04"}},
        {"zzz", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        d->search(c.text);
        EXPECT_EQ(d->column("Id"), c.ids);
        EXPECT_TRUE(env.messages.shown.empty());
    }
    // Only Enter searches.
    d->type("search", "Kimia");
    EXPECT_EQ(d->grid().rowCount(), 0);

    // Labels for a search that found nothing are refused before any dialog.
    d->press("labels");
    EXPECT_EQ(env.messages.texts(), QStringList({"Tidak ada item untuk dicetak labelnya.."}));
}

// A label per copy of every item found, from place 20 of the first 3 x 8 sheet:
// B01 (3 copies) and B03 (4) take its last five places and two of the next sheet.
TEST_F(ItemFormTest, LabelsForTheItemsFoundFromAChosenPlace) {
    d->search("A1");
    int pages = 0;
    WhenModal<LabelDialog>([&](LabelDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QRadioButton*>("foundItems")->text(), "Semua &hasil cari (2)");
        dialog->findChild<QCheckBox*>("perCopy")->setChecked(true);
        dialog->findChild<QSpinBox*>("start")->setValue(20);
        WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        });
        dialog->accept();
    });
    d->press("labels");
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(env.messages.shown.empty());  // the preview given up prints nothing and says nothing
}

TEST_F(ItemFormTest, TheFieldsFollowTheGridWhileTheMouseIsOverIt) {
    AppContext& ctx = env.ctx();
    d->clickRow(1);
    EXPECT_EQ(fields(), QStringList({"B02", "Fisika Dasar", "Halliday", "1999", "Erlangga", "9786020000001",
                                     "1000", "2", "5000", "B2"}));
    EXPECT_EQ(d->get<QComboBox>("shelfList")->currentText(), "B2");
    EXPECT_EQ(ctx.gridFollowFlag, 0);  // the code field shows the row: free to edit

    // Edited fields stay while the mouse is away; passing over the grid brings the
    // selected row back.
    d->type("name", "Fisika Modern");
    d->tick();
    EXPECT_EQ(d->text("name"), "Fisika Modern");
    d->hover(2);
    EXPECT_EQ(ctx.gridFollowFlag, 1);
    d->tick();
    EXPECT_EQ(d->text("name"), "Fisika Dasar");
    EXPECT_EQ(ctx.gridFollowFlag, 0);

    // The keyboard moves the selection and the fields with it.
    d->view()->setFocus();
    QTest::keyClick(d->view(), Qt::Key_Down);
    EXPECT_EQ(d->text("code"), "B03");
    EXPECT_EQ(d->text("shelf"), "A1");

    // Another open record form's grid arms the shared flag, but only its own form follows.
    RecordDriver<ItemForm> other(env);
    other.clickRow(0);
    d->type("name", "Sedang diketik");
    other.hover(1);
    EXPECT_EQ(ctx.gridFollowFlag, 1);
    d->tick();
    EXPECT_EQ(d->text("name"), "Sedang diketik");

    // New record: no row is chosen any more, so passing over the grid copies nothing
    // over what is typed next.
    d->press("add");
    EXPECT_EQ(d->grid().selectedRow(), -1);
    d->type("code", "N01");
    d->hover(0);
    d->tick();
    EXPECT_EQ(d->text("code"), "N01");
}

TEST_F(ItemFormTest, DeleteAsksFirstAndTakesOnlyTheSelectedItem) {
    AddItemRow(env, {"", "Tanpa kode", "", "", "", "", "", "", "", ""});
    d->form.reloadRecords();
    // Nothing selected: nothing is deleted on a guess, not even the item without a code.
    d->press("delete");
    EXPECT_EQ(d->told(), QStringList({"Info: Silahkan pilih record yang akan dihapus terlebih dahulu.."}));
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus"), "4");

    d->clickRow(1);
    env.messages.answers = {MsgAnswer::No};
    d->press("delete");
    EXPECT_EQ(d->told(), QStringList({kDeleteQuestion}));
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus"), "4");

    d->press("delete");  // Yes
    EXPECT_EQ(env.rows("select Id from ItemPerpus order by Id"), QStringList({"", "B01", "B03"}));
    EXPECT_EQ(d->column(0), QStringList({"1.", "3.", "4."}));  // not renumbered
    EXPECT_EQ(fields(), QStringList(10, ""));
    EXPECT_EQ(d->grid().selectedRow(), -1);
    d->told();
    d->press("delete");
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus"), "3");
}

// The import dialog opens for items; what came in while it was open shows once
// "Tutup" closes it, every item and not the old search.
TEST_F(ItemFormTest, ImportSetsItsTargetAndAReloadShowsWhatCameIn) {
    d->search("Laskar");
    WhenModal<ImportDialog>([this](ImportDialog* dialog) {
        EXPECT_EQ(dialog->kind(), ImportKind::Items);
        AddItemRow(env, {"X01", "Dari Excel", "", "", "", "", "", "", "", "Z9"});
        dialog->closeImport();
    });
    d->press("import");
    EXPECT_EQ(env.ctx().importTarget, "ItemPerpus");
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(d->column("Id"), QStringList({"B01", "B02", "B03", "X01"}));
    EXPECT_EQ(d->text("search"), "");
    EXPECT_EQ(d->entries("shelfList"), QStringList({"A1", "B2", "Z9", "Add Item"}));
}

// An item entered, changed and deleted without the mouse.
TEST_F(ItemFormTest, EverythingWorksFromTheKeyboard) {
    QWidget* code = d->field("code");
    EXPECT_TRUE(code->hasFocus());
    QTest::keyClicks(code, "K01");
    QTest::keyClick(code, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "Kamus");
    for (int i = 0; i < 8; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "shelfList");
    // End chooses "Add Item": the cursor goes on to the shelf field.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "shelf");
    QTest::keyClicks(QApplication::focusWidget(), "Z1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(d->told(), QStringList({kSaved}));
    EXPECT_EQ(stored("K01"), "K01|Kamus||||||||Z1|0");

    EXPECT_TRUE(d->field("code")->hasFocus());  // ready for the next item

    // Ctrl+F to the search, Enter, Tab to the list: the first Down chooses the one row found.
    QTest::keyClick(d->field("code"), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(d->field("search")->hasFocus());
    QTest::keyClicks(d->field("search"), "K01");
    QTest::keyClick(d->field("search"), Qt::Key_Return);
    QTest::keyClick(d->field("search"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d->view());
    QTest::keyClick(d->view(), Qt::Key_Down);
    EXPECT_EQ(d->text("code"), "K01");
    // Round to the name (Tab goes from the list back to the first field), change, save.
    QTest::keyClick(d->view(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(d->field("name")->hasFocus());
    QTest::keyClick(d->field("name"), Qt::Key_End);
    QTest::keyClicks(d->field("name"), " Besar");
    QTest::keyClick(d->field("name"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(env.scalar("select NamaItem from ItemPerpus where Id='K01'"), "Kamus Besar");
    // Back to the list and delete the chosen row.
    QTest::keyClick(d->field("name"), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), d->view());
    QTest::keyClick(d->view(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(env.scalar("select count(*) from ItemPerpus where Id='K01'"), "0");
    QTest::keyClick(d->view(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(d->field("code")->hasFocus());
}

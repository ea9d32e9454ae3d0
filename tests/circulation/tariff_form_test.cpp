// "Tarif Kunjungan": the visit prices per member category.
#include <gtest/gtest.h>

#include "circulation/tariff_form.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class TariffFormTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("M01", "Budi", "Umum");
        env.addMember("M02", "Ani", "Pelajar");
        env.addMember("M03", "Tono", "Pelajar");
        env.addMember("M04", "Rina", "Guru's");
        env.addTariff("Umum", "1500");
        open();
    }
    void open() {
        form = std::make_unique<TariffForm>(env.ctx());
        ShowActive(*form);
        category = Child<QComboBox>(form.get(), "category");
        amount = Child<QLineEdit>(form.get(), "amount");
    }
    void saveTariff(const QString& cat, const QString& amt) {
        category->setCurrentIndex(category->findText(cat));
        amount->setText(amt);
        Click(form.get(), "save");
    }
    void clickRow(int row) { ClickRow(form.get(), "tariffs", row); }
    QStringList tariffs() {
        return env.rows(
            "select NamaItem, Pengarang, HargaRental from ItemPerpus where Id='KUNJUNG' order by Pengarang");
    }
    std::unique_ptr<TariffForm> form;
    QComboBox* category = nullptr;
    QLineEdit* amount = nullptr;
};

}  // namespace

TEST_F(TariffFormTest, SaveInsertsANewCategoryThenUpdatesIt) {
    // The categories are the members'; the form opens on the first.
    EXPECT_EQ(category->currentText(), "Guru's");
    EXPECT_EQ(category->count(), 3);
    EXPECT_EQ(Rows(form->grid()), QStringList({"1.|Umum|1500"}));

    saveTariff("Pelajar", "1000");
    saveTariff("Guru's", "500");  // a quote is stored as typed
    EXPECT_EQ(tariffs(),
              QStringList({"BERKUNJUNG|Guru's|500", "BERKUNJUNG|Pelajar|1000", "BERKUNJUNG|Umum|1500"}));
    saveTariff("Pelajar", "2000");
    EXPECT_EQ(tariffs(),
              QStringList({"BERKUNJUNG|Guru's|500", "BERKUNJUNG|Pelajar|2000", "BERKUNJUNG|Umum|1500"}));
    EXPECT_EQ(Rows(form->grid()), QStringList({"1.|Umum|1500", "2|Pelajar|2000", "3|Guru's|500"}));

    EXPECT_EQ(Told(env),
              QStringList({"Entry Data..: Data berhasil disimpan..", "Entry Data..: Data berhasil disimpan..",
                           "Entry Data..: Perubahan data berhasil disimpan.."}));
}

TEST_F(TariffFormTest, EmptyAmountIsRefusedForANewCategoryButClearsAnExistingPrice) {
    saveTariff("Pelajar", "");
    EXPECT_EQ(Told(env), QStringList({"Entry Data..: Gagal menyimpan, kolom Kode atau Nama belum terisi.."}));
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Umum|1500"}));

    saveTariff("Umum", "");
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Umum|"}));
    EXPECT_EQ(Rows(form->grid()), QStringList({"1.|Umum|"}));
}

TEST_F(TariffFormTest, ClickingARowLoadsItForSaving) {
    saveTariff("Pelajar", "1000");
    clickRow(0);
    EXPECT_EQ(QStringList({category->currentText(), amount->text()}), QStringList({"Umum", "1500"}));
    clickRow(1);
    EXPECT_EQ(QStringList({category->currentText(), amount->text()}), QStringList({"Pelajar", "1000"}));

    // A tariff whose category no member has any more: no category is selected.
    env.exec("delete from Member where Kategori='Pelajar'");
    open();
    clickRow(Column(form->grid(), 1).indexOf("Pelajar"));
    EXPECT_EQ(amount->text(), "1000");
    EXPECT_EQ(category->currentIndex(), -1);
}

TEST_F(TariffFormTest, DeleteAsksFirstAndActsOnlyOnYes) {
    EXPECT_EQ(form->focusWidget(), Child<QPushButton>(form.get(), "delete"));
    saveTariff("Pelajar", "1000");
    saveTariff("Guru's", "500");
    env.messages.clear();
    clickRow(0);

    env.messages.answers = {MsgAnswer::No};
    Click(form.get(), "delete");
    EXPECT_EQ(tariffs().size(), 3);
    EXPECT_EQ(Told(env), QStringList({kDeleteQuestion}));
    EXPECT_EQ(env.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(env.messages.shown[0].icon, MsgIcon::Question);

    env.messages.answers = {MsgAnswer::Yes};
    Click(form.get(), "delete");
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Guru's|500", "BERKUNJUNG|Pelajar|1000"}));
    EXPECT_EQ(Rows(form->grid()),
              QStringList({"2|Pelajar|1000", "3|Guru's|500"}));  // the rest keep their numbers
    // No other tariff is left selected: Hapus again deletes nothing.
    EXPECT_EQ(form->grid().selectedRow(), -1);
    EXPECT_TRUE(Child<GridView>(form.get(), "tariffs")->selectionModel()->selectedRows().isEmpty());
    env.messages.answers = {MsgAnswer::Yes};
    Click(form.get(), "delete");
    EXPECT_EQ(tariffs().size(), 2);
}

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "circulation/tariff_form.h"
#include "qt_print.h"
#include "support/fixture.h"
#include "ui/grid_view.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

const QString kConfirm =
    "Apakah anda yakin akan menghapus record ini? Cobalah koreksi data yang terkait dengan record ini, "
    "mungkin bisa "
    "mengakibatkan perubahan referensi data dan mengakibatkan data menjadi rancu..";

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
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        category = form->findChild<QComboBox*>("category");
        amount = form->findChild<QLineEdit*>("amount");
        view = form->findChild<GridView*>("tariffs");
        ASSERT_TRUE(category && amount && view);
    }
    void saveTariff(const QString& cat, const QString& amt) {
        category->setCurrentIndex(category->findText(cat));
        amount->setText(amt);
        QTest::mouseClick(form->findChild<QPushButton*>("save"), Qt::LeftButton);
    }
    void clickRow(int row) {
        const QRect rect = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList tariffs() {
        return env.rows(
            "select NamaItem, Pengarang, HargaRental from ItemPerpus where Id='KUNJUNG' order by Pengarang");
    }
    QStringList gridRows() {
        QStringList out;
        for (int r = 0; r < form->grid().rowCount(); ++r) out << form->grid().row(r).join('|');
        return out;
    }
    std::unique_ptr<TariffForm> form;
    QComboBox* category = nullptr;
    QLineEdit* amount = nullptr;
    GridView* view = nullptr;
};

}  // namespace

TEST_F(TariffFormTest, ListsTariffsAndTheMembersCategories) {
    EXPECT_EQ(form->objectName(), "FORM_ZELKOR_FORM16_CLASS");
    EXPECT_EQ(form->windowTitle(), "Form Tarif Kunjungan");
    EXPECT_EQ(gridRows(), QStringList({"1.|Umum|1500"}));
    ASSERT_EQ(category->count(), 3);
    EXPECT_EQ(category->itemText(0), "Guru's");
    EXPECT_EQ(category->itemText(2), "Umum");
    EXPECT_EQ(category->currentIndex(), 0);
    EXPECT_EQ(category->accessibleName(), "Kategori Member");
    EXPECT_EQ(amount->accessibleName(), "Nominal Kunjung");
    EXPECT_EQ(form->focusWidget(), form->findChild<QPushButton*>("delete"));
}

TEST_F(TariffFormTest, SaveInsertsANewCategoryThenUpdatesIt) {
    saveTariff("Pelajar", "1000");
    saveTariff("Guru's", "500");  // a quote is stored as typed
    EXPECT_EQ(tariffs(),
              QStringList({"BERKUNJUNG|Guru's|500", "BERKUNJUNG|Pelajar|1000", "BERKUNJUNG|Umum|1500"}));
    EXPECT_EQ(gridRows(), QStringList({"1.|Umum|1500", "2|Pelajar|1000", "3|Guru's|500"}));

    saveTariff("Pelajar", "2000");
    EXPECT_EQ(tariffs(),
              QStringList({"BERKUNJUNG|Guru's|500", "BERKUNJUNG|Pelajar|2000", "BERKUNJUNG|Umum|1500"}));
    EXPECT_EQ(gridRows(), QStringList({"1.|Umum|1500", "2|Pelajar|2000", "3|Guru's|500"}));

    ASSERT_EQ(env.messages.shown.size(), 3u);
    EXPECT_EQ(env.messages.texts(), QStringList({"Data berhasil disimpan..", "Data berhasil disimpan..",
                                                 "Perubahan data berhasil disimpan.."}));
    for (const auto& m : env.messages.shown) EXPECT_EQ(m.caption, "Entry Data..");
}

TEST_F(TariffFormTest, EmptyAmountIsRefusedForANewCategoryButClearsAnExistingPrice) {
    saveTariff("Pelajar", "");
    EXPECT_EQ(env.messages.texts(), QStringList({"Gagal menyimpan, kolom Kode atau Nama belum terisi.."}));
    EXPECT_EQ(env.messages.shown[0].caption, "Entry Data..");
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Umum|1500"}));

    saveTariff("Umum", "");
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Umum|"}));
    EXPECT_EQ(gridRows(), QStringList({"1.|Umum|"}));
}

TEST_F(TariffFormTest, ClickingARowLoadsItForSaving) {
    saveTariff("Pelajar", "1000");
    clickRow(0);
    EXPECT_EQ(amount->text(), "1500");
    EXPECT_EQ(category->currentText(), "Umum");
    clickRow(1);
    EXPECT_EQ(amount->text(), "1000");
    EXPECT_EQ(category->currentText(), "Pelajar");

    // A tariff whose category no member has any more: no category is selected.
    env.exec("delete from Member where Kategori='Pelajar'");
    open();
    int pelajar = 0;
    while (pelajar < form->grid().rowCount() && form->grid().cell(pelajar, 1) != "Pelajar") ++pelajar;
    clickRow(pelajar);
    EXPECT_EQ(amount->text(), "1000");
    EXPECT_EQ(category->currentIndex(), -1);
}

TEST_F(TariffFormTest, DeleteAsksFirstAndActsOnlyOnYes) {
    saveTariff("Pelajar", "1000");
    env.messages.clear();
    clickRow(0);

    env.messages.answers = {MsgAnswer::No};
    QTest::mouseClick(form->findChild<QPushButton*>("delete"), Qt::LeftButton);
    EXPECT_EQ(tariffs().size(), 2);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, kConfirm);
    EXPECT_EQ(env.messages.shown[0].caption, "Confirm Delete");
    EXPECT_EQ(env.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(env.messages.shown[0].icon, MsgIcon::Question);

    env.messages.answers = {MsgAnswer::Yes};
    QTest::mouseClick(form->findChild<QPushButton*>("delete"), Qt::LeftButton);
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Pelajar|1000"}));
    EXPECT_EQ(gridRows(), QStringList({"2|Pelajar|1000"}));  // the rest keep their numbers
}

TEST_F(TariffFormTest, AfterADeleteNoOtherTariffIsLeftSelected) {
    saveTariff("Pelajar", "1000");
    saveTariff("Guru's", "500");
    clickRow(0);
    env.messages.answers = {MsgAnswer::Yes};
    QTest::mouseClick(form->findChild<QPushButton*>("delete"), Qt::LeftButton);
    EXPECT_EQ(form->grid().selectedRow(), -1);
    EXPECT_TRUE(view->selectionModel()->selectedRows().isEmpty());

    // Hapus again without choosing a row deletes nothing.
    env.messages.answers = {MsgAnswer::Yes};
    QTest::mouseClick(form->findChild<QPushButton*>("delete"), Qt::LeftButton);
    EXPECT_EQ(tariffs(), QStringList({"BERKUNJUNG|Guru's|500", "BERKUNJUNG|Pelajar|1000"}));
}

#include "circulation/tariff_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "circulation/form_parts.h"
#include "db/row_sinks.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
const QString kEntryCaption = QStringLiteral("Entry Data..");
}

TariffForm::TariffForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM16_CLASS"));
    setWindowTitle(QStringLiteral("Form Tarif Kunjungan"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    resize(Scaled(this, 500), Scaled(this, 310));
    createColumns();
    createControls();
    load();
    deleteButton_->setFocus();
}

void TariffForm::createColumns() {
    // "Kategori Member" is 110 wide, not 80: its header and the longer categories fit.
    grid_.setColumns({{QStringLiteral("No"), 50, Align::Center},
                      {QStringLiteral("Kategori Member"), 110, Align::Left},
                      {QStringLiteral("Tarif Kunjungan"), 100, Align::Right}});
}

void TariffForm::createControls() {
    auto place = [this](QWidget* w, int x, int y, int width, int height) {
        PlaceAt(this, w, x, y, width, height);
    };
    auto* categoryLabel = new QLabel(QStringLiteral("&Kategori Member"), this);
    place(categoryLabel, 10, 8, 128, 24);
    category_ = new QComboBox(this);
    category_->setObjectName(QStringLiteral("category"));
    category_->setAccessibleName(QStringLiteral("Kategori Member"));
    place(category_, 143, 8, 321, 24);
    categoryLabel->setBuddy(category_);

    auto* amountLabel = new QLabel(QStringLiteral("&Nominal Kunjung"), this);
    place(amountLabel, 8, 40, 128, 24);
    amount_ = new QLineEdit(this);
    amount_->setObjectName(QStringLiteral("amount"));
    amount_->setAccessibleName(QStringLiteral("Nominal Kunjung"));
    MakeAmountEntry(amount_);
    place(amount_, 145, 39, 319, 25);
    amountLabel->setBuddy(amount_);

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("tariffs"));
    view_->setAccessibleName(QStringLiteral("Tarif Kunjungan"));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    place(view_, 9, 72, 455, 160);
    view_->applyColumnWidths();

    deleteButton_ = MakeButton(this, QStringLiteral("&Hapus"), "delete", 220, 240, 121, 24);
    saveButton_ = MakeButton(this, QStringLiteral("&Simpan"), "save", 343, 240, 121, 24);

    connect(view_, &GridView::leftButtonReleased, this, &TariffForm::showRow);
    connect(saveButton_, &QPushButton::clicked, this, &TariffForm::save);
    connect(deleteButton_, &QPushButton::clicked, this, &TariffForm::remove);
}

void TariffForm::load() {
    grid_.clearRows();
    ctx_.run(QStringLiteral("select Pengarang, HargaRental from ItemPerpus where Id='KUNJUNG'"), {},
             AppendNumberedRow(grid_));
    category_->clear();
    ctx_.run(QStringLiteral("select Kategori from Member Group By Kategori"), {}, AddComboItem(*category_));
    category_->setCurrentIndex(category_->count() > 0 ? 0 : -1);
}

void TariffForm::showRow() {
    const int row = grid_.selectedRow();
    if (row < 0) return;
    amount_->setText(grid_.cell(row, ColTarif));
    // The same category if the list has it, otherwise the first entry that begins
    // with it (case ignored); none when no entry does.
    const QString kategori = grid_.cell(row, ColKategori);
    int index = category_->findText(kategori, Qt::MatchFixedString);
    if (index < 0) index = category_->findText(kategori, Qt::MatchStartsWith);
    category_->setCurrentIndex(index);
}

void TariffForm::save() {
    const QString cat = category_->currentText();
    const QString amt = amount_->text();
    if (cat.isEmpty()) {  // no member has a category yet: a tariff would be for nobody
        ctx_.messages().info(QStringLiteral("Gagal menyimpan, kolom Kode atau Nama belum terisi.."),
                             kEntryCaption);
        return;
    }
    QString count;
    if (!ctx_.run(QStringLiteral("Select count(*) From ItemPerpus WHERE Id='KUNJUNG' and Pengarang=?"), {cat},
                  StoreScalar(count)))
        return;

    if (count.toLongLong() >= 1) {
        if (!ctx_.run(
                QStringLiteral("Update ItemPerpus Set HargaRental=? where Id='KUNJUNG' and Pengarang=?"),
                {amt, cat}))
            return;
        // The rows of that category show the new price, whichever row is selected.
        for (int r = 0; r < grid_.rowCount(); ++r)
            if (grid_.cell(r, ColKategori) == cat) grid_.setCell(r, ColTarif, amt);
        ctx_.messages().info(QStringLiteral("Perubahan data berhasil disimpan.."), kEntryCaption);
    } else if (!amt.isEmpty()) {
        if (!ctx_.run(QStringLiteral("Insert Into ItemPerpus (Id, NamaItem, Pengarang, HargaRental) "
                                     "Values('KUNJUNG','BERKUNJUNG',?,?)"),
                      {cat, amt}))
            return;
        grid_.appendRow({QString::number(grid_.rowCount() + 1), cat, amt});
        ctx_.messages().info(QStringLiteral("Data berhasil disimpan.."), kEntryCaption);
    } else {
        ctx_.messages().info(QStringLiteral("Gagal menyimpan, kolom Kode atau Nama belum terisi.."),
                             kEntryCaption);
    }
}

void TariffForm::remove() {
    if (!ctx_.messages().confirmDelete()) return;
    const int row = grid_.selectedRow();
    if (row < 0) return;  // nothing selected: no tariff to delete
    if (!ctx_.run(QStringLiteral("Delete From itemperpus Where id='KUNJUNG' and Pengarang=?"),
                  {grid_.cell(row, ColKategori)}))
        return;
    grid_.removeRow(row);
    // The view then highlights a neighbour: a second Hapus must not take a tariff the
    // operator never chose.
    grid_.select(-1);
}

}  // namespace zelkor

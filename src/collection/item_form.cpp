#include "item_form.h"

#include <QLineEdit>

#include "app/app_context.h"
#include "collection/pick_list.h"
#include "collection/record_rules.h"
#include "collection/record_toolbar.h"
#include "labels/label_dialog.h"

namespace zelkor {

namespace {

const QString kTariffCode = QStringLiteral("KUNJUNG");

RecordFormDesign ItemDesign() {
    RecordFormDesign s;
    s.windowClass = QLatin1String(ItemForm::kWindowClass);
    s.title = s.boxTitle = QStringLiteral("Form Data Item Perpustakaan");
    s.table = QStringLiteral("ItemPerpus");
    s.recordWord = QStringLiteral("item");
    s.movementColumn = QStringLiteral("IdItemPerpus");
    s.columns = {{"Id", "Id", 80, Align::Left},
                 {"NamaItem", "Nama_Item", 180, Align::Left},
                 {"Pengarang", "Pengarang", 100, Align::Left},
                 {"HakCipta", "Hak_Cipta", 100, Align::Center},
                 {"Penerbit", "Penerbit", 100, Align::Left},
                 {"ISBN", "ISBN", 100, Align::Center},
                 {"Denda", "Nilai_Denda", 100, Align::Right},
                 {"JmlStock", "Stock", 100, Align::Right},
                 {"HargaRental", "Hrg_Rental", 100, Align::Right},
                 {"Rak", "Rak", 100, Align::Center}};
    s.searched = {"Id", "NamaItem", "Pengarang", "Penerbit", "ISBN", "Rak"};
    s.reportTitle = QStringLiteral("LAPORAN DATA ITEM PERPUSTAKAAN");
    s.addTip = QStringLiteral("Tambah Data Rekening Baru");
    s.saveTip = QStringLiteral("Edit / Ubah Data Rekening");
    s.deleteTip = QStringLiteral("Hapus Item Data Rekening");
    s.paperCommand = RecordCommand::Labels;
    return s;
}

}  // namespace

ItemForm::ItemForm(AppContext& ctx, QWidget* parent) : RecordForm(ctx, ItemDesign(), parent) {
    QLineEdit* code = addTextRow(QStringLiteral("Id Item"), "code");
    QLineEdit* name = addTextRow(QStringLiteral("Nama Item"), "name");
    pengarang_ = addTextRow(QStringLiteral("Pengarang"), "pengarang");
    addTextRow(QStringLiteral("Hak Cipta"), "hakCipta");
    addTextRow(QStringLiteral("Penerbit"), "penerbit");
    addTextRow(QStringLiteral("ISBN"), "isbn");
    addDigitsRow(QStringLiteral("Nilai Denda"), "denda");
    addDigitsRow(QStringLiteral("Jumlah Stock"), "stock");
    addDigitsRow(QStringLiteral("Harga Rental"), "hargaRental");
    addPickRow(QStringLiteral("Lokasi Rak"), "shelfList", "shelf", 93, 100,
               QStringLiteral("select Rak from ItemPerpus Group By Rak"));
    jenis_ = addPickRow(QStringLiteral("Jenis"), "kindList", "kind", 93, 100,
                        QStringLiteral("select Jenis from ItemPerpus where Jenis<>'' Group By Jenis"), true);
    open(code, name);
}

// Rental is never typed: it follows the rental price on every save. A visit tariff's
// price is the price of a visit, never a rent: a tariff is never for rent.
RecordForm::StoredRecord ItemForm::storedRecord(const QStringList& shown) const {
    StoredRecord r = RecordForm::storedRecord(shown);
    const bool tariff = shown.value(gridColumnOf(QStringLiteral("Id")) - 1) == kTariffCode;
    r.columns << QStringLiteral("Rental");
    r.values << (tariff ? QStringLiteral("0")
                        : RentalFlag(shown.value(gridColumnOf(QStringLiteral("HargaRental")) - 1)));
    // The kind is written when one is typed or the record already has one, so a
    // library that never uses kinds keeps the rows it always wrote.
    const QString code = shown.value(gridColumnOf(QStringLiteral("Id")) - 1);
    const Statement stored =
        ColumnStatement(QStringLiteral("ItemPerpus"), QStringLiteral("Jenis is not null"), keyForSave(code));
    if (!jenis_->text().isEmpty() || ctx().db().scalar(stored.sql, stored.values) == QLatin1String("1")) {
        r.columns << QStringLiteral("Jenis");
        r.values << jenis_->text();
    }
    return r;
}

void ItemForm::showOwnRows(int row) {
    const Statement kind =
        ColumnStatement(QStringLiteral("ItemPerpus"), QStringLiteral("Jenis"), keyForRow(row));
    jenis_->show(ctx().db().scalar(kind.sql, kind.values));
}

void ItemForm::clearOwnRows() {
    jenis_->clear();
}

// The visit tariffs share the code "KUNJUNG"; the member category in Pengarang tells
// them apart, so changing one never rewrites every tariff. A save keeps to the
// tariff selected in the grid, or else to the one of the category typed.
RecordKey ItemForm::keyForSave(const QString& code) const {
    if (code != kTariffCode) return RecordForm::keyForSave(code);
    const int row = grid().selectedRow();
    const bool tariffChosen = row >= 0 && RecordForm::keyForRow(row).values.value(0) == kTariffCode;
    return tariffKey(tariffChosen ? categoryOf(row) : pengarang_->text());
}

RecordKey ItemForm::keyForRow(int row) const {
    const RecordKey key = RecordForm::keyForRow(row);
    return key.values.value(0) == kTariffCode ? tariffKey(categoryOf(row)) : key;
}

// The chosen row, and every row the search found; the visit tariffs are no items.
void ItemForm::printOnPaper() {
    const int code = gridColumnOf(QStringLiteral("Id")), title = gridColumnOf(QStringLiteral("NamaItem")),
              shelf = gridColumnOf(QStringLiteral("Rak")), stock = gridColumnOf(QStringLiteral("JmlStock"));
    const auto label = [&](int row) {
        return ItemLabel{grid().cell(row, code), grid().cell(row, title), grid().cell(row, shelf),
                         grid().cell(row, stock).toInt()};
    };
    std::vector<ItemLabel> chosen, found;
    for (int row = 0; row < grid().rowCount(); ++row)
        if (grid().cell(row, code) != kTariffCode) found.push_back(label(row));
    if (const int row = grid().selectedRow(); row >= 0 && grid().cell(row, code) != kTariffCode)
        chosen.push_back(label(row));
    PrintItemLabels(ctx(), this, chosen, found);
}

RecordKey ItemForm::tariffKey(const QString& category) {
    return {{QStringLiteral("Id"), QStringLiteral("Pengarang")}, {kTariffCode, category}};
}

QString ItemForm::categoryOf(int row) const {
    return grid().cell(row, gridColumnOf(QStringLiteral("Pengarang")));
}

}  // namespace zelkor

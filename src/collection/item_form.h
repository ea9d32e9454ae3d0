#pragma once
// "Form Data Item Perpustakaan": the library's items (ItemPerpus), listed, searched,
// added, changed and deleted, with the shelf list. The visit tariffs (Id "KUNJUNG",
// one row per member category) show here like items; a save or delete of one of them
// touches only that category's row.
#include "collection/record_form.h"

namespace zelkor {

class ItemForm : public RecordForm {
    Q_OBJECT
  public:
    explicit ItemForm(AppContext& ctx, QWidget* parent = nullptr);

    // The window class: the Data menu brings an open form forward by it.
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM6_CLASS";

  protected:
    StoredRecord storedRecord(const QStringList& shown) const override;
    RecordKey keyForSave(const QString& code) const override;
    RecordKey keyForRow(int row) const override;
    void printOnPaper() override;  // Cetak Label
    void showOwnRows(int row) override;
    void clearOwnRows() override;

  private:
    static RecordKey tariffKey(const QString& category);
    QString categoryOf(int row) const;  // a tariff row's member category (Pengarang)

    QLineEdit* pengarang_ = nullptr;
    PickList* jenis_ = nullptr;  // the kind the loan rules go by; no grid column
};

}  // namespace zelkor

#pragma once
// "Form Pelaporan Item Hilang": the operator picks the item from the list (searched
// with "Cari"), sees it field by field in the panel below, and reports how many copies
// were lost, when, by whom and why. The report takes the copies out of stock
// (lost_item_report.h). Modal over the main window.
#include <QDialog>

#include "ui/grid_data.h"

class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class DateField;
class GridFollower;
class RecordList;

class LostItemForm : public QDialog {
    Q_OBJECT
  public:
    explicit LostItemForm(AppContext& ctx, QWidget* parent = nullptr);

    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM11_CLASS";

    GridData& items();
    const GridData& details() const { return details_; }
    GridFollower* follower() const { return follower_; }

  public slots:
    void report();  // "LAPORKAN KEHILANGAN"

  protected:
    // The mouse over the dialog's own background stops the panel following the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createColumns();
    void createControls();
    void showItem(int row);
    void clearDetails();

    AppContext& ctx_;
    RecordList* list_ = nullptr;
    GridData details_;
    GridFollower* follower_ = nullptr;
    DateField* date_ = nullptr;
    QLineEdit* reporter_ = nullptr;
    QLineEdit* count_ = nullptr;
    QLineEdit* remark_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QPushButton* doneButton_ = nullptr;
};

// "ITEM HILANG" and "Proses" > "Item Hilang": the form, modal over `owner`.
void OpenLostItemReports(AppContext& ctx, QWidget* owner);

}  // namespace zelkor

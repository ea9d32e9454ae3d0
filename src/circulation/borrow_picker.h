#pragma once
// "Browse Item": the operator picks an item for lending; Sisip puts one "PINJAM" row,
// due after the member's loan period, in the desk's cart. Opened by PEMINJAMAN.
#include <QDialog>
#include <QHash>

#include "ui/grid_data.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace zelkor {

class AppContext;
class DeskForm;
class GridView;

class BorrowPicker : public QDialog {
    Q_OBJECT
  public:
    // ColTersedia: copies on the shelf, less those the cart already takes.
    enum Column { ColNo, ColId, ColNamaItem, ColPenerbit, ColPengarang, ColTersedia };
    // The detail panel's rows, column 1 holding the selected item's values.
    enum DetailRow { DetailId, DetailNamaItem, DetailPenerbit, DetailPengarang, DetailRowCount };

    explicit BorrowPicker(DeskForm& desk);
    ~BorrowPicker() override;

    GridData& items() { return items_; }
    const GridData& detail() const { return detail_; }

  public slots:
    void search();           // Go, or Enter in the search field
    void followSelection();  // every 200 ms: the detail panel shows the selected item
    void insert();           // Sisip

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createColumns();
    void createControls();
    void fill(const QString& searchText);

    DeskForm& desk_;
    AppContext& ctx_;
    QHash<QString, int> inCart_;  // copies the desk's cart already takes, by item
    GridData items_;
    GridData detail_;
    GridView* view_ = nullptr;
    GridView* detailView_ = nullptr;
    QLineEdit* search_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace zelkor

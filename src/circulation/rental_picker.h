#pragma once
// "Item Rental": the operator picks an item for rent and the number of days; Sisip
// puts one "RENTAL" row in the desk's cart. Opened by the desk's RENTAL button.
#include <QDialog>
#include <QHash>

#include "ui/grid_data.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zelkor {

class AppContext;
class DeskForm;
class GridView;

class RentalPicker : public QDialog {
    Q_OBJECT
  public:
    // ColTersedia: copies on the shelf, less those the cart already takes.
    enum Column { ColNo, ColId, ColNamaItem, ColHarga, ColTersedia };

    // Modal over `desk`, which gets the chosen row.
    explicit RentalPicker(DeskForm& desk);
    ~RentalPicker() override;

    GridData& items() { return items_; }
    QString itemName() const;  // the selected item's name as shown
    QString days() const;
    QString price() const;

  public slots:
    void search();            // Go, or Enter in the search field
    void followSelection();   // every 200 ms: the preset of 3 days while GridFollowFlag is up
    void updatePrice();       // the days field changed
    void showSelectedItem();  // the grid's selected row changed
    void insert();            // Sisip

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createColumns();
    void createControls();
    void fill(const QString& searchText);

    DeskForm& desk_;
    AppContext& ctx_;
    QHash<QString, int> inCart_;  // copies the desk's cart already takes, by item
    GridData items_;
    GridView* view_ = nullptr;
    QLabel* itemName_ = nullptr;
    QLineEdit* days_ = nullptr;
    QLabel* price_ = nullptr;
    QLineEdit* search_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace zelkor

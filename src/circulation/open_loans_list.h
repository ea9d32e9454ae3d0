#pragma once
// A list over the desk of the member's movements still out, in a checkable grid
// with Batal and Sisip: Sisip hands every ticked row to the desk's cart. The return
// list and the renewal list are two of them.
#include <QDialog>
#include <functional>
#include <vector>

#include "ui/grid_data.h"

class QPushButton;

namespace zelkor {

class AppContext;
class DeskForm;
class GridView;
struct OpenMovement;

class OpenLoansList : public QDialog {
    Q_OBJECT
  public:
    GridData& rows() { return rows_; }

  public slots:
    void insert();  // Sisip

  protected:
    struct Design {
        const char* objectName;
        QString title;
        int width;  // design pixels; the grid and the buttons keep to its right edge
        const char* gridName;
        QString gridAccessibleName;
        std::vector<GridColumn> columns;
        QString refusedHeading;  // above the rows Sisip could not take
    };
    OpenLoansList(DeskForm& desk, Design design);

    // For the constructor of a list, once it is built: the rows read, Sisip in focus.
    void open();
    virtual void load() = 0;
    // For load(): each of the member's movements still out that the cart does not
    // take already, inside one Batch of the rows.
    void forEachOpenMovement(const std::function<void(OpenMovement&)>& each);
    // Puts ticked row `row` in the cart; false with the reason when it cannot go.
    virtual bool addToCart(int row, QString& refusal) = 0;

    DeskForm& desk_;
    AppContext& ctx_;
    GridData rows_;

  private:
    QString refusedHeading_;
    GridView* view_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
};

}  // namespace zelkor

#pragma once
// The return list: the member's movements still out, with their due date, days late
// and fine. The operator ticks the items brought back; Sisip puts one "RETURN" row
// per ticked movement in the desk's cart. Opened by PENGEMBALIAN.
#include <QDialog>

#include "ui/grid_data.h"

class QPushButton;

namespace zelkor {

class AppContext;
class DeskForm;
class GridView;

class ReturnList : public QDialog {
    Q_OBJECT
  public:
    // Column 0 is "No.", then the columns of OutstandingStatement (picker_queries.h).
    enum Column { ColNo, ColIdTrans, ColNamaItem, ColTglKembali, ColTerlambat, ColDenda };

    explicit ReturnList(DeskForm& desk);

    GridData& movements() { return movements_; }

  public slots:
    void insert();  // Sisip

  private:
    void createColumns();
    void createControls();
    void load();

    DeskForm& desk_;
    AppContext& ctx_;
    GridData movements_;
    GridView* view_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
};

}  // namespace zelkor

#pragma once
// "Data User": the operator list, a child window of the main window. Its toolbar
// adds, shows and deletes operators and exports the list.
#include <QWidget>

#include "ui/grid_data.h"

class QAction;

namespace zelkor {

class AppContext;
class GridView;

class OperatorList : public QWidget {
    Q_OBJECT
  public:
    explicit OperatorList(AppContext& ctx, QWidget* parent = nullptr);

    const GridData& grid() const { return grid_; }
    GridView* view() const { return view_; }

  public slots:
    void load();
    void addOperator();   // open the form in add mode
    void showOperator();  // open the form in show mode for the selected row
    void removeOperator();
    void exportToSpreadsheet();
    void reportToBrowser();

  private:
    void createControls();
    void openForm(bool show);

    AppContext& ctx_;
    GridData grid_;
    GridView* view_ = nullptr;
};

}  // namespace zelkor

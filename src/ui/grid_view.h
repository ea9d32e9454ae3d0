#pragma once
// Shows a GridData: a report-style list with grid lines and full-row selection.
// Rows have one fixed height, never sized to their contents, so a long list
// fills at once.
#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

class QLineEdit;

#include "ui/grid_data.h"

namespace zelkor {

class GridModel : public QAbstractTableModel, public GridListener {
    Q_OBJECT
  public:
    explicit GridModel(GridData& grid, QObject* parent = nullptr);
    ~GridModel() override;

    GridData& grid() { return *grid_; }

    // The text of each cell worked out when it is shown instead of read from the
    // grid, whose rows then only count the lines and keep the selection: for a list
    // too long to make every line of beforehand (the catalogue). Empty: the grid's.
    using CellText = std::function<QString(int row, int column)>;
    void setCellText(CellText cellText) { cellText_ = std::move(cellText); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void gridReset() override;
    void gridRowsAppended(int first, int last) override;
    void gridRowAboutToBeRemoved(int row) override;
    void gridRowRemoved(int row) override;
    void gridCellChanged(int row, int column) override;
    void gridSelectionChanged(int row) override;
    void gridDestroyed() override;

  signals:
    void selectionMarkChanged(int row);

  private:
    // The grid shown; an empty one of our own once the form's grid is gone (a
    // form may destroy its GridData members before its child views).
    GridData* grid_;
    GridData detached_;
    // The size the views were last told of: GridData reports an append or a
    // removal after it happened, and the model answers with these until it has
    // announced it.
    int shownRows_ = 0;
    int shownColumns_ = 0;
    CellText cellText_;
};

class GridView : public QTableView {
    Q_OBJECT
  public:
    // `showHeaders` false gives the panels without column headers (member panel).
    explicit GridView(GridData& grid, QWidget* parent = nullptr, bool showHeaders = true);

    GridData& grid() { return model_->grid(); }
    GridModel* gridModel() { return model_; }

    // Applies the grid's column widths (96-dpi pixels, scaled to the screen). They
    // are the least widths: the widest text column (the names, the titles) takes
    // whatever width the window has beyond them.
    void applyColumnWidths();
    // The column that takes the free width, -1 for none.
    int stretchColumn() const;

  signals:
    // The mouse moved over the rows (the record forms' follow-the-selection flag).
    void mouseOverRows();
    // A left-button release on the list.
    void leftButtonReleased();
    // The selected row changed (-1 for none).
    void rowSelected(int row);

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void syncSelectionFromGrid(int row);
    void fillWidth();
    GridModel* model_;
    bool syncing_ = false;
};

// Down in `field` (a search) goes on into `view`, onto its first row when none is
// chosen: a search and a pick with the keyboard alone. Nothing happens while the
// list is empty.
void ContinueDownInto(QLineEdit* field, GridView* view);

}  // namespace zelkor

#pragma once
// A grid of records filled by a statement, with the search field that refills it when
// Enter is pressed there and from which Down goes on into the grid; Ctrl+F anywhere
// in the form goes to the search. The record forms, the catalogue and the
// lost-item list use it; their forms place the view and the field.
#include <QObject>
#include <QStringList>
#include <functional>

#include "collection/record_queries.h"
#include "db/database.h"
#include "ui/grid_data.h"

class QLineEdit;
class QWidget;

namespace zelkor {

class AppContext;
class GridView;

class RecordList : public QObject {
    Q_OBJECT
  public:
    // How rows reach the grid; AppendNumberedRow unless a form says otherwise.
    using RowSink = std::function<Database::RowCallback(GridData&)>;

    // `listAllSql` lists every record; the search looks for its text in `searched`.
    RecordList(AppContext& ctx, QWidget* parent, std::vector<GridColumn> columns, QString listAllSql,
               QStringList searched);

    GridData& grid() { return grid_; }
    GridView* view() const { return view_; }
    QLineEdit* searchField() const { return search_; }

    void setRowSink(RowSink sink) { sink_ = std::move(sink); }
    // Rows outside `condition` are never listed, searched or not (the visit tariffs
    // in a list of items, for example).
    void setCondition(QString condition) { condition_ = std::move(condition); }
    // Refills the grid from the statement of the search text as it stands (every
    // record while it is empty).
    void load();

  public slots:
    // Enter in the search field.
    void search() { load(); }

  signals:
    // The grid has been refilled (no row is chosen then).
    void loaded();

  private:
    AppContext& ctx_;
    GridData grid_;
    GridView* view_;
    QLineEdit* search_;
    QString listAllSql_;
    QStringList searched_;
    QString condition_;
    RowSink sink_;
};

}  // namespace zelkor

#include "record_list.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/app_context.h"
#include "db/row_sinks.h"
#include "ui/grid_view.h"

namespace zelkor {

RecordList::RecordList(AppContext& ctx, QWidget* parent, std::vector<GridColumn> columns, QString listAllSql,
                       QStringList searched)
    : QObject(parent),
      ctx_(ctx),
      listAllSql_(std::move(listAllSql)),
      searched_(std::move(searched)),
      sink_([](GridData& g) { return AppendNumberedRow(g); }) {
    grid_.setColumns(std::move(columns));
    view_ = new GridView(grid_, parent);
    view_->setObjectName(QStringLiteral("records"));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    search_ = new QLineEdit(parent);
    search_->setObjectName(QStringLiteral("search"));
    search_->setAccessibleName(QStringLiteral("Cari"));
    connect(search_, &QLineEdit::returnPressed, this, &RecordList::search);
    ContinueDownInto(search_, view_);
    // Ctrl+F: to the search from anywhere in the form, its text chosen for the next one.
    auto* find = new QAction(parent);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QAction::triggered, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    parent->addAction(find);
}

void RecordList::load() {
    const Statement s = SearchStatement(listAllSql_, searched_, search_->text(), condition_);
    GridData::Batch batch(grid_);
    grid_.clearRows();
    ctx_.run(s.sql, s.values, sink_(grid_));
    emit loaded();
}

}  // namespace zelkor

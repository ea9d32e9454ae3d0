#include "ui/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "ui/scaling.h"

namespace zelkor {

GridModel::GridModel(GridData& grid, QObject* parent) : QAbstractTableModel(parent), grid_(&grid) {
    grid_->addListener(this);
    shownRows_ = grid_->rowCount();
    shownColumns_ = grid_->columnCount();
}

GridModel::~GridModel() {
    grid_->removeListener(this);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownColumns_;
}

static Qt::Alignment qtAlign(Align a) {
    switch (a) {
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            if (role == Qt::ToolTipRole) return {};
            if (cellText_) return cellText_(index.row(), index.column());
            return grid_->cell(index.row(), index.column());
        case Qt::TextAlignmentRole:
            if (index.column() < grid_->columnCount())
                return QVariant::fromValue(qtAlign(grid_->column(index.column()).align));
            return {};
        case Qt::CheckStateRole:
            if (grid_->checkable() && index.column() == 0)
                return grid_->isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
            return {};
        default:
            return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role == Qt::CheckStateRole && grid_->checkable() && index.column() == 0) {
        grid_->setChecked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    return false;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section >= grid_->columnCount()) return {};
    if (role == Qt::DisplayRole) return grid_->column(section).header;
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(qtAlign(grid_->column(section).align));
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_->checkable() && index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

void GridModel::gridReset() {
    beginResetModel();
    shownRows_ = grid_->rowCount();
    shownColumns_ = grid_->columnCount();
    endResetModel();
}

void GridModel::gridRowsAppended(int first, int last) {
    if (shownColumns_ != grid_->columnCount()) {
        gridReset();
        return;
    }
    beginInsertRows({}, first, last);
    shownRows_ = grid_->rowCount();
    endInsertRows();
}

void GridModel::gridRowAboutToBeRemoved(int row) {
    if (row < shownRows_) beginRemoveRows({}, row, row);
}

void GridModel::gridRowRemoved(int row) {
    if (row >= shownRows_) return;
    shownRows_ = grid_->rowCount();
    endRemoveRows();
}

void GridModel::gridCellChanged(int row, int column) {
    if (row >= shownRows_ || column >= shownColumns_) return;  // a cell past the columns is not shown
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

void GridModel::gridSelectionChanged(int row) {
    emit selectionMarkChanged(row);
}

void GridModel::gridDestroyed() {
    beginResetModel();
    grid_ = &detached_;
    shownRows_ = 0;
    shownColumns_ = 0;
    endResetModel();
}

GridView::GridView(GridData& grid, QWidget* parent, bool showHeaders)
    : QTableView(parent), model_(new GridModel(grid, this)) {
    setModel(model_);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setMouseTracking(true);
    // Tab goes on to the next control of the form instead of walking the cells.
    setTabKeyNavigation(false);
    setAlternatingRowColors(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setVisible(showHeaders);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    applyColumnWidths();

    connect(model_, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
    connect(model_, &GridModel::selectionMarkChanged, this, &GridView::syncSelectionFromGrid);
    // The mark follows the highlighted row, not Qt's current index: a list that
    // gets the focus makes row 0 current without highlighting it, and Sisip must
    // not hand over a row the operator never chose.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (syncing_) return;
        const QModelIndexList rows = selectionModel()->selectedRows();
        syncing_ = true;
        model_->grid().select(rows.isEmpty() ? -1 : rows.first().row());
        syncing_ = false;
        emit rowSelected(model_->grid().selectedRow());
    });
}

void GridView::applyColumnWidths() {
    const GridData& g = model_->grid();
    for (int c = 0; c < g.columnCount(); ++c) setColumnWidth(c, Scaled(this, g.column(c).width));
    fillWidth();
}

int GridView::stretchColumn() const {
    const GridData& g = model_->grid();
    int widest = -1;
    for (int c = 0; c < g.columnCount(); ++c)
        if (g.column(c).align == Align::Left && (widest < 0 || g.column(c).width > g.column(widest).width))
            widest = c;
    return widest;
}

// The other columns keep the widths they have (the operator may have dragged
// them); the stretch column never gets narrower than its own width, unless the
// list cannot scroll sideways (a panel that shows all it has).
void GridView::fillWidth() {
    const int stretch = stretchColumn();
    if (stretch < 0 || stretch >= model_->columnCount()) return;
    int others = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        if (c != stretch && !isColumnHidden(c)) others += columnWidth(c);
    const int least = horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                          ? 0
                          : Scaled(this, model_->grid().column(stretch).width);
    setColumnWidth(stretch, std::max(least, viewport()->width() - others));
}

bool GridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) fillWidth();
    return QTableView::viewportEvent(event);
}

void GridView::syncSelectionFromGrid(int row) {
    if (syncing_) return;
    syncing_ = true;
    if (row < 0) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex i = model_->index(row, 0);
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(i);
    }
    syncing_ = false;
    emit rowSelected(row);
}

// While no row is marked, the first Up or Down marks the row that has the focus
// (row 0 once the list got it), as a list box does, instead of skipping past it:
// otherwise the first row could not be chosen with the arrows, nor a list of one.
void GridView::keyPressEvent(QKeyEvent* event) {
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && event->modifiers() == Qt::NoModifier && model_->grid().selectedRow() < 0 &&
        currentIndex().isValid()) {
        selectRow(currentIndex().row());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    emit mouseOverRows();
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit leftButtonReleased();
}

namespace {

class DownIntoList final : public QObject {
  public:
    DownIntoList(QLineEdit* field, GridView* view) : QObject(field), view_(view) {
        field->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down ||
            view_->grid().rowCount() == 0)
            return false;
        view_->setFocus(Qt::TabFocusReason);
        if (view_->grid().selectedRow() < 0) view_->grid().select(0);
        return true;
    }

  private:
    GridView* view_;
};

}  // namespace

void ContinueDownInto(QLineEdit* field, GridView* view) {
    new DownIntoList(field, view);
}

}  // namespace zelkor

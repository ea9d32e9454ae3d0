#include "ui/grid_data.h"

#include <algorithm>

namespace zelkor {

void GridData::addColumn(const QString& header, int width, Align align) {
    columns_.push_back({header, width, align});
    notifyReset();
}

void GridData::setColumns(std::vector<GridColumn> columns) {
    columns_ = std::move(columns);
    notifyReset();
}

void GridData::appendRow(QStringList cells) {
    rows_.push_back(std::move(cells));
    if (checkable_) checked_.push_back(0);
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    const int r = rowCount() - 1;
    for (auto* l : listeners_) l->gridRowsAppended(r, r);
}

QString GridData::cell(int r, int c) const {
    if (r < 0 || r >= rowCount() || c < 0) return {};
    const QStringList& cells = rows_[r];
    return c < cells.size() ? cells.at(c) : QString();
}

void GridData::setCell(int r, int c, const QString& text) {
    if (r < 0 || r >= rowCount() || c < 0) return;
    QStringList& cells = rows_[r];
    while (cells.size() <= c) cells.append(QString());
    cells[c] = text;
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    for (auto* l : listeners_) l->gridCellChanged(r, c);
}

void GridData::removeRow(int r) {
    if (r < 0 || r >= rowCount()) return;
    rows_.erase(rows_.begin() + r);
    if (checkable_) checked_.erase(checked_.begin() + r);
    if (selected_ == r) selected_ = -1;
    else if (selected_ > r) --selected_;
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    for (auto* l : listeners_) l->gridRowRemoved(r);
}

void GridData::clearRows() {
    rows_.clear();
    rows_.shrink_to_fit();
    checked_.clear();
    selected_ = -1;
    notifyReset();
}

void GridData::clear() {
    columns_.clear();
    clearRows();
}

void GridData::setCheckable(bool on) {
    checkable_ = on;
    checked_.assign(rows_.size(), 0);
    notifyReset();
}

void GridData::setChecked(int r, bool on) {
    if (!checkable_ || r < 0 || r >= rowCount()) return;
    checked_[r] = on ? 1 : 0;
    for (auto* l : listeners_) l->gridCellChanged(r, 0);
}

void GridData::select(int r) {
    if (r < -1 || r >= rowCount()) r = -1;
    if (selected_ == r) return;
    selected_ = r;
    for (auto* l : listeners_) l->gridSelectionChanged(r);
}

GridData::Batch::~Batch() {
    if (--grid_.batchDepth_ == 0 && grid_.batchDirty_) {
        grid_.batchDirty_ = false;
        for (auto* l : grid_.listeners_) l->gridReset();
    }
}

void GridData::addListener(GridListener* l) {
    if (std::find(listeners_.begin(), listeners_.end(), l) == listeners_.end()) listeners_.push_back(l);
}

void GridData::removeListener(GridListener* l) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), l), listeners_.end());
}

void GridData::notifyReset() {
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    for (auto* l : listeners_) l->gridReset();
}

}  // namespace zelkor

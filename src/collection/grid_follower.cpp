#include "grid_follower.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "app/app_context.h"
#include "ui/grid_view.h"

namespace zelkor {

GridFollower::GridFollower(AppContext& ctx, GridView* view, std::function<void(int)> show, QObject* parent)
    : QObject(parent), ctx_(ctx), view_(view), show_(std::move(show)) {
    connect(view_, &GridView::mouseOverRows, this, &GridFollower::arm);
    connect(view_, &GridView::rowSelected, this, [this](int row) {
        if (row >= 0) showRow(row);
    });
    view_->installEventFilter(this);
    timer_.setInterval(200);
    connect(&timer_, &QTimer::timeout, this, &GridFollower::follow);
    timer_.start();
}

GridFollower::~GridFollower() {
    timer_.stop();
}

void GridFollower::setCodeField(QLineEdit* field, int column) {
    codeField_ = field;
    codeColumn_ = column;
    connect(codeField_, &QLineEdit::textChanged, this, &GridFollower::disarmWhenShown);
}

bool GridFollower::armed() const {
    return armedHere_ && ctx_.gridFollowFlag > 0;
}

void GridFollower::arm() {
    armedHere_ = true;
    ctx_.gridFollowFlag = 1;
}

void GridFollower::disarm() {
    armedHere_ = false;
    ctx_.gridFollowFlag = 0;
}

void GridFollower::follow() {
    if (!armed()) return;
    const int row = view_->grid().selectedRow();
    if (row >= 0) showRow(row);
}

void GridFollower::showRow(int row) {
    show_(row);
    // Also when the field already held that code and so did not change.
    disarmWhenShown();
}

bool GridFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        GridData& grid = view_->grid();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && grid.selectedRow() < 0 && grid.rowCount() > 0) {
            grid.select(view_->currentIndex().isValid() ? view_->currentIndex().row() : 0);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GridFollower::disarmWhenShown() {
    if (!codeField_ || !armedHere_) return;
    const GridData& grid = view_->grid();
    if (grid.selectedRow() >= 0 && codeField_->text() == grid.selectedCell(codeColumn_)) disarm();
}

}  // namespace zelkor

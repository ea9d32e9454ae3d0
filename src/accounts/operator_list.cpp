#include "accounts/operator_list.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

#include "accounts/operator_form.h"
#include "accounts/operators.h"
#include "app/app_context.h"
#include "reports/grid_export.h"
#include "ui/grid_view.h"
#include "ui/list_toolbar.h"
#include "ui/scaling.h"

namespace zelkor {

OperatorList::OperatorList(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM7_CLASS"));
    setWindowTitle(QStringLiteral("Data User"));
    createControls();
    load();
    resize(Scaled(this, 420), Scaled(this, 320));
}

void OperatorList::createControls() {
    QToolBar* bar = CreateListToolbar(this, "operatorToolbar");
    struct Button {
        const char* name;
        const char* image;
        const char* text;
        QKeySequence key;
        void (OperatorList::*slot)();
    };
    const Button buttons[] = {
        {"add", "IMAGE_DATA_ADD", "Tambah User", QKeySequence(Qt::Key_Insert), &OperatorList::addOperator},
        {"show", "IMAGE_DATA_EDIT", "Lihat User", QKeySequence(Qt::Key_F2), &OperatorList::showOperator},
        {"delete", "IMAGE_DATA_DELETE", "Hapus User", QKeySequence(Qt::Key_Delete),
         &OperatorList::removeOperator},
        {"spreadsheet", "IMAGE_DOCEXCEL", "Export Ke Excel", QKeySequence(Qt::CTRL | Qt::Key_E),
         &OperatorList::exportToSpreadsheet},
        {"browser", "IMAGE_PRINTER", "Cetak Ke Broswer", QKeySequence(Qt::CTRL | Qt::Key_P),
         &OperatorList::reportToBrowser},
    };
    for (const Button& b : buttons) {
        QAction* action = AddToolCommand(bar, this, b.name, b.image, QString::fromUtf8(b.text), b.key);
        connect(action, &QAction::triggered, this, b.slot);
    }

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("operators"));
    view_->setAccessibleName(QStringLiteral("Data User"));
    // The selected operator stays marked while the focus is elsewhere.
    QPalette palette = view_->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view_->setPalette(palette);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    all->addWidget(bar);
    all->addWidget(view_, 1);
    setFocusProxy(view_);
}

void OperatorList::load() {
    LoadOperators(ctx_, grid_);
    view_->applyColumnWidths();
}

void OperatorList::addOperator() {
    openForm(false);
}

void OperatorList::showOperator() {
    openForm(true);
}

void OperatorList::openForm(bool show) {
    OperatorForm form(ctx_, show ? OperatorForm::Mode::Show : OperatorForm::Mode::Add, grid_.selectedCell(0),
                      this);
    connect(&form, &OperatorForm::operatorAdded, this, [this](const QString& user) {
        // The list again in name order, the new operator marked.
        load();
        for (int r = 0; r < grid_.rowCount(); ++r)
            if (grid_.cell(r, 0) == user) grid_.select(r);
    });
    form.exec();
}

void OperatorList::removeOperator() {
    if (!ctx_.messages().confirmDelete()) return;
    const int row = grid_.selectedRow();
    if (row < 0) return;  // nothing selected: no operator to delete
    if (!DeleteOperator(ctx_, grid_.cell(row, 0))) return;
    grid_.removeRow(row);
    // The view then marks a neighbour: a second delete must not take an operator
    // nobody chose.
    grid_.select(-1);
}

void OperatorList::exportToSpreadsheet() {
    ctx_.exportGrid = &grid_;
    ExportGridToSpreadsheet(ctx_);
}

void OperatorList::reportToBrowser() {
    ReportGridToBrowser(ctx_, QStringLiteral("LAPORAN ITEM DATA OPERATOR"), grid_);
}

}  // namespace zelkor

#include "reports/month_grid_form.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "db/row_sinks.h"
#include "reports/grid_export.h"
#include "ui/grid_view.h"
#include "ui/list_toolbar.h"
#include "ui/month_list.h"
#include "ui/scaling.h"

namespace zelkor {

MonthGridForm::MonthGridForm(AppContext& ctx, const char* windowClass, const QString& title, QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(QLatin1String(windowClass));
    setWindowTitle(title);
}

MonthGridForm::~MonthGridForm() {
    // ExportGrid must not outlive the grid it names.
    if (ctx_.exportGrid == &grid_) ctx_.exportGrid = nullptr;
}

void MonthGridForm::createControls(QWidget* above, int listWidth, const QFont& gridFont) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Scaled(this, 1));
    createToolbar(layout);
    if (above) layout->addWidget(above);

    auto* row = new QHBoxLayout;
    row->setSpacing(Scaled(this, 2));
    months_ = new MonthList(this);
    months_->setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    months_->setFixedWidth(Scaled(this, listWidth));
    row->addWidget(months_);

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("grid"));
    view_->setFont(gridFont);
    view_->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 6);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    row->addWidget(view_, 1);
    layout->addLayout(row, 1);

    // The form opens on the current month; that is not a choice of the operator.
    const QDate today = ctx_.clock().today();
    year_ = today.year();
    month_ = today.month();
    months_->selectQuietly(year_, month_);
    connect(months_, &MonthList::changed, this, [this](int year, int month) {
        year_ = year;
        month_ = month;
        monthChosen();
    });
    setFocusProxy(months_->list());
}

void MonthGridForm::createToolbar(QVBoxLayout* layout) {
    QToolBar* bar = CreateListToolbar(this, "exportBar");
    bar->setFixedHeight(Scaled(this, 30));
    spreadsheetAction_ =
        AddToolCommand(bar, this, "spreadsheet", "IMAGE_DOCEXCEL", QStringLiteral("Export Ke Excel"),
                       QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(spreadsheetAction_, &QAction::triggered, this, &MonthGridForm::exportToSpreadsheet);
    browserAction_ = AddToolCommand(bar, this, "browser", "IMAGE_PRINTER", QStringLiteral("Cetak Ke Broswer"),
                                    QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(browserAction_, &QAction::triggered, this, &MonthGridForm::reportToBrowser);
    layout->addWidget(bar);
}

void MonthGridForm::fill(const ReportQuery& query) {
    grid_.clearRows();
    {
        GridData::Batch batch(grid_);
        MovementNames names(ctx_.db());
        ctx_.run(query.sql, query.values,
                 query.names.empty() ? AppendNumberedRow(grid_) : names.appendNamedRow(grid_, query.names));
    }
    // Another month is read from its first row, not from where the last one was left.
    view_->scrollToTop();
}

std::optional<QString> MonthGridForm::exportToSpreadsheet() {
    ctx_.exportGrid = &grid_;
    return ExportGridToSpreadsheet(ctx_);
}

std::optional<QString> MonthGridForm::reportToBrowser() {
    return ReportGridToBrowser(ctx_, browserTitle(), grid_);
}

}  // namespace zelkor

#include "reports/month_grid_form.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>

#include "app/app_context.h"
#include "db/row_sinks.h"
#include "reports/grid_export.h"
#include "ui/grid_view.h"
#include "ui/month_list.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

constexpr int kIcon = 24;

// A 24-pixel toolbar picture drawn by `paint`.
QIcon drawnIcon(const std::function<void(QPainter&)>& paint) {
    QPixmap pix(kIcon, kIcon);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return QIcon(pix);
}

// IMAGE_DOCEXCEL: a green sheet with its cells.
void paintSpreadsheet(QPainter& p) {
    p.setPen(QPen(QColor(0x1d, 0x6f, 0x42), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 2.5, 17, 19), 2, 2);
    p.fillRect(QRectF(4.5, 3.5, 15, 5), QColor(0x21, 0xa3, 0x66));
    p.setPen(QPen(QColor(0x1d, 0x6f, 0x42), 1));
    for (double y : {12.5, 16.5}) p.drawLine(QPointF(4.5, y), QPointF(19.5, y));
    for (double x : {9.5, 14.5}) p.drawLine(QPointF(x, 8.5), QPointF(x, 20.5));
}

// IMAGE_PRINTER: a printer with a sheet coming out.
void paintPrinter(QPainter& p) {
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 2.5, 9, 7));
    p.setBrush(QColor(0x70, 0x78, 0x80));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));
    p.setPen(QColor(0x99, 0x99, 0x99));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
}

}  // namespace

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
    months_->setFont(FontFromSpec(QStringLiteral("Arial Unicode MS,9,0")));
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
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("exportBar"));
    bar->setIconSize(QSize(Scaled(this, kIcon), Scaled(this, kIcon)));
    bar->setFixedHeight(Scaled(this, 30));
    auto add = [this, bar](const QIcon& icon, const QString& text, const QKeySequence& key, auto slot) {
        QAction* a = bar->addAction(icon, text);
        a->setToolTip(text);
        a->setShortcut(key);
        // Only the active form's buttons answer the keys.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
        connect(a, &QAction::triggered, this, slot);
        bar->widgetForAction(a)->setAccessibleName(text);
        return a;
    };
    spreadsheetAction_ = add(drawnIcon(paintSpreadsheet), QStringLiteral("Export Ke Excel"),
                             QKeySequence(Qt::CTRL | Qt::Key_E), &MonthGridForm::exportToSpreadsheet);
    browserAction_ = add(drawnIcon(paintPrinter), QStringLiteral("Cetak Ke Broswer"),
                         QKeySequence(Qt::CTRL | Qt::Key_P), &MonthGridForm::reportToBrowser);
    layout->addWidget(bar);
}

void MonthGridForm::fill(const ReportQuery& query) {
    grid_.clearRows();
    GridData::Batch batch(grid_);
    ctx_.run(query.sql, query.values, AppendNumberedRow(grid_));
}

std::optional<QString> MonthGridForm::exportToSpreadsheet() {
    ctx_.exportGrid = &grid_;
    return ExportGridToSpreadsheet(ctx_);
}

std::optional<QString> MonthGridForm::reportToBrowser() {
    return ReportGridToBrowser(ctx_, browserTitle(), grid_);
}

}  // namespace zelkor

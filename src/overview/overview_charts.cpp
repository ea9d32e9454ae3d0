#include "overview/overview_charts.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "app/app_context.h"
#include "ui/grid_view.h"
#include "ui/list_toolbar.h"
#include "ui/month_list.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

// The bar sets of each chart, as the table's columns name them.
const char* const kSetNames[OverviewCharts::ChartCount][2] = {
    {"Peminjaman", "Pengembalian"}, {"Kunjungan", nullptr}, {"Kas Masuk", "Kas Keluar"}};
const char* const kTitles[OverviewCharts::ChartCount] = {
    "Peminjaman dan Pengembalian per Bulan", "Kunjungan per Bulan", "Kas Masuk dan Keluar per Bulan"};

std::int64_t setValue(OverviewCharts::Chart c, int set, const RangeFigures& f) {
    switch (c) {
        case OverviewCharts::Movements:
            return set == 0 ? f.loans : f.returns;
        case OverviewCharts::Visits:
            return f.visits;
        default:
            return set == 0 ? f.cashIn : f.cashOut;
    }
}

// A filter that remembers which chart had the focus last.
class FocusWatch final : public QObject {
  public:
    FocusWatch(QObject* parent, std::function<void()> onFocus)
        : QObject(parent), onFocus_(std::move(onFocus)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) onFocus_();
        return false;
    }

  private:
    std::function<void()> onFocus_;
};

}  // namespace

QString ShortMonth(int year, int month) {
    return MonthName(month).left(3) + QStringLiteral(" %1").arg(year % 100, 2, 10, QLatin1Char('0'));
}

OverviewCharts::OverviewCharts(AppContext& ctx, QWidget* keyScope, QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("overviewCharts"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    QToolBar* bar = CreateListToolbar(this, "chartBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(AddToolCommand(bar, keyScope, "savePicture", "IMAGE_DISK_BLUE",
                           QStringLiteral("Simpan Grafik (PNG)"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &OverviewCharts::savePicture);
    connect(AddToolCommand(bar, keyScope, "printChart", "IMAGE_PRINTER", QStringLiteral("Cetak Grafik"),
                           QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &OverviewCharts::print);
    connect(AddToolCommand(bar, keyScope, "table", "IMAGE_EXCEL", QStringLiteral("Tabel Angka"),
                           QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this, &OverviewCharts::toggleTable);
    layout->addWidget(bar);

    stack_ = new QStackedWidget(this);
    auto* charts = new QWidget(stack_);
    auto* row = new QHBoxLayout(charts);
    row->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < ChartCount; ++c) {
        QStringList sets;
        for (const char* name : kSetNames[c])
            if (name) sets << QString::fromUtf8(name);
        row->addWidget(createChart(static_cast<Chart>(c), QString::fromUtf8(kTitles[c]), sets), 1);
    }
    stack_->addWidget(charts);

    table_.setColumns({{QStringLiteral("Bulan"), 90, Align::Left},
                       {QStringLiteral("Peminjaman"), 100, Align::Right},
                       {QStringLiteral("Pengembalian"), 100, Align::Right},
                       {QStringLiteral("Kunjungan"), 100, Align::Right},
                       {QStringLiteral("Kas Masuk"), 120, Align::Right},
                       {QStringLiteral("Kas Keluar"), 120, Align::Right}});
    tableView_ = new GridView(table_, stack_);
    tableView_->setObjectName(QStringLiteral("chartTable"));
    tableView_->setAccessibleName(QStringLiteral("Tabel angka grafik 12 bulan"));
    tableView_->applyColumnWidths();
    stack_->addWidget(tableView_);
    layout->addWidget(stack_, 1);
}

QChartView* OverviewCharts::createChart(Chart c, const QString& title, const QStringList& sets) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setLocale(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    chart->setLocalizeNumbers(true);  // 40.000.000, as the figures read
    auto* series = new QBarSeries(chart);
    for (const QString& name : sets) {
        auto* set = new QBarSet(name, series);
        series->append(set);
        sets_[c].push_back(set);
    }
    chart->addSeries(series);
    months_[c] = new QBarCategoryAxis(chart);
    amounts_[c] = new QValueAxis(chart);
    amounts_[c]->setLabelFormat(QStringLiteral("%.0f"));
    months_[c]->setLabelsAngle(-90);  // twelve months side by side, none cut short
    chart->addAxis(months_[c], Qt::AlignBottom);
    chart->addAxis(amounts_[c], Qt::AlignLeft);
    series->attachAxis(months_[c]);
    series->attachAxis(amounts_[c]);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("chart%1").arg(c));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(title);
    view->setAccessibleDescription(QStringLiteral("Angkanya ada di Tabel Angka (Ctrl+T)"));
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumSize(Scaled(this, 240), Scaled(this, 200));
    view->installEventFilter(new FocusWatch(view, [this, c] { current_ = c; }));
    views_[c] = view;
    return view;
}

void OverviewCharts::show(const std::vector<MonthFigures>& months) {
    QStringList categories;
    for (const MonthFigures& m : months) categories << ShortMonth(m.year, m.month);
    for (int c = 0; c < ChartCount; ++c) {
        double low = 0, high = 0;
        for (std::size_t s = 0; s < sets_[c].size(); ++s) {
            QList<qreal> values;
            for (const MonthFigures& m : months) {
                const double v = static_cast<double>(setValue(static_cast<Chart>(c), int(s), m.figures));
                values << v;
                low = std::min(low, v);
                high = std::max(high, v);
            }
            QBarSet* set = sets_[c][s];
            set->remove(0, set->count());
            set->append(values);
        }
        months_[c]->setCategories(categories);
        amounts_[c]->setRange(low, std::max(high, 1.0));
        amounts_[c]->applyNiceNumbers();
    }
    fillTable(months);
}

void OverviewCharts::fillTable(const std::vector<MonthFigures>& months) {
    const QLocale id(QLocale::Indonesian, QLocale::Indonesia);
    table_.clearRows();
    GridData::Batch batch(table_);
    for (const MonthFigures& m : months) {
        const RangeFigures& f = m.figures;
        table_.appendRow({MonthName(m.month) + QLatin1Char(' ') + QString::number(m.year),
                          id.toString(f.loans), id.toString(f.returns), id.toString(f.visits),
                          id.toString(f.cashIn), id.toString(f.cashOut)});
    }
}

std::vector<double> OverviewCharts::values(Chart c, int set) const {
    std::vector<double> out;
    const QBarSet* s = sets_[c].at(set);
    for (int i = 0; i < s->count(); ++i) out.push_back(s->at(i));
    return out;
}

bool OverviewCharts::showingTable() const {
    return stack_->currentWidget() == tableView_;
}

void OverviewCharts::toggleTable() {
    const bool table = !showingTable();
    stack_->setCurrentIndex(table ? 1 : 0);
    if (table)
        tableView_->setFocus();
    else
        views_[current_]->setFocus();
}

bool OverviewCharts::savePicture() {
    const QString path =
        ctx_.files().saveFile(QStringLiteral("Simpan Grafik"), QStringLiteral("Gambar PNG (*.png)"),
                              QStringLiteral("png"), QDir::currentPath());
    if (path.isEmpty()) return false;
    if (views_[current_]->grab().save(path, "PNG")) return true;
    ctx_.messages().show(QStringLiteral("Grafik tidak dapat disimpan ke ") + path, QStringLiteral("Info"),
                         MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

void OverviewCharts::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(views_[current_]->chart()->title());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QPixmap picture = views_[current_]->grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
}

}  // namespace zelkor

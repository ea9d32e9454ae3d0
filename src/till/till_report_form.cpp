#include "till/till_report_form.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "core/money.h"
#include "reports/grid_export.h"
#include "till/till_queries.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {

QDateEdit* DateField(const QDate& date, const char* name, const QString& accessible, QWidget* parent) {
    auto* d = new QDateEdit(date, parent);
    d->setObjectName(QLatin1String(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    d->setAccessibleName(accessible);
    return d;
}

}  // namespace

TillReportForm::TillReportForm(AppContext& ctx, Kind kind, QWidget* parent)
    : QWidget(parent), ctx_(ctx), kind_(kind) {
    setObjectName(kind == Kind::Debts ? QStringLiteral("FORM_ZELKOR_LAPTANGGUNGAN_CLASS")
                                      : QStringLiteral("FORM_ZELKOR_LAPPENERIMAAN_CLASS"));
    setWindowTitle(title());
    if (kind == Kind::Debts)
        grid_.setColumns({{QStringLiteral("No."), 40, Align::Left},
                          {QStringLiteral("Id Member"), 90, Align::Left},
                          {QStringLiteral("Nama"), 200, Align::Left},
                          {QStringLiteral("Tanggal"), 90, Align::Center},
                          {QStringLiteral("Jumlah"), 100, Align::Right},
                          {QStringLiteral("Sisa"), 100, Align::Right},
                          {QStringLiteral("Umur (hari)"), 80, Align::Right}});
    else
        grid_.setColumns({{QStringLiteral("No."), 40, Align::Left},
                          {QStringLiteral("Tanggal"), 90, Align::Center},
                          {QStringLiteral("Ops"), 90, Align::Left},
                          {QStringLiteral("Masuk"), 100, Align::Right},
                          {QStringLiteral("Keluar"), 100, Align::Right},
                          {QStringLiteral("Netto"), 100, Align::Right},
                          {QStringLiteral("Tutup Kas"), 70, Align::Right},
                          {QStringLiteral("Selisih"), 90, Align::Right}});
    createControls();
    load();
}

QString TillReportForm::title() const {
    return kind_ == Kind::Debts ? QStringLiteral("Laporan Tanggungan")
                                : QStringLiteral("Laporan Penerimaan Harian");
}

// The letters of the main window's menus (File, Data, Proses, Hasil, Bantuan) are
// left to the menus: this form is a window inside the main window.
void TillReportForm::createControls() {
    const QDate today = QDate::fromString(ctx_.todayText, Qt::ISODate);
    auto* bar = new QHBoxLayout;
    if (kind_ == Kind::DailyTakings) {
        from_ = DateField(today.addDays(1 - today.day()), "from", QStringLiteral("Dari tanggal"), this);
        auto* l = new QLabel(QStringLiteral("Da&ri"), this);
        l->setBuddy(from_);
        bar->addWidget(l);
        bar->addWidget(from_);
    }
    to_ = DateField(today, "to",
                    kind_ == Kind::Debts ? QStringLiteral("Per tanggal") : QStringLiteral("Sampai tanggal"),
                    this);
    auto* toLabel =
        new QLabel(kind_ == Kind::Debts ? QStringLiteral("Pe&r tanggal") : QStringLiteral("&Sampai"), this);
    toLabel->setBuddy(to_);
    bar->addWidget(toLabel);
    bar->addWidget(to_);
    auto button = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    auto* show = button(QStringLiteral("&Tampilkan"), "show");
    auto* excel = button(QStringLiteral("Export Ke &Excel"), "excel");
    auto* browser = button(QStringLiteral("&Cetak Ke Broswer"), "browser");
    bar->addStretch();

    auto* view = new GridView(grid_, this);
    view->setObjectName(QStringLiteral("grid"));
    view->setAccessibleName(title());
    view->applyColumnWidths();
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("total"));
    total_->setAccessibleName(QStringLiteral("Jumlah"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view, 1);
    layout->addWidget(total_);
    connect(show, &QPushButton::clicked, this, &TillReportForm::load);
    connect(excel, &QPushButton::clicked, this, &TillReportForm::exportToSpreadsheet);
    connect(browser, &QPushButton::clicked, this, &TillReportForm::reportToBrowser);
}

void TillReportForm::load() {
    grid_.clearRows();
    std::int64_t total = 0;
    const int sumColumn = 4;  // the statement's Sisa (debts) or Netto (takings)
    const auto onRow = [&](const DbRow& row) {
        QStringList cells{QString::number(grid_.rowCount() + 1)};
        for (int c = 0; c < row.columnCount(); ++c) cells << row.text(c);
        total = AddAmounts(total, AmountValue(row.text(sumColumn)));
        grid_.appendRow(cells);
    };
    const QString to = to_->date().toString(Qt::ISODate);
    if (kind_ == Kind::Debts)
        ctx_.run(kOpenDebtsAtSql, {to}, onRow);
    else
        ctx_.run(kDailyTakingsSql, {from_->date().toString(Qt::ISODate), to}, onRow);
    total_->setText((kind_ == Kind::Debts ? QStringLiteral("Jumlah sisa tanggungan: ")
                                          : QStringLiteral("Jumlah netto: ")) +
                    QString::number(total));
}

void TillReportForm::exportToSpreadsheet() {
    ctx_.exportGrid = &grid_;
    ExportGridToSpreadsheet(ctx_);
}

void TillReportForm::reportToBrowser() {
    ReportGridToBrowser(ctx_, title() + QStringLiteral(" Per : ") + to_->date().toString(Qt::ISODate), grid_);
}

}  // namespace zelkor

#include "overview/overview_page.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "core/dates.h"
#include "overview/overview_charts.h"
#include "overview/overview_queries.h"
#include "ui/month_list.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

struct FigureText {
    const char* label;
    bool money;
    const char* opens;  // the tip: what a press shows
};

const FigureText kFigureTexts[OverviewPage::FigureCount] = {
    {"Peminjaman", false, "Histori transaksi hari ini"},
    {"Pengembalian", false, "Laporan pengembalian bulan ini"},
    {"Rental", false, "Histori transaksi hari ini"},
    {"Kunjungan", false, "Histori transaksi hari ini"},
    {"Kas Masuk", true, "Jurnal kas bulan ini"},
    {"Kas Keluar", true, "Jurnal kas bulan ini"},
    {"Saldo Kas", true, "Jurnal kas bulan ini"},
    {"Item Dipinjam", false, "Laporan item yang belum dikembalikan"},
    {"Terlambat", false, "Laporan item yang belum dikembalikan"},
    {"Member Bertanggungan", false, nullptr},
};

const QLocale& indonesian() {
    static const QLocale locale(QLocale::Indonesian, QLocale::Indonesia);
    return locale;
}

// A white panel over the background picture, so the figures read on any tile.
QWidget* panel(QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
    return w;
}

}  // namespace

OverviewPage::List OverviewPage::ListOf(Figure f) {
    switch (f) {
        case Returns:
            return List::MonthReturns;
        case Loans:
        case Rentals:
        case Visits:
            return List::TodayHistory;
        case CashIn:
        case CashOut:
        case Balance:
            return List::TodayJournal;
        case ItemsOut:
        case Late:
            return List::NotReturned;
        default:
            return List::None;
    }
}

OverviewPage::OverviewPage(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("overviewPage"));
    setAccessibleName(QStringLiteral("Ringkasan"));
    createControls();
}

void OverviewPage::createControls() {
    auto* layout = new QVBoxLayout(this);
    const int gap = Scaled(this, 8);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(gap);

    auto* title = new QLabel(QStringLiteral("Ringkasan"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    title->setAutoFillBackground(true);
    title->setContentsMargins(gap, 0, gap, 0);
    title->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    layout->addWidget(title);

    auto* row = new QHBoxLayout;
    row->setSpacing(gap);
    row->addWidget(createFigures(QStringLiteral("Hari ini"), Loans, Balance, &dayHeading_), 7);
    row->addWidget(createFigures(QStringLiteral("Saat ini"), ItemsOut, MembersOwing, nullptr), 3);
    layout->addLayout(row);

    QWidget* year = panel(this);
    auto* yearRow = new QHBoxLayout(year);
    auto* left = new QVBoxLayout;
    auto* pickLabel = new QLabel(QStringLiteral("Sampai bulan:"), year);
    left->addWidget(pickLabel);
    months_ = new MonthList(year);
    months_->setFixedWidth(Scaled(this, 130));
    months_->setAccessibleName(QStringLiteral("Bulan terakhir grafik"));
    pickLabel->setBuddy(months_->list());
    left->addWidget(months_, 1);
    yearRow->addLayout(left);
    charts_ = new OverviewCharts(ctx_, this, year);
    yearRow->addWidget(charts_, 1);
    layout->addWidget(year, 1);

    const QDate now = ctx_.clock().today();
    months_->selectQuietly(now.year(), now.month());
    connect(months_, &MonthList::changed, this, &OverviewPage::showCharts);
}

QWidget* OverviewPage::createFigures(const QString& title, Figure first, Figure last, QLabel** heading) {
    QWidget* box = panel(this);
    auto* grid = new QGridLayout(box);
    auto* label = new QLabel(title, box);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid->addWidget(label, 0, 0, 1, last - first + 1);
    if (heading) *heading = label;
    for (int f = first; f <= last; ++f) {
        auto* button = new QToolButton(box);
        button->setObjectName(QStringLiteral("figure%1").arg(f));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setFocusPolicy(Qt::StrongFocus);
        if (const char* opens = kFigureTexts[f].opens) button->setToolTip(QString::fromUtf8(opens));
        const List list = ListOf(static_cast<Figure>(f));
        connect(button, &QToolButton::clicked, this, [this, list] {
            if (list != List::None) emit listRequested(list);
        });
        grid->addWidget(button, 1, f - first);
        figures_[f] = button;
        button->setText(QString::fromUtf8(kFigureTexts[f].label) + QStringLiteral("\n-"));  // until read
    }
    return box;
}

QString OverviewPage::today() const {
    return ctx_.todayText.isEmpty() ? IsoDate(ctx_.clock().today()) : ctx_.todayText;
}

void OverviewPage::refresh() {
    version_ = LibraryVersion(ctx_.db());
    showFigures();
    showCharts();
}

bool OverviewPage::refreshIfChanged() {
    const std::uint64_t now = LibraryVersion(ctx_.db());
    if (now == 0 || now == version_) return false;  // unchanged, or to be looked at next time
    refresh();
    return true;
}

void OverviewPage::setFigure(Figure f, std::int64_t value) {
    const FigureText& t = kFigureTexts[f];
    const QString label = QString::fromUtf8(t.label);
    const QString shown = (t.money ? QStringLiteral("Rp. ") : QString()) + indonesian().toString(value);
    figures_[f]->setText(label + QLatin1Char('\n') + shown);
    // A screen reader hears what the figure counts and its value in one.
    const bool ofToday = f < Balance;
    figures_[f]->setAccessibleName(label + (ofToday ? QStringLiteral(" hari ini") : QString()) +
                                   QStringLiteral(": ") + shown);
}

void OverviewPage::showFigures() {
    const QString day = today();
    dayHeading_->setText(
        QStringLiteral("Hari ini, ") +
        indonesian().toString(QDate::fromString(day, Qt::ISODate), QStringLiteral("dddd, d MMMM yyyy")));
    RangeFigures d;
    OpenFigures open;
    std::int64_t balance = 0;
    DbResult r = ReadRangeFigures(ctx_.db(), day, d);
    if (r) r = ReadOpenFigures(ctx_.db(), day, open);
    if (r) r = ReadCashBalance(ctx_.db(), balance);
    if (!r) ctx_.sqlError(r.error);
    setFigure(Loans, d.loans);
    setFigure(Returns, d.returns);
    setFigure(Rentals, d.rentals);
    setFigure(Visits, d.visits);
    setFigure(CashIn, d.cashIn);
    setFigure(CashOut, d.cashOut);
    setFigure(Balance, balance);
    setFigure(ItemsOut, open.itemsOut);
    setFigure(Late, open.late);
    setFigure(MembersOwing, open.membersOwing.value_or(0));
    figures_[MembersOwing]->setVisible(open.membersOwing.has_value());
}

void OverviewPage::showCharts() {
    std::vector<MonthFigures> months;
    if (const DbResult r = ReadTwelveMonths(ctx_.db(), months_->year(), months_->month(), months); !r)
        ctx_.sqlError(r.error);
    charts_->show(months);
}

}  // namespace zelkor

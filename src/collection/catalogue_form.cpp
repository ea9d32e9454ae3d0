#include "catalogue_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "collection/catalogue_blocks.h"
#include "collection/record_list.h"
#include "collection/record_toolbar.h"
#include "labels/label_dialog.h"
#include "reports/grid_export.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
const QString kReportTitle = QStringLiteral("LAPORAN KATALOG PERPUSTAKAAN");
}

CatalogueForm::CatalogueForm(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QLatin1String(kWindowClass));
    setWindowTitle(QStringLiteral("Katalog"));
    list_ = new RecordList(ctx_, this,
                           {{QStringLiteral("No."), 80, Align::Left},
                            {QStringLiteral("Kolom"), 300, Align::Left},
                            {QStringLiteral("Data"), 400, Align::Left}},
                           CatalogueListSql(), CatalogueSearched());
    list_->setRowSink([this](GridData& lines) { return items_.collect(lines); });
    list_->view()->gridModel()->setCellText(
        [this](int line, int column) { return items_.cell(line, column); });
    blocks_.setColumns(grid().columns());
    list_->setCondition(kItemsOnly);
    // The grid stays empty until the first search.
    createLayout();
}

CatalogueForm::~CatalogueForm() {
    // The view may outlive the items it reads (children go after the members).
    list_->view()->gridModel()->setCellText({});
    // ExportGrid must not outlive the grid it names.
    if (ctx_.exportGrid == &blocks_) ctx_.exportGrid = nullptr;
}

GridData& CatalogueForm::grid() {
    return list_->grid();
}

void CatalogueForm::createLayout() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(CreateRecordToolbar(this,
                                         {{RecordCommand::Spreadsheet, kSpreadsheetTip},
                                          {RecordCommand::Browser, kBrowserTip},
                                          {RecordCommand::Labels, kLabelsTip}},
                                         [this](RecordCommand c) {
                                             if (c == RecordCommand::Spreadsheet) exportSpreadsheet();
                                             if (c == RecordCommand::Browser) exportBrowser();
                                             if (c == RecordCommand::Labels) printLabels();
                                         }));

    QLineEdit* field = list_->searchField();
    field->setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    field->setFixedSize(Scaled(this, 661), Scaled(this, 24));
    auto* cari = new QLabel(QStringLiteral("&Cari"), this);
    cari->setFont(FontFromText(QStringLiteral("Arial Unicode MS,12,1")));
    cari->setBuddy(field);
    cari->setFixedWidth(Scaled(this, 48));
    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(Scaled(this, 16), Scaled(this, 8), Scaled(this, 8), Scaled(this, 8));
    searchRow->setSpacing(0);
    searchRow->addWidget(cari);
    searchRow->addWidget(field);
    searchRow->addStretch(1);
    outer->addLayout(searchRow);

    GridView* view = list_->view();
    view->setAccessibleName(windowTitle());
    view->setFont(FontFromText(QStringLiteral("Arial Unicode MS,11,1")));
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->applyColumnWidths();
    auto* gridRow = new QHBoxLayout;
    gridRow->setContentsMargins(Scaled(this, 8), 0, Scaled(this, 8), Scaled(this, 8));
    gridRow->addWidget(view);
    outer->addLayout(gridRow, 1);
    setTabOrder(field, view);
}

void CatalogueForm::search() {
    list_->load();
}

void CatalogueForm::load() {
    if (grid().rowCount() > 0) list_->load();
}

void CatalogueForm::exportSpreadsheet() {
    items_.writeBlocks(blocks_);
    ctx_.exportGrid = &blocks_;
    ExportGridToSpreadsheet(ctx_);
}

void CatalogueForm::exportBrowser() {
    items_.writeBlocks(blocks_);
    ReportGridToBrowser(ctx_, kReportTitle, blocks_);
}

// Each block is one item, its lines named by "Kolom"; the block under the selection
// mark is the one chosen. The catalogue shows the copies on the shelf, not those
// held, so labels go one per item.
void CatalogueForm::printLabels() {
    std::vector<ItemLabel> found;
    int chosen = -1;
    for (int row = 0; row < grid().rowCount(); ++row) {
        const QString name = items_.cell(row, 1), value = items_.cell(row, 2);
        if (name == QLatin1String("Id")) found.push_back({value, {}, {}, 1});
        if (found.empty()) continue;
        if (name == QLatin1String("NamaItem")) found.back().title = value;
        if (name == QLatin1String("Rak")) found.back().shelf = value;
        if (row == grid().selectedRow() && !name.isEmpty()) chosen = int(found.size()) - 1;
    }
    std::vector<ItemLabel> one;
    if (chosen >= 0) one.push_back(found[std::size_t(chosen)]);
    PrintItemLabels(ctx_, this, one, found, false);
}

// The main window gives the form the focus when it opens it: the cursor goes to "Cari".
void CatalogueForm::focusInEvent(QFocusEvent* /*event*/) {
    list_->searchField()->setFocus();
}

}  // namespace zelkor

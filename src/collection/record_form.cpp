#include "record_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "collection/grid_follower.h"
#include "collection/pick_list.h"
#include "collection/record_list.h"
#include "collection/record_toolbar.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
std::vector<GridColumn> GridColumns(const std::vector<RecordColumn>& columns) {
    std::vector<GridColumn> out{{QStringLiteral("No"), 50, Align::Center}};
    for (const RecordColumn& c : columns) out.push_back({c.header, c.width, c.align});
    return out;
}

QString PaperTip(RecordCommand c) {
    return c == RecordCommand::Cards ? kCardsTip : kLabelsTip;
}

}  // namespace

QStringList RecordFormDesign::columnNames() const {
    QStringList out;
    for (const RecordColumn& c : columns) out << c.column;
    return out;
}

RecordForm::RecordForm(AppContext& ctx, RecordFormDesign design, QWidget* parent)
    : QWidget(parent), ctx_(ctx), design_(std::move(design)) {
    setObjectName(design_.windowClass);
    setWindowTitle(design_.title);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    list_ = new RecordList(ctx_, this, GridColumns(design_.columns),
                           ListAllSql(design_.table, design_.columnNames()), design_.searched);
    list_->view()->setAccessibleName(design_.title);
    follower_ = new GridFollower(
        ctx_, list_->view(), [this](int row) { showRow(row); }, this);
    createLayout();
}

RecordForm::~RecordForm() {
    // ExportGrid must not outlive the grid it names.
    if (ctx_.exportGrid == &grid()) ctx_.exportGrid = nullptr;
}

GridData& RecordForm::grid() {
    return list_->grid();
}

const GridData& RecordForm::grid() const {
    return list_->grid();
}

void RecordForm::createLayout() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    std::vector<RecordTool> tools{{RecordCommand::Add, design_.addTip},
                                  {RecordCommand::Save, design_.saveTip},
                                  {RecordCommand::Delete, design_.deleteTip},
                                  {RecordCommand::Spreadsheet, kSpreadsheetTip},
                                  {RecordCommand::Browser, kBrowserTip}};
    if (design_.paperCommand != RecordCommand::Add)
        tools.push_back({design_.paperCommand, PaperTip(design_.paperCommand)});
    tools.push_back({RecordCommand::Import, kImportTip});
    outer->addWidget(CreateRecordToolbar(this, tools, [this](RecordCommand c) { run(c); }));

    auto* body = new QHBoxLayout;
    body->setContentsMargins(Scaled(this, 9), Scaled(this, 2), Scaled(this, 8), Scaled(this, 8));
    body->setSpacing(Scaled(this, 8));
    outer->addLayout(body, 1);

    auto* box = new QGroupBox(design_.boxTitle, this);
    box->setObjectName(QStringLiteral("entries"));
    // Only the caption is bold; the rows keep the form's font.
    box->setStyleSheet(QStringLiteral("QGroupBox { font-family: '%1'; font-size: 9pt; font-weight: bold; }")
                           .arg(font().family()));
    box->setFixedWidth(Scaled(this, 311));
    rows_ = new QGridLayout(box);
    rows_->setContentsMargins(Scaled(this, 14), Scaled(this, 12), Scaled(this, 6), Scaled(this, 12));
    rows_->setHorizontalSpacing(0);
    rows_->setVerticalSpacing(Scaled(this, 10));
    rows_->setColumnMinimumWidth(0, Scaled(this, design_.labelWidth));
    rows_->setColumnStretch(1, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(box);
    left->addStretch(1);
    body->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(Scaled(this, 8));
    auto* searchRow = new QHBoxLayout;
    QLabel* cari = addLabel(QStringLiteral("Cari"), list_->searchField());
    cari->setFixedWidth(Scaled(this, 64));
    searchRow->addWidget(cari);
    list_->searchField()->setFixedWidth(Scaled(this, 198));
    searchRow->addWidget(list_->searchField());
    searchRow->addStretch(1);
    right->addLayout(searchRow);
    right->addWidget(list_->view(), 1);
    body->addLayout(right, 1);
}

QLabel* RecordForm::addLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setBuddy(buddy);
    return label;
}

// ---- building the rows ----------------------------------------------------------

void RecordForm::addRow(const QString& label, QWidget* control, Entry entry, std::vector<QWidget*> focus) {
    layOutRow(label, control, focus);
    entries_.push_back(std::move(entry));
}

void RecordForm::layOutRow(const QString& label, QWidget* control, const std::vector<QWidget*>& focus) {
    const int row = rows_->rowCount() == 1 && !rows_->itemAtPosition(0, 0) ? 0 : rows_->rowCount();
    QWidget* first = focus.empty() ? control : focus.front();
    rows_->addWidget(addLabel(label, first), row, 0);
    rows_->addWidget(control, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    tabOrder_.insert(tabOrder_.end(), focus.begin(), focus.end());
}

QLineEdit* RecordForm::newField(const QString& accessibleName, const char* name, int width, bool digitsOnly) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setFixedSize(Scaled(this, width > 0 ? width : design_.fieldWidth), Scaled(this, 22));
    // Digits only as typed; a stored text shown from the grid stays as it is.
    if (digitsOnly)
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,15}")), field));
    return field;
}

RecordForm::Entry RecordForm::textEntry(QLineEdit* field) {
    // A long text shown from the grid shows its beginning, not its end.
    return {[field] { return field->text(); },
            [field](const QString& t) {
                field->setText(t);
                field->setCursorPosition(0);
            },
            [field] { field->clear(); }};
}

QLineEdit* RecordForm::addTextRow(const QString& label, const char* name, int width) {
    QLineEdit* field = newField(label, name, width);
    addRow(label, field, textEntry(field), {field});
    return field;
}

QLineEdit* RecordForm::addDigitsRow(const QString& label, const char* name, int width) {
    QLineEdit* field = newField(label, name, width, true);
    addRow(label, field, textEntry(field), {field});
    return field;
}

PickList* RecordForm::addPickRow(const QString& label, const char* listName, const char* fieldName,
                                 int listWidth, int fieldWidth, const QString& valuesSql, bool ownRow) {
    auto* pair = new QWidget(this);
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Scaled(this, 2));
    auto* list = new QComboBox(pair);
    list->setObjectName(QLatin1String(listName));
    list->setAccessibleName(label);
    list->setFixedSize(Scaled(this, listWidth), Scaled(this, 22));
    QLineEdit* field = newField(label, fieldName, fieldWidth);
    layout->addWidget(list);
    layout->addWidget(field);
    auto* pick = new PickList(list, field, this);
    if (ownRow)
        layOutRow(label, pair, {list, field});
    else
        addRow(label, pair,
               {[pick] { return pick->text(); }, [pick](const QString& t) { pick->show(t); },
                [pick] { pick->clear(); }},
               {list, field});
    picks_.emplace_back(pick, valuesSql);
    return pick;
}

void RecordForm::open(QLineEdit* code, QLineEdit* name) {
    code_ = code;
    name_ = name;
    follower_->setCodeField(code_, 1);
    tabOrder_.push_back(list_->searchField());
    tabOrder_.push_back(list_->view());
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    reloadRecords();
    code_->setFocus();
}

// Whoever gives the form itself the focus (the main window opening it) puts the
// cursor in the code field.
void RecordForm::focusInEvent(QFocusEvent* /*event*/) {
    if (code_) code_->setFocus();
}

void RecordForm::reloadRecords() {
    list_->load();
    for (auto& [pick, sql] : picks_) pick->load(ctx_, sql);
}

void RecordForm::showAllRecords() {
    list_->searchField()->clear();
    reloadRecords();
}

// ---- following the grid -----------------------------------------------------------

void RecordForm::showRow(int row) {
    const QStringList cells = grid().row(row);
    for (std::size_t i = 0; i < entries_.size(); ++i) entries_[i].set(cells.value(static_cast<int>(i) + 1));
    showOwnRows(row);
}

QStringList RecordForm::shownValues() const {
    QStringList out;
    for (const Entry& e : entries_) out << e.get();
    return out;
}

void RecordForm::clearEntries() {
    for (const Entry& e : entries_) e.clear();
    clearOwnRows();
}

int RecordForm::gridColumnOf(const QString& column) const {
    for (std::size_t i = 0; i < design_.columns.size(); ++i)
        if (design_.columns[i].column.compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i) + 1;
    return -1;
}

// ---- the toolbar --------------------------------------------------------------------

void RecordForm::run(RecordCommand command) {
    // In the order of RecordCommand.
    static constexpr void (RecordForm::*kHandlers[])() = {
        &RecordForm::newRecord,         &RecordForm::save,          &RecordForm::remove,
        &RecordForm::exportSpreadsheet, &RecordForm::exportBrowser, &RecordForm::openImport,
        &RecordForm::printOnPaper,      &RecordForm::printOnPaper};
    (this->*kHandlers[static_cast<int>(command)])();
}

}  // namespace zelkor

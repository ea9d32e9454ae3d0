#include "cashbook/journal_form.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "cashbook/entry_form.h"
#include "cashbook/journal_lines.h"
#include "core/money.h"
#include "reports/grid_export.h"
#include "ui/grid_view.h"
#include "ui/list_toolbar.h"
#include "ui/month_list.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kFirstLineMark = QStringLiteral("Saldo lalu + ");

}  // namespace

JournalForm::JournalForm(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), runEntry_([](QDialog& d) { d.exec(); }) {
    setObjectName(QLatin1String(kWindowClass));
    setWindowTitle(QStringLiteral("Jurnal Kas"));
    resize(Scaled(this, 1024), Scaled(this, 559));
    createColumns();
    createControls();
    // Opens on the current month; selecting it does not count as choosing it.
    const QDate today = ctx_.clock().today();
    months_->selectQuietly(today.year(), today.month());
    list(today.year(), today.month());  // an empty month shows no balance line here
}

JournalForm::~JournalForm() {
    if (ctx_.exportGrid == &grid_) ctx_.exportGrid = nullptr;
}

void JournalForm::createColumns() {
    grid_.setColumns({{QStringLiteral("No."), 50, Align::Center},
                      // 120, not 80: a 16-character code shows whole.
                      {QStringLiteral("Id"), 120, Align::Left},
                      {QStringLiteral("Tanggal"), 100, Align::Center},
                      {QStringLiteral("Kategori"), 100, Align::Left},
                      {QStringLiteral("Uraian"), 280, Align::Left},
                      {QStringLiteral("Masuk"), 100, Align::Right},
                      {QStringLiteral("Keluar"), 100, Align::Right},
                      {QStringLiteral("Saldo"), 100, Align::Right},
                      {QStringLiteral("Operator"), 100, Align::Left}});
}

QToolBar* JournalForm::createToolbar() {
    QToolBar* bar = CreateListToolbar(this, "journalToolbar");
    bar->setMinimumHeight(Scaled(this, 30));
    struct Button {
        const char* name;
        const char* image;
        const char* toolTip;
        QKeySequence key;
        void (JournalForm::*handler)();
    };
    const Button buttons[] = {
        {"income", "IMAGE_DOWN", "Jurnal Kas Masuk", Qt::Key_F2, &JournalForm::newIncome},
        {"expense", "IMAGE_UP", "Jurnal Kas Keluar", Qt::Key_F3, &JournalForm::newExpense},
        {"delete", "IMAGE_DATA_DELETE", "Hapus Item Data Jurnal", QKeySequence::Delete,
         &JournalForm::deleteLine},
        {"spreadsheet", "IMAGE_DOCEXCEL", "Export Ke Excel", QKeySequence(Qt::CTRL | Qt::Key_E),
         &JournalForm::exportSpreadsheet},
        {"browser", "IMAGE_PRINTER", "Cetak Ke Broswer", QKeySequence(Qt::CTRL | Qt::Key_P),
         &JournalForm::reportToBrowser},
    };
    for (const Button& b : buttons) {
        QAction* action = AddToolCommand(bar, this, b.name, b.image, QString::fromLatin1(b.toolTip), b.key);
        connect(action, &QAction::triggered, this, b.handler);
    }
    return bar;
}

void JournalForm::createControls() {
    months_ = new MonthList(this);
    months_->setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    // The list keeps its size; the grid takes what the window gains.
    months_->setFixedWidth(Scaled(this, 200));
    months_->list()->setFixedHeight(Scaled(this, 303));

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("journal"));
    view_->setAccessibleName(QStringLiteral("Jurnal Kas"));
    view_->setFont(FontFromText(QStringLiteral("Arial,-12,0")));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    view_->applyColumnWidths();

    auto* body = new QHBoxLayout;
    body->setContentsMargins(Scaled(this, 8), 0, 0, 0);
    body->setSpacing(0);
    auto* left = new QVBoxLayout;
    left->addWidget(months_);
    left->addStretch(1);
    body->addLayout(left);
    body->addWidget(view_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolbar());
    layout->addLayout(body, 1);

    connect(months_, &MonthList::changed, this, &JournalForm::chooseMonth);
    // Choosing the month already shown lists it again (after a delete, say).
    months_->list()->viewport()->installEventFilter(this);
    connect(months_->list(), &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (months_->list()->row(item) == pressedMonthRow_) chooseMonth(months_->year(), months_->month());
    });
    connect(months_->list(), &QListWidget::itemActivated, this, [this] {
        if (months_->month() > 0) chooseMonth(months_->year(), months_->month());
    });
    connect(view_, &GridView::leftButtonReleased, this, &JournalForm::viewLine);
    view_->installEventFilter(this);
    setFocusProxy(view_);  // an opened journal takes the keys in its lines
}

bool JournalForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == months_->list()->viewport() && event->type() == QEvent::MouseButtonPress)
        pressedMonthRow_ = months_->list()->currentRow();
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            viewLine();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void JournalForm::list(int year, int month) {
    year_ = year;
    month_ = month;
    balanceLine_ = false;
    grid_.clearRows();
    if (const DbResult r = JournalMonthLines(ctx_.db(), year, month, grid_); !r) ctx_.sqlError(r.error);
    if (grid_.rowCount() > 0) grid_.setCell(0, ColUraian, kFirstLineMark + grid_.cell(0, ColUraian));
}

void JournalForm::load() {
    if (balanceLine_)
        chooseMonth(year_, month_);
    else
        list(year_, month_);
}

void JournalForm::chooseMonth(int year, int month) {
    list(year, month);
    // A month chosen is read from its first line, not from where the last one was left.
    view_->scrollToTop();
    if (grid_.rowCount() > 0) return;
    QString balance;
    if (const DbResult r = BalanceBroughtForward(ctx_.db(), year, month, balance); !r) ctx_.sqlError(r.error);
    QStringList cells(ColumnCount);
    cells[ColNo] = QStringLiteral("1");
    cells[ColKategori] = QStringLiteral("Saldo");
    cells[ColUraian] = QStringLiteral("Saldo yang lalu");
    cells[ColSaldo] = balance;
    grid_.appendRow(cells);
    balanceLine_ = true;
}

void JournalForm::newIncome() {
    openEntry(EntrySide::Income, 0);
}

void JournalForm::newExpense() {
    openEntry(EntrySide::Expense, 0);
}

void JournalForm::viewLine() {
    const int row = grid_.selectedRow();
    if (row >= 0 && !(balanceLine_ && row == 0)) {
        if (LeadingNumber(grid_.cell(row, ColMasuk)) > 0) return openEntry(EntrySide::Income, 1);
        if (LeadingNumber(grid_.cell(row, ColKeluar)) > 0) return openEntry(EntrySide::Expense, 1);
    }
    ctx_.gridFollowFlag = 0;
}

void JournalForm::openEntry(EntrySide side, int followFlag) {
    ctx_.gridFollowFlag = followFlag;
    const int row = grid_.selectedRow();
    EntryForm form(ctx_, side, followFlag >= 1 && row >= 0 ? grid_.row(row) : QStringList(), this);
    connect(&form, &EntryForm::saved, this, &JournalForm::lineSaved);
    QWidget* before = QApplication::focusWidget();
    runEntry_(form);
    // The journal takes the keyboard back where it had it.
    activateWindow();
    if (before) before->setFocus();
}

void JournalForm::lineSaved(const SavedLine& line) {
    // A line dated in another month belongs to that month's list; one dated
    // before this month counts in every balance shown here.
    const QString prefix = MonthPrefix(year_, month_) + QLatin1Char('-');
    if (!line.date.startsWith(prefix)) {
        if (line.date < prefix) load();
        return;
    }
    // A line dated before others of the month takes its place by date, and the
    // balances after it change: the month is listed afresh with it chosen.
    const int last = grid_.rowCount() - 1;
    if (last >= 0 && !(balanceLine_ && last == 0) &&
        std::pair(line.date, line.code) < std::pair(grid_.cell(last, ColTanggal), grid_.cell(last, ColId))) {
        list(year_, month_);
        for (int row = 0; row < grid_.rowCount(); ++row)
            if (grid_.cell(row, ColId) == line.code) grid_.select(row);
        return;
    }
    QString balance;
    if (const DbResult r = JournalLineBalance(ctx_.db(), line.code, balance); !r) ctx_.sqlError(r.error);
    const QString amount = QString::number(line.amount);
    const bool income = line.side == EntrySide::Income;
    grid_.appendRow({QString::number(grid_.rowCount() + 1) + QLatin1Char('.'), line.code, line.date,
                     line.category, line.description, income ? amount : QStringLiteral("0"),
                     income ? QStringLiteral("0") : amount, balance, ctx_.currentOperator});
    grid_.select(grid_.rowCount() - 1);  // in sight, and marked as the line just booked
}

void JournalForm::deleteLine() {
    const int row = grid_.selectedRow();
    // Nothing chosen, or the balance line, which is no line of the journal.
    if (row < 0 || (balanceLine_ && row == 0)) return;
    if (!ctx_.messages().askYesNo(
            QStringLiteral("Apakah anda yakin akan menghapus record ini? Cobalah koreksi data yang terkait "
                           "dengan record ini, mungkin bisa mengakibatkan perubahan referensi data dan "
                           "mengakibatkan data menjadi rancu.."),
            QStringLiteral("Confirm Delete")))
        return;
    // Exactly the line shown goes, or nothing does.
    // Nothing is deleted unless the transaction began: outside one the delete
    // would stand on its own while the operator is told it failed.
    Transaction tx(ctx_.db());
    if (!tx.active()) {
        ctx_.sqlError(tx.beginResult().error);
        return;
    }
    const DbResult r = ctx_.db().exec(QStringLiteral("Delete From Kas Where Id=?"), {grid_.cell(row, ColId)});
    if (!r) {
        tx.rollback();
        ctx_.sqlError(r.error);
        return;
    }
    if (r.changes != 1) {
        tx.rollback();
        const QString id = grid_.cell(row, ColId);
        ctx_.messages().info(
            r.changes == 0
                ? QStringLiteral("Gagal menghapus, data jurnal dengan Id %1 tidak ditemukan..").arg(id)
                : QStringLiteral("Gagal menghapus, Id %1 dipakai oleh %2 baris jurnal. Tidak ada data yang "
                                 "dihapus..")
                      .arg(id)
                      .arg(r.changes),
            QStringLiteral("Info"));
        return;
    }
    if (const DbResult c = tx.commit(); !c) {
        ctx_.sqlError(c.error);
        return;
    }
    // The other lines keep their numbers and balances until the month is listed again.
    grid_.removeRow(row);
    grid_.select(-1);
}

void JournalForm::exportSpreadsheet() {
    ctx_.exportGrid = &grid_;
    ExportGridToSpreadsheet(ctx_);
}

void JournalForm::reportToBrowser() {
    ReportGridToBrowser(ctx_, QStringLiteral("LAPORAN DATA ALUR KAS"), grid_);
}

}  // namespace zelkor

#include "circulation/borrow_picker.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/loan_terms.h"
#include "circulation/picker_queries.h"
#include "circulation/shelf_copies.h"
#include "db/row_sinks.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {
const char* const kDetailLabels[BorrowPicker::DetailRowCount] = {"Id", "Nama Item", "Penerbit", "Pengarang"};
}

BorrowPicker::BorrowPicker(DeskForm& desk) : QDialog(&desk), desk_(desk), ctx_(desk.context()) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM4_CLASS"));
    setWindowTitle(QStringLiteral("Browse Item"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    resize(Scaled(this, 921), Scaled(this, 515));
    createColumns();
    createControls();
    inCart_ = CopiesTakenByCart(ctx_, desk_.cart());
    fill(QString());
    search_->setFocus();
    timer_->start();
}

BorrowPicker::~BorrowPicker() {
    timer_->stop();
}

void BorrowPicker::createColumns() {
    items_.setColumns({{QStringLiteral("No."), 80, Align::Left},
                       {QStringLiteral("Id"), 100, Align::Left},
                       {QStringLiteral("Nama Item"), 200, Align::Left},
                       {QStringLiteral("Penerbit"), 180, Align::Left},
                       {QStringLiteral("Pengarang"), 180, Align::Left},
                       {QStringLiteral("Tersedia"), 70, Align::Right}});
    detail_.setColumns({{QStringLiteral("1"), 100, Align::Left}, {QStringLiteral("2"), 300, Align::Left}});
    for (const char* label : kDetailLabels) detail_.appendRow({QString::fromLatin1(label), QString()});
}

void BorrowPicker::createControls() {
    view_ = new GridView(items_, this);
    view_->setObjectName(QStringLiteral("items"));
    view_->setAccessibleName(QStringLiteral("Browse Item"));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    PlaceAt(this, view_, 8, 8, 885, 292);
    view_->applyColumnWidths();

    detailView_ = new GridView(detail_, this, false);
    detailView_->setObjectName(QStringLiteral("detail"));
    detailView_->setAccessibleName(QStringLiteral("Detail Item"));
    detailView_->setSelectionMode(QAbstractItemView::NoSelection);
    detailView_->setFocusPolicy(Qt::NoFocus);
    PlaceAt(this, detailView_, 8, 304, 885, 118);
    detailView_->applyColumnWidths();

    auto* searchLabel = new QLabel(QStringLiteral("&Cari Item"), this);
    PlaceAt(this, searchLabel, 8, 431, 70, 25);
    search_ = MakeField(this, "search", QStringLiteral("Cari Item"), 80, 432, 384, 24);
    searchLabel->setBuddy(search_);
    goButton_ = MakeButton(this, QStringLiteral("&Go"), "go", 469, 432, 35, 24);
    cancelButton_ = MakeButton(this, QStringLiteral("&Batal"), "cancel", 624, 432, 129, 37);
    insertButton_ = MakeButton(this, QStringLiteral("&Sisip"), "insert", 760, 432, 129, 37);

    // Search, then the list, then Sisip: Batal last, out of the way of the work.
    ChainTabOrder({search_, goButton_, view_, insertButton_, cancelButton_});
    ContinueDownInto(search_, view_);

    timer_ = new QTimer(this);
    timer_->setInterval(200);

    connect(timer_, &QTimer::timeout, this, &BorrowPicker::followSelection);
    connect(search_, &QLineEdit::returnPressed, this, &BorrowPicker::search);
    connect(goButton_, &QPushButton::clicked, this, &BorrowPicker::search);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &BorrowPicker::insert);
}

void BorrowPicker::fill(const QString& searchText) {
    const BoundStatement s = LendableItemsStatement(searchText);
    GridData::Batch batch(items_);
    items_.clearRows();
    ctx_.run(s.sql, s.values, AppendNumberedRow(items_));
    DeductCopiesInCart(items_, ColId, ColTersedia, inCart_);
}

// ---- handlers ---------------------------------------------------------------------

void BorrowPicker::search() {
    fill(search_->text());
}

void BorrowPicker::followSelection() {
    const int columns[DetailRowCount] = {ColId, ColNamaItem, ColPenerbit, ColPengarang};
    for (int r = 0; r < DetailRowCount; ++r) {
        const QString value = items_.selectedCell(columns[r]);
        if (detail_.cell(r, 1) != value) detail_.setCell(r, 1, value);
    }
}

void BorrowPicker::insert() {
    if (items_.selectedRow() < 0) {
        // A loan of no item would be saved as a movement of nothing.
        ctx_.messages().show(QStringLiteral("Silahkan pilih item yang akan di-pinjam terlebih dahulu.."),
                             QStringLiteral("Info"));
        return;
    }
    if (!CopyLeftFor(desk_, items_.selectedCell(ColId))) return;
    // The loan rules' period (else the member's), due from the computer's date at
    // this moment, on a day the library is open.
    const LoanOffer offer = OfferLoan(desk_, items_.selectedCell(ColId));
    if (!offer.refusal.isEmpty()) {
        ctx_.messages().show(offer.refusal, QStringLiteral("Info"));
        return;
    }
    desk_.appendCartRow(items_.selectedCell(ColId), items_.selectedCell(ColNamaItem), offer.days,
                        QStringLiteral("0"), kTransPinjam, offer.due);
    accept();
    desk_.recomputeTotals();
}

void BorrowPicker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter searches in the search field and never closes the picker
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zelkor

#include "circulation/rental_picker.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/picker_queries.h"
#include "circulation/shelf_copies.h"
#include "db/row_sinks.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {
const QString kPresetDays = QStringLiteral("3");
}

RentalPicker::RentalPicker(DeskForm& desk) : QDialog(&desk), desk_(desk), ctx_(desk.context()) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM3_CLASS"));
    setWindowTitle(QStringLiteral("Item Rental"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    resize(Scaled(this, 916), Scaled(this, 515));
    createColumns();
    createControls();
    inCart_ = CopiesTakenByCart(ctx_, desk_.cart());
    fill(QString());
    insertButton_->setFocus();
    timer_->start();
}

RentalPicker::~RentalPicker() {
    timer_->stop();
}

void RentalPicker::createColumns() {
    items_.setColumns({{QStringLiteral("No."), 80, Align::Left},
                       {QStringLiteral("Id"), 100, Align::Left},
                       {QStringLiteral("Nama Item"), 300, Align::Left},
                       {QStringLiteral("Hrg. Rental Perhari"), 180, Align::Left},
                       {QStringLiteral("Tersedia"), 70, Align::Right}});
}

void RentalPicker::createControls() {
    view_ = new GridView(items_, this);
    view_->setObjectName(QStringLiteral("items"));
    view_->setAccessibleName(QStringLiteral("Item Rental"));
    view_->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    PlaceAt(this, view_, 8, 8, 885, 380);
    view_->applyColumnWidths();

    itemName_ = new QLabel(this);
    itemName_->setObjectName(QStringLiteral("itemName"));
    itemName_->setAccessibleDescription(QStringLiteral("Nama Item"));
    itemName_->setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,1")));
    PlaceAt(this, itemName_, 8, 392, 883, 25);

    auto* daysLabel = new QLabel(QStringLiteral("Durasi Rental Berapa &Hari?"), this);
    PlaceAt(this, daysLabel, 8, 416, 158, 22);
    days_ = MakeField(this, "days", QStringLiteral("Durasi Rental Berapa Hari?"), 168, 416, 57, 23);
    days_->setValidator(DigitsOnlyValidator(this));
    days_->setMaxLength(5);  // up to 99999 days keeps the due date a real date
    days_->installEventFilter(this);
    new SelectAllOnFocus(days_);  // typing 4 over the preset 3 gives 4, not 34
    daysLabel->setBuddy(days_);
    price_ = new QLabel(this);
    price_->setObjectName(QStringLiteral("price"));
    price_->setAccessibleDescription(QStringLiteral("Harga"));
    price_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    price_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PlaceAt(this, price_, 228, 416, 150, 22);

    auto* searchLabel = new QLabel(QStringLiteral("&Cari Item"), this);
    PlaceAt(this, searchLabel, 11, 441, 70, 25);
    search_ = MakeField(this, "search", QStringLiteral("Cari Item"), 83, 442, 384, 24);
    searchLabel->setBuddy(search_);
    goButton_ = MakeButton(this, QStringLiteral("&Go"), "go", 472, 442, 35, 24);
    cancelButton_ = MakeButton(this, QStringLiteral("&Batal"), "cancel", 624, 432, 129, 37);
    insertButton_ = MakeButton(this, QStringLiteral("&Sisip"), "insert", 760, 432, 129, 37);

    // Search, the list, the days, then Sisip: Batal last, out of the way of the work.
    ChainTabOrder({search_, goButton_, view_, days_, insertButton_, cancelButton_});
    ContinueDownInto(search_, view_);

    timer_ = new QTimer(this);
    timer_->setInterval(200);

    connect(view_, &GridView::mouseOverRows, this, [this] { ctx_.gridFollowFlag = 1; });
    connect(view_, &GridView::rowSelected, this, &RentalPicker::showSelectedItem);
    connect(timer_, &QTimer::timeout, this, &RentalPicker::followSelection);
    connect(days_, &QLineEdit::textChanged, this, &RentalPicker::updatePrice);
    connect(search_, &QLineEdit::returnPressed, this, &RentalPicker::search);
    connect(goButton_, &QPushButton::clicked, this, &RentalPicker::search);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &RentalPicker::insert);
}

void RentalPicker::fill(const QString& searchText) {
    const BoundStatement s = RentalItemsStatement(searchText);
    GridData::Batch batch(items_);
    items_.clearRows();
    ctx_.run(s.sql, s.values, AppendNumberedRow(items_));
    DeductCopiesInCart(items_, ColId, ColTersedia, inCart_);
}

QString RentalPicker::itemName() const {
    return itemName_->text();
}

QString RentalPicker::days() const {
    return days_->text();
}

QString RentalPicker::price() const {
    return price_->text();
}

// ---- handlers ---------------------------------------------------------------------

void RentalPicker::search() {
    fill(search_->text());
}

void RentalPicker::followSelection() {
    if (ctx_.gridFollowFlag <= 0) return;
    ShowValue(itemName_, items_.selectedCell(ColNamaItem));
    if (days_->text() != kPresetDays)
        days_->setText(kPresetDays);  // the price follows through updatePrice
    else
        updatePrice();  // another item, same days
}

// A row chosen with the keyboard shows its name and price too, not only one the mouse passed over.
void RentalPicker::showSelectedItem() {
    ShowValue(itemName_, items_.selectedCell(ColNamaItem));
    updatePrice();
}

void RentalPicker::updatePrice() {
    ShowValue(price_, RentalPrice(days_->text(), items_.selectedCell(ColHarga)));
}

void RentalPicker::insert() {
    if (items_.selectedRow() < 0) {
        // A rental of no item would be saved as a movement of nothing.
        ctx_.messages().show(QStringLiteral("Silahkan pilih item yang akan di-rental terlebih dahulu.."),
                             QStringLiteral("Info"));
        return;
    }
    if (days_->text().toInt() <= 0) {
        // No days would lend the item out free of charge, due back today.
        ctx_.messages().show(QStringLiteral("Silahkan isi durasi rental (berapa hari) terlebih dahulu.."),
                             QStringLiteral("Info"));
        days_->setFocus();
        return;
    }
    if (!CopyLeftFor(desk_, items_.selectedCell(ColId))) return;
    // The due date counts from the computer's date at this moment.
    desk_.appendCartRow(items_.selectedCell(ColId), items_.selectedCell(ColNamaItem), days_->text(),
                        price_->text(), kTransRental, DueDate(ctx_.clock().today(), days_->text()));
    accept();
    desk_.recomputeTotals();
}

void RentalPicker::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter searches in the search field and never closes the picker
        return;
    }
    QDialog::keyPressEvent(event);
}

// Clicking into the days field stops the preset, so the days typed stay.
bool RentalPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == days_ && event->type() == QEvent::FocusIn) ctx_.gridFollowFlag = 0;
    return QDialog::eventFilter(watched, event);
}

}  // namespace zelkor

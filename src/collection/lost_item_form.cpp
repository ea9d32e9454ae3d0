#include "lost_item_form.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/app_context.h"
#include "ui/date_field.h"
#include "collection/entry_messages.h"
#include "collection/grid_follower.h"
#include "collection/lost_item_report.h"
#include "collection/record_list.h"
#include "core/dates.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

// The item list's columns after "No.": the code first, the stock eighth.
constexpr int kCodeColumn = 1;
constexpr int kStockColumn = 8;
const QStringList kDetailLabels{QStringLiteral("Id"),          QStringLiteral("Nama Item"),
                                QStringLiteral("Pengarang"),   QStringLiteral("Hak Cipta"),
                                QStringLiteral("Penerbit"),    QStringLiteral("ISBN"),
                                QStringLiteral("Nilai Denda"), QStringLiteral("Stock"),
                                QStringLiteral("Hrg. Rental"), QStringLiteral("Rak")};

// Letters become capitals as they are typed (and as they are pasted).
class CapitalsValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

LostItemForm::LostItemForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QLatin1String(kWindowClass));
    setWindowTitle(QStringLiteral("Form Pelaporan Item Hilang"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    setFixedSize(Scaled(this, 885), Scaled(this, 477));
    createColumns();
    createControls();
    list_->load();
    list_->searchField()->setFocus();
}

GridData& LostItemForm::items() {
    return list_->grid();
}

void LostItemForm::createColumns() {
    list_ = new RecordList(ctx_, this,
                           {{QStringLiteral("No."), 50, Align::Center},
                            {QStringLiteral("Id"), 80, Align::Left},
                            {QStringLiteral("Nama Item"), 180, Align::Left},
                            {QStringLiteral("Pengarang"), 100, Align::Left},
                            {QStringLiteral("Hak Cipta"), 100, Align::Center},
                            {QStringLiteral("Penerbit"), 100, Align::Left},
                            {QStringLiteral("ISBN"), 100, Align::Center},
                            {QStringLiteral("Nilai Denda"), 100, Align::Right},
                            {QStringLiteral("Stock"), 100, Align::Right},
                            {QStringLiteral("Hrg. Rental"), 100, Align::Right},
                            {QStringLiteral("Rak"), 100, Align::Center}},
                           QStringLiteral("select Id, NamaItem, Pengarang, HakCipta, Penerbit, ISBN, Denda, "
                                          "JmlStock, HargaRental, Rak from ItemPerpus"),
                           {QStringLiteral("Id"), QStringLiteral("NamaItem"), QStringLiteral("Pengarang"),
                            QStringLiteral("Penerbit"), QStringLiteral("ISBN")});
    list_->setCondition(kItemsOnly);
    details_.setColumns(
        {{QStringLiteral("Kolom"), 100, Align::Left}, {QStringLiteral("Data"), 250, Align::Left}});
    for (const QString& label : kDetailLabels) details_.appendRow({label, QString()});
}

void LostItemForm::createControls() {
    auto place = [this](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(Scaled(this, x), Scaled(this, y), Scaled(this, width), Scaled(this, height));
    };
    auto label = [&](const QString& text, QWidget* buddy, int x, int y) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        l->move(Scaled(this, x), Scaled(this, y) + (buddy->height() - l->sizeHint().height()) / 2);
        return l;
    };
    auto field = [&](const char* name, const QString& accessibleName, int y, int width) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QLatin1String(name));
        f->setAccessibleName(accessibleName);
        place(f, 530, y, width, 24);
        return f;
    };
    auto button = [&](const QString& text, const char* name, int x, int width) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        // Enter in a field never reports a loss, nor closes the form.
        b->setAutoDefault(false);
        place(b, x, 424, width, 31);
        return b;
    };

    // The group box has no caption; the controls stand on the dialog over it, and the
    // mouse over either is over the background.
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("background"));
    place(box, 10, 2, 865, 465);
    box->lower();  // under the list and the search made before it, or it takes their clicks
    for (QWidget* background : {static_cast<QWidget*>(this), static_cast<QWidget*>(box)}) {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }

    QLineEdit* search = list_->searchField();
    place(search, 56, 16, 805, 24);
    label(QStringLiteral("&Cari"), search, 24, 16);
    GridView* list = list_->view();
    list->setAccessibleName(QStringLiteral("Daftar Item"));
    place(list, 24, 48, 837, 179);
    auto* panel = new GridView(details_, this);
    panel->setObjectName(QStringLiteral("details"));
    panel->setAccessibleName(QStringLiteral("Detail Item"));
    panel->setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
    place(panel, 24, 232, 357, 220);

    date_ = new DateField(
        ParseIsoDate(ctx_.todayText).isValid() ? ParseIsoDate(ctx_.todayText) : ctx_.clock().today(), this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setAccessibleName(QStringLiteral("Tanggal Hilang"));
    place(date_, 530, 240, 92, 24);
    reporter_ = field("reporter", QStringLiteral("Pelapor"), 272, 307);
    reporter_->setValidator(new CapitalsValidator(reporter_));
    count_ = field("count", QStringLiteral("Jumlah Item"), 304, 94);
    count_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kCountDigits)), count_));
    count_->setMaxLength(kCountDigits);
    remark_ = field("remark", QStringLiteral("Keterangan"), 336, 307);
    label(QStringLiteral("&Tanggal Hilang"), date_, 400, 240);
    label(QStringLiteral("&Pelapor"), reporter_, 400, 272);
    label(QStringLiteral("&Jumlah Item"), count_, 400, 304);
    label(QStringLiteral("&Keterangan"), remark_, 400, 336);
    reportButton_ = button(QStringLiteral("&LAPORKAN KEHILANGAN"), "report", 400, 171);
    doneButton_ = button(QStringLiteral("&SELESAI"), "done", 752, 98);

    QWidget* order[] = {search, list, panel, date_, reporter_, count_, remark_, reportButton_, doneButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    follower_ = new GridFollower(
        ctx_, list, [this](int row) { showItem(row); }, this);
    // A search leaves no item chosen: the panel shows none either.
    connect(list_, &RecordList::loaded, this, &LostItemForm::clearDetails);
    connect(reportButton_, &QPushButton::clicked, this, &LostItemForm::report);
    connect(doneButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void LostItemForm::showItem(int row) {
    for (int i = 0; i < details_.rowCount(); ++i) details_.setCell(i, 1, items().cell(row, i + 1));
}

void LostItemForm::clearDetails() {
    for (int i = 0; i < details_.rowCount(); ++i) details_.setCell(i, 1, QString());
}

void LostItemForm::report() {
    const int row = items().selectedRow();
    const LossReport loss{row >= 0 ? items().cell(row, kCodeColumn) : QString(), IsoDate(date_->date()),
                          count_->text(), reporter_->text(), remark_->text()};
    const std::optional<QString> left = RecordLoss(ctx_, loss);
    if (!left) return;
    // The list and the panel show the stock as it now is.
    items().setCell(row, kStockColumn, *left);
    showItem(row);
    count_->clear();
    remark_->clear();
    ctx_.messages().info(entry::kSaved, entry::kCaption);
}

bool LostItemForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) follower_->disarm();
    return QDialog::eventFilter(watched, event);
}

void OpenLostItemReports(AppContext& ctx, QWidget* owner) {
    LostItemForm form(ctx, owner);
    form.exec();
}

}  // namespace zelkor

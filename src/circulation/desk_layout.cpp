// The desk's controls and their places: the member panel, the cart, the buttons
// and the totals, as the form has always laid them out.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "circulation/desk_form.h"
#include "circulation/form_parts.h"
#include "circulation/loan_terms.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kBold9 = QStringLiteral("Arial Unicode MS,9,1");
const QString kRegular9 = QStringLiteral("Arial Unicode MS,9,0");
const QString kBold10 = QStringLiteral("Arial Unicode MS,10,1");

const char* const kMemberLabels[DeskForm::MemberRowCount] = {"Id Member", "Nama", "Alamat", "Kategori",
                                                             "N Pinjam"};

}  // namespace

void DeskForm::createColumns() {
    member_.setColumns({{QStringLiteral("1"), 100, Align::Left}, {QStringLiteral("2"), 180, Align::Left}});
    for (const char* label : kMemberLabels) member_.appendRow({QString::fromLatin1(label), QString()});
    member_.appendRow({QStringLiteral("Tanggungan"), QString()});  // what the member still owes
    SetUpCartColumns(cart_);
}

void DeskForm::createControls() {
    auto place = [this](QWidget* w, int x, int y, int width, int height, const QString& font) {
        PlaceAt(this, w, x, y, width, height);
        w->setFont(FontFromText(font));
    };
    // Enter from a barcode scanner must never press a button or close the desk.
    auto button = [&](const QString& text, const char* name, int x, int y, int w, int h,
                      const QString& font) {
        auto* b = MakeButton(this, text, name, x, y, w, h);
        b->setFont(FontFromText(font));
        return b;
    };
    auto label = [&](const QString& text, int x, int y, int w, int h, const QString& font) {
        auto* l = new QLabel(text, this);
        place(l, x, y, w, h, font);
        return l;
    };
    auto valueLabel = [&](const QString& caption, const char* objectName, int y) {
        auto* l = label(QString(), 736, y, 165, 22, kBold9);
        l->setObjectName(QLatin1String(objectName));
        ShowValue(l, QStringLiteral("0"));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label(caption, 656, y, 75, 22, kBold9)->setBuddy(l);
        return l;
    };

    // Every button and field has an Alt letter, so the whole desk works from the keyboard.
    browseButton_ = button(QStringLiteral("&Browse"), "browse", 16, 16, 64, 47, kBold9);
    memberNumber_ = new QLineEdit(this);
    memberNumber_->setObjectName(QStringLiteral("memberNumber"));
    memberNumber_->setAccessibleName(QStringLiteral("Ketik/Scan Id Member"));
    memberNumber_->installEventFilter(this);
    place(memberNumber_, 80, 16, 199, 21, kRegular9);
    label(QStringLiteral("Ketik/Scan &Id Member"), 80, 40, 150, 25, kRegular9)->setBuddy(memberNumber_);
    rentalButton_ = button(QStringLiteral("&RENTAL"), "rental", 296, 16, 130, 47, kBold10);
    borrowButton_ = button(QStringLiteral("&PEMINJAMAN"), "borrow", 432, 16, 130, 47, kBold10);
    returnButton_ = button(QStringLiteral("PEN&GEMBALIAN"), "returns", 568, 16, 130, 47, kBold10);
    visitButton_ = button(QStringLiteral("BER&KUNJUNG"), "visit", 704, 16, 130, 47, kBold10);

    memberView_ = new GridView(member_, this, false);
    memberView_->setObjectName(QStringLiteral("memberPanel"));
    memberView_->setAccessibleName(QStringLiteral("Data Member"));
    place(memberView_, 16, 72, 269, 245, kBold10);
    // The values fill the panel's width instead of hiding 11 pixels behind a scroll bar.
    memberView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memberView_->applyColumnWidths();
    cartView_ = new GridView(cart_, this);
    cartView_->setObjectName(QStringLiteral("cart"));
    cartView_->setAccessibleName(QStringLiteral("Daftar Transaksi"));
    cartView_->setAccessibleDescription(QStringLiteral("Delete: hapus baris yang dipilih"));
    cartView_->setToolTip(QStringLiteral("Delete: hapus baris yang dipilih dari transaksi"));
    cartView_->installEventFilter(this);
    place(cartView_, 296, 72, 606, 245, kRegular9);
    cartView_->applyColumnWidths();

    receiptKind_ = new QComboBox(this);
    receiptKind_->setObjectName(QStringLiteral("receiptKind"));
    receiptKind_->setAccessibleName(QStringLiteral("Struk"));
    receiptKind_->addItems({QStringLiteral("Struk Kecil"), QStringLiteral("Struk Sedang")});
    receiptKind_->setCurrentIndex(0);
    receiptKind_->setMaxVisibleItems(10);
    place(receiptKind_, 360, 325, 223, 24, kRegular9);
    label(QStringLiteral("Str&uk"), 296, 328, 63, 16, kRegular9)->setBuddy(receiptKind_);

    // Below the member panel: why the panel stays empty, or why the number cannot change.
    memberHint_ = label(QString(), 16, 322, 269, 44, kRegular9);
    memberHint_->setObjectName(QStringLiteral("memberHint"));
    memberHint_->setWordWrap(true);
    memberHint_->setStyleSheet(QStringLiteral("color: #a00000;"));

    newButton_ = button(QStringLiteral("&Trans Baru"), "newTransaction", 16, 374, 269, 45, kBold9);
    payDebtButton_ = button(QStringLiteral("Ba&yar Tanggungan"), "payDebts", 16, 426, 269, 32, kBold9);
    waiveButton_ = button(QStringLiteral("&Hapus Denda"), "waiveFine", 304, 426, 282, 32, kBold9);
    saveButton_ = button(QStringLiteral("&Simpan"), "save", 304, 374, 138, 45, kBold10);
    printButton_ = button(QStringLiteral("&Cetak"), "print", 448, 374, 138, 45, kBold10);

    jumlah_ = valueLabel(QStringLiteral("Jumlah"), "jumlah", 328);
    // The two amounts the operator types: up to 12 digits, right-aligned, behind their
    // label, the whole text selected on entering so typing replaces it.
    auto amountField = [&](const QString& caption, const QString& name, const char* objectName, int x,
                           int y) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QLatin1String(objectName));
        f->setAccessibleName(name);
        MakeAmountEntry(f);
        new SelectAllOnFocus(f);
        f->setAlignment(Qt::AlignRight);
        place(f, x, y, 166, 20, kBold9);
        label(caption, 656, y, 75, 22, kBold9)->setBuddy(f);
        return f;
    };
    potongan_ = amountField(QStringLiteral("P&otongan"), QStringLiteral("Potongan"), "potongan", 737, 352);
    netto_ = valueLabel(QStringLiteral("Jml. Netto"), "netto", 376);
    dibayar_ = amountField(QStringLiteral("Dib&ayar"), QStringLiteral("Dibayar"), "dibayar", 736, 400);
    sisa_ = valueLabel(QStringLiteral("Sisa +/-"), "sisa", 424);
    closeButton_ = button(QStringLiteral("Selesai &dan tutup"), "finish", 648, 456, 255, 32, kBold10);
    // A library without renewals keeps the desk it always had.
    if (AnyRenewalRule(ctx_.db()))
        renewButton_ = button(QStringLiteral("P&ERPANJANG"), "renew", 304, 462, 282, 32, kBold10);

    // Tab follows the work: the member, the rows, the discount and the amount paid, then
    // Simpan and Cetak; so a Tab after Dibayar lands on Simpan, not on closing the desk.
    memberView_->setFocusPolicy(Qt::NoFocus);  // a display panel, nothing to do there
    ChainTabOrder({newButton_, memberNumber_, browseButton_, rentalButton_, borrowButton_, returnButton_,
                   visitButton_, payDebtButton_, cartView_, waiveButton_, receiptKind_, potongan_, dibayar_,
                   saveButton_, printButton_, closeButton_});

    connect(memberNumber_, &QLineEdit::textChanged, this, &DeskForm::memberNumberChanged);
    connect(browseButton_, &QPushButton::clicked, this, &DeskForm::openBrowse);
    connect(rentalButton_, &QPushButton::clicked, this, &DeskForm::openRental);
    connect(borrowButton_, &QPushButton::clicked, this, &DeskForm::openBorrow);
    connect(returnButton_, &QPushButton::clicked, this, &DeskForm::openReturns);
    connect(visitButton_, &QPushButton::clicked, this, &DeskForm::addVisit);
    connect(payDebtButton_, &QPushButton::clicked, this, &DeskForm::openDebtPayment);
    connect(waiveButton_, &QPushButton::clicked, this, &DeskForm::openFineWaiver);
    if (renewButton_) {
        QWidget::setTabOrder(visitButton_, renewButton_);
        connect(renewButton_, &QPushButton::clicked, this, &DeskForm::openRenewals);
    }
    connect(saveButton_, &QPushButton::clicked, this, &DeskForm::save);
    connect(printButton_, &QPushButton::clicked, this, &DeskForm::print);
    connect(newButton_, &QPushButton::clicked, this, &DeskForm::newTransaction);
    connect(closeButton_, &QPushButton::clicked, this, &DeskForm::finish);
    connect(potongan_, &QLineEdit::textChanged, this, &DeskForm::showTotals);
    connect(dibayar_, &QLineEdit::textChanged, this, &DeskForm::updateRemainder);
    updateControls();
}

// ---- the API of the desk ----------------------------------------------------------

}  // namespace zelkor

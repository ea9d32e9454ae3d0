#include "circulation/desk_form.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/app_context.h"
#include "circulation/desk_messages.h"
#include "circulation/desk_queries.h"
#include "circulation/desk_save.h"
#include "circulation/form_parts.h"
#include "db/row_sinks.h"
#include "till/debts.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kBold9 = QStringLiteral("Arial Unicode MS,9,1");
const QString kRegular9 = QStringLiteral("Arial Unicode MS,9,0");
const QString kBold10 = QStringLiteral("Arial Unicode MS,10,1");

const char* const kMemberLabels[DeskForm::MemberRowCount] = {"Id Member", "Nama", "Alamat", "Kategori",
                                                             "N Pinjam"};

const QString kUnknownMember = QStringLiteral("Id Member tidak ditemukan..");
// A member typed in Data Member stays inactive until "Aktif" is ticked there.
const QString kInactiveMember = QStringLiteral("Member %1 tidak aktif, centang Aktif di Data Member..");
const QString kMemberLocked =
    QStringLiteral("Transaksi belum disimpan: tekan Simpan, atau Trans Baru untuk member lain..");

}  // namespace

DeskForm::DeskForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM2_CLASS"));
    setWindowTitle(QStringLiteral("Transaksi"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(Scaled(this, 945), Scaled(this, 531));
    createColumns();
    createControls();
    newButton_->setFocus();
}

// ---- building the form ----------------------------------------------------------

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
    connect(saveButton_, &QPushButton::clicked, this, &DeskForm::save);
    connect(printButton_, &QPushButton::clicked, this, &DeskForm::print);
    connect(newButton_, &QPushButton::clicked, this, &DeskForm::newTransaction);
    connect(closeButton_, &QPushButton::clicked, this, &DeskForm::finish);
    connect(potongan_, &QLineEdit::textChanged, this, &DeskForm::showTotals);
    connect(dibayar_, &QLineEdit::textChanged, this, &DeskForm::updateRemainder);
    updateControls();
}

// ---- the API of the desk ----------------------------------------------------------

bool DeskForm::appendCartRow(const QString& kode, const QString& namaItem, const QString& nHari,
                             const QString& biaya, const QString& trans, const QString& tglKembali) {
    // A saved cart is what was booked and what Cetak prints: it takes nothing more.
    if (saved_) return false;
    if (cart_.rowCount() == 0)
        cartMember_ = {memberNumber_->text(), memberValue(MemberId), memberValue(MemberNama)};
    AppendCartRow(cart_, kode, namaItem, nHari, biaya, trans, tglKembali);
    updateControls();
    return true;
}

void DeskForm::recomputeTotals() {
    showTotals();
    dibayar_->setFocus();
    dibayar_->selectAll();
}

void DeskForm::setMemberNumber(const QString& text) {
    if (hasUnsavedRows()) return;
    if (memberNumber_->text() == text)
        memberNumberChanged();  // no change signal for the same text
    else
        memberNumber_->setText(text);
}

QString DeskForm::memberNumber() const {
    return memberNumber_->text();
}

QString DeskForm::memberValue(MemberRow row) const {
    return member_.cell(row, 1);
}

ReceiptData DeskForm::receiptData() const {
    ReceiptData d;
    d.memberName = memberValue(MemberNama);
    d.memberCategory = memberValue(MemberKategori);
    d.rows.reserve(cart_.rowCount());
    for (int r = 0; r < cart_.rowCount(); ++r) {
        d.rows.push_back({cart_.cell(r, CartNo), cart_.cell(r, CartKode), cart_.cell(r, CartNamaItem),
                          cart_.cell(r, CartNHari), cart_.cell(r, CartBiaya), cart_.cell(r, CartTrans),
                          cart_.cell(r, CartTglKembali)});
    }
    d.jumlah = jumlah_->text();
    d.potongan = potongan_->text();
    d.netto = netto_->text();
    d.dibayar = dibayar_->text();
    d.sisa = sisa_->text();
    return d;
}

ReceiptKind DeskForm::receiptKind() const {
    return receiptKind_->currentIndex() == 1 ? ReceiptKind::Medium : ReceiptKind::Small;
}

// ---- handlers ---------------------------------------------------------------------

void DeskForm::memberNumberChanged() {
    // Read-only stops typing only: a text written any other way is taken back, so the
    // cart never passes to another member.
    if (hasUnsavedRows()) {
        if (memberNumber_->text() != cartMember_.number) {
            const QSignalBlocker block(memberNumber_);
            memberNumber_->setText(cartMember_.number);
            triedToChangeMember_ = true;
        }
        updateControls();
        return;
    }
    // The next member's number after a save starts the next transaction: the saved
    // cart is in the books, nothing is lost.
    if (saved_) clearTransaction();
    lookUpMember();
    updateControls();
}

void DeskForm::lookUpMember() {
    clearMemberPanel();
    inactiveMember_.clear();
    ctx_.run(kMemberLookupSql, {memberNumber_->text()}, [this](const DbRow& row) {
        if (row.text(0).isEmpty()) return;
        if (row.text(MemberRowCount).toInt() == 0) {
            inactiveMember_ = row.text(0);
            return;
        }
        for (int i = 0; i < MemberRowCount && i < row.columnCount(); ++i) member_.setCell(i, 1, row.text(i));
    });
    showOpenDebts();
}

void DeskForm::openBrowse() {
    if (!hasUnsavedRows() && hooks_.browse) hooks_.browse(*this);
}

// The pickers, the return list and the visit add rows for the member found; their
// buttons are off while no active member is found and once the cart is saved.
void DeskForm::openRental() {
    if (rentalButton_->isEnabled() && hooks_.rental) hooks_.rental(*this);
}

void DeskForm::openBorrow() {
    if (borrowButton_->isEnabled() && hooks_.borrow) hooks_.borrow(*this);
}

void DeskForm::openReturns() {
    if (returnButton_->isEnabled() && hooks_.returns) hooks_.returns(*this);
}

void DeskForm::addVisit() {
    if (!visitButton_->isEnabled()) return;
    QString price;  // stays empty when the category has no tariff
    ctx_.run(kVisitTariffSql, {memberValue(MemberKategori)}, StoreScalar(price));
    appendCartRow(QStringLiteral("KUNJUNG"), QStringLiteral("BURKUNJUNG"), QStringLiteral("1"), price,
                  kTransKunjung, ctx_.todayText);
    recomputeTotals();
}

void DeskForm::save() {
    if (!saveButton_->isEnabled()) return;
    // A loan or rental booked to nobody could never be returned through the
    // return list, which lists by member: the cart waits for a found member.
    if (cart_.rowCount() > 0 && cartMember_.id.isEmpty()) {
        ctx_.messages().show(QStringLiteral("Transaksi belum disimpan, member belum ditemukan. "
                                            "Ketik atau scan Id Member yang aktif, lalu tekan Simpan lagi.."),
                             kDeskCaption, MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    if (!ConfirmCart(ctx_.messages(), cart_, ComputeTotals(cart_, potongan_->text()), dibayar_->text()))
        return;

    SaveRequest request;
    request.stamp = ctx_.timeStamp();  // the clock is read once for the whole save
    request.date = ctx_.todayText;
    request.ops = ctx_.currentOperator;
    request.memberId = cartMember_.id;
    request.memberName = cartMember_.name;
    request.potonganText = potongan_->text();
    request.dibayar = AmountValue(dibayar_->text());
    request.waivers = waivers_;

    const SaveOutcome outcome = SaveCart(ctx_.db(), cart_, request);
    if (!outcome.ok) {
        // Nothing was written: the cart stays and Simpan stays enabled for another try.
        TellSaveFailed(ctx_, cart_, outcome, request.stamp);
        return;
    }
    saved_ = true;
    showOpenDebts();
    updateControls();
    ctx_.messages().info(QStringLiteral("Transaksi berhasil disimpan.."), kDeskCaption);
    waitForNextMember();
}

// After a save and after printing: a scan of the next card replaces the number and
// starts the next transaction, instead of going to a button and being lost.
void DeskForm::waitForNextMember() {
    memberNumber_->setFocus();
    memberNumber_->selectAll();
}

void DeskForm::print() {
    if (!saved_) {
        // A receipt is proof of what was booked: say why nothing comes out.
        ctx_.messages().info(QStringLiteral("Transaksi belum disimpan, tekan Simpan terlebih dahulu.."),
                             kDeskCaption);
        return;
    }
    if (hooks_.print) hooks_.print(receiptData(), receiptKind());
    waitForNextMember();
}

void DeskForm::newTransaction() {
    if (hasUnsavedRows() &&
        !ctx_.messages().askYesNo(
            QStringLiteral("Transaksi ini belum disimpan. Batalkan dan mulai transaksi baru?"), kDeskCaption))
        return;
    clearTransaction();
    {
        const QSignalBlocker block(memberNumber_);
        memberNumber_->clear();
    }
    updateControls();
    memberNumber_->setFocus();  // the next member's card can be scanned straight away
}

// A row picked by mistake goes out again before Simpan, after a question: a scanned
// wrong item no longer means starting the whole transaction over.
void DeskForm::removeChosenRow() {
    const int row = cart_.selectedRow();
    if (saved_ || row < 0) return;
    if (!ctx_.messages().askYesNo(
            QStringLiteral("Hapus ") + cart_.cell(row, CartNamaItem) + QStringLiteral(" dari transaksi ini?"),
            kDeskCaption))
        return;
    // A waiver goes with its row: the same return added again carries its whole fine.
    const QString kode = cart_.cell(row, CartKode);
    if (cart_.cell(row, CartTrans) == kTransReturn)
        std::erase_if(waivers_, [&kode](const FineWaiver& w) { return w.idTrans == kode; });
    RemoveCartRow(cart_, row);
    showTotals();
    updateControls();
    if (cart_.rowCount() > 0) cart_.select(std::min(row, cart_.rowCount() - 1));
}

void DeskForm::finish() {
    done(QDialog::Accepted);
}

void DeskForm::done(int result) {
    // Every way of closing comes here: Selesai dan tutup, the close box, Alt+F4.
    if (hasUnsavedRows() &&
        !ctx_.messages().askYesNo(QStringLiteral("Transaksi ini belum disimpan. Tutup tanpa menyimpan?"),
                                  kDeskCaption))
        return;
    ctx_.gridFollowFlag = 0;
    QDialog::done(result);
}

void DeskForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // a scanner's Enter after the number changes nothing
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        // One Escape too many after closing a picker would throw the unsaved cart away:
        // the desk closes only by Selesai dan tutup or its close box.
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Typing into the locked member number says why nothing happens.
bool DeskForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cartView_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeChosenRow();
        return true;
    }
    if (watched == memberNumber_ && event->type() == QEvent::KeyPress && memberNumber_->isReadOnly() &&
        !static_cast<QKeyEvent*>(event)->text().trimmed().isEmpty() && !triedToChangeMember_) {
        triedToChangeMember_ = true;
        updateControls();
    }
    return QDialog::eventFilter(watched, event);
}

// ---- helpers ----------------------------------------------------------------------

void DeskForm::updateRemainder() {
    ShowValue(sisa_, QString::number(Remainder(dibayar_->text(), netto_->text())));
}

// A discount shows at once in the net amount, the preset amount paid and Sisa, so the
// screen always agrees with what Simpan books.
void DeskForm::showTotals() {
    const CartTotals totals = ComputeTotals(cart_, potongan_->text());
    ShowValue(jumlah_, QString::number(totals.jumlah));
    ShowValue(netto_, QString::number(totals.netto));
    // Dibayar is preset only with an amount the field could hold as typed: a net
    // amount below zero or beyond 12 digits (Simpan refuses either) leaves it empty
    // rather than holding a sign or a cut-off number.
    const bool holdable = totals.dibayar >= 0 && AmountFits(totals.dibayar);
    dibayar_->setText(holdable ? QString::number(totals.dibayar) : QString());
    updateRemainder();
}

void DeskForm::clearTransaction() {
    clearMemberPanel();
    cart_.clearRows();
    waivers_.clear();
    cartMember_ = {};
    {
        const QSignalBlocker block(potongan_);
        potongan_->setText(QStringLiteral("0"));
    }
    {
        const QSignalBlocker block(dibayar_);
        dibayar_->clear();
    }
    for (QLabel* value : {jumlah_, netto_, sisa_}) ShowValue(value, QStringLiteral("0"));
    saved_ = false;
}

void DeskForm::updateControls() {
    const bool locked = hasUnsavedRows();
    if (!locked) triedToChangeMember_ = false;
    // The cart belongs to the member it was collected for: the number cannot change
    // under it until it is saved or given up with Trans Baru.
    memberNumber_->setReadOnly(locked);
    browseButton_->setEnabled(!locked);

    const bool memberFound = !memberValue(MemberId).isEmpty();
    const bool adding = !saved_ && memberFound;
    bool hasVisit = false;   // one visit per transaction
    bool paysDebts = false;  // and one payment of debts
    bool hasFine = false;
    for (int r = 0; r < cart_.rowCount(); ++r) {
        hasVisit = hasVisit || cart_.cell(r, CartTrans) == kTransKunjung;
        paysDebts = paysDebts || cart_.cell(r, CartTrans) == kTransBayarTanggungan;
        hasFine = hasFine || chargedReturn(r);
    }
    waiveButton_->setEnabled(adding && hasFine && MayWaive(ctx_.currentOperator));
    payDebtButton_->setEnabled(adding && openDebts_ > 0 && !paysDebts);
    for (QPushButton* b : {rentalButton_, borrowButton_, returnButton_}) b->setEnabled(adding);
    visitButton_->setEnabled(adding && !hasVisit);
    saveButton_->setEnabled(!saved_);
    // What Cetak prints is what was saved: the amounts stay as they were booked.
    potongan_->setReadOnly(saved_);
    dibayar_->setReadOnly(saved_);

    QString hint;
    if (triedToChangeMember_)
        hint = kMemberLocked;
    else if (!memberNumber_->text().isEmpty() && !memberFound)
        hint = inactiveMember_.isEmpty() ? kUnknownMember : kInactiveMember.arg(inactiveMember_);
    memberHint_->setText(hint);
    memberHint_->setAccessibleName(hint);
    memberNumber_->setAccessibleDescription(hint);
}

void DeskForm::clearMemberPanel() {
    for (int r = 0; r < member_.rowCount(); ++r) member_.setCell(r, 1, QString());
    openDebts_ = 0;
}

}  // namespace zelkor

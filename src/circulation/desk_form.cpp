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
#include "circulation/loan_terms.h"
#include "db/row_sinks.h"
#include "till/debts.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kUnknownMember = QStringLiteral("Id Member tidak ditemukan..");
// A member typed in Data Member stays inactive until "Aktif" is ticked there.
const QString kInactiveMember = QStringLiteral("Member %1 tidak aktif, centang Aktif di Data Member..");
const QString kItemCodeInMember =
    QStringLiteral("%1 adalah kode item, bukan Id Member.. Pakai PEMINJAMAN, RENTAL atau PENGEMBALIAN.");
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
    itemCodeInMember_.clear();
    ctx_.run(kMemberLookupSql, {memberNumber_->text()}, [this](const DbRow& row) {
        if (row.text(0).isEmpty()) return;
        if (row.text(MemberRowCount).toInt() == 0) {
            inactiveMember_ = row.text(0);
            return;
        }
        for (int i = 0; i < MemberRowCount && i < row.columnCount(); ++i) member_.setCell(i, 1, row.text(i));
    });
    if (memberValue(MemberId).isEmpty() && inactiveMember_.isEmpty() && !memberNumber_->text().isEmpty())
        ctx_.run(kItemCodeSql, {memberNumber_->text()}, StoreScalar(itemCodeInMember_));
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

void DeskForm::openRenewals() {
    if (renewButton_ && renewButton_->isEnabled() && hooks_.renew) hooks_.renew(*this);
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
    if (watched == memberNumber_ && event->type() == QEvent::KeyPress && memberNumber_->isReadOnly()) {
        // A scanner types the code and Enter: an item code among them is named as such.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Whatever was typed before the scan is ahead of it: the longest end that
            // is an item code is the one scanned.
            itemCodeInMember_.clear();
            const QString typed = scannedWhileLocked_.right(64);
            for (qsizetype from = 0; from < typed.size() && itemCodeInMember_.isEmpty(); ++from)
                ctx_.run(kItemCodeSql, {typed.mid(from)}, StoreScalar(itemCodeInMember_));
            scannedWhileLocked_.clear();
            updateControls();
        } else if (!key->text().isEmpty() && key->text().front().isPrint()) {
            scannedWhileLocked_ += key->text();
        }
        if (!key->text().trimmed().isEmpty() && !triedToChangeMember_) {
            triedToChangeMember_ = true;
            updateControls();
        }
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
    if (!locked) {
        triedToChangeMember_ = false;
        scannedWhileLocked_.clear();
        if (itemCodeInMember_ != memberNumber_->text()) itemCodeInMember_.clear();  // scanned while locked
    }
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
    if (renewButton_) renewButton_->setEnabled(adding);
    visitButton_->setEnabled(adding && !hasVisit);
    saveButton_->setEnabled(!saved_);
    // What Cetak prints is what was saved: the amounts stay as they were booked.
    potongan_->setReadOnly(saved_);
    dibayar_->setReadOnly(saved_);

    QString hint;
    if (!itemCodeInMember_.isEmpty())
        hint = kItemCodeInMember.arg(itemCodeInMember_);
    else if (triedToChangeMember_)
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

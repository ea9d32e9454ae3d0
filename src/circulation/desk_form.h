#pragma once
// The transaction desk ("Transaksi"): one member at a time, a cart collected from the
// pickers, the return list and one paid visit, then Simpan books it all at once.
//
// The other circulation dialogs work on the open desk only through the public
// functions below. A picker, for example:
//
//     desk.appendCartRow(id, nama, "3", "6000", kTransRental, AddDays(today, 3));
//     desk.recomputeTotals();
//
// and the member browser:
//
//     desk.setMemberNumber(chosenId);   // looks the member up as typing does
//
// The desk opens those dialogs through the hooks in DeskHooks; a hook left empty
// makes its button do nothing.
#include <QDialog>
#include <cstdint>
#include <functional>

#include "circulation/cart.h"
#include "circulation/desk_save.h"
#include "printing/receipt_data.h"
#include "ui/grid_data.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class GridView;
class DeskForm;

// How the desk reaches the dialogs and the printing that live outside it.
struct DeskHooks {
    // "Browse": the member browser, modal over the desk. Always opened.
    std::function<void(DeskForm&)> browse;
    // "RENTAL", "PEMINJAMAN", "PENGEMBALIAN": the rental picker, the borrow picker and
    // the return list, modal over the desk. Called only when the member number field
    // is not empty (its text, not whether a member was found).
    std::function<void(DeskForm&)> rental;
    std::function<void(DeskForm&)> borrow;
    std::function<void(DeskForm&)> returns;
    // "Bayar Tanggungan": asks how much of the member's open debts is paid, then
    // calls addDebtPayment. Called only while the member owes something.
    std::function<void(DeskForm&)> payDebts;
    // "Hapus Denda": asks how much of the fine on cart row `row` is waived and why,
    // then calls waiveFine. Called only for the administrator, on a return row with
    // a fine.
    std::function<void(DeskForm&, int row)> waiveFine;
    // "Cetak": prints the receipt of the kind chosen in the "Struk" list. Called only
    // after this transaction was saved; the desk is not changed by printing.
    std::function<void(const ReceiptData&, ReceiptKind)> print;
};

class DeskForm : public QDialog {
    Q_OBJECT
  public:
    // The five rows of the member panel; memberValue() reads their column 1.
    enum MemberRow {
        MemberId,        // "Id Member"  Member.Id
        MemberNama,      // "Nama"       Member.Nama
        MemberAlamat,    // "Alamat"     Member.Alamat
        MemberKategori,  // "Kategori"   Member.Kategori
        MemberNPinjam,   // "N Pinjam"   Member.DurasiPinjam, the loan period in days
        MemberRowCount
    };

    explicit DeskForm(AppContext& ctx, QWidget* parent = nullptr);

    // ---- for the pickers, the member browser and the return list -------------

    // Appends one cart row, numbered rows-in-cart + 1. Cells are stored as given.
    // `trans` is one of kTransPinjam, kTransRental, kTransReturn, kTransKunjung
    // (cart.h); for a return, `kode` is the TransPerpus.Id of the movement returned.
    // Call recomputeTotals() after appending. A saved cart takes no more rows: false.
    bool appendCartRow(const QString& kode, const QString& namaItem, const QString& nHari,
                       const QString& biaya, const QString& trans, const QString& tglKembali);

    // Jumlah, Jml. Netto from the cart and the discount; presets Dibayar to the net
    // amount (Sisa 0) and puts the focus in Dibayar with its text selected.
    void recomputeTotals();

    // Adds "BAYAR TANGGUNGAN" rows paying `amount` off the member's open debts,
    // oldest first, and recomputes the totals. False (nothing added) when the amount
    // is not above 0, more than is open, or the cart already pays debts.
    bool addDebtPayment(std::int64_t amount);
    // Takes `amount` off the fine of return row `row` before Simpan, with a reason;
    // Simpan keeps the waiver beside the return and books only what is left. False
    // (nothing changed) for anyone but the administrator, a row that is no return,
    // no reason, or an amount not from 1 to the row's Biaya.
    bool waiveFine(int row, std::int64_t amount, const QString& reason);
    const std::vector<FineWaiver>& fineWaivers() const { return waivers_; }
    // What the member found owes, as the member panel shows it.
    std::int64_t openDebtTotal() const { return openDebts_; }

    // Writes the member number field, which runs the member lookup exactly as typing
    // does. While the cart holds rows not yet saved the member stays as it is: so
    // does the field, whoever writes it (typing, a scanner, assistive technology).
    void setMemberNumber(const QString& text);
    // The member number field's text (what the return list lists movements for).
    QString memberNumber() const;
    // Column 1 of a member panel row: empty when no active member matches the number.
    QString memberValue(MemberRow row) const;

    // The cart's rows and cells (columns in cart.h's CartColumn order).
    const GridData& cart() const { return cart_; }
    AppContext& context() { return ctx_; }

    // What Cetak prints: member name and category, the cart rows, and the texts of
    // Jumlah, Potongan, Jml. Netto, Dibayar and Sisa as shown. The identity, operator
    // and clock fields are left for the printing side to fill.
    ReceiptData receiptData() const;
    // The kind chosen in the "Struk" list.
    ReceiptKind receiptKind() const;

    void setHooks(DeskHooks hooks) { hooks_ = std::move(hooks); }
    DeskHooks& hooks() { return hooks_; }

    // Whether this transaction was saved (Simpan worked; cleared by Trans Baru or by
    // the next member's number).
    bool isSaved() const { return saved_; }
    // Rows in the cart that Simpan has not written yet: the member is locked, and
    // closing or Trans Baru asks before throwing them away.
    bool hasUnsavedRows() const { return !saved_ && cart_.rowCount() > 0; }

    // ---- control handlers (one per event) --------------------------------------
  public slots:
    void memberNumberChanged();  // typed, scanned or set by the member browser
    void openBrowse();           // Browse
    void openRental();           // RENTAL
    void openBorrow();           // PEMINJAMAN
    void openReturns();          // PENGEMBALIAN
    void openDebtPayment();      // Bayar Tanggungan
    void openFineWaiver();       // Hapus Denda, on the chosen return row
    void addVisit();             // BERKUNJUNG
    void save();                 // Simpan
    void print();                // Cetak
    void newTransaction();       // Trans Baru
    void finish();               // Selesai dan tutup
    void removeChosenRow();      // Delete in the cart

  public:
    // Every way of closing: asks first when unsaved rows would be lost; clears GridFollowFlag.
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createColumns();
    void lookUpMember();
    void updateRemainder();   // Dibayar changed
    void clearTransaction();  // the cart, the totals and the member panel; not the number
    void waitForNextMember();
    void updateControls();  // what the state allows: locks, buttons, the member hint
    // Jumlah, Jml. Netto, the preset Dibayar and Sisa from the cart and Potongan.
    void showTotals();
    void clearMemberPanel();
    void showOpenDebts();               // the member panel's "Tanggungan" row
    bool chargedReturn(int row) const;  // a return row with a fine left to waive

    AppContext& ctx_;
    DeskHooks hooks_;
    GridData member_;
    GridData cart_;
    bool saved_ = false;
    std::int64_t openDebts_ = 0;        // what the member found owes
    std::vector<FineWaiver> waivers_;   // fines waived on this cart's returns
    bool triedToChangeMember_ = false;  // tried to change the locked member number
    QString inactiveMember_;            // the number typed is this inactive member's
    // The member the cart is collected for, taken with its first row: Simpan books
    // the cart to this member, and the number field is held to it until then.
    struct CartMember {
        QString number, id, name;
    } cartMember_;

    QPushButton* browseButton_ = nullptr;
    QLineEdit* memberNumber_ = nullptr;
    QLabel* memberHint_ = nullptr;
    QPushButton* rentalButton_ = nullptr;
    QPushButton* borrowButton_ = nullptr;
    QPushButton* returnButton_ = nullptr;
    QPushButton* visitButton_ = nullptr;
    QPushButton* payDebtButton_ = nullptr;
    QPushButton* waiveButton_ = nullptr;
    GridView* memberView_ = nullptr;
    GridView* cartView_ = nullptr;
    QComboBox* receiptKind_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QLabel* jumlah_ = nullptr;
    QLineEdit* potongan_ = nullptr;
    QLabel* netto_ = nullptr;
    QLineEdit* dibayar_ = nullptr;
    QLabel* sisa_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace zelkor

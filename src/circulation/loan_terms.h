#pragma once
// The desk's side of the loan rules: what one more loan of an item to the desk's
// member would be (its days and due date, or why it is refused), the fines of the
// return list, and the check a save makes once its movements are written.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "rules/due_and_fine.h"
#include "rules/rules_store.h"

namespace zelkor {

class AppContext;
class Database;
class DbRow;
class DeskForm;
class GridData;

struct LoanOffer {
    QString refusal;  // why not, naming the rule; empty when it may go
    QString days;     // the cart's "n Hari"
    QString due;      // the cart's "Tgl. Kembali"
};

// One more loan of `itemId` to the desk's member, from the computer's date.
LoanOffer OfferLoan(DeskForm& desk, const QString& itemId);

// The Jenis of the loans `memberId` has out, less those the cart returns; with the
// cart's own loans when `withCartLoans`.
QStringList KindsOut(Database& db, const QString& memberId, const GridData& cart, bool withCartLoans);

// The member's movements not yet returned, visits left out, in the order they were
// made: Id, NamaItem, TglKembali, the item's Denda, its Jenis, KodeTrans.
extern const QString kOpenMovementsSql;

struct OpenMovement {
    QString id, namaItem, due, denda, jenis, kodeTrans;
    std::int64_t renewals = 0;  // times renewed so far (kRenewalsOutSql)
};
OpenMovement ReadOpenMovement(const DbRow& row);
// The member's loans still out that were renewed: TransPerpus.Id, times renewed.
extern const QString kRenewalsOutSql;

// The fine of a movement returned on `on`: a loan by the rule of the member's
// category and the item's kind; a rental by the item's Denda alone.
LateFine FineOfReturn(const LoanSettings& settings, const QString& kategori, const OpenMovement& m,
                      const QDate& on);

// One more renewal of a loan on `today`, for a member of `kategori` whose own loan
// period is `memberDays`: refused without a rule that allows renewals, beyond the
// rule's number of them, for a rental. A loan already late carries its fine so
// far, which the cart books with the renewal.
struct RenewalOffer {
    QString refusal;  // empty when it may be renewed
    QString days;     // the cart's "n Hari": the days added
    QString due;      // the new "Tgl. Kembali"
    QString fine;     // the cart's "Biaya": the fine so far, "0" when none
};
RenewalOffer OfferRenewal(const LoanSettings& settings, const QString& kategori, const QString& memberDays,
                          const OpenMovement& m, const QDate& today);

// Whether any rule allows a renewal (the desk shows PERPANJANG only then).
bool AnyRenewalRule(Database& db);

// Inside a save, with the cart's renewals written: the first renewal row whose loan
// is now renewed more often than its rule allows (another desk renewed it
// meanwhile), or -1. Sets `refusal` to the reason.
int RenewalBeyondRules(Database& db, const GridData& cart, const QString& memberId, QString& refusal);

// Inside a save, with the cart's movements written: the first loan row of the cart
// that the rules no longer allow (another desk lent to the member meanwhile), or -1.
// Sets `refusal` to the reason.
int LoanBeyondRules(Database& db, const GridData& cart, const QString& memberId, QString& refusal);

}  // namespace zelkor

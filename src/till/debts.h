#pragma once
// What members owe ("Tanggungan"): a transaction paid short leaves a debt of the
// shortfall, linked to the movements it came from; the desk pays debts in its cart
// ("BAYAR TANGGUNGAN" rows) and the administrator may waive them ("Hapus Denda").
// Every change of what is open is one update that names the amount it takes and
// must change exactly one row, so two copies of the program never take the same
// money twice.
#include <QString>
#include <cstdint>
#include <vector>

#include "db/database.h"

namespace zelkor {

// The cart's row kind of a payment on a debt; its Kode is the debt's Id.
inline const QString kTransBayarTanggungan = QStringLiteral("BAYAR TANGGUNGAN");

// ---- the statements the desk's save runs (bound in the order named) -------------

// A new debt: Id, Tanggal, IdMember, Jumlah (= Sisa), Ops.
inline const QString kInsertDebtSql =
    QStringLiteral("INSERT INTO Tanggungan (Id,Tanggal,IdMember,Jumlah,Sisa,Ops) VALUES (?1,?2,?3,?4,?4,?5)");
// A movement the debt came from: IdTanggungan, IdTrans.
inline const QString kInsertDebtSourceSql =
    QStringLiteral("INSERT INTO TanggunganAsal (IdTanggungan,IdTrans) VALUES (?,?)");
// Takes an amount off a debt of this member, only while at least that much is open:
// amount, Id, IdMember. Must change exactly one row.
inline const QString kTakeFromDebtSql = QStringLiteral(
    "UPDATE Tanggungan SET Sisa = Sisa - ?1 WHERE Id = ?2 AND IdMember = ?3 AND ?1 > 0 AND Sisa >= ?1");
// A payment: Id (its journal line), IdTanggungan, Tanggal, Jumlah, Ops.
inline const QString kInsertDebtPaymentSql =
    QStringLiteral("INSERT INTO TanggunganBayar (Id,IdTanggungan,Tanggal,Jumlah,Ops) VALUES (?,?,?,?,?)");

// ---- reading ----------------------------------------------------------------------

struct OpenDebt {
    QString id, tanggal;
    std::int64_t sisa = 0;
    std::int64_t jumlah = 0;  // what was owed at first
};

// A member's open debts, oldest first.
DbResult LoadOpenDebts(Database& db, const QString& memberId, std::vector<OpenDebt>& debts);

// The sum of what is open (each at most 12 digits, so the sum cannot overflow).
std::int64_t OpenTotal(const std::vector<OpenDebt>& debts);

struct DebtPart {
    QString id, tanggal;
    std::int64_t amount = 0;
};

// Spreads a payment over the open debts, oldest first. Empty when the amount is not
// above 0 or more than is open.
std::vector<DebtPart> AllocatePayment(const std::vector<OpenDebt>& debts, std::int64_t amount);

// ---- waiving ------------------------------------------------------------------------

// Only the administrator waives ("Hapus Denda"), as only the administrator runs the
// other administrative commands.
inline bool MayWaive(const QString& ops) {
    return ops == QLatin1String("admin");
}

// A fine taken off a return at the desk, kept when the cart is saved: Waktu (the
// save's stamp, also the start of the Id), IdTrans, Jumlah, Alasan, Ops.
inline const QString kInsertFineWaiverSql = QStringLiteral(
    "INSERT INTO HapusDenda (Id,Waktu,IdTrans,Jumlah,Alasan,Ops) VALUES "
    "(?1 || '-' || (SELECT count(*) + 1 FROM HapusDenda WHERE Waktu = ?1),?1,?2,?3,?4,?5)");

struct Waiver {
    QString debtId, memberId;
    std::int64_t amount = 0;
    QString reason, ops, stamp;  // stamp: yyyymmddHHMMSS
};

enum class WaiverResult { Ok, NoReason, BadAmount, NotOpen, Failed };

// Waives part or all of an open debt in one transaction: the debt's Sisa goes down
// and the waiver is kept with its reason. NotOpen when less than the amount is
// still open (paid or waived meanwhile); nothing is written then. `error` carries
// SQLite's message on Failed.
WaiverResult WaiveDebt(Database& db, const Waiver& w, QString* error = nullptr);

}  // namespace zelkor

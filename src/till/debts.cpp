#include "till/debts.h"

#include "core/money.h"

namespace zelkor {

namespace {

const QString kOpenDebtsSql = QStringLiteral(
    "SELECT Id, Tanggal, Sisa, Jumlah FROM Tanggungan WHERE IdMember = ? AND Sisa > 0 ORDER BY Tanggal, Id");
const QString kInsertWaiverSql = QStringLiteral(
    "INSERT INTO HapusDenda (Id,Waktu,IdTanggungan,Jumlah,Alasan,Ops) VALUES "
    "(?1 || '-' || (SELECT count(*) + 1 FROM HapusDenda WHERE Waktu = ?1),?1,?2,?3,?4,?5)");

}  // namespace

DbResult LoadOpenDebts(Database& db, const QString& memberId, std::vector<OpenDebt>& debts) {
    debts.clear();
    return db.exec(kOpenDebtsSql, {memberId}, [&debts](const DbRow& row) {
        debts.push_back({row.text(0), row.text(1), row.text(2).toLongLong(), row.text(3).toLongLong()});
    });
}

std::int64_t OpenTotal(const std::vector<OpenDebt>& debts) {
    std::int64_t total = 0;
    for (const OpenDebt& d : debts) total = AddAmounts(total, d.sisa);
    return total;
}

std::vector<DebtPart> AllocatePayment(const std::vector<OpenDebt>& debts, std::int64_t amount) {
    std::vector<DebtPart> parts;
    if (amount <= 0 || amount > OpenTotal(debts)) return parts;
    for (const OpenDebt& d : debts) {
        if (amount == 0) break;
        const std::int64_t take = std::min(amount, d.sisa);
        if (take <= 0) continue;
        parts.push_back({d.id, d.tanggal, take});
        amount -= take;
    }
    return parts;
}

WaiverResult WaiveDebt(Database& db, const Waiver& w, QString* error) {
    if (w.reason.trimmed().isEmpty()) return WaiverResult::NoReason;
    if (w.amount <= 0 || !AmountFits(w.amount)) return WaiverResult::BadAmount;
    const auto failed = [error](const DbResult& r) {
        if (error) *error = r.error;
        return WaiverResult::Failed;
    };
    Transaction tx(db);
    if (!tx.active()) return failed(tx.beginResult());
    const DbResult take = db.exec(kTakeFromDebtSql, {qint64(w.amount), w.debtId, w.memberId});
    if (!take.ok) return failed(take);
    if (take.changes != 1) return WaiverResult::NotOpen;
    const DbResult keep =
        db.exec(kInsertWaiverSql, {w.stamp, w.debtId, qint64(w.amount), w.reason.trimmed(), w.ops});
    if (!keep.ok) return failed(keep);
    const DbResult c = tx.commit();
    return c.ok ? WaiverResult::Ok : failed(c);
}

}  // namespace zelkor

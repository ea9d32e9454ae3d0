#include "circulation/desk_save.h"

#include <QSet>

#include "circulation/cart.h"
#include "circulation/picker_queries.h"
#include "core/money.h"
#include "db/row_sinks.h"
#include "till/debts.h"

namespace zelkor {

namespace {

const QString kInsertMovement = QStringLiteral(
    "INSERT INTO transperpus (id,tglpinjam,idmember,kodetrans,iditemperpus,tglkembali,Status,ops) "
    "VALUES (?,?,?,?,?,?,'0',?)");
// Only a movement still out is closed: one returned meanwhile keeps its date and is
// not fined twice.
const QString kReturnMovement =
    QStringLiteral("UPDATE transperpus Set Status='1', TglReturn=? where Id=? and Status<1");
const QString kInsertKas =
    QStringLiteral("INSERT INTO kas (id,tanggal,kategori,uraian,masuk,keluar,ops) VALUES (?,?,?,?,?,'0',?)");

// The journal's category and description of a charged row. Only rentals, return
// fines and visits are income; a loan is free and never booked.
struct Booking {
    bool booked = false;
    QString kategori, uraian;
};

Booking BookingFor(const GridData& cart, int r, const SaveRequest& request) {
    const QString trans = cart.cell(r, CartTrans);
    const QString nama = cart.cell(r, CartNamaItem);
    if (trans == kTransRental)
        return {true, QStringLiteral("Penerimaan Rental"), QStringLiteral("Penerimaan Rental ") + nama};
    if (trans == kTransReturn)
        return {true, QStringLiteral("Penerimaan Administrasi Peminjaman"),
                QStringLiteral("Sanksi Administrasi ") + nama};
    if (trans == kTransKunjung)
        return {true, QStringLiteral("Penerimaan Administrasi Kunjungan"),
                QStringLiteral("Administrasi ") + request.memberName};
    if (trans == kTransBayarTanggungan)
        return {true, QStringLiteral("Penerimaan Tanggungan"),
                QStringLiteral("Bayar Tanggungan ") + request.memberName};
    return {};
}

}  // namespace

std::vector<SaveStatement> BuildSaveStatements(const GridData& cart, const SaveRequest& request) {
    std::vector<SaveStatement> out;
    const int rows = cart.rowCount();

    for (int r = 0; r < rows; ++r) {
        const QString trans = cart.cell(r, CartTrans);
        if (trans == kTransReturn) {
            out.push_back({kReturnMovement, {request.date, cart.cell(r, CartKode)}, r});
        } else if (trans == kTransBayarTanggungan) {
            const qint64 amount = AmountValue(cart.cell(r, CartBiaya));
            out.push_back({kTakeFromDebtSql, {amount, cart.cell(r, CartKode), request.memberId}, -1, r});
            out.push_back({kInsertDebtPaymentSql,
                           {request.stamp + cart.cell(r, CartNo), cart.cell(r, CartKode), request.date,
                            amount, request.ops}});
        } else {
            out.push_back({kInsertMovement,
                           {request.stamp + QString::number(r + 1), request.date, request.memberId, trans,
                            cart.cell(r, CartKode), cart.cell(r, CartTglKembali), request.ops}});
        }
    }

    if (CartSum(cart) <= 0) return out;

    std::int64_t lastBooked = 0;
    for (int r = 0; r < rows; ++r) {
        const QString biaya = cart.cell(r, CartBiaya);
        if (!IsCharged(biaya)) continue;
        const Booking b = BookingFor(cart, r, request);
        if (!b.booked) continue;
        const QString no = cart.cell(r, CartNo);
        out.push_back(
            {kInsertKas, {request.stamp + no, request.date, b.kategori, b.uraian, biaya, request.ops}});
        lastBooked = AmountValue(no);
    }

    const std::int64_t potongan = AmountValue(request.potonganText);
    if (potongan > 0) {
        out.push_back({kInsertKas,
                       {request.stamp + QString::number(++lastBooked), request.date,
                        QStringLiteral("Potongan"), QStringLiteral("Potongan untuk : ") + request.memberName,
                        QString::number(-potongan), request.ops}});
    }

    // What was not paid comes off the journal on a line of its own, so the day's
    // sum is the money in the drawer, and stays owed by the member.
    const std::int64_t netto = ComputeTotals(cart, request.potonganText).netto;
    const std::int64_t shortfall = netto - request.dibayar.value_or(netto);
    if (netto > 0 && shortfall > 0 && AmountFits(netto) && shortfall <= netto) {
        out.push_back(
            {kInsertKas,
             {request.stamp + QString::number(lastBooked + 1), request.date, QStringLiteral("Kurang Bayar"),
              QStringLiteral("Kurang bayar : ") + request.memberName, QString::number(-shortfall),
              request.ops}});
        out.push_back({kInsertDebtSql,
                       {request.stamp, request.date, request.memberId, qint64(shortfall), request.ops}});
        for (int r = 0; r < rows; ++r) {
            const QString trans = cart.cell(r, CartTrans);
            if (trans == kTransBayarTanggungan) continue;
            const QString movement =
                trans == kTransReturn ? cart.cell(r, CartKode) : request.stamp + QString::number(r + 1);
            out.push_back({kInsertDebtSourceSql, {request.stamp, movement}});
        }
    }
    for (const FineWaiver& w : request.waivers)
        out.push_back({kInsertFineWaiverSql,
                       {request.stamp, w.idTrans, qint64(w.amount), w.reason.trimmed(), request.ops}});
    return out;
}

SaveOutcome SaveCart(Database& db, const GridData& cart, const SaveRequest& request) {
    SaveOutcome outcome;
    const std::vector<SaveStatement> statements = BuildSaveStatements(cart, request);

    Transaction tx(db);
    if (!tx.active()) {
        outcome.ok = false;
        outcome.error = tx.beginResult().error;
        return outcome;
    }
    for (const SaveStatement& s : statements) {
        const DbResult r = db.exec(s.sql, s.values);
        if (!r.ok) {
            outcome.ok = false;
            outcome.error = r.error;
            outcome.duplicateId = r.error.contains(QLatin1String("UNIQUE constraint failed"));
            return outcome;  // the guard rolls everything back
        }
        if (s.returnRow >= 0 && r.changes != 1) {
            outcome.ok = false;
            outcome.returnedAlready = s.returnRow;
            return outcome;
        }
        if (s.debtRow >= 0 && r.changes != 1) {
            outcome.ok = false;
            outcome.debtNotOpen = s.debtRow;
            return outcome;
        }
        ++outcome.statements;
    }
    // The pickers counted the copies when the rows went in; another desk may have
    // lent the last one since. Counted again inside the transaction, with this
    // cart's movements written, no item may be out more often than it is stocked.
    QSet<QString> checked;
    for (int r = 0; r < cart.rowCount(); ++r) {
        const QString trans = cart.cell(r, CartTrans);
        const QString item = cart.cell(r, CartKode);
        if ((trans != kTransPinjam && trans != kTransRental) || checked.contains(item)) continue;
        checked.insert(item);
        const BoundStatement s = CopiesOnShelfStatement(item);
        QString onShelf;
        const DbResult r2 = db.exec(s.sql, s.values, StoreScalar(onShelf));
        if (!r2.ok) {
            outcome.ok = false;
            outcome.error = r2.error;
            return outcome;
        }
        if (onShelf.toLongLong() < 0) {
            outcome.ok = false;
            outcome.noCopyLeft = r;
            return outcome;
        }
    }
    const DbResult c = tx.commit();
    if (!c.ok) {
        outcome.ok = false;
        outcome.error = c.error;
    }
    return outcome;
}

}  // namespace zelkor

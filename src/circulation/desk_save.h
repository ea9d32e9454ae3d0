#pragma once
// Saving a cart: the movements into TransPerpus, returns as updates of the movements
// returned, every charge and the discount into Kas. The whole save is one database
// transaction, so a failure anywhere leaves the books exactly as they were.
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>
#include <vector>

#include "db/database.h"
#include "ui/grid_data.h"

namespace zelkor {

// A fine the administrator took off a return row before Simpan ("Hapus Denda").
struct FineWaiver {
    QString idTrans;  // the movement returned (the row's Kode)
    std::int64_t amount = 0;
    QString reason;
};

struct SaveRequest {
    QString stamp;         // yyyymmddHHMMSS, read once when Simpan is pressed
    QString date;          // TodayText, "yyyy-mm-dd"
    QString ops;           // CurrentOperator
    QString memberId;      // member panel "Id Member"
    QString memberName;    // member panel "Nama"
    QString potonganText;  // the discount field as typed
    // The amount paid ("Dibayar"); below Jml. Netto the rest is owed. Unset: paid as due.
    std::optional<std::int64_t> dibayar = std::nullopt;
    // Fines waived on the cart's returns: kept with the reason, never booked.
    std::vector<FineWaiver> waivers = {};
};

struct SaveStatement {
    QString sql;
    QVariantList values;
    // For a return: the cart row whose movement this closes. The statement must
    // close exactly one movement still out, or the whole save is undone.
    int returnRow = -1;
    // For a payment on a debt: the cart row; the debt must still have at least that
    // much open, or the whole save is undone.
    int debtRow = -1;
};

// The statements of one save, in the order they run:
// 1. each cart row i: a return closes the movement named in its Kode, if it is still
//    out; any other row inserts a movement with Id stamp + (i + 1);
// 2. when the cart's sum is above 0, each row whose Biaya is above 0 gets a Kas line
//    with Id stamp + its No. cell (the same Id as its movement): "RENTAL",
//    "RETURN" (its fine) and "KUNJUNG"; "PINJAM" rows are never booked;
// 3. then, when the discount is above 0, a "Potongan" line of Masuk -discount with
//    Id stamp + (No. of the last booked row + 1);
// 4. when Dibayar is below Jml. Netto, a "Kurang Bayar" line of Masuk -shortfall with
//    the next Id, and the shortfall owed by the member as a debt with Id stamp,
//    linked to the cart's movements.
// 5. each fine waived on a return, kept in HapusDenda with its reason.
// A "BAYAR TANGGUNGAN" row inserts no movement: it takes its Biaya off the debt named
// in its Kode and keeps the payment beside its journal line.
std::vector<SaveStatement> BuildSaveStatements(const GridData& cart, const SaveRequest& request);

struct SaveOutcome {
    bool ok = true;
    QString error;             // SQLite's message when !ok
    bool duplicateId = false;  // an identifier was already taken (a second save in the same second)
    // The cart row of a return whose movement was no longer out (returned meanwhile,
    // by another copy of the program, or gone), -1 when none.
    int returnedAlready = -1;
    // The cart row of a loan or rental whose item had no copy left on the shelf once
    // the cart was written (another desk lent the last one meanwhile), -1 when none.
    int noCopyLeft = -1;
    // The cart row of a payment on a debt that no longer had that much open (paid or
    // waived meanwhile), -1 when none.
    int debtNotOpen = -1;
    int statements = 0;  // statements run (all of them when ok)
};

// Runs BuildSaveStatements in one transaction: all of it is written or none of it.
SaveOutcome SaveCart(Database& db, const GridData& cart, const SaveRequest& request);

}  // namespace zelkor

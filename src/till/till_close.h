#pragma once
// Closing the till ("Tutup Kas"): per operator and day, what the journal says this
// operator took in and paid out since the last close, the drawer as counted, and
// the difference booked as a journal line of its own. A journal line belongs to
// one close at most; lines saved after a close belong to the next.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "db/database.h"

namespace zelkor {

// The journal category of a difference between the drawer and the journal.
inline const QString kSelisihKas = QStringLiteral("Selisih Kas");

struct CloseLine {
    QString kind;      // what the operator reads: "Denda pinjaman", "Rental", ...
    QString kategori;  // the journal's category
    std::int64_t masuk = 0, keluar = 0;
    int lines = 0;
};

struct CloseSummary {
    std::vector<CloseLine> byKind;  // in journal category order
    std::int64_t masuk = 0, keluar = 0;
    int lines = 0;
    // What should be in the drawer: masuk - keluar.
    std::int64_t expected() const { return masuk - keluar; }
};

// The kind a journal category stands for at the close.
QString CloseKind(const QString& kategori);

// The lines of `ops` dated `date` that no close covers yet, summed by category.
DbResult LoadCloseSummary(Database& db, const QString& ops, const QString& date, CloseSummary& summary);

// The banknotes and coins counted in the drawer, largest first.
inline constexpr std::int64_t kDenominations[] = {100000, 50000, 20000, 10000, 5000, 2000,
                                                  1000,   500,   200,   100,   50};

// The drawer from counts per denomination (same order as kDenominations); nothing
// when a count is negative or the total has more than 12 digits.
std::optional<std::int64_t> CountedTotal(const std::vector<std::int64_t>& counts);
// "100000x3, 5000x1": the count as kept with the close (zero counts left out).
QString CountText(const std::vector<std::int64_t>& counts);

struct CloseRequest {
    QString date, ops, stamp;  // stamp: yyyymmddHHMMSS, read once
    std::int64_t counted = 0;  // the drawer
    QString rincian, catatan;  // the count per denomination (may be empty), a note
    // What the operator was shown: the close is refused when the journal says
    // anything else by the time it is booked.
    std::int64_t shownExpected = 0;
    int shownLines = 0;
};

enum class CloseResult { Ok, Nothing, TooLarge, Changed, Failed };

// Books the close in one transaction: the difference line (when the drawer does
// not match), the close, and the lines it covers. `closeId` is the close's Id.
CloseResult BookClose(Database& db, const CloseRequest& request, QString* closeId = nullptr,
                      QString* error = nullptr);

// The journal line of a difference: category kSelisihKas, Masuk for a surplus,
// Keluar for a deficit.
QString DifferenceText(const QString& ops, const QString& date, std::int64_t counted, std::int64_t expected,
                       const QString& catatan);

}  // namespace zelkor

#pragma once
// What the start page reads: the figures of a day, what is out now, and twelve
// months of movements and cash. Every count is a statement over a date range that
// the date indexes serve, with the same conditions as the reports the figures open
// ("2016-03" <= TglPinjam < "2016-04"); nothing here walks the movements in C++.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "db/database.h"

namespace zelkor {

// The movements and cash of one range of dates (a day or a month).
struct RangeFigures {
    std::int64_t loans = 0;    // PINJAM by TglPinjam, as "Laporan Transaksi Peminjaman"
    std::int64_t returns = 0;  // returned by TglReturn, as "Laporan Transaksi Pengembalian"
    std::int64_t rentals = 0;  // RENTAL by TglPinjam, returned or not
    std::int64_t visits = 0;   // KUNJUNG by TglPinjam, as "Laporan Transaksi Kunjungan"
    std::int64_t cashIn = 0;   // Kas.Masuk by Tanggal
    std::int64_t cashOut = 0;  // Kas.Keluar by Tanggal
    bool operator==(const RangeFigures&) const = default;
};

// What is out now.
struct OpenFigures {
    std::int64_t itemsOut = 0;  // open movements of items, as "Laporan Item yang belum dikembalikan"
    std::int64_t late = 0;      // of those, past their due date
    // Members who still owe something; none where the library keeps no debts.
    std::optional<std::int64_t> membersOwing;
};

struct MonthFigures {
    int year = 0, month = 0;
    RangeFigures figures;
};

// The figures of the dates that begin with `prefix` ("2016-03-07" a day,
// "2016-03" a month).
DbResult ReadRangeFigures(Database& db, const QString& prefix, RangeFigures& out);

// The twelve months that end with `endYear`-`endMonth`, oldest first.
DbResult ReadTwelveMonths(Database& db, int endYear, int endMonth, std::vector<MonthFigures>& out);

// The items out on `today` ("yyyy-mm-dd") and how many of them are late.
DbResult ReadOpenFigures(Database& db, const QString& today, OpenFigures& out);

// The cash book's balance, as the journal shows it on its last line.
DbResult ReadCashBalance(Database& db, std::int64_t& out);

// A number that changes whenever the library changed, by this connection or by
// another program on the same file: the page reads itself again only then. 0 when
// it cannot be read just now (another program in the middle of a save).
std::uint64_t LibraryVersion(Database& db);

}  // namespace zelkor

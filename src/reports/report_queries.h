#pragma once
// What the seven reports of the "Hasil" menu and the transaction history show:
// titles, columns and statements. No widgets here: the forms run these and show
// what comes back.
//
// A month is chosen as a range on the date column's text ('2016-03' <= date <
// '2016-04'), never with substr(), so the date indexes serve it: the same rows as
// a comparison of the first seven characters, without reading every movement.
// Rows come in the order the movements were recorded (rowid), as a plain scan of
// the table gives them.
#include <QString>
#include <QVariantList>
#include <vector>

#include "reports/movement_names.h"
#include "ui/grid_data.h"

namespace zelkor {

// One statement with the values bound to its "?" in order.
struct ReportQuery {
    QString sql;
    QVariantList values;
    // The columns that give a member's or an item's code, shown as its name
    // (MovementNames).
    std::vector<NamedColumn> names = {};
};

// What a report's rows depend on besides the data.
enum class ReportPeriod { Month, Year, None };

struct ReportDefinition {
    const char* code;  // ReportCode, "0001".."0007"
    ReportPeriod period;
    const char* title;                // the title line; the period follows it
    std::vector<GridColumn> columns;  // "No." first
    QString sql;                      // the period's bounds bind to its "?" (none for ReportPeriod::None)
    // A line under the title saying what the list holds, where the title alone
    // would mislead; null for the others.
    const char* note = nullptr;
    std::vector<NamedColumn> names = {};  // as in ReportQuery
};

// The report `code` asks for; null for any other text.
const ReportDefinition* FindReport(const QString& code);

// All seven, in code order.
const std::vector<ReportDefinition>& ReportDefinitions();

// The title line: "Laporan Transaksi Rental Per : 2016-03", "Laporan Item Hilang
// Per : 2016", or the title alone.
QString ReportTitle(const ReportDefinition& report, int year, int month);

ReportQuery ReportStatement(const ReportDefinition& report, int year, int month);

// The bounds of every text that begins with `prefix`: prefix <= text < end. The
// end is the prefix with its last character one higher ("2016-03" -> "2016-04",
// "2019" -> "201:"), so the range holds exactly the texts with that beginning.
QVariantList PrefixBounds(const QString& prefix);

// ---- the transaction history ------------------------------------------------------

inline constexpr char kHistoryTitle[] = "LAPORAN HISTORY TRANSAKSI";

// "No.", "Id", "Tanggal", "Proses", "Nama Item", "Member", "Tgl. Kembali", "Operator".
std::vector<GridColumn> HistoryColumns();

// The movements whose TglPinjam lies from the first to the last day of the month
// (compared as text, both ends included), in Id order, with the item and member
// codes whose names are shown.
ReportQuery HistoryStatement(int year, int month);

// The same for the movements recorded on one day ("yyyy-mm-dd").
ReportQuery HistoryDayStatement(const QString& day);

}  // namespace zelkor

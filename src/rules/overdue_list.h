#pragma once
// "Daftar Keterlambatan": every loan or rental still out past its due date at a
// chosen date, with its days late and the fine so far as the rules have them,
// grouped by member (the latest first) and within a member by days late.
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/rules_store.h"

namespace zelkor {

class Database;
struct DbResult;

struct OverdueLoan {
    QString transId, itemId, namaItem, due;
    std::int64_t lateDays = 0;
    std::optional<std::int64_t> fine;
};

struct OverdueMember {
    QString id, nama, kategori, alamat;
    std::vector<OverdueLoan> loans;
    std::int64_t mostLate = 0;
    std::int64_t fineTotal = 0;
};

// The open movements due before a date, with their member and item.
extern const QString kOverdueSql;

// One statement over the open movements due before `date` (an index of the open
// movements by due date), then the rules and the calendar per movement.
std::vector<OverdueMember> OverdueAt(Database& db, const LoanSettings& settings, const QDate& date,
                                     DbResult* result = nullptr);

// The library's texts with {nama}, {item}, {denda}, {tanggal} filled in; the
// default texts when the library has none.
QString LetterText(const LoanSettings& settings, const OverdueMember& m, const QDate& date);
QString ChatText(const LoanSettings& settings, const OverdueMember& m, const QDate& date);

}  // namespace zelkor

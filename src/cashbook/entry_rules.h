#pragma once
// What the income and expense forms decide without any widget: the proposed
// journal code, the amount typed, the texts they show.
#include <QString>
#include <cstdint>
#include <optional>

#include "core/money.h"

namespace zelkor {

enum class EntrySide { Income, Expense };

// The code proposed for a new line: yyyymmddHHMMSS from TodayText and the clock
// text, then "01" for income or "02" for expense.
QString ProposedJournalCode(EntrySide side, const QString& todayText, const QString& clockText);

// The amount field holds digits only, at most kAmountDigits (core/money.h) of them:
// below a trillion rupiah, so every sum of a journal stays exact.

// The amount typed (every "." removed, as the field may show thousands), or
// nothing when it is empty, not a number or longer than kAmountDigits digits.
std::optional<std::int64_t> ParseAmount(const QString& text);

// "Gagal menyimpan, ..": the message of a required field left empty (the category,
// or else the journal code); the two forms have always said it differently, the
// expense form naming the field.
QString MissingFieldText(EntrySide side, bool categoryMissing);

// The form's title, header title and header explanation.
QString EntryTitle(EntrySide side);
QString EntryHeading(EntrySide side);
QString EntryExplanation(EntrySide side);

// The categories used on this side of the journal, for the category selector.
QString CategoriesSql(EntrySide side);

// The insert of a manual line: id, tanggal, uraian, kategori, amount, Ops bound in
// this order.
QString InsertLineSql(EntrySide side);

}  // namespace zelkor

#pragma once
// Small till dialogs that hand a value back to their caller, who books it.
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;
class QLineEdit;

namespace zelkor {

// An amount field: digits only, at most 12 of them.
void MakeTillAmountField(QLineEdit* field);

// "Bayar Tanggungan": how much of the `open` amount the member pays now, preset to
// all of it. Nothing when cancelled or not an amount from 1 to `open`.
std::optional<std::int64_t> AskDebtPayment(QWidget* parent, std::int64_t open);

}  // namespace zelkor

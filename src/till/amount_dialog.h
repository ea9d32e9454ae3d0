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

struct WaiverAnswer {
    std::int64_t amount = 0;
    QString reason;
};

// "Hapus Denda" on a fine of `fine`: how much is waived (preset to all of it) and
// why. OK stays off until a reason is typed. Nothing when cancelled or not an
// amount from 1 to `fine`.
std::optional<WaiverAnswer> AskFineWaiver(QWidget* parent, std::int64_t fine);

}  // namespace zelkor

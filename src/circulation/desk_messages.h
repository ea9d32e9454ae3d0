#pragma once
// What the desk says when Simpan cannot book the cart as it stands, and the one
// question it asks first. Kept beside the form so the form stays a table of handlers.
#include <QString>

#include "circulation/cart.h"

namespace zelkor {

class AppContext;
class MessageService;
struct SaveOutcome;

// The caption of the desk's own messages.
inline const QString kDeskCaption = QStringLiteral("Transaksi..");

// Before anything is written: refuses a cart whose amounts cannot be booked as shown
// or whose net amount is below 0, and asks before booking an amount paid short.
// True when Simpan may go on.
bool ConfirmCart(MessageService& messages, const GridData& cart, const CartTotals& totals,
                 const QString& dibayarText);

// After a save that wrote nothing: which return was made meanwhile, or the SQL error
// and what to do next.
void TellSaveFailed(AppContext& ctx, const GridData& cart, const SaveOutcome& outcome, const QString& stamp);

}  // namespace zelkor

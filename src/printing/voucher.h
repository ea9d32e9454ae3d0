#pragma once
// The payment voucher (kwitansi) the cash journal's entry forms offer after a save.
#include <QString>
#include <cstdint>

namespace zelkor {

class AppContext;

// Prints one voucher page on the default printer: the library's identity, the
// journal code, who paid and for what, the amount in figures and in words, and
// today's date above the receiver's signature. When the printer is missing or
// refuses, the operator is told once and the form carries on.
bool PrintVoucher(AppContext& ctx, const QString& code, const QString& receivedFrom, const QString& purpose,
                  std::int64_t amount, const QString& category, const QString& receiver);

}  // namespace zelkor

#include "printing/receipts.h"

#include "app/app_context.h"
#include "core/money.h"
#include "printing/print_runner.h"
#include "printing/receipt_layout.h"

namespace zelkor {

void FillReceiptContext(ReceiptData& d, AppContext& ctx) {
    d.libraryName = ctx.libraryName;
    d.libraryAddress = ctx.libraryAddress;
    d.libraryPhone = ctx.libraryPhone;
    d.libraryEmail = ctx.libraryEmail;
    d.todayText = ctx.todayText;
    d.currentOperator = ctx.currentOperator;
    d.clockText = ctx.clockText();
    d.printDate = ctx.clock().today().toString(QStringLiteral("dd-MM-yyyy"));
}

std::vector<PrintLayout> DeskReceiptLayouts(const ReceiptData& d, ReceiptKind kind) {
    if (kind == ReceiptKind::Medium) return {MediumReceiptLayout(d)};
    std::vector<PrintLayout> out{LoanReceiptLayout(d)};
    if (LeadingNumber(d.jumlah) > 0) out.push_back(PaymentReceiptLayout(d));
    return out;
}

bool PrintDeskReceipts(AppContext& ctx, const ReceiptData& d, ReceiptKind kind) {
    return PrintLayouts(ctx, DeskReceiptLayouts(d, kind));
}

}  // namespace zelkor

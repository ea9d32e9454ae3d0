#include "printing/voucher.h"

#include "app/app_context.h"
#include "printing/print_runner.h"
#include "printing/voucher_layout.h"

namespace zelkor {

bool PrintVoucher(AppContext& ctx, const QString& code, const QString& receivedFrom, const QString& purpose,
                  std::int64_t amount, const QString& category, const QString& receiver) {
    VoucherData v;
    v.libraryName = ctx.libraryName;
    v.libraryAddress = ctx.libraryAddress;
    v.libraryPhone = ctx.libraryPhone;
    v.code = code;
    v.receivedFrom = receivedFrom;
    v.purpose = purpose;
    v.amount = amount;
    v.category = category;
    v.receiver = receiver;
    v.dateText = VoucherDate(ctx.clock().today());
    return PrintLayouts(ctx, {VoucherLayout(v)});
}

}  // namespace zelkor

#pragma once
// The payment voucher (kwitansi) as a layout: 66 columns of Courier New 10.
#include <QDate>
#include <cstdint>

#include "printing/print_layout.h"

namespace zelkor {

struct VoucherData {
    QString libraryName, libraryAddress, libraryPhone;
    QString code, receivedFrom, purpose, category, receiver;
    std::int64_t amount = 0;  // whole rupiah
    QString dateText;         // "dd mmmm yyyy", see VoucherDate
};

// "07 Maret 2016": two-digit day, the month's full Indonesian name, four-digit year.
QString VoucherDate(const QDate& date);

PrintLayout VoucherLayout(const VoucherData& v);

}  // namespace zelkor

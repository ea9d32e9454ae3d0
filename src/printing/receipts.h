#pragma once
// The desk's Cetak: the receipts of the transaction just saved, on the default
// printer. Printing reads the ReceiptData only and changes nothing.
#include <vector>

#include "printing/print_layout.h"
#include "printing/receipt_data.h"

namespace zelkor {

class AppContext;

// Fills what a receipt takes from the run rather than from the desk: the
// library's identity, TodayText, the operator, the clock text and the print
// date (the computer's date, "dd-mm-yyyy").
void FillReceiptContext(ReceiptData& d, AppContext& ctx);

// "Struk Kecil": the loan receipt, then the payment receipt when Jumlah is above
// 0. "Struk Sedang": the medium receipt.
std::vector<PrintLayout> DeskReceiptLayouts(const ReceiptData& d, ReceiptKind kind);

// Prints those, one job each; when the printer is missing or refuses, the
// operator is told once and the desk carries on. True when all were printed.
bool PrintDeskReceipts(AppContext& ctx, const ReceiptData& d, ReceiptKind kind);

}  // namespace zelkor

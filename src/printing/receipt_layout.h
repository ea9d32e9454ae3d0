#pragma once
// The desk's receipts as layouts. Small receipts are 28 characters wide for a
// narrow receipt printer, the medium receipt 74.
#include "printing/print_layout.h"
#include "printing/receipt_data.h"

namespace zelkor {

// Small receipts: line k (from 0) at y = 15 + 100 k.
int SmallLineY(int k);
// Medium receipt: line k (from 1) at y = 150 k.
int MediumLineY(int k);

// The net amount in words, as every receipt prints it.
QString ReceiptWords(const ReceiptData& d);

// "Struk Kecil": every cart row with its due date.
PrintLayout LoanReceiptLayout(const ReceiptData& d);
// "Struk Kecil", second slip: the charged rows, the totals and the words.
PrintLayout PaymentReceiptLayout(const ReceiptData& d);
// "Struk Sedang": all rows, totals and words on one page.
PrintLayout MediumReceiptLayout(const ReceiptData& d);

}  // namespace zelkor

#pragma once
// The printer for each kind of paper, kept on this computer in "printer.txt" in
// the settings folder (beside conn.txt): "receipt printer;receipt width in mm;A4
// printer". An empty name is the system's default printer, so a computer that
// sets nothing prints as it always did.
#include <QString>

namespace zelkor {

class AppContext;

struct PaperPrinters {
    QString receipt;         // receipts and vouchers, printed without a dialog
    int receiptWidthMm = 0;  // 58 or 80; 0 keeps the printer's own paper
    QString sheets;          // A4: letters, labels and cards, shown in the preview first
};

QString PaperPrintersPath(const QString& settingsDir);
PaperPrinters ReadPaperPrinters(const QString& settingsDir);
bool WritePaperPrinters(const QString& settingsDir, const PaperPrinters& printers, QString* error);

}  // namespace zelkor

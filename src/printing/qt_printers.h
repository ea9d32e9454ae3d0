#pragma once
// The print jobs of the program on the system's default printer, through Qt's
// printing (CUPS on Linux, the spooler on Windows).
#include <functional>

#include "ui/services.h"

namespace zelkor {

class QtPrinters : public Printers {
  public:
    // An empty name means the system's default printer, looked up anew for every
    // job; the program always uses that. A name picks one queue (the tests).
    explicit QtPrinters(QString printerName = {}) : printerName_(std::move(printerName)) {}
    // The queue and its paper, chosen anew for every job (the receipt printer,
    // which the operator may change while the program runs).
    struct Choice {
        QString name;          // empty: the system's default printer
        int paperWidthMm = 0;  // a receipt roll's width; 0 keeps the queue's own paper
    };
    explicit QtPrinters(std::function<Choice()> choose) : choose_(std::move(choose)) {}
    std::unique_ptr<PrintContext> create() override;

  private:
    QString printerName_;
    std::function<Choice()> choose_;
};

}  // namespace zelkor

#pragma once
// The print jobs of the program on the system's default printer, through Qt's
// printing (CUPS on Linux, the spooler on Windows).
#include "ui/services.h"

namespace zelkor {

class QtPrinters : public Printers {
  public:
    // An empty name means the system's default printer, looked up anew for every
    // job; the program always uses that. A name picks one queue (the tests).
    explicit QtPrinters(QString printerName = {}) : printerName_(std::move(printerName)) {}
    std::unique_ptr<PrintContext> create() override;

  private:
    QString printerName_;
};

}  // namespace zelkor

#pragma once
// A stand-in for the print back end until the Qt one is wired in: every job
// fails at open(), so the forms tell the operator there is no printer.
#include "ui/services.h"

namespace zelkor {

class NoPrinters : public Printers {
  public:
    std::unique_ptr<PrintContext> create() override;
};

}  // namespace zelkor

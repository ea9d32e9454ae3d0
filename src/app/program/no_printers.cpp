#include "app/program/no_printers.h"

namespace zelkor {

namespace {
class NoPrintContext : public PrintContext {
  public:
    bool open() override { return false; }
    bool startDoc(const QString&) override { return false; }
    bool startPage() override { return false; }
    void setFont(const QString&, int) override {}
    bool printText(int, int, const QString&) override { return false; }
    bool endPage() override { return false; }
    bool endDoc() override { return false; }
    void release() override {}
    QString lastError() const override { return QStringLiteral("Printer belum tersedia"); }
};
}  // namespace

std::unique_ptr<PrintContext> NoPrinters::create() {
    return std::make_unique<NoPrintContext>();
}

}  // namespace zelkor

#include "quiet_services.h"

#include <cstdio>

namespace zelkor::bench {

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

MsgAnswer QuietMessages::show(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon) {
    ++count_;
    last_ = text;
    if (echo_ == Echo::Yes) std::fprintf(stderr, "[%s] %s\n", qPrintable(caption), qPrintable(text));
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

std::unique_ptr<PrintContext> NoPrinters::create() {
    return std::make_unique<NoPrintContext>();
}

}  // namespace zelkor::bench

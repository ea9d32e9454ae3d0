#pragma once
// The desktop services for the benchmarks, which run with no one at the screen:
// message boxes are answered at once, file dialogs are cancelled and every print
// job fails at open(), so a run never waits for a person or a printer.
#include <QString>

#include "ui/services.h"

namespace zelkor::bench {

// Answers Yes to every question and Ok to every other message box. Counts them
// and keeps the last text; with Echo::Yes each one is also printed on stderr as
// "[caption] text", for benchmarks where a message means something went wrong.
class QuietMessages : public MessageService {
  public:
    enum class Echo { No, Yes };
    explicit QuietMessages(Echo echo = Echo::No) : echo_(echo) {}

    MsgAnswer show(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;

    int count() const { return count_; }
    const QString& last() const { return last_; }

  private:
    Echo echo_;
    int count_ = 0;
    QString last_;
};

// Every file dialog is cancelled.
class NoFileDialogs : public FileDialogs {
  public:
    QString openFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

// Every print job fails at open(), as on a computer without a printer.
class NoPrinters : public Printers {
  public:
    std::unique_ptr<PrintContext> create() override;
};

}  // namespace zelkor::bench

#pragma once
// Scripted and recording stand-ins for the desktop services.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/services.h"

namespace zelkor::test {

// Answers Yes/No from a queue (Yes when the queue is empty) and records every box.
class ScriptedMessages : public MessageService {
  public:
    struct Shown {
        QString text, caption;
        MsgButtons buttons;
        MsgIcon icon;
    };
    MsgAnswer show(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;

    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
    // True while the database holds an open transaction: a box shown then fails
    // the test, since another desk would wait on it (the fixture sets it).
    std::function<bool()> insideTransaction;
    // Runs as each box opens, to note what the program shows behind it.
    std::function<void()> onShow;
    QStringList texts() const;
    void clear() { shown.clear(); }
};

class FixedClock : public Clock {
  public:
    explicit FixedClock(QDateTime t = QDateTime(QDate(2016, 3, 7), QTime(9, 5, 2))) : t_(t) {}
    QDateTime now() const override { return t_; }
    void set(QDateTime t) { t_ = t; }
    void advance(int seconds) { t_ = t_.addSecs(seconds); }

  private:
    QDateTime t_;
};

class ScriptedFileDialogs : public FileDialogs {
  public:
    QString openFile(const QString& title, const QString&, const QString&, const QString&) override;
    QString saveFile(const QString& title, const QString&, const QString&, const QString&) override;
    std::deque<QString> paths;  // answers in order; empty means cancelled
    QStringList titles;
    QStringList filters;
};

// Records every call of every print job.
struct PrintedLine {
    int x, y;
    QString text, face;
    int points;
};
struct PrintJob {
    QString docName;
    int pages = 0;
    std::vector<PrintedLine> lines;
    bool ended = false;
};

class RecordingPrinters : public Printers {
  public:
    std::unique_ptr<PrintContext> create() override;
    std::vector<PrintJob> jobs;
    bool failOpen = false;  // behave as if there were no default printer
};

}  // namespace zelkor::test

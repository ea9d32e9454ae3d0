#include "support/test_doubles.h"

#include <gtest/gtest.h>

namespace zelkor::test {

MsgAnswer ScriptedMessages::show(const QString& text, const QString& caption, MsgButtons buttons,
                                 MsgIcon icon) {
    if (insideTransaction && insideTransaction())
        ADD_FAILURE() << "message shown inside an open transaction: " << text.toStdString();
    if (onShow) onShow();
    shown.push_back({text, caption, buttons, icon});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (answers.empty()) return MsgAnswer::Yes;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

QStringList ScriptedMessages::texts() const {
    QStringList out;
    for (const auto& s : shown) out << s.text;
    return out;
}

QString ScriptedFileDialogs::openFile(const QString& title, const QString& filter, const QString&,
                                      const QString&) {
    titles << title;
    filters << filter;
    if (paths.empty()) return {};
    QString p = paths.front();
    paths.pop_front();
    return p;
}

QString ScriptedFileDialogs::saveFile(const QString& title, const QString& a, const QString& b,
                                      const QString& c) {
    return openFile(title, a, b, c);
}

namespace {
class RecordingContext : public PrintContext {
  public:
    RecordingContext(RecordingPrinters& owner) : owner_(owner) {}
    bool open() override { return !owner_.failOpen; }
    bool startDoc(const QString& name) override {
        owner_.jobs.push_back({name, 0, {}, false});
        return true;
    }
    bool startPage() override {
        if (!owner_.jobs.empty()) ++owner_.jobs.back().pages;
        return true;
    }
    void setFont(const QString& face, int points) override {
        face_ = face;
        points_ = points;
    }
    bool printText(int x, int y, const QString& text) override {
        if (owner_.jobs.empty()) return false;
        owner_.jobs.back().lines.push_back({x, y, text, face_, points_});
        return true;
    }
    bool endPage() override { return true; }
    bool endDoc() override {
        if (!owner_.jobs.empty()) owner_.jobs.back().ended = true;
        return true;
    }
    void release() override {}
    QString lastError() const override { return owner_.failOpen ? QStringLiteral("no printer") : QString(); }

  private:
    RecordingPrinters& owner_;
    QString face_ = QStringLiteral("Arial");
    int points_ = 12;
};
}  // namespace

std::unique_ptr<PrintContext> RecordingPrinters::create() {
    return std::make_unique<RecordingContext>(*this);
}

}  // namespace zelkor::test

#pragma once
// Drives the desk and its dialogs the way an operator does: typing into fields,
// clicking buttons and grid rows, all found by their object names.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "circulation/desk_form.h"
#include "support/fixture.h"
#include "support/form_driver.h"
#include "ui/grid_view.h"

namespace zelkor::test {

struct PrintCall {
    ReceiptData data;
    ReceiptKind kind;
};

// The desk with hooks that only record which dialog it would open and what it would print.
class DeskDriver {
  public:
    explicit DeskDriver(TestEnv& env) : desk(env.ctx()) {
        DeskHooks hooks;
        hooks.browse = [this](DeskForm&) { opened << "browse"; };
        hooks.rental = [this](DeskForm&) { opened << "rental"; };
        hooks.borrow = [this](DeskForm&) { opened << "borrow"; };
        hooks.returns = [this](DeskForm&) { opened << "returns"; };
        hooks.print = [this](const ReceiptData& d, ReceiptKind k) { printed.push_back({d, k}); };
        desk.setHooks(hooks);
        desk.show();
    }

    template <class T>
    T* get(const char* name) {
        return Child<T>(&desk, name);
    }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
    QString label(const char* name) { return get<QLabel>(name)->text(); }
    void click(const char* name) { Click(&desk, name); }

    // Replaces a field's text by typing, as an operator selects it and types over.
    void type(const char* name, const QString& text) {
        QLineEdit* f = field(name);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, text);
    }
    void scanMember(const QString& number) { type("memberNumber", number); }

    // The value labels and fields, in the order the desk shows them.
    QStringList totals() {
        return {label("jumlah"), field("potongan")->text(), label("netto"), field("dibayar")->text(),
                label("sisa")};
    }
    QStringList panel() {
        QStringList out;
        for (int r = 0; r < DeskForm::MemberRowCount; ++r) out << desk.memberValue(DeskForm::MemberRow(r));
        return out;
    }

    DeskForm desk;
    QStringList opened;
    std::vector<PrintCall> printed;
};

inline const QStringList kNoMember = {"", "", "", "", ""};

// A movement of `member` made by admin on `tglPinjam`, still out unless `status` says otherwise.
inline void AddMovement(TestEnv& env, const QString& id, const QString& member, const QString& kode,
                        const QString& item, const QString& due, const QString& status = "0",
                        const QString& tglPinjam = "2016-03-01") {
    env.exec(
        "insert into TransPerpus (Id,TglPinjam,IdMember,KodeTrans,IdItemPerpus,TglKembali,Status,Ops) "
        "values (?,?,?,?,?,?,?,'admin')",
        {id, tglPinjam, member, kode, item, due, status});
}

}  // namespace zelkor::test

#pragma once
// Drives the cash journal and its entry forms the way an operator does. The entry
// form runs inside the journal's own call, so a test hands over what the operator
// does in it (a script) before pressing the button that opens it.
#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QSpinBox>
#include <functional>

#include "cashbook/entry_form.h"
#include "cashbook/journal_form.h"
#include "support/form_driver.h"
#include "ui/month_list.h"

namespace zelkor::test {

class JournalDriver {
  public:
    explicit JournalDriver(TestEnv& env) : env_(env), form(env.ctx()) {
        form.setEntryRunner([this](QDialog& d) {
            auto& entry = static_cast<EntryForm&>(d);
            opened << entry.objectName() + (entry.viewing() ? " view" : " new");
            if (script) script(entry);
        });
        form.show();
    }

    // A journal line as the tests write it.
    void line(const QString& id, const QString& date, const QString& masuk, const QString& keluar,
              const QString& kategori = "Sumbangan", const QString& uraian = "Uraian") {
        env_.exec("insert into Kas (Id,Tanggal,Kategori,Uraian,Masuk,Keluar,Ops) values (?,?,?,?,?,?,'siti')",
                  {id, date, kategori, uraian, masuk, keluar});
    }

    // Clicks a month in the list (the same month again lists it again).
    void chooseMonth(int month) {
        QListWidget* list = form.months()->list();
        list->scrollToItem(list->item(month - 1));
        const QPoint at = list->visualItemRect(list->item(month - 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void chooseYear(int year) { form.months()->yearBox()->setValue(year); }
    void clickRow(int row) { ClickRow(&form, "journal", row); }
    void press(const char* action) { form.findChild<QAction*>(QLatin1String(action))->trigger(); }

    QStringList rows() const { return Rows(form.grid()); }

    std::function<void(EntryForm&)> script;
    QStringList opened;

  private:
    TestEnv& env_;

  public:
    JournalForm form;
};

// ---- inside an entry form ---------------------------------------------------------

inline QLineEdit* Field(EntryForm& f, const char* name) {
    return Child<QLineEdit>(&f, name);
}

inline void Type(EntryForm& f, const char* name, const QString& text) {
    QLineEdit* field = Field(f, name);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Picks an entry of the category selector as a click in its list does.
inline void Pick(EntryForm& f, const QString& text) {
    PickEntry(Child<QComboBox>(&f, "categorySelector"), text);
}

inline QStringList Choices(EntryForm& f) {
    return Entries(Child<QComboBox>(&f, "categorySelector"));
}

// What the form shows: date, selector, category, code, description, amount.
inline QStringList Shown(EntryForm& f) {
    return {Child<QDateEdit>(&f, "date")->text(), Child<QComboBox>(&f, "categorySelector")->currentText(),
            Field(f, "category")->text(),         Field(f, "code")->text(),
            Field(f, "description")->text(),      Field(f, "amount")->text()};
}

// A whole new line: category picked (or typed after "Add Item"), description, amount, Simpan.
inline void Book(EntryForm& f, const QString& category, const QString& description, const QString& amount) {
    auto* selector = Child<QComboBox>(&f, "categorySelector");
    if (selector->findText(category) >= 0) {
        Pick(f, category);
    } else {
        Pick(f, "Add Item");
        Type(f, "category", category);
    }
    Type(f, "description", description);
    Type(f, "amount", amount);
    QTest::mouseClick(Child<QPushButton>(&f, "save"), Qt::LeftButton);
}

}  // namespace zelkor::test

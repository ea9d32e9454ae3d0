#pragma once
// Drives a record form the way an operator does: typing into its fields, pressing
// its toolbar entries and keys, passing the mouse over its grid and clicking rows,
// everything found by object name.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <ostream>

#include "collection/grid_follower.h"
#include "collection/record_form.h"
#include "support/form_driver.h"
#include "ui/grid_view.h"

namespace zelkor::test {

// Stored rows as "a|b|c" texts, for comparing whole records at once.
inline void AddItemRow(TestEnv& env, const QStringList& cells) {
    env.exec(
        "insert into ItemPerpus (Id,NamaItem,Pengarang,HakCipta,Penerbit,ISBN,Denda,JmlStock,HargaRental,Rak,"
        "Rental) values (?,?,?,?,?,?,?,?,?,?,'0')",
        {cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6], cells[7], cells[8], cells[9]});
}
inline void AddMemberRow(TestEnv& env, const QStringList& cells) {
    env.exec(
        "insert into Member (Id,Nama,LP,TmpLahir,TglLahir,Alamat,Kategori,DurasiPinjam,Status) "
        "values (?,?,?,?,?,?,?,?,?)",
        {cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6], cells[7], cells[8]});
}

// A movement of `kind` ("PINJAM", "KUNJUNG"), still out unless `status` is "1".
inline void AddMovementRow(TestEnv& env, const QString& id, const QString& member, const QString& kind,
                           const QString& item, const QString& status = "0") {
    env.exec("insert into TransPerpus (Id,IdMember,KodeTrans,IdItemPerpus,Status) values (?,?,?,?,?)",
             {id, member, kind, item, status});
}

template <class Form>
class RecordDriver {
  public:
    explicit RecordDriver(TestEnv& env) : env_(env), form(env.ctx()) {
        form.resize(1200, 700);
        ShowActive(form);
    }

    template <class T>
    T* get(const char* name) {
        return Child<T>(&form, name);
    }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
    QString text(const char* name) { return field(name)->text(); }
    GridView* view() { return get<GridView>("records"); }
    GridData& grid() { return form.grid(); }

    // Selects the field's text and types over it.
    void type(const char* name, const QString& text) {
        QLineEdit* f = field(name);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        // Key presses for what a keyboard types here; other letters as an input method gives them.
        for (const QChar c : text)
            if (c.unicode() < 128)
                QTest::keyClick(f, c.toLatin1());
            else
                f->insert(QString(c));
    }
    // Fills the named fields in order: {"code", "B01", "name", "Laskar"}.
    void fill(const QStringList& namesAndTexts) {
        for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2)
            type(namesAndTexts[i].toLatin1().constData(), namesAndTexts[i + 1]);
    }
    // A toolbar entry: "add", "save", "delete", "spreadsheet", "browser", "import".
    void press(const char* action) { get<QAction>(action)->trigger(); }
    void search(const QString& text) {
        type("search", text);
        QTest::keyClick(field("search"), Qt::Key_Return);
    }
    // The mouse passes over row `row` of the grid (without a click).
    void hover(int row) {
        const QPoint at = view()->visualRect(view()->model()->index(row, 1)).center();
        QMouseEvent move(QEvent::MouseMove, at, view()->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view()->viewport(), &move);
    }
    void clickRow(int row) { ClickRow(&form, "records", row); }
    // One tick of the 200 ms follow timer.
    void tick() { form.follower()->follow(); }
    // Picks an entry of a drop-down list as a click on it does.
    void pick(const char* list, const QString& entry) { PickEntry(get<QComboBox>(list), entry); }
    QStringList entries(const char* list) { return Entries(get<QComboBox>(list)); }

    QStringList rows() { return Rows(grid()); }
    QStringList column(int c) { return Column(grid(), c); }
    // The grid column that shows a stored column ("Id", "HargaRental").
    QStringList column(const char* stored) { return column(form.gridColumnOf(QLatin1String(stored))); }
    // Every message shown so far as "caption: text", then forgotten.
    QStringList told() {
        const QStringList out = Told(env_);
        env_.messages.clear();
        return out;
    }

  private:
    TestEnv& env_;

  public:
    Form form;
};

inline const QString kSaved = "Entry Data..: Data berhasil disimpan..";
inline const QString kChanged = "Entry Data..: Perubahan data berhasil disimpan..";
inline const QString kMissing = "Entry Data..: Gagal menyimpan, kolom Kode atau Nama belum terisi..";

}  // namespace zelkor::test

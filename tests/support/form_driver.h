#pragma once
// Drives a form the way an operator does: typing into fields, clicking buttons
// and grid rows, all found by their object names; and reads back what it shows.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "support/fixture.h"
#include "support/qstring_print.h"
#include "ui/grid_view.h"

namespace zelkor::test {

template <class T>
T* Child(QWidget* form, const char* name) {
    T* w = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Shows a dialog as the desk's modal child appears: the active window, so a click
// into a field gives it the focus.
inline void ShowActive(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog)) << dialog.objectName().toStdString();
}

// The object names Tab visits from `start` until it comes back round to it.
inline QStringList TabChain(QWidget* start) {
    QStringList names;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == start->window()) names << w->objectName();
    return names;
}

inline void Click(QWidget* form, const char* button) {
    QTest::mouseClick(Child<QPushButton>(form, button), Qt::LeftButton);
}

// Clicks into the field, selects its text and types over it.
inline void TypeInto(QWidget* form, const char* field, const QString& text) {
    QLineEdit* f = Child<QLineEdit>(form, field);
    QTest::mouseClick(f, Qt::LeftButton);
    f->selectAll();
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, text);
}

// The search as an operator runs it: typed, then Enter or Go.
inline void Search(QWidget* form, const QString& text, bool enter = true) {
    TypeInto(form, "search", text);
    if (enter)
        QTest::keyClick(Child<QLineEdit>(form, "search"), Qt::Key_Return);
    else
        Click(form, "go");
}

// The mouse passes over the grid's row `row`, then clicks it.
inline void ClickRow(QWidget* form, const char* grid, int row) {
    GridView* view = Child<GridView>(form, grid);
    const QPoint at = view->visualRect(view->model()->index(row, 1)).center();
    // Sent to the grid itself: the offscreen cursor may hand a moved mouse to
    // another window at the same place.
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

// Picks an entry of a drop-down list as a click in its list does.
inline void PickEntry(QComboBox* list, const QString& entry) {
    const int i = list->findText(entry);
    ASSERT_GE(i, 0) << entry.toStdString();
    list->setCurrentIndex(i);
    emit list->activated(i);
}

inline QStringList Entries(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

// Column `c` of every row.
inline QStringList Column(const GridData& grid, int c) {
    QStringList out;
    for (int r = 0; r < grid.rowCount(); ++r) out << grid.cell(r, c);
    return out;
}

// Every row, cells joined by "|".
inline QStringList Rows(const GridData& grid) {
    QStringList out;
    for (int r = 0; r < grid.rowCount(); ++r) out << grid.row(r).join('|');
    return out;
}

// The question every list asks before it deletes a record, as Told shows it.
inline const QString kDeleteQuestion =
    "Confirm Delete: Apakah anda yakin akan menghapus record ini? Cobalah koreksi data yang terkait dengan "
    "record "
    "ini, mungkin bisa mengakibatkan perubahan referensi data dan mengakibatkan data menjadi rancu..";

// Every message shown so far, as "caption: text".
inline QStringList Told(const TestEnv& env) {
    QStringList out;
    for (const auto& m : env.messages.shown) out << m.caption + ": " + m.text;
    return out;
}

}  // namespace zelkor::test

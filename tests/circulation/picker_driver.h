#pragma once
// Drives the pickers, the member browser and the return list the way an operator
// does: the mouse over a grid, a click on a row, typing into a field.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

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

// Selects the field's text and types over it.
inline void TypeInto(QWidget* form, const char* field, const QString& text) {
    QLineEdit* f = Child<QLineEdit>(form, field);
    QTest::mouseClick(f, Qt::LeftButton);
    f->selectAll();
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, text);
}

inline void PressEnter(QWidget* form, const char* field) {
    QTest::keyClick(Child<QLineEdit>(form, field), Qt::Key_Return);
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

// Column `c` of every row.
inline QStringList Column(const GridData& grid, int c) {
    QStringList out;
    for (int r = 0; r < grid.rowCount(); ++r) out << grid.cell(r, c);
    return out;
}

inline QStringList Headers(const GridData& grid) {
    QStringList out;
    for (const GridColumn& c : grid.columns()) out << c.header;
    return out;
}

inline std::vector<int> Widths(const GridData& grid) {
    std::vector<int> out;
    for (const GridColumn& c : grid.columns()) out.push_back(c.width);
    return out;
}

}  // namespace zelkor::test

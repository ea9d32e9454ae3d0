// The "|"-separated filters of the file dialogs as Qt's dialog takes them, and the
// keyboard's way back after a message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/qt_services.h"

using namespace zelkor;

TEST(QtFilterFromPipes, EachPairBecomesOneFilterShowingItsPatternsOnce) {
    struct Case {
        const char *pipes, *qt;
    } cases[] = {
        {"Bitmap files (*.bmp)|*.bmp|All Files (*.*)|*.*", "Bitmap files (*.bmp);;All Files (*.*)"},
        {"Bitmap|*.bmp|Semua|*.*", "Bitmap (*.bmp);;Semua (*.*)"},
        {"Spreadsheet|*.xls;*.xlsx", "Spreadsheet (*.xls *.xlsx)"},
        {"Excel files (*.dataperpus)|*.dataperpus", "Excel files (*.dataperpus)"},
    };
    for (const auto& c : cases) EXPECT_EQ(QtFilterFromPipes(c.pipes).toStdString(), c.qt) << c.pipes;
}

// A window manager may leave the keyboard nowhere, or elsewhere, when a box
// closes: the field that had it gets it back.
TEST(QtMessages, TheFieldBeforeTheBoxHasTheKeyboardAfterIt) {
    QWidget window, elsewhere;
    auto* layout = new QVBoxLayout(&window);
    QLineEdit first, second;
    layout->addWidget(&first);
    layout->addWidget(&second);
    window.show();
    elsewhere.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    second.setFocus();
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        elsewhere.activateWindow();
        if (box) box->close();
    });
    QtMessages().show("Data tersimpan", "Info", MsgButtons::Ok, MsgIcon::Information);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &second; }, 2000));
}

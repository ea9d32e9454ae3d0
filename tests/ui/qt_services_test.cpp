// The "|"-separated filters of the file dialogs as Qt's dialog takes them.
#include <gtest/gtest.h>

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

// The status bar's parts: widths scaled by the screen's dots per inch, the date
// in the user's locale, the time of the clock.
#include <gtest/gtest.h>
#include <QLabel>

#include "program/images.h"
#include "program/status_bar.h"

using namespace zelkor;

TEST(StatusBar, PartWidthsScaleWithTheDotsPerInch) {
    const auto base = MainStatusBar::PartWidths(96);
    EXPECT_EQ(MainStatusBar::PartWidths(0), base);  // an unknown screen counts as 96
    const auto wide = MainStatusBar::PartWidths(144);
    for (std::size_t i = 0; i < base.size(); ++i)
        EXPECT_EQ(wide[i], (base[i] * 3 + 1) / 2) << "part " << i;  // 150 %, halves rounded up
}

TEST(StatusBar, PartsLieSideBySideAtTheirWidths) {
    InitProgramImages();
    QWidget window;
    window.resize(1400, 300);
    auto* bar = new MainStatusBar(&window);
    bar->setGeometry(0, 270, 1400, 30);
    window.show();
    const auto widths = MainStatusBar::PartWidths(bar->logicalDpiY());
    int edge = bar->part(0)->mapTo(bar, QPoint(0, 0)).x();
    for (int i = 0; i < MainStatusBar::kParts; ++i) {
        EXPECT_EQ(bar->part(i)->width(), widths[i]) << "part " << i;
        EXPECT_EQ(bar->part(i)->mapTo(bar, QPoint(0, 0)).x(), edge) << "part " << i;
        edge += widths[i];
    }
    // Resizing lays the parts out again at the same widths.
    bar->resize(900, 30);
    EXPECT_EQ(bar->part(3)->width(), widths[3]);
    for (int i : {0, 4}) EXPECT_FALSE(bar->part(i)->findChild<QLabel*>()->pixmap().isNull()) << "icon " << i;
}

TEST(StatusBar, ClockTexts) {
    struct Case {
        QDate date;
        const char* text;
    } cases[] = {
        {QDate(2016, 3, 7), "07 Mar 2016"},
        {QDate(2016, 8, 17), "17 Agu 2016"},
        {QDate(2026, 12, 7), "07 Des 2026"},
    };
    for (const auto& c : cases) EXPECT_EQ(StatusDateText(c.date), c.text) << c.text;
    EXPECT_EQ(StatusTimeText(QTime(9, 5, 2)), "09:05:02");
}

#include "ui/month_list.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace zelkor {
namespace {

TEST(MonthList, NamesAndPrefixes) {
    EXPECT_EQ(MonthName(11), "Nopember");  // as the reports spell it
    EXPECT_EQ(MonthName(13), "");
    EXPECT_EQ(MonthPrefix(2016, 3), "2016-03");
}

TEST(MonthList, QuietSelectionIsSilentAndOperatorChangesAreAnnounced) {
    MonthList months;
    QSignalSpy spy(&months, &MonthList::changed);
    EXPECT_EQ(months.month(), 0);
    months.selectQuietly(2016, 3);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(months.month(), 3);
    EXPECT_EQ(months.year(), 2016);

    months.list()->setCurrentRow(10);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 2016);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 11);
}

// A click makes the row current before it selects it; the month must still be told.
TEST(MonthList, AClickAndTheArrowKeysAnnounceTheMonth) {
    MonthList months;
    months.show();
    months.selectQuietly(2016, 3);
    QSignalSpy spy(&months, &MonthList::changed);
    QListWidget* list = months.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(9)).center());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(1).toInt(), 10);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(1).toInt(), 11);
}

}  // namespace
}  // namespace zelkor

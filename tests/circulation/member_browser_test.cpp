// The member browser over a real desk: the category tree, the grid made from the
// first row, the exact search and its precedence, the hint, Sisip into the desk.
#include <gtest/gtest.h>
#include <QTreeWidget>

#include "app/app_context.h"
#include "circulation/member_browser.h"
#include "driver.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class MemberBrowserTest : public DbTest {
  protected:
    void SetUp() override {
        env.addMember("S01", "Budi", "Siswa", 3, "1", "Jl. Kenanga 2");
        env.addMember("S02", "Ani", "Siswa", 3);
        env.addMember("S03", "Budi", "Siswa", 3, "0");  // inactive
        env.addMember("G01", "Budi", "Guru", 14);
        env.addMember("G02", "Rahmat", "Guru", 14, "0");  // inactive, another category
        env.addMember("U01", "Ma'ruf", "Umum", 7);
        d = std::make_unique<DeskDriver>(env);
        d->scanMember("S01");
        b = std::make_unique<MemberBrowser>(d->desk);
        ShowActive(*b);
    }
    // Selects the tree's node with this text, as a click on it does.
    void selectNode(const QString& text) {
        const QList<QTreeWidgetItem*> found =
            b->tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        const QRect r = b->tree()->visualItemRect(found.first());
        QTest::mouseClick(b->tree()->viewport(), Qt::LeftButton, {}, r.center());
    }
    std::unique_ptr<DeskDriver> d;
    std::unique_ptr<MemberBrowser> b;
};

}  // namespace

TEST_F(MemberBrowserTest, TreeListsTheCategoriesAndANodeItsActiveMembers) {
    EXPECT_EQ(b->focusWidget(), Child<QLineEdit>(b.get(), "search"));
    // Tab goes from the search through the list to Sisip.
    EXPECT_EQ(TabChain(Child<QWidget>(b.get(), "categories")),
              QStringList({"search", "go", "members", "insert", "cancel"}));
    ASSERT_EQ(b->tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = b->tree()->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    QStringList nodes;
    for (int i = 0; i < root->childCount(); ++i) nodes << root->child(i)->text(0);
    EXPECT_EQ(nodes, QStringList({"Guru", "Siswa", "Umum"}));
    EXPECT_EQ(b->members().columnCount(), 0);

    selectNode("Siswa");
    EXPECT_EQ(env.ctx().memberBrowserCategory, "Siswa");
    EXPECT_EQ(Rows(b->members()), QStringList({"S01|Budi|Jl. Kenanga 2|Siswa", "S02|Ani|Jl. Mawar 1|Siswa"}));
    selectNode("Guru");
    EXPECT_EQ(Column(b->members(), 0), QStringList({"G01"}));
    // The root is no category: nobody.
    selectNode("Member Kategori");
    EXPECT_EQ(b->members().rowCount(), 0);
    EXPECT_EQ(env.ctx().memberBrowserCategory, "Member Kategori");
}

// A number is found in any category and status; a name only among the active
// members of the chosen category; only whole texts match.
TEST_F(MemberBrowserTest, SearchIsExactWithTheNumberBeforeTheCategory) {
    selectNode("Siswa");
    const struct {
        QString text;
        QStringList ids;
    } cases[] = {
        {"G01", {"G01"}},   // the exact number of a member in another category
        {"G02", {"G02"}},   // inactive, another category
        {"S03", {"S03"}},   // inactive
        {"Budi", {"S01"}},  // the name only in the chosen category, active only
        {"Bud", {}},        // a part of a name finds nobody
        {"budi", {}},       // nor the name in another case
        {"Rahmat", {}},     // a name of another category
        {"Ma'ruf", {}},     // a name of another category, with an apostrophe
        {"S0", {}},         // a part of a number
    };
    for (const auto& c : cases) {
        Search(b.get(), c.text);
        EXPECT_TRUE(b->isVisible());  // Enter never closes the browser
        EXPECT_EQ(Column(b->members(), 0), c.ids) << c.text.toStdString();
        // The grid takes the focus with its first row selected, and shows it
        // selected, so Sisip takes the row the operator sees.
        EXPECT_EQ(b->focusWidget(), Child<GridView>(b.get(), "members"));
        EXPECT_EQ(b->members().selectedRow(), c.ids.isEmpty() ? -1 : 0);
        EXPECT_EQ(Child<GridView>(b.get(), "members")->selectionModel()->selectedRows().size(), c.ids.size());
    }
    selectNode("Umum");
    Search(b.get(), "Ma'ruf", false);
    EXPECT_EQ(Column(b->members(), 0), QStringList({"U01"}));

    // An inactive member found by number goes into the field, but the desk, which
    // only serves active members, leaves its panel empty.
    Search(b.get(), "S03");
    Click(b.get(), "insert");
    EXPECT_EQ(d->desk.memberNumber(), "S03");
    EXPECT_EQ(d->panel(), kNoMember);
}

// Batal changes nothing at the desk, and the chosen category outlives the browser:
// the next one's name search uses it.
TEST_F(MemberBrowserTest, ChosenCategoryIsKeptForTheRun) {
    selectNode("Guru");
    Click(b.get(), "cancel");
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(d->desk.memberNumber(), "S01");
    EXPECT_EQ(d->panel().at(1), "Budi");
    b = std::make_unique<MemberBrowser>(d->desk);
    ShowActive(*b);
    Search(b.get(), "Budi");
    EXPECT_EQ(Column(b->members(), 0), QStringList({"G01"}));
    // Before any node was ever chosen, a name finds nobody.
    env.ctx().memberBrowserCategory.clear();
    Search(b.get(), "Budi");
    EXPECT_EQ(b->members().rowCount(), 0);
}

TEST_F(MemberBrowserTest, ClickShowsTheHintAndSisipWritesTheNumberIntoTheDesk) {
    Click(b.get(), "insert");  // nobody listed yet
    EXPECT_TRUE(b->isVisible());
    ASSERT_EQ(Told(env).size(), 1);
    EXPECT_TRUE(Told(env)[0].startsWith("Info: "));

    selectNode("Guru");
    env.messages.clear();
    ClickRow(b.get(), "members", 0);
    EXPECT_EQ(Told(env), QStringList({"Info: Untuk menyisipkan item, silahkan tekan tombol sisip.."}));
    EXPECT_EQ(b->members().selectedRow(), 0);

    Click(b.get(), "insert");
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(d->panel(), QStringList({"G01", "Budi", "Jl. Mawar 1", "Guru", "14"}));
}

// Ribbon layout: bar heights, rows, tabs and tab overflow in both modes at
// several widths, the columns of a group and the groups of a page.

#include "CVNJson.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QAction>
#include <QComboBox>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

class RibbonLayoutTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { startToolkit(); }

    static void readAttr(CVNQRibbonBar& bar, const char* attr)
    {
        Json::Value node = TestUtil::json((std::string("{\"attr\": ") + attr + "}").c_str());
        ASSERT_TRUE(bar.readJsonValue(&node));
    }

    // A bar whose groups are 140 px high: page stack 148 below 61 px of rows.
    static CVNQRibbonGroup* groupOf(CVNQRibbonBar& bar, int width = 900)
    {
        readAttr(bar, "{\"pageHeight\": 148}");
        CVNQRibbonGroup* group = bar.addPage("p", "Page")->addGroup("g", "Group");
        resizeNow(&bar, width, 61 + 148);
        return group;
    }
};

} // namespace

TEST_F(RibbonLayoutTest, HeightsFollowModeMinimisedStateAndLimits)
{
    CVNQRibbonBar bar;
    QList<int> modes;
    QObject::connect(&bar, &CVNQRibbonBar::layoutModeChanged, [&modes](CVN_RIBBON_LAYOUT_MODE m) { modes << m; });
    EXPECT_EQ(bar.sizeHint(), QSize(720, 61 + 96));
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT);
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT); // no change: no report
    EXPECT_EQ(modes.size(), 1);
    EXPECT_EQ(bar.sizeHint().height(), 31 + 96);
    bar.setMinimized(true);
    EXPECT_EQ(bar.sizeHint().height(), 31);
    bar.setMinimized(false);
    readAttr(bar, R"({"pageHeight": 40, "topRowHeight": 10, "tabRowHeight": 12})");
    EXPECT_EQ(bar.sizeHint().height(), 24 + 64);

    // Sizes from a node are bounded to widget sizes: no overflow.
    readAttr(bar, R"({"pageHeight": 2147483647, "topRowHeight": 2147483647, "tabRowHeight": -5})");
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_OFFICE);
    EXPECT_EQ(bar.sizeHint().height(), 2 * QWIDGETSIZE_MAX + 24);
    EXPECT_EQ(modes, QList<int>({CVN_RIBBON_LAYOUT_COMPACT, CVN_RIBBON_LAYOUT_OFFICE}));
}

TEST_F(RibbonLayoutTest, RowsTabsAndPageInBothModesAtSeveralWidths)
{
    for (const int width : {520, 800, 1200}) {
        CVNQRibbonBar bar;
        ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
        resizeNow(&bar, width, 157);
        const QList<CVNQRibbonButton*> quick = bar.findChildren<CVNQRibbonButton*>();
        CVNQRibbonButton* home = RibbonTest::tab(bar, "home");
        CVNQRibbonButton* app = bar.applicationButton();
        QWidget* user = bar.findChild<QWidget*>("user");
        QWidget* search = bar.findChild<QWidget*>("search");

        // Office: the top row above the tab row, tabs from x 4.
        EXPECT_EQ(app->geometry(), QRect(4, 2, qMax(app->sizeHint().width(), 54), 26));
        EXPECT_EQ(user->geometry().right() + 1, width - 4);
        // The search field's configured width (160) is more than its hint:
        // it is laid out with the width it takes, beside the user label.
        EXPECT_EQ(search->geometry(), QRect(user->x() - 4 - 160, 3, 160, 24));
        EXPECT_EQ(home->parentWidget()->geometry(), QRect(0, 30, width, 31));
        EXPECT_EQ(home->geometry().topLeft(), QPoint(4, 1));
        EXPECT_EQ(home->height(), 29);
        EXPECT_EQ(bar.currentPageWidget()->parentWidget()->geometry(), QRect(0, 61, width, 96));

        // Compact: one row; the tabs start after the quick-access buttons.
        bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT);
        resizeNow(&bar, width, 127);
        QWidget* row = home->parentWidget();
        EXPECT_EQ(app->parentWidget(), row);
        EXPECT_EQ(row->geometry(), QRect(0, 0, width, 31));
        EXPECT_EQ(bar.currentPageWidget()->parentWidget()->geometry(), QRect(0, 31, width, 96));
        CVNQRibbonButton* undo = nullptr;
        for (CVNQRibbonButton* b : quick)
            if (b->ribbonAction() && b->ribbonAction()->objectName() == "undo" && b->parentWidget() == row)
                undo = b;
        ASSERT_NE(undo, nullptr);
        EXPECT_EQ(undo->width(), 28);
        const int left = undo->geometry().right() + 1 + 2 + 4;
        EXPECT_EQ(row->property("cvnRibbonContentLeft").toInt(), left);
        EXPECT_EQ(row->property("cvnRibbonContentRight").toInt(), search->x() - 4 - 4);
        CVNQRibbonButton* right = nullptr;
        for (CVNQRibbonButton* b : row->findChildren<CVNQRibbonButton*>())
            if (b->text() == ">")
                right = b;
        ASSERT_NE(right, nullptr);
        if (right->isHidden()) {
            EXPECT_GT(width, 520);
            EXPECT_EQ(home->x(), left);
            continue;
        }
        // Overflow (the narrow bar): arrows beside the tab area, the offset
        // kept within reach, tabs wholly outside the area hidden.
        EXPECT_EQ(width, 520);
        EXPECT_EQ(home->x(), left + 20);
        for (int i = 0; i < 20; ++i)
            right->click();
        EXPECT_FALSE(right->isEnabled());
        CVNQRibbonButton* design = RibbonTest::tab(bar, "design");
        const int areaRight = row->property("cvnRibbonContentRight").toInt() - 20;
        EXPECT_EQ(design->geometry().right() + 1 + 2, areaRight); // scrolled to the end exactly
        EXPECT_TRUE(home->isHidden());
    }
}

TEST_F(RibbonLayoutTest, GroupColumnsFollowRowsAndLargeItems)
{
    CVNQRibbonBar bar;
    CVNQRibbonGroup* group = groupOf(bar);
    QList<CVNQRibbonButton*> small;
    for (const char* id : {"a", "b", "c", "d"})
        small.append(group->addSmallAction(RibbonTest::command(&bar, id)));
    EXPECT_EQ(group->height(), 140);
    // avail 113, rows of 37: cells 35 high at y 4, 41, 78; the fourth starts a column.
    EXPECT_EQ(small[0]->geometry().topLeft(), QPoint(4, 4));
    EXPECT_EQ(small[1]->geometry(), QRect(4, 41, small[0]->width(), 35));
    EXPECT_EQ(small[2]->y(), 78);
    EXPECT_EQ(small[3]->geometry().topLeft(), QPoint(4 + small[0]->width() + 4, 4));
    EXPECT_EQ(group->sizeHint(), QSize(qMax(8 + 2 * (small[0]->width() + 4), 80), 140));

    // Compact: two rows, two columns of two.
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT);
    resizeNow(group, group->width(), 140);
    EXPECT_EQ(small[2]->geometry().topLeft(), QPoint(4 + small[0]->width() + 4, 4));
    EXPECT_EQ(small[3]->y(), 4 + 56);

    // A large item closes the pending column: small, small, large, small.
    CVNQRibbonBar bar2;
    CVNQRibbonGroup* mixed = groupOf(bar2);
    CVNQRibbonButton* s1 = mixed->addSmallAction(RibbonTest::command(&bar2, "s1"));
    mixed->addSmallAction(RibbonTest::command(&bar2, "s2"));
    CVNQRibbonButton* large = mixed->addLargeAction(RibbonTest::command(&bar2, "big"));
    CVNQRibbonButton* s3 = mixed->addSmallAction(RibbonTest::command(&bar2, "s3"));
    EXPECT_EQ(large->geometry(), QRect(4 + s1->width() + 4, 4, large->sizeHint().width(), 113));
    EXPECT_EQ(s3->geometry().topLeft(), QPoint(large->geometry().right() + 1 + 4, 4));

    // A widget kept wider than its size hint (a configured "width") widens
    // its column instead of covering the next item.
    auto* wide = new QComboBox;
    wide->addItem("A");
    wide->setMinimumWidth(120);
    mixed->addWidget(wide);
    CVNQRibbonButton* after = mixed->addLargeAction(RibbonTest::command(&bar2, "after"));
    EXPECT_EQ(wide->width(), 120);
    EXPECT_EQ(after->x(), wide->geometry().right() + 1 + 4);

    // An empty group.
    EXPECT_EQ(bar2.pageAt(0)->addGroup("e", "")->sizeHint(), QSize(80, 140));
}

TEST_F(RibbonLayoutTest, PageSharesSpareWidthAndScrollsWhenGroupsDoNotFit)
{
    CVNQRibbonBar bar;
    CVNQRibbonGroup* first = groupOf(bar, 400);
    CVNQRibbonPage* page = bar.pageAt(0);
    CVNQRibbonGroup* second = page->addGroup("h", "Other");
    first->setExpanding(true);
    second->setExpanding(true);
    page->updateGroupLayout();
    const int spare = 400 - (4 + 84 + 84 + 4);
    EXPECT_EQ(first->geometry(), QRect(4, 4, 80 + spare / 2, 140));
    EXPECT_EQ(second->x(), 4 + first->width() + 4);

    for (int i = 0; i < 6; ++i)
        page->addGroup(QString::number(i), "More");
    EXPECT_TRUE(page->isOverflowing());
    EXPECT_EQ(first->geometry(), QRect(24, 4, 80, 140));
    page->scrollBy(100000);
    EXPECT_EQ(page->scrollOffset(), 4 + 8 * 84 + 4 - (400 - 40));
    page->scrollBy(-30);
    EXPECT_EQ(first->x(), 24 - page->scrollOffset());
}

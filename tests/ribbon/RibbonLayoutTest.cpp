// Ribbon layout: bar heights, rows, tabs and tab overflow in both modes at
// several widths and at the edges of each rule, the columns of a group, the
// groups of a page and the cells and pages of a gallery.

#include "CVNJson.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QWheelEvent>

#include <functional>

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

    // Rows lower than 24 are laid out 24 high; in the compact mode the page
    // starts below the higher of the two rows.
    CVNQRibbonPage* page = bar.addPage("p", "Page");
    QWidget* tabRow = RibbonTest::tab(bar, "p")->parentWidget();
    QWidget* stack = page->parentWidget();
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_OFFICE);
    resizeNow(&bar, 300, 200);
    EXPECT_EQ(bar.applicationButton()->parentWidget()->geometry(), QRect(0, 0, 300, 24));
    EXPECT_EQ(tabRow->geometry(), QRect(0, 24, 300, 24));
    EXPECT_EQ(stack->geometry(), QRect(0, 48, 300, 152));
    readAttr(bar, R"({"topRowHeight": 40})");
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT);
    EXPECT_EQ(tabRow->geometry(), QRect(0, 0, 300, 24));
    EXPECT_EQ(stack->geometry(), QRect(0, 40, 300, 160));

    // Sizes from a node are bounded to widget sizes: no overflow.
    readAttr(bar, R"({"pageHeight": 2147483647, "topRowHeight": 2147483647, "tabRowHeight": -5})");
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_OFFICE);
    EXPECT_EQ(bar.sizeHint().height(), 2 * QWIDGETSIZE_MAX + 24);
    EXPECT_EQ(modes, QList<int>({CVN_RIBBON_LAYOUT_COMPACT, CVN_RIBBON_LAYOUT_OFFICE, CVN_RIBBON_LAYOUT_COMPACT,
                                 CVN_RIBBON_LAYOUT_OFFICE}));
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

    // At every width in both modes nothing in the rows covers anything else; every tab shows whole at some arrow step.
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    QWidget* rows[] = {bar.applicationButton()->parentWidget(), RibbonTest::tab(bar, "home")->parentWidget()};
    CVNQRibbonButton* arrow[2] = {}; // "<", ">"
    for (CVNQRibbonButton* b : rows[1]->findChildren<CVNQRibbonButton*>())
        if (b->text() == "<" || b->text() == ">")
            arrow[b->text() == ">"] = b;
    const auto usable = [&bar](CVNQRibbonButton* b) { return b->isVisibleTo(&bar) && b->isEnabled(); };
    // The current tab, marked and wholly in view whenever the tabs show at all.
    const auto currentTabShows = [&] {
        CVNQRibbonButton* tab = RibbonTest::tab(bar, bar.currentPageWidget()->pageId());
        return tab->isChecked() && (tab->isVisibleTo(&bar) || (bar.isTabOverflowing() && !arrow[1]->isVisibleTo(&bar)));
    };
    // Items their owner hid (a widget, a quick button, a command the
    // application hid) stay hidden whatever the widths squeeze and free.
    auto* heldLabel = new QLabel("Held");
    bar.addTopRightWidget(heldLabel);
    heldLabel->hide();
    CVNQRibbonButton* heldButton = bar.addQuickAction(RibbonTest::command(&bar, "heldButton"));
    heldButton->hide();
    QAction* heldAction = RibbonTest::command(&bar, "heldAction");
    CVNQRibbonButton* heldCommand = bar.addQuickAction(heldAction);
    heldAction->setVisible(false);
    const QList<QWidget*> held = {heldLabel, heldButton, heldCommand};
    ASSERT_TRUE(bar.setCurrentPage("design"));
    bar.show(); // its widgets then take every size at once (a label elides)
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    for (const CVN_RIBBON_LAYOUT_MODE mode : {CVN_RIBBON_LAYOUT_OFFICE, CVN_RIBBON_LAYOUT_COMPACT}) {
        bar.setLayoutMode(mode);
        // What is written is what the bar holds, whatever a width squeezes.
        const QString written = bar.configJson();
        // Hidden by its owner while squeezed out, the label stays hidden too.
        heldLabel->show();
        resizeNow(&bar, 100, 157);
        EXPECT_FALSE(heldLabel->isVisibleTo(&bar)) << mode;
        heldLabel->hide();
        for (int width = 100; width <= 1300; width += 6) {
            resizeNow(&bar, width, 157);
            EXPECT_EQ(bar.configJson(), written) << mode << " " << width;
            EXPECT_TRUE(currentTabShows()) << mode << " " << width;
            for (QWidget* item : held)
                EXPECT_FALSE(item->isVisibleTo(&bar)) << mode << " " << width << " " << item->metaObject()->className();
            for (int k = 0; k < 8 && usable(arrow[0]); ++k)
                arrow[0]->click();
            QSet<QString> shown;
            for (int step = 0; step == 0 || (step < 8 && usable(arrow[1])); ++step) {
                if (step > 0)
                    arrow[1]->click();
                for (QWidget* row : rows) {
                    QList<QRect> taken;
                    for (QWidget* item : row->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                        if (!item->isVisibleTo(&bar))
                            continue;
                        const QRect r = item->geometry();
                        for (const QRect& t : taken)
                            EXPECT_FALSE(r.intersects(t)) << mode << " " << width;
                        taken << r;
                        if (item->objectName().startsWith("ribbonTab_")) {
                            shown << item->objectName();
                            EXPECT_TRUE(QRect(0, 0, width, r.bottom() + 1).contains(r)) << width;
                        }
                    }
                }
            }
            EXPECT_TRUE(width < 200 || shown.size() == 4) << mode << " " << width;
        }
        EXPECT_TRUE(bar.findChild<QWidget*>("search")->isVisibleTo(&bar));
        EXPECT_EQ(bar.findChild<QLabel*>("user")->text(), "Operator"); // squeezed on the way, whole again
    }

    // Every way the current page changes brings its tab into view from the far end of the tabs.
    bar.addPage("more", "A page with a long title");
    const QList<QPair<int, std::function<void()>>> changes = {
        {0, [&] { bar.setCurrentPage("more"); }},
        {1, [&] { bar.setCurrentPage(0); }},
        {0, [&] { bar.showContextGroup("tableTools"), bar.setCurrentPage("tableDesign"); }},
        {1, [&] { bar.hideContextGroup("tableTools"); }},
        {0, [&] { bar.setCurrentPage("design"), arrow[0]->click(), resizeNow(&bar, 430, 157); }}};
    for (const CVN_RIBBON_LAYOUT_MODE mode : {CVN_RIBBON_LAYOUT_OFFICE, CVN_RIBBON_LAYOUT_COMPACT}) {
        bar.setLayoutMode(mode);
        for (const auto& change : changes) {
            resizeNow(&bar, 420, 157);
            for (int k = 0; k < 8 && usable(arrow[change.first]); ++k)
                arrow[change.first]->click();
            change.second();
            EXPECT_TRUE(bar.isTabOverflowing() && currentTabShows()) << mode;
        }
    }

    // The quick commands follow the application button, or start 4 px in
    // once it goes with its menu, and come back after a new one; both modes.
    resizeNow(&bar, 1200, 157);
    CVNQRibbonButton* app = bar.applicationButton();
    const auto saveX = [&] {
        for (CVNQRibbonButton* b : app->parentWidget()->findChildren<CVNQRibbonButton*>())
            if (b->ribbonAction() && b->ribbonAction()->objectName() == "save" && b->isVisibleTo(&bar))
                return b->x();
        return -1;
    };
    for (const CVN_RIBBON_LAYOUT_MODE mode : {CVN_RIBBON_LAYOUT_OFFICE, CVN_RIBBON_LAYOUT_COMPACT}) {
        bar.setLayoutMode(mode);
        EXPECT_EQ(saveX(), app->geometry().right() + 1 + 4) << mode;
        bar.setApplicationMenu("File", nullptr);
        EXPECT_EQ(saveX(), 4) << mode;
        bar.setApplicationMenu("File", new CVNQRibbonMenu(&bar));
        EXPECT_EQ(saveX(), app->geometry().right() + 1 + 4) << mode;
        EXPECT_EQ(app->x(), 4) << mode;
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

    // "<" once scrolled, ">" until the end.
    CVNQRibbonButton* left = nullptr;
    CVNQRibbonButton* right = nullptr;
    for (CVNQRibbonButton* b : page->findChildren<CVNQRibbonButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (b->text() == "<")
            left = b;
        else if (b->text() == ">")
            right = b;
    }
    ASSERT_TRUE(left && right);
    page->scrollBy(-100000);
    EXPECT_FALSE(left->isEnabled());
    EXPECT_TRUE(right->isEnabled());
    page->scrollBy(100000);
    EXPECT_TRUE(left->isEnabled());
    EXPECT_FALSE(right->isEnabled());

    // Wider, still overflowing, the page keeps the offset within reach;
    // narrower than its arrows, all of it may be scrolled away.
    const int content = page->sizeHint().width();
    resizeNow(page, 600, 148);
    EXPECT_EQ(page->scrollOffset(), content - (600 - 40));
    EXPECT_EQ(first->x(), 24 - page->scrollOffset());
    resizeNow(page, 30, 148);
    page->scrollBy(100000);
    EXPECT_EQ(page->scrollOffset(), content);

    // The wheel: down scrolls 80 px on, up and sideways 80 px back; a page
    // whose groups fit exactly leaves it to its container.
    resizeNow(page, 400, 148);
    page->scrollBy(-100000);
    auto wheel = [page](QPoint delta) {
        QWheelEvent e(QPointF(50, 50), QPointF(page->mapToGlobal(QPoint(50, 50))), QPoint(), delta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &e);
        return e.isAccepted();
    };
    EXPECT_TRUE(wheel({0, -120}));
    EXPECT_EQ(page->scrollOffset(), 80);
    EXPECT_TRUE(wheel({120, 0}));
    EXPECT_EQ(page->scrollOffset(), 0);
    resizeNow(page, content, 148);
    EXPECT_FALSE(page->isOverflowing());
    EXPECT_FALSE(wheel({0, -120}));
    resizeNow(page, content - 1, 148);
    EXPECT_TRUE(page->isOverflowing());
    EXPECT_TRUE(wheel({0, -120}));

    // Positions outside the list insert at its ends.
    CVNQRibbonGroup* front = page->insertGroup(-3, "front", "Front");
    CVNQRibbonGroup* back = page->insertGroup(page->groupCount() + 5, "back", "Back");
    EXPECT_EQ(page->groupAt(0), front);
    EXPECT_EQ(page->groupAt(page->groupCount() - 1), back);
    EXPECT_EQ(page->groupAt(page->groupCount()), nullptr);
    EXPECT_EQ(page->groupAt(-1), nullptr);
}

TEST_F(RibbonLayoutTest, TabAndTopRowWidthsAndTheEdgesOfTheTabArea)
{
    CVNQRibbonBar bar;
    // An empty bar narrower than its margins has nothing to scroll.
    resizeNow(&bar, 5, 157);
    EXPECT_FALSE(bar.isTabOverflowing());

    // Tabs are 68 to 150 px wide, whatever their titles.
    bar.addPage("a", "A");
    bar.addPage("long", QString(60, QLatin1Char('W')));
    bar.addPage("c", "Charts");
    CVNQRibbonButton* a = RibbonTest::tab(bar, "a");
    CVNQRibbonButton* wide = RibbonTest::tab(bar, "long");
    EXPECT_EQ(a->width(), 68);
    EXPECT_EQ(wide->width(), 150);
    const int total = a->width() + wide->width() + RibbonTest::tab(bar, "c")->width() + 3 * 2;

    // The tabs fit between the office row's 4 px margins exactly, and
    // overflow one pixel narrower.
    resizeNow(&bar, total + 8, 157);
    EXPECT_FALSE(bar.isTabOverflowing());
    resizeNow(&bar, total + 7, 157);
    ASSERT_TRUE(bar.isTabOverflowing());
    CVNQRibbonButton* left = nullptr;
    CVNQRibbonButton* right = nullptr;
    for (CVNQRibbonButton* b : a->parentWidget()->findChildren<CVNQRibbonButton*>()) {
        if (b->text() == "<")
            left = b;
        else if (b->text() == ">")
            right = b;
    }
    ASSERT_TRUE(left && right);
    EXPECT_FALSE(left->isEnabled());
    EXPECT_TRUE(right->isEnabled());

    // Scrolled to the end of a bar where that puts the first tab's right
    // edge on the area's left edge: that tab is hidden, the next one shows.
    resizeNow(&bar, total - 20, 157);
    for (int i = 0; i < 5 && right->isEnabled(); ++i)
        right->click();
    EXPECT_TRUE(left->isEnabled());
    EXPECT_FALSE(right->isEnabled());
    EXPECT_TRUE(a->isHidden());
    EXPECT_FALSE(wide->isHidden());
    // Back at the start of a bar where the second tab starts on the area's
    // right edge: it is hidden.
    resizeNow(&bar, 24 + a->width() + 2 + 24, 157);
    left->click();
    EXPECT_FALSE(left->isEnabled());
    EXPECT_FALSE(a->isHidden());
    EXPECT_TRUE(wide->isHidden());

    // Top row: a quick command showing its text is at most 90 px wide; a
    // top-right widget takes 40 to 180 px.
    resizeNow(&bar, 1200, 157);
    CVNQRibbonButton* quick = bar.addQuickAction(RibbonTest::command(&bar, QString(40, QLatin1Char('Q'))));
    quick->setShowText(true);
    auto* tiny = new QLabel("x");
    auto* long_ = new QLabel(QString(80, QLatin1Char('W')));
    bar.addTopRightWidget(tiny);
    bar.addTopRightWidget(long_);
    EXPECT_EQ(quick->width(), 90);
    EXPECT_EQ(tiny->width(), 40);
    EXPECT_EQ(long_->width(), 180);
}

TEST_F(RibbonLayoutTest, GalleryCellsPagesAndTinySizes)
{
    // Shown, as a gallery on screen: a widget there keeps even a negative
    // size it is given.
    QWidget host;
    host.resize(300, 100);
    auto* gallery = new CVNQRibbonGallery(&host);
    for (int i = 0; i < 7; ++i)
        gallery->addItem(QString("i%1").arg(i), QString::number(i));
    gallery->setGeometry(0, 0, 218, 56);
    ASSERT_TRUE(TestUtil::showExposed(&host));
    QList<CVNQRibbonButton*> items = gallery->findChildren<CVNQRibbonButton*>(QString(), Qt::FindDirectChildrenOnly);
    CVNQRibbonButton* up = items.takeFirst();
    CVNQRibbonButton* down = items.takeFirst();
    CVNQRibbonButton* more = items.takeFirst();
    ASSERT_EQ(items.size(), 7);

    // 3 x 2 cells of 65 x 28 px, drawn 64 x 27; the side buttons 18, 18 and 20 px high.
    auto expectPage = [&](int offset) {
        for (int i = 0; i < items.size(); ++i) {
            const int r = i - offset;
            EXPECT_EQ(items[i]->isVisible(), r >= 0 && r < 6) << offset << " " << i;
            if (r >= 0 && r < 6) {
                EXPECT_EQ(items[i]->geometry(), QRect(r % 3 * 65, r / 3 * 28, 64, 27)) << offset << " " << i;
            }
        }
        EXPECT_EQ(up->isEnabled(), offset > 0);
        EXPECT_EQ(down->isEnabled(), offset == 0);
    };
    EXPECT_EQ(up->geometry(), QRect(198, 0, 20, 18));
    EXPECT_EQ(down->geometry(), QRect(198, 18, 20, 18));
    EXPECT_EQ(more->geometry(), QRect(198, 36, 20, 20));
    expectPage(0);
    // Seven items, six a page: the pages start at items 0 and 1 only.
    QTest::mouseClick(down, Qt::LeftButton);
    expectPage(1);
    gallery->pageDown();
    expectPage(1);
    QTest::mouseClick(up, Qt::LeftButton);
    expectPage(0);
    // Any one item hidden takes no cell: the six others fill the one page,
    // in order, and there is no page to go down to.
    for (int hidden = 0; hidden < items.size(); ++hidden) {
        gallery->actions().at(hidden)->setVisible(false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !items[hidden]->isVisible(); }));
        gallery->pageDown();
        for (int i = 0; i < items.size(); ++i) {
            const int r = i - (i > hidden);
            if (i != hidden) {
                EXPECT_EQ(items[i]->geometry(), QRect(r % 3 * 65, r / 3 * 28, 64, 27)) << hidden << " " << i;
            }
        }
        EXPECT_FALSE(up->isEnabled() || down->isEnabled()) << hidden;
        gallery->actions().at(hidden)->setVisible(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return items[hidden]->isVisible(); }));
    }

    // "..." lists every item.
    QTest::mouseClick(more, Qt::LeftButton);
    auto* menu = gallery->findChild<CVNQRibbonMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions(), gallery->actions());
    menu->close();

    // Counts below 1 are 1.
    gallery->setColumnCount(0);
    gallery->setVisibleRowCount(-2);
    EXPECT_EQ(gallery->sizeHint(), QSize(1 * 66 + 20, 1 * 28 + 4));
    gallery->setColumnCount(3);
    gallery->setVisibleRowCount(2);

    // Too small for its buttons: the side buttons keep 16 px, the cells 1 px.
    gallery->setGeometry(0, 0, 10, 1);
    EXPECT_EQ(up->geometry(), QRect(0, 0, 20, 16));
    EXPECT_EQ(down->geometry(), QRect(0, 16, 20, 16));
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(items[r]->geometry(), QRect(r % 3, r / 3, 0, 0)) << r;

    // Cleared on its second page: no page is left to go to, and the screen shows the arrows so.
    gallery->setGeometry(0, 0, 218, 56);
    gallery->pageDown();
    ASSERT_EQ(gallery->offset(), 1);
    ASSERT_TRUE(TestUtil::waitPainted(&host));
    gallery->clearItems();
    EXPECT_EQ(gallery->offset(), 0);
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    EXPECT_TRUE(TestUtil::screenIsCurrent(&host));
}

TEST_F(RibbonLayoutTest, LowBarsKeepRowsOf20AndNoNegativeHeights)
{
    // Shown: a widget on screen keeps even a negative size it is given.
    QWidget host;
    host.resize(400, 200);
    auto* bar = new CVNQRibbonBar(&host);
    CVNQRibbonPage* page = bar->addPage("p", "Page");
    CVNQRibbonGroup* group = page->addGroup("g", "Group");
    CVNQRibbonButton* large = group->addLargeAction(RibbonTest::command(bar, "big"));
    QList<CVNQRibbonButton*> small;
    for (const char* id : {"a", "b", "c"})
        small.append(group->addSmallAction(RibbonTest::command(bar, id)));
    bar->setGeometry(0, 0, 400, 61 + 48);
    ASSERT_TRUE(TestUtil::showExposed(&host));

    // A group 40 px high: 13 px for the items, yet rows of 20 px.
    EXPECT_EQ(group->height(), 40);
    EXPECT_EQ(large->height(), 13);
    const int x = small[0]->x();
    EXPECT_EQ(small[0]->geometry(), QRect(x, 4, small[0]->width(), 18));
    EXPECT_EQ(small[1]->geometry(), QRect(x, 24, small[0]->width(), 18));
    EXPECT_EQ(small[2]->y(), 44);

    // A bar lower than its rows: page stack, page, group and large item
    // have no height at all.
    bar->setGeometry(0, 0, 400, 40);
    TestUtil::flushEvents();
    EXPECT_EQ(page->parentWidget()->height(), 0);
    EXPECT_EQ(page->height(), 0);
    EXPECT_EQ(group->height(), 0);
    EXPECT_EQ(large->height(), 0);
}

// Every change of what a button asks for reaches its group at once, on the
// shown page and on a hidden one: its column and the group's width follow.
TEST_F(RibbonLayoutTest, EveryChangeOfAButtonsSizeHintReachesItsGroupShownOrHidden)
{
    CVNQRibbonBar bar;
    CVNQRibbonGroup* shown = groupOf(bar);
    CVNQRibbonGroup* hidden = bar.addPage("q", "Other")->addGroup("h", "Hidden");
    ASSERT_TRUE(TestUtil::showExposed(&bar));
    ASSERT_TRUE(shown->isVisible() && !hidden->isVisible());
    QFont font = bar.font();
    auto nextFont = [&] {
        font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() + 2 : 15);
        return font;
    };
    for (CVNQRibbonGroup* group : {shown, hidden}) {
        QAction* action = RibbonTest::command(&bar, group == shown ? "s" : "h");
        CVNQRibbonButton* b = group->addSmallAction(action);
        // A style that names no size draws in the widget's font.
        TextStyleDesc unsized;
        unsized.size = 0;
        b->setTextStyle(CtrlStateAll, unsized);
        auto* menu = new CVNQRibbonMenu;
        const std::vector<std::pair<const char*, std::function<void()>>> changes = {
            {"split", [&] { b->setPopupMode(CVN_RIBBON_POPUP_SPLIT); }},
            {"menu", [&] { b->setPopupMenu(menu); }},
            {"no popup", [&] { b->setPopupMode(CVN_RIBBON_POPUP_NONE); }},
            {"instant", [&] { b->setPopupMode(CVN_RIBBON_POPUP_INSTANT); }},
            {"text", [&] { action->setText("A much longer command"); }},
            {"medium", [&] { b->setItemSize(CVN_RIBBON_ITEM_MEDIUM); }},
            {"menu deleted", [&] { delete menu; }},
            {"large", [&] { b->setItemSize(CVN_RIBBON_ITEM_LARGE); }},
            // A new font, from the bar, the page or the group itself.
            {"bar font", [&] { bar.setFont(nextFont()); }},
            {"page font", [&] { group->ribbonPage()->setFont(nextFont()); }},
            {"group font", [&] { group->setFont(nextFont()); }},
        };
        for (const auto& [what, change] : changes) {
            change();
            TestUtil::flushEvents();
            const std::string where = std::string(what) + (group == shown ? ", shown" : ", hidden");
            EXPECT_EQ(b->width(), b->sizeHint().width()) << where;
            EXPECT_EQ(group->sizeHint().width(), qMax(b->sizeHint().width() + 12, 80)) << where;
        }
    }
}

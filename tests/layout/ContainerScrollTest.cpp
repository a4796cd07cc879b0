// Container scrolling through bound scroll bars, the wheel and the animated
// resize.

#include "CVNQContainer.h"
#include "CVNQScrollBar.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QApplication>
#include <QResizeEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;
using namespace LayoutTest;

namespace {

// A column of three fixed-height rows (100 each) with a bound vertical bar.
struct Column
{
    std::unique_ptr<CVNQContainer> c{root(300, 200, CVNQContainer::Vertical)};
    CVNQScrollBar* bar = new CVNQScrollBar(Qt::Vertical, nullptr);
    CVNQContainer* rows[3];

    Column()
    {
        for (CVNQContainer*& r : rows)
            r = box(c.get(), 10, 100, 0, 1);
        c->bindScrollBar(bar, false);
        c->forceResize();
    }
};

int wheel(QWidget* w, QPoint angle)
{
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(w, &e);
    return e.isAccepted();
}

// A container that grows tall when wide and short when narrow, and records
// that as its unscrolled place: each bar change flips the need for the bar.
class Flipper : public CVNQContainer
{
public:
    using CVNQContainer::CVNQContainer;
    int resizes = 0;

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        CVNQContainer::resizeEvent(e);
        ++resizes;
        const int wanted = width() >= 290 ? 300 : 50;
        if (height() != wanted) {
            resize(width(), wanted);
            setProperty("_cvn_container_base_geometry", geometry());
        }
    }
};

} // namespace

TEST(ContainerScroll, BoundBarCoversOverflowAndMovesChildrenNotTheirBase)
{
    initToolkit();
    Column col;
    CVNQScrollBar* bar = col.bar;
    EXPECT_EQ(bar->parentWidget(), col.c.get());
    EXPECT_EQ(col.c->getBindScrollBar(false), bar);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->pageStep(), 200);
    const int barW = bar->sizeHint().width();
    EXPECT_EQ(bar->geometry(), QRect(300 - barW, 0, barW, 200));
    // The rows make room for the bar and keep their heights.
    EXPECT_EQ(col.rows[2]->geometry(), QRect(0, 200, 300 - barW, 100));
    // A thickness below zero (a file may set it) takes no room: the bar
    // lies on the right edge and the rows keep the whole width.
    bar->setWidthHeight(-8);
    col.c->forceResize();
    EXPECT_EQ(bar->geometry().topLeft(), QPoint(300, 0));
    EXPECT_EQ(col.rows[2]->width(), 300);
    bar->setWidthHeight(-1);
    col.c->forceResize();

    col.c->setScrollPos(false, 40);
    EXPECT_EQ(col.c->getScrollPos(false), 40);
    EXPECT_EQ(col.rows[1]->y(), 60);
    EXPECT_EQ(col.rows[1]->property("_cvn_container_base_geometry").toRect().y(), 100);
    col.c->setScrollPos(false, 500);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(col.rows[0]->y(), -100);

    // A relayout keeps the offset.
    col.c->forceResize();
    EXPECT_EQ(col.rows[0]->y(), -100);

    // Hiding a child shrinks the content at once; showing it grows it back.
    col.c->show();
    col.rows[2]->hide();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(col.c->getScrollPos(false), 0);
    col.rows[2]->show();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), 100);

    // Content that fits hides the bar and resets the offset.
    col.c->resize(300, 400);
    col.c->forceResize();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_EQ(col.c->getScrollPos(false), 0);
    EXPECT_EQ(col.rows[0]->geometry(), QRect(0, 0, 300, 100));

    // The same across: three 100-wide boxes in a 200-wide row scroll by 100.
    std::unique_ptr<CVNQContainer> row(root(200, 300, CVNQContainer::Horizontal));
    for (int i = 0; i < 3; ++i)
        box(row.get(), 100, 10, 1, 0);
    auto* across = new CVNQScrollBar(Qt::Horizontal, nullptr);
    row->bindScrollBar(across, true);
    row->forceResize();
    EXPECT_FALSE(across->isHidden());
    EXPECT_EQ(across->maximum(), 100);
    EXPECT_EQ(across->pageStep(), 200);
    across->setWidthHeight(-8);
    row->forceResize();
    EXPECT_EQ(across->geometry().topLeft(), QPoint(0, 300));

    // Unbinding leaves the bar hidden and unmarked.
    col.c->bindScrollBar(nullptr, false);
    EXPECT_EQ(col.c->getBindScrollBar(false), nullptr);
    EXPECT_FALSE(bar->property("_cvn_container_bound_scrollbar").toBool());
}

TEST(ContainerScroll, ChildrenComeBackWhenTheirLastBarIsUnboundOrDeleted)
{
    // No layout mode: nothing but the bars ever moves the children.
    initToolkit();
    std::unique_ptr<CVNQContainer> c(root(300, 200, CVNQContainer::NoUse));
    QWidget* tall = plain(c.get(), 700, 500);
    tall->move(0, 10);
    auto* vbar = new CVNQScrollBar(Qt::Vertical, nullptr);
    auto* hbar = new CVNQScrollBar(Qt::Horizontal, nullptr);
    c->bindScrollBar(vbar, false);
    c->bindScrollBar(hbar, true);
    c->setScrollPos(false, 100);
    c->setScrollPos(true, 50);
    EXPECT_EQ(tall->pos(), QPoint(-50, -90));

    delete vbar; // the horizontal bar still scrolls
    EXPECT_EQ(tall->pos(), QPoint(-50, 10));
    c->bindScrollBar(nullptr, true);
    EXPECT_EQ(c->getScrollPos(true), 0);
    EXPECT_EQ(tall->pos(), QPoint(0, 10));

    c->bindScrollBar(hbar, true);
    c->setScrollPos(true, 30);
    EXPECT_EQ(tall->pos(), QPoint(-30, 10));
    delete hbar;
    EXPECT_EQ(c->getScrollPos(true), 0);
    EXPECT_EQ(tall->pos(), QPoint(0, 10));
}

TEST(ContainerScroll, WheelStepsAtLeast24AndIgnoresSidewaysWheels)
{
    initToolkit();
    Column col;
    CVNQScrollBar* bar = col.bar;
    bar->setSingleStep(1);
    EXPECT_TRUE(wheel(col.c.get(), QPoint(0, -120)));
    EXPECT_EQ(bar->value(), 24);
    bar->setSingleStep(50);
    wheel(col.c.get(), QPoint(0, -120));
    EXPECT_EQ(bar->value(), 74);
    wheel(col.c.get(), QPoint(0, 120));
    EXPECT_EQ(bar->value(), 24);

    // No vertical movement: nothing scrolls and the event goes on.
    EXPECT_FALSE(wheel(col.c.get(), QPoint(120, 0)));
    EXPECT_FALSE(wheel(col.c.get(), QPoint(0, 0)));
    EXPECT_EQ(bar->value(), 24);

    // Nothing to scroll: the container leaves the wheel alone.
    col.c->resize(300, 600);
    col.c->forceResize();
    EXPECT_FALSE(wheel(col.c.get(), QPoint(0, -120)));
}

TEST(ContainerScroll, BarThatFlipsTheLayoutStopsAfterAFewRounds)
{
    initToolkit();
    std::unique_ptr<CVNQContainer> c(root(300, 200, CVNQContainer::Vertical));
    auto* flipper = new Flipper(c.get());
    flipper->setWidthPolicy(0);
    flipper->setHeightPolicy(1);
    flipper->resize(10, 50);
    auto* bar = new CVNQScrollBar(Qt::Vertical, nullptr);
    bar->setWidthHeight(16);
    c->bindScrollBar(bar, false);
    c->show();
    flipper->resizes = 0;
    c->forceResize(); // would recurse without end if the rounds were unbounded
    EXPECT_LE(flipper->resizes, 20);
    EXPECT_GT(flipper->resizes, 2);
}

TEST(ContainerScroll, ResizeAnimationPinsTheAnimatedAxisAndRelaysTheParent)
{
    initToolkit();
    std::unique_ptr<CVNQContainer> page(root(800, 600, CVNQContainer::Vertical));
    CVNQContainer* drawer = box(page.get(), 0, 300);
    drawer->setAbsoluteDock(2, 1, 24, 0);
    page->forceResize();

    ASSERT_TRUE(drawer->startResizeAnimation(QSize(0, 300), QSize(240, 300), 200));
    EXPECT_TRUE(drawer->isResizeAnimationRunning());
    EXPECT_FALSE(drawer->startResizeAnimation(QSize(0, 300), QSize(100, 300), 50));
    ASSERT_TRUE(TestUtil::waitFor([drawer] { return drawer->width() > 0; })); // under way
    EXPECT_EQ(drawer->minimumWidth(), drawer->maximumWidth());
    EXPECT_EQ(drawer->minimumWidth(), drawer->width());
    EXPECT_EQ(drawer->minimumHeight(), 0); // the height is not animated
    ASSERT_TRUE(TestUtil::waitFor([drawer] { return !drawer->isResizeAnimationRunning(); }));
    EXPECT_FALSE(drawer->isResizeAnimationRunning());
    EXPECT_EQ(drawer->size(), QSize(240, 300));
    EXPECT_EQ(drawer->maximumWidth(), 240);
    // The parent docked the drawer at its right edge at every step.
    EXPECT_EQ(drawer->geometry(), QRect(800 - 240 + 24, 150, 240, 300));

    // Without a duration the target applies at once.
    EXPECT_TRUE(drawer->startResizeAnimation(QSize(240, 300), QSize(-5, 300), 0));
    EXPECT_EQ(drawer->width(), 0);
}

// Child layout of CVNQContainer: ratio, spacer and flow passes, the cross
// axis, docking and auto-size, the deferred relayout and the JSON node.

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQSpacer.h"
#include "CVNQtLib.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QPointer>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;
using namespace LayoutTest;

class ContainerLayout : public ::testing::Test
{
protected:
    void SetUp() override { initToolkit(); }
};

TEST_F(ContainerLayout, RatioPassSharesWidthAndKeepsChildrenRatioLaidOut)
{
    std::unique_ptr<CVNQContainer> c(root(300, 40, CVNQContainer::Horizontal));
    c->setChildSpace(10);
    CVNQContainer* a = box(nullptr, 10, 40);
    CVNQContainer* b = box(nullptr, 10, 40);
    CVNQContainer* d = box(nullptr, 10, 40);
    for (CVNQContainer* x : {a, b, d})
        c->addChildWidget(x, 1);
    EXPECT_EQ(a->geometry(), QRect(0, 0, 93, 40));
    EXPECT_EQ(b->geometry(), QRect(103, 0, 93, 40));
    EXPECT_EQ(d->geometry(), QRect(206, 0, 94, 40));
    // Placing a ratio child must not turn it into an absolute one.
    EXPECT_EQ(a->getLayoutType(), 0);
    EXPECT_EQ(d->getLayoutRatio(), 1);

    // A fixed child between the flexible ones keeps its 100.
    b->setWidthPolicy(1);
    b->resize(100, 40);
    c->forceResize();
    EXPECT_EQ(a->width(), 90);
    EXPECT_EQ(b->geometry(), QRect(100, 0, 100, 40));
    EXPECT_EQ(d->geometry(), QRect(210, 0, 90, 40));

    // A hidden child still takes its share and its space.
    b->setWidthPolicy(-1);
    b->hide();
    c->forceResize();
    EXPECT_EQ(d->x(), 206);
}

TEST_F(ContainerLayout, CrossAxisFollowsHeightPolicyWithinPadding)
{
    std::unique_ptr<CVNQContainer> c(root(200, 50, CVNQContainer::Horizontal));
    c->setChildPadding(5);
    CVNQContainer* fill = box(c.get(), 10, 10, -1, 0);
    CVNQContainer* keep = box(c.get(), 10, 30);
    CVNQContainer* tall = box(c.get(), 10, 60);
    c->forceResize();
    EXPECT_EQ(fill->geometry(), QRect(5, 5, 63, 40));
    EXPECT_EQ(keep->height(), 30);
    EXPECT_EQ(tall->height(), 40);

    // Vertical mirrors it: the children sit at paddingLeft, widths fill.
    c->setChildLayout(CVNQContainer::Vertical);
    fill->setWidthPolicy(0);
    c->forceResize();
    EXPECT_EQ(fill->geometry(), QRect(5, 5, 190, 13));
    EXPECT_EQ(tall->geometry().bottom(), 44);
}

TEST_F(ContainerLayout, SpacerStretchesBetweenChildrenAndGivesWayFirst)
{
    std::unique_ptr<CVNQContainer> c(root(400, 30, CVNQContainer::Horizontal));
    QWidget* left = plain(c.get(), 80, 30);
    auto* spacer = new CVNQSpacer(c.get());
    QWidget* right = plain(c.get(), 60, 30);
    spacer->setThickness(12);
    EXPECT_EQ(left->geometry(), QRect(0, 0, 80, 30));
    EXPECT_EQ(spacer->geometry(), QRect(80, 0, 260, 12));
    EXPECT_EQ(right->geometry(), QRect(340, 0, 60, 30));

    c->resize(100, 30);
    c->forceResize();
    EXPECT_EQ(spacer->width(), 0);
    EXPECT_EQ(left->width() + right->width(), 100);
    EXPECT_EQ(left->width(), 80 - 80 * 40 / 140);

    // A spacer for the other axis is an ordinary child: ratio pass.
    spacer->setDirection(CVNQSpacer::Vertical);
    c->resize(300, 30);
    c->forceResize();
    EXPECT_EQ(spacer->width(), 100);
}

TEST_F(ContainerLayout, LengthsCutForLackOfRoomComeBackWithTheRoom)
{
    // The containers are not shown: each resize is followed by a relayout.
    auto resize = [](CVNQContainer* c, int w, int h) {
        c->resize(w, h);
        c->forceResize();
    };
    // Buttons around a spacer: squeezed into 100, then given 400 again.
    std::unique_ptr<CVNQContainer> row(root(400, 30, CVNQContainer::Horizontal));
    QWidget* left = plain(row.get(), 80, 30);
    auto* spacer = new CVNQSpacer(row.get());
    QWidget* right = plain(row.get(), 60, 30);
    row->forceResize();
    resize(row.get(), 100, 30);
    EXPECT_EQ(left->width() + right->width(), 100);
    resize(row.get(), 400, 30);
    EXPECT_EQ(left->width(), 80);
    EXPECT_EQ(spacer->width(), 260);
    EXPECT_EQ(right->width(), 60);

    // A fixed child of a column that was briefly empty of room; a child
    // taller than its row while the row is short.
    std::unique_ptr<CVNQContainer> column(root(200, 300, CVNQContainer::Vertical));
    CVNQContainer* fixed = box(column.get(), 10, 50, 0, 1);
    column->forceResize();
    resize(column.get(), 200, 0);
    EXPECT_EQ(fixed->height(), 0);
    resize(column.get(), 200, 300);
    EXPECT_EQ(fixed->height(), 50);
    QWidget* tall = plain(row.get(), 20, 60);
    row->forceResize();
    EXPECT_EQ(tall->height(), 30);
    resize(row.get(), 400, 100);
    EXPECT_EQ(tall->height(), 60);

    // Resized by hand after the cut: the new size is what it keeps.
    resize(column.get(), 200, 20);
    fixed->resize(10, 35);
    resize(column.get(), 200, 300);
    EXPECT_EQ(fixed->height(), 35);

    // A docked child narrowed to its container, then given room.
    std::unique_ptr<CVNQContainer> dock(root(200, 100, CVNQContainer::Vertical));
    CVNQContainer* wide = box(dock.get(), 300, 20);
    wide->setAbsoluteDock(1, 0, 0, 0);
    dock->forceResize();
    EXPECT_EQ(wide->width(), 200);
    resize(dock.get(), 400, 100);
    EXPECT_EQ(wide->geometry(), QRect(50, 0, 300, 20));
}

TEST_F(ContainerLayout, FlowPassWrapsRowsAndColumns)
{
    std::unique_ptr<CVNQContainer> c(root(250, 400, CVNQContainer::HorFloat));
    c->setChildSpace(10);
    QWidget* w[4];
    for (int i = 0; i < 4; ++i)
        w[i] = plain(c.get(), 100, i == 1 ? 70 : 50);
    c->forceResize();
    EXPECT_EQ(w[0]->pos(), QPoint(0, 0));
    EXPECT_EQ(w[1]->pos(), QPoint(110, 0));
    EXPECT_EQ(w[2]->pos(), QPoint(0, 80));
    EXPECT_EQ(w[3]->pos(), QPoint(110, 80));

    c->resize(400, 130);
    c->setChildLayout(CVNQContainer::VerFloat);
    EXPECT_EQ(w[1]->pos(), QPoint(0, 60));
    EXPECT_EQ(w[2]->pos(), QPoint(110, 0));
}

TEST_F(ContainerLayout, DockingAnchorsAndNarrowsAbsoluteChildren)
{
    std::unique_ptr<CVNQContainer> c(root(400, 300, CVNQContainer::Vertical));
    c->setChildPadding(10);
    CVNQContainer* docked = box(c.get(), 100, 50);
    docked->setAbsoluteDock(1, 2, 0, -10);
    CVNQContainer* wide = box(c.get(), 900, 20);
    wide->setAbsoluteDock(1, 0, 0, 0);
    CVNQContainer* flowing = box(c.get(), 10, 10, 0, -1);
    c->forceResize();
    EXPECT_EQ(docked->geometry(), QRect(150, 230, 100, 50));
    EXPECT_EQ(wide->geometry(), QRect(10, 10, 380, 20));
    // Docked children are not part of the column.
    EXPECT_EQ(flowing->geometry(), QRect(10, 10, 380, 280));
    // Negative paddings (a file may hold them) widen the room, but anchor
    // at the edge itself.
    c->setChildPadding(-6, -4, 0, 0);
    EXPECT_EQ(wide->geometry(), QRect(0, 0, 406, 20));
    c->setChildPadding(10);

    // An auto-sized docked container takes its content's size.
    docked->setChildLayout(CVNQContainer::Horizontal);
    docked->setChildSpace(4);
    docked->setChildPadding(2, 3, 2, 3);
    QWidget* fixedA = box(docked, 30, 20, 1, 1);
    QWidget* fixedB = box(docked, 40, 25, 1, 1);
    docked->setAbsoluteDockAutoSize(true);
    EXPECT_EQ(docked->size(), QSize(2 + 30 + 4 + 40 + 2, 3 + 25 + 3));
    EXPECT_EQ(fixedB->x(), 36);
    EXPECT_EQ(fixedA->height(), 20);
    // So does it in a column and with children where they stand.
    auto resized = [&] {
        docked->setAbsoluteDockAutoSize(false);
        docked->setAbsoluteDockAutoSize(true);
        return docked->size();
    };
    docked->setChildLayout(CVNQContainer::Vertical);
    EXPECT_EQ(resized(), QSize(2 + 40 + 2, 3 + 20 + 4 + 25 + 3));
    docked->setChildLayout(CVNQContainer::NoUse);
    fixedA->move(5, 6);
    fixedB->move(50, 60);
    EXPECT_EQ(resized(), QSize(2 + 50 + 40 + 2, 3 + 60 + 25 + 3));
    // Children wholly above and left of it add nothing to the paddings.
    fixedA->move(-80, -90);
    fixedB->move(-60, -70);
    EXPECT_EQ(resized(), QSize(2 + 2, 3 + 3));
}

TEST_F(ContainerLayout, DeferredRelayoutAfterAddingChildNeverOutlivesContainer)
{
    auto* c = root(200, 40, CVNQContainer::Horizontal);
    QWidget* a = plain(c, 10, 10);
    QWidget* b = plain(c, 10, 10);
    EXPECT_EQ(a->width(), 10); // not yet: the relayout is deferred
    TestUtil::flushEvents();
    EXPECT_EQ(a->width(), 100);
    EXPECT_EQ(b->x(), 100);
    // One that leaves, deleted or taken by another parent, gives its room back.
    delete a;
    TestUtil::flushEvents();
    EXPECT_EQ(b->geometry(), QRect(0, 0, 200, 10));
    std::unique_ptr<QWidget> away(plain(c, 10, 10));
    TestUtil::flushEvents();
    away->setParent(nullptr);
    TestUtil::flushEvents();
    EXPECT_EQ(b->width(), 200);

    plain(c, 10, 10);
    delete c; // its pending relayout must go with it
    TestUtil::flushEvents();
    SUCCEED();
}

TEST_F(ContainerLayout, RatiosGivenWhileHiddenAreLaidOutOnceBeforeTheColumnShows)
{
    std::unique_ptr<CVNQContainer> c(root(100, 300, CVNQContainer::Vertical));
    CVNQContainer* a = box(nullptr, 100, 10);
    CVNQContainer* b = box(nullptr, 100, 10);
    c->addChildWidget(a, 1);
    c->addChildWidget(b, 1);
    EXPECT_EQ(a->height(), 150);
    b->setLayoutRatio(2);
    EXPECT_EQ(a->height(), 150); // gathered, not yet laid out
    TestUtil::flushEvents();
    EXPECT_EQ(a->height(), 100);
    EXPECT_EQ(b->geometry(), QRect(0, 100, 100, 200));
    // The container's own ratio setter lays out at once, hidden or not.
    c->setChildRatio(a, 2);
    EXPECT_EQ(a->height(), 150);
    c->setChildRatio(nullptr, 3);

    // Showing runs a pending relayout before anything is painted.
    a->setLayoutRatio(5);
    c->show();
    EXPECT_EQ(b->geometry(), QRect(0, 214, 100, 86));
    // On screen a ratio shows at once.
    b->setLayoutRatio(1);
    EXPECT_EQ(a->height(), 250);
}

TEST_F(ContainerLayout, JsonNodeRoundTripsLayoutKeysAndStyles)
{
    FillStyle bg;
    bg.name = QStringLiteral("LayoutTestBg");
    bg.fill.clr = QColor(10, 20, 30);
    cvnSetFillStyle(QStringLiteral("LayoutTestBg"), bg);
    FillStyle off;
    off.name = QStringLiteral("LayoutTestOff");
    off.fill.clr = QColor(200, 200, 200);
    cvnSetFillStyle(QStringLiteral("LayoutTestOff"), off);

    Json::Value node = TestUtil::json(R"({"type": "qtcontainer", "name": "page", "w": 300, "h": 200,
        "style": [["LayoutTestOff", 1, 1], ["LayoutTestBg", 1, 0], ["Missing", 1, 1]],
        "attr": {"childLayout": 1, "space": 6, "paddingLeft": 3, "paddingTop": 2, "paddingRight": 5, "paddingBottom": 4,
                 "absoluteDockAutoSize": true, "drawBackground": false}})");
    std::unique_ptr<QWidget> w(createControl("qtcontainer", node, nullptr));
    auto* c = qobject_cast<CVNQContainer*>(w.get());
    ASSERT_TRUE(c);
    EXPECT_EQ(c->getChildLayout(), CVNQContainer::Vertical);
    EXPECT_EQ(c->getChildSpace(), 6);
    EXPECT_TRUE(c->getAbsoluteDockAutoSize());
    // The later index-0 entry overrides the disabled background too.
    EXPECT_EQ(c->getDisableBackground().name, QStringLiteral("LayoutTestBg"));

    Json::Value out;
    c->serializeJsonValue(&out, false);
    EXPECT_TRUE(TestUtil::keepsEveryKey(node, out, {"style"})); // the style list is written compactly
    EXPECT_EQ(out["attr"]["childLayout"].asInt(), 1);
    EXPECT_EQ(out["attr"]["paddingBottom"].asInt(), 4);
    EXPECT_TRUE(out["attr"]["absoluteDockAutoSize"].asBool());
    // A disabled background that paints like the background is not written.
    EXPECT_EQ(out["style"].size(), 1u);

    c->setDisableBackground(off);
    c->setChildPadding(3, 0, 5, 4);
    Json::Value out2;
    c->serializeJsonValue(&out2, false);
    EXPECT_FALSE(out2["attr"].isMember("paddingTop")) << "a padding of 0 is not written";
    ASSERT_EQ(out2["style"].size(), 2u);
    EXPECT_EQ(out2["style"][1][0].asString(), "LayoutTestOff");
    EXPECT_EQ(out2["style"][1][2].asInt(), 1);
    std::unique_ptr<QWidget> again(createControl("qtcontainer", out2, nullptr));
    auto* c2 = qobject_cast<CVNQContainer*>(again.get());
    ASSERT_TRUE(c2);
    EXPECT_EQ(c2->getBackground().fill.clr, QColor(10, 20, 30));
    EXPECT_EQ(c2->getDisableBackground().fill.clr, QColor(200, 200, 200));

    // An out-of-range mode reads as "No Use"; a node without "attr" keeps it.
    Json::Value seven = TestUtil::json(R"({"attr": {"childLayout": 7}})");
    c->readJsonValue(&seven);
    EXPECT_EQ(c->getChildLayout(), CVNQContainer::NoUse);
    c->setChildLayout(CVNQContainer::HorFloat);
    Json::Value bare = TestUtil::json(R"({"name": "x"})");
    c->readJsonValue(&bare);
    EXPECT_EQ(c->getChildLayout(), CVNQContainer::HorFloat);

    // Registered with its property table: common rows, then its own.
    const ControlInfo* info = cvnGetControlInfo(QStringLiteral("qtcontainer"));
    ASSERT_TRUE(info);
    ASSERT_EQ(info->properties.size(), 12u);
    EXPECT_EQ(info->properties[7].name, QStringLiteral("Background"));
    EXPECT_EQ(info->properties[11].name, QStringLiteral("ChildPadding"));
    EXPECT_EQ(info->key, "container");
}

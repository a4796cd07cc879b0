// The node-graph view: card geometry, connections by API and by dragging
// from a port, node dragging, read-only mode and the connection width.

#include "CVNQFlowView.h"
#include "FlowTestUtil.h"
#include "TableViewTestUtil.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

using FlowTest::node;

struct Graph
{
    CVNQFlowView view;
    Graph()
    {
        initToolkit();
        FillStyle back;
        back.fill.clr = QColor(18, 21, 26);
        view.setBackground(back);
        view.resize(400, 300);
        view.setNodes({node("a", {0, 0}, {0.1, 0.1}, QColor(73, 220, 187)),
                       node("b", {0.75, 0.3}, {0.3, 0.25}, QColor(255, 194, 92)),
                       node("c", {0.35, 0.75}, {0.3, 0.25}, QColor(114, 159, 255))});
    }
};

} // namespace

TEST(FlowView, DrawsCardsConnectionsAndArrowsInsideTheView)
{
    Graph g;
    ASSERT_TRUE(TestUtil::showExposed(&g.view));
    // Each change on screen shows by itself.
    auto shows = [&](const std::function<void()>& change) { return TestUtil::repaintsAfter(&g.view, change); };
    EXPECT_TRUE(shows([&] {
        g.view.setConnections({{"b", "c", QColor(255, 120, 134), true}, {"a", "gone", QColor(255, 0, 0), false}});
    }));
    EXPECT_TRUE(shows([&] { EXPECT_TRUE(g.view.addConnection("a", "b")); }));
    EXPECT_TRUE(shows([&] { g.view.setSelectedNodeId("b"); }));
    const QImage img = TestUtil::screenShot(&g.view);
    img.save(TestUtil::shotPath("flowview.png"));
    TestUtil::expectMatchesReference(img, "flowview");
    // "a" at (0, 0) with size (0.1, 0.1): an 86 x 66 card from the top-left.
    EXPECT_TRUE(hasColorIn(img, QRect(60, 45, 20, 15), QColor(30, 36, 44), 2));
    EXPECT_FALSE(hasColorIn(img, QRect(90, 20, 4, 20), QColor(30, 36, 44), 2));
    EXPECT_TRUE(hasColorIn(img, QRect(9, 9, 9, 9), QColor(73, 220, 187), 4));
    EXPECT_TRUE(hasColorIn(img, img.rect(), QColor(255, 120, 134), 20));
    EXPECT_TRUE(hasColorIn(img, img.rect(), QColor(74, 122, 128), 20));
    EXPECT_FALSE(hasColorIn(img, img.rect(), QColor(255, 0, 0), 20));
    EXPECT_TRUE(hasColorIn(img, img.rect(), QColor(146, 134, 255), 10));
    EXPECT_TRUE(g.view.nodes().at(1).selected);

    EXPECT_TRUE(shows([&] { EXPECT_TRUE(g.view.removeConnection("a", "b")); }));
    EXPECT_TRUE(shows([&] { g.view.setGridVisible(!g.view.isGridVisible()); }));
    EXPECT_TRUE(shows([&] { g.view.setConnectionWidth(4.0); }));
    EXPECT_TRUE(shows([&] { g.view.setReadOnly(false); }));
    EXPECT_TRUE(shows([&] { g.view.setNodes(g.view.nodes()); }));
    // Nodes handed in with stale flags: the selected id alone says which is selected and highlighted.
    const QImage selected = TestUtil::screenShot(&g.view);
    QVector<CVNQFlowNode> stale = g.view.nodes();
    for (CVNQFlowNode& n : stale)
        n.selected = !n.selected;
    g.view.setNodes(stale);
    for (const CVNQFlowNode& n : g.view.nodes())
        EXPECT_EQ(n.selected, n.id == "b") << n.id.toStdString();
    EXPECT_EQ(TestUtil::screenShot(&g.view), selected);

    // A card placed at any edge lies flush with it, none beyond: "d" in the
    // bottom-right corner, "b" (centre 300, 120 wide) ending at 360, and the centre
    // read back from a drag to that corner is the corner card's.
    g.view.setNodes(g.view.nodes() << node("d", {1, 1}, {0.1, 0.1}, QColor(250, 250, 40)));
    const QImage corner = TestUtil::screenShot(&g.view);
    EXPECT_TRUE(hasColorIn(corner, QRect(392, 282, 4, 14), QColor(30, 36, 44), 2));
    EXPECT_FALSE(hasColorIn(corner, QRect(304, 260, 6, 20), QColor(30, 36, 44), 2));
    EXPECT_TRUE(hasColorIn(corner, QRect(350, 100, 6, 20), QColor(30, 36, 44), 2));
    EXPECT_FALSE(hasColorIn(corner, QRect(364, 100, 8, 20), QColor(30, 36, 44), 2));
    TestUtil::drag(&g.view, {357, 267}, {60, 60});
    EXPECT_NEAR(g.view.nodes().at(3).position.x(), 357.0 / 400, 1e-9);
    EXPECT_NEAR(g.view.nodes().at(3).position.y(), 267.0 / 300, 1e-9);

    // A connection with an end no node has (unknown when set, or its node
    // removed since) draws nothing at all: the picture is the one without it.
    const CVNQFlowConnection bc{"b", "c", QColor(255, 120, 134), true};
    g.view.setConnections({bc, {"d", "a", QColor(0, 255, 0), true}});
    g.view.setNodes(g.view.nodes().mid(0, 3));
    g.view.setConnections(g.view.connections() << CVNQFlowConnection{"gone", "b", QColor(255, 0, 0), true}
                                               << CVNQFlowConnection{"c", "gone", QColor(0, 0, 255), false});
    const QImage dangling = TestUtil::screenShot(&g.view);
    g.view.setConnections({bc});
    EXPECT_EQ(TestUtil::screenShot(&g.view), dangling);

    // A view 60 pixels wide keeps an 86-wide card's left edge at 0.
    g.view.resize(60, 300);
    g.view.setConnections({});
    const QImage narrow = TestUtil::screenShot(&g.view);
    EXPECT_TRUE(hasColorIn(narrow, QRect(2, 20, 4, 20), QColor(30, 36, 44), 2));
}

TEST(FlowView, ConnectionsRefuseWhatIsNotANewPairOfNodes)
{
    Graph g;
    QSignalSpy created(&g.view, &CVNQFlowView::connectionCreated);
    EXPECT_TRUE(g.view.addConnection("a", "b"));
    EXPECT_FALSE(g.view.addConnection("a", "b"));
    EXPECT_TRUE(g.view.addConnection("b", "a"));
    EXPECT_FALSE(g.view.addConnection("a", "a"));
    EXPECT_FALSE(g.view.addConnection("a", "zz"));
    EXPECT_FALSE(g.view.addConnection("", "b"));
    EXPECT_EQ(created.count(), 2);
    EXPECT_TRUE(g.view.removeConnection("a", "b"));
    EXPECT_FALSE(g.view.removeConnection("a", "b"));
    ASSERT_EQ(g.view.connections().size(), 1);
    EXPECT_EQ(g.view.connections().at(0).fromId, "b");
}

TEST(FlowView, DraggingMovesNodesAndDrawsConnectionsUnlessReadOnly)
{
    Graph g;
    QSignalSpy activated(&g.view, &CVNQFlowView::nodeActivated);
    QSignalSpy moved(&g.view, &CVNQFlowView::nodeMoved);
    QSignalSpy created(&g.view, &CVNQFlowView::connectionCreated);

    // Read-only at first: a press selects, a drag moves nothing.
    TestUtil::drag(&g.view, {40, 30}, {160, 170}); // to (200, 200)
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(g.view.selectedNodeId(), "a");
    EXPECT_TRUE(moved.isEmpty());

    g.view.setReadOnly(false);
    CVNQFlowNode a = g.view.nodes().at(0);
    a.size = QSizeF(0, 0);
    g.view.setNodes({a, g.view.nodes().at(1), g.view.nodes().at(2)});
    // On screen, the press, each step of the drag and the drop show at once.
    ASSERT_TRUE(TestUtil::showExposed(&g.view));
    auto shows = [&](const std::function<void()>& step) { return TestUtil::repaintsAfter(&g.view, step); };
    g.view.setSelectedNodeId(QString());
    EXPECT_TRUE(shows([&] { TestUtil::press(&g.view, {40, 30}); }));
    EXPECT_TRUE(shows([&] { TestUtil::move(&g.view, {10, 10}, Qt::LeftButton); }));
    TestUtil::release(&g.view, {10, 10});
    ASSERT_EQ(moved.count(), 1);
    const QPointF p = g.view.nodes().at(0).position;
    EXPECT_NEAR(p.x(), 43.0 / 400, 1e-9);
    EXPECT_NEAR(p.y(), 33.0 / 300, 1e-9);

    // From a's right port (86, 33) onto c's card: a new connection.
    TestUtil::press(&g.view, {84, 33});
    EXPECT_TRUE(shows([&] { TestUtil::move(&g.view, {140, 225}, Qt::LeftButton); }));
    EXPECT_TRUE(shows([&] { TestUtil::release(&g.view, {140, 225}); }));
    ASSERT_EQ(created.count(), 1);
    EXPECT_EQ(created.at(0).at(0).toString(), "a");
    EXPECT_EQ(created.at(0).at(1).toString(), "c");
    // From c's right port (200, 225) onto a, the first node.
    TestUtil::press(&g.view, {198, 225});
    TestUtil::release(&g.view, {40, 30});
    ASSERT_EQ(created.count(), 2);
    EXPECT_EQ(created.at(1).at(0).toString(), "c");
    EXPECT_EQ(created.at(1).at(1).toString(), "a");
    // Released over its own card: nothing, and the rubber line goes.
    TestUtil::press(&g.view, {84, 33});
    EXPECT_TRUE(shows([&] { TestUtil::release(&g.view, {50, 40}); }));
    // Near a port but off every card: nothing starts.
    TestUtil::press(&g.view, {92, 33});
    TestUtil::release(&g.view, {140, 225});
    EXPECT_EQ(created.count(), 2);
    EXPECT_EQ(g.view.nodes().at(0).position, p);
}

TEST(FlowView, ConnectionWidthIsFiniteAndAtLeastOne)
{
    CVNQFlowView view;
    EXPECT_DOUBLE_EQ(view.connectionWidth(), 2.4);
    view.setConnectionWidth(0.3);
    EXPECT_DOUBLE_EQ(view.connectionWidth(), 1.0);
    view.setConnectionWidth(3.5);
    EXPECT_DOUBLE_EQ(view.connectionWidth(), 3.5);
    for (double bad :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        view.setConnectionWidth(bad);
        EXPECT_DOUBLE_EQ(view.connectionWidth(), 1.0);
    }
}

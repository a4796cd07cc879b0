// The canvas pictures a page as it runs: its controls sit where the same
// page puts them in a window of the page's size and look as they do there.

#include "CVNQChartBase.h"
#include "CVNQChartRegistration.h"
#include "CVNQResourceManager.h"
#include "CVNQWindow.h"
#include "DesignerTestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

constexpr const char* kViewsPage = R"({"w": 640, "h": 420, "elements": [
  {"type": "qtcontainer", "name": "root", "style": [["pvRoot", 1, 0]], "child": [
    {"type": "qtdatagrid", "name": "grid", "layout": {"type": 1}, "x": 10, "y": 10, "w": 300, "h": 180},
    {"type": "qtlinechart", "name": "chart", "layout": {"type": 1}, "x": 330, "y": 10, "w": 280, "h": 150},
    {"type": "qttext", "name": "notes", "layout": {"type": 1}, "x": 10, "y": 210, "w": 300, "h": 90,
     "attr": {"text": "Gusts above 18 m/s"}},
    {"type": "qtspinbox", "name": "count", "layout": {"type": 1}, "x": 330, "y": 275, "w": 120, "h": 30},
    {"type": "qtscrollview", "name": "view", "layout": {"type": 1}, "x": 470, "y": 180, "w": 150, "h": 120},
    {"type": "qtlabel", "name": "caption", "layout": {"type": 1}, "x": 330, "y": 230, "w": 120, "h": 30,
     "attr": {"text": "Farm"}},
    {"type": "qtgroupbox", "name": "box", "layout": {"type": 1}, "x": 10, "y": 310, "w": 300, "h": 100,
     "attr": {"text": "Turbine"}, "child": [{"type": "qtcontainer", "name": "past", "layout": {"type": 1}, "x": 230,
      "y": 50, "w": 160, "h": 30, "style": [["pvRow", 1, 0]]}]},
    {"type": "qtlistview", "name": "list", "layout": {"type": 1}, "x": 330, "y": 310, "w": 290, "h": 100, "child": [
      {"type": "qtcontainer", "name": "row", "layout": {"type": 1}, "w": 290, "h": 30, "style": [["pvRow", 1, 0]]}]}]}]})";

void defineFills()
{
    const std::pair<const char*, QColor> fills[] = {
        {"pvRoot", QColor(0x0f, 0x1b, 0x2b)},  {"pvRow", QColor(0xc9, 0x4b, 0x4b)},
        {"pgRoot", QColor(0x0f, 0x1b, 0x2b)},  {"pgPanel", QColor(0x16, 0x26, 0x3b)},
        {"pgStack", QColor(0x12, 0x20, 0x33)}, {"pgHeader", QColor(0x0b, 0x15, 0x22)},
        {"pgSide", QColor(0x0b, 0x15, 0x22)},  {"pgTile0", QColor(0x2e, 0xa0, 0x6b)},
        {"pgTile1", QColor(0x1f, 0x8a, 0xc9)}, {"pgTile2", QColor(0xe0, 0x9b, 0x2d)},
        {"pgTile3", QColor(0xc9, 0x4b, 0x4b)}, {"pgTile4", QColor(0x6b, 0x7a, 0x8f)}};
    for (const auto& [name, colour] : fills) {
        FillStyle style;
        style.name = name;
        style.fill.clr = colour;
        CVNQResourceManager::getInstance()->setFillStyle(style.name, style);
    }
}

QString pageFile(const char* name)
{
    return TestUtil::sourcePath(QStringLiteral("tests/layout/pages/") + name);
}

// The page run in a window of its size, and the canvas showing it.
struct Both
{
    explicit Both(const QString& file)
    {
        cvnCreatePageByFileName(&window, file);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        canvas.resize(window.size());
        EXPECT_TRUE(canvas.OpenJsonFile(file));
        onCanvas = canvas.grab().toImage();
        inWindow = window.grab().toImage();
        const QString base = QFileInfo(file).baseName();
        onCanvas.save(TestUtil::shotPath("canvas-" + base + ".png"));
        inWindow.save(TestUtil::shotPath("window-" + base + ".png"));
        TestUtil::expectMatchesReference(onCanvas, "canvas-" + base);
        TestUtil::expectMatchesReference(inWindow, "window-" + base);
    }
    CVNQWindow window;
    CVNQCanvas canvas;
    QImage onCanvas, inWindow;
};

} // namespace

TEST(DesignerCanvas, PagesPicturedAsTheyRun)
{
    init();
    cvnRegisterChartControls();
    defineFills();
    {
        Both nested(pageFile("nested_layout_page.json"));
        const auto inWindow = shownPlaces(&nested.window, true);
        const auto onCanvas = shownPlaces(nested.canvas.GetCurWindow(), false);
        EXPECT_GT(inWindow.size(), 30u); // each stack shows its first page
        for (const auto& [name, rect] : inWindow) {
            auto it = onCanvas.find(name);
            ASSERT_NE(it, onCanvas.end()) << qPrintable(name);
            EXPECT_EQ(it->second, rect) << qPrintable(name);
        }
    }

    QTemporaryDir dir;
    Both views(writePage(dir, "views.json", kViewsPage));
    ASSERT_EQ(views.onCanvas.size(), views.inWindow.size());
    // The chart is drawn with its content at its record's 280 x 150, not
    // at the larger minimum size it keeps in the window.
    auto* chart = named<CVNQChartBase>(views.canvas, "chart");
    EXPECT_TRUE(TestUtil::hasColor(views.onCanvas.copy(330, 10, 280, 150), chart->theme().palette.first(), 2));
    const QRect chartInWindow(QPoint(330, 10), views.window.findChild<QWidget*>("chart")->size());
    EXPECT_EQ(views.onCanvas.pixelColor(330 + 281, 100), views.onCanvas.pixelColor(625, 5));
    // And hit there only.
    TestUtil::click(&views.canvas, QPoint(625, 120));
    EXPECT_TRUE(views.canvas.IsInSelected(named<QWidget>(views.canvas, "root")));
    int differ = 0;
    for (int y = 0; y < views.inWindow.height(); ++y) {
        for (int x = 0; x < views.inWindow.width(); ++x)
            differ += !chartInWindow.contains(x, y) && views.onCanvas.pixel(x, y) != views.inWindow.pixel(x, y);
    }
    // Every control the chart leaves free looks as it runs, pixel for pixel, one running past its parent cut at
    // the parent's edge.
    EXPECT_EQ(differ, 0);
    // Moved, it keeps its record's size.
    TestUtil::click(&views.canvas, QPoint(340, 20));
    TestUtil::drag(&views.canvas, QPoint(340, 20), QPoint(-20, 10));
    const Json::Value moved = pageJson(views.canvas.GetCurWindow())["elements"][0]["child"][1];
    EXPECT_EQ(QRect(moved["x"].asInt(), moved["y"].asInt(), moved["w"].asInt(), moved["h"].asInt()),
              QRect(310, 20, 280, 150));
}

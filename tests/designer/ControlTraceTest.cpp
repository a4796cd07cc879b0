// Each control of the designer used as a user would, against its record:
// the canvas with a small page, two of its controls selected (the round
// moves them, drags a selection frame and scrolls the page), the property
// grid bound to a button, and a bare page host.

#include "CVNQPushButton.h"
#include "ControlTrace.h"
#include "DesignerTestUtil.h"

#include <functional>
#include <memory>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

// Controls under the round's points on a 440x300 canvas: the press at a
// quarter of the width and the drag from there, the drag down the middle,
// before and after the press on the vertical bar scrolls down a page.
constexpr const char* kTracePage = R"({"w": 640, "h": 1200, "elements": [
  {"type": "qtcontainer", "name": "root", "w": 640, "h": 1200, "child": [
    {"type": "qtlabel", "name": "title", "layout": {"type": 1}, "x": 60, "y": 130, "w": 180, "h": 40, "attr": {"text": "Wind"}},
    {"type": "qtbutton", "name": "go", "layout": {"type": 1}, "x": 160, "y": 55, "w": 110, "h": 40, "attr": {"text": "Start"}},
    {"type": "qtcheckbox", "name": "yaw", "layout": {"type": 1}, "x": 290, "y": 136, "w": 120, "h": 28, "attr": {"text": "Auto yaw"}},
    {"type": "qtlineedit", "name": "speed", "layout": {"type": 1}, "x": 300, "y": 230, "w": 120, "h": 28},
    {"type": "qtlabel", "name": "gust", "layout": {"type": 1}, "x": 60, "y": 430, "w": 180, "h": 40, "attr": {"text": "Gust"}},
    {"type": "qtbutton", "name": "stop", "layout": {"type": 1}, "x": 160, "y": 355, "w": 110, "h": 40, "attr": {"text": "Stop"}}]}]})";

} // namespace

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    QTemporaryDir dir;
    const QString page = writePage(dir, "trace.json", kTracePage);
    // The grid's rows and their target outlive the grid.
    std::unique_ptr<CVNQPushButton> target(new CVNQPushButton);
    target->setText(QStringLiteral("Start"));
    std::vector<PropertyDef> rows = CVNQPushButton::getProps().properties;
    for (PropertyDef& def : rows)
        def.target = target.get();

    const std::vector<std::tuple<const char*, std::function<QWidget*()>, QSize>> controls = {
        {"canvas-two-selected",
         [&] {
             auto* canvas = new CVNQCanvas;
             // Its scroll bars along its right and bottom edges, under the round's points there.
             auto* hBar = new CVNQScrollBar(Qt::Horizontal, canvas);
             auto* vBar = new CVNQScrollBar(Qt::Vertical, canvas);
             canvas->SetScrollbar(hBar, true);
             canvas->SetScrollbar(vBar, false);
             EXPECT_TRUE(canvas->OpenJsonFile(page));
             hBar->setGeometry(0, 288, 428, 12);
             vBar->setGeometry(428, 0, 12, 288);
             hBar->raise(); // above the page opened after them
             vBar->raise();
             canvas->AddSelectedControl(named<QWidget>(*canvas, "title"));
             canvas->AddSelectedControl(named<QWidget>(*canvas, "yaw"));
             return canvas;
         },
         {440, 300}},
        {"property-grid-button",
         [&] {
             auto* grid = new CVNQPropertyList;
             for (const PropertyDef& def : rows)
                 grid->addItem(def);
             return grid;
         },
         {300, 330}},
        // The canvas and grid together: a click selects, the grid shows the
        // selection's rows, and a grid edit shows on the canvas.
        {"canvas-with-grid",
         [&] {
             auto* host = new DesignerHost;
             EXPECT_TRUE(host->canvas.OpenJsonFile(page));
             host->canvas.AddSelectedControl(named<QWidget>(host->canvas, "title"));
             return host;
         },
         {600, 300}},
        {"page-host",
         [] {
             auto* host = new CVNQCanvasWindow;
             host->setResizeable(true);
             return host;
         },
         {320, 200}},
    };
    for (const auto& c : controls)
        TestUtil::expectTraceMatches(std::get<1>(c)(), QString::fromLatin1(std::get<0>(c)), std::get<2>(c));
}

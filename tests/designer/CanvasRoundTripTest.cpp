// A page edited on the canvas (grid rows, created, dropped and dragged
// controls), saved and run in a window of the page's size shows every
// control where and as the canvas showed it.

#include "CVNQCheckBox.h"
#include "CVNQLineEdit.h"
#include "CVNQSpinBox.h"
#include "CVNQWindow.h"
#include "DesignerTestUtil.h"

#include <QDropEvent>
#include <QMimeData>
#include <functional>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

// "note" keeps bare x, y, w, h, which a running page only records.
constexpr const char* kEditPage = R"({"w": 520, "h": 360, "elements": [
  {"type": "qtcontainer", "name": "root", "style": [["rtRoot", 1, 0]], "child": [
    {"type": "qtlabel", "name": "note", "x": 150, "y": 300, "w": 80, "h": 20, "attr": {"text": "bare"}},
    {"type": "qtgroupbox", "name": "box", "layout": {"type": 1}, "x": 40, "y": 10, "w": 200, "h": 60,
     "attr": {"text": "Turbine"}},
    {"type": "qtslider", "name": "speed", "layout": {"type": 1}, "x": 40, "y": 80, "w": 200, "h": 24},
    {"type": "qtprogressbar", "name": "load", "layout": {"type": 1}, "x": 40, "y": 120, "w": 200, "h": 24,
     "attr": {"val": 40}},
    {"type": "qtlcdnumber", "name": "count", "layout": {"type": 1}, "x": 40, "y": 160, "w": 120, "h": 40,
     "attr": {"text": "42", "digitCount": 5}},
    {"type": "qtcontainer", "name": "row", "layout": {"type": 1}, "x": 320, "y": 10, "w": 190, "h": 60,
     "attr": {"childLayout": 0},
     "child": [{"type": "qtlabel", "name": "first", "style": [["rtRoot", 1, 0]], "attr": {"text": "first"}}]}]}]})";

struct Drop : CVNQCanvas
{
    static void at(CVNQCanvas& canvas, QPoint p, const char* type)
    {
        QMimeData mime;
        mime.setProperty("TypeName", type);
        QDropEvent event(p, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        (canvas.*(&Drop::dropEvent))(&event);
    }
};

// Text drawn into a picture, then onto its parent, blends a few steps
// otherwise than text drawn onto the parent.
bool sameLook(const QImage& a, const QImage& b)
{
    for (int y = 0; a.size() == b.size() && y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            if (!TestUtil::near(a.pixelColor(x, y), b.pixelColor(x, y), 16))
                return false;
    }
    return a.size() == b.size();
}

} // namespace

TEST(DesignerRoundTrip, EditedPageRunsAsShown)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "edit.json", kEditPage);
    TestUtil::colourFill("rtRoot", QColor(0x16, 0x26, 0x3b));
    DesignerHost host;
    CVNQCanvas& canvas = host.canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    ASSERT_TRUE(TestUtil::showExposed(&host) && TestUtil::waitPainted(&host));
    auto control = [&](const char* name) { return named<QWidget>(canvas, name); };
    auto seen = [&](QWidget* w) { return onScreen(&canvas, QRect(onCanvas(canvas, w), w->size())); };
    auto select = [&](QWidget* w) { TestUtil::click(&canvas, onCanvas(canvas, w) + QPoint(5, 5)); };

    // A grid edit shows at once; the next control is selected meanwhile.
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"box", [&] { rowEditor<CVNQLineEdit>(host.grid, "Text")->setText("Nacelle"); }},
        {"speed", [&] { rowEditor<CVNQSpinBox>(host.grid, "Value")->setValue(70); }},
        {"load", [&] { rowEditor<CVNQCheckBox>(host.grid, "ShowText")->toggle(); }},
        {"count", [&] { rowEditor<CVNQSpinBox>(host.grid, "DigitCount")->setValue(2); }}};
    for (const auto& [name, edit] : edits) {
        select(control(name));
        const QImage before = seen(control(name));
        edit();
        EXPECT_TRUE(TestUtil::waitFor([&] { return seen(control(name)) != before; })) << name;
    }
    for (const auto& [name, by] : {std::make_pair("note", QPoint(20, 250)), std::make_pair("count", QPoint(30, 12))}) {
        select(control(name));
        TestUtil::drag(&canvas, onCanvas(canvas, control(name)) + QPoint(5, 5), by);
    }
    for (const char* parent : {"root", "row"}) {
        canvas.RemoveAllSelected();
        canvas.AddSelectedControl(control(parent));
        ASSERT_TRUE(canvas.createControl("qtlabel"));
    }
    Drop::at(canvas, onCanvas(canvas, control("root")) + QPoint(260, 230), "qtbutton");
    canvas.RemoveAllSelected();
    ASSERT_TRUE(canvas.SavePage(path));

    CVNQWindow window;
    cvnCreatePageByFileName(&window, path);
    window.move(host.width() + 20, 0);
    ASSERT_TRUE(TestUtil::showExposed(&window) && TestUtil::waitPainted(&window) && TestUtil::waitPainted(&host));
    const auto inWindow = shownPlaces(&window, true);
    EXPECT_EQ(inWindow.size(), 11u);
    EXPECT_EQ(inWindow, shownPlaces(canvas.GetCurWindow(), false));
    for (const auto& [name, place] : inWindow) {
        QWidget* run = window.findChild<QWidget*>(name);
        EXPECT_TRUE(sameLook(seen(control(qPrintable(name))), onScreen(run, run->rect()))) << qPrintable(name);
    }
}

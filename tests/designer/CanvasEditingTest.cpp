// Editing on the canvas: selection by click and Shift-click, moving with
// Snapping and axis lock, resizing by handles, creating controls by type
// And by drop, and what an edit leaves behind.

#include "CVNQContainer.h"
#include "CVNQLineEdit.h"
#include "CVNQResourceManager.h"
#include "DesignerTestUtil.h"

#include <QDir>
#include <QDropEvent>
#include <QPalette>
#include <QTest>
#include <algorithm>
#include <functional>
#include <QMimeData>
#include <QPointer>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

constexpr const char* kBoxPage = R"({"w": 400, "h": 300, "elements": [
  {"type": "qtcontainer", "name": "root", "w": 400, "h": 300, "child": [
    {"type": "qtcontainer", "name": "box", "layout": {"type": 1}, "x": 20, "y": 20, "w": 60, "h": 40, "style": [["dzRed", 1, 0]]},
    {"type": "qtlabel", "name": "qtlabel1", "layout": {"type": 1}, "x": 200, "y": 150, "w": 80, "h": 20}]}]})";

// Drops reach a widget only inside a drag; the test hands them over directly.
struct DropCanvas : CVNQCanvas
{
    using CVNQCanvas::dropEvent;
};

// What the screen shows at p once w is shown: an edit that asks for no
// repaint keeps the old picture.
QColor pixel(QWidget& w, QPoint p)
{
    return w.isVisible() ? TestUtil::screenShot(&w).pixelColor(p) : w.grab().toImage().pixelColor(p);
}

} // Namespace

TEST(DesignerCanvas, SelectMoveSnapAndResize)
{
    QTemporaryDir dir;
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "main.json")));
    auto* title = named<QWidget>(canvas, "title");
    auto* go = named<QWidget>(canvas, "go");
    auto* root = named<QWidget>(canvas, "root");

    TestUtil::click(&canvas, onCanvas(canvas, go) + QPoint(10, 10));
    TestUtil::click(&canvas, onCanvas(canvas, title) + QPoint(10, 10));
    EXPECT_TRUE(canvas.IsInSelected(title));
    EXPECT_FALSE(canvas.IsInSelected(go));

    // What a press at each handle, inside and one past each edge of the
    // 120 x 30 title takes hold of.
    const QPoint o = onCanvas(canvas, title);
    const std::vector<std::pair<QPoint, CVN_CAV_HIT_TEST>> hits = {
        {{0, 0}, HitTopLeft},     {{4, 4}, HitTopLeft},  {{5, 5}, HitBody},           {{60, 0}, HitTop},
        {{120, 0}, HitTopRight},  {{0, 15}, HitLeft},    {{120, 15}, HitRight},       {{115, 25}, HitBody},
        {{0, 30}, HitBottomLeft}, {{60, 30}, HitBottom}, {{116, 26}, HitBottomRight}, {{-1, 15}, HitNone},
        {{121, 15}, HitNone},     {{60, -1}, HitNone},   {{60, 31}, HitNone}};
    for (const auto& hit : hits)
        EXPECT_EQ(canvas.HitInSelected(o.x() + hit.first.x(), o.y() + hit.first.y()), hit.second)
            << hit.first.x() << "," << hit.first.y();

    // Within 4 pixels of the button's left edge the title jumps to it; at 5 it stays.
    TestUtil::drag(&canvas, onCanvas(canvas, title) + QPoint(10, 10), QPoint(176, 0));
    EXPECT_EQ(title->x(), 200);
    TestUtil::drag(&canvas, onCanvas(canvas, title) + QPoint(10, 10), QPoint(-5, 0));
    EXPECT_EQ(title->x(), 195);

    // Shift locks the dominant axis.
    TestUtil::drag(&canvas, onCanvas(canvas, title) + QPoint(10, 10), QPoint(10, 3), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(title->pos(), QPoint(205, 20));
    TestUtil::drag(&canvas, onCanvas(canvas, title) + QPoint(10, 10), QPoint(3, 3), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(title->pos(), QPoint(205, 23));

    // The left handle: the width stops at 10 while x follows the mouse.
    TestUtil::drag(&canvas, onCanvas(canvas, title) + QPoint(1, 15), QPoint(200, 0));
    EXPECT_EQ(title->geometry(), QRect(405, 23, 10, 30));

    // A top-level control of the page neither moves nor resizes.
    TestUtil::click(&canvas, onCanvas(canvas, root) + QPoint(400, 300));
    ASSERT_TRUE(canvas.IsInSelected(root));
    TestUtil::drag(&canvas, onCanvas(canvas, root) + QPoint(400, 300), QPoint(20, 20));
    EXPECT_EQ(root->geometry(), QRect(0, 0, 600, 400));
}

// A moved control is painted, hit and saved where it now is.
TEST(DesignerCanvas, EditsShowAndLast)
{
    QTemporaryDir dir;
    init();
    FillStyle red;
    red.name = "dzRed";
    red.fill.clr = QColor(220, 0, 0);
    CVNQResourceManager::getInstance()->setFillStyle(red.name, red);
    const QString path = writePage(dir, "box.json", kBoxPage);
    CVNQCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(path));
    ASSERT_TRUE(TestUtil::showExposed(&canvas));
    auto* box = named<QWidget>(canvas, "box");
    EXPECT_EQ(pixel(canvas, QPoint(40, 40)), QColor(220, 0, 0));

    TestUtil::click(&canvas, QPoint(40, 40));
    TestUtil::drag(&canvas, QPoint(40, 40), QPoint(100, 60));
    EXPECT_EQ(pixel(canvas, QPoint(140, 100)), QColor(220, 0, 0));
    EXPECT_NE(pixel(canvas, QPoint(40, 40)), QColor(220, 0, 0));
    // The next drag starts where the last one ended.
    TestUtil::drag(&canvas, QPoint(140, 100), QPoint(10, 10));
    EXPECT_EQ(box->geometry(), QRect(130, 90, 60, 40));

    // Moved by its body or resized by any handle, while dragged and after,
    // the screen shows what a whole repaint shows: nothing stays where the
    // control and its handles were.
    const QRect start = box->geometry();
    auto shownWhole = [&] {
        return TestUtil::waitFor([&] {
            return onScreen(&canvas, canvas.rect()) == canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
        });
    };
    // Each grip with where the drag by (-17, 13) takes the box: the body
    // moves it, each handle moves its own edges only.
    const std::vector<std::pair<QPoint, QRect>> grips = {
        {{30, 20}, {113, 103, 60, 40}}, {{0, 0}, {113, 103, 77, 27}},  {{30, 0}, {130, 103, 60, 27}},
        {{60, 0}, {130, 103, 43, 27}},  {{0, 20}, {113, 90, 77, 40}},  {{60, 20}, {130, 90, 43, 40}},
        {{0, 40}, {113, 90, 77, 53}},   {{30, 40}, {130, 90, 60, 53}}, {{56, 36}, {130, 90, 43, 53}}};
    // Red just inside each corner of where the box is, not just outside.
    auto boxShown = [&](const QRect& r) {
        const QImage shot = onScreen(&canvas, canvas.rect());
        const QRect in = QRect(onCanvas(canvas, box->parentWidget()) + r.topLeft(), r.size()).adjusted(4, 4, -5, -5);
        const QRect out = in.adjusted(-8, -8, 8, 8);
        for (const QPoint& p : {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight()})
            if (shot.pixelColor(p) != QColor(220, 0, 0))
                return false;
        for (const QPoint& p : {out.topLeft(), out.topRight(), out.bottomLeft(), out.bottomRight()})
            if (shot.pixelColor(p) == QColor(220, 0, 0))
                return false;
        return true;
    };
    for (const auto& [grip, expected] : grips) {
        box->setGeometry(start);
        canvas.update();
        ASSERT_TRUE(shownWhole());
        const QPoint at = onCanvas(canvas, box) + grip;
        ASSERT_NE(canvas.HitInSelected(at.x(), at.y()), HitNone);
        TestUtil::press(&canvas, at);
        ASSERT_TRUE(shownWhole());
        TestUtil::move(&canvas, at + QPoint(-17, 13), Qt::LeftButton);
        EXPECT_EQ(box->geometry(), expected) << grip.x() << "," << grip.y();
        // Shown by the one repaint the step asks for.
        QCoreApplication::sendPostedEvents(canvas.window(), QEvent::UpdateRequest);
        EXPECT_TRUE(onScreen(&canvas, canvas.rect()) == canvas.grab().toImage().convertToFormat(QImage::Format_RGB32))
            << grip.x() << "," << grip.y();
        EXPECT_TRUE(boxShown(expected)) << grip.x() << "," << grip.y();
        TestUtil::release(&canvas, at + QPoint(-17, 13));
        EXPECT_TRUE(shownWhole()) << grip.x() << "," << grip.y();
        EXPECT_EQ(box->geometry(), expected) << grip.x() << "," << grip.y();
        EXPECT_TRUE(boxShown(expected)) << grip.x() << "," << grip.y();
    }

    cvnSetIsInDesigner(true);
    const Json::Value saved = pageJson(canvas.GetCurWindow());
    cvnSetIsInDesigner(false);
    const Json::Value& node = saved["elements"][0]["child"][0];
    EXPECT_EQ(node["x"], 130);
    EXPECT_EQ(node["y"], 90);
}

// A group dragged keeps its members' places in the paint order: a control
// painted between them stays over the earlier one and under the later one,
// while dragged and after.
TEST(DesignerCanvas, DraggedGroupKeepsPaintOrder)
{
    QTemporaryDir dir;
    init();
    const std::pair<const char*, QColor> fills[] = {
        {"dzRed", QColor(220, 0, 0)}, {"dzGreen", QColor(0, 200, 0)}, {"dzBlue", QColor(0, 0, 220)}};
    for (const auto& [name, color] : fills) {
        FillStyle fill;
        fill.name = name;
        fill.fill.clr = color;
        CVNQResourceManager::getInstance()->setFillStyle(fill.name, fill);
    }
    // a under b under c; a and c meet b.
    CVNQCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "layers.json", R"({"w": 400, "h": 300, "elements": [
      {"type": "qtcontainer", "name": "root", "w": 400, "h": 300, "child": [
        {"type": "qtcontainer", "name": "a", "layout": {"type": 1}, "x": 20, "y": 20, "w": 80, "h": 60, "style": [["dzRed", 1, 0]]},
        {"type": "qtcontainer", "name": "b", "layout": {"type": 1}, "x": 90, "y": 40, "w": 80, "h": 60, "style": [["dzGreen", 1, 0]]},
        {"type": "qtcontainer", "name": "c", "layout": {"type": 1}, "x": 150, "y": 60, "w": 80, "h": 60, "style": [["dzBlue", 1, 0]]}]}]})")));
    ASSERT_TRUE(TestUtil::showExposed(&canvas) && TestUtil::waitPainted(&canvas));
    auto* a = named<QWidget>(canvas, "a");
    canvas.AddSelectedControl(a);
    canvas.AddSelectedControl(named<QWidget>(canvas, "c"));
    // Page points, shown as which fill: a's own part, where a and b meet,
    // b's own part, where b and c meet, c's own part.
    auto shows = [&](const std::vector<std::pair<QPoint, QColor>>& points) {
        return TestUtil::waitFor([&] {
            const QImage shot = onScreen(&canvas, canvas.rect());
            const QPoint page = onCanvas(canvas, a->parentWidget());
            return std::all_of(points.begin(), points.end(),
                               [&](const auto& p) { return shot.pixelColor(page + p.first) == p.second; });
        });
    };
    const QPoint at = onCanvas(canvas, a) + QPoint(20, 20);
    TestUtil::press(&canvas, at);
    TestUtil::move(&canvas, at + QPoint(10, 10), Qt::LeftButton);
    const std::vector<std::pair<QPoint, QColor>> moved = {{{50, 50}, fills[0].second},
                                                          {{105, 75}, fills[1].second},
                                                          {{130, 45}, fills[1].second},
                                                          {{165, 85}, fills[2].second},
                                                          {{230, 110}, fills[2].second}};
    EXPECT_TRUE(shows(moved)) << "while dragged";
    TestUtil::release(&canvas, at + QPoint(10, 10));
    EXPECT_TRUE(shows(moved)) << "put down";
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas));
}

// A selection made from code shows at once. A control changed from code
// shows once the host repaints the canvas, also when the canvas repaints
// around it for a reason of its own at that time, and while a drag carries
// it.
TEST(DesignerCanvas, ChangeFromCodeShowsOnRepaint)
{
    QTemporaryDir dir;
    init();
    FillStyle red, green;
    red.name = "dzRed";
    red.fill.clr = QColor(220, 0, 0);
    green.fill.clr = QColor(0, 200, 0);
    CVNQResourceManager::getInstance()->setFillStyle(red.name, red);
    CVNQCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "box.json", kBoxPage)));
    ASSERT_TRUE(TestUtil::showExposed(&canvas) && TestUtil::waitPainted(&canvas));
    auto* box = named<CVNQContainer>(canvas, "box");
    QPoint at(40, 40);
    auto seen = [&] { return onScreen(&canvas, QRect(at, QSize(1, 1))).pixelColor(0, 0); };
    ASSERT_TRUE(TestUtil::waitFor([&] { return seen() == red.fill.clr; }));

    // Handles come and go with a selection made from code at once: the top
    // edge of the box's top-left handle.
    const QPoint handle = onCanvas(canvas, box) + QPoint(1, -3);
    auto handleShown = [&] { return onScreen(&canvas, QRect(handle, QSize(1, 1))).pixelColor(0, 0) == Qt::black; };
    ASSERT_FALSE(handleShown());
    canvas.AddSelectedControl(box);
    EXPECT_TRUE(TestUtil::waitFor(handleShown));
    EXPECT_TRUE(canvas.RemoveSelected(box));
    EXPECT_TRUE(TestUtil::waitFor([&] { return !handleShown(); }));
    canvas.AddSelectedControl(box);
    ASSERT_TRUE(TestUtil::waitFor(handleShown));
    canvas.RemoveAllSelected();
    EXPECT_TRUE(TestUtil::waitFor([&] { return !handleShown(); }));

    canvas.AddSelectedControl(box);
    box->setBackground(green);
    canvas.update();
    EXPECT_TRUE(TestUtil::waitFor([&] { return seen() == green.fill.clr; }));

    TestUtil::press(&canvas, at);
    TestUtil::move(&canvas, at += QPoint(100, 60), Qt::LeftButton);
    ASSERT_TRUE(TestUtil::waitFor([&] { return seen() == green.fill.clr; }));
    // Selected during the drag, it is not carried.
    auto* label = named<QWidget>(canvas, "qtlabel1");
    const QRect labelAt = label->geometry();
    canvas.AddSelectedControl(label);
    TestUtil::move(&canvas, at += QPoint(5, 5), Qt::LeftButton);
    EXPECT_EQ(label->geometry(), labelAt);
    ASSERT_TRUE(TestUtil::waitFor([&] { return seen() == green.fill.clr; }));
    box->setBackground(red);
    canvas.update();
    EXPECT_TRUE(TestUtil::waitFor([&] { return seen() == red.fill.clr; }));
    TestUtil::release(&canvas, at);
}

// A selection of many controls, made from code, shows each one's handles.
TEST(DesignerCanvas, LargeSelectionShowsAtOnce)
{
    QTemporaryDir dir;
    QStringList cells;
    for (int i = 0; i < 80; ++i)
        cells << QString(
                     R"({"type": "qtlabel", "name": "c%1", "layout": {"type": 1}, "x": %2, "y": %3, "w": 10, "h": 10})")
                     .arg(i)
                     .arg(10 + i % 16 * 24)
                     .arg(10 + i / 16 * 24);
    const QString page = QString(R"({"w": 400, "h": 300, "elements": [{"type": "qtcontainer", "name": "root",
        "w": 400, "h": 300, "child": [%1]}]})")
                             .arg(cells.join(','));
    CVNQCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "many.json", page.toUtf8().constData())));
    ASSERT_TRUE(TestUtil::showExposed(&canvas) && TestUtil::waitPainted(&canvas));
    for (int i = 0; i < 80; ++i)
        canvas.AddSelectedControl(named<QWidget>(canvas, QString("c%1").arg(i).toUtf8().constData()));
    // The top edge of each one's top-left handle.
    EXPECT_TRUE(TestUtil::waitFor([&] {
        const QImage shown = onScreen(&canvas, canvas.rect());
        for (int i = 0; i < 80; ++i)
            if (shown.pixelColor(10 + i % 16 * 24 + 1, 10 + i / 16 * 24 - 3) != Qt::black)
                return false;
        return true;
    }));
}

// Shift-click on a selected control takes it out of the selection.
TEST(DesignerCanvas, ShiftClickToggles)
{
    QTemporaryDir dir;
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "main.json")));
    auto* title = named<QWidget>(canvas, "title");
    auto* go = named<QWidget>(canvas, "go");
    TestUtil::click(&canvas, onCanvas(canvas, title) + QPoint(10, 10));
    TestUtil::click(&canvas, onCanvas(canvas, go) + QPoint(10, 10), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(canvas.IsInSelected(title));
    EXPECT_TRUE(canvas.IsInSelected(go));
    canvas.resize(640, 420);
    const QImage shot = canvas.grab().toImage();
    EXPECT_TRUE(shot.save(TestUtil::shotPath("designer-two.png")));
    TestUtil::expectMatchesReference(shot, "designer-two");
    TestUtil::click(&canvas, onCanvas(canvas, title) + QPoint(10, 10), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(canvas.IsInSelected(title));
    EXPECT_TRUE(canvas.IsInSelected(go));
    EXPECT_EQ(title->pos(), QPoint(20, 20));
}

// A deleted control drops out of the selection.
TEST(DesignerCanvas, SelectionForgetsDeletedControls)
{
    QTemporaryDir dir;
    CVNQCanvas canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "main.json")));
    auto* title = named<QWidget>(canvas, "title");
    TestUtil::click(&canvas, onCanvas(canvas, title) + QPoint(10, 10));
    const QPoint at = onCanvas(canvas, title) + QPoint(10, 10);
    delete title;
    canvas.grab();
    EXPECT_EQ(canvas.HitInSelected(at.x(), at.y()), HitNone);
    EXPECT_FALSE(canvas.createControl("qtlabel")) << "nothing left selected";
    TestUtil::drag(&canvas, at, QPoint(5, 5));
}

// A drag cut short (selected controls deleted, the page opened again or
// closed): what stays selected is carried on, nothing else moves, a deleted
// control counts as selected no more and the release is no click.
TEST(DesignerCanvas, DragCutShort)
{
    QTemporaryDir dir;
    const QString path = writePage(dir, "main.json");
    const std::vector<std::pair<const char*, std::function<void(CVNQCanvas&)>>> cuts = {
        {"primary deleted", [](CVNQCanvas& c) { delete named<QWidget>(c, "title"); }},
        {"all deleted with their parent", [](CVNQCanvas& c) { delete named<QWidget>(c, "root"); }},
        {"reopened", [&path](CVNQCanvas& c) { c.OpenJsonFile(path); }},
        {"another opened", [&dir](CVNQCanvas& c) { c.OpenJsonFile(writePage(dir, "box.json", kBoxPage)); }},
        {"removed", [](CVNQCanvas& c) { c.removePage(c.GetCurWindow()); }},
        {"all closed", [](CVNQCanvas& c) { c.closeAllWindows(); }}};
    for (const auto& [what, cut] : cuts) {
        CVNQCanvas canvas;
        canvas.resize(640, 420);
        ASSERT_TRUE(canvas.OpenJsonFile(path));
        QWidget* const was[] = {named<QWidget>(canvas, "title"), named<QWidget>(canvas, "go")};
        QPointer<QWidget> go = was[1];
        for (QWidget* w : was)
            canvas.AddSelectedControl(w);
        const QPoint at = onCanvas(canvas, was[0]) + QPoint(10, 10);
        TestUtil::press(&canvas, at);
        TestUtil::move(&canvas, at + QPoint(15, 5), Qt::LeftButton);
        ASSERT_EQ(go->pos(), QPoint(215, 105)) << what;
        cut(canvas);
        CVNQCanvasWindow* page = canvas.GetCurWindow();
        using Places = std::map<QString, QRect>;
        Places expected = page ? shownPlaces(page, false) : Places();
        const bool carried = go && canvas.IsInSelected(go);
        if (carried)
            expected["go"].translate(30, 30);
        TestUtil::move(&canvas, at + QPoint(45, 35), Qt::LeftButton);
        TestUtil::release(&canvas, at + QPoint(45, 35));
        EXPECT_EQ(page ? shownPlaces(page, false) : Places(), expected) << what;
        // Compared by address only: a new widget may come at a deleted one's.
        EXPECT_FALSE(canvas.IsInSelected(was[0])) << what;
        EXPECT_EQ(canvas.IsInSelected(was[1]), carried) << what;
        for (QWidget* w : page ? page->findChildren<QWidget*>() : QList<QWidget*>())
            EXPECT_TRUE(w == go || !canvas.IsInSelected(w)) << what << ": " << w->objectName().toStdString();
    }
}

// New names are unique in the whole page; a new control sits where the page
// puts it.
TEST(DesignerCanvas, NewControlsNamedUniquely)
{
    QTemporaryDir dir;
    DropCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "box.json", kBoxPage)));
    auto* box = named<QWidget>(canvas, "box");
    EXPECT_FALSE(canvas.createControl("qtlabel"));
    TestUtil::click(&canvas, QPoint(40, 40));
    ASSERT_TRUE(canvas.IsInSelected(box));
    EXPECT_FALSE(canvas.createControl("nosuchtype"));
    ASSERT_TRUE(canvas.createControl("qtlabel"));
    auto* made = box->findChild<QWidget*>("qtlabel2");
    ASSERT_NE(made, nullptr) << "qtlabel1 is taken elsewhere in the page";
    EXPECT_EQ(made->geometry(), QRect(0, 0, 100, 100));
    EXPECT_FALSE(made->isVisibleTo(&canvas));

    QMimeData mime;
    mime.setProperty("TypeName", "qtlabel");
    QDropEvent drop(QPointF(250, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    canvas.dropEvent(&drop);
    auto* dropped = named<QWidget>(canvas, "qtlabel3");
    ASSERT_NE(dropped, nullptr);
    EXPECT_EQ(dropped->parentWidget()->objectName(), "root");
    EXPECT_EQ(dropped->geometry(), QRect(250, 200, 100, 100));

    // A container dropped on an empty page fills it, as the page puts its
    // top container when it runs.
    DropCanvas empty;
    empty.resize(400, 300);
    ASSERT_TRUE(empty.OpenJsonFile(writePage(dir, "empty.json", R"({"w": 300, "h": 200, "elements": []})")));
    mime.setProperty("TypeName", "qtcontainer");
    QDropEvent onPage(QPointF(50, 40), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    empty.dropEvent(&onPage);
    auto* top = named<QWidget>(empty, "qtcontainer1");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->parentWidget(), empty.GetCurWindow());
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 200));
}

// What is clicked is what is seen, hidden controls stay pictures, a
// selection moves as one and laid-out controls keep their places.
TEST(DesignerCanvas, ClicksAndMovesFollowThePicture)
{
    constexpr const char* kLayered = R"({"w": 400, "h": 300, "elements": [
      {"type": "qtcontainer", "name": "root", "child": [
        {"type": "qtcontainer", "name": "under", "layout": {"type": 1}, "x": 20, "y": 20, "w": 100, "h": 60},
        {"type": "qtcontainer", "name": "over", "layout": {"type": 1}, "x": 60, "y": 40, "w": 100, "h": 60},
        {"type": "qtlabel", "name": "a", "layout": {"type": 1}, "x": 200, "y": 150, "w": 40, "h": 20},
        {"type": "qtlabel", "name": "b", "layout": {"type": 1}, "x": 260, "y": 180, "w": 40, "h": 20},
        {"type": "qtlabel", "name": "mark", "layout": {"type": 1}, "x": 330, "y": 10, "w": 40, "h": 20},
        {"type": "qtcontainer", "name": "row", "layout": {"type": 1}, "x": 20, "y": 220, "w": 200, "h": 60, "attr": {"childLayout": 0},
         "child": [{"type": "qtlabel", "name": "cell", "layout": {"type": 1}, "w": 50, "h": 20}]}]}]})";
    QTemporaryDir dir;
    CVNQCanvas canvas;
    canvas.resize(400, 300);
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(dir, "layered.json", kLayered)));
    canvas.grab();
    auto* over = named<QWidget>(canvas, "over");
    TestUtil::click(&canvas, QPoint(80, 60));
    EXPECT_TRUE(canvas.IsInSelected(over)) << "the later sibling is painted on top";

    // Visibility off and on: still a picture, never a live widget, and
    // selectable while off.
    ControlCommon::setInnerVisible(over, false);
    TestUtil::click(&canvas, QPoint(10, 10));
    TestUtil::click(&canvas, QPoint(80, 60));
    EXPECT_TRUE(canvas.IsInSelected(over));
    ControlCommon::setInnerVisible(over, true);
    EXPECT_TRUE(over->isHidden());
    EXPECT_FALSE(over->isVisibleTo(&canvas));

    // Two controls snap once, by their bounding box: both move by 130.
    auto* a = named<QWidget>(canvas, "a");
    auto* b = named<QWidget>(canvas, "b");
    TestUtil::click(&canvas, QPoint(210, 160));
    TestUtil::click(&canvas, QPoint(270, 190), Qt::LeftButton, Qt::ShiftModifier);
    TestUtil::drag(&canvas, QPoint(210, 160), QPoint(128, 0));
    EXPECT_EQ(a->pos(), QPoint(330, 150));
    EXPECT_EQ(b->pos(), QPoint(390, 180));
    // Straight down as well; a drag is no click, both stay selected.
    TestUtil::drag(&canvas, QPoint(340, 160), QPoint(0, 30));
    EXPECT_EQ(a->pos(), QPoint(330, 180));
    EXPECT_EQ(b->pos(), QPoint(390, 210));
    EXPECT_TRUE(canvas.IsInSelected(a) && canvas.IsInSelected(b));

    // A control its container lines up keeps its place and its record.
    auto* cell = named<QWidget>(canvas, "cell");
    const QRect before = cell->geometry();
    TestUtil::click(&canvas, onCanvas(canvas, cell) + QPoint(10, 10));
    ASSERT_TRUE(canvas.IsInSelected(cell));
    TestUtil::drag(&canvas, onCanvas(canvas, cell) + QPoint(10, 10), QPoint(40, 5));
    EXPECT_EQ(cell->geometry(), before);
    cvnSetIsInDesigner(true);
    const Json::Value saved = pageJson(canvas.GetCurWindow());
    cvnSetIsInDesigner(false);
    EXPECT_FALSE(saved["elements"][0]["child"][5]["child"][0].isMember("x"));
}

// After each mouse edit, and after changes from code that tell nobody, the screen shows what a fresh render does.
TEST(DesignerCanvas, ScreenAfterEachEditIsFresh)
{
    QTemporaryDir dir;
    DesignerHost host;
    CVNQCanvas& canvas = host.canvas;
    ASSERT_TRUE(canvas.OpenJsonFile(writePage(
        dir, "group.json", R"({"w": 500, "h": 300, "elements": [{"type": "qtcontainer", "name": "root", "child": [
      {"type": "qtgroupbox", "name": "box", "layout": {"type": 1}, "x": 10, "y": 20, "w": 200, "h": 120,
       "child": [{"type": "qtlabel", "name": "in", "layout": {"type": 1}, "x": 10, "y": 30, "w": 80, "h": 30}]},
      {"type": "qtlabel", "name": "a", "layout": {"type": 1}, "x": 260, "y": 20, "w": 80, "h": 30},
      {"type": "qtbutton", "name": "b", "layout": {"type": 1}, "x": 260, "y": 80, "w": 80, "h": 30},
      {"type": "qtlabel", "name": "c", "layout": {"type": 1}, "x": 380, "y": 200, "w": 80, "h": 30}]}]})")));
    ASSERT_TRUE(TestUtil::showExposed(&host) && TestUtil::waitPainted(&host));
    auto w = [&](const char* name) { return named<QWidget>(canvas, name); };
    auto at = [&](const char* name) { return onCanvas(canvas, w(name)) + QPoint(40, 15); };
    canvas.AddSelectedControl(w("box"));
    TestUtil::drag(&canvas, at("box"), {40, 30});
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "group dragged";
    canvas.RemoveAllSelected();
    for (const char* name : {"a", "b", "c"})
        canvas.AddSelectedControl(w(name));
    TestUtil::drag(&canvas, at("a"), {40, 30});
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "three dragged";
    canvas.RemoveSelected(w("a"));
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "primary unselected";
    TestUtil::drag(&canvas, onCanvas(canvas, w("b")) + QPoint(79, 29), {20, 10});
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "resized";
    TestUtil::click(&canvas, at("c"));
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "clicked";
    w("c")->resize(40, 20);
    w("a")->move(300, 250);
    canvas.RemoveSelected(w("c"));
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "changed from code";
    // Changes a control tells of, from code or through the grid, show without a repaint asked for.
    auto* a = named<CVNQLabel>(canvas, "a");
    TestUtil::click(&canvas, onCanvas(canvas, a) + QPoint(10, 10));
    ASSERT_TRUE(canvas.IsInSelected(a));
    TextStyleDesc big;
    big.size = 20;
    auto typeInto = [&](const char* row, const char* typed) {
        CVNQLineEdit* editor = rowEditor<CVNQLineEdit>(host.grid, row);
        ASSERT_NE(editor, nullptr) << row;
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
    };
    const std::vector<std::pair<const char*, std::function<void()>>> told = {
        {"text row", [&] { typeInto("Text", "Changed"); }},
        {"text style", [&] { a->setTextStyle(CtrlStateNormal, big); }},
        {"font", [&] { a->setFont(QFont("DejaVu Serif", 9)); }},
        {"palette", [&] { a->setPalette(QPalette(Qt::red)); }},
        {"style sheet", [&] { a->setStyleSheet("color: blue"); }},
        {"contents", [&] { a->setContentsMargins(20, 0, 0, 0); }}};
    for (const auto& [what, change] : told) {
        change();
        EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << what;
    }
    // The primary selection deleted: its handles go, the others' stay.
    canvas.AddSelectedControl(w("b"));
    canvas.AddSelectedControl(w("c"));
    delete w("b");
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "primary deleted";
    canvas.RemoveAllSelected();
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "rest unselected";
    canvas.RemoveAllSelected();
    canvas.AddSelectedControl(w("root"));
    ASSERT_TRUE(canvas.createControl("qtdatagrid")); // it lays its header out after the render that resized it
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "table created";
    canvas.RemoveAllSelected();
    canvas.AddSelectedControl(w("qtdatagrid1"));
    TestUtil::drag(&canvas, onCanvas(canvas, w("qtdatagrid1")) + QPoint(99, 99), {40, 20});
    EXPECT_TRUE(TestUtil::screenIsCurrent(&canvas)) << "table resized";
}

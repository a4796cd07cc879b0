// Frameless window and sub-window: hit zones and the caption rule, dragging
// and edge resizing at Qt level, page-file window keys, modal loop and the
// double-click maximise.

#include "CVNQContainer.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQLabel.h"
#include "CVNQScrollBar.h"
#include "CVNQSpacer.h"
#include "CVNQSubWin.h"
#include "CVNQWindow.h"
#include "CVNQWindowHitTest.h"
#include "CVNQWindowImpl.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

struct ExposedWindow : CVNQWindow
{
    using CVNQWindow::nativeEvent;
};

CVNWindowHitState state800()
{
    CVNWindowHitState s;
    s.size = QSize(800, 600);
    s.resizeable = true;
    return s;
}

} // namespace

TEST(WindowHitTest, EdgeBandsCornersAndCaption)
{
    CVNWindowHitState s = state800();
    EXPECT_EQ(cvnZoneToEdge(cvnEdgeZone(s, {2, 2})), CVNEdgeTopLeft);
    EXPECT_EQ(cvnZoneToEdge(cvnEdgeZone(s, {798, 598})), CVNEdgeBottomRight);
    EXPECT_EQ(cvnZoneToEdge(cvnEdgeZone(s, {400, 2})), CVNEdgeTop);
    EXPECT_EQ(cvnZoneToEdge(cvnEdgeZone(s, {400, 300})), CVNEdgeNone);
    EXPECT_EQ(cvnWindowHitTest(s, {796, 596}, nullptr, nullptr), CVNHitBottomRight);
    EXPECT_EQ(cvnWindowHitTest(s, {0, 300}, nullptr, nullptr), CVNHitLeft);
    EXPECT_EQ(cvnWindowHitTest(s, {400, 300}, nullptr, nullptr), CVNHitCaption);
    EXPECT_EQ(cvnWindowHitTest(s, {800, 300}, nullptr, nullptr), CVNHitBase); // outside
    EXPECT_EQ(cvnZoneCursor(CVNHitTopRight), Qt::SizeBDiagCursor);
    // Each band is band pixels deep: its innermost pixel, and the next one
    // in; the window's own edge pixels, and the next ones out.
    const int b = s.band;
    const QPoint inside[] = {{b - 1, 300}, {800 - b, 300}, {400, b - 1}, {400, 600 - b}};
    const QPoint past[] = {{b, 300}, {799 - b, 300}, {400, b}, {400, 599 - b}};
    const int sides[] = {CVNHitLeft, CVNHitRight, CVNHitTop, CVNHitBottom};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cvnEdgeZone(s, inside[i]), sides[i]) << i;
        EXPECT_EQ(cvnEdgeZone(s, past[i]), CVNHitBase) << i;
    }
    for (const QPoint p : {QPoint(0, 300), QPoint(799, 300), QPoint(400, 0), QPoint(400, 599)})
        EXPECT_NE(cvnEdgeZone(s, p), CVNHitBase);
    for (const QPoint p : {QPoint(-1, 300), QPoint(800, 300), QPoint(400, -1), QPoint(400, 600)})
        EXPECT_EQ(cvnEdgeZone(s, p), CVNHitBase);

    s.maximized = true;
    EXPECT_EQ(cvnWindowHitTest(s, {1, 1}, nullptr, nullptr), CVNHitCaption);
    s.maximized = false;
    s.onlyDragCaption = true;
    s.captionHeight = 72;
    EXPECT_EQ(cvnWindowHitTest(s, {400, 72}, nullptr, nullptr), CVNHitCaption);
    EXPECT_EQ(cvnWindowHitTest(s, {400, 73}, nullptr, nullptr), CVNHitBase);
    s.canDrag = false;
    EXPECT_EQ(cvnWindowHitTest(s, {400, 10}, nullptr, nullptr), CVNHitBase);
}

TEST(WindowHitTest, InteractiveWidgetsBlockTheCaptionLabelsAndContainersDoNot)
{
    LayoutTest::initToolkit();
    ExposedWindow window;
    window.resize(800, 600);
    auto* root = new CVNQContainer(&window);
    auto* button = new QPushButton(root);
    auto* label = new CVNQLabel(root);
    auto* inner = new QWidget(button);
    auto* bar = new CVNQScrollBar(root);
    auto* spacer = new CVNQSpacer(root);
    const CVNWindowHitState s = state800();
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, button), CVNHitBase);
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, inner), CVNHitBase); // parent is a button
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, bar), CVNHitBase);
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, label), CVNHitCaption);
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, root), CVNHitCaption);
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, spacer), CVNHitCaption);
    EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, nullptr), CVNHitCaption);
    // What lets the mouse through answers as what lies under it.
    for (QWidget* w : QList<QWidget*>{button, inner, bar, label, root, spacer}) {
        auto* through = new QPushButton(w);
        through->setAttribute(Qt::WA_TransparentForMouseEvents);
        EXPECT_EQ(cvnWindowHitTest(s, {100, 10}, &window, through), cvnWindowHitTest(s, {100, 10}, &window, w));
    }

    // Without the frameless flag native events are left to Qt.
    long result = 77;
    EXPECT_FALSE(window.nativeEvent("xcb_generic_event_t", nullptr, &result));
    EXPECT_EQ(result, 77);
}

TEST(Window, DragsFromFreeSpotsButNotFromControls)
{
    LayoutTest::initToolkit();
    CVNQWindow window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 800, 600);
    auto* bar = new CVNQScrollBar(&window);
    bar->setGeometry(300, 0, 20, 100);
    bar->show();
    window.show();
    const QPoint start = window.pos();

    TestUtil::press(&window, QPoint{400, 20});
    EXPECT_TRUE(window.getImpl()->dragging);
    TestUtil::move(&window, window.mapFromGlobal(window.mapToGlobal(QPoint(430, 40))), Qt::LeftButton);
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));
    TestUtil::release(&window, QPoint{430, 40});
    EXPECT_FALSE(window.getImpl()->dragging);
    EXPECT_FALSE(CVNQWindowImpl::pressedFlag());

    // Over a toolkit scroll bar: no drag.
    TestUtil::press(&window, QPoint{310, 50});
    EXPECT_FALSE(window.getImpl()->dragging);
    TestUtil::release(&window, QPoint{310, 50});

    // Only the caption band drags when asked to.
    window.setOnlyDragCaption(true);
    window.setCaptionHeight(72);
    TestUtil::press(&window, QPoint{400, 72});
    EXPECT_TRUE(window.getImpl()->dragging);
    TestUtil::release(&window, QPoint{400, 72});
    TestUtil::press(&window, QPoint{400, 73});
    EXPECT_FALSE(window.getImpl()->dragging);
    TestUtil::release(&window, QPoint{400, 73});
}

TEST(Window, ContainerUnderAPressThatDoesNotDragGetsItsClick)
{
    LayoutTest::initToolkit();
    CVNQWindow window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 800, 600);
    window.setOnlyDragCaption(true);
    window.setCaptionHeight(72);
    CVNQContainer* card = LayoutTest::box(&window, 400, 200);
    card->move(100, 40);
    auto* label = new CVNQLabel(card);
    label->setGeometry(10, 100, 100, 30);
    int clicks = 0;
    QObject::connect(card, &CVNQContainer::mouseClickEvent, [&clicks]() { ++clicks; });
    ASSERT_TRUE(TestUtil::showExposed(&window));

    // Through the window system, on the card and on its label: the window
    // grabs the mouse at the press and still the card has its release.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 180));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(CVNQWindowImpl::pressedFlag());
    // In the caption band the press drags the window: no click.
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 60));
    EXPECT_EQ(clicks, 2);
}

TEST(Window, LeftEdgeStopsAtMinimumWidthKeepingTheRightEdge)
{
    LayoutTest::initToolkit();
    CVNQWindow window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setResizeable(true);
    window.setMinWidth(400);
    window.setGeometry(100, 100, 450, 500);
    window.show();
    const int right = window.geometry().right();
    const QPoint g0 = window.mapToGlobal(QPoint(1, 250));

    TestUtil::press(&window, window.mapFromGlobal(g0));
    EXPECT_EQ(window.getImpl()->resizeEdge, CVNEdgeLeft);
    TestUtil::move(&window, window.mapFromGlobal(g0 + QPoint(20, 0)), Qt::LeftButton);
    EXPECT_EQ(window.width(), 430);
    TestUtil::move(&window, window.mapFromGlobal(g0 + QPoint(80, 0)), Qt::LeftButton);
    EXPECT_EQ(window.width(), 400);
    EXPECT_EQ(window.geometry().right(), right);
    TestUtil::move(&window, window.mapFromGlobal(g0 + QPoint(120, 0)), Qt::LeftButton);
    EXPECT_EQ(window.width(), 400);
    // Coming back, the edge meets the cursor again where it left it.
    TestUtil::move(&window, window.mapFromGlobal(g0 + QPoint(30, 0)), Qt::LeftButton);
    EXPECT_EQ(window.width(), 420);
    EXPECT_EQ(window.geometry().right(), right);
    TestUtil::release(&window, window.mapFromGlobal(g0 + QPoint(30, 0)));
    EXPECT_EQ(window.getImpl()->resizeEdge, CVNEdgeNone);

    // A corner resizes both axes.
    const QPoint c0 = window.mapToGlobal(QPoint(window.width() - 1, window.height() - 1));
    TestUtil::press(&window, window.mapFromGlobal(c0));
    TestUtil::move(&window, window.mapFromGlobal(c0 + QPoint(30, 40)), Qt::LeftButton);
    EXPECT_EQ(window.size(), QSize(450, 540));
    TestUtil::release(&window, window.mapFromGlobal(c0 + QPoint(30, 40)));

    // Maximised: neither resized nor dragged.
    window.toggleMaximized();
    ASSERT_TRUE(window.isMaximized());
    const QRect maxGeometry = window.geometry();
    TestUtil::press(&window, QPoint{1, 250});
    EXPECT_EQ(window.getImpl()->resizeEdge, CVNEdgeNone);
    EXPECT_FALSE(window.getImpl()->dragging);
    TestUtil::release(&window, QPoint{1, 250});
    EXPECT_EQ(window.geometry(), maxGeometry);
    EXPECT_EQ(maxGeometry, window.screen()->availableGeometry());
    window.toggleMaximized();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.size(), QSize(450, 540));
}

TEST(Window, MinimumSizesCenteringAndModalLoop)
{
    LayoutTest::initToolkit();
    CVNQWindow window;
    window.setMinWidth(-5);
    EXPECT_EQ(window.getMinSize().width(), 0);
    window.setMinSize(120, -1);
    EXPECT_EQ(window.minimumSize(), QSize(120, 0));
    CVNQSubWin sub;
    // New: neither resizes nor is frameless; only the sub-window tracks the mouse.
    for (QWidget* w : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&sub)})
        EXPECT_EQ(w->hasMouseTracking(), w == &sub);
    EXPECT_FALSE(window.getResizeable() || sub.getResizeable());
    EXPECT_FALSE((window.windowFlags() | sub.windowFlags()).testFlag(Qt::FramelessWindowHint));
    sub.setMinWidth(-5);
    EXPECT_EQ(sub.getImpl()->minWidth, -5);
    EXPECT_EQ(sub.minimumWidth(), 0);

    window.resize(600, 400);
    window.centerWindow();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 600) / 2, (screen.height() - 400) / 2));

    // Both kinds of frame keep what their setters are given; setX and setY
    // move one edge and keep the opposite one.
    auto frameKeeps = [](auto& w) {
        w.setGeometry(200, 150, 400, 300);
        w.setX(50);
        w.setY(60);
        EXPECT_EQ(w.geometry(), QRect(QPoint(50, 60), QPoint(599, 449)));
        for (bool on : {true, false}) {
            w.setOnlyDragCaption(on);
            w.setDoubleClickMaximize(on);
            w.setResizeable(on);
            w.setCanDrag(on);
            w.setTransparent(on);
            w.setCaptionHeight(on ? 33 : 44);
            EXPECT_EQ(w.getOnlyDragCaption(), on);
            EXPECT_EQ(w.getDoubleClickMaximize(), on);
            EXPECT_EQ(w.getResizeable(), on);
            EXPECT_EQ(w.hasMouseTracking(), on);
            EXPECT_EQ(w.getCanGrag(), on);
            EXPECT_EQ(w.testAttribute(Qt::WA_TranslucentBackground), on);
            EXPECT_EQ(w.getCaptionHeight(), on ? 33 : 44);
        }
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    };
    frameKeeps(window);
    frameKeeps(sub);

    QTimer::singleShot(20, &window, [&window]() { window.closeModal(); });
    window.doModal();
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    QTimer::singleShot(20, &window, [&window]() { window.close(); });
    window.doModal(); // a close ends the loop too
    SUCCEED();
}

// Escape and Return typed into a control (here in a sub-window) close the
// window or click its default button only in a modal run (exec, doModal).
TEST(Window, OnlyAModalRunClosesOrClicksOnEscapeAndReturn)
{
    LayoutTest::initToolkit();
    CVNQWindow window;
    window.resize(300, 200);
    auto* edit = new QLineEdit(new CVNQSubWin(&window));
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    auto type = [edit] {
        TestUtil::key(edit, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        TestUtil::key(edit, Qt::Key_Escape);
    };
    ASSERT_TRUE(TestUtil::showExposed(&window));
    type();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(clicks, 0);

    window.hide();
    QTimer::singleShot(0, &window, type);
    EXPECT_EQ(window.exec(), int(QDialog::Rejected));
    EXPECT_EQ(clicks, 1);
    QTimer::singleShot(0, &window, type);
    window.doModal();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(clicks, 2);
}

TEST(Window, PageFileKeysConfigureTheWindowAndItsRootFillsIt)
{
    LayoutTest::initToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json", R"({"w": 640, "h": 480, "trans": true,
        "drag": false, "resize": true, "minW": 300, "minH": -2, "onlyDragCaption": true,
        "elements": [{"type": "qtcontainer", "name": "root", "attr": {"childLayout": 1},
                      "child": [{"type": "container", "name": "a"}, {"type": "qtspacer", "name": "gap"}]}]})"));
    CVNQWindow window;
    CVNQContainer* root = cvnCreatePageByFileName(&window, dir.filePath("page"));
    ASSERT_TRUE(root);
    EXPECT_EQ(root->objectName(), QStringLiteral("root"));
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_FALSE(window.getCanGrag());
    EXPECT_TRUE(window.getResizeable());
    EXPECT_TRUE(window.hasMouseTracking());
    EXPECT_EQ(window.getMinSize(), QSize(300, 0));
    EXPECT_TRUE(window.getOnlyDragCaption());
    EXPECT_EQ(root->geometry(), QRect(0, 0, 640, 480));

    ASSERT_TRUE(TestUtil::showExposed(&window));
    window.resize(700, 500);
    CVNQContainer* a = root->findChild<CVNQContainer*>(QStringLiteral("a"));
    QWidget* gap = root->findChild<QWidget*>(QStringLiteral("gap"));
    ASSERT_TRUE(a && gap);
    // The window manager answers the resize when it does; the column is laid
    // out after the root has its new size.
    EXPECT_TRUE(TestUtil::waitFor([&] { return root->size() == QSize(700, 500) && gap->y() + gap->height() == 500; }));
    EXPECT_EQ(root->size(), QSize(700, 500));
    // The spacer takes what the container child leaves of the column.
    EXPECT_EQ(gap->y(), a->height());
    EXPECT_EQ(gap->height(), 500 - a->height());

    // A sub-window host takes the same keys; its minimum is stored as is. Its page fills it, and follows it.
    CVNQSubWin sub(&window);
    CVNQContainer* subRoot = cvnCreatePageByFileName(&sub, dir.filePath("page.json"));
    ASSERT_TRUE(subRoot);
    EXPECT_EQ(subRoot->geometry(), sub.rect());
    sub.resize(300, 200);
    sub.show();
    EXPECT_TRUE(TestUtil::waitFor([&] { return subRoot->geometry() == sub.rect(); }));
    EXPECT_EQ(sub.getImpl()->minHeight, -2);
    EXPECT_FALSE(sub.getCanGrag());
    // A pressed sub-window comes in front of its siblings.
    CVNQSubWin front(&window);
    front.setGeometry(sub.geometry());
    front.show();
    TestUtil::press(&sub, QPoint(5, 5));
    TestUtil::release(&sub, QPoint(5, 5));
    EXPECT_GT(window.children().indexOf(&sub), window.children().indexOf(&front));
}

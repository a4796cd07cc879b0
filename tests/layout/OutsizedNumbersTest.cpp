// Numbers at the edge of int from a page file and a style file: the page
// is built, laid out, shown and painted without overflowing (the
// sanitizer build turns any signed overflow into a failure), and what the
// files gave is held to the range of widget sizes.

#include "CVNQContainer.h"
#include "CVNQLabel.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQWindow.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

QByteArray png(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes;
}

// Every number a file can place or size something with, at INT_MAX or
// INT_MIN, in each layout mode.
const char* const kPage = R"({"w": 400, "h": 300, "elements": [
  {"type": "qtcontainer", "name": "root", "theme": "HugeFill",
   "attr": {"childLayout": 1, "space": 2147483647, "paddingLeft": 2147483647, "paddingTop": -2147483648,
            "paddingRight": 2147483647, "paddingBottom": 2147483647},
   "child": [
    {"type": "qtcontainer", "name": "row", "layout": {"type": 0, "ratio": 2147483647}, "widthPolicy": 1,
     "heightPolicy": 0, "attr": {"childLayout": 0, "space": 2147483647},
     "child": [
       {"type": "qtlabel", "name": "text", "theme": "HugeText", "attr": {"text": "edge"},
        "layout": {"type": 0, "ratio": 2147483647}, "widthPolicy": 1},
       {"type": "qtcontainer", "name": "docked", "absoluteDockHor": 2, "absoluteDockVer": 1,
        "absoluteDockOffsetX": 2147483647, "absoluteDockOffsetY": -2147483648,
        "x": 2147483647, "y": 2147483647, "w": 2147483647, "h": 2147483647}]},
    {"type": "qtcontainer", "name": "flow", "attr": {"childLayout": 2, "space": 2147483647,
     "paddingLeft": 2147483647, "paddingRight": -2147483648},
     "child": [
       {"type": "qtcontainer", "name": "f1", "layout": {"type": 1}, "x": 2147483647, "y": 2147483647,
        "w": 2147483647, "h": 2147483647},
       {"type": "qtcontainer", "name": "f2", "x": -2147483648, "y": -2147483648, "w": 2147483647, "h": 5}]},
    {"type": "qtcontainer", "name": "free", "attr": {"childLayout": 4},
     "child": [{"type": "qtlabel", "name": "placed", "layout": {"type": 1}, "x": 2147483647,
                "y": -2147483648, "w": 2147483647, "h": 2147483647, "theme": "HugeText"}]}]}]})";

const char* const kStyle = R"({"style": [
  {"type": 1, "name": "huge.fill", "drawImg": true, "img": "tile.png", "repeatCenter": false,
   "margin": [2147483647, -2147483648, 2147483647, 2147483647]},
  {"type": 2, "name": "huge.text", "clr": "FF000000", "x": 2147483647, "y": -2147483648, "size": 12}]})";

} // namespace

TEST(OutsizedNumbers, PageAndStyleAtIntLimitsLayOutShowAndPaint)
{
    LayoutTest::initToolkit();
    QTemporaryDir theme;
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "style.json", kStyle));
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "theme.json", R"({"elements": [{"child": [
        {"name": "HugeFill", "style": [["huge.fill", 1, 0]]},
        {"name": "HugeText", "style": [["huge.text", 2, 0]]}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "images/tile.png", png(12, 12)));
    ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(theme.path()));
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json", kPage));

    {
        CVNQWindow window;
        CVNQContainer* root = cvnCreatePageByFileName(&window, dir.filePath("page.json"));
        ASSERT_TRUE(root);
        // The numbers of the style file are held to the widget range.
        const ImageDesc& fill = root->getBackground().imgDesc;
        EXPECT_EQ(root->getBackground().img, "tile.png");
        EXPECT_EQ(fill.margin[MarginTop], QWIDGETSIZE_MAX);
        EXPECT_EQ(fill.margin[MarginRight], -QWIDGETSIZE_MAX);
        auto* label = root->findChild<CVNQLabel*>("text");
        ASSERT_TRUE(label);
        EXPECT_EQ(label->getTextStyle(0).x, QWIDGETSIZE_MAX);
        EXPECT_EQ(label->getTextStyle(0).y, -QWIDGETSIZE_MAX);

        ASSERT_TRUE(TestUtil::showExposed(&window));
        root->forceResize();
        for (QWidget* w : root->findChildren<QWidget*>()) {
            const QRect g = w->geometry();
            EXPECT_LE(std::abs(qint64(g.x())) + g.width(), qint64(4) * QWIDGETSIZE_MAX) << qPrintable(w->objectName());
            EXPECT_LE(std::abs(qint64(g.y())) + g.height(), qint64(4) * QWIDGETSIZE_MAX) << qPrintable(w->objectName());
        }
        ICVNQWidgetBase* placed = dynamic_cast<ICVNQWidgetBase*>(root->findChild<QWidget*>("placed"));
        ASSERT_TRUE(placed);
        void* data = nullptr;
        placed->getLayoutData(data);
        ASSERT_TRUE(data);
        EXPECT_EQ(static_cast<int*>(data)[0], QWIDGETSIZE_MAX);
        EXPECT_EQ(static_cast<int*>(data)[1], -QWIDGETSIZE_MAX);
        EXPECT_EQ(static_cast<int*>(data)[2], kCVNMaxWidgetSide); // sides are held to the page bound

        QImage shot(window.size(), QImage::Format_ARGB32);
        shot.fill(Qt::white);
        window.render(&shot);
        EXPECT_FALSE(shot.isNull());
    }
    QTemporaryDir empty;
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(empty.path()));
}

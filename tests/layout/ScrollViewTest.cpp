// Scroll view: adopting its first container child, scrolling and its
// signal, the viewport background, the bound scroll-bar child nodes and its
// JSON node.

#include "CVNQWidgetBaseImpl.h"
#include "CVNJson.h"
#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQtLib.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace CVNQtLib;

namespace {

std::unique_ptr<CVNQScrollView> build(const char* text)
{
    LayoutTest::initToolkit();
    QWidget* w = createControlTree(TestUtil::json(text), nullptr);
    auto* v = qobject_cast<CVNQScrollView*>(w);
    if (!v)
        delete w;
    return std::unique_ptr<CVNQScrollView>(v);
}

CVNQScrollBar* bar(CVNQScrollView* v, bool hor)
{
    return qobject_cast<CVNQScrollBar*>(hor ? v->horizontalScrollBar() : v->verticalScrollBar());
}

void registerStyles()
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    int shade = 10;
    for (const char* name : {"svA", "svB", "svC"}) {
        FillStyle f;
        f.name = name;
        f.fill.clr = QColor(shade, 2 * shade, 3 * shade);
        shade += 20;
        rm->setFillStyle(f.name, f);
    }
}

} // namespace

TEST(ScrollView, AdoptsItsFirstContainerChild)
{
    auto v = build(R"({"type":"qtscrollview","w":200,"h":100,"child":[
        {"type":"qtscrollbar","w":9},
        {"type":"qtspacer","name":"notAContainer"},
        {"type":"qtcontainer","name":"first","w":300,"h":900},
        {"type":"container","name":"second","w":10,"h":10}]})");
    ASSERT_NE(v, nullptr);
    ASSERT_NE(v->widget(), nullptr);
    EXPECT_EQ(v->widget()->objectName(), "first");
    EXPECT_EQ(v->widget()->parentWidget(), v->viewport());
    // The bar built from the scroll-bar node only configures the view's own.
    for (CVNQScrollBar* stray : v->findChildren<CVNQScrollBar*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(stray->isHidden());

    auto none = build(R"({"type":"qtscrollview","child":[{"type":"qtspacer"}]})");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->widget(), nullptr);
    none->createComplete(); // nothing to adopt, and no harm in asking again
    EXPECT_EQ(none->widget(), nullptr);
}

TEST(ScrollView, ScrollsItsContentAndReportsEveryStep)
{
    auto v = build(R"({"type":"qtscrollview","w":200,"h":100,"child":[
        {"type":"qtcontainer","layout":{"type":1},"w":500,"h":900}]})");
    ASSERT_NE(v, nullptr);
    v->resize(200, 100);
    v->show();
    std::vector<QPoint> steps;
    QObject::connect(v.get(), &CVNQScrollView::scrollPosChanged,
                     [&steps](int dx, int dy) { steps.push_back(QPoint(dx, dy)); });
    v->setVScrollPos(120);
    v->setHScrollPos(30);
    EXPECT_EQ(v->getVScrollPos(), 120);
    EXPECT_EQ(v->getHScrollPos(), 30);
    EXPECT_EQ(v->widget()->pos(), QPoint(-30, -120));
    v->setVScrollPos(100);
    EXPECT_EQ(steps, (std::vector<QPoint>{{0, -120}, {-30, 0}, {0, 20}}));
    v->setVScrollPos(100000);
    EXPECT_EQ(v->getVScrollPos(), v->verticalScrollBar()->maximum());
}

TEST(ScrollView, ViewportShowsTheBackground)
{
    registerStyles();
    auto v = build(R"({"type":"qtscrollview","style":[["svA",1,0],["unknown",1,0],["svB",1,1],["svC",1,-1]]})");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->getBackground(0).name, "svB"); // the last entry that resolves
    v->resize(120, 80);
    v->show();
    const QImage img = v->grab().toImage();
    EXPECT_EQ(img.pixelColor(40, 40), v->getBackground(1).fill.clr);
    // On screen, the viewport covers the view edge to edge: a bordered gradient background shows once, over the
    // whole view, as it draws alone here.
    FillStyle framed = v->getBackground(CommonCtrlStateNormal);
    framed.fill.gradient = true, framed.fill.clr2 = QColor(200, 180, 20);
    framed.fill.border = true, framed.fill.borderSize = 3, framed.fill.borderclr = QColor(250, 0, 120);
    v->setBackground(CommonCtrlStateNormal, framed);
    ASSERT_TRUE(TestUtil::showExposed(v.get()));
    const QImage shown = TestUtil::screenShot(v.get()).convertToFormat(QImage::Format_ARGB32);
    QImage reference(v->size(), QImage::Format_ARGB32);
    reference.fill(Qt::transparent);
    QPainter painter(&reference);
    CVNQWidgetBaseImpl::drawFillStyle(&painter, framed, reference.rect());
    painter.end();
    ASSERT_EQ(shown.size(), reference.size());
    EXPECT_LE(TestUtil::largestDifference(shown, reference), 2);
}

TEST(ScrollView, ScrollBarNodesPickTheirBar)
{
    registerStyles();
    auto v = build(R"({"type":"qtscrollview","child":[
        {"type":"qtscrollbar","w":11,"attr":{"upicon":"v-up.svg","thumbicon":"v-thumb.png","size":5}},
        {"type":"scrollbar","h":7,"attr":{"hor":true,"downicon":"h-down.svg"}},
        {"type":"ScrollBar","attr":{"upicon":"wrong-case"}},
        {"type":"scrollba","attr":{"upicon":"too-short"}},
        {"type":"myscrollbar2","w":4,"attr":{"hor":false,"downicon":"late.svg"}}]})");
    ASSERT_NE(v, nullptr);
    CVNQScrollBar* vb = bar(v.get(), false);
    CVNQScrollBar* hb = bar(v.get(), true);
    EXPECT_EQ(vb->getScrollbarBtnIcon(true), "v-up.svg");
    EXPECT_EQ(vb->getScrollbarThumbIcon(), "v-thumb.png");
    EXPECT_EQ(vb->getScrollbarBtnIcon(false), "late.svg");
    EXPECT_EQ(hb->getScrollbarBtnIcon(false), "h-down.svg");
    EXPECT_TRUE(hb->getScrollbarBtnIcon(true).isEmpty());
    // The thickness of the node read last is what both bars carry.
    EXPECT_TRUE(vb->styleSheet().startsWith("QScrollBar::vertical{ width:4; } QScrollBar::horizontal{ height:4; }"))
        << vb->styleSheet().toStdString();
    EXPECT_EQ(hb->styleSheet(), vb->styleSheet());
    EXPECT_TRUE(vb->styleSheet().contains("width:4px;width:4px;"));
}

TEST(ScrollView, ScrollBarNodeWithoutAttrClearsTheVerticalBar)
{
    auto v = build(R"({"type":"qtscrollview"})");
    ASSERT_NE(v, nullptr);
    CVNQScrollBar* vb = bar(v.get(), false);
    v->setScrollbarButtonIcon(false, true, "keep.svg");
    v->setScrollbarThumb(false, "thumb.svg");
    v->setScrollbarBtnSize(true, 9);
    EXPECT_EQ(bar(v.get(), true)->styleSheet(),
              "QScrollBar::add-line{ width:9px;width:9px; }QScrollBar::sub-line{ width:9px;width:9px; }");
    Json::Value node = TestUtil::json(R"({"child":[{"type":"qtscrollbar"}]})");
    v->readJsonValue(&node);
    EXPECT_TRUE(vb->getScrollbarBtnIcon(true).isEmpty());
    EXPECT_TRUE(vb->getScrollbarThumbIcon().isEmpty());
    EXPECT_TRUE(vb->styleSheet().startsWith("QScrollBar::vertical{ width:0; }"));
}

TEST(ScrollView, ScrollBarNodeStyles)
{
    registerStyles();
    auto v = build(R"({"type":"qtscrollview","child":[{"type":"qtscrollbar","style":[
        ["svA",1,2],["svB",1,3],["svC",1,0],["svB",1,1],["svB",1,14],["nope",1,10],["svA",1,10],["svC",1,13],
        "junk",["svC"],[1,1,6]]}]})");
    ASSERT_NE(v, nullptr);
    CVNQScrollBar* vb = bar(v.get(), false);
    EXPECT_EQ(vb->getScrollbarUpButton(0).name, "svA");
    EXPECT_EQ(vb->getScrollbarUpButton(1).name, "svB");
    EXPECT_EQ(vb->getScrollbarUpButton(2).name, "svA");
    EXPECT_EQ(vb->getScrollbarUpButton(3).name, "svA");
    EXPECT_EQ(vb->getScrollbarBackground(0).name, "svC");
    EXPECT_EQ(vb->getScrollbarThumb(0).name, "svA");
    EXPECT_EQ(vb->getScrollbarThumb(3).name, "svC");
    EXPECT_TRUE(vb->getScrollbarDownButton(0).name.isEmpty());

    // Hover first, then normal: the normal entry covers hover too.
    Json::Value reverse = TestUtil::json(R"({"child":[{"type":"qtscrollbar","attr":{"hor":1},
        "style":[["svB",1,7],["svC",1,6]]}]})");
    v->readJsonValue(&reverse);
    CVNQScrollBar* hb = bar(v.get(), true);
    for (int st = 0; st < 4; ++st)
        EXPECT_EQ(hb->getScrollbarDownButton(st).name, "svC") << st;

    // Malformed lists are skipped.
    for (const char* text : {R"({"child":{"type":"qtscrollbar"}})", R"({"child":[{"type":"qtscrollbar","style":7}]})",
                             R"({"child":[5,null,{"type":9}]})"}) {
        Json::Value bad = TestUtil::json(text);
        v->readJsonValue(&bad);
    }
    EXPECT_EQ(hb->getScrollbarDownButton(1).name, "svC");
}

TEST(ScrollView, JsonRoundTripKeepsTheContent)
{
    registerStyles();
    ASSERT_TRUE(cvnIsSerializeChild());
    auto v = build(R"({"type":"qtscrollview","name":"view","w":200,"h":100,"style":[["svA",1,0]],"child":[
        {"type":"qtcontainer","name":"content","w":300,"h":600,"attr":{"childLayout":1},
         "child":[{"type":"qtcontainer","name":"row1","h":40,"heightPolicy":1},
                  {"type":"qtcontainer","name":"row2","h":40,"heightPolicy":1}]},
        {"type":"qtcontainer","name":"extra","w":5,"h":5}]})");
    ASSERT_NE(v, nullptr);
    Json::Value out;
    v->serializeJsonValue(&out, false);
    EXPECT_EQ(out["style"][0][0].asString(), "svA");
    ASSERT_EQ(out["child"].size(), 2u) << jsonStyled(out);
    EXPECT_EQ(out["child"][0]["name"].asString(), "content");
    EXPECT_EQ(out["child"][0]["child"].size(), 2u);
    EXPECT_EQ(out["child"][1]["name"].asString(), "extra");

    auto again = build(jsonStyled(out).c_str());
    ASSERT_NE(again, nullptr);
    ASSERT_NE(again->widget(), nullptr);
    EXPECT_EQ(again->widget()->objectName(), "content");
    EXPECT_NE(again->widget()->findChild<QWidget*>("row2"), nullptr);

    cvnEnableSerializeChild(false);
    Json::Value flat;
    v->serializeJsonValue(&flat, false);
    cvnEnableSerializeChild(true);
    EXPECT_FALSE(flat.isMember("child"));

    Json::Value none;
    CVNQScrollView().serializeJsonValue(&none, false);
    EXPECT_TRUE(none["style"].isNull());
}

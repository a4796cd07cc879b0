// A layout control's own "attr" keys, once read, are written as the control
// stands now: a key set back to its default goes away, a changed one changes.
// And every setter that changes what a layout control shows asks for its
// own repaint.

#include "CVNJson.h"
#include "CVNQContainer.h"
#include "CVNQGroupBox.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQSpacer.h"
#include "CVNQSplitter.h"
#include "CVNQSubWin.h"
#include "CVNQTabWidget.h"
#include "CVNQWindowDesigner.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

template <class Control>
Json::Value write(Control& c)
{
    Json::Value out;
    c.serializeJsonValue(&out, false);
    return out;
}

template <class Control>
void read(Control& c, const char* text)
{
    Json::Value node = TestUtil::json(text);
    c.readJsonValue(&node);
}

} // namespace

TEST(AttrKeys, WrittenKeysFollowTheCurrentStateNotWhatWasRead)
{
    LayoutTest::initToolkit();

    CVNQContainer box;
    read(box, R"({"attr": {"childLayout": 1, "space": 5, "paddingTop": 3, "absoluteDockAutoSize": true,
                           "note": "kept"}})");
    box.setChildSpace(0);
    box.setChildPadding(0, 0, 7, 0);
    box.setChildLayout(CVNQContainer::HorFloat);
    box.setAbsoluteDockAutoSize(false);
    Json::Value attr = write(box)["attr"];
    EXPECT_EQ(attr["childLayout"].asInt(), 2);
    EXPECT_FALSE(attr.isMember("space"));
    EXPECT_FALSE(attr.isMember("paddingTop"));
    EXPECT_EQ(attr["paddingRight"].asInt(), 7);
    EXPECT_FALSE(attr.isMember("absoluteDockAutoSize"));
    EXPECT_EQ(attr["note"].asString(), "kept"); // not the container's: still written back

    CVNQSpacer spacer;
    read(spacer, R"({"attr": {"direction": 1, "thickness": 6}})");
    spacer.setDirection(CVNQSpacer::Auto);
    spacer.setThickness(0);
    EXPECT_FALSE(write(spacer).isMember("attr"));

    CVNQScrollBar bar;
    read(bar, R"({"attr": {"hor": true, "upicon": "up.svg", "thumbicon": "t.svg"}})");
    bar.setOrientation(Qt::Vertical);
    bar.setScrollbarBtnIcon(true, QString());
    bar.setScrollbarThumbIcon(QStringLiteral("t2.svg"));
    attr = write(bar)["attr"];
    EXPECT_FALSE(attr.isMember("hor"));
    EXPECT_FALSE(attr.isMember("upicon"));
    EXPECT_EQ(attr["thumbicon"].asString(), "t2.svg");
    bar.setScrollbarThumbIcon(QString());
    const Json::Value bare = write(bar);
    ASSERT_TRUE(bare.isMember("attr")); // the bar always writes "attr", null when empty
    EXPECT_TRUE(bare["attr"].isNull());

    // A page root writes the theme that is loaded, not one it was asked for.
    CVNQWindowDesigner page;
    read(page, R"({"attr": {"theme": "/no/such/theme/folder"}})");
    const Json::Value pageNode = write(page);
    EXPECT_NE(jsonStdString(jsonGet(pageNode, "attr"), "theme"), "/no/such/theme/folder");
    if (!CVNQResourceManager::getInstance()->getThemeManagerIml()) {
        EXPECT_FALSE(pageNode.isMember("attr"));
    }
}

TEST(LayoutLooks, EverySetterThatChangesTheLookAsksForItsRepaint)
{
    LayoutTest::initToolkit();
    FillStyle colour;
    colour.fill.clr = QColor(0x30, 0x60, 0x90);
    TextStyleDesc text;
    text.clr = QColor(0x90, 0x60, 0x30);
    QWidget page;
    page.resize(300, 400);
    auto* container = new CVNQContainer(&page);
    auto* group = new CVNQGroupBox(&page);
    auto* view = new CVNQScrollView(&page);
    auto* splitter = new CVNQSplitter(&page);
    auto* tabs = new CVNQTabWidget(&page);
    auto* window = new CVNQSubWin(&page);
    int row = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{container, group, view, splitter, tabs, window})
        w->setGeometry(0, 60 * row++, 200, 50), w->show();
    tabs->addTab("One", QString(), QString());
    ASSERT_TRUE(TestUtil::showExposed(&page));
    TestUtil::expectEachRepaints({
        {container, [&] { container->setUseFillStyle(false); }},
        {group, [&] { group->setText("Title"); }},
        {group, [&] { group->setTextStyle(CommonCtrlStateNormal, text); }},
        {group, [&] { group->setBackground(CommonCtrlStateNormal, colour); }},
        {group, [&] { group->setLineColor(Qt::red); }},
        {group, [&] { group->setLineSize(3); }},
        {group, [&] { group->setShowText(!group->getShowText()); }},
        {view->viewport(), [&] { view->setBackground(CommonCtrlStateNormal, colour); }},
        {splitter, [&] { splitter->setBackground(colour); }},
        {tabs, [&] { tabs->addTab("Two", QString(), QString()); }},
        {tabs, [&] { tabs->removeTab(1); }},
        {tabs, [&] { tabs->setIsHor(!tabs->getIsHor()); }},
        {tabs, [&] { tabs->setItemSize(40); }},
        {tabs, [&] { tabs->setItemSpace(6); }},
        {tabs, [&] { tabs->setShowText(!tabs->getShowText()); }},
        {tabs, [&] { tabs->setShowIcon(!tabs->getShowIcon()); }},
        {tabs, [&] { tabs->setBackground(colour); }},
        {tabs, [&] { tabs->setItemBackground(CtrlStateAll, colour); }},
        {tabs, [&] { tabs->setItemTextStyle(CtrlStateAll, text); }},
        {window, [&] { window->setShowBackground(true); }},
        {window, [&] { window->setUseFillColor(true); }},
        {window, [&] { window->setBackgroundColor(colour.fill); }},
        {window, [&] { window->setBackgroundImage("lk.image", ImageDesc()); }},
    });
    // What each asked for shows: the background colour set on every one that
    // draws it (a group box keeps it undrawn), the window's only while it
    // fills rather than draws its image.
    for (QWidget* w : std::initializer_list<QWidget*>{view, splitter, tabs, window})
        EXPECT_TRUE(TestUtil::hasColor(TestUtil::screenShot(w), colour.fill.clr, 2)) << w->metaObject()->className();
    window->setUseFillColor(false);
    EXPECT_FALSE(TestUtil::hasColor(TestUtil::screenShot(window), colour.fill.clr, 2));
    window->setUseFillColor(true);
    window->setShowBackground(false);
    EXPECT_FALSE(TestUtil::hasColor(TestUtil::screenShot(window), colour.fill.clr, 2));
}

// The themed menu bar: hover over its menus with the real pointer, its
// "style" slots read and written, its per-state setters and registration.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQMenu.h"
#include "CVNQMenuBar.h"
#include "CVNQMenuBarImpl.h"
#include "TableViewTestUtil.h"

#include <QCursor>
#include <QDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kBar(24, 28, 36);
const QColor kItem(34, 40, 52);
const QColor kHot(47, 111, 235);

Json::Value styleNode(const char* entries)
{
    return TestUtil::json((std::string(R"({"style": )") + entries + "}").c_str());
}

} // namespace

TEST(MenuBar, HoverFollowsThePointerOverItsMenus)
{
    initToolkit();
    QWidget window;
    window.setGeometry(80, 80, 420, 120);
    auto* bar = new CVNQMenuBar(&window);
    bar->setGeometry(0, 0, 420, 32);
    bar->setBackground(0, fill("mbBar", kBar));
    bar->setItemBackground(CtrlStateAll, fill("mbItem", kItem));
    bar->setItemBackground(1, fill("mbHot", kHot));
    bar->setTextStyle(CtrlStateAll, text("mbText", Qt::white, 1));
    for (const char* title : {"File", "Edit", "View"}) {
        auto* menu = new CVNQMenu(bar);
        menu->setTitle(title);
        menu->addAction("Item");
        bar->addMenu(menu);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QList<QAction*> items = bar->actions();
    auto pointAt = [&](int index) {
        QCursor::setPos(bar->mapToGlobal(bar->actionGeometry(items.at(index)).center()));
        return QTest::qWaitFor([&] { return bar->getImpl()->hoverIndex == index; });
    };
    EXPECT_EQ(bar->getImpl()->hoverIndex, -1);
    ASSERT_TRUE(pointAt(0));
    ASSERT_TRUE(pointAt(1));

    // The empty part of the bar keeps the last item hovered.
    const QPoint empty(bar->width() - 5, bar->height() / 2);
    for (QAction* a : items)
        ASSERT_FALSE(bar->actionGeometry(a).contains(empty));
    TestUtil::move(bar, empty);
    EXPECT_EQ(bar->getImpl()->hoverIndex, 1);

    const QImage img = TestUtil::screenShot(bar);
    img.save(TestUtil::shotPath("corvane-menubar.png"));
    TestUtil::expectMatchesReference(img, "menubar");
    QRect hot = bar->actionGeometry(items.at(1));
    hot.setHeight(bar->height());
    EXPECT_TRUE(hasColorIn(img, hot, kHot, 2));
    EXPECT_FALSE(hasColorIn(img, bar->actionGeometry(items.at(0)), kHot, 2));
    EXPECT_TRUE(hasColorIn(img, bar->actionGeometry(items.at(2)), kItem, 2));
    EXPECT_TRUE(hasColorIn(img, hot, Qt::white, 60)); // the item's text

    // Leaving the bar clears the hover.
    QCursor::setPos(window.mapToGlobal(QPoint(200, 100)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->getImpl()->hoverIndex == -1; }));
    EXPECT_FALSE(hasColorIn(TestUtil::screenShot(bar), hot, kHot, 2));
}

TEST(MenuBar, StyleSlotsSettersAndRegistration)
{
    initToolkit();
    fill("mbA", Qt::red);
    fill("mbB", Qt::green);
    text("mbT12", Qt::black, 0, 12);
    text("mbT0", Qt::black, 0, 0);
    text("mbU", Qt::white);

    CVNQMenuBar bar;
    Json::Value node = styleNode(R"([["mbA", 1, 0], ["mbB", 1, 1], ["mbA", 1, 3], ["mbT12", 2, 5], ["mbB", 1, 9],
        ["mbA", 1, 11], ["mbU", 2, 13], ["mbA", 1, 17], ["unknown", 1, 1], [5, 1, 2], "junk", ["mbA", 1, "3"]])");
    ASSERT_TRUE(bar.readJsonValue(&node));
    EXPECT_EQ(bar.getBackground(0).name, QString("mbA"));
    EXPECT_EQ(bar.getItemBackground(3).name, QString("mbB"));
    EXPECT_EQ(bar.getItemBackground(2).name, QString("mbA"));
    EXPECT_EQ(bar.getTextStyle(3).name, QString("mbT12"));
    EXPECT_EQ(bar.font().pixelSize(), 13);
    EXPECT_EQ(bar.getPopupBackground(0).name, QString("mbB"));
    EXPECT_EQ(bar.getPopupItemBackground(2).name, QString("mbA"));
    EXPECT_EQ(bar.getPopupTextStyle(0).name, QString("mbU"));
    EXPECT_TRUE(bar.getPopupTextStyle(1).name.isEmpty()); // slot 13 sets state 0 only
    // A text style of size 0 still gives a usable font.
    node = styleNode(R"([["mbT0", 2, 5]])");
    ASSERT_TRUE(bar.readJsonValue(&node));
    EXPECT_EQ(bar.font().pixelSize(), 1);

    // The per-state setters take 4 for all states; getters read state 0 for
    // other states.
    bar.setItemBackground(CtrlStateAll, fill("mbB", Qt::green));
    bar.setPopupItemBackground(CtrlStateAll, fill("mbB", Qt::green));
    bar.setPopupTextStyle(-2, text("mbT12", Qt::black, 0, 12));
    EXPECT_EQ(bar.getPopupItemBackground(2).name, QString("mbB"));
    EXPECT_EQ(bar.getPopupTextStyle(0).name, QString("mbU"));
    EXPECT_EQ(bar.getItemBackground(9).name, QString("mbB"));
    for (int s = 1; s < 4; ++s)
        bar.setPopupTextStyle(s, text("mbU", Qt::white));

    // Round trip: four alike item fills as one slot-1 entry; a uniform
    // pop-up text style comes back in all four states.
    Json::Value written;
    ASSERT_TRUE(bar.serializeJsonValue(&written, false));
    int itemEntries = 0;
    for (const Json::Value& e : written["style"])
        itemEntries += e[2].asInt() >= 1 && e[2].asInt() <= 4;
    EXPECT_EQ(itemEntries, 1);
    CVNQMenuBar back;
    ASSERT_TRUE(back.readJsonValue(&written));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(back.getItemBackground(s).name, QString("mbB")) << s;
        EXPECT_EQ(back.getPopupTextStyle(s).name, QString("mbU")) << s;
    }

    QWidget page;
    EXPECT_NE(qobject_cast<CVNQMenuBar*>(createControlTree(TestUtil::json(R"({"type": "menubar"})"), &page)), nullptr);
    ControlInfo* info = cvnGetControlInfo("qtmenubar");
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->properties.size(), 13u);
    EXPECT_EQ(info->properties[12].name, QString("PopupItemTextStyle"));
}

TEST(MenuBar, ItsPopupMenusAreNotWrittenSoASecondWriteEqualsTheFirst)
{
    initToolkit();
    fill("mbA", Qt::red);
    QWidget page;
    auto* bar = qobject_cast<CVNQMenuBar*>(
        createControlTree(TestUtil::json(R"({"type": "qtmenubar", "name": "bar", "style": [["mbA", 1, 0]]})"), &page));
    ASSERT_NE(bar, nullptr);
    bar->addMenu(new CVNQMenu(QStringLiteral("File"), bar));
    bar->addMenu(new CVNQMenu(bar))->setText(QStringLiteral("Edit"));
    Json::Value first, second;
    ASSERT_TRUE(bar->serializeJsonValue(&first, false));
    EXPECT_FALSE(first.isMember("child"));
    auto* back = qobject_cast<CVNQMenuBar*>(createControlTree(first, &page));
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->serializeJsonValue(&second, false));
    EXPECT_EQ(second, first) << jsonStyled(second);
}

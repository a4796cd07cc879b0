// The simple themed list: text items with icons drawn per state (hover over
// selection), icon squares by row height, checked per-state indexes, and
// its JSON node.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQList.h"
#include "CVNQListItemDelegate.h"
#include "TableViewTestUtil.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

QString iconPath(const char* name)
{
    return TestUtil::sourcePath(QStringLiteral("app/icons/%1.svg").arg(name));
}

} // namespace

TEST(List, ThemedItemsWithIconsHoverAndSelection)
{
    initToolkit();
    QCursor::setPos(2000, 1500);
    CVNQList list;
    list.setBackground(0, fill("lsBack", QColor(24, 28, 36)));
    list.setItemBackground(0, fill("lsNormal", QColor(34, 40, 50)));
    list.setItemBackground(1, fill("lsHover", QColor(52, 84, 120)));
    list.setItemBackground(2, fill("lsSelected", QColor(40, 130, 110)));
    list.setItemTextStyle(0, text("lsText", QColor(230, 232, 236)));
    list.setItemTextStyle(1, text("lsTextHot", QColor(255, 255, 255)));
    list.setItemTextStyle(2, text("lsTextSel", QColor(255, 240, 200)));
    list.setItemHeight(30);
    const char* icons[] = {"check", "wrench", "alert", "offline", "energy", "humidity"};
    for (int i = 0; i < 6; ++i)
        list.addItem(new QListWidgetItem(QIcon(iconPath(icons[i])), QStringLiteral("Turbine WT-%1").arg(i + 1)));
    list.addItem(QStringLiteral("No icon"));
    auto* named = new QListWidgetItem(QStringLiteral("Icon by name"));
    named->setData(Qt::DecorationRole, iconPath("calendar"));
    list.addItem(named);
    list.resize(260, 300);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    list.setCurrentRow(1);

    // The pointer over the selected row: hover wins.
    const QRect selected = list.visualItemRect(list.item(1));
    const QRect hovered = list.visualItemRect(list.item(3));
    QCursor::setPos(list.viewport()->mapToGlobal(hovered.center()));
    auto grab = [&] { return TestUtil::screenShot(list.viewport()); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasColorIn(grab(), hovered, QColor(52, 84, 120), 2); }));
    QImage img = grab();
    img.save(TestUtil::shotPath("list_themed.png"));
    TestUtil::expectMatchesReference(img, "list_themed");
    EXPECT_TRUE(hasColorIn(img, selected, QColor(40, 130, 110), 2));
    EXPECT_TRUE(hasColorIn(img, list.visualItemRect(list.item(0)), QColor(34, 40, 50), 2));
    EXPECT_TRUE(hasColorIn(img, QRect(0, img.height() - 3, 20, 3), QColor(24, 28, 36), 2));
    QCursor::setPos(list.viewport()->mapToGlobal(selected.center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasColorIn(grab(), selected, QColor(52, 84, 120), 2); }));
    // Shown again under the still pointer: the row under it shows hovered.
    list.hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hasColorIn(grab(), selected, QColor(52, 84, 120), 2); }));
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_TRUE(QTest::qWaitFor([&] { return hasColorIn(grab(), selected, QColor(52, 84, 120), 2); }));

    // Icon squares by row height; a decoration that is no icon moves the text too.
    EXPECT_EQ(CVNQListItemDelegate::iconSize(24), 16);
    EXPECT_EQ(CVNQListItemDelegate::iconSize(30), 24);
    EXPECT_EQ(CVNQListItemDelegate::iconSize(40), 32);
    list.item(6)->setData(Qt::DecorationRole, 5);
    const QRect plain = list.visualItemRect(list.item(6));
    const int textLeft = leftmostColor(grab(), plain.top() + 4, plain.bottom() - 4, QColor(230, 232, 236), 30);
    EXPECT_GE(textLeft, plain.left() + 28);
    EXPECT_LE(textLeft, plain.left() + 40);

    // Per-state setters take 0 to 3, and 4 for all four.
    list.setItemBackground(7, fill("lsOther", QColor(1, 2, 3)));
    EXPECT_EQ(list.getItemBackground(0).name, "lsNormal");
    EXPECT_EQ(list.getItemBackground(3).name, "");
    list.setItemBackground(4, fill("lsAll", QColor(1, 2, 3)));
    EXPECT_EQ(list.getItemBackground(3).name, "lsAll");
    list.setItemBackground(0, fill("lsNormal", QColor(1, 2, 3)));
    EXPECT_EQ(list.getItemBackground(-1).name, "lsNormal");
    list.setItemTextStyle(9, text("lsOtherText", QColor(1, 2, 3)));
    EXPECT_EQ(list.getItemTextStyle(9).name, "lsText");
}

TEST(List, JsonNodeStyleSlotsAttributesAndBars)
{
    initToolkit();
    fill("lsA", QColor(10, 20, 30));
    text("lsT", QColor(200, 200, 200));
    std::unique_ptr<QWidget> built(createControlByTypeName("list", nullptr));
    ASSERT_NE(qobject_cast<CVNQList*>(built.get()), nullptr);
    ASSERT_NE(cvnGetControlInfo("qtlist"), nullptr);
    EXPECT_EQ(cvnGetControlInfo("qtlist")->properties.size(), 12u);

    Json::Value node = TestUtil::json(R"({"style": [["lsA",1,2],["lsT",2,6]],
        "attr": {"multiselect": true, "itemHeight": 34},
        "child": [{"type": "scrollbar", "w": 8}, {"type": "scrollbar", "attr": {"hor": true}, "h": 12}]})");
    CVNQList list;
    list.readJsonValue(&node);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(list.getItemBackground(s).name, "lsA");
        EXPECT_EQ(list.getItemTextStyle(s).name, "lsT");
    }
    EXPECT_TRUE(list.getIsMultiSelected());
    EXPECT_EQ(list.getItemHeight(), 34);
    EXPECT_TRUE(list.verticalScrollBar()->styleSheet().contains("width:12;"));
    EXPECT_TRUE(list.horizontalScrollBar()->styleSheet().contains("height:12;"));

    Json::Value written;
    list.serializeJsonValue(&written, false);
    EXPECT_EQ(written["style"].size(), 2u);
    EXPECT_EQ(written["style"][1][2].asInt(), 6);
    EXPECT_EQ(written["style"][1][1].asInt(), 2);
    EXPECT_EQ(written["attr"]["multiselect"].asInt(), 1);
    EXPECT_EQ(written["attr"]["itemHeight"].asInt(), 34);
    list.setIsMultiSelected(false);
    list.serializeJsonValue(&written, false);
    EXPECT_FALSE(written["attr"].isMember("multiselect"));

    Json::Value bad = TestUtil::json(R"({"style": {"a": 1}, "attr": {"multiselect": "yes", "itemHeight": [1]}})");
    CVNQList typed;
    EXPECT_NO_THROW(typed.readJsonValue(&bad));
    EXPECT_FALSE(typed.getIsMultiSelected());
    EXPECT_EQ(typed.getItemHeight(), 20);
}

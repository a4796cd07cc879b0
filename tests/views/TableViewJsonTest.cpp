// The data grid's JSON node: "style" slots and the compact writing of
// per-state groups, the "attr" keys, scroll-bar children, jsonData, pages
// and theme entries.

#include "CVNQCheckBox.h"
#include "CVNQControlFactory.h"
#include "CVNQScrollBar.h"
#include "TableViewTestUtil.h"
#include "TestUtil.h"

#include <QHeaderView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

class TableViewJson : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initToolkit();
        fill("js_n", QColor(1, 2, 3));
        fill("js_h", QColor(4, 5, 6));
        fill("js_bg", QColor(7, 8, 9));
        fill("js_head", QColor(10, 11, 12));
        text("js_t", Qt::black);
        text("js_t2", Qt::white);
        text("js_ht", Qt::gray);
    }

    static void read(CVNQTableView& view, const char* text)
    {
        Json::Value node = TestUtil::json(text);
        EXPECT_TRUE(view.readJsonValue(&node));
    }
    static Json::Value write(CVNQTableView& view)
    {
        Json::Value node(Json::objectValue);
        view.serializeJsonValue(&node, false);
        return node;
    }
    // "style" entries as (name, kind, slot) text, in order.
    static QStringList styleEntries(const Json::Value& node)
    {
        QStringList out;
        const Json::Value& list = jsonGet(node, "style");
        for (int i = 0; i < jsonSize(list); ++i) {
            const Json::Value& e = jsonAt(list, i);
            out << QStringLiteral("%1/%2/%3")
                       .arg(jsonToQString(jsonAt(e, 0)))
                       .arg(jsonToInt(jsonAt(e, 1)))
                       .arg(jsonToInt(jsonAt(e, 2)));
        }
        return out;
    }
};

TEST_F(TableViewJson, NormalSlotFillsTheGroupAndLaterSlotsOverrideTheirState)
{
    CVNQTableView one;
    read(one, R"({"style": [["js_n", 1, 2]]})");
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(one.getItemBackground(s).name, QString("js_n")) << s;

    CVNQTableView two;
    read(two, R"({"style": [["js_n", 1, 2], ["js_h", 1, 3]]})");
    EXPECT_EQ(two.getItemBackground(0).name, QString("js_n"));
    EXPECT_EQ(two.getItemBackground(1).name, QString("js_h"));
    EXPECT_EQ(two.getItemBackground(2).name, QString("js_n"));
    EXPECT_EQ(two.getItemBackground(3).name, QString("js_n"));
    EXPECT_TRUE(two.getItemBackground(0).valid);

    CVNQTableView all;
    read(all, R"({"style": [["js_bg", 1, 0], ["js_t", 2, 6], ["js_t2", 2, 8], ["js_head", 1, 10],
                            ["js_ht", 2, 14], ["js_h", 1, 1], ["js_h", 1, 18], ["nowhere", 1, 4],
                            "not an entry", [5, 1, 2]]})");
    EXPECT_EQ(all.getBackground(0).name, QString("js_bg"));
    EXPECT_EQ(all.getItemTextStyle(0).name, QString("js_t"));
    EXPECT_EQ(all.getItemTextStyle(2).name, QString("js_t2"));
    EXPECT_EQ(all.getItemTextStyle(3).name, QString("js_t"));
    EXPECT_EQ(all.getHeaderBackground(3).name, QString("js_head"));
    EXPECT_EQ(all.getHeaderTextStyle(1).name, QString("js_ht"));
    // Unknown names, slot 1, slots from 18 and malformed entries change nothing.
    EXPECT_FALSE(all.getItemBackground(2).valid);
    EXPECT_TRUE(all.getItemBackground(2).name.isEmpty());
}

TEST_F(TableViewJson, GroupsAreWrittenCompactlyOrPerState)
{
    CVNQTableView same;
    same.setItemBackground(CtrlStateAll, fill("js_n", QColor(1, 2, 3)));
    same.setItemTextStyle(CtrlStateAll, text("js_t", Qt::black));
    same.setBackground(0, fill("js_bg", QColor(7, 8, 9)));
    EXPECT_EQ(styleEntries(write(same)), (QStringList{"js_bg/1/0", "js_n/1/2", "js_t/2/6"}));

    CVNQTableView differ;
    differ.setItemBackground(CtrlStateAll, fill("js_n", QColor(1, 2, 3)));
    differ.setItemBackground(CtrlStateHover, fill("js_h", QColor(4, 5, 6)));
    differ.setHeaderTextStyle(CtrlStateAll, text("js_ht", Qt::gray));
    differ.setHeaderTextStyle(CtrlStateDisabled, text("js_t", Qt::black));
    const Json::Value node = write(differ);
    EXPECT_EQ(styleEntries(node), (QStringList{"js_n/1/2", "js_h/1/3", "js_n/1/4", "js_n/1/5", "js_ht/2/14",
                                               "js_ht/2/15", "js_ht/2/16", "js_t/2/17"}));

    // What was written reads back to the same styles.
    CVNQTableView back;
    Json::Value copy = node;
    back.readJsonValue(&copy);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(back.getItemBackground(s).name, differ.getItemBackground(s).name) << s;
        EXPECT_EQ(back.getHeaderTextStyle(s).name, differ.getHeaderTextStyle(s).name) << s;
    }
}

TEST_F(TableViewJson, AttributesReadAndWritten)
{
    CVNQTableView view;
    Json::Value fresh = write(view);
    const Json::Value& attr0 = jsonGet(fresh, "attr");
    EXPECT_EQ(jsonInt(attr0, "itemHeight"), 20);
    EXPECT_FALSE(jsonHasMember(attr0, "multiselect"));
    EXPECT_FALSE(jsonHasMember(attr0, "checkstyle"));
    EXPECT_EQ(jsonString(attr0, "checkedImg"), QString("IDB_CHECKED"));
    EXPECT_EQ(jsonString(attr0, "uncheckImg"), QString("IDB_UNCHECK"));

    read(view, R"({"attr": {"multiselect": true, "itemHeight": 37, "checkstyle": true,
                            "checkedImg": "on.png", "uncheckImg": "off.png", "custom": 5}})");
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(view.getItemHeight(), 37);
    EXPECT_EQ(view.horizontalHeader()->height(), 37);
    EXPECT_EQ(view.horizontalHeader()->minimumHeight(), 37);
    EXPECT_TRUE(view.getCheckstyle());
    EXPECT_EQ(view.getCheckBoxImage(true), QString("on.png"));
    EXPECT_EQ(view.getCheckBoxImage(false), QString("off.png"));

    const Json::Value attr = jsonGet(write(view), "attr");
    EXPECT_TRUE(jsonBool(attr, "multiselect"));
    EXPECT_EQ(jsonInt(attr, "itemHeight"), 37);
    EXPECT_TRUE(jsonBool(attr, "checkstyle"));
    EXPECT_EQ(jsonString(attr, "checkedImg"), QString("on.png"));
    EXPECT_EQ(jsonString(attr, "uncheckImg"), QString("off.png"));
    EXPECT_EQ(jsonInt(attr, "custom"), 5); // foreign keys pass through

    // The writer follows the current state, not what was read once.
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setCheckstyle(false);
    view.setCheckBoxImage(false, QString());
    const Json::Value later = jsonGet(write(view), "attr");
    EXPECT_FALSE(jsonHasMember(later, "multiselect"));
    EXPECT_FALSE(jsonHasMember(later, "checkstyle"));
    EXPECT_EQ(jsonString(later, "uncheckImg"), QString()); // emptied, not the default

    read(view, R"({"attr": {"multiselect": false}})");
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(TableViewJson, NullOrWronglyTypedAttributes)
{
    CVNQTableView view;
    const int headerHeight = view.horizontalHeader()->height();
    read(view, R"({"attr": {"multiselect": true, "checkstyle": true}})");
    // A non-object "attr" reads nothing.
    for (const char* node : {R"({"attr": [1, 2]})", R"({"attr": "x"})", R"({"name": "g"})"}) {
        read(view, node);
        EXPECT_EQ(view.selectionMode(), QAbstractItemView::ExtendedSelection) << node;
        EXPECT_TRUE(view.getCheckstyle()) << node;
        EXPECT_EQ(view.getCheckBoxImage(true), QString("IDB_CHECKED")) << node;
        EXPECT_EQ(view.horizontalHeader()->height(), headerHeight) << node;
    }
    // A null "attr" reads every key as false, 0 or empty; the height is
    // applied as given (the rows ignore 0, the header takes it).
    read(view, R"({"attr": null})");
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(view.getCheckstyle());
    EXPECT_EQ(view.getCheckBoxImage(true), QString());
    EXPECT_EQ(view.getCheckBoxImage(false), QString());
    EXPECT_EQ(view.getItemHeight(), 20);
    EXPECT_EQ(view.horizontalHeader()->maximumHeight(), 0);
    view.setCheckBoxImage(true, "IDB_CHECKED");
    read(view, R"({"attr": {"checkstyle": true}})");

    // Keys of the wrong type are left alone.
    read(view, R"({"attr": {"itemHeight": "40", "checkstyle": "yes", "checkedImg": 3}})");
    EXPECT_EQ(view.getItemHeight(), 20);
    EXPECT_TRUE(view.getCheckstyle());
    EXPECT_EQ(view.getCheckBoxImage(true), QString("IDB_CHECKED"));
}

TEST_F(TableViewJson, ScrollBarChildrenStyleTheBars)
{
    fill("js_groove", QColor(20, 20, 20));
    fill("js_thumb", QColor(30, 30, 30));
    fill("js_thumb_hot", QColor(40, 40, 40));
    fill("js_btn", QColor(50, 50, 50));
    CVNQTableView view;
    read(view, R"({"child": [
        {"type": "qtscrollbar", "w": 12, "attr": {"upicon": "up.svg", "downicon": "down.svg",
            "thumbicon": "grip.svg", "size": 9},
         "style": [["js_groove", 1, 0], ["js_thumb", 1, 10], ["js_thumb_hot", 1, 11], ["js_btn", 1, 6],
                   ["js_btn", 1, 1], ["js_btn", 1, 14]]},
        {"type": "scrollbar", "h": 7, "attr": {"hor": true, "upicon": "left.svg"}, "style": [["js_btn", 1, 3]]},
        {"type": "qtlabel", "w": 99, "attr": {"upicon": "no.svg"}}]})");
    CVNQScrollBar* v = view.themedScrollBar(false);
    CVNQScrollBar* h = view.themedScrollBar(true);
    EXPECT_EQ(v->getScrollbarBtnIcon(true), QString("up.svg"));
    EXPECT_EQ(v->getScrollbarBtnIcon(false), QString("down.svg"));
    EXPECT_EQ(v->getScrollbarThumbIcon(), QString("grip.svg"));
    EXPECT_EQ(v->getScrollbarBackground(0).name, QString("js_groove"));
    EXPECT_EQ(v->getScrollbarThumb(0).name, QString("js_thumb"));
    EXPECT_EQ(v->getScrollbarThumb(1).name, QString("js_thumb_hot"));
    EXPECT_EQ(v->getScrollbarThumb(3).name, QString("js_thumb"));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(v->getScrollbarDownButton(s).name, QString("js_btn")) << s;
    EXPECT_TRUE(v->getScrollbarUpButton(0).name.isEmpty());
    EXPECT_EQ(view.getImpl()->scrollbarBtnSize, 9);

    EXPECT_EQ(h->getScrollbarBtnIcon(true), QString("left.svg"));
    EXPECT_EQ(h->getScrollbarUpButton(1).name, QString("js_btn"));
    EXPECT_TRUE(h->getScrollbarUpButton(0).name.isEmpty());
    // The last bar decides the size sheet of both bars.
    EXPECT_EQ(view.getImpl()->scrollbarSize, 7);
    EXPECT_TRUE(v->styleSheet().startsWith("QScrollBar::vertical{ width:7; }"));
    EXPECT_TRUE(v->styleSheet().contains("width:9px"));

    // A child without "attr" reads its keys as false, 0 or empty: the
    // vertical bar loses its icons, and "w" missing makes it 0 thick.
    read(view, R"({"child": [{"type": "qtscrollbar", "style": [["js_btn", 1, 0]]}]})");
    EXPECT_EQ(v->getScrollbarBackground(0).name, QString("js_btn"));
    EXPECT_EQ(v->getScrollbarBtnIcon(true), QString());
    EXPECT_EQ(v->getScrollbarThumbIcon(), QString());
    EXPECT_EQ(h->getScrollbarBtnIcon(true), QString("left.svg"));
    EXPECT_EQ(view.getImpl()->scrollbarBtnSize, 0);
    EXPECT_EQ(view.getImpl()->scrollbarSize, 0);

    // Children are read only, never written (nor is the check-box stamp).
    EXPECT_FALSE(jsonHasMember(write(view), "child"));
}

TEST_F(TableViewJson, JsonDataAndPages)
{
    CVNQTableView view;
    view.setJsonData(R"({"name": "grid", "attr": {"itemHeight": 30}})");
    EXPECT_EQ(view.getItemHeight(), 30);
    EXPECT_EQ(view.objectName(), QString("grid"));
    // Only the first text is applied; every text is kept.
    view.setJsonData(R"({"attr": {"itemHeight": 50}})");
    EXPECT_EQ(view.getItemHeight(), 30);
    EXPECT_EQ(view.jsonData(), QString(R"({"attr": {"itemHeight": 50}})"));

    CVNQTableView broken;
    broken.setJsonData("{not json");
    EXPECT_EQ(broken.jsonData(), QString("{not json"));
    EXPECT_EQ(broken.getItemHeight(), 20);

    QWidget host;
    const Json::Value node = TestUtil::json(R"({"type": "datagrid", "name": "fromPage", "x": 5, "y": 6,
        "w": 300, "h": 200, "style": [["js_n", 1, 2]], "attr": {"itemHeight": 26, "checkstyle": true}})");
    auto* built = qobject_cast<CVNQTableView*>(createControlTree(node, &host));
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->objectName(), QString("fromPage"));
    built->resizeWidget();
    EXPECT_EQ(built->geometry(), QRect(5, 6, 300, 200));
    EXPECT_EQ(built->getItemHeight(), 26);
    EXPECT_TRUE(built->getCheckstyle());
    EXPECT_EQ(built->getItemBackground(3).name, QString("js_n"));
    const Json::Value out = write(*built);
    EXPECT_EQ(jsonString(out, "type"), QString("qtdatagrid"));
    EXPECT_EQ(jsonString(out, "name"), QString("fromPage"));

    // A page's scroll-bar entries style the grid's bars and leave no bar
    // control of their own over the rows.
    const Json::Value withBars = TestUtil::json(R"({"type": "qtdatagrid", "w": 300, "h": 200,
        "child": [{"type": "qtscrollbar", "x": 280, "w": 20, "h": 200, "attr": {"upicon": "up.svg"}}]})");
    auto* grid = qobject_cast<CVNQTableView*>(createControlTree(withBars, &host));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->themedScrollBar(false)->getScrollbarBtnIcon(true), QString("up.svg"));
    EXPECT_TRUE(grid->findChildren<CVNQScrollBar*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    EXPECT_EQ(grid->findChildren<CVNQScrollBar*>().size(), 2);
}

TEST_F(TableViewJson, ThemeEntriesStyleTheGridAndItsBars)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [
        {"type": 1, "name": "thRow", "drawImg": false, "clr": "FF223344"},
        {"type": 1, "name": "thThumb", "drawImg": false, "clr": "FF556677"},
        {"type": 2, "name": "thText", "clr": "FFEEEEEE", "size": 14}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json", R"({"elements": [{"child": [
        {"name": "qtdatagrid", "style": [["thRow", 1, 2], ["thText", 2, 6]],
         "attr": {"itemHeight": 31}},
        {"name": "qtscrollbar", "style": [["thThumb", 1, 10]]}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/style.json", R"({"style": []})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("theme")));

    CVNQTableView view;
    EXPECT_EQ(view.getItemHeight(), 31);
    EXPECT_EQ(view.getItemBackground(2).name, QString("thRow"));
    EXPECT_EQ(view.getItemBackground(2).fill.clr, QColor(0x22, 0x33, 0x44));
    EXPECT_EQ(view.getItemTextStyle(1).size, 14);
    EXPECT_EQ(view.themedScrollBar(false)->getScrollbarThumb(0).name, QString("thThumb"));
    EXPECT_EQ(view.themedScrollBar(true)->getScrollbarThumb(2).name, QString("thThumb"));
    // A theme never names the control.
    EXPECT_TRUE(view.objectName().isEmpty());

    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("empty")));
    CVNQTableView plain;
    EXPECT_EQ(plain.getItemHeight(), 20);
}

TEST_F(TableViewJson, ThemeChangesLeaveTheCheckBoxStampAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [
        {"type": 1, "name": "thBox", "drawImg": false, "clr": "FFFFFFFF"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json", R"({"elements": [{"child": [
        {"name": "qtcheckbox", "style": [["thBox", 1, 0], ["thBox", 1, 4]],
         "attr": {"iconPath": "theme-off.png", "siconPath": "theme-on.png", "showText": 1}}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/style.json", R"({"style": []})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();

    QWidget window;
    auto* view = new CVNQTableView(&window);
    view->setCheckBoxImage(true, "on.png");
    view->setCheckBoxImage(false, "off.png");
    // A theme loaded later reaches every control of the window, the stamp
    // included; the cells must still show the grid's images on the stamp's own boxes.
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("theme")));
    rm->notifyThemeChange(&window);
    CVNQCheckBox* stamp = view->getImpl()->headerCheckBox;
    EXPECT_EQ(stamp->getCheckedIcon(), QString("on.png"));
    EXPECT_EQ(stamp->getUncheckIcon(), QString("off.png"));
    EXPECT_FALSE(stamp->getShowText());
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(stamp->getBackground(s).name.isEmpty()) << s;
        EXPECT_TRUE(stamp->getCheckedBackground(s).name.isEmpty()) << s;
    }
    // A grid made while that theme is loaded draws the images it reports.
    CVNQTableView later;
    EXPECT_EQ(later.getImpl()->headerCheckBox->getCheckedIcon(), later.getCheckBoxImage(true));
    EXPECT_EQ(later.getImpl()->headerCheckBox->getUncheckIcon(), later.getCheckBoxImage(false));
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("empty")));
}

// All item views and menus on one dark page: a page file in a window holds a
// menu bar with two menus, a tree with icon rows, a template list view and
// an icon list; a flow view with three cards joins them in code, and a menu
// from a menu file pops up beside the window. Window and menu are saved as
// PNG into the build tree and every region is checked
// for its theme's fill and its text.

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQFlowView.h"
#include "CVNQLabel.h"
#include "CVNQList.h"
#include "CVNQListView.h"
#include "CVNQMenu.h"
#include "CVNQMenuBar.h"
#include "CVNQTableView.h"
#include "CVNQTreeView.h"
#include "CVNQWindow.h"
#include "TableViewTestUtil.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kPanel(0x16, 0x1B, 0x24), kRow(0x1E, 0x25, 0x33), kCard(0x24, 0x2C, 0x3C);
const QColor kBar(0x0B, 0x0E, 0x13), kMenu(0x20, 0x26, 0x36), kText(0xE6, 0xEA, 0xF0), kFlow(0x12, 0x15, 0x1A);

QString icon(const char* name)
{
    return TestUtil::sourcePath(QStringLiteral("app/icons/%1.svg").arg(name));
}

void fillRow(const CVNQListView*, const QWidget* itemTemplate, const QModelIndex& index)
{
    if (auto* label = itemTemplate->findChild<CVNQLabel*>())
        label->setText(index.data().toString());
}

QImage save(const QImage& img, const char* file)
{
    img.save(TestUtil::shotPath(file));
    TestUtil::expectMatchesReference(img, QString(file).remove(".png"));
    return img;
}

CVNQFlowNode card(const char* id, QPointF at, const char* title, QColor accent)
{
    CVNQFlowNode n;
    n.id = id;
    n.position = at;
    n.size = QSizeF(0.22, 0.6);
    n.title = title;
    n.detail = "Gearbox within range";
    n.footer = "Active";
    n.accentColor = accent;
    n.fillColor = kCard;
    n.borderColor = QColor(70, 78, 90);
    n.selectedBorderColor = QColor(146, 134, 255);
    return n;
}

} // namespace

TEST(ViewsGallery, EveryViewAndMenuPaintsItsThemeOnOnePage)
{
    initToolkit();
    QCursor::setPos(2000, 1500);
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [
        {"type": 1, "name": "gBack", "drawImg": false, "clr": "FF0F1218"},
        {"type": 1, "name": "gPanel", "drawImg": false, "clr": "FF161B24"},
        {"type": 1, "name": "gRow", "drawImg": false, "clr": "FF1E2533"},
        {"type": 1, "name": "gCard", "drawImg": false, "clr": "FF242C3C", "round": 4},
        {"type": 1, "name": "gHot", "drawImg": false, "clr": "FF2F6FEB"},
        {"type": 1, "name": "gBar", "drawImg": false, "clr": "FF0B0E13"},
        {"type": 1, "name": "gMenu", "drawImg": false, "clr": "FF202636"},
        {"type": 2, "name": "gText", "clr": "FFE6EAF0", "size": 13, "ver": 1, "family": "DejaVu Sans"},
        {"type": 2, "name": "gCenter", "clr": "FFE6EAF0", "size": 13, "hor": 1, "ver": 1, "family": "DejaVu Sans"}]})"));
    // The page names its looks; the theme folder holds them.
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json", R"({"elements": [{"child": [
        {"name": "qtcontainer", "style": [["gBack", 1, 0]]},
        {"name": "qtmenubar", "style": [["gBar", 1, 0], ["gBar", 1, 1], ["gHot", 1, 2], ["gCenter", 2, 5]]},
        {"name": "qtmenu", "background": "gMenu", "item0": "empty", "item1": "gHot", "text0": "gText"},
        {"name": "GalleryTree", "style": [["gPanel", 1, 0], ["gRow", 1, 2], ["gHot", 1, 4], ["gText", 2, 6]],
         "attr": {"itemHeight": 28}},
        {"name": "GalleryList", "style": [["gPanel", 1, 0], ["gRow", 1, 2], ["gHot", 1, 4], ["gText", 2, 6]],
         "attr": {"itemHeight": 30}},
        {"name": "GalleryListView", "style": [["gPanel", 1, 0], ["gCard", 1, 2]],
         "attr": {"itemHeight": 40, "spacing": 4}},
        {"name": "GalleryRow", "attr": {"childLayout": 0, "paddingLeft": 10}},
        {"name": "GalleryLabel", "style": [["gText", 2, 0]]}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/style.json", R"({"style": []})"));
    ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("theme")));

    // A node takes its theme entry only beside an "attr".
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json", R"({"w": 900, "h": 560, "elements": [
        {"type": "qtcontainer", "name": "root", "attr": {"childLayout": 1, "space": 8}, "child": [
          {"type": "qtmenubar", "name": "bar", "layout": {"type": 1}, "w": 10, "h": 30, "widthPolicy": 0, "heightPolicy": 1},
          {"type": "qtcontainer", "name": "views", "layout": {"ratio": 3}, "widthPolicy": 0, "heightPolicy": -1,
           "attr": {"childLayout": 0, "space": 8, "paddingLeft": 8, "paddingRight": 8}, "child": [
            {"type": "qttree", "name": "tree", "theme": "GalleryTree", "attr": {},
             "layout": {"ratio": 1}, "widthPolicy": -1, "heightPolicy": 0},
            {"type": "qtlistview", "name": "listview", "theme": "GalleryListView", "attr": {},
             "layout": {"ratio": 1}, "widthPolicy": -1, "heightPolicy": 0,
             "child": [{"type": "qtcontainer", "name": "row", "theme": "GalleryRow", "attr": {}, "child": [
               {"type": "qtlabel", "name": "text", "theme": "GalleryLabel", "attr": {},
                "layout": {"ratio": 1}, "widthPolicy": -1, "heightPolicy": 0}]}]},
            {"type": "qtlist", "name": "list", "theme": "GalleryList", "attr": {},
             "layout": {"ratio": 1}, "widthPolicy": -1, "heightPolicy": 0}]},
          {"type": "qtcontainer", "name": "flowHost", "layout": {"ratio": 2}, "widthPolicy": 0, "heightPolicy": -1,
           "attr": {"childLayout": 0, "paddingLeft": 8, "paddingRight": 8, "paddingBottom": 8}}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "menu.json",
                                    QStringLiteral(R"({"items": [
        {"text": "Open layout", "icon": "%1"}, {"text": "Export", "items": [{"text": "PNG"}]},
        {"text": "Settings", "icon": "%2"}, {"text": "Quit"}]})")
                                        .arg(icon("energy"), icon("alert"))
                                        .toUtf8()));

    CVNQWindow window;
    ASSERT_NE(cvnCreatePageByFileName(&window, dir.filePath("page")), nullptr);
    auto* bar = window.findChild<CVNQMenuBar*>("bar");
    auto* tree = window.findChild<CVNQTreeView*>("tree");
    auto* listView = window.findChild<CVNQListView*>("listview");
    auto* list = window.findChild<CVNQList*>("list");
    auto* flowHost = window.findChild<CVNQContainer*>("flowHost");
    ASSERT_TRUE(bar && tree && listView && list && flowHost);

    // What a page file cannot say: menus, rows and items.
    for (const char* title : {"File", "View"}) {
        auto* m = new CVNQMenu(bar);
        m->setTitle(title);
        m->addAction("Item");
        bar->addMenu(m);
    }
    auto* treeRows = new QStandardItemModel(tree);
    const char* groups[][2] = {{"turbine", "Turbines"}, {"alert", "Alerts"}, {"wind", "Weather"}};
    for (const auto& g : groups) {
        auto* parent = new QStandardItem(QIcon(icon(g[0])), g[1]);
        for (int i = 1; i <= 2; ++i)
            parent->appendRow(new QStandardItem(QIcon(icon("check")), QStringLiteral("%1 %2").arg(g[1]).arg(i)));
        treeRows->appendRow(parent);
    }
    tree->setModel(treeRows);
    tree->expandAll();
    // Branch arrows are Qt's own, drawn in the view's text colour.
    tree->setStyleSheet(tree->styleSheet() + " color: #E6EAF0;");
    auto* reports = new QStandardItemModel(listView);
    for (const char* r : {"Daily output report", "Yaw alignment check", "Blade inspection", "Grid export summary"})
        reports->appendRow(new QStandardItem(r));
    listView->setItemDisplayCallBack(&fillRow);
    listView->setModel(reports);
    for (const char* i : {"energy", "temperature", "humidity", "calendar", "location"})
        list->addItem(new QListWidgetItem(QIcon(icon(i)), QStringLiteral("Sensor %1").arg(i)));

    auto* flow = new CVNQFlowView;
    FillStyle flowBack;
    flowBack.fill.clr = kFlow;
    flow->setBackground(flowBack);
    flow->setHeightPolicy(0);
    flow->setNodes({card("a", {0.15, 0.5}, "Nacelle", QColor(73, 220, 187)),
                    card("b", {0.5, 0.5}, "Converter", QColor(255, 194, 92)),
                    card("c", {0.85, 0.5}, "Grid", QColor(114, 159, 255))});
    flow->setConnections({{"a", "b", QColor(255, 120, 134), true}});
    EXPECT_TRUE(flow->addConnection("b", "c"));
    flowHost->addChildWidget(flow, 1);

    QWidget owner;
    CVNQMenu* menu = cvnCreateMenuByFileName(&owner, dir.filePath("menu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 4);
    // Icons show in their column where the item fill is clear ("empty").
    menu->setIconOffset(28);
    window.move(20, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    menu->popup(window.geometry().topRight() + QPoint(16, 40));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));

    // Each control's region, in window coordinates, with the fill it must show.
    const QList<QPair<QWidget*, QColor>> regions = {
        {bar, kBar}, {tree, kPanel}, {listView, kCard}, {list, kRow}, {flow, kFlow}};
    auto region = [&](QWidget* w) { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); };
    auto painted = [&](const QImage& img, QWidget* w, QColor fill) {
        return region(w).width() > 100 && hasColorIn(img, region(w), fill, 2) && hasColorIn(img, region(w), kText, 40);
    };
    auto grab = [&] { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); };
    // Until the laid-out page paints them all; the checks below name any missing.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QImage frame = grab();
        return std::all_of(regions.begin(), regions.end(),
                           [&](const auto& r) { return painted(frame, r.first, r.second); });
    }));
    const QImage img = save(grab(), "views-gallery.png");
    for (const auto& r : regions)
        EXPECT_TRUE(painted(img, r.first, r.second)) << qPrintable(r.first->objectName());
    EXPECT_TRUE(hasColorIn(img, region(tree), kRow, 2));
    EXPECT_TRUE(hasColorIn(img, region(listView), kPanel, 2));
    EXPECT_TRUE(hasColorIn(img, region(flow), QColor(255, 120, 134), 20)); // the connection
    EXPECT_TRUE(hasColorIn(img, region(flow), kCard, 2));

    // The menu: its fill, text in every item, the icons in their column.
    const QImage popup = save(menu->grab().toImage().convertToFormat(QImage::Format_RGB32), "views-gallery-menu.png");
    EXPECT_TRUE(hasColorIn(popup, popup.rect(), kMenu, 2));
    for (QAction* a : menu->actions())
        EXPECT_TRUE(hasColorIn(popup, menu->actionGeometry(a), kText, 40)) << qPrintable(a->text());
    auto column = [&](int i) {
        QRect r = menu->actionGeometry(menu->actions().at(i));
        r.setWidth(28);
        return r;
    };
    EXPECT_TRUE(hasColorIn(popup, column(0), QColor(0x00, 0xEF, 0x86), 40));
    EXPECT_TRUE(hasColorIn(popup, column(2), QColor(0xFF, 0x5B, 0x74), 40));
    menu->hide();
    ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("empty")));
}

// Every setter that changes what a view or menu shows asks for its own
// repaint: on screen the change shows without anything else painting.
TEST(ViewsGallery, EveryLookSetterAsksForItsRepaint)
{
    initToolkit();
    const FillStyle colour = fill("vg.look", QColor(0x30, 0x60, 0x90));
    const TextStyleDesc style = text("vg.lookText", QColor(0x90, 0x60, 0x30));
    QWidget page;
    page.resize(300, 500);
    auto* list = new CVNQList(&page);
    list->addItem("Row");
    auto* listView = new CVNQListView(&page);
    auto* tree = new CVNQTreeView(&page);
    auto* bar = new CVNQMenuBar(&page);
    bar->addMenu("File");
    auto* table = new CVNQTableView(&page);
    table->setModel(model(table, 3, 2));
    int row = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{list, listView, tree, bar, table})
        w->setGeometry(0, 80 * row++, 280, 70), w->show();
    ASSERT_TRUE(TestUtil::showExposed(&page));
    CVNQMenu menu;
    menu.addAction("Open");
    menu.popup(page.mapToGlobal(QPoint(300, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QWidget* header = table->horizontalHeader()->viewport();
    auto* container = new CVNQContainer(&page);
    TestUtil::expectEachRepaints({
        {list->viewport(), [&] { list->setBackground(CommonCtrlStateNormal, colour); }},
        {list->viewport(), [&] { list->setItemBackground(CtrlStateAll, colour); }},
        {list->viewport(), [&] { list->setItemTextStyle(CtrlStateAll, style); }},
        {list->viewport(), [&] { list->setItemHeight(31); }},
        {listView->viewport(), [&] { listView->setBackground(CommonCtrlStateNormal, colour); }},
        {listView->viewport(), [&] { listView->setItemBackground(CtrlStateNormal, colour); }},
        {listView->viewport(), [&] { listView->setItemHeight(33); }},
        {listView->viewport(), [&] { listView->setItemWidth(90); }},
        {listView->viewport(), [&] { listView->setItemTemplate(container); }},
        {tree->viewport(), [&] { tree->setBackground(CommonCtrlStateNormal, colour); }},
        {tree->viewport(), [&] { tree->setItemBackground(CtrlStateAll, colour); }},
        {tree->viewport(), [&] { tree->setItemTextStyle(CtrlStateAll, style); }},
        {bar, [&] { bar->setBackground(CommonCtrlStateNormal, colour); }},
        {bar, [&] { bar->setItemBackground(CtrlStateAll, colour); }},
        {bar, [&] { bar->setTextStyle(CtrlStateAll, style); }},
        {&menu, [&] { menu.setBackground(colour); }},
        {&menu, [&] { menu.setItemStyle(CtrlStateNormal, colour); }},
        {&menu, [&] { menu.setItemTextStyle(CtrlStateNormal, style); }},
        {table->viewport(), [&] { table->setCheckstyle(true); }},
        {header, [&] { table->setCheckstyle(false); }},
        {table->viewport(), [&] { table->setCheckBoxImage(true, "vg.image"); }},
        {header, [&] { table->setCheckBoxImage(false, "vg.image"); }},
        {header, [&] { table->setHeaderBackground(CtrlStateAll, colour); }},
        {header, [&] { table->setHeaderTextStyle(CtrlStateAll, style); }},
        {table->viewport(), [&] { table->setColumnWidget(1, container); }},
        {table->viewport(), [&] { table->setColumnWidget(1, nullptr); }},
    });
}

// Menus from code and from menu files: icon items, sub-menus, hover, the
// icon column, the menu keys and the theme entry. Open menus are grabbed
// into PNGs in the build tree.

#include "CVNQControlFactory.h"
#include "CVNQMenu.h"
#include "CVNQMenuImpl.h"
#include "TableViewTestUtil.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kBack(30, 34, 44);
const QColor kHot(60, 110, 220);
const QColor kIcon(250, 200, 40);

QString pngIcon(const QTemporaryDir& dir)
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(kIcon);
    img.save(dir.filePath("dot.png"));
    return dir.filePath("dot.png");
}

// Pops the menu up and puts the real pointer over an item until it is hovered.
bool hoverItem(CVNQMenu& menu, int index)
{
    if (!menu.isVisible()) {
        menu.popup(QPoint(60, 60));
        if (!QTest::qWaitForWindowExposed(&menu))
            return false;
    }
    QCursor::setPos(menu.mapToGlobal(menu.actionGeometry(menu.actions().at(index)).center()));
    return QTest::qWaitFor([&] { return menu.getImpl()->hoverIndex == index; });
}

// Collects the regions of the paint events a widget receives.
struct PaintRegions : QObject
{
    explicit PaintRegions(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

// What the screen shows of an open menu.
QImage shot(QWidget& w, const QString& file)
{
    const QImage img = TestUtil::screenShot(&w);
    img.save(TestUtil::shotPath(file));
    TestUtil::expectMatchesReference(img, QString(file).remove(".png"));
    return img;
}

} // namespace

TEST(Menu, IconItemsHoverAndTheIconColumnFromCode)
{
    initToolkit();
    QTemporaryDir dir;
    CVNQMenu menu;
    CVNQMenu twin; // the same items without the icon column
    for (CVNQMenu* m : {&menu, &twin}) {
        m->addIconAction(TestUtil::sourcePath("app/icons/wind.SVG"), "Wind");
        m->addIconAction(pngIcon(dir), "Energy output forecast");
        m->addMenu(new CVNQMenu("More", m));
    }
    const QList<QAction*> items = menu.actions();
    EXPECT_TRUE(items[0]->property("cvn_menu_icon_path").toString().endsWith(".SVG"));
    EXPECT_TRUE(items[0]->icon().isNull());
    EXPECT_FALSE(items[1]->icon().isNull());
    FillStyle clear = fill("mItem", Qt::black);
    clear.valid = false;
    menu.setBackground(fill("mBack", kBack));
    menu.setItemStyle(0, clear);
    menu.setItemStyle(1, fill("mHot", kHot));
    menu.setItemTextStyle(0, text("mText", Qt::white));
    // 4 sets every state; other states outside 0 to 3 change nothing.
    menu.setItemStyle(4, fill("mOther", Qt::red));
    EXPECT_EQ(menu.getImpl()->itemBackgrounds[2].name, QString("mOther"));
    menu.setItemStyle(2, FillStyle());
    menu.setItemStyle(1, fill("mHot", kHot));
    menu.setItemStyle(0, clear);
    menu.setItemStyle(-1, fill("mOther", Qt::red));
    EXPECT_EQ(menu.getImpl()->itemBackgrounds[1].name, QString("mHot"));
    EXPECT_TRUE(menu.getImpl()->itemBackgrounds[2].name.isEmpty());

    // The icon column widens the pop-up and its items by its width.
    menu.setIconOffset(30);
    twin.popup(QPoint(400, 60));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&twin));
    ASSERT_TRUE(hoverItem(menu, 2));
    EXPECT_EQ(menu.width() - twin.width(), 30);
    EXPECT_EQ(menu.actionGeometry(items[1]).width() - twin.actionGeometry(twin.actions().at(1)).width(), 30);
    twin.hide();

    // Hover follows the pointer, stays over no item, and a hidden menu
    // forgets it.
    ASSERT_TRUE(hoverItem(menu, 0));
    TestUtil::move(&menu, QPoint(-4, -4));
    EXPECT_EQ(menu.getImpl()->hoverIndex, 0);
    const QImage img = shot(menu, "corvane-menu-code.png");
    EXPECT_TRUE(hasColorIn(img, menu.actionGeometry(items[0]).adjusted(36, 2, -2, -2), kHot, 2));
    // The PNG shows in the column of a clear item; its text starts after it.
    const QRect r = menu.actionGeometry(items[1]);
    EXPECT_TRUE(hasColorIn(img, QRect(r.left(), r.top(), 30, r.height()), kIcon, 2));
    EXPECT_GE(leftmostColor(img, r.top(), r.bottom(), Qt::white, 40), r.left() + 34);
    menu.hide();
    EXPECT_EQ(menu.getImpl()->hoverIndex, -1);

    // Items draw in their normal and hovered text style: a wider font in
    // either alone, set while the menu is fitted, widens it as in both.
    const TextStyleDesc normal = menu.getImpl()->itemTextStyles[CtrlStateNormal];
    const TextStyleDesc hover = menu.getImpl()->itemTextStyles[CtrlStateHover];
    TextStyleDesc big = normal;
    big.size = 40;
    // As a layout or popup() asks for it.
    auto hint = [&] { return static_cast<const QWidget&>(menu).sizeHint().width(); };
    menu.setItemTextStyle(CtrlStateAll, big);
    const int wide = hint();
    for (const CtrlState state : {CtrlStateNormal, CtrlStateHover}) {
        menu.setItemTextStyle(CtrlStateNormal, normal);
        menu.setItemTextStyle(CtrlStateHover, hover);
        EXPECT_LT(hint(), wide);
        menu.setItemTextStyle(state, big);
        EXPECT_EQ(hint(), wide) << state;
    }
}

TEST(Menu, TallMenuWithIconColumnKeepsEveryItemInsideThePopupAndOnTheScreen)
{
    initToolkit();
    CVNQMenu menu;
    CVNQMenu twin; // the same items without the icon column
    for (CVNQMenu* m : {&menu, &twin})
        for (int i = 0; i < 240; ++i)
            m->addAction(QStringLiteral("Command %1").arg(i));
    menu.setIconOffset(20);
    menu.popup(QPoint(200, 100));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QList<QAction*> items = menu.actions();
    // The test screen is too short for one column.
    ASSERT_GT(menu.actionGeometry(items.last()).left(), menu.actionGeometry(items.first()).left());
    const int twinColumn = twin.actionGeometry(twin.actions().at(0)).width();
    for (QAction* item : items) {
        const QRect r = menu.actionGeometry(item);
        EXPECT_TRUE(menu.rect().contains(r)) << item->text().toStdString();
        EXPECT_TRUE(menu.screen()->geometry().contains(r.translated(menu.pos()))) << item->text().toStdString();
        EXPECT_EQ(r.width(), twinColumn + 20) << item->text().toStdString();
    }
    menu.hide();
}

TEST(Menu, HiddenItemsOfEveryKindDrawNothing)
{
    initToolkit();
    QTemporaryDir dir;
    for (int offset : {0, 24}) {
        CVNQMenu menu;
        CVNQMenu twin; // without the hidden items
        for (CVNQMenu* m : {&menu, &twin}) {
            TextStyleDesc whole = text("mText", Qt::white);
            whole.elideMode = 3; // never shortened: a text drawn where it must not be shows
            m->setItemTextStyle(0, whole);
            m->setIconOffset(offset);
        }
        menu.addAction("Hidden first");
        for (CVNQMenu* m : {&menu, &twin})
            m->addIconAction(pngIcon(dir), "Shown");
        menu.addIconAction(pngIcon(dir), "Hidden icon");
        menu.addSeparator();
        menu.addMenu(new CVNQMenu("Hidden more", &menu));
        for (CVNQMenu* m : {&menu, &twin})
            m->addAction("Shown last");
        for (QAction* item : menu.actions())
            item->setVisible(item->text().startsWith("Shown"));
        menu.popup(QPoint(60, 60));
        twin.popup(QPoint(400, 60));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu) && QTest::qWaitForWindowExposed(&twin));
        ASSERT_EQ(menu.size(), twin.size());
        // Drawn outside a paint event: no region to keep to, every item is drawn.
        QImage drawn[2];
        for (CVNQMenu* m : {&menu, &twin}) {
            QImage& image = drawn[m == &twin];
            image = QImage(m->size(), QImage::Format_ARGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            m->getImpl()->draw(&painter, m->rect());
        }
        EXPECT_TRUE(drawn[0] == drawn[1]) << offset;
    }
}

TEST(Menu, MenuFilesBuildItemsSubMenusAndStyles)
{
    initToolkit();
    fill("mfBack", kBack);
    fill("mfHot", kHot);
    text("mfText", Qt::white);
    QTemporaryDir dir;
    const QString png = pngIcon(dir);
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "menu.json",
                                    QStringLiteral(R"({
        "background": "mfBack", "item0": "mfBack", "item1": "mfHot", "text0": "mfText", "item3": "missing",
        "items": [{"text": "Open", "icon": "%1"}, {"text": "Export", "icon": "a.svg", "items": [{"text": "PDF"}]},
                  null, {"text": "Quit"}]})")
                                        .arg(png)
                                        .toUtf8()));
    // The name without ".json" finds the file.
    QWidget owner;
    CVNQMenu* menu = cvnCreateMenuByFileName(&owner, dir.filePath("menu"));
    ASSERT_NE(menu, nullptr);
    CVNQMenuImpl* impl = menu->getImpl();
    EXPECT_EQ(impl->itemBackgrounds[1].name, QString("mfHot"));
    EXPECT_EQ(impl->itemBackgrounds[3].name, QString("mfBack")); // unknown name: kept
    EXPECT_EQ(impl->itemTextStyles[2].name, QString("mfText"));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_FALSE(items[0]->icon().isNull());
    // A sub-menu item keeps its path without a QIcon; the sub-menu is
    // dressed like its parent. A null entry is an empty, untitled sub-menu.
    auto* exportMenu = qobject_cast<CVNQMenu*>(items[1]->menu());
    ASSERT_NE(exportMenu, nullptr);
    EXPECT_EQ(exportMenu->title(), "Export"); // the title shows where the sub-menu is opened from
    ASSERT_EQ(exportMenu->actions().size(), 1);
    EXPECT_EQ(exportMenu->actions()[0]->text(), "PDF");
    EXPECT_EQ(items[1]->property("cvn_menu_icon_path").toString(), QString("a.svg"));
    EXPECT_EQ(exportMenu->getImpl()->itemBackgrounds[1].name, QString("mfHot"));
    ASSERT_NE(items[2]->menu(), nullptr);
    EXPECT_TRUE(items[2]->menu()->actions().isEmpty());
    EXPECT_TRUE(items[2]->property("cvn_menu_icon_path").isValid());

    ASSERT_TRUE(hoverItem(*menu, 1));
    menu->setActiveAction(items[1]);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(exportMenu));
    ASSERT_TRUE(hoverItem(*exportMenu, 0));
    const QImage top = shot(*menu, "corvane-menu-file.png");
    const QRect exportRect = menu->actionGeometry(items[1]);
    EXPECT_TRUE(hasColorIn(top, exportRect, kHot, 2));
    EXPECT_TRUE(hasColorIn(top, QRect(exportRect.right() - 7, exportRect.center().y() - 2, 5, 4), QColor(204, 204, 204),
                           2)); // the sub-menu arrow
    EXPECT_TRUE(hasColorIn(shot(*exportMenu, "corvane-menu-file-sub.png"), exportMenu->rect(), kHot, 2));
    menu->hide();

    // Styles only with "background"; writing neither emits menu keys nor
    // reads the node's items.
    Json::Value node = TestUtil::json(R"({"item0": "mfHot", "items": [{"text": "Again"}]})");
    EXPECT_TRUE(menu->readJsonValue(&node));
    EXPECT_EQ(impl->itemBackgrounds[0].name, QString("mfBack"));
    EXPECT_TRUE(menu->serializeJsonValue(&node, false));
    EXPECT_EQ(menu->actions().size(), 5);
    EXPECT_FALSE(node.isMember("background"));

    // Wrongly typed keys and entries are absent: no style, no item from a
    // non-object entry. Any "items" makes a sub-menu, empty when no array.
    CVNQMenu odd;
    node = TestUtil::json(R"({"background": 5, "item0": ["mfHot"],
        "items": [7, "str", {"text": 3, "icon": 9, "items": "x"}, {"items": null}, {"items": {"text": "a"}},
                  {"items": 4}]})");
    EXPECT_TRUE(odd.readJsonValue(&node));
    EXPECT_TRUE(odd.getImpl()->itemBackgrounds[0].name.isEmpty());
    ASSERT_EQ(odd.actions().size(), 4);
    for (QAction* item : odd.actions()) {
        ASSERT_NE(item->menu(), nullptr);
        EXPECT_TRUE(item->menu()->actions().isEmpty());
    }
    EXPECT_FALSE(odd.actions()[0]->property("cvn_menu_icon_path").isValid());
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "bad.json", "{\"items\": ["));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "list.json", "[{\"text\": \"a\"}]"));
    for (const char* name : {"absent.json", "bad.json", "list.json"})
        EXPECT_EQ(cvnCreateMenuByFileName(nullptr, dir.filePath(name)), nullptr) << name;
}

TEST(Menu, ThemeEntryStylesMenusButNeverAddsItems)
{
    initToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [
        {"type": 1, "name": "thMenuBack", "drawImg": false, "clr": "FF101820"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json", R"({"elements": [{"child": [
        {"name": "qtmenu", "background": "thMenuBack", "items": [{"text": "from the theme"}]}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/style.json", R"({"style": []})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("theme")));

    CVNQMenu menu;
    EXPECT_EQ(menu.getImpl()->background.name, QString("thMenuBack"));
    EXPECT_TRUE(menu.actions().isEmpty());
    menu.getControlBase()->refreshTheme();
    EXPECT_TRUE(menu.actions().isEmpty());
    // A titled menu is built as the other: themed, frameless, translucent.
    CVNQMenu titled("Plain");
    EXPECT_EQ(titled.getImpl()->background.name, QString("thMenuBack"));
    EXPECT_EQ(titled.windowFlags(), menu.windowFlags());
    EXPECT_TRUE(titled.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(titled.title(), "Plain");
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("empty")));
}

TEST(Menu, HoverRepaintsOnlyTheItemsWhoseLookChanges)
{
    initToolkit();
    CVNQMenu menu;
    for (int i = 0; i < 6; ++i)
        menu.addAction(QStringLiteral("Item %1").arg(i));
    menu.setBackground(fill("mrBack", kBack));
    menu.setItemStyle(1, fill("mrHot", kHot));
    menu.setItemTextStyle(0, text("mrText", Qt::white));
    auto item = [&](int i) { return menu.actionGeometry(menu.actions().at(i)); };
    auto covers = [](const QRegion& region, const QRect& r) { return QRegion(r).subtracted(region).isEmpty(); };

    PaintRegions painted(&menu);
    QCursor::setPos(QPoint(5, 5));
    menu.popup(QPoint(60, 60));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    painted.region = QRegion();
    ASSERT_TRUE(hoverItem(menu, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return covers(painted.region, item(1)); }));
    painted.region = QRegion();
    ASSERT_TRUE(hoverItem(menu, 4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return covers(painted.region, item(1)) && covers(painted.region, item(4)); }));
    for (int i : {0, 2, 3, 5})
        EXPECT_FALSE(painted.region.intersects(item(i))) << i;

    // What the partial repaints left on screen is what a full paint draws.
    const QRect area = item(0).united(item(5)).translated(menu.pos());
    const QImage screen = menu.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    const QImage full = menu.grab().toImage().copy(area.translated(-menu.pos()));
    EXPECT_TRUE(screen.convertToFormat(QImage::Format_RGB32) == full.convertToFormat(QImage::Format_RGB32));
}

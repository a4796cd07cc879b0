// Menus from code and from menu files: icon items, sub-menus, hover, the
// icon column, the menu keys and the theme entry. Open menus are grabbed
// into PNGs (CVN_GALLERY_DIR, else the temp folder).

#include "CVNQControlFactory.h"
#include "CVNQMenu.h"
#include "CVNQMenuImpl.h"
#include "TableViewTestUtil.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kBack(30, 34, 44);
const QColor kItem(40, 44, 56);
const QColor kHot(60, 110, 220);

QString iconPath(const char* name)
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../../app/icons/") +
                                                                               QString::fromLatin1(name));
}

QString pngIcon(const QTemporaryDir& dir)
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(QColor(250, 200, 40));
    const QString path = dir.filePath("dot.png");
    img.save(path);
    return path;
}

void dress(CVNQMenu& menu)
{
    menu.setBackground(fill("mBack", kBack));
    FillStyle clear = fill("mItem", kItem);
    clear.valid = false;
    menu.setItemStyle(0, clear);
    menu.setItemStyle(1, fill("mHot", kHot));
    menu.setItemTextStyle(0, text("mText", Qt::white));
    menu.setItemTextStyle(1, text("mText", Qt::white));
}

bool popUp(CVNQMenu& menu, const QPoint& pos)
{
    menu.popup(pos);
    return QTest::qWaitForWindowExposed(&menu);
}

// Puts the real pointer over an item and waits until the menu hovers it.
bool hoverItem(CVNQMenu& menu, int index)
{
    QCursor::setPos(menu.mapToGlobal(menu.actionGeometry(menu.actions().at(index)).center()));
    return QTest::qWaitFor([&] { return menu.getImpl()->hoverIndex == index; });
}

QImage shot(QWidget& w, const QString& file)
{
    const QImage img = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    img.save(qEnvironmentVariable("CVN_GALLERY_DIR", QDir::tempPath()) + "/" + file);
    return img;
}

} // namespace

TEST(Menu, IconItemsHoverAndTheIconColumnFromCode)
{
    initToolkit();
    QTemporaryDir dir;
    CVNQMenu menu;
    dress(menu);
    // States outside 0 to 3 change nothing; there is no all-states value.
    menu.setItemStyle(4, fill("mOther", Qt::red));
    menu.setItemStyle(-1, fill("mOther", Qt::red));
    menu.setItemTextStyle(7, text("mOtherText", Qt::red));
    EXPECT_EQ(menu.getImpl()->itemBackgrounds[0].name, QString("mItem"));
    EXPECT_EQ(menu.getImpl()->itemBackgrounds[1].name, QString("mHot"));
    EXPECT_TRUE(menu.getImpl()->itemBackgrounds[2].name.isEmpty());
    EXPECT_EQ(menu.getImpl()->itemTextStyles[0].name, QString("mText"));

    // The twin has the same items without the icon column.
    CVNQMenu twin;
    QAction* svg = nullptr;
    QAction* png = nullptr;
    QAction* plain = nullptr;
    for (CVNQMenu* m : {&menu, &twin}) {
        svg = m->addIconAction(iconPath("wind.svg").replace(".svg", ".SVG"), "Wind");
        png = m->addIconAction(pngIcon(dir), "Energy output forecast");
        plain = m->addIconAction(QString(), "Plain");
        auto* sub = new CVNQMenu(m);
        sub->setTitle("More");
        sub->addAction("Inside");
        m->addMenu(sub);
    }
    svg = menu.actions().at(0);
    png = menu.actions().at(1);
    plain = menu.actions().at(2);
    EXPECT_TRUE(svg->property("cvn_menu_icon_path").toString().endsWith(".SVG"));
    EXPECT_TRUE(svg->icon().isNull());
    EXPECT_FALSE(png->icon().isNull());
    EXPECT_FALSE(plain->property("cvn_menu_icon_path").isValid());

    // The icon column widens the pop-up and its items by its width.
    menu.setIconOffset(30);
    ASSERT_TRUE(popUp(menu, QPoint(60, 60)));
    ASSERT_TRUE(popUp(twin, QPoint(400, 60)));
    EXPECT_EQ(menu.width() - twin.width(), 30);
    EXPECT_EQ(menu.actionGeometry(png).width() - twin.actionGeometry(twin.actions().at(1)).width(), 30);
    twin.hide();

    // Hover follows the pointer over the items, stays when the pointer
    // moves over no item, and a hidden menu forgets it.
    ASSERT_TRUE(hoverItem(menu, 1));
    ASSERT_TRUE(hoverItem(menu, 0));
    QMouseEvent offItems(QEvent::MouseMove, QPoint(-4, -4), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&menu, &offItems);
    EXPECT_EQ(menu.getImpl()->hoverIndex, 0);
    const QImage img = shot(menu, "corvane-menu-code.png");
    const QRect hot = menu.actionGeometry(svg);
    const QRect icon = menu.actionGeometry(png);
    EXPECT_TRUE(hasColorIn(img, hot.adjusted(36, 2, -2, -2), kHot, 2));
    // Normal items are clear here, so the icons show on the background,
    // and the texts start right of the column.
    EXPECT_TRUE(hasColorIn(img, icon.adjusted(0, 0, 30 - icon.width(), 0), QColor(250, 200, 40), 2));
    EXPECT_TRUE(hasColorIn(img, menu.actionGeometry(plain), kBack, 2));
    EXPECT_GE(leftmostColor(img, icon.top(), icon.bottom(), Qt::white, 40), icon.left() + 34);
    menu.hide();
    EXPECT_EQ(menu.getImpl()->hoverIndex, -1);

    // The titled form keeps its native frame and default styles.
    CVNQMenu titled("Titled");
    EXPECT_FALSE(titled.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(menu.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(menu.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(Menu, MenuFilesBuildItemsSubMenusAndStyles)
{
    initToolkit();
    fill("mfBack", kBack);
    fill("mfItem", kItem);
    fill("mfHot", kHot);
    text("mfText", Qt::white);
    QTemporaryDir dir;
    const QString png = pngIcon(dir);
    const QByteArray file = QStringLiteral(R"({
        "background": "mfBack", "item0": "mfItem", "item1": "mfHot", "text0": "mfText", "item3": "missing",
        "items": [
            {"text": "Open", "icon": "%1"},
            {"text": "Export", "icon": "%2", "items": [{"text": "PDF"}, {"text": "PNG", "icon": "%1"}]},
            null,
            {"text": "Quit"}]})")
                                .arg(png, iconPath("map.svg"))
                                .toUtf8();
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "menu.json", file));

    // The name without ".json" finds the file.
    QWidget owner;
    CVNQMenu* menu = cvnCreateMenuByFileName(&owner, dir.filePath("menu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->parentWidget(), &owner);
    CVNQMenuImpl* impl = menu->getImpl();
    EXPECT_EQ(impl->background.name, QString("mfBack"));
    EXPECT_EQ(impl->itemBackgrounds[0].name, QString("mfItem"));
    EXPECT_EQ(impl->itemBackgrounds[1].name, QString("mfHot"));
    EXPECT_EQ(impl->itemBackgrounds[3].name, QString("mfItem")); // unknown name: kept
    EXPECT_EQ(impl->itemTextStyles[2].name, QString("mfText"));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->property("cvn_menu_icon_path").toString(), png);
    EXPECT_FALSE(items[0]->icon().isNull());
    // A sub-menu: its item keeps the path but gets no QIcon, and it is
    // dressed like its parent.
    auto* exportMenu = qobject_cast<CVNQMenu*>(items[1]->menu());
    ASSERT_NE(exportMenu, nullptr);
    EXPECT_EQ(exportMenu->title(), QString("Export"));
    EXPECT_TRUE(items[1]->icon().isNull());
    EXPECT_TRUE(items[1]->property("cvn_menu_icon_path").toString().endsWith("map.svg"));
    EXPECT_EQ(exportMenu->getImpl()->itemBackgrounds[1].name, QString("mfHot"));
    EXPECT_EQ(exportMenu->getImpl()->background.name, QString("mfBack"));
    ASSERT_EQ(exportMenu->actions().size(), 2);
    // A null entry has every key: an empty, untitled sub-menu.
    ASSERT_NE(items[2]->menu(), nullptr);
    EXPECT_TRUE(items[2]->menu()->actions().isEmpty());
    EXPECT_TRUE(items[2]->property("cvn_menu_icon_path").isValid());

    // Hover over the file's items and open its sub-menu for the picture.
    ASSERT_TRUE(popUp(*menu, QPoint(80, 80)));
    ASSERT_TRUE(hoverItem(*menu, 1));
    menu->setActiveAction(items[1]);
    ASSERT_TRUE(QTest::qWaitFor([&] { return exportMenu->isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(exportMenu));
    ASSERT_TRUE(hoverItem(*exportMenu, 1));
    const QImage top = shot(*menu, "corvane-menu-file.png");
    const QImage side = shot(*exportMenu, "corvane-menu-file-sub.png");
    EXPECT_TRUE(hasColorIn(top, menu->actionGeometry(items[1]), kHot, 2));
    EXPECT_TRUE(hasColorIn(top, menu->actionGeometry(items[3]), kItem, 2));
    // The sub-menu arrow.
    const QRect exportRect = menu->actionGeometry(items[1]);
    EXPECT_TRUE(hasColorIn(top, QRect(exportRect.right() - 7, exportRect.center().y() - 2, 5, 4), QColor(204, 204, 204), 2));
    EXPECT_TRUE(hasColorIn(side, exportMenu->actionGeometry(exportMenu->actions().at(1)), kHot, 2));
    menu->hide();

    // Item keys without "background" change no style, but items still come;
    // with a background (even an unknown one) "item0" sets all four states.
    Json::Value node = TestUtil::json(R"({"item0": "mfBack", "items": [{"text": "Again"}]})");
    EXPECT_TRUE(menu->readJsonValue(&node));
    EXPECT_EQ(impl->itemBackgrounds[0].name, QString("mfItem"));
    EXPECT_EQ(menu->actions().size(), 5);
    node = TestUtil::json(R"({"background": "nowhere", "item0": "mfBack"})");
    EXPECT_TRUE(menu->readJsonValue(&node));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(impl->itemBackgrounds[s].name, QString("mfBack")) << s;
    EXPECT_EQ(impl->background.name, QString("mfBack"));

    // Writing emits none of the menu keys and adds nothing.
    Json::Value written = TestUtil::json(R"({"items": [{"text": "x"}]})");
    EXPECT_TRUE(menu->serializeJsonValue(&written, false));
    EXPECT_EQ(menu->actions().size(), 5);
    for (const char* key : {"background", "item0", "text0"})
        EXPECT_FALSE(written.isMember(key)) << key;

    // Wrongly typed keys and entries are absent: no crash, no style, no item
    // from a non-object entry, a plain item for "items" that is no array.
    CVNQMenu odd;
    node = TestUtil::json(R"({"background": 5, "item0": ["mfHot"], "text1": {},
        "items": [7, "str", [1], {"text": 3, "icon": 9, "items": "x"}, {"text": "Sub", "items": {"a": 1}}]})");
    EXPECT_TRUE(odd.readJsonValue(&node));
    EXPECT_TRUE(odd.getImpl()->itemBackgrounds[0].name.isEmpty());
    ASSERT_EQ(odd.actions().size(), 2);
    EXPECT_TRUE(odd.actions()[0]->text().isEmpty());
    EXPECT_FALSE(odd.actions()[0]->property("cvn_menu_icon_path").isValid());
    EXPECT_EQ(odd.actions()[1]->menu(), nullptr);
    node = TestUtil::json(R"({"items": {"text": "not a list"}})");
    EXPECT_TRUE(odd.readJsonValue(&node));
    EXPECT_EQ(odd.actions().size(), 2);

    // Missing, empty, invalid files and a root that is no object give none.
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty.json", ""));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "bad.json", "{\"items\": ["));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "list.json", "[{\"text\": \"a\"}]"));
    for (const char* name : {"absent.json", "empty.json", "bad.json", "list.json"})
        EXPECT_EQ(cvnCreateMenuByFileName(nullptr, dir.filePath(name)), nullptr) << name;
}

TEST(Menu, ThemeEntryStylesMenusButNeverAddsItems)
{
    initToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", R"({"style": [
        {"type": 1, "name": "thMenuBack", "drawImg": false, "clr": "FF101820"},
        {"type": 1, "name": "thMenuItem", "drawImg": false, "clr": "FF203040"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json", R"({"elements": [{"child": [
        {"name": "qtmenu", "background": "thMenuBack", "item0": "thMenuItem",
         "items": [{"text": "from the theme"}]}]}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/theme.json", R"({"elements": []})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty/style.json", R"({"style": []})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("theme")));

    QWidget window;
    auto* menu = new CVNQMenu(&window);
    EXPECT_EQ(menu->getImpl()->background.name, QString("thMenuBack"));
    EXPECT_EQ(menu->getImpl()->itemBackgrounds[3].name, QString("thMenuItem"));
    EXPECT_TRUE(menu->actions().isEmpty());
    menu->addAction("Own");
    rm->notifyThemeChange(&window);
    menu->getControlBase()->refreshTheme();
    EXPECT_EQ(menu->actions().size(), 1);
    // A titled menu takes no theme entry.
    CVNQMenu titled("Plain");
    EXPECT_TRUE(titled.getImpl()->background.name.isEmpty());
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("empty")));
}

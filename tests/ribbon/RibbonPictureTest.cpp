// What the ribbon draws stays readable: no label under a menu strip, a check
// mark or a scroll arrow, the gallery's "more" button inked, top-row widgets
// side by side; layouts made while building follow later size changes; and
// every change shows on the screen at once.

#include "CVNQLabel.h"
#include "CVNQMenuImpl.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGeometry.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QDebug>
#include <QIcon>
#include <QTemporaryDir>
#include <QTest>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

CVNQRibbonButton* buttonOf(CVNQRibbonBar& bar, const char* id)
{
    for (CVNQRibbonButton* b : bar.findChildren<CVNQRibbonButton*>())
        if (b->ribbonAction() && b->ribbonAction()->objectName() == id)
            return b;
    return nullptr;
}

} // namespace

TEST(RibbonPicture, LabelsStayClearOfStripsMarksArrowsAndNeighbours)
{
    startToolkit();
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    resizeNow(&bar, 1180, 157);

    // The split "Paste": label above the menu strip, icon above the label,
    // at the default height and in a taller page.
    CVNQRibbonButton* paste = buttonOf(bar, "paste");
    ASSERT_NE(paste, nullptr);
    for (const int h : {paste->height(), 90}) {
        resizeNow(paste, paste->width(), h);
        const QRect strip = paste->popupIndicatorRect();
        const RibbonButtonRects r =
            ribbonButtonRects(paste->itemSize(), paste->size(), strip, true, paste->textAdvance());
        EXPECT_FALSE(r.text.intersects(strip)) << h;
        EXPECT_FALSE(r.text.intersects(r.icon)) << h;
        EXPECT_LE(r.iconSide, r.icon.height()) << h;
    }
    EXPECT_EQ(ribbonButtonRects(CVN_RIBBON_ITEM_LARGE, QSize(70, 90), QRect(0, 70, 70, 20), true, 30).iconSide, 32);

    // Its menu: "Keep text only" is checked; texts start after the mark,
    // which spans x 4 to 16.
    CVNQRibbonMenu* menu = paste->popupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_GT(menu->getImpl()->iconOffset + 4, 16);
    // Every kind of entry draws its own: a checked one the V of the mark
    // (low 4 px under the middle at x 9, up to 5 px over it at x 15), an
    // unchecked or plain one none, a separator its line across.
    menu->addSeparator();
    menu->addAction("Off")->setCheckable(true);
    menu->adjustSize();
    const QImage menuShot = render(menu);
    auto inkIn = [&](const QRect& area, QColor colour) {
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (near(menuShot.pixelColor(x, y), colour, 30))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    for (QAction* a : menu->actions()) {
        const QRect r = menu->actionGeometry(a);
        const int cy = r.center().y();
        const QRect mark = inkIn(r.adjusted(0, 0, 20 - r.width(), 0), QColor(62, 111, 210));
        const QColor ground = menuShot.pixelColor(r.right() - 2, r.top());
        int across = 0; // columns inked on the middle line, the antialiased line's two rows
        for (int x = r.left() + 9; x <= r.right() - 9; ++x)
            across += !near(menuShot.pixelColor(x, cy), ground, 8) || !near(menuShot.pixelColor(x, cy - 1), ground, 8);
        if (a->isChecked()) {
            EXPECT_TRUE(mark.left() <= 6 && mark.right() >= 14 && mark.top() <= cy - 4 && mark.bottom() >= cy + 3)
                << mark.left() << "," << mark.top() - cy << " " << mark.right() << "," << mark.bottom() - cy;
            EXPECT_LE(qAbs(inkIn(QRect(0, mark.bottom(), 20, 1), QColor(62, 111, 210)).center().x() - 9), 2);
        } else {
            EXPECT_TRUE(mark.isEmpty()) << a->text().toStdString();
        }
        EXPECT_EQ(across >= r.width() - 19, a->isSeparator()) << a->text().toStdString();
    }

    // The gallery's narrow "..." keeps its text and inks it.
    CVNQRibbonGallery* gallery = bar.findChild<CVNQRibbonGallery*>();
    ASSERT_NE(gallery, nullptr);
    CVNQRibbonButton* more = nullptr;
    for (CVNQRibbonButton* b : gallery->findChildren<CVNQRibbonButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->text() == "...")
            more = b;
    ASSERT_NE(more, nullptr);
    const RibbonButtonRects moreRects =
        ribbonButtonRects(more->itemSize(), more->size(), QRect(), false, more->textAdvance());
    EXPECT_GE(moreRects.text.width() - 2, more->textAdvance());
    const QImage moreShot = render(more);
    EXPECT_TRUE(inkBox(moreShot, QColor(255, 255, 255), 200).isValid());

    // Top right: the search field takes its configured 160 px and stays
    // clear of the label beside it.
    QWidget* search = bar.findChild<QWidget*>("search");
    QWidget* user = bar.findChild<QWidget*>("user");
    EXPECT_EQ(search->width(), 160);
    EXPECT_LE(search->geometry().right() + 4, user->x() - 1);

    // Compact and narrow: the tabs overflow, and the arrows close the tab
    // area left of the top-right widgets.
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT);
    resizeNow(&bar, 520, 127);
    EXPECT_TRUE(bar.isTabOverflowing());
    QWidget* row = RibbonTest::tab(bar, "home")->parentWidget();
    for (CVNQRibbonButton* b : row->findChildren<CVNQRibbonButton*>())
        if (b->text() == ">" || b->text() == "<") {
            EXPECT_FALSE(b->isHidden());
            EXPECT_LT(b->geometry().right(), search->x());
        }
    resizeNow(&bar, 1180, 127);
    EXPECT_FALSE(bar.isTabOverflowing());
}

TEST(RibbonPicture, BuiltLayoutFollowsLaterSizeChanges)
{
    startToolkit();
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    resizeNow(&bar, 1180, 157);
    CVNQRibbonPage* page = bar.pageById("home");
    CVNQRibbonGroup* clipboard = page->groupById("clipboard");
    CVNQRibbonGroup* turbines = page->groupById("turbines");
    const int before = clipboard->width();

    // A longer command text widens its column: the next layout of the page
    // (an inserted group) gives the group and its neighbours the new widths.
    CVNQRibbonButton* cut = buttonOf(bar, "cut");
    bar.findAction("cut")->setText("Cut the selection to the clipboard");
    page->addGroup("late", "Late");
    render(&bar); // the resized groups place their items
    // Paste, then one column of cut, copy and format.
    const int column = qMax(cut->sizeHint().width(), qMax(buttonOf(bar, "copy")->sizeHint().width(),
                                                          buttonOf(bar, "painter")->sizeHint().width()));
    EXPECT_EQ(cut->width(), column);
    EXPECT_EQ(clipboard->width(), 4 + buttonOf(bar, "paste")->sizeHint().width() + 4 + column + 4 + 4);
    EXPECT_GT(clipboard->width(), before);
    EXPECT_EQ(turbines->x(), clipboard->geometry().right() + 1 + 4);

    // Every group's items sit where a full layout of the same items puts them.
    for (int i = 0; i < page->groupCount(); ++i) {
        CVNQRibbonGroup* group = page->groupAt(i);
        QList<QRect> built;
        const QList<QWidget*> items = group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* w : items)
            built.append(w->geometry());
        resizeNow(group, group->width(), group->height());
        for (int k = 0; k < items.size(); ++k)
            EXPECT_EQ(items.at(k)->geometry(), built.at(k)) << group->groupId().toStdString() << " item " << k;
    }

    // On a shown bar every change of what an item asks for is placed once
    // control is back in the event loop, on the current page and on one
    // shown later: a hidden command, widget or gallery item takes no room.
    auto placed = [&bar] {
        QString all;
        QDebug out(&all);
        for (const QWidget* w : bar.findChildren<QWidget*>())
            if (w->parentWidget()->isVisible() && !w->isWindow())
                out << w << w->geometry() << w->isVisible() << "\n";
        return all.toStdString();
    };
    bar.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.window()));
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"text", [&] { bar.findAction("start")->setText("Start every turbine"); }},
        {"hidden command", [&] { bar.findAction("inspect")->setVisible(false); }},
        {"hidden widget", [&] { bar.findChild<QWidget*>("zoom")->hide(); }},
        {"hidden gallery item", [&] { page->findChild<CVNQRibbonGallery*>()->actions().first()->setVisible(false); }},
        {"hidden quick command", [&] { bar.findAction("save")->setVisible(false); }},
        {"top-right text", [&] { bar.findChild<CVNQLabel*>("user")->setText("Op"); }},
        {"hidden page's command", [&] { bar.findAction("line")->setText("A line chart of the day"); }},
        {"hidden page shown", [&] { bar.setCurrentPage("insert"); }},
    };
    for (const auto& change : changes) {
        change.second();
        TestUtil::flushEvents();
        const auto before = placed();
        QEvent request(QEvent::LayoutRequest); // a full layout of every part
        for (CVNQContainer* part : bar.findChildren<CVNQContainer*>()) {
            QApplication::sendEvent(part, &request); // no size hint kept
            if (auto* p = qobject_cast<CVNQRibbonPage*>(part))
                p->updateGroupLayout();
        }
        for (CVNQContainer* part : bar.findChildren<CVNQContainer*>())
            if (qobject_cast<CVNQRibbonGroup*>(part) || qobject_cast<CVNQRibbonGallery*>(part))
                resizeNow(part, part->width(), part->height());
        bar.updateLayout();
        EXPECT_EQ(placed(), before) << change.first;
    }
    for (const char* id : {"inspect", "save", "sLine"})
        EXPECT_TRUE(buttonOf(bar, id)->isHidden()) << id;
}

TEST(RibbonPicture, RectanglesKeepTheirLimitsAtTheEdgesOfSize)
{
    startToolkit();
    // The menu strip: the bottom 20 px of a large button, the right 17 px of
    // the others, never outside a button smaller than that.
    auto* menu = new CVNQRibbonMenu;
    CVNQRibbonButton large(nullptr, CVN_RIBBON_ITEM_LARGE);
    CVNQRibbonButton small(nullptr, CVN_RIBBON_ITEM_SMALL);
    for (CVNQRibbonButton* b : {&large, &small}) {
        b->setPopupMenu(menu);
        b->setPopupMode(CVN_RIBBON_POPUP_SPLIT);
    }
    const struct
    {
        CVNQRibbonButton* button;
        QSize size;
        QRect strip;
    } strips[] = {{&large, {64, 68}, {0, 48, 64, 20}},
                  {&large, {64, 10}, {0, 0, 64, 10}},
                  {&small, {30, 24}, {13, 0, 17, 24}},
                  {&small, {10, 24}, {0, 0, 10, 24}}};
    for (const auto& s : strips) {
        s.button->resize(s.size);
        EXPECT_EQ(s.button->popupIndicatorRect(), s.strip) << s.size.width() << "x" << s.size.height();
    }

    // Icon and text rectangles of buttons too small for them stay empty at worst.
    const RibbonButtonRects tiny = ribbonButtonRects(CVN_RIBBON_ITEM_LARGE, QSize(20, 40), QRect(), true, 10);
    EXPECT_EQ(tiny.icon, QRect(8, 5, 16, 18));
    const RibbonButtonRects low =
        ribbonButtonRects(CVN_RIBBON_ITEM_LARGE, QSize(64, 30), QRect(0, 10, 64, 20), true, 10);
    EXPECT_EQ(low.icon, QRect(8, 5, 48, 8));
    EXPECT_EQ(ribbonButtonRects(CVN_RIBBON_ITEM_SMALL, QSize(20, 24), QRect(3, 0, 17, 24), true, 10).text,
              QRect(27, 0, 0, 24));
    EXPECT_EQ(ribbonButtonRects(CVN_RIBBON_ITEM_SMALL, QSize(20, 24), QRect(3, 0, 17, 24), false, 10).text,
              QRect(4, 0, 0, 24));
    // Without an icon the text keeps its margins while it fits them exactly.
    EXPECT_EQ(ribbonButtonRects(CVN_RIBBON_ITEM_SMALL, QSize(50, 24), QRect(), false, 40).text, QRect(4, 0, 42, 24));
    EXPECT_EQ(ribbonButtonRects(CVN_RIBBON_ITEM_SMALL, QSize(50, 24), QRect(), false, 41).text, QRect(0, 0, 50, 24));

    // A command's own icon is drawn within 24 x 24 px in a large button,
    // keeping its shape: a wide one as wide, a tall one as high.
    QTemporaryDir dir;
    const char* box = R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%2">)"
                      R"(<rect width="%1" height="%2" fill="#ff0000"/></svg>)";
    const QSize shapes[] = {{64, 32}, {32, 64}};
    for (const QSize shape : shapes) {
        const QString name = QStringLiteral("box%1.svg").arg(shape.width());
        ASSERT_TRUE(
            TestUtil::writeFile(dir.path(), name, QString(box).arg(shape.width()).arg(shape.height()).toUtf8()));
        QAction action("Box");
        action.setIcon(QIcon(dir.filePath(name)));
        CVNQRibbonButton button(nullptr, CVN_RIBBON_ITEM_LARGE);
        button.setRibbonAction(&action);
        resizeNow(&button, 90, 68);
        EXPECT_EQ(colourBox(render(&button), QColor(255, 0, 0), 40).size(),
                  QSize(shape.width() * 24 / 64, shape.height() * 24 / 64));
    }
}

TEST(RibbonPicture, ChangesShowOnTheScreenAtOnce)
{
    startToolkit();
    QWidget host;
    host.resize(900, 260);
    auto* bar = new CVNQRibbonBar(&host);
    bar->setGeometry(0, 0, 900, 157);
    CVNQRibbonGroup* group = bar->addPage("home", "Home")->addGroup("g", "Group");
    group->addLargeAction(RibbonTest::command(bar, "go"));
    bar->addPage("view", "View")->addGroup("v", "View")->addLargeAction(RibbonTest::command(bar, "look"));
    QAction* action = RibbonTest::command(&host, "paste");
    auto* button = new CVNQRibbonButton(&host, CVN_RIBBON_ITEM_LARGE);
    button->setGeometry(10, 170, 90, 68);
    button->setRibbonAction(action);
    button->setPopupMode(CVN_RIBBON_POPUP_SPLIT);
    ASSERT_TRUE(TestUtil::showExposed(&host));

    auto* menu = new CVNQRibbonMenu;
    menu->addCommand("special", "Special");
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"menu", [&] { button->setPopupMenu(menu); }},
        {"menu deleted by its owner", [&] { delete menu; }},
        {"popup mode", [&] { button->setPopupMode(CVN_RIBBON_POPUP_NONE); }},
        {"size", [&] { button->setItemSize(CVN_RIBBON_ITEM_SMALL); }},
        {"icon", [&] { button->setRibbonIcon(RibbonTest::iconDir() + "turbine.svg"); }},
        {"command's icon", [&] { action->setIcon(QIcon(RibbonTest::iconDir() + "alert.svg")); }},
        {"command's icon taken away", [&] { action->setIcon(QIcon()); }},
        {"group title", [&] { group->setTitle("Clipboard and more"); }},
    };
    for (const auto& change : changes) {
        change.second();
        EXPECT_TRUE(TestUtil::screenIsCurrent(&host)) << change.first;
    }

    // New command looks reach the buttons in the minimised bar's pop-up.
    defineFill("rpCommand", QColor(30, 160, 60));
    bar->setMinimized(true);
    QTest::mouseClick(RibbonTest::tab(*bar, "view"), Qt::LeftButton);
    QWidget* popup = bar->pageById("view")->window();
    ASSERT_NE(popup, &host);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    Json::Value node = TestUtil::json(R"({"style": [["rpCommand", 1, 8]]})");
    ASSERT_TRUE(bar->readJsonValue(&node));
    EXPECT_TRUE(TestUtil::screenIsCurrent(popup));
    popup->hide();
}

// Ribbon commands and states: every registered action reported through
// commandTriggered, the click and press rules of the popup modes, gallery
// items, context groups, and the minimised bar's pop-up.

#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QAction>
#include <QPointer>
#include <functional>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

class RibbonCommandTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { startToolkit(); }
};

} // namespace

TEST_F(RibbonCommandTest, EveryCommandIsReportedOnceWithItsCheckedState)
{
    CVNQRibbonBar bar;
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    CVNQRibbonGroup* group = bar.addPage("home", "Home")->addGroup("g", "Group");
    QAction* bold = RibbonTest::command(&bar, "bold", true);
    CVNQRibbonButton* boldButton = group->addSmallAction(bold);
    bar.registerAction(bold);
    boldButton->click();
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands.at(0), (QVariantList{"bold", true}));
    EXPECT_TRUE(boldButton->isChecked());

    // Quick access, a gallery item, and a menu whose submenu holds commands.
    CVNQRibbonButton* quick = bar.addQuickAction(RibbonTest::command(&bar, "save"));
    EXPECT_FALSE(quick->getShowText());
    quick->click();
    CVNQRibbonGallery* gallery = group->addGallery(3, 2);
    gallery->addItem("sLine", "Line");
    gallery->addAction(gallery->actions().first()); // already there
    EXPECT_EQ(gallery->count(), 1);
    gallery->findChildren<CVNQRibbonButton*>().last()->click();
    auto* menu = new CVNQRibbonMenu;
    auto* sub = new CVNQRibbonMenu("More", menu);
    sub->addCommand("deep", "Deep");
    menu->addMenu(sub)->setObjectName("more");
    group->addAction(RibbonTest::command(&bar, "tools"), CVN_RIBBON_ITEM_LARGE, CVN_RIBBON_POPUP_INSTANT, menu);
    EXPECT_NE(bar.findAction("deep"), nullptr);
    EXPECT_EQ(bar.findAction("more"), nullptr);
    bar.findAction("deep")->trigger();
    ASSERT_EQ(commands.size(), 4);
    EXPECT_EQ(commands.at(1), (QVariantList{"save", false}));
    EXPECT_EQ(commands.at(2), (QVariantList{"sLine", false}));
    EXPECT_EQ(commands.at(3), (QVariantList{"deep", false}));

    // A deleted action is no longer found.
    delete bar.findAction("deep");
    EXPECT_EQ(bar.findAction("deep"), nullptr);

    // A caller's registered command on no button outlives every change that
    // drops the commands the bar no longer shows.
    QAction mine;
    mine.setObjectName("mine");
    bar.registerAction(&mine);
    CVNQRibbonPage* other = bar.addPage("other", "Other");
    CVNQRibbonGroup* g2 = other->addGroup("g2", "G2");
    const std::function<void()> changes[] = {
        [&] { delete g2->addSmallAction(RibbonTest::command(&bar, "gone")); },
        [&] { g2->clearItems(); },
        [&] { other->removeGroup(g2); },
        [&] { other->clearGroups(); },
        [&] { bar.addQuickAction(RibbonTest::command(&bar, "quick")); },
        [&] { bar.setApplicationMenu("File", new CVNQRibbonMenu); },
        [&] { bar.removePage(other); },
        [&] { delete bar.addPage("p", "P"); },
        [&] { bar.clearPages(); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_EQ(bar.findAction("mine"), &mine) << &change - changes;
    }
    mine.trigger();
    EXPECT_EQ(commands.calls.last(), (QVariantList{"mine", false}));
}

TEST_F(RibbonCommandTest, PopupModesDecideBetweenMenuAndCommand)
{
    CVNQRibbonBar bar;
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    CVNQRibbonGroup* group = bar.addPage("home", "Home")->addGroup("g", "Group");
    auto* menu = new CVNQRibbonMenu;
    menu->addCommand("special", "Special");
    CVNQRibbonButton* split =
        group->addAction(RibbonTest::command(&bar, "paste"), CVN_RIBBON_ITEM_LARGE, CVN_RIBBON_POPUP_SPLIT, menu);
    split->resize(64, 68);
    RibbonTest::Recorder opened(split, &CVNQRibbonButton::menuAboutToShow);
    EXPECT_EQ(split->popupIndicatorRect(), QRect(0, 48, 64, 20));
    TestUtil::click(split, QPoint(30, 60)); // the arrow strip: the menu, no command
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(commands.size(), 0);
    menu->hide();
    TestUtil::click(split, QPoint(30, 20));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(commands.size(), 1);

    split->setPopupMode(CVN_RIBBON_POPUP_INSTANT);
    split->click(); // never a command
    EXPECT_EQ(commands.size(), 1);
    split->setPopupMode(CVN_RIBBON_POPUP_NONE);
    EXPECT_TRUE(split->popupIndicatorRect().isEmpty());
    TestUtil::click(split, QPoint(30, 60));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(commands.size(), 2);

    CVNQRibbonButton* medium = group->addAction(RibbonTest::command(&bar, "m"), CVN_RIBBON_ITEM_MEDIUM);
    EXPECT_EQ(medium->sizeHint().height(), 30);
    medium->setText("");
    EXPECT_EQ(medium->sizeHint(), QSize(74, 30));
    // Each size keeps its least width for an empty text.
    CVNQRibbonButton* small = group->addAction(RibbonTest::command(&bar, "s"), CVN_RIBBON_ITEM_SMALL);
    small->setText("");
    EXPECT_EQ(small->sizeHint(), QSize(54, 24));
    CVNQRibbonButton* large = group->addAction(RibbonTest::command(&bar, "l"), CVN_RIBBON_ITEM_LARGE);
    large->setText("");
    EXPECT_EQ(large->sizeHint(), QSize(64, 68));
}

TEST_F(RibbonCommandTest, ContextGroupsAndMinimisedPopup)
{
    CVNQRibbonBar bar;
    RibbonTest::Recorder pages(&bar, &CVNQRibbonBar::currentPageChanged);
    RibbonTest::Recorder minimised(&bar, &CVNQRibbonBar::minimizedChanged);
    EXPECT_FALSE(bar.setCurrentPage(0));
    bar.addPage("home", "");
    bar.addPage("view", "View");
    EXPECT_EQ(bar.currentPage(), 0);
    EXPECT_EQ(bar.pageAt(0)->title(), "home");
    EXPECT_EQ(pages.calls, QList<QVariantList>{{0}}); // the first page only

    CVNQRibbonContextGroup* ctx = bar.addContextGroup("chart", "Chart", Qt::red);
    EXPECT_EQ(bar.addContextGroup("chart", "Other", Qt::blue), ctx);
    EXPECT_EQ(ctx->color(), QColor(Qt::red));
    CVNQRibbonPage* design = ctx->addPage("design", "Design");
    CVNQRibbonPage* format = ctx->addPage("format", "Format");
    EXPECT_EQ(ctx->pageAt(0), design);
    EXPECT_EQ(ctx->pageAt(1), format);
    EXPECT_EQ(ctx->pageAt(2), nullptr);
    EXPECT_EQ(ctx->pageAt(-1), nullptr);
    // A lookup by id takes the whole id: a part of it, more of it or
    // another case finds nothing.
    EXPECT_EQ(bar.contextGroupById("chart"), ctx);
    EXPECT_EQ(bar.pageById("design"), design);
    for (const char* id : {"char", "chart.axis", "Chart", "desig", "design.x", "Design", ""}) {
        EXPECT_EQ(bar.contextGroupById(id), nullptr) << id;
        EXPECT_EQ(bar.pageById(id), nullptr) << id;
    }
    EXPECT_FALSE(bar.setCurrentPage("design"));
    bar.showContextGroup("chart");
    EXPECT_TRUE(bar.setCurrentPage("design"));
    bar.hideContextGroup("chart");
    EXPECT_EQ(bar.currentPage(), 0);
    EXPECT_EQ(pages.calls.last(), QVariantList{0});

    // The current tab minimises; a tab of a minimised bar pops its page up.
    RibbonTest::tab(bar, "home")->click();
    EXPECT_TRUE(bar.isMinimized());
    EXPECT_EQ(minimised.size(), 1);
    CVNQRibbonPage* view = bar.pageById("view");
    RibbonTest::tab(bar, "view")->click();
    EXPECT_EQ(pages.calls.last(), QVariantList{1});
    QWidget* popup = view->window();
    EXPECT_NE(popup, &bar);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(view->isVisible());
    popup->hide();
    EXPECT_EQ(view->window(), &bar);
    EXPECT_FALSE(view->parentWidget()->isVisible());

    // Loading into the minimised bar opens nothing.
    ASSERT_TRUE(bar.loadConfigJson(R"({"schemaVersion": 1, "minimized": true, "currentPage": "b",
                                       "pages": [{"id": "a"}, {"id": "b"}]})"));
    EXPECT_TRUE(bar.isMinimized());
    EXPECT_EQ(bar.currentPage(), 1);
    EXPECT_EQ(bar.currentPageWidget()->window(), &bar);
    EXPECT_FALSE(bar.currentPageWidget()->isVisible());
    bar.setMinimized(false);
    EXPECT_EQ(minimised.calls.last(), QVariantList{false});

    // Positions outside the list insert at its ends.
    CVNQRibbonPage* front = bar.insertPage(-5, "front", "Front");
    CVNQRibbonPage* back = bar.insertPage(bar.pageCount() + 5, "back", "Back");
    EXPECT_EQ(bar.pageAt(0), front);
    EXPECT_EQ(bar.pageAt(bar.pageCount() - 1), back);
    EXPECT_EQ(bar.pageAt(bar.pageCount()), nullptr);
    EXPECT_EQ(bar.pageAt(-1), nullptr);

    // Every path that changes the current page or its index reports it
    // once, with the new index; the others report nothing.
    CVNQRibbonContextGroup* tools = bar.addContextGroup("tools", "Tools", Qt::green);
    const std::pair<bool, std::function<void()>> changes[] = {
        {true, [&] { bar.insertPage(0, "x", "X"); }},
        {true, [&] { bar.removePage(bar.pageAt(0)); }},
        {false, [&] { tools->addPage("tp", "TP"); }},
        {false, [&] { bar.showContextGroup("tools"); }},
        {true, [&] { bar.setCurrentPage("tp"); }},
        {true, [&] { bar.hideContextGroup("tools"); }},
        {true, [&] { bar.setCurrentPage(2); }},
        {true, [&] { bar.removePage(bar.currentPageWidget()); }},
        {true, [&] { delete bar.currentPageWidget(); }},
        {true, [&] { bar.clearPages(); }},
        {true, [&] { bar.addPage("y", "Y"); }},
        {false, [&] { bar.addPage("z", "Z"); }},
        {true, [&] { bar.loadConfigJson(R"({"schemaVersion": 1, "pages": [{"id": "a"}]})"); }},
        {true, [&] { bar.loadConfigJson(R"({"schemaVersion": 1})"); }},
    };
    for (const auto& change : changes) {
        const QPointer<QObject> before = bar.currentPageWidget();
        const int index = bar.currentPage();
        pages.clear();
        change.second();
        const bool changed = before != bar.currentPageWidget() || index != bar.currentPage();
        EXPECT_EQ(changed, change.first) << &change - changes;
        EXPECT_EQ(pages.calls, changed ? QList<QVariantList>{{bar.currentPage()}} : QList<QVariantList>{})
            << &change - changes;
    }

    // Whatever a bar makes on its caller's behalf, by each entry point, is its own.
    auto* doomed = new CVNQRibbonBar;
    QAction own(QStringLiteral("own"));
    CVNQRibbonGroup* group = doomed->addPage("p", "P")->addGroup("g", "G");
    CVNQRibbonContextGroup* ctx2 = doomed->addContextGroup("c", "C", Qt::red);
    const QList<QPointer<QObject>> made = {doomed->insertPage(0, "i", "I"), ctx2,
                                           ctx2->addPage("cp", "CP"),       group,
                                           group->addLargeAction(&own),     group->addGallery(),
                                           group->addMenu(nullptr),         doomed->addQuickAction(&own),
                                           doomed->applicationButton()};
    for (int i = 0; i < made.size(); ++i) {
        QObject* up = made.at(i);
        while (up && up != doomed)
            up = up->parent();
        EXPECT_EQ(up, doomed) << i; // in its object tree: found by findChildren, goes with it
    }
    delete doomed;
    for (int i = 0; i < made.size(); ++i)
        EXPECT_TRUE(made.at(i).isNull()) << i;
}

// The ribbon as an application drives it: slots that rebuild the bar from
// the very click that reached them, widgets and pages deleted by their
// owner, commands in plain submenus and after a reload, the keyboard, and
// commands chosen in the minimised bar's pop-up. Clicks are real mouse
// events on the real buttons, so the sanitizer sees what a user would cause.

#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

const char* kSmallConfig = R"({"schemaVersion": 1, "pages": [{"id": "a", "groups": [{"id": "g", "items": [
    {"id": "go"}, {"type": "gallery", "items": [{"id": "g1"}]}]}]}, {"id": "b"}]})";

class RibbonRealUseTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { startToolkit(); }

    static void showBar(CVNQRibbonBar& bar)
    {
        bar.setGeometry(60, 60, 900, 160);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }

    // The button of a command on the current page.
    static CVNQRibbonButton* buttonOf(CVNQRibbonBar& bar, const QString& id)
    {
        for (CVNQRibbonButton* b : bar.currentPageWidget()->findChildren<CVNQRibbonButton*>())
            if (b->ribbonAction() && b->ribbonAction()->objectName() == id)
                return b;
        return nullptr;
    }
};

} // namespace

TEST_F(RibbonRealUseTest, SlotsRebuildingTheBarFromItsOwnClickRunClean)
{
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(kSmallConfig));
    bar.addContextGroup("ctx", "Tools", Qt::red)->addPage("design", "Design");
    showBar(bar);

    // A page change shows a context group: the clicked tab is rebuilt away.
    auto show =
        QObject::connect(&bar, &CVNQRibbonBar::currentPageChanged, &bar, [&]() { bar.showContextGroup("ctx"); });
    QPointer<CVNQRibbonButton> clicked = RibbonTest::tab(bar, "b");
    click(clicked);
    EXPECT_EQ(bar.currentPageWidget(), bar.pageById("b"));
    ASSERT_NE(RibbonTest::tab(bar, "design"), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.isNull(); }));
    QObject::disconnect(show);

    // A page change, a group button, a gallery item and a quick command
    // each load another configuration from their own click.
    // Loading selects a page too: the slot does not reload from within itself.
    bool loading = false;
    auto reload = [&]() {
        if (loading)
            return;
        loading = true;
        EXPECT_TRUE(bar.loadConfigJson(kSmallConfig));
        loading = false;
    };
    auto onPage = QObject::connect(&bar, &CVNQRibbonBar::currentPageChanged, &bar, reload);
    click(RibbonTest::tab(bar, "a"));
    QObject::disconnect(onPage);
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    QObject::connect(&bar, &CVNQRibbonBar::commandTriggered, &bar, reload);
    QPointer<CVNQRibbonPage> oldPage = bar.currentPageWidget();
    click(buttonOf(bar, "go"));
    click(bar.currentPageWidget()->findChild<CVNQRibbonGallery*>()->findChildren<CVNQRibbonButton*>().last());
    click(bar.addQuickAction(RibbonTest::command(&bar, "save")));
    ASSERT_EQ(commands.size(), 3);
    EXPECT_EQ(commands.at(1), (QVariantList{"g1", false}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return oldPage.isNull(); }));
    EXPECT_EQ(bar.pageCount(), 2);
    EXPECT_EQ(bar.findChildren<CVNQRibbonPage*>().size(), 2);
}

TEST_F(RibbonRealUseTest, WidgetsAndPagesDeletedByTheirOwnerLeaveNoRecord)
{
    CVNQRibbonBar bar;
    bar.resize(900, 160);
    CVNQRibbonGroup* group = bar.addPage("home", "Home")->addGroup("g", "Group");
    group->addSmallAction(RibbonTest::command(&bar, "cut"));
    const int narrow = group->sizeHint().width();
    auto* field = new QLabel("A wide field of the caller");
    group->addWidget(field);
    auto* status = new QLabel("Operator");
    bar.addTopRightWidget(status);
    CVNQRibbonPage* view = bar.addPage("view", "View");
    CVNQRibbonPage* design = bar.addContextGroup("ctx", "Tools", Qt::red)->addPage("design", "Design");
    bar.showContextGroup("ctx");
    ASSERT_TRUE(bar.setCurrentPage("view"));

    delete field;
    delete status;
    delete view; // the current page
    delete design;
    EXPECT_EQ(group->itemCount(), 1);
    EXPECT_EQ(group->sizeHint().width(), narrow);
    EXPECT_EQ(bar.pageCount(), 1);
    EXPECT_EQ(bar.currentPage(), 0);
    EXPECT_EQ(bar.contextGroupById("ctx")->pageCount(), 0);
    EXPECT_EQ(RibbonTest::tab(bar, "view"), nullptr);
    bar.resize(700, 160);
    const Json::Value written = TestUtil::json(bar.configJson().toUtf8().constData());
    EXPECT_EQ(written["topRight"].size(), 0u);
    EXPECT_EQ(written["pages"][0]["groups"][0]["items"].size(), 1u);
    EXPECT_EQ(render(&bar).size(), bar.size());
}

TEST_F(RibbonRealUseTest, PlainSubmenusAndReloadedCallerCommandsReportOncePerTrigger)
{
    CVNQRibbonBar bar;
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    CVNQRibbonGroup* group = bar.addPage("home", "Home")->addGroup("g", "Group");
    auto* menu = new CVNQRibbonMenu;
    QMenu* plain = menu->addMenu("Export");
    plain->addAction("PDF")->setObjectName("pdf");
    plain->addMenu("More")->addAction("SVG")->setObjectName("svg");
    group->addAction(RibbonTest::command(&bar, "tools"), CVN_RIBBON_ITEM_LARGE, CVN_RIBBON_POPUP_INSTANT, menu);
    auto* appMenu = new CVNQRibbonMenu;
    appMenu->addMenu("Recent")->addAction("One")->setObjectName("recent1");
    bar.setApplicationMenu("File", appMenu);
    for (const char* id : {"pdf", "svg", "recent1"}) {
        ASSERT_NE(bar.findAction(id), nullptr) << id;
        bar.findAction(id)->trigger();
    }
    ASSERT_EQ(commands.size(), 3);
    EXPECT_EQ(commands.at(1), (QVariantList{"svg", false}));
    EXPECT_EQ(bar.findAction("Export"), nullptr);

    // The caller's own command, registered again after a reload.
    QAction* mine = RibbonTest::command(nullptr, "mine");
    bar.registerAction(mine);
    ASSERT_TRUE(bar.loadConfigJson(kSmallConfig));
    EXPECT_EQ(bar.findAction("mine"), nullptr);
    bar.registerAction(mine);
    commands.clear();
    mine->trigger();
    EXPECT_EQ(commands.size(), 1);
    delete mine;
}

TEST_F(RibbonRealUseTest, KeyboardOpensMenusAndMovesBetweenButtons)
{
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    showBar(bar);
    bar.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));

    CVNQRibbonButton* file = bar.applicationButton();
    auto* tools = bar.pageById("home")->groupById("clipboard")->findChild<CVNQRibbonButton*>();
    tools->setPopupMode(CVN_RIBBON_POPUP_INSTANT);
    for (CVNQRibbonButton* button : {file, tools}) {
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            button->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); }));
            QTest::keyClick(button, key);
            QMenu* menu = button->popupMenu();
            ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); })) << key;
            QTest::keyClick(menu, Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); })) << key;
            EXPECT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); })) << key;
        }
    }

    // Tab walks from the File button to the quick-access commands.
    file->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return file->hasFocus(); }));
    for (const char* next : {"Save", "Undo"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* focused = qobject_cast<CVNQRibbonButton*>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->text(), next);
    }
}

TEST_F(RibbonRealUseTest, CommandChosenInTheMinimisedPopupClosesIt)
{
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(kSmallConfig));
    showBar(bar);
    bar.setMinimized(true);
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    CVNQRibbonPage* page = bar.pageById("a");
    auto open = [&]() {
        click(RibbonTest::tab(bar, "a"));
        return QTest::qWaitFor([&] { return page->isVisible(); });
    };
    ASSERT_TRUE(open());
    QWidget* popup = page->window();
    click(buttonOf(bar, "go"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }));
    ASSERT_TRUE(open());
    click(page->findChild<CVNQRibbonGallery*>()->findChildren<CVNQRibbonButton*>().last());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup->isVisible(); }));
    EXPECT_EQ(commands.size(), 2);
    EXPECT_TRUE(bar.isMinimized());
}

// The ribbon as an application drives it, with real clicks and keys: slots
// that rebuild the bar from the click that reached them, widgets and pages
// deleted by their owner, plain submenus, reloads, the keyboard and the
// minimised bar's pop-up.

#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

const char* kConfig = R"({"schemaVersion": 1, "pages": [{"id": "a", "groups": [{"id": "g", "items": [
    {"id": "go"}, {"type": "gallery", "items": [{"id": "g1"}]}, {"type": "widget", "control": "checkBox", "id": "cb"}]}]},
    {"id": "b"}]})";

void showBar(CVNQRibbonBar& bar)
{
    startToolkit();
    ASSERT_TRUE(bar.loadConfigJson(kConfig));
    bar.setGeometry(60, 60, 900, 160);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

CVNQRibbonButton* command(CVNQRibbonBar& bar)
{
    return bar.pageById("a")->groupAt(0)->findChild<CVNQRibbonButton*>();
}

CVNQRibbonButton* galleryItem(CVNQRibbonBar& bar)
{
    return bar.pageById("a")->findChild<CVNQRibbonGallery*>()->findChildren<CVNQRibbonButton*>().last();
}

} // namespace

TEST(RibbonRealUse, SlotsRebuildingTheBarFromItsOwnClickRunClean)
{
    CVNQRibbonBar bar;
    showBar(bar);
    bar.addContextGroup("ctx", "Tools", Qt::red)->addPage("design", "Design");
    auto show = QObject::connect(&bar, &CVNQRibbonBar::currentPageChanged, [&]() { bar.showContextGroup("ctx"); });
    QPointer<CVNQRibbonButton> clicked = RibbonTest::tab(bar, "b");
    click(clicked);
    EXPECT_NE(RibbonTest::tab(bar, "design"), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.isNull(); }));
    QObject::disconnect(show);

    // A tab, a group button, a gallery item, a quick command and a check box
    // each load another configuration (which selects a page again).
    bool loading = false;
    auto reload = [&]() {
        if (!loading) {
            loading = true;
            EXPECT_TRUE(bar.loadConfigJson(kConfig));
            loading = false;
        }
    };
    QObject::connect(&bar, &CVNQRibbonBar::currentPageChanged, reload);
    QObject::connect(&bar, &CVNQRibbonBar::commandTriggered, reload);
    QPointer<CVNQRibbonPage> first = bar.pageById("a");
    click(RibbonTest::tab(bar, "b"));
    click(command(bar));
    click(galleryItem(bar));
    click(bar.addQuickAction(RibbonTest::command(&bar, "save")));
    auto* box = bar.findChild<QAbstractButton*>("cb");
    QObject::connect(box, &QAbstractButton::toggled, reload);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
    EXPECT_EQ(bar.findChildren<CVNQRibbonPage*>().size(), 2);
}

TEST(RibbonRealUse, WidgetsAndPagesDeletedByTheirOwnerLeaveNoRecord)
{
    CVNQRibbonBar bar;
    CVNQRibbonGroup* group = bar.addPage("home", "Home")->addGroup("g", "Group");
    group->addSmallAction(RibbonTest::command(&bar, "cut"));
    const int narrow = group->sizeHint().width();
    auto* field = new QLabel("A wide field of the caller");
    group->addWidget(field);
    auto* status = new QLabel("Operator");
    bar.addTopRightWidget(status);
    CVNQRibbonPage* view = bar.addPage("view", "View");
    CVNQRibbonPage* design = bar.addContextGroup("ctx", "Tools", Qt::red)->addPage("design", "Design");
    ASSERT_TRUE(bar.setCurrentPage("view"));
    delete field;
    delete status;
    delete view; // the current page
    delete design;
    EXPECT_EQ(group->sizeHint().width(), narrow);
    EXPECT_EQ(bar.currentPage(), 0);
    EXPECT_EQ(bar.contextGroupById("ctx")->pageCount(), 0);
    bar.resize(700, 160);
    const Json::Value written = TestUtil::json(bar.configJson().toUtf8().constData());
    EXPECT_EQ(written["topRight"].size(), 0u);
    EXPECT_EQ(written["pages"].size(), 1u);
    EXPECT_EQ(written["pages"][0]["groups"][0]["items"].size(), 1u);
}

TEST(RibbonRealUse, PlainSubmenusAndReloadedCallerCommandsReportOncePerTrigger)
{
    CVNQRibbonBar bar;
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    auto* menu = new CVNQRibbonMenu;
    menu->addMenu("Export")->addMenu("More")->addAction("SVG")->setObjectName("svg");
    bar.addPage("home", "Home")->addGroup("g", "G")->addMenu(menu);
    auto* appMenu = new CVNQRibbonMenu;
    appMenu->addMenu("Recent")->addAction("One")->setObjectName("recent");
    bar.setApplicationMenu("File", appMenu);
    for (const char* id : {"svg", "recent"}) {
        ASSERT_NE(bar.findAction(id), nullptr) << id;
        bar.findAction(id)->trigger();
    }
    QAction mine;
    mine.setObjectName("mine");
    bar.registerAction(&mine);
    ASSERT_TRUE(bar.loadConfigJson(kConfig)); // the caller's command comes back after a reload
    bar.registerAction(&mine);
    mine.trigger();
    EXPECT_EQ(commands.calls, (QList<QVariantList>{{"svg", false}, {"recent", false}, {"mine", false}}));
}

TEST(RibbonRealUse, KeyboardOpensMenusAndMovesBetweenButtons)
{
    CVNQRibbonBar bar;
    showBar(bar);
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    bar.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));
    auto* tools = bar.pageById("home")->groupById("clipboard")->findChild<CVNQRibbonButton*>();
    tools->setPopupMode(CVN_RIBBON_POPUP_INSTANT);
    for (CVNQRibbonButton* button : {bar.applicationButton(), tools}) {
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
            button->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); }));
            QTest::keyClick(button, key);
            ASSERT_TRUE(QTest::qWaitFor([&] { return button->popupMenu()->isVisible(); })) << key;
            QTest::keyClick(button->popupMenu(), Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !button->popupMenu()->isVisible() && button->hasFocus(); }))
                << key;
        }
    }
    bar.applicationButton()->setFocus();
    for (const char* next : {"Save", "Undo"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* focused = qobject_cast<CVNQRibbonButton*>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->text(), next);
    }
}

TEST(RibbonRealUse, CommandChosenInTheMinimisedPopupClosesIt)
{
    CVNQRibbonBar bar;
    showBar(bar);
    bar.setMinimized(true);
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    for (auto item : {&command, &galleryItem}) {
        click(RibbonTest::tab(bar, "a"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return item(bar)->isVisible(); }));
        click(item(bar));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !bar.pageById("a")->isVisible(); }));
    }
    EXPECT_EQ(commands.size(), 2);
}

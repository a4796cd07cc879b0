// The ribbon as an application drives it, with real clicks and keys: slots
// that rebuild the bar from the click that reached them (also after running
// a modal dialog or processEvents() first, or removing the group or gallery
// they came from), widgets and pages deleted by their owner, plain submenus,
// reloads, the keyboard, the minimised bar's pop-up and windows that go
// while it is open.

#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

const char* kConfig = R"({"schemaVersion": 1, "application": {"menu": [{"id": "recent", "items": [{"id": "r1"}]}]},
    "pages": [{"id": "a", "groups": [{"id": "g", "items": [
    {"id": "go"}, {"type": "gallery", "items": [{"id": "g1"}]}, {"type": "widget", "control": "checkBox", "id": "cb"}]}]},
    {"id": "b"}]})";

void showBar(CVNQRibbonBar& bar)
{
    startToolkit();
    ASSERT_TRUE(bar.loadConfigJson(kConfig));
    bar.setGeometry(60, 60, 900, 160);
    bar.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.window()));
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

// Runs slot when the command with that id is reported.
template <class F>
void onCommand(CVNQRibbonBar& bar, const QString& id, F slot)
{
    QObject::connect(&bar, &CVNQRibbonBar::commandTriggered, [id, slot](const QString& command) {
        if (command == id)
            slot();
    });
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
    int heard = 0; // by a receiver connected after the bar
    QObject::connect(bar.findAction("go"), &QAction::triggered, [&] { ++heard; });
    click(command(bar));
    EXPECT_EQ(heard, 1);
    click(galleryItem(bar));
    click(bar.addQuickAction(RibbonTest::command(&bar, "save")));
    auto* box = bar.findChild<QAbstractButton*>("cb");
    QObject::connect(box, &QAbstractButton::toggled, reload);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    // So does an application submenu's command, which the menus report with triggered(QAction*) afterwards.
    QStringList reported;
    QMenu* appMenu = bar.applicationButton()->popupMenu();
    QObject::connect(appMenu, &QMenu::triggered, [&](QAction* action) { reported << action->objectName(); });
    bar.applicationButton()->showPopupMenu();
    appMenu->setActiveAction(appMenu->actions().first());
    QMenu* sub = appMenu->actions().first()->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sub->isVisible(); }));
    QTest::mouseClick(sub, Qt::LeftButton, Qt::NoModifier, sub->actionGeometry(sub->actions().first()).center());
    EXPECT_EQ(reported, QStringList{"r1"});
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
    QWidget owner; // takes a field, a status, a group and a page back: they leave as deleted ones do
    QList<QWidget*> taken = {group->addWidget(new QLabel("Taken back")), new QLabel("Away"),
                             group->ribbonPage()->addGroup("lent", "Lent"),
                             bar.addContextGroup("lend", "Lend", Qt::green)->addPage("lent", "Lent")};
    bar.addTopRightWidget(taken.at(1));
    auto* own = RibbonTest::command(nullptr, "own");
    CVNQRibbonGroup* second = group->ribbonPage()->addGroup("h", "Second");
    second->addLargeAction(own);
    second->addGallery()->addAction(own);
    CVNQRibbonPage* view = bar.addPage("view", "View");
    CVNQRibbonPage* design = bar.addContextGroup("ctx", "Tools", Qt::red)->addPage("design", "Design");
    bar.addContextGroup("gone", "Gone", Qt::blue)->addPage("kept", "Kept");
    QPointer<CVNQRibbonButton> quick = bar.addQuickAction(own);
    bar.setApplicationMenu("File", new CVNQRibbonMenu);
    ASSERT_TRUE(bar.setCurrentPage("view"));
    delete field;
    delete status;
    for (QWidget* widget : taken)
        widget->setParent(&owner);
    delete view; // the current page
    delete design;
    delete own;
    delete bar.contextGroupById("gone");         // its page stays, as an ordinary one
    delete bar.applicationButton()->popupMenu(); // the button shows exactly while it has a menu
    EXPECT_TRUE(bar.applicationButton()->isHidden());
    EXPECT_TRUE(quick.isNull());
    EXPECT_NE(RibbonTest::tab(bar, "kept"), nullptr);
    EXPECT_EQ(group->sizeHint().width(), narrow);
    EXPECT_EQ(bar.currentPage(), 0);
    EXPECT_EQ(bar.contextGroupById("ctx")->pageCount(), 0);
    // The group and the page taken back answer as the bar's no longer.
    const auto* lentGroup = static_cast<CVNQRibbonGroup*>(taken.at(2));
    const auto* lentPage = static_cast<CVNQRibbonPage*>(taken.at(3));
    EXPECT_TRUE(!lentGroup->ribbonPage() && !lentPage->ribbonBar());
    EXPECT_TRUE(!lentPage->contextGroup() && bar.contextGroupById("lend")->pageCount() == 0);
    bar.resize(700, 160);
    const Json::Value written = TestUtil::json(bar.configJson().toUtf8().constData());
    EXPECT_EQ(written["topRight"].size(), 0u);
    EXPECT_FALSE(written.isMember("application"));
    EXPECT_EQ(written["pages"].size(), 2u);
    EXPECT_EQ(written["pages"][0]["groups"].size(), 2u);
    EXPECT_EQ(written["pages"][0]["groups"][0]["items"].size(), 1u);
    EXPECT_EQ(written["pages"][0]["groups"][1]["items"][0]["items"].size(), 0u);
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
    QPointer<CVNQRibbonMenu> replaced = appMenu; // the new menu takes its commands' ids
    appMenu = new CVNQRibbonMenu;
    appMenu->addAction("Again")->setObjectName("recent");
    bar.setApplicationMenu("File", appMenu);
    EXPECT_TRUE(replaced.isNull());
    CVNQRibbonBar copy; // plain submenus are written with their entries
    ASSERT_TRUE(copy.loadConfigJson(bar.configJson()));
    EXPECT_EQ(copy.configJson(), bar.configJson());
    for (const char* id : {"svg", "recent"}) {
        ASSERT_NE(copy.findAction(id), nullptr) << id;
        ASSERT_NE(bar.findAction(id), nullptr) << id;
        bar.findAction(id)->trigger();
    }
    QMenu* later = appMenu->addMenu("Later"); // entries added or taken out later follow
    QAction* late = later->addAction("Late");
    late->setObjectName("late");
    EXPECT_EQ(bar.findAction("late"), late);
    later->removeAction(late);
    EXPECT_EQ(bar.findAction("late"), nullptr);
    QAction kept; // left by its menu's deletion
    later->addAction(&kept);
    kept.setObjectName("kept");
    delete later;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bar.findAction("kept"); }));
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
    const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Space, {}}, {Qt::Key_Return, {}}, {Qt::Key_F4, {}}, {Qt::Key_Down, Qt::AltModifier}};
    // A split button's arrow strip opens with the keys that are no click.
    for (CVNQRibbonButton* button : {bar.applicationButton(), tools, tools}) {
        for (const auto& [key, modifiers] : keys.mid(button->popupMode() == CVN_RIBBON_POPUP_SPLIT ? 2 : 0)) {
            button->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); }));
            QTest::keyClick(button, key, modifiers);
            ASSERT_TRUE(QTest::qWaitFor([&] { return button->popupMenu()->isVisible(); })) << key;
            QTest::keyClick(button->popupMenu(), Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !button->popupMenu()->isVisible() && button->hasFocus(); }))
                << key;
        }
        if (button == tools)
            tools->setPopupMode(CVN_RIBBON_POPUP_SPLIT);
    }
    // Keys near those leave the menu shut.
    for (const auto& [key, modifiers] : QList<QPair<Qt::Key, Qt::KeyboardModifiers>>{
             {Qt::Key_Down, {}}, {Qt::Key_Up, Qt::AltModifier}, {Qt::Key_F3, {}}, {Qt::Key_Space, {}}}) {
        tools->setFocus();
        QTest::keyClick(tools, key, modifiers);
        TestUtil::flushEvents();
        EXPECT_FALSE(tools->popupMenu()->isVisible()) << key;
        tools->popupMenu()->hide();
    }
    bar.applicationButton()->setFocus();
    for (const char* next : {"Save", "Undo"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* focused = qobject_cast<CVNQRibbonButton*>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->text(), next);
    }

    // Space on a tab whose page shows or hides a context group rebuilds the
    // tabs; the focus stays on the tab of that page.
    QObject::connect(&bar, &CVNQRibbonBar::currentPageChanged, [&](int index) {
        if (bar.pageAt(index)->pageId() == "insert")
            bar.showContextGroup("tableTools");
        else
            bar.hideContextGroup("tableTools");
    });
    for (const char* page : {"insert", "review"}) {
        RibbonTest::tab(bar, page)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), RibbonTest::tab(bar, page)) << page;
    }
    // So does the focus on the first tab, the current page being another.
    RibbonTest::tab(bar, "home")->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return RibbonTest::tab(bar, "home")->hasFocus(); }));
    bar.showContextGroup("tableTools");
    EXPECT_EQ(QApplication::focusWidget(), RibbonTest::tab(bar, "home"));

    // Whatever rebuilds the content keeps the focus on the same command or tab, else on the current tab.
    ASSERT_TRUE(bar.setCurrentPage("home"));
    std::function<void()> pending = [] {};
    auto runPending = [&] { std::exchange(pending, [] {})(); };
    QObject::connect(&bar, &CVNQRibbonBar::commandTriggered, runPending);
    QObject::connect(&bar, &CVNQRibbonBar::currentPageChanged, runPending);
    auto item = [&](const QString& id) -> QWidget* { // the current page may be in the minimised bar's pop-up
        for (auto* button :
             bar.findChildren<CVNQRibbonButton*>() + bar.currentPageWidget()->findChildren<CVNQRibbonButton*>())
            if (button->isVisible() && button->ribbonAction() && button->ribbonAction()->objectName() == id)
                return button;
        return RibbonTest::tab(bar, id);
    };
    const auto check = [&](const char* id, std::function<void()> slot) {
        for (QAction* action : bar.findChildren<QAction*>()) // a command is known by its id, not its text
            action->setText("Same");
        item(id)->setFocus();
        pending = std::move(slot);
        QTest::keyClick(item(id), Qt::Key_Space);
        EXPECT_EQ(bar.window()->focusWidget(), item(id)) << id;
    };
    const auto reload = [&] { EXPECT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig())); };
    check("start", reload);
    check("insert", reload);
    check("undo", [&] { bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT); });
    bar.setMinimized(true);
    click(RibbonTest::tab(bar, "home"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return item("start"); }));
    check("start", [&] { bar.setMinimized(false); }); // pinned from the pop-up
    RibbonTest::tab(bar, "review")->setFocus();
    bar.insertPage(0, "first", "First");
    EXPECT_EQ(bar.window()->focusWidget(), RibbonTest::tab(bar, "review"));
    // A focused tab the rebuilt row scrolls out of view hands the focus to the current tab.
    QStringList added;
    while (RibbonTest::tab(bar, "review")->isVisible() && added.size() < 40) {
        added << QStringLiteral("p%1").arg(added.size());
        bar.insertPage(bar.currentPage() + 1, added.last(), "Wide page");
    }
    ASSERT_FALSE(RibbonTest::tab(bar, "review")->isVisible());
    EXPECT_EQ(bar.window()->focusWidget(), RibbonTest::tab(bar, "home"));
    for (const QString& id : qAsConst(added))
        bar.removePage(bar.pageById(id));
    RibbonTest::tab(bar, "review")->setFocus();
    bar.removePage(bar.pageById("review"));
    EXPECT_EQ(bar.window()->focusWidget(), RibbonTest::tab(bar, "home"));
    // A focused command deleted by its owner leaves the focus on the tab.
    CVNQRibbonGroup* clipboard = bar.pageById("home")->groupById("clipboard");
    CVNQRibbonGallery* gallery = clipboard->addGallery();
    const QList<std::function<QWidget*(QAction*)>> adders = {
        [&](QAction* a) { return bar.addQuickAction(a); }, [&](QAction* a) { return clipboard->addLargeAction(a); },
        [&](QAction* a) { return gallery->addAction(a), gallery->findChildren<CVNQRibbonButton*>().last(); }};
    for (const auto& add : adders) {
        auto* gone = RibbonTest::command(nullptr, "gone");
        add(gone)->setFocus();
        delete gone;
        EXPECT_EQ(bar.window()->focusWidget(), RibbonTest::tab(bar, "home"));
    }
}

// In a window of [ribbon, document] and no other bar, Tab goes from the current tab through the page's
// commands to the document and Shift+Tab back, after the first load and after a reload alike, in both
// layout modes; each command reached on a narrow page scrolled past it, at the left or the right, comes
// wholly into view between the arrows.
TEST(RibbonRealUse, TabBringsEveryCommandOfItsOwnBarIntoView)
{
    QWidget window;
    auto* ribbon = new CVNQRibbonBar(&window);
    auto* document = new QLineEdit(&window);
    ribbon->setGeometry(0, 0, 1000, 160);
    document->setGeometry(0, 170, 200, 24);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int run = 0; run < 6; ++run) {
        const int load = run % 3;
        ASSERT_TRUE(ribbon->loadConfigJson(RibbonTest::realisticConfig()));
        ribbon->setLayoutMode(run < 3 ? CVN_RIBBON_LAYOUT_OFFICE : CVN_RIBBON_LAYOUT_COMPACT);
        // A caller's field of two parts, reached through the first; its own chain is not its
        // children's order.
        auto* pair = new QWidget;
        auto* from = new QLineEdit(pair);
        auto* to = new QLineEdit(pair);
        from->raise(); // first among Qt's children, as drawn on top
        pair->setFixedSize(130, 22);
        from->setGeometry(0, 0, 64, 22);
        to->setGeometry(66, 0, 64, 22);
        pair->setFocusProxy(from);
        ribbon->pageById("home")->groupById("view")->addWidget(pair);
        ribbon->resize(QList<int>{1000, 420, 250}.at(load), 160);
        TestUtil::flushEvents(); // the event loop runs before a key
        RibbonTest::tab(*ribbon, "home")->setFocus();
        // Tab reaches everything on the page that takes focus, a compound's parts in its own order.
        QSet<QWidget*> takers;
        for (QWidget* w : ribbon->currentPageWidget()->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
                w->parentWidget() != ribbon->currentPageWidget())
                takers << w;
        QList<QWidget*> inPage;
        QStringList reached;
        bool back = false;
        for (int k = 0; k < 80 && !(back && QApplication::focusWidget() == RibbonTest::tab(*ribbon, "home")); ++k) {
            back = back || QApplication::focusWidget() == document;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            QWidget* focused = QApplication::focusWidget();
            auto* button = qobject_cast<CVNQRibbonButton*>(focused);
            reached << (button && button->ribbonAction() ? button->ribbonAction()->objectName() : QString());
            CVNQRibbonPage* page = ribbon->currentPageWidget();
            if (page->isAncestorOf(focused) && focused->parentWidget() != page) // not a scroll arrow
                inPage << focused;
            const int arrow = page->isOverflowing() ? 20 : 0;
            const bool command = focused && page->isAncestorOf(focused) && focused->parentWidget() != page; // no arrow
            EXPECT_TRUE(!command || page->rect()
                                        .adjusted(arrow, 0, -arrow, 0)
                                        .contains(QRect(focused->mapTo(page, QPoint(0, 0)), focused->size())))
                << reached.last().toStdString() << " " << run;
        }
        EXPECT_TRUE(back && QApplication::focusWidget() == RibbonTest::tab(*ribbon, "home")) << run;
        EXPECT_TRUE(reached.count("paste") == 2 && reached.count("alerts") == 2)
            << run << reached.join(' ').toStdString();
        EXPECT_EQ(QSet<QWidget*>(inPage.begin(), inPage.end()), takers) << run;
        EXPECT_EQ(inPage.indexOf(to), inPage.indexOf(from) + 1) << run;
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

TEST(RibbonRealUse, ReloadWhileACommandsDialogRunsKeepsTheClickedButtonUntilItsClickEnds)
{
    CVNQRibbonBar bar;
    showBar(bar);
    QPointer<CVNQRibbonButton> go = command(bar);
    QPointer<CVNQRibbonPage> other = bar.pageById("b");
    bool keptWhileInUse = false;
    bool otherWentAtOnce = false;
    onCommand(bar, "go", [&] {
        QDialog dialog(&bar);
        // A timer reloads while the dialog runs; the dialog's loop then runs
        // whatever is queued, deferred deletes included.
        QTimer::singleShot(0, &dialog, [&] {
            EXPECT_TRUE(bar.loadConfigJson(kConfig));
            otherWentAtOnce = other.isNull(); // nothing of it is in use
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            dialog.accept();
        });
        dialog.exec();
        keptWhileInUse = go && !go->isVisible() && go->window() != bar.window();
    });
    click(go);
    EXPECT_TRUE(keptWhileInUse);
    EXPECT_TRUE(otherWentAtOnce);
    EXPECT_TRUE(QTest::qWaitFor([&] { return go.isNull(); }));
}

TEST(RibbonRealUse, FieldsWhoseSlotsRunEventsAndReloadFinishTheirKeys)
{
    CVNQRibbonBar bar;
    showBar(bar);
    const QString config = RibbonTest::realisticConfig();
    ASSERT_TRUE(bar.loadConfigJson(config));
    bool keptWhileInUse = true;
    auto reloadFrom = [&](QWidget* field) {
        field->setFocus();
        return [&, field = QPointer<QWidget>(field)] {
            QCoreApplication::processEvents();
            QDialog dialog(&bar); // a modal dialog first
            QTimer::singleShot(0, &dialog, &QDialog::accept);
            dialog.exec();
            EXPECT_TRUE(bar.loadConfigJson(config));
            keptWhileInUse = keptWhileInUse && field && !field->isVisible();
        };
    };
    QPointer<QSpinBox> zoom = bar.findChild<QSpinBox*>("zoom");
    QObject::connect(zoom, QOverload<int>::of(&QSpinBox::valueChanged), reloadFrom(zoom));
    QTest::keyClick(zoom, Qt::Key_Up);
    EXPECT_TRUE(bar.findChild<QSpinBox*>("zoom")->isAncestorOf(bar.window()->focusWidget()));
    QPointer<QLineEdit> search = bar.findChild<QLineEdit*>("search");
    QObject::connect(search, &QLineEdit::returnPressed, reloadFrom(search));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(bar.window()->focusWidget(), bar.findChild<QLineEdit*>("search"));
    EXPECT_TRUE(keptWhileInUse);
    EXPECT_TRUE(QTest::qWaitFor([&] { return zoom.isNull() && search.isNull(); }));
}

TEST(RibbonRealUse, GroupsAndGalleriesClearedFromTheirOwnCommands)
{
    CVNQRibbonBar bar;
    showBar(bar);
    CVNQRibbonPage* page = bar.pageById("a");
    CVNQRibbonGroup* group = page->groupAt(0);
    CVNQRibbonGroup* other = page->addGroup("h", "Other");
    auto* gallery = page->findChild<CVNQRibbonGallery*>();
    // Each command removes the button it was clicked on, which stays,
    // hidden, until its click has ended.
    QList<QPointer<QWidget>> used = {group, other};
    bool keptWhileInUse = true;
    auto clickRemoving = [&](QWidget* button, const QString& id, std::function<void()> remove) {
        onCommand(bar, id, [&, remove, button = QPointer<QWidget>(button)] {
            remove();
            keptWhileInUse = keptWhileInUse && button && !button->isVisible();
        });
        used << button;
        click(button);
    };
    clickRemoving(galleryItem(bar), "g1", [&] {
        gallery->clearItems();
        gallery->addItem("g2", "Refilled");
    });
    EXPECT_EQ(gallery->count(), 1);
    // Refilled many times, both hold only what they show; a caller's action stays its own, reported once.
    RibbonTest::Recorder commands(&bar, &CVNQRibbonBar::commandTriggered);
    QAction mine;
    QList<QAction*> refills; // one id, a new command each time: the bar answers and reports only the shown one
    for (int round = 0; round < 100; ++round) {
        gallery->clearItems();
        gallery->addItem("i", "Item");
        gallery->addAction(&mine);
        other->clearItems();
        other->addMenu(new CVNQRibbonMenu(QStringLiteral("Export"), nullptr));
        refills << RibbonTest::command(&bar, "same");
        other->addSmallAction(refills.last());
    }
    mine.trigger();
    refills.first()->trigger();
    EXPECT_EQ(commands.size(), 1);
    EXPECT_EQ(bar.findAction("same"), refills.last());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return gallery->findChildren<QAction*>().size() == 1 && other->findChildren<QAction*>().size() == 2; }));
    clickRemoving(command(bar), "go", [&] { group->clearItems(); });
    EXPECT_EQ(group->itemCount(), 0);
    clickRemoving(group->addLargeAction(RibbonTest::command(&bar, "drop")), "drop", [&] { page->removeGroup(group); });
    clickRemoving(other->addLargeAction(RibbonTest::command(&bar, "clear")), "clear", [&] { page->clearGroups(); });
    EXPECT_EQ(page->groupCount(), 0);
    for (const char* id : {"go", "drop", "clear", "same"})
        EXPECT_EQ(bar.findAction(id), nullptr) << id;
    EXPECT_TRUE(keptWhileInUse);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::all_of(used.cbegin(), used.cend(), [](auto w) { return !w; }); }));
}

TEST(RibbonRealUse, WindowsGoWithTheMinimisedPopupOpen)
{
    CVNQRibbonBar* bar = nullptr;
    auto windowWithPopup = [&bar](bool open) {
        auto* window = new QWidget;
        window->resize(1000, 260);
        bar = new CVNQRibbonBar(window);
        showBar(*bar);
        bar->setMinimized(true);
        if (open)
            click(RibbonTest::tab(*bar, "a"));
        EXPECT_EQ(bar->pageById("a")->isVisible(), open);
        return window;
    };
    delete windowWithPopup(true);

    // A document window closed by a timer.
    QPointer<QWidget> document = windowWithPopup(true);
    document->setAttribute(Qt::WA_DeleteOnClose);
    QTimer::singleShot(0, document, &QWidget::close);
    EXPECT_TRUE(QTest::qWaitFor([&] { return document.isNull(); }));

    // A tab's slot deletes the window before the pop-up would open.
    QWidget* window = windowWithPopup(false);
    QObject::connect(bar, &CVNQRibbonBar::currentPageChanged, [&] { delete window; });
    click(RibbonTest::tab(*bar, "b"));
    window = windowWithPopup(true); // a field's slot switches the mode, whose slot deletes the window
    auto* box = bar->pageById("a")->findChild<QAbstractButton*>("cb");
    QObject::connect(box, &QAbstractButton::toggled, bar, [&] { bar->setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT); });
    QObject::connect(bar, &CVNQRibbonBar::layoutModeChanged, [&] { delete window; });
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));

    // The application quits, then its window goes.
    std::unique_ptr<QWidget> main(windowWithPopup(true));
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QApplication::exec();
    main.reset();

    // With the last ribbon gone, nothing of it watches the application's input.
    EXPECT_EQ(qApp->findChild<QObject*>("cvnRibbonInputWatch"), nullptr);
}

#include "CVNQRibbonBar.h"
#include "CVNQOutlives.h"
#include "CVNQControlInfo.h"

#include "CVNQContainer.h"
#include "CVNQRibbonBarImpl.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonFocus.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonRetire.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQRibbonBar, CVNQRibbonBarImpl, "qtribbonbar")

CVNQRibbonBar::CVNQRibbonBar(QWidget* parent)
    : QWidget(parent)
{
    m_topRow = new CVNQContainer(this);
    m_tabRow = new CVNQContainer(this);
    m_pageStack = new CVNQContainer(this);
    m_popup = new CVNQContainer(nullptr);
    m_appButton = new CVNQRibbonButton(m_topRow, CVN_RIBBON_ITEM_SMALL);
    m_tabScrollLeft = new CVNQRibbonButton(m_tabRow, CVN_RIBBON_ITEM_SMALL);
    m_tabScrollRight = new CVNQRibbonButton(m_tabRow, CVN_RIBBON_ITEM_SMALL);

    m_impl.reset(new CVNQRibbonBarImpl(this));

    for (CVNQContainer* c : {m_topRow, m_tabRow, m_pageStack, m_popup})
        c->setChildLayout(CVNQContainer::NoUse);
    m_popup->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_popup->installEventFilter(this);
    // An item of the rows asking for another size (a new text) is placed
    // again at once, not at the next resize.
    m_topRow->installEventFilter(this);
    m_tabRow->installEventFilter(this);
    m_pageStack->installEventFilter(this);

    m_appButton->setObjectName(QStringLiteral("ribbonApplicationButton"));
    m_appButton->setText(QStringLiteral("File"));
    m_appButton->hide();
    m_tabScrollLeft->setText(QStringLiteral("<"));
    m_tabScrollRight->setText(QStringLiteral(">"));
    m_tabScrollLeft->hide();
    m_tabScrollRight->hide();

    connect(m_tabScrollLeft, &QAbstractButton::clicked, this, [this]() { scrollTabs(false); });
    connect(m_tabScrollRight, &QAbstractButton::clicked, this, [this]() { scrollTabs(true); });
    // A command reached by the keyboard on a page scrolled past it is
    // brought into view; a click focuses what is already under the pointer
    // and scrolling then would move it away before the release.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (QApplication::mouseButtons() != Qt::NoButton)
            return;
        for (QWidget* w = now; w; w = w->parentWidget()) {
            if (auto* page = qobject_cast<CVNQRibbonPage*>(w)) {
                if (page->ribbonBar() == this)
                    page->reveal(now);
                return;
            }
        }
    });

    ribbonWatch(this);
    ribbonWatch(m_popup);
    m_impl->applyTheme();
    applyRibbonStyles();
    updateLayout();
}

CVNQRibbonBar::~CVNQRibbonBar()
{
    // The bar may go with its window (an application quitting, a document
    // window closed): the page stack is not moved back into it from the
    // pop-up, and the pop-up goes with the page stack it may hold.
    m_tearingDown = true;
    if (QMenu* menu = m_appButton->popupMenu())
        disconnect(menu, &QObject::destroyed, this, nullptr);
    m_popup->removeEventFilter(this);
    hideMinimizedPopup();
    clearContent();
    // A slot of the bar's own signals may delete it from inside a handler of
    // one of its widgets (a tab, the application button, a field of the
    // pop-up): what is still in use waits, detached, like removed content.
    ribbonUnwatch(m_popup);
    for (QWidget* part : {m_topRow, m_tabRow, m_pageStack, m_popup})
        ribbonRetire(part);
    m_popup = nullptr;
    ribbonUnwatch(this);
}

ControlInfo CVNQRibbonBar::getProps()
{
    return cvnMakeControlInfo(typeName(), "RibbonBar", "Corvane themed ribbon command surface", "CVNQRibbonBar",
                              "ribbonbar");
}

// --- pages ------------------------------------------------------------------

CVNQRibbonPage* CVNQRibbonBar::addPage(const QString& id, const QString& title)
{
    return insertPage(pageCount(), id, title);
}

CVNQRibbonPage* CVNQRibbonBar::insertPage(int index, const QString& id, const QString& title)
{
    auto* page = new CVNQRibbonPage(id, title, m_pageStack);
    page->m_bar = this;
    page->hide();
    // A page the caller deletes itself leaves no record behind.
    connect(page, &QObject::destroyed, this, [this, page]() {
        forgetPage(page);
        dropUnshownCommands();
        rebuildTabs();
    });
    m_pages.insert(qBound(0, index, m_pages.size()), page);
    if (!m_currentPage)
        m_currentPage = page;
    rebuildTabs();
    return page;
}

bool CVNQRibbonBar::removePage(CVNQRibbonPage* page)
{
    if (!page || !m_pages.contains(page))
        return false;
    const RibbonFocusKeeper keeper(this);
    forgetPage(page);
    releasePage(page);
    dropUnshownCommands();
    rebuildTabs();
    return true;
}

void CVNQRibbonBar::release(QObject* object)
{
    // Its destruction has nothing left to report.
    disconnect(object, &QObject::destroyed, this, nullptr);
    ribbonRetire(object);
}

void CVNQRibbonBar::releasePage(CVNQRibbonPage* page)
{
    // A page still in use may outlive the bar and its context group.
    page->m_bar = nullptr;
    page->setContextGroup(nullptr);
    release(page);
}

void CVNQRibbonBar::forgetPage(CVNQRibbonPage* page)
{
    for (CVNQRibbonContextGroup* group : qAsConst(m_contextGroups))
        group->m_pages.removeAll(page);
    m_pages.removeAll(page);
    if (m_currentPage == page)
        m_currentPage = m_pages.isEmpty() ? nullptr : m_pages.first();
    m_tabPages.removeAll(page);
}

void CVNQRibbonBar::clearPages()
{
    const RibbonFocusKeeper keeper(this);
    const QList<CVNQRibbonPage*> pages = m_pages;
    m_pages.clear();
    m_tabPages.clear();
    m_currentPage = nullptr;
    for (CVNQRibbonContextGroup* group : qAsConst(m_contextGroups))
        group->m_pages.clear();
    for (CVNQRibbonPage* page : pages)
        releasePage(page);
    dropUnshownCommands();
    rebuildTabs();
}

CVNQRibbonPage* CVNQRibbonBar::pageAt(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

CVNQRibbonPage* CVNQRibbonBar::pageById(const QString& id) const
{
    for (CVNQRibbonPage* page : m_pages)
        if (page->pageId() == id)
            return page;
    return nullptr;
}

int CVNQRibbonBar::currentPage() const
{
    return m_currentPage ? m_pages.indexOf(m_currentPage) : -1;
}

bool CVNQRibbonBar::setCurrentPage(int index)
{
    return selectPage(index, true);
}

bool CVNQRibbonBar::setCurrentPage(const QString& pageId)
{
    CVNQRibbonPage* page = pageById(pageId);
    return page ? setCurrentPage(m_pages.indexOf(page)) : false;
}

bool CVNQRibbonBar::selectPage(int index, bool openPopup)
{
    CVNQRibbonPage* page = pageAt(index);
    if (!page || !m_tabPages.contains(page))
        return false;
    m_currentPage = page;
    m_revealCurrentTab = true;
    updatePageVisibility();
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        const QSignalBlocker blocker(m_tabButtons.at(i));
        m_tabButtons.at(i)->setChecked(m_tabPages.at(i) == page);
    }
    updateTabLayout();
    // A selection is announced also when the page was current already.
    m_selectionPending = true;
    // Slots of the bar's signals may delete the bar.
    if (cvnOutlives(this, [this] { announceCurrentPage(); }) && m_minimized && openPopup)
        showMinimizedPopup();
    return true;
}

void CVNQRibbonBar::endPageChange()
{
    --m_pageChangeDepth;
    if (m_pageChangeDepth == 0 && m_focusChainDirty)
        orderFocusChain();
    announceCurrentPage();
}

void CVNQRibbonBar::announceCurrentPage()
{
    // A bar being destroyed has nothing left to tell.
    if (m_pageChangeDepth > 0 || m_tearingDown)
        return;
    const int index = currentPage();
    if (!m_selectionPending && m_announcedPage == m_currentPage && m_announcedIndex == index)
        return;
    m_selectionPending = false;
    m_announcedPage = m_currentPage;
    m_announcedIndex = index;
    emit currentPageChanged(index);
}

void CVNQRibbonBar::onTabClicked(CVNQRibbonPage* page)
{
    if (page == m_currentPage && !m_minimized) {
        setMinimized(true);
        return;
    }
    setCurrentPage(m_pages.indexOf(page));
}

// --- context groups ---------------------------------------------------------

CVNQRibbonContextGroup* CVNQRibbonBar::addContextGroup(const QString& id, const QString& title, const QColor& color)
{
    if (CVNQRibbonContextGroup* existing = contextGroupById(id))
        return existing;
    auto* group = new CVNQRibbonContextGroup(id, title, color, this);
    m_contextGroups.append(group);
    // A group deleted by its owner leaves no record; it does not own its
    // pages, which stay as ordinary ones.
    connect(group, &QObject::destroyed, this, [this, group]() {
        m_contextGroups.removeAll(group);
        for (CVNQRibbonPage* page : qAsConst(m_pages))
            if (page->contextGroup() == group)
                page->setContextGroup(nullptr);
        rebuildTabs();
    });
    return group;
}

CVNQRibbonContextGroup* CVNQRibbonBar::contextGroupById(const QString& id) const
{
    for (CVNQRibbonContextGroup* group : m_contextGroups)
        if (group->contextId() == id)
            return group;
    return nullptr;
}

void CVNQRibbonBar::showContextGroup(const QString& id)
{
    CVNQRibbonContextGroup* group = contextGroupById(id);
    if (!group)
        return;
    group->m_visible = true;
    rebuildTabs();
}

void CVNQRibbonBar::hideContextGroup(const QString& id)
{
    CVNQRibbonContextGroup* group = contextGroupById(id);
    if (!group)
        return;
    group->m_visible = false;
    // A current page of the group moves to the first tab.
    rebuildTabs();
}

// --- top row ----------------------------------------------------------------

CVNQRibbonButton* CVNQRibbonBar::addQuickAction(QAction* action)
{
    if (!action)
        return nullptr;
    registerCommand(action);
    auto* button = new CVNQRibbonButton(m_topRow, CVN_RIBBON_ITEM_SMALL);
    button->setRibbonAction(action);
    button->setShowText(false);
    button->setToolTip(action->text());
    button->show();
    connect(button, &QObject::destroyed, this, [this, button]() {
        m_quickButtons.removeAll(button);
        dropUnshownCommands();
        updateLayout();
    });
    // A command deleted by its owner takes its button along, or the row
    // would keep an empty button for each.
    connect(action, &QObject::destroyed, this, [this, button = QPointer<CVNQRibbonButton>(button)]() {
        if (button && m_quickButtons.removeAll(button) > 0) {
            const RibbonFocusKeeper keeper(this);
            release(button);
            updateLayout();
        }
    });
    m_quickButtons.append(button);
    applyCommandStyles(button);
    updateLayout();
    orderFocusChain();
    return button;
}

void CVNQRibbonBar::addTopRightWidget(QWidget* widget)
{
    if (!widget)
        return;
    widget->setParent(m_topRow);
    widget->installEventFilter(this);
    widget->show();
    // The caller may delete its widget; the row then closes the gap.
    connect(widget, &QObject::destroyed, this, [this, widget]() {
        m_topRightWidgets.removeAll(widget);
        updateLayout();
    });
    m_topRightWidgets.append(widget);
    updateLayout();
    orderFocusChain();
}

void CVNQRibbonBar::setApplicationMenu(const QString& text, CVNQRibbonMenu* menu, const QString& iconPath)
{
    // The menu it replaces is the bar's (it took it as the button's child):
    // it goes, with the commands shown nowhere else, or every new menu would
    // leave one behind and findAction would answer with the old commands.
    CVNQRibbonMenu* old = m_appButton->popupMenu();
    if (old && old != menu && old->parent() == m_appButton)
        release(old);
    m_appButton->setText(text);
    m_appButton->setRibbonIcon(iconPath);
    m_appButton->setPopupMode(CVN_RIBBON_POPUP_INSTANT);
    m_appButton->setPopupMenu(menu);
    m_appButton->setVisible(menu != nullptr);
    if (menu) {
        menu->setParent(m_appButton, menu->windowFlags());
        registerMenuActions(menu);
        // Deleted by its owner: the button, which shows exactly while it
        // has a menu, goes (and is no longer written). The button has let
        // go of the menu before (it connected first).
        connect(menu, &QObject::destroyed, this, [this]() {
            if (!m_tearingDown && !m_appButton->popupMenu()) {
                m_appButton->hide();
                updateLayout();
            }
        });
    }
    dropUnshownCommands();
    updateLayout();
}

// --- commands ---------------------------------------------------------------

void CVNQRibbonBar::registerAction(QAction* action)
{
    if (!action)
        return;
    m_ownRegistrations.insert(action);
    registerCommand(action);
}

void CVNQRibbonBar::registerCommand(QAction* action)
{
    if (!action)
        return;
    if (!m_registeredSet.contains(action)) {
        m_registeredActions.append(action);
        m_registeredSet.insert(action);
        connect(action, &QObject::destroyed, this, [this, action]() { forgetAction(action); });
        // A slot may reload the bar, and whoever is connected after it still
        // hears the trigger.
        connect(action, &QAction::triggered, this, [this, action]() {
            const RibbonHandlingScope scope(action);
            emitCommand(action->objectName(), action->isChecked());
        });
    }
    // The bar's own actions were appended just before: looked for from the end.
    if (action->parent() == this && m_ownedActions.lastIndexOf(action) < 0)
        m_ownedActions.append(action);
}

namespace {

// The commands of a menu and its submenus: what the bar registers of it.
// onMenu sees the menu and each submenu.
template <class F, class M = void (*)(QMenu*)>
void forEachMenuCommand(
    QMenu* menu, const F& f, const M& onMenu = [](QMenu*) {})
{
    if (!menu)
        return;
    onMenu(menu);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        if (QMenu* sub = action->menu())
            forEachMenuCommand(sub, f, onMenu);
        else
            f(action);
    }
}

} // namespace

void CVNQRibbonBar::registerMenuActions(QMenu* menu)
{
    // Entries added to the menu later are the bar's commands as well, and
    // those taken out of it, or left when its owner deletes it, no longer are.
    forEachMenuCommand(
        menu, [this](QAction* action) { registerCommand(action); },
        [this](QMenu* m) {
            m->installEventFilter(this);
            disconnect(m, &QObject::destroyed, this, nullptr);
            // Once it is gone: while it goes, the buttons still point at it.
            connect(
                m, &QObject::destroyed, this, [this]() { dropUnshownCommands(); }, Qt::QueuedConnection);
        });
}

void CVNQRibbonBar::dropUnshownCommands(const QAction* spared)
{
    if (m_tearingDown || m_registeredActions.isEmpty())
        return;
    QSet<QAction*> shown = m_ownRegistrations;
    auto showMenu = [&shown](QMenu* menu) { forEachMenuCommand(menu, [&shown](QAction* a) { shown.insert(a); }); };
    auto showButton = [&](const CVNQRibbonButton* button) {
        shown.insert(button->ribbonAction());
        showMenu(button->popupMenu());
    };
    for (const CVNQRibbonButton* button : qAsConst(m_quickButtons))
        showButton(button);
    showMenu(m_appButton->popupMenu());
    for (const CVNQRibbonPage* page : qAsConst(m_pages)) {
        for (const CVNQRibbonGroup* group : page->m_groups) {
            for (const auto& item : group->m_items) {
                shown.insert(item.action);
                if (auto* button = qobject_cast<const CVNQRibbonButton*>(item.widget))
                    showButton(button);
            }
        }
    }
    const QList<QAction*> registered = m_registeredActions;
    for (QAction* action : registered) {
        // Deleting one may have dropped others (a menu reports the removal).
        if (shown.contains(action) || !m_registeredSet.contains(action))
            continue;
        const bool made = m_madeActions.contains(action);
        disconnect(action, nullptr, this, nullptr);
        if (forgetAction(action) && made && action != spared)
            release(action);
    }
}

bool CVNQRibbonBar::forgetAction(QAction* action)
{
    m_ownRegistrations.remove(action);
    m_madeActions.remove(action);
    m_registeredSet.remove(action);
    m_registeredActions.removeAll(action);
    return m_ownedActions.removeAll(action) > 0;
}

void CVNQRibbonBar::emitCommand(const QString& commandId, bool checked)
{
    const bool fromPopup = m_popup->isVisible();
    if (cvnOutlives(this, [&] { emit commandTriggered(commandId, checked); }) && fromPopup)
        hideMinimizedPopup();
}

QAction* CVNQRibbonBar::findAction(const QString& commandId) const
{
    for (QAction* action : m_registeredActions)
        if (action->objectName() == commandId)
            return action;
    return nullptr;
}

// --- modes ------------------------------------------------------------------

void CVNQRibbonBar::setLayoutMode(CVN_RIBBON_LAYOUT_MODE mode)
{
    if (mode == m_layoutMode)
        return;
    m_layoutMode = mode;
    m_groupRows = mode == CVN_RIBBON_LAYOUT_COMPACT ? 2 : 3;
    if (!cvnOutlives(this, [&] { emit layoutModeChanged(mode); }))
        return;
    // The top-row items move between the rows.
    const RibbonFocusKeeper keeper(this);
    updateGeometry();
    updateLayout();
    orderFocusChain();
}

void CVNQRibbonBar::setMinimized(bool minimized)
{
    if (minimized == m_minimized)
        return;
    // The page stack moves between the bar and its pop-up, or hides.
    const RibbonFocusKeeper keeper(this);
    if (setMinimizedState(minimized))
        updateLayout();
}

bool CVNQRibbonBar::setMinimizedState(bool minimized)
{
    m_minimized = minimized;
    if (!minimized)
        hideMinimizedPopup();
    if (!cvnOutlives(this, [&] { emit minimizedChanged(minimized); }))
        return false;
    updateGeometry();
    return true;
}

bool CVNQRibbonBar::isTabOverflowing() const
{
    // As measured against the tab area's free width, also when the area is
    // too narrow to show the arrows.
    return m_tabOverflow;
}

// --- content ----------------------------------------------------------------

void CVNQRibbonBar::clearContent()
{
    hideMinimizedPopup();
    clearPages();

    const QList<CVNQRibbonContextGroup*> groups = m_contextGroups;
    m_contextGroups.clear();
    for (CVNQRibbonContextGroup* group : groups)
        release(group);
    const QList<CVNQRibbonButton*> quick = m_quickButtons;
    m_quickButtons.clear();
    for (CVNQRibbonButton* button : quick)
        release(button);
    const QList<QWidget*> topRight = m_topRightWidgets;
    m_topRightWidgets.clear();
    for (QWidget* widget : topRight)
        release(widget);

    // An action leaves the registered list together with its re-emission,
    // or registering it again would report each trigger twice.
    for (QAction* action : qAsConst(m_registeredActions))
        disconnect(action, nullptr, this, nullptr);
    const QList<QAction*> owned = m_ownedActions;
    m_ownedActions.clear();
    m_registeredActions.clear();
    m_registeredSet.clear();
    m_ownRegistrations.clear();
    m_madeActions.clear();
    // A menu reports its chosen command after the command's own signal,
    // which may be what reloads the bar.
    for (QAction* action : owned)
        release(action);

    // A command chosen in the menu may be what reloads the bar.
    if (CVNQRibbonMenu* menu = m_appButton->popupMenu())
        release(menu);
    m_appButton->setPopupMenu(nullptr);
    m_appButton->hide();
}

bool CVNQRibbonBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popup && event->type() == QEvent::Hide && m_pageStack->parentWidget() == m_popup)
        takePageStackBack();
    if ((watched == m_topRow || watched == m_tabRow) && event->type() == QEvent::LayoutRequest && !m_tearingDown)
        updateLayout();
    // A page its owner takes back leaves the bar as a deleted one does.
    if (watched == m_pageStack && event->type() == QEvent::ChildRemoved) {
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        for (CVNQRibbonPage* page : qAsConst(m_pages))
            if (page == child) {
                disconnect(page, &QObject::destroyed, this, nullptr);
                forgetPage(page);
                page->m_bar = nullptr;
                page->setContextGroup(nullptr);
                dropUnshownCommands();
                rebuildTabs();
                break;
            }
    }
    // A top-right widget its owner takes back (gives a parent other than
    // the rows, which pass it between them) is no longer the bar's: the row
    // would take it back and write it.
    const QObject* parent = watched->parent();
    if (event->type() == QEvent::ParentChange && parent != m_topRow && parent != m_tabRow &&
        m_topRightWidgets.removeAll(static_cast<QWidget*>(watched)) > 0) {
        disconnect(watched, &QObject::destroyed, this, nullptr);
        watched->removeEventFilter(this);
        updateLayout();
    }
    const bool added = event->type() == QEvent::ActionAdded;
    if ((added || event->type() == QEvent::ActionRemoved) && qobject_cast<QMenu*>(watched)) {
        QAction* action = static_cast<QActionEvent*>(event)->action();
        if (added && action->menu())
            registerMenuActions(action->menu());
        else if (added && !action->isSeparator())
            registerCommand(action);
        // Also what was added to a menu the bar no longer shows goes again.
        // A removed command may be under destruction, which ends it.
        dropUnshownCommands(added ? nullptr : action);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonBar.cpp"

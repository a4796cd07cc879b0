#include "CVNQRibbonFocus.h"

#include "CVNQContainer.h"
#include "CVNQRibbonBar.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonPage.h"

#include <QAction>
#include <QApplication>

namespace CVNQtLib {

namespace {

QString commandId(const QWidget* widget)
{
    const auto* button = qobject_cast<const CVNQRibbonButton*>(widget);
    const QAction* action = button ? button->ribbonAction() : nullptr;
    return action ? action->objectName() : QString();
}

CVNQRibbonBar* barOf(const QWidget* item)
{
    for (const QWidget* w = item; w; w = w->parentWidget()) {
        if (const auto* page = qobject_cast<const CVNQRibbonPage*>(w))
            return page->ribbonBar();
        if (auto* bar = qobject_cast<CVNQRibbonBar*>(const_cast<QWidget*>(w)))
            return bar;
    }
    return nullptr;
}

// A widget and what it holds, in the order they show; a compound widget
// keeps its own chain behind its focus proxy.
void collectFocusable(QWidget* widget, QList<QWidget*>& out)
{
    if (!widget || widget->isWindow())
        return;
    if (widget->focusPolicy() != Qt::NoFocus)
        out.append(widget);
    QWidget* proxy = widget->focusProxy();
    // One that takes no focus itself (a caller's field of several parts)
    // puts its parts in, as its own chain has them.
    if (proxy && widget->isAncestorOf(proxy) && widget->focusPolicy() == Qt::NoFocus)
        for (QWidget* w = proxy; widget->isAncestorOf(w) && !out.contains(w); w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus)
                out.append(w);
    if (proxy && widget->isAncestorOf(proxy))
        return;
    for (QObject* child : widget->children())
        if (child->isWidgetType())
            collectFocusable(static_cast<QWidget*>(child), out);
}

bool canTakeFocus(const QWidget* widget)
{
    return widget && widget->isVisibleTo(widget->window()) && widget->isEnabled() &&
           widget->focusPolicy() != Qt::NoFocus;
}

} // namespace

void ribbonOrderFocusSoon(const QWidget* item)
{
    CVNQRibbonBar* bar = barOf(item);
    // Ordered already by whatever marked it (a change still running, or a
    // call queued before).
    if (!bar || bar->m_focusChainDirty)
        return;
    bar->m_focusChainDirty = true;
    if (bar->m_pageChangeDepth == 0)
        QMetaObject::invokeMethod(
            bar,
            [bar]() {
                if (bar->m_focusChainDirty)
                    bar->orderFocusChain();
            },
            Qt::QueuedConnection);
}

void CVNQRibbonBar::orderFocusChain()
{
    if (m_tearingDown)
        return;
    // A change in progress orders the chain once, when it ends.
    if (m_pageChangeDepth > 0) {
        m_focusChainDirty = true;
        return;
    }
    m_focusChainDirty = false;
    QList<QWidget*> order;
    collectFocusable(m_appButton, order);
    for (CVNQRibbonButton* button : qAsConst(m_quickButtons))
        collectFocusable(button, order);
    const auto collectTabs = [&]() {
        collectFocusable(m_tabScrollLeft, order);
        for (CVNQRibbonButton* tab : qAsConst(m_tabButtons))
            collectFocusable(tab, order);
        collectFocusable(m_tabScrollRight, order);
    };
    // Left to right: the compact row holds the tabs before the top-right widgets.
    if (m_layoutMode == CVN_RIBBON_LAYOUT_COMPACT)
        collectTabs();
    for (QWidget* widget : qAsConst(m_topRightWidgets))
        collectFocusable(widget, order);
    if (m_layoutMode != CVN_RIBBON_LAYOUT_COMPACT)
        collectTabs();
    for (CVNQRibbonPage* page : qAsConst(m_pages)) {
        collectFocusable(page->m_leftButton, order);
        for (CVNQRibbonGroup* group : qAsConst(page->m_groups))
            for (const auto& item : qAsConst(group->m_items))
                collectFocusable(item.widget, order);
        collectFocusable(page->m_rightButton, order);
    }
    // setTabOrder moves a widget behind one that takes focus: for the
    // moment of it, the bar does (a focus proxy would take its policy along).
    const Qt::FocusPolicy policy = focusPolicy();
    const bool lend = policy == Qt::NoFocus && !focusProxy();
    if (lend)
        setFocusPolicy(Qt::TabFocus);
    QWidget* previous = this;
    for (QWidget* widget : qAsConst(order)) {
        // The page stack may sit in the pop-up, a window of its own.
        if (widget->window() != window())
            continue;
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    if (lend)
        setFocusPolicy(Qt::NoFocus);
}

RibbonFocusKeeper::RibbonFocusKeeper(CVNQRibbonBar* bar)
    : m_bar(bar)
{
    if (!bar)
        return;
    m_outer = bar->m_focusKeepers++ == 0 && !bar->m_tearingDown;
    QWidget* focus = m_outer ? focusedWidget() : nullptr;
    if (!focus)
        return;
    m_widget = focus;
    m_kind = Other;
    // The item the focus is in: a spin box's focus sits in its line edit.
    for (QWidget* w = focus; w && w != bar; w = w->parentWidget()) {
        const int tab = bar->m_tabButtons.indexOf(qobject_cast<CVNQRibbonButton*>(w));
        if (tab >= 0) {
            m_kind = Tab;
            m_id = bar->m_tabPages.at(tab)->pageId();
            return;
        }
        const QString command = commandId(w);
        if (!command.isEmpty()) {
            m_kind = Command;
            m_id = command;
            m_quick = bar->m_quickButtons.contains(qobject_cast<CVNQRibbonButton*>(w));
            return;
        }
        QWidget* parent = w->parentWidget();
        const bool item = qobject_cast<CVNQRibbonGroup*>(parent) || parent == bar->m_topRow || parent == bar->m_tabRow;
        if (item && !w->objectName().isEmpty()) {
            m_kind = Widget;
            m_id = w->objectName();
            return;
        }
    }
}

RibbonFocusKeeper::RibbonFocusKeeper(const QWidget* item)
    : RibbonFocusKeeper(barOf(item))
{}

RibbonFocusKeeper::~RibbonFocusKeeper()
{
    if (!m_bar)
        return;
    --m_bar->m_focusKeepers;
    if (!m_outer || m_kind == None)
        return;
    QWidget* target = findTarget();
    if (target && focusedWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
}

QWidget* RibbonFocusKeeper::focusedWidget() const
{
    // The window's own focus widget while another window (a dialog) is
    // active; the pop-up holds the page stack of a minimised bar.
    const CVNQRibbonBar* bar = m_bar;
    for (QWidget* focus : {QApplication::focusWidget(), bar->window()->focusWidget(), bar->m_popup->focusWidget()})
        if (focus && (bar->isAncestorOf(focus) || bar->m_popup->isAncestorOf(focus)))
            return focus;
    return nullptr;
}

QWidget* RibbonFocusKeeper::findTarget() const
{
    const CVNQRibbonBar* bar = m_bar;
    auto inBar = [bar](const QWidget* w) { return w && (bar->isAncestorOf(w) || bar->m_popup->isAncestorOf(w)); };
    if (inBar(m_widget) && canTakeFocus(m_widget))
        return m_widget;
    // The page stack is in the bar or in its pop-up.
    QList<QWidget*> widgets = bar->findChildren<QWidget*>();
    if (bar->m_pageStack->parentWidget() != bar)
        widgets += bar->m_pageStack->findChildren<QWidget*>();
    QWidget* found = nullptr;
    switch (m_kind) {
    case Tab:
        for (int i = 0; i < bar->m_tabPages.size() && !found; ++i)
            if (bar->m_tabPages.at(i)->pageId() == m_id)
                found = bar->m_tabButtons.at(i);
        break;
    case Command:
        // Where it was (quick access or a page) before anywhere else.
        for (int pass = 0; pass < 2 && !found; ++pass)
            for (QWidget* w : qAsConst(widgets))
                if (!found && canTakeFocus(w) && commandId(w) == m_id &&
                    (pass == 1 || bar->m_quickButtons.contains(qobject_cast<CVNQRibbonButton*>(w)) == m_quick))
                    found = w;
        break;
    case Widget:
        for (QWidget* w : qAsConst(widgets))
            if (!found && w->objectName() == m_id && canTakeFocus(w))
                found = w;
        break;
    default: break;
    }
    if (canTakeFocus(found))
        return found;
    const int current = bar->m_tabPages.indexOf(bar->m_currentPage);
    return current >= 0 ? bar->m_tabButtons.at(current) : nullptr;
}

} // namespace CVNQtLib

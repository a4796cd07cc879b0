#include "CVNQStackContainer.h"

#include "CVNQContainer.h"
#include "CVNQControlInfo.h"
#include "CVNQStackContainerImpl.h"

#include <QChildEvent>
#include <QEvent>
#include <QResizeEvent>

#include <algorithm>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQStackContainer, CVNQStackContainerImpl, "qtstackcontainer")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQStackContainer)

CVNQStackContainer::CVNQStackContainer(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQStackContainerImpl(this));
    m_base.setLayoutRatio(1);
    m_base.setWidthPolicy(LayoutSizePolicyFill);
    m_base.setHeightPolicy(LayoutSizePolicyFill);
    setAttribute(Qt::WA_MouseTracking, true);
    setAttribute(Qt::WA_StyledBackground, true);
    m_impl->applyTheme();
}

CVNQStackContainer::~CVNQStackContainer()
{
    // Pages are deleted by QWidget after this part is gone; they must not
    // report to a filter that no longer exists.
    for (const QPointer<QWidget>& page : m_impl->pages)
        if (page)
            page->removeEventFilter(this);
    m_impl->pages.clear();
}

ControlInfo CVNQStackContainer::getProps()
{
    ControlInfo info =
        cvnMakeControlInfo(typeName(), "StackContainer", "Stack page container", "CVNQStackContainer", "container");
    info.properties.push_back(cvnStyleRow<CVNQStackContainer>(
        CVNQEnabledBackground::slot, &CVNQStackContainer::setBackgroundState, &CVNQStackContainer::getBackgroundState));
    info.properties.push_back(cvnBoolRow<CVNQStackContainer>(QStringLiteral("DrawBackground"),
                                                             &CVNQStackContainer::setDrawBackground,
                                                             &CVNQStackContainer::getDrawBackground));
    return info;
}

int CVNQStackContainer::addWidget(QWidget* page)
{
    return insertWidget(count(), page);
}

int CVNQStackContainer::insertWidget(int index, QWidget* page)
{
    if (!page)
        return -1;
    CVNQStackContainerImpl& d = *m_impl;
    if (index < 0 || index > d.pages.size())
        index = d.pages.size();

    const int old = d.indexOf(page);
    if (old >= 0) {
        if (old == index)
            return old;
        d.pages.removeAt(old);
        if (old < index)
            --index;
        if (d.current == old)
            d.current = -1;
        else if (d.current > old)
            --d.current;
    }
    // The list may have shrunk by the move above.
    index = std::min(index, int(d.pages.size()));

    if (page->parentWidget() != this)
        page->setParent(this);
    page->installEventFilter(this);
    page->setVisible(false);
    d.pages.insert(index, page);
    updatePageGeometry(page);

    if (d.current < 0) {
        setCurrentIndex(index);
    } else {
        if (d.current >= index)
            ++d.current;
        refreshCurrentPage();
    }
    return index;
}

void CVNQStackContainer::removeWidget(QWidget* page)
{
    const int pos = m_impl->indexOf(page);
    if (pos < 0)
        return;
    page->removeEventFilter(this);
    page->setVisible(false);
    takePageAt(pos);
}

void CVNQStackContainer::forgetPage(QObject* child)
{
    CVNQStackContainerImpl& d = *m_impl;
    // A deleted page reads as null here; a re-parented one is still itself.
    for (int i = 0; i < d.pages.size(); ++i) {
        if (d.pages.at(i).isNull() || d.pages.at(i).data() == child) {
            if (QWidget* alive = d.pages.at(i).data())
                alive->removeEventFilter(this);
            takePageAt(i);
            return;
        }
    }
}

void CVNQStackContainer::takePageAt(int pos)
{
    CVNQStackContainerImpl& d = *m_impl;
    d.pages.removeAt(pos);
    if (d.pages.isEmpty()) {
        d.current = -1;
    } else if (d.current > pos) {
        --d.current;
    } else if (d.current == pos) {
        // The page that moved into its place, or the new last one.
        d.current = -1;
        setCurrentIndex(std::min(pos, int(d.pages.size()) - 1));
    }
}

int CVNQStackContainer::count() const
{
    return m_impl->pages.size();
}

int CVNQStackContainer::currentIndex() const
{
    return m_impl->current;
}

QWidget* CVNQStackContainer::currentWidget() const
{
    return widget(m_impl->current);
}

QWidget* CVNQStackContainer::widget(int index) const
{
    return m_impl->isValidIndex(index) ? m_impl->pages.at(index).data() : nullptr;
}

void CVNQStackContainer::setCurrentIndex(int index)
{
    CVNQStackContainerImpl& d = *m_impl;
    if (!d.isValidIndex(index))
        return;
    if (index != d.current) {
        if (QWidget* old = widget(d.current))
            old->setVisible(false);
        d.current = index;
    }
    refreshCurrentPage();
}

void CVNQStackContainer::setCurrentWidget(QWidget* page)
{
    const int pos = m_impl->indexOf(page);
    if (pos >= 0)
        setCurrentIndex(pos);
}

void CVNQStackContainer::setBackground(const FillStyle& style)
{
    setBackgroundState(0, style);
}

void CVNQStackContainer::setDisableBackground(const FillStyle& style)
{
    setBackgroundState(CtrlStateDisabled, style);
}

void CVNQStackContainer::setBackgroundState(CtrlState state, const FillStyle& style)
{
    m_impl->backgrounds.set(state, style);
    update();
}

const FillStyle& CVNQStackContainer::getBackgroundState(CtrlState state) const
{
    return m_impl->backgrounds.forState(state);
}

void CVNQStackContainer::setDrawBackground(bool draw)
{
    m_impl->backgrounds.draw = draw;
    update();
}

bool CVNQStackContainer::getDrawBackground() const
{
    return m_impl->backgrounds.draw;
}

static void forceResizeContainers(QWidget* w)
{
    if (CVNQContainer* c = qobject_cast<CVNQContainer*>(w))
        c->forceResize();
    // A relayout may add or remove children; walk a snapshot.
    const QObjectList children = w->children();
    for (QObject* child : children)
        if (child->isWidgetType())
            forceResizeContainers(static_cast<QWidget*>(child));
}

void CVNQStackContainer::refreshCurrentPage(bool announceGeometry)
{
    CVNQStackContainerImpl& d = *m_impl;
    QWidget* page = widget(d.current);
    if (!page || d.refreshing)
        return;
    d.refreshing = true;
    updatePageGeometry(page);
    page->show();
    // Only the current page shows: the hide or show handler of a page on the
    // way here may have switched pages itself.
    const auto pages = d.pages;
    for (QWidget* other : pages)
        if (other && other != page && !other->isHidden())
            other->setVisible(false);
    page->raise();
    forceResizeContainers(page);
    // updateGeometry() posts a layout request to the parent, which for the
    // page is this container: answering a request with another one would
    // keep the event loop busy forever.
    if (announceGeometry)
        page->updateGeometry();
    page->update();
    if (announceGeometry)
        updateGeometry();
    update();
    d.refreshing = false;
    // A handler run above (the page's show) may have changed the current
    // page; the refresh that change asked for was held back.
    if (widget(d.current) != page)
        refreshCurrentPage(announceGeometry);
}

void CVNQStackContainer::updatePageGeometry(QWidget* page)
{
    if (!page)
        return;
    const QRect target(0, 0, width(), height());
    if (page->geometry() == target)
        return;
    ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(page);
    if (control && control->getControlBase())
        control->getControlBase()->setGeometry(target);
    else
        page->setGeometry(target);
}

void CVNQStackContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (const QPointer<QWidget>& page : m_impl->pages)
        updatePageGeometry(page.data());
    refreshCurrentPage();
}

bool CVNQStackContainer::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::LayoutRequest: refreshCurrentPage(false); break;
    case QEvent::Show: refreshCurrentPage(); break;
    case QEvent::ChildRemoved: forgetPage(static_cast<QChildEvent*>(event)->child()); break;
    default: break;
    }
    return QWidget::event(event);
}

bool CVNQStackContainer::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched->isWidgetType()) {
        QWidget* w = static_cast<QWidget*>(watched);
        const int pos = m_impl->indexOf(w);
        // Only the current page may be moved elsewhere by its user.
        if (w->parentWidget() == this && pos >= 0 && pos != m_impl->current)
            updatePageGeometry(w);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace CVNQtLib

#include "moc_CVNQStackContainer.cpp"

#include "CVNQContainer.h"

#include "CVNQContainerImpl.h"
#include "CVNQControlInfo.h"
#include "CVNQScrollBar.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQContainer, CVNQContainerImpl, "qtcontainer")

CVNQContainer::CVNQContainer(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQContainerImpl(this));
    setAttribute(Qt::WA_MouseTracking, true);
    m_impl->applyTheme();
}

CVNQContainer::~CVNQContainer()
{
    // Children outlive this part of the object while QWidget deletes them:
    // they must not report to a filter that is half gone.
    for (QObject* child : children())
        if (child->isWidgetType())
            m_impl->unwatchChild(child);
}

ControlInfo CVNQContainer::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "Container", "Control container", "CVNQContainer", "container");
    info.properties.push_back(cvnStyleRow<CVNQContainer>(
        CVNQEnabledBackground::slot, &CVNQContainer::setBackgroundState, &CVNQContainer::getBackgroundState,
        cvnChoices({{0, "Normal"}, {CtrlStateDisabled, "Disable"}})));
    info.properties.push_back(cvnBoolRow<CVNQContainer>(
        QStringLiteral("DrawBackground"), &CVNQContainer::setDrawBackground, &CVNQContainer::getDrawBackground));
    info.properties.push_back(cvnBoolRow<CVNQContainer>(QStringLiteral("AbsoluteDockAutoSize"),
                                                        &CVNQContainer::setAbsoluteDockAutoSize,
                                                        &CVNQContainer::getAbsoluteDockAutoSize));
    info.properties.push_back(cvnIntRow<CVNQContainer>(
        QStringLiteral("ChildLayout"), PropChoice, &CVNQContainer::setChildLayout, &CVNQContainer::getChildLayout,
        cvnChoices({{0, "Horizontal"}, {1, "Vertical"}, {2, "HorFloat"}, {3, "VerFloat"}, {4, "No Use"}})));
    PropertyDef padding(QStringLiteral("ChildPadding"), PropFourInts);
    padding.setFourInts = [](QWidget* w, int l, int t, int r, int b) {
        if (CVNQContainer* c = dynamic_cast<CVNQContainer*>(w))
            c->setChildPadding(l, t, r, b);
    };
    padding.getFourInts = [](QWidget* w) -> QVector<int> {
        int l = 0, t = 0, r = 0, b = 0;
        if (CVNQContainer* c = dynamic_cast<CVNQContainer*>(w))
            c->getChildPadding(l, t, r, b);
        return {l, t, r, b};
    };
    info.properties.push_back(padding);
    return info;
}

void CVNQContainer::addChildWidget(QWidget* w, int ratio)
{
    if (!w)
        return;
    if (w->parentWidget() != this)
        w->setParent(this);
    m_impl->watchChild(w);
    if (ICVNQWidgetBase* c = dynamic_cast<ICVNQWidgetBase*>(w))
        c->setLayoutRatio(ratio);
    if (m_impl->childLayout() != NoUse)
        m_impl->layoutPass();
    m_impl->scrollUpdate();
    m_impl->scrollUpdate();
}

void CVNQContainer::setChildRatio(QWidget* w, int ratio)
{
    if (!w)
        return;
    if (ICVNQWidgetBase* c = dynamic_cast<ICVNQWidgetBase*>(w))
        c->setLayoutRatio(ratio);
    m_impl->relayout();
}

void CVNQContainer::setChildLayout(AutoChildLayout mode)
{
    m_impl->setChildLayoutValue(int(mode));
    m_impl->relayout();
}

CVNQContainer::AutoChildLayout CVNQContainer::getChildLayout() const
{
    return AutoChildLayout(m_impl->childLayout());
}

void CVNQContainer::setChildSpace(int space)
{
    m_impl->setSpaceValue(space);
    m_impl->relayout();
}

int CVNQContainer::getChildSpace() const
{
    return m_impl->space();
}

void CVNQContainer::setChildPadding(int all)
{
    setChildPadding(all, all, all, all);
}

void CVNQContainer::setChildPadding(int left, int top, int right, int bottom)
{
    m_impl->setPadding(left, top, right, bottom);
    m_impl->relayout();
}

void CVNQContainer::getChildPadding(int& left, int& top, int& right, int& bottom) const
{
    m_impl->getPadding(left, top, right, bottom);
}

void CVNQContainer::forceResize()
{
    m_impl->relayout();
}

void CVNQContainer::relayoutForChild()
{
    // On screen the change shows at once. A hidden container gathers the
    // changes into one relayout, before it shows or when the event loop next
    // runs: a column filled in code is laid out once, not once per child.
    if (isVisible())
        m_impl->relayout();
    else
        m_impl->scheduleRelayout();
}

void CVNQContainer::setBackground(const FillStyle& style)
{
    setBackgroundState(0, style);
}

const FillStyle& CVNQContainer::getBackground() const
{
    return m_impl->backgrounds().normal;
}

void CVNQContainer::setDisableBackground(const FillStyle& style)
{
    setBackgroundState(CtrlStateDisabled, style);
}

const FillStyle& CVNQContainer::getDisableBackground() const
{
    return m_impl->backgrounds().disabled;
}

void CVNQContainer::setBackgroundState(CtrlState state, const FillStyle& style)
{
    m_impl->backgrounds().set(state, style);
    update();
}

const FillStyle& CVNQContainer::getBackgroundState(CtrlState state) const
{
    return m_impl->backgrounds().forState(state);
}

void CVNQContainer::setDrawBackground(bool draw)
{
    m_impl->backgrounds().draw = draw;
    update();
}

bool CVNQContainer::getDrawBackground() const
{
    return m_impl->backgrounds().draw;
}

void CVNQContainer::setColor(const QColor& color)
{
    FillStyle& bg = m_impl->backgrounds().normal;
    bg.useColor = true;
    bg.fill.clr = color;
    update();
}

void CVNQContainer::setUseFillStyle(bool useColor)
{
    m_impl->backgrounds().normal.useColor = useColor;
    update();
}

bool CVNQContainer::getUseFillStyle() const
{
    return m_impl->backgrounds().normal.useColor;
}

void CVNQContainer::bindWindowHandle(void* hwnd)
{
    m_impl->setWindowHandle(hwnd);
}

void CVNQContainer::unbindWindowHandle()
{
    m_impl->setWindowHandle(nullptr);
}

void* CVNQContainer::getWindowHandle() const
{
    return m_impl->windowHandle();
}

void CVNQContainer::bindScrollBar(CVNQScrollBar* bar, bool horizontal)
{
    m_impl->bindScrollBar(bar, horizontal);
}

CVNQScrollBar* CVNQContainer::getBindScrollBar(bool horizontal) const
{
    return m_impl->boundScrollBar(horizontal);
}

void CVNQContainer::setScrollPos(bool horizontal, int pos)
{
    m_impl->setScrollPos(horizontal, pos);
}

int CVNQContainer::getScrollPos(bool horizontal) const
{
    return m_impl->scrollPos(horizontal);
}

void CVNQContainer::setAbsoluteDockAutoSize(bool on)
{
    if (on == m_impl->absoluteDockAutoSize())
        return;
    m_impl->setAbsoluteDockAutoSizeValue(on);
    m_impl->relayout();
    if (CVNQContainer* parent = qobject_cast<CVNQContainer*>(parentWidget()))
        parent->forceResize();
}

bool CVNQContainer::getAbsoluteDockAutoSize() const
{
    return m_impl->absoluteDockAutoSize();
}

bool CVNQContainer::startResizeAnimation(const QSize& from, const QSize& to, int durationMs)
{
    return m_impl->startResizeAnimation(from, to, durationMs);
}

bool CVNQContainer::isResizeAnimationRunning() const
{
    return m_impl->isResizeAnimationRunning();
}

bool CVNQContainer::event(QEvent* e)
{
    if (e->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(e)->child();
        if (child && child->isWidgetType()) {
            m_impl->watchChild(static_cast<QWidget*>(child));
            m_impl->scheduleRelayout();
        }
    } else if (e->type() == QEvent::Show) {
        m_impl->runPendingRelayout();
    } else if (e->type() == QEvent::ChildRemoved) {
        // A child being deleted is no widget any more by now: only its
        // QObject part may be touched.
        QObject* child = static_cast<QChildEvent*>(e)->child();
        if (child && child->isWidgetType()) {
            m_impl->unwatchChild(child);
            // The others close up (or a spacer takes the room) as they made
            // room for one added.
            m_impl->scheduleRelayout();
            m_impl->scrollUpdate();
        }
    }
    return QWidget::event(e);
}

bool CVNQContainer::eventFilter(QObject* watched, QEvent* e)
{
    m_impl->watchedChildEvent(watched, e);
    return QWidget::eventFilter(watched, e);
}

void CVNQContainer::paintEvent(QPaintEvent*)
{
    m_impl->paint();
}

void CVNQContainer::resizeEvent(QResizeEvent* e)
{
    m_impl->relayout();
    // A bound foreign native window would be moved here on Windows; there is
    // no such window on this platform.
    QWidget::resizeEvent(e);
}

void CVNQContainer::wheelEvent(QWheelEvent* e)
{
    if (!m_impl->wheel(e))
        QWidget::wheelEvent(e);
}

void CVNQContainer::mouseReleaseEvent(QMouseEvent*)
{
    emit mouseClickEvent();
}

} // namespace CVNQtLib

#include "moc_CVNQContainer.cpp"

// Scrolling of a container through bound scroll bars, the bookkeeping of
// each child's unscrolled ("base") geometry, the wheel and the animated
// resize.

#include "CVNQContainerImpl.h"

#include "CVNQContainer.h"
#include "CVNQScrollBar.h"

#include <QEasingCurve>
#include <QEvent>
#include <QVariantAnimation>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

namespace CVNQtLib {

namespace {

// How often a scroll update may re-run the layout because a bar appeared or
// went away. Layouts settle after one or two rounds; a content size that sits
// exactly on the edge could otherwise flip the bars forever.
constexpr int kMaxScrollRelayouts = 3;

} // namespace

bool CVNQContainerImpl::isScrolledChild(QObject* o) const
{
    return o->isWidgetType() && !isBoundBar(o) && !static_cast<QWidget*>(o)->isWindow();
}

QRect CVNQContainerImpl::baseGeometry(const QWidget* w) const
{
    const auto it = m_children.find(w);
    if (it != m_children.end() && it->second.hasBase)
        return it->second.base;
    return w->geometry().translated(m_scrollX, m_scrollY);
}

void CVNQContainerImpl::setBaseGeometry(QWidget* w, ChildState& state, const QRect& r)
{
    if (state.hasBase && state.base == r)
        return;
    state.base = r;
    state.hasBase = true;
    // Mirrored for readers outside the engine; the engine itself reads its
    // own record, which the filter keeps in step with writes by others.
    m_writingBase = true;
    w->setProperty(kCvnBaseGeometryProperty, r);
    m_writingBase = false;
}

CVNQScrollBar* CVNQContainerImpl::boundScrollBar(bool horizontal) const
{
    return horizontal ? m_hBar.data() : m_vBar.data();
}

void CVNQContainerImpl::bindScrollBar(CVNQScrollBar* bar, bool horizontal)
{
    QPointer<CVNQScrollBar>& slot = horizontal ? m_hBar : m_vBar;
    if (bar != slot.data()) {
        if (CVNQScrollBar* old = slot.data()) {
            // The children come back from where the old bar scrolled them:
            // without a bar nothing could ever scroll them back.
            (horizontal ? m_scrollX : m_scrollY) = 0;
            placeAtOffsets();
            old->setProperty(kCvnBoundScrollBarProperty, false);
            old->hide();
            if (m_owner)
                old->removeEventFilter(m_owner);
            disconnect(old, nullptr, this, nullptr);
        }
        slot = bar;
        if (bar) {
            // Bound (and marked) before it joins the container, so the
            // container never takes it for a child to lay out.
            bar->setProperty(kCvnBoundScrollBarProperty, true);
            if (bar->parentWidget() != m_owner)
                bar->setParent(m_owner);
            bar->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
            if (m_owner)
                bar->installEventFilter(m_owner);
            connect(bar, &QScrollBar::valueChanged, this, [this, horizontal](int v) { onBarValue(horizontal, v); });
        }
    }
    scrollUpdate();
}

void CVNQContainerImpl::onBarValue(bool horizontal, int value)
{
    if (m_scrollGuard)
        return;
    (horizontal ? m_scrollX : m_scrollY) = value;
    applyScroll();
}

void CVNQContainerImpl::setScrollPos(bool horizontal, int pos)
{
    if (CVNQScrollBar* bar = boundScrollBar(horizontal)) {
        bar->setValue(std::min(std::max(pos, bar->minimum()), bar->maximum()));
        return;
    }
    (horizontal ? m_scrollX : m_scrollY) = std::max(pos, 0);
    applyScroll();
}

void CVNQContainerImpl::applyScroll()
{
    if (m_scrollGuard || !m_owner || (!m_hBar && !m_vBar))
        return;
    placeAtOffsets();
}

void CVNQContainerImpl::placeAtOffsets()
{
    if (m_scrollGuard || !m_owner)
        return;
    m_scrollGuard = true;
    for (QObject* obj : m_owner->children()) {
        if (!isScrolledChild(obj))
            continue;
        QWidget* w = static_cast<QWidget*>(obj);
        ChildState& state = m_children[w];
        const QRect base = state.hasBase ? state.base : w->geometry().translated(m_scrollX, m_scrollY);
        setBaseGeometry(w, state, base);
        w->QWidget::setGeometry(base.translated(-m_scrollX, -m_scrollY));
    }
    m_scrollGuard = false;
}

void CVNQContainerImpl::scrollUpdate()
{
    scrollUpdateStep(0);
}

void CVNQContainerImpl::scrollUpdateStep(int depth)
{
    if (m_scrollGuard || !m_owner)
        return;
    // A bound bar that was deleted leaves its axis unscrolled, as unbinding
    // it would.
    if ((!m_hBar && m_scrollX != 0) || (!m_vBar && m_scrollY != 0)) {
        if (!m_hBar)
            m_scrollX = 0;
        if (!m_vBar)
            m_scrollY = 0;
        placeAtOffsets();
    }
    if (!m_hBar && !m_vBar)
        return;
    CVNQScrollBar* hBar = m_hBar.data();
    CVNQScrollBar* vBar = m_vBar.data();
    const bool hWasShown = hBar && !hBar->isHidden();
    const bool vWasShown = vBar && !vBar->isHidden();
    m_scrollGuard = true;

    // Content: where the shown children would be with both offsets at 0.
    QRect content;
    for (QObject* obj : m_owner->children()) {
        if (!isScrolledChild(obj))
            continue;
        QWidget* w = static_cast<QWidget*>(obj);
        ChildState& state = m_children[w];
        state.hidden = w->isHidden();
        if (state.hidden)
            continue;
        content = content.united(state.hasBase ? state.base : w->geometry().translated(m_scrollX, m_scrollY));
    }
    const bool hasContent = !content.isNull();
    const qint64 right = hasContent ? qint64(content.right()) + 1 : 0;
    const qint64 bottom = hasContent ? qint64(content.bottom()) + 1 : 0;
    const int W = std::max(m_owner->width(), 0);
    const int H = std::max(m_owner->height(), 0);
    const int vbW = vBar ? std::max(vBar->sizeHint().width(), 0) : 0;
    const int hbH = hBar ? std::max(hBar->sizeHint().height(), 0) : 0;

    bool needH = false;
    bool needV = false;
    for (int round = 0; round < 2; ++round) {
        const bool h = hBar && hasContent && right > std::max(W - (needV ? vbW : 0), 0);
        const bool v = vBar && hasContent && bottom > std::max(H - (h ? hbH : 0), 0);
        const bool changed = h != needH || v != needV;
        needH = h;
        needV = v;
        if (!changed)
            break;
    }
    const int viewW = std::max(W - (needV ? vbW : 0), 0);
    const int viewH = std::max(H - (needH ? hbH : 0), 0);

    auto updateBar = [](CVNQScrollBar* bar, bool needed, qint64 extent, int view, const QRect& place) -> int {
        if (!needed) {
            bar->hide();
            bar->setRange(0, 0);
            bar->setValue(0);
            return 0;
        }
        bar->setRange(0, int(std::min<qint64>(std::max<qint64>(extent - view, 0), INT_MAX)));
        bar->setPageStep(view);
        bar->setGeometry(place.x(), place.y(), place.width(), place.height());
        bar->show();
        const int offset = std::min(std::max(bar->value(), 0), bar->maximum());
        if (bar->value() != offset)
            bar->setValue(offset);
        return offset;
    };
    m_scrollX = hBar ? updateBar(hBar, needH, right, viewW, QRect(0, H - hbH, viewW, hbH)) : 0;
    m_scrollY = vBar ? updateBar(vBar, needV, bottom, viewH, QRect(W - vbW, 0, vbW, viewH)) : 0;

    m_scrollGuard = false;
    const bool visibilityChanged = (hBar && hWasShown != needH) || (vBar && vWasShown != needV);
    if (visibilityChanged && m_childLayout != CVNQContainer::NoUse && depth < kMaxScrollRelayouts) {
        // The room left for the children changed with the bars.
        layoutPass();
        scrollUpdateStep(depth + 1);
    } else {
        applyScroll();
    }
}

void CVNQContainerImpl::watchedChildEvent(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DynamicPropertyChange) {
        // Someone else wrote a base geometry: the engine goes by it, as it
        // would have read it there.
        if (m_writingBase || !m_owner ||
            static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() != kCvnBaseGeometryProperty)
            return;
        const QVariant v = watched->property(kCvnBaseGeometryProperty);
        ChildState& state = m_children[watched];
        state.hasBase = v.isValid();
        state.base = v.toRect();
        return;
    }
    if (m_layoutGuard || m_scrollGuard || !m_owner)
        return;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::LayoutRequest: break;
    default: return;
    }
    if (!watched->isWidgetType())
        return;
    QWidget* w = static_cast<QWidget*>(watched);
    if (w->parentWidget() != m_owner)
        return;
    if (!isBoundBar(w)) {
        const QRect base = w->geometry().translated(m_scrollX, m_scrollY);
        ChildState& state = m_children[w];
        const bool moved = !state.hasBase || state.base != base;
        setBaseGeometry(w, state, base);
        // Showing the container shows every child and delivers their
        // pending moves: none of that changes the content, and updating the
        // bars for each child would make showing a long list quadratic.
        if (!moved && w->isHidden() == state.hidden)
            return;
    }
    scrollUpdate();
}

bool CVNQContainerImpl::wheel(QWheelEvent* event)
{
    CVNQScrollBar* bar = m_vBar.data();
    if (!bar || bar->isHidden() || bar->maximum() <= 0)
        return false;
    const int dy = event->angleDelta().y();
    // A purely sideways wheel is not ours to take: the parent may scroll.
    if (dy == 0)
        return false;
    const int step = std::max(bar->singleStep(), 24);
    bar->setValue(dy > 0 ? bar->value() - step : bar->value() + step);
    event->accept();
    return true;
}

bool CVNQContainerImpl::startResizeAnimation(const QSize& from, const QSize& to, int durationMs)
{
    if (!m_owner || m_animRunning)
        return false;
    const QSize f(std::max(from.width(), 0), std::max(from.height(), 0));
    const QSize t(std::max(to.width(), 0), std::max(to.height(), 0));
    m_animWidth = f.width() != t.width();
    m_animHeight = f.height() != t.height();
    m_animTarget = t;
    if ((!m_animWidth && !m_animHeight) || durationMs <= 0) {
        applyAnimatedSize(t);
        return true;
    }
    if (!m_animation) {
        m_animation = new QVariantAnimation(this);
        connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            if (m_animRunning)
                applyAnimatedSize(v.toSize());
        });
        connect(m_animation, &QVariantAnimation::finished, this, [this]() {
            applyAnimatedSize(m_animTarget);
            m_animRunning = false;
        });
    }
    m_animRunning = true;
    m_animation->setDuration(durationMs);
    m_animation->setStartValue(f);
    m_animation->setEndValue(t);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);
    applyAnimatedSize(f);
    m_animation->start();
    return true;
}

void CVNQContainerImpl::applyAnimatedSize(const QSize& size)
{
    QWidget* o = m_owner;
    if (!o)
        return;
    const int w = std::max(size.width(), 0);
    const int h = std::max(size.height(), 0);
    if (m_animWidth) {
        o->setMinimumWidth(w);
        o->setMaximumWidth(w);
    }
    if (m_animHeight) {
        o->setMinimumHeight(h);
        o->setMaximumHeight(h);
    }
    o->resize(m_animWidth ? w : o->width(), m_animHeight ? h : o->height());
    o->updateGeometry();
    if (CVNQContainer* parent = qobject_cast<CVNQContainer*>(o->parentWidget()))
        parent->forceResize();
    else if (m_childLayout != CVNQContainer::NoUse)
        relayout();
}

} // namespace CVNQtLib

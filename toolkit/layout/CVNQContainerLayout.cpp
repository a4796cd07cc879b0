// The container's layout pass: docking, the ratio and spacer passes of the
// row and column modes, the flow passes and the auto-size of a docked
// container. Children are placed with QWidget::setGeometry: going through a
// control's own setGeometry would record the place as an absolute layout.

#include "CVNQContainerImpl.h"

#include "CVNQContainer.h"
#include "CVNQLayoutMath.h"
#include "CVNQScrollBar.h"
#include "CVNQSpacer.h"

#include <algorithm>

namespace CVNQtLib {

CVNQContainerImpl::ChildState& CVNQContainerImpl::stateOf(QWidget* w) const
{
    ChildState& state = m_children[w];
    const QMetaObject* meta = w->metaObject();
    if (state.castFor != meta) {
        state.castFor = meta;
        state.control = dynamic_cast<ICVNQWidgetBase*>(w);
        state.spacer = qobject_cast<CVNQSpacer*>(w);
    }
    return state;
}

bool CVNQContainerImpl::isLaidOutChild(QObject* o, ChildState** state) const
{
    if (!o->isWidgetType() || isBoundBar(o))
        return false;
    QWidget* w = static_cast<QWidget*>(o);
    if (w->isWindow())
        return false;
    ChildState& s = stateOf(w);
    if (s.control && s.control->getAbsoluteLayout())
        return false;
    *state = &s;
    return true;
}

// Where a pass keeps a child's length (fixed children, the others of a
// spacer pass, the cross axis of a child that does not fill it, docked
// children) it may still have to cut it to the room there is. The size the
// child had before the cut is remembered with the size it was given, so that
// once the room comes back the child gets its length back: the layout stays
// a matter of the container's size, not of the sizes it went through. A
// child resized by anyone else since keeps its new size.
QSize CVNQContainerImpl::keptSize(const QWidget* w, const ChildState& state)
{
    const QSize size = w->size();
    return state.hasKept && state.placed == size ? state.kept : size;
}

void CVNQContainerImpl::remember(QWidget* w, ChildState& state, const QRect& r, const QSize& kept)
{
    setBaseGeometry(w, state, r);
    state.placed = r.size();
    state.kept = kept;
    state.hasKept = true;
}

void CVNQContainerImpl::place(QWidget* w, ChildState& state, const QRect& r, const QSize& kept)
{
    remember(w, state, r, kept);
    // Setting the same geometry again changes nothing but costs a walk
    // through Qt's attributes; a widget never placed yet still gets it, so
    // that it counts as sized when shown.
    if (w->geometry() != r || !w->testAttribute(Qt::WA_Resized) || !w->testAttribute(Qt::WA_Moved))
        w->QWidget::setGeometry(r);
}

int CVNQContainerImpl::visibleBarWidth() const
{
    if (!m_vBar || m_vBar->isHidden())
        return 0;
    return std::max(m_vBar->sizeHint().width(), 0);
}

int CVNQContainerImpl::visibleBarHeight() const
{
    if (!m_hBar || m_hBar->isHidden())
        return 0;
    return std::max(m_hBar->sizeHint().height(), 0);
}

void CVNQContainerImpl::layoutPass()
{
    if (!m_owner)
        return;
    const bool savedGuard = m_layoutGuard;
    m_layoutGuard = true;
    dockPass();
    bool dockAgain = true;
    switch (m_childLayout) {
    case CVNQContainer::Horizontal:
    case CVNQContainer::Vertical:
        linePass(m_childLayout == CVNQContainer::Vertical);
        // The ratio pass keeps docked children where the first docking put
        // them; only the spacer pass moves things around them.
        dockAgain = m_lastPassWasSpacer;
        break;
    case CVNQContainer::HorFloat:
    case CVNQContainer::VerFloat: flowPass(m_childLayout == CVNQContainer::VerFloat); break;
    default: break;
    }
    if (dockAgain)
        dockPass();
    m_layoutGuard = savedGuard;
}

void CVNQContainerImpl::linePass(bool vertical)
{
    m_lastPassWasSpacer = false;
    QWidget* o = m_owner;
    const QObjectList& kids = o->children();
    QVector<QWidget*> list;
    QVector<ChildState*> states;
    QVector<CVNLayoutItem> items;
    QVector<int> thickness;
    list.reserve(kids.size());
    states.reserve(kids.size());
    items.reserve(kids.size());
    thickness.reserve(kids.size());
    qint64 total = 0;
    qint64 spacerWeights = 0;
    bool anySpacer = false;
    for (QObject* obj : kids) {
        ChildState* state = nullptr;
        if (!isLaidOutChild(obj, &state))
            continue;
        QWidget* w = static_cast<QWidget*>(obj);
        ICVNQWidgetBase* c = state->control;
        CVNLayoutItem it;
        const QSize g = keptSize(w, *state);
        if (vertical) {
            it.cur = g.height();
            it.minLen = w->minimumHeight();
            it.maxLen = w->maximumHeight();
            it.fixed = c && c->getHeightPolicy() == LayoutSizePolicyFixed;
        } else {
            it.cur = g.width();
            it.minLen = w->minimumWidth();
            it.maxLen = w->maximumWidth();
            it.fixed = c && c->getWidthPolicy() == LayoutSizePolicyFixed;
        }
        const int ratio = c ? c->getLayoutRatio() : 1;
        it.weight = ratio > 0 ? ratio : 1;
        int thick = 0;
        if (CVNQSpacer* sp = state->spacer) {
            const int dir = sp->getDirection();
            if (dir == CVNQSpacer::Auto || dir == (vertical ? CVNQSpacer::Vertical : CVNQSpacer::Horizontal)) {
                it.spacer = true;
                thick = sp->getThickness();
                anySpacer = true;
                spacerWeights += it.weight;
            }
        }
        total += it.weight;
        list.push_back(w);
        states.push_back(state);
        items.push_back(it);
        thickness.push_back(thick);
    }
    const int n = list.size();
    if (n == 0 || total < 1)
        return;

    const bool useSpacers = anySpacer && spacerWeights > 0;
    if (!useSpacers)
        for (CVNLayoutItem& it : items)
            it.spacer = false;

    const int s = std::max(m_space, 0);
    const int mainTotal = vertical ? o->height() : o->width();
    const int crossTotal = vertical ? o->width() : o->height();
    const int mainBar = vertical ? visibleBarHeight() : visibleBarWidth();
    const int crossBar = vertical ? visibleBarWidth() : visibleBarHeight();
    const int padNear = vertical ? m_paddingTop : m_paddingLeft;
    const int padFar = vertical ? m_paddingBottom : m_paddingRight;
    const int crossNear = vertical ? m_paddingLeft : m_paddingTop;
    const int crossFar = vertical ? m_paddingRight : m_paddingBottom;
    const bool scrollable = vertical ? !m_vBar.isNull() : !m_hBar.isNull();

    const qint64 avail = cvnAvailableLength(mainTotal, n, s, mainBar, padNear, padFar);
    const int crossAvail = cvnToLength(std::max<qint64>(qint64(crossTotal) - crossBar - crossNear - crossFar, 0));
    const QVector<int> lengths =
        useSpacers ? cvnSpacerLengths(items, avail, scrollable) : cvnRatioLengths(items, avail, scrollable);
    m_lastPassWasSpacer = useSpacers;

    qint64 pos = padNear;
    for (int i = 0; i < n; ++i) {
        const int p = cvnClampToWidgetRange(pos);
        // The ratio pass keeps the length of fixed children, the spacer
        // pass that of every child but the stretching spacers.
        const bool keepsLength = useSpacers ? !items[i].spacer : items[i].fixed;
        const int wanted = keepsLength ? items[i].cur : lengths[i];
        if (vertical)
            placeChild(list[i], *states[i], true, crossNear, p, lengths[i], wanted, crossAvail, items[i].spacer,
                       thickness[i]);
        else
            placeChild(list[i], *states[i], false, p, crossNear, lengths[i], wanted, crossAvail, items[i].spacer,
                       thickness[i]);
        pos += qint64(lengths[i]) + s;
    }
}

void CVNQContainerImpl::placeChild(QWidget* w, ChildState& state, bool vertical, int x, int y, int length,
                                   int wantedLength, int crossAvail, bool spacer, int thickness)
{
    ICVNQWidgetBase* c = state.control;
    const LayoutSizePolicy crossPolicy =
        c ? (vertical ? c->getWidthPolicy() : c->getHeightPolicy()) : LayoutSizePolicyUnset;
    int wanted; // the cross length before the room limits it
    bool keepsCross = false;
    if (spacer && thickness > 0) {
        wanted = thickness;
    } else if (crossPolicy == LayoutSizePolicyFill) {
        wanted = crossAvail;
    } else {
        const QSize kept = keptSize(w, state);
        wanted = vertical ? kept.width() : kept.height();
        keepsCross = true;
    }
    const int minCross = vertical ? w->minimumWidth() : w->minimumHeight();
    const int maxCross = vertical ? w->maximumWidth() : w->maximumHeight();
    const int cross = std::min(cvnClampLength(wanted, crossAvail, minCross, maxCross), crossAvail);
    const int keptCross = keepsCross ? wanted : cross;
    // No widget is longer than the widget size range; paddings set in code
    // are not bounded: the rectangle's far edge must still fit in int.
    const int mainLength = std::min(std::max(length, 0), kCvnWidgetRange);
    x = cvnClampToWidgetRange(x);
    y = cvnClampToWidgetRange(y);
    if (vertical)
        place(w, state, QRect(x, y, cross, mainLength), QSize(keptCross, wantedLength));
    else
        place(w, state, QRect(x, y, mainLength, cross), QSize(wantedLength, keptCross));
}

void CVNQContainerImpl::flowPass(bool vertical)
{
    QWidget* o = m_owner;
    const int s = std::max(m_space, 0);
    qint64 x = m_paddingLeft;
    qint64 y = m_paddingTop;
    const qint64 limit = vertical ? qint64(o->height()) - m_paddingBottom : qint64(o->width()) - m_paddingRight;
    qint64 line = 0; // row height, or column width
    for (QObject* obj : o->children()) {
        if (!obj->isWidgetType())
            continue;
        QWidget* w = static_cast<QWidget*>(obj);
        if (w->isWindow())
            continue;
        ChildState& state = m_children[w];
        QRect r = w->geometry();
        if (vertical) {
            if (y > m_paddingTop && y + r.height() > limit) {
                y = m_paddingTop;
                x += line + s;
                line = 0;
            }
        } else if (x > m_paddingLeft && x + r.width() > limit) {
            x = m_paddingLeft;
            y += line + s;
            line = 0;
        }
        r.moveTo(cvnClampToWidgetRange(x), cvnClampToWidgetRange(y));
        // Only moved: a length it still wants back stays remembered.
        place(w, state, r, keptSize(w, state));
        if (vertical) {
            y += qint64(r.height()) + s;
            line = std::max<qint64>(line, r.width());
        } else {
            x += qint64(r.width()) + s;
            line = std::max<qint64>(line, r.height());
        }
    }
}

void CVNQContainerImpl::dockPass()
{
    QWidget* o = m_owner;
    const int vbarW = visibleBarWidth();
    const int hbarH = visibleBarHeight();
    const qint64 left = std::max(m_paddingLeft, 0);
    const qint64 top = std::max(m_paddingTop, 0);
    const qint64 availW = std::max<qint64>(qint64(o->width()) - vbarW - m_paddingLeft - m_paddingRight, 0);
    const qint64 availH = std::max<qint64>(qint64(o->height()) - hbarH - m_paddingTop - m_paddingBottom, 0);
    // Copy: an auto-sized child's relayout must not disturb this walk.
    const QObjectList kids = o->children();
    for (QObject* obj : kids) {
        if (!obj->isWidgetType())
            continue;
        QWidget* w = static_cast<QWidget*>(obj);
        if (w->isWindow() || isBoundBar(w))
            continue;
        ChildState& state = stateOf(w);
        ICVNQWidgetBase* c = state.control;
        if (!c || !c->getAbsoluteLayout())
            continue;
        DockLayoutType hor = DockNear, ver = DockNear;
        int offX = 0, offY = 0;
        c->getAbsoluteDock(hor, ver, offX, offY);
        QSize size = keptSize(w, state);
        CVNQContainer* child = qobject_cast<CVNQContainer*>(w);
        const bool autoSized = child && child->getAbsoluteDockAutoSize();
        if (autoSized) {
            const QSize want = static_cast<CVNQContainerImpl*>(child->getControlImpl())->autoSize();
            if (want.isValid())
                size = want;
        }
        const int width = cvnClampLength(size.width(), availW, w->minimumWidth(), w->maximumWidth());
        const int height = cvnClampLength(size.height(), availH, w->minimumHeight(), w->maximumHeight());
        auto anchor = [](int a, qint64 start, qint64 avail, int len) -> qint64 {
            if (a == DockCenter)
                return start + (avail - len) / 2;
            if (a == DockFar)
                return start + avail - len;
            return start;
        };
        const int x = cvnClampToWidgetRange(anchor(hor, left, availW, width) + offX);
        const int y = cvnClampToWidgetRange(anchor(ver, top, availH, height) + offY);
        const QRect r(x, y, width, height);
        remember(w, state, r, size);
        c->setGeometry(x, y, width, height);
        if (autoSized)
            child->forceResize();
    }
}

QSize CVNQContainerImpl::autoSize() const
{
    if (!m_absoluteDockAutoSize || !m_owner)
        return QSize();
    const int s = std::max(m_space, 0);
    qint64 w = 0;
    qint64 h = 0;
    int n = 0;
    QRect united;
    for (QObject* obj : m_owner->children()) {
        ChildState* state = nullptr;
        if (!isLaidOutChild(obj, &state))
            continue;
        QWidget* child = static_cast<QWidget*>(obj);
        ICVNQWidgetBase* c = state->control;
        QSize pref = child->sizeHint();
        if (!pref.isValid())
            pref = child->minimumSizeHint();
        if (!pref.isValid())
            pref = child->minimumSize();
        int pw = std::max(pref.width(), 0);
        int ph = std::max(pref.height(), 0);
        const QSize kept = keptSize(child, *state);
        if (c && c->getWidthPolicy() == LayoutSizePolicyFixed)
            pw = std::max(pw, kept.width());
        if (c && c->getHeightPolicy() == LayoutSizePolicyFixed)
            ph = std::max(ph, kept.height());
        pw = std::max(pw, child->minimumWidth());
        if (child->maximumWidth() < kCvnUnboundedLength)
            pw = std::min(pw, child->maximumWidth());
        ph = std::max(ph, child->minimumHeight());
        if (child->maximumHeight() < kCvnUnboundedLength)
            ph = std::min(ph, child->maximumHeight());
        ++n;
        if (m_childLayout == CVNQContainer::Horizontal) {
            w += pw;
            h = std::max<qint64>(h, ph);
        } else if (m_childLayout == CVNQContainer::Vertical) {
            w = std::max<qint64>(w, pw);
            h += ph;
        } else {
            united = united.united(QRect(child->geometry().topLeft(), QSize(pw, ph)));
        }
    }
    if (m_childLayout == CVNQContainer::Horizontal && n > 1)
        w += qint64(n - 1) * s;
    else if (m_childLayout == CVNQContainer::Vertical && n > 1)
        h += qint64(n - 1) * s;
    else if (m_childLayout != CVNQContainer::Horizontal && m_childLayout != CVNQContainer::Vertical) {
        w = std::max(united.right() + 1, 0);
        h = std::max(united.bottom() + 1, 0);
    }
    return QSize(cvnToLength(std::max<qint64>(m_paddingLeft + w + m_paddingRight, 0)),
                 cvnToLength(std::max<qint64>(m_paddingTop + h + m_paddingBottom, 0)));
}

} // namespace CVNQtLib

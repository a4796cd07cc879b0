#include "CVNQWindowImpl.h"

#include "CVNQWidgetBase.h"
#include "ICVNQWidgetBase.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace CVNQtLib {

namespace {
// The one press in progress across all windows and sub-windows: while it is
// set, further presses go straight to Qt. Remembers who set it so a window
// that goes away mid-press does not leave every window deaf to presses.
QWidget* g_pressedBy = nullptr;
bool g_pressed = false;
} // namespace

CVNQWindowImpl::CVNQWindowImpl(QWidget* owner, const QString& typeName, bool topLevelWindow)
    : CVNQWidgetBaseImpl(owner, typeName)
    , topLevel(topLevelWindow)
{
    if (topLevelWindow)
        eventLoop = new QEventLoop(this);
}

CVNQWindowImpl::~CVNQWindowImpl()
{
    if (g_pressed && g_pressedBy == m_owner) {
        g_pressed = false;
        g_pressedBy = nullptr;
    }
}

bool CVNQWindowImpl::pressedFlag()
{
    return g_pressed;
}

CVNWindowHitState CVNQWindowImpl::hitState() const
{
    CVNWindowHitState s;
    if (m_owner) {
        s.size = m_owner->size();
        s.maximized = m_owner->isMaximized() || m_owner->isFullScreen();
    }
    s.band = borderBand;
    s.resizeable = resizeable;
    s.canDrag = canDrag;
    s.onlyDragCaption = onlyDragCaption;
    s.captionHeight = captionHeight;
    return s;
}

QWidget* CVNQWindowImpl::hitTestWidget(QWidget* root, QWidget* w, int x, int y)
{
    if (!w || !w->isVisible())
        return nullptr;
    const QObjectList& kids = w->children();
    for (int i = kids.size() - 1; i >= 0; --i) {
        if (!kids[i]->isWidgetType())
            continue;
        if (QWidget* hit = hitTestWidget(root, static_cast<QWidget*>(kids[i]), x, y))
            return hit;
    }
    const QPoint topLeft = w == root ? QPoint(0, 0) : w->mapTo(root, QPoint(0, 0));
    return QRect(topLeft, w->size()).contains(x, y) ? w : nullptr;
}

void CVNQWindowImpl::setTransparent(bool on)
{
    if (!m_owner)
        return;
    if (on)
        m_owner->setWindowFlag(Qt::FramelessWindowHint, true);
    m_owner->setAttribute(Qt::WA_TranslucentBackground, on);
}

void CVNQWindowImpl::setEdgeX(int x)
{
    if (!m_owner)
        return;
    QRect g = m_owner->geometry();
    g.setLeft(x);
    m_owner->setGeometry(g);
}

void CVNQWindowImpl::setEdgeY(int y)
{
    if (!m_owner)
        return;
    QRect g = m_owner->geometry();
    g.setTop(y);
    m_owner->setGeometry(g);
}

void CVNQWindowImpl::centerOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !m_owner)
        return;
    // The screen's size only: its origin is not added.
    const QRect s = screen->geometry();
    m_owner->move((s.width() - m_owner->width()) / 2, (s.height() - m_owner->height()) / 2);
}

void CVNQWindowImpl::resizeChildren(QWidget* w)
{
    for (QObject* child : w->children()) {
        if (!child->isWidgetType())
            continue;
        if (ICVNQWidgetBase* c = dynamic_cast<ICVNQWidgetBase*>(child))
            if (CVNQWidgetBase* base = c->getControlBase())
                base->resizeWidget();
    }
}

void CVNQWindowImpl::paint()
{
    if (!showBackground || !m_owner)
        return;
    QPainter painter(m_owner);
    draw(&painter, QRect(0, 0, m_owner->width(), m_owner->height()));
}

void CVNQWindowImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!showBackground)
        return;
    if (useFillColor)
        drawStyleRect(painter, backgroundFill, rect.x(), rect.y(), rect.width(), rect.height());
    else
        drawStyleImage(painter, backgroundImage, backgroundImageDesc, rect.x(), rect.y(), rect.width(), rect.height());
}

bool CVNQWindowImpl::press(QMouseEvent* event)
{
    QWidget* o = m_owner;
    if (g_pressed || !o)
        return true;
    if (!topLevel)
        o->raise();
    const QPoint pos = event->pos();
    const CVNWindowHitState state = hitState();
    if (resizeable && !state.maximized)
        resizeEdge = cvnZoneToEdge(cvnEdgeZone(state, pos));
    if (canDrag && !state.maximized && event->button() == Qt::LeftButton) {
        QWidget* target = hitTestWidget(o, o, pos.x(), pos.y());
        const bool inCaption = !onlyDragCaption || pos.y() <= captionHeight;
        if (inCaption && cvnAllowsCaptionDrag(o, target))
            dragging = true;
    }
    lastGlobalPos = event->globalPos();
    pressedChild = (dragging || resizeEdge != CVNEdgeNone) ? nullptr : o->childAt(pos);
    g_pressed = true;
    g_pressedBy = o;
    o->grabMouse();
    if (topLevel)
        event->accept();
    return true;
}

// One axis of an edge drag: the dragged edge (the near one, left or top, or
// the far one) follows delta as far as the minimum length lets it; the other
// edge never moves. Returns how far the edge moved, which is how far the
// reference point may follow: once the pointer comes back, the edge is
// under it again.
static int dragEdge(int& start, int& length, int delta, int minLength, bool nearEdge)
{
    const int wanted = std::max(nearEdge ? length - delta : length + delta, minLength);
    const int moved = nearEdge ? length - wanted : wanted - length;
    if (nearEdge)
        start += moved;
    length = wanted;
    return moved;
}

void CVNQWindowImpl::resizeStep(const QPoint& globalPos)
{
    QWidget* o = m_owner;
    const QRect g = o->geometry();
    int x = g.x(), y = g.y(), w = g.width(), h = g.height();
    const bool left = resizeEdge == CVNEdgeLeft || resizeEdge == CVNEdgeTopLeft || resizeEdge == CVNEdgeBottomLeft;
    const bool right = resizeEdge == CVNEdgeRight || resizeEdge == CVNEdgeTopRight || resizeEdge == CVNEdgeBottomRight;
    const bool top = resizeEdge == CVNEdgeTop || resizeEdge == CVNEdgeTopLeft || resizeEdge == CVNEdgeTopRight;
    const bool bottom =
        resizeEdge == CVNEdgeBottom || resizeEdge == CVNEdgeBottomLeft || resizeEdge == CVNEdgeBottomRight;
    if (left || right)
        lastGlobalPos.rx() += dragEdge(x, w, globalPos.x() - lastGlobalPos.x(), std::max(minWidth, 0), left);
    if (top || bottom)
        lastGlobalPos.ry() += dragEdge(y, h, globalPos.y() - lastGlobalPos.y(), std::max(minHeight, 0), top);
    // Geometry, not fixed sizes: a fixed size would also forbid the window
    // manager to resize or maximise the window.
    const QRect target(x, y, w, h);
    if (target != g)
        o->setGeometry(target);
}

bool CVNQWindowImpl::move(QMouseEvent* event)
{
    QWidget* o = m_owner;
    if (!o)
        return true;
    const CVNWindowHitState state = hitState();
    bool callBase = true;
    if (resizeable && !state.maximized) {
        if (resizeEdge == CVNEdgeNone) {
            const int zone = cvnEdgeZone(state, event->pos());
            if (zone != CVNHitBase) {
                o->setCursor(cvnZoneCursor(zone));
                resizeCursorShown = true;
            } else if (resizeCursorShown && !dragging) {
                o->setCursor(Qt::ArrowCursor);
                resizeCursorShown = false;
            }
        } else {
            resizeStep(event->globalPos());
            // Single edges end here; corners still pass the event on.
            callBase = resizeEdge >= CVNEdgeBottomRight;
        }
    }
    if (resizeEdge == CVNEdgeNone && canDrag && dragging && event->buttons() != Qt::NoButton) {
        o->move(o->pos() + (event->globalPos() - lastGlobalPos));
        lastGlobalPos = event->globalPos();
        event->accept();
    }
    return callBase;
}

bool CVNQWindowImpl::release(QMouseEvent* event)
{
    QWidget* o = m_owner;
    if (resizeable && resizeEdge != CVNEdgeNone) {
        resizeEdge = CVNEdgeNone;
        if (o)
            o->setCursor(Qt::ArrowCursor);
    }
    dragging = false;
    if (o)
        o->releaseMouse();
    g_pressed = false;
    g_pressedBy = nullptr;
    // Without the grab the pressed child would have had the release (a
    // container's click is its release); it travels up from there as Qt
    // sends it, possibly back to this window, which then has none to pass.
    if (QWidget* child = pressedChild.data()) {
        pressedChild = nullptr;
        QMouseEvent handed(QEvent::MouseButtonRelease, QPointF(child->mapFromGlobal(event->globalPos())),
                           event->windowPos(), event->screenPos(), event->button(), event->buttons(),
                           event->modifiers(), event->source());
        QCoreApplication::sendEvent(child, &handed);
    }
    return true;
}

bool CVNQWindowImpl::doubleClick(QMouseEvent* event)
{
    if (doubleClickMaximize && event->pos().y() < captionHeight)
        toggleMaximized();
    return true;
}

void CVNQWindowImpl::toggleMaximized()
{
    QWidget* o = m_owner;
    if (!o)
        return;
    if (o->isMaximized()) {
        o->setWindowState(o->windowState() & ~Qt::WindowMaximized);
        if (normalGeometry.isValid())
            o->setGeometry(normalGeometry);
        return;
    }
    normalGeometry = o->geometry();
    // Without a window manager nobody else resizes the window. The geometry
    // goes first: setting it clears a maximised state.
    if (!o->isWindow()) {
        if (QWidget* parent = o->parentWidget())
            o->setGeometry(parent->rect());
    } else if (QScreen* screen = o->screen() ? o->screen() : QGuiApplication::primaryScreen()) {
        o->setGeometry(screen->availableGeometry());
    }
    o->setWindowState(o->windowState() | Qt::WindowMaximized);
}

} // namespace CVNQtLib

#include "moc_CVNQWindowImpl.cpp"

// The canvas's editing side: painting pictures of the page's controls,
// selection handles, hit testing, moving and resizing by mouse, and
// creating controls by type name or by a drop.

#include "CVNQCanvas.h"

#include "CVNJson.h"
#include "CVNQCanvasImpl.h"
#include "CVNQControlFactory.h"
#include "CVNQPageSource.h"
#include "CVNQScrollView.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "CVNQtLib.h"

#include <QBackingStore>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>

namespace CVNQtLib {

namespace {

constexpr int kHandleMargin = 5;
constexpr int kSnapDistance = 5;
constexpr int kMinEditSize = 10;
constexpr int kNewControlSize = 100;

bool shownFlag(const QWidget* w)
{
    return w->property("visibility").toBool();
}

// The first target closer than the snap distance, else value.
int snapped(int value, const std::vector<int>& targets)
{
    for (int t : targets) {
        if (std::abs(t - value) < kSnapDistance)
            return t;
    }
    return value;
}

QString dropTypeName(const QMimeData* mime)
{
    const QVariant type = mime ? mime->property("TypeName") : QVariant();
    return type.isNull() ? QString() : type.toString();
}

} // namespace

void CVNQCanvas::AddSelectedControl(QWidget* w)
{
    if (!w || IsInSelected(w))
        return;
    m_impl->selection.emplace_back(w);
    m_impl->selected.insert(w);
    repaintOwn(handlesArea(w));
    emit widgetSelected(w);
}

bool CVNQCanvas::RemoveSelected(QWidget* w)
{
    auto& sel = m_impl->selection;
    for (size_t i = 0; i < sel.size(); ++i) {
        if (sel[i] != w)
            continue;
        sel.erase(sel.begin() + long(i));
        if (i < m_impl->startRects.size())
            m_impl->startRects.erase(m_impl->startRects.begin() + long(i));
        m_impl->selected.erase(w);
        repaintOwn(handlesArea(w));
        // The next one is the primary now: its handles turn white.
        if (i == 0 && !sel.empty())
            repaintOwn(handlesArea(sel.front()));
        return true;
    }
    return false;
}

void CVNQCanvas::RemoveAllSelected()
{
    for (const QPointer<QWidget>& s : m_impl->selection)
        repaintOwn(handlesArea(s));
    m_impl->clearSelection();
}

void CVNQCanvas::pruneSelection()
{
    if (m_impl->pruneSelection())
        repaintOwn(handlesArea(m_impl->selection.front()));
}

bool CVNQCanvas::IsInSelected(QWidget* w) const
{
    return w && m_impl->selected.count(w) != 0;
}

CVN_CAV_HIT_TEST CVNQCanvas::HitInSelected(int x, int y) const
{
    for (const QPointer<QWidget>& s : m_impl->selection) {
        QWidget* w = s;
        if (!w || !isAncestorOf(w))
            continue;
        // The page's own top-level controls are neither moved nor resized.
        if (w->parentWidget() && w->parentWidget()->parentWidget() == this)
            return HitNone;
        const QRect r = onCanvas(w);
        const int L = r.left(), T = r.top(), W = r.width(), H = r.height();
        if (x < L || x > L + W || y < T || y > T + H)
            continue;
        const bool nearLeft = x < L + kHandleMargin;
        const bool nearTop = y < T + kHandleMargin;
        const bool nearRight = x > L + W - kHandleMargin;
        const bool nearBottom = y > T + H - kHandleMargin;
        if (nearLeft && nearTop)
            return HitTopLeft;
        if (nearRight && nearBottom)
            return HitBottomRight;
        if (nearRight && nearTop)
            return HitTopRight;
        if (nearLeft)
            return nearBottom ? HitBottomLeft : HitLeft;
        if (nearRight)
            return HitRight;
        if (!nearTop)
            return nearBottom ? HitBottom : HitBody;
        return HitTop;
    }
    return HitNone;
}

void CVNQCanvas::DrawSelectionPoint(QPainter& painter, int x, int y, bool other)
{
    // The outline of a 5 x 5 rectangle under a one-pixel pen, edge by edge:
    // filled spans cost a fraction of a stroked outline, and every selected
    // control has eight handles.
    const QColor black(0, 0, 0);
    painter.fillRect(x - 3, y - 3, 6, 1, black);
    painter.fillRect(x - 3, y + 2, 6, 1, black);
    painter.fillRect(x - 3, y - 2, 1, 4, black);
    painter.fillRect(x + 2, y - 2, 1, 4, black);
    painter.fillRect(x - 2, y - 2, 3, 3, other ? QColor(197, 230, 255) : QColor(255, 255, 255));
}

void CVNQCanvas::paintEvent(QPaintEvent* event)
{
    // A paint the canvas asked for alone makes no picture but those known
    // to be stale. Any other (the host's repaint, a grab, the window
    // system's) makes the pictures it meets anew: their controls may have
    // changed without a word.
    const QRegion& region = event->region();
    QBackingStore* store = window()->backingStore();
    const bool onScreen = store && redirected(nullptr) == store->paintDevice();
    m_impl->remakeArea = !onScreen || !(region - m_impl->ownArea).isEmpty() ? region : QRegion();
    // A grab leaves the repaints still owed to the screen.
    if (onScreen)
        m_impl->ownArea = QRegion();
    pruneSelection();
    const QRegion changed = paintScene(region);
    m_impl->remakeArea = QRegion();
    if (!m_impl->settling.empty())
        settleLater();

    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = m_impl->scene.devicePixelRatio();
    painter.drawPixmap(QRectF(area), m_impl->scene,
                       QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    if (!m_impl->lift.picture.isNull())
        painter.drawPixmap(m_impl->lift.area.topLeft(), m_impl->lift.picture);
    // Controls on top of each other share handles: each is drawn once.
    std::unordered_set<quint64> drawn[2];
    bool primary = true;
    // Handles of a control moved or resized from code since they were drawn
    // go where it is now.
    QRegion handlesMoved;
    std::unordered_map<const QWidget*, QRect> handlesAt;
    for (const QPointer<QWidget>& s : m_impl->selection) {
        QWidget* w = s;
        const bool other = !primary;
        primary = false;
        if (!isAncestorOf(w))
            continue;
        const QRect r = onCanvas(w);
        const QRect marked = r.adjusted(-3, -3, 3, 3);
        auto was = m_impl->handlesAt.find(w);
        if (was != m_impl->handlesAt.end() && was->second != marked)
            handlesMoved += handleRing(was->second) + handleRing(marked);
        handlesAt.emplace(w, marked);
        if (!marked.intersects(area))
            continue;
        const int L = r.left(), T = r.top(), W = r.width(), H = r.height();
        const QPoint handles[] = {{L, T},         {L + W / 2, T}, {L + W, T},        {L, T + H}, {L + W / 2, T + H},
                                  {L + W, T + H}, {L, T + H / 2}, {L + W, T + H / 2}};
        for (const QPoint& h : handles) {
            const quint64 key = quint64(quint32(h.x())) << 32 | quint32(h.y());
            if (region.intersects(QRect(h.x() - 3, h.y() - 3, 6, 6)) && drawn[other].insert(key).second)
                DrawSelectionPoint(painter, h.x(), h.y(), other);
        }
    }
    // What changed elsewhere (a control placed anew by its container, a
    // picture made anew for a grab) shows as well.
    repaintOwn(onScreen ? changed - region : changed);
    if (onScreen) {
        m_impl->handlesAt = std::move(handlesAt);
        repaintOwn(handlesMoved);
    }
}

void CVNQCanvas::paintChild(QPainter& painter, const QPoint& offset, QWidget* w)
{
    std::vector<CVNQCanvasImpl::Placed> placed;
    m_impl->placeControls(placed, w, offset, rect());
    for (const CVNQCanvasImpl::Placed& p : placed) {
        // The canvas as last painted shows the picture it had.
        if (p.remade)
            m_impl->sceneValid -= p.visible;
        m_impl->drawPlaced(painter, p, rect());
    }
}

QRect CVNQCanvas::markedRect(QWidget* w) const
{
    return onCanvas(w).adjusted(-3, -3, 3, 3);
}

QRect CVNQCanvas::onCanvas(QWidget* w) const
{
    QWidget* parent = w->parentWidget();
    return CVNQCanvasImpl::drawnRect(w, parent ? parent->mapTo(this, QPoint(0, 0)) : QPoint(), m_impl->controlOf(w));
}

bool CVNQCanvas::moveControl(QWidget* w, const QRect& r, bool resize)
{
    ICVNQWidgetBase* control = m_impl->controlOf(w);
    if (!control) {
        if (resize)
            w->setGeometry(r);
        else
            w->move(r.topLeft());
        return true;
    }
    // A toolkit control placed by its absolute record gets record and
    // geometry together (what the canvas paints and a save writes); one
    // placed by its container keeps its place and its record.
    void* data = nullptr;
    control->getLayoutData(data);
    if (control->getLayoutType() != LayoutTypeAbsolute || !data || CVNQCanvasImpl::placedByParent(w, control))
        return false;
    int* record = static_cast<int*>(data);
    if (!resize && CVNQCanvasImpl::showsRecord(w, record)) {
        // A move changes where it is and nothing else: the record keeps its
        // size, which the widget's size limits may overrule (a chart's
        // minimum size is larger than most records).
        record[0] = r.x();
        record[1] = r.y();
        w->move(cvnClampToWidgetRange(r.x()), cvnClampToWidgetRange(r.y()));
        return true;
    }
    // A resize, or a record the page only noted (a bare x, y, w, h): the
    // record takes what the canvas shows.
    control->setGeometry(r.x(), r.y(), r.width(), r.height());
    return true;
}

void CVNQCanvas::mousePressEvent(QMouseEvent* event)
{
    CVNQCanvasImpl& d = *m_impl;
    d.pressPoint = event->pos();
    CVNQCanvasWindow* page = d.current;
    if (!page)
        return;
    pruneSelection();
    d.pressState = CVNQCanvasImpl::Pressed;
    d.dragMoved = false;
    d.hitCode = HitInSelected(event->x(), event->y());
    if (d.hitCode == HitBody) {
        const QPoint p = event->pos() - page->pos();
        if (!IsInSelected(page->HitTestWithChildren(page, p.x(), p.y())))
            d.hitCode = HitNone;
    }
    if (d.hitCode == HitNone)
        return;
    d.pressState = CVNQCanvasImpl::Dragging;
    d.startRects.clear();
    for (const QPointer<QWidget>& s : d.selection)
        d.startRects.push_back(s ? d.editedRect(s) : QRect());
}

void CVNQCanvas::mouseMoveEvent(QMouseEvent* event)
{
    CVNQCanvasImpl& d = *m_impl;
    d.lastPoint = event->pos();
    pruneSelection();
    if (d.pressState != CVNQCanvasImpl::Dragging || d.selection.empty())
        return;
    const int dx = event->x() - d.pressPoint.x();
    const int dy = event->y() - d.pressPoint.y();
    if (dx != 0 || dy != 0)
        d.dragMoved = true;
    for (const QPointer<QWidget>& s : d.selection) {
        if (s->parentWidget() == d.current.data())
            return;
    }

    std::vector<int> xs, ys;
    if (QWidget* parent = d.selection.front()->parentWidget()) {
        for (QObject* child : parent->children()) {
            QWidget* w = child->isWidgetType() ? static_cast<QWidget*>(child) : nullptr;
            const CVNQCanvasImpl::Picture* picture = w ? d.pictureOf(w) : nullptr;
            const bool target = picture ? picture->shown && !picture->markDelete
                                        : w && !w->property("MarkDelete").toBool() && shownFlag(w);
            if (!target || IsInSelected(w))
                continue;
            xs.push_back(w->x());
            ys.push_back(w->y());
        }
    }

    const int code = d.hitCode;
    const size_t count = std::min(d.selection.size(), d.startRects.size());
    // The selection moves as one: snapped once, by its bounding box.
    int moveX = dx, moveY = dy;
    if (code == HitBody && count > 0) {
        QRect box;
        for (size_t i = 0; i < count; ++i)
            box |= d.startRects[i];
        moveX = snapped(box.x() + dx, xs) - box.x();
        moveY = snapped(box.y() + dy, ys) - box.y();
        if (event->modifiers() == Qt::ShiftModifier) {
            if (std::abs(dx) <= std::abs(dy))
                moveX = 0;
            else
                moveY = 0;
        }
    }
    const bool left = code == HitLeft || code == HitTopLeft || code == HitBottomLeft;
    const bool right = code == HitRight || code == HitTopRight || code == HitBottomRight;
    const bool top = code == HitTop || code == HitTopLeft || code == HitTopRight;
    const bool bottom = code == HitBottom || code == HitBottomLeft || code == HitBottomRight;
    QRect changed;
    for (size_t i = 0; i < count; ++i) {
        const QRect& S = d.startRects[i];
        int x = S.x(), y = S.y(), w = S.width(), h = S.height();
        if (code == HitBody) {
            x += moveX;
            y += moveY;
        }
        if (left) {
            x = S.x() + dx;
            w = S.width() - dx;
        }
        if (right)
            w = S.width() + dx;
        if (top) {
            y = S.y() + dy;
            h = S.height() - dy;
        }
        if (bottom)
            h = S.height() + dy;
        if ((top || bottom) && h < kMinEditSize)
            h = kMinEditSize;
        if ((left || right) && w < kMinEditSize)
            w = kMinEditSize;
        QWidget* control = d.selection[i];
        const QRect before = markedRect(control);
        if (moveControl(control, QRect(x, y, w, h), code != HitBody))
            changed |= before | markedRect(control);
    }
    // A selection its containers hold in place still answers the drag
    // where the pointer is: at its primary control's handles.
    repaintOwn(changed.isEmpty() ? markedRect(d.selection.front()) : changed);
}

void CVNQCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    CVNQCanvasImpl& d = *m_impl;
    if (d.current) {
        // A press on the selection that never moved is a click as well.
        const bool click =
            d.pressState == CVNQCanvasImpl::Pressed || (d.pressState == CVNQCanvasImpl::Dragging && !d.dragMoved);
        if (click)
            clickAt(event->pos(), event->modifiers());
        else if (d.pressState == CVNQCanvasImpl::Dragging)
            draggedControlsPlaced();
    }
    d.pressState = CVNQCanvasImpl::Idle;
}

void CVNQCanvas::draggedControlsPlaced()
{
    // A scroll view's bars, say, follow what it holds.
    CVNQCanvasImpl& d = *m_impl;
    std::unordered_set<QWidget*> holders;
    for (size_t i = 0; i < std::min(d.selection.size(), d.startRects.size()); ++i) {
        QWidget* w = d.selection[i];
        QWidget* holder = w ? w->parentWidget() : nullptr;
        if (holder && d.editedRect(w) != d.startRects[i] && holders.insert(holder).second)
            pictureChanged(holder, true);
    }
}

void CVNQCanvas::clickAt(const QPoint& point, Qt::KeyboardModifiers modifiers)
{
    CVNQCanvasWindow* page = m_impl->current;
    const QPoint p = point - page->pos();
    QWidget* w = page->HitTestWithChildren(page, p.x(), p.y());
    if (!w)
        return;
    if (modifiers != Qt::ShiftModifier) {
        RemoveAllSelected();
        AddSelectedControl(w);
    } else if (!RemoveSelected(w)) {
        AddSelectedControl(w);
    }
}

void CVNQCanvas::prepareNewControl(QWidget* control, const QString& type, const QRect& geometry)
{
    // Names are unique in the whole page, so the page file names each
    // control once.
    CVNQCanvasWindow* page = m_impl->current;
    QWidget* parent = control->parentWidget();
    QWidget* scope = page && (parent == page || page->isAncestorOf(parent)) ? page : parent;
    auto taken = [scope, control](const QString& name) {
        for (QWidget* w : scope->findChildren<QWidget*>(name)) {
            if (w != control)
                return true;
        }
        return false;
    };
    QString name = QStringLiteral("%1%2").arg(type).arg(m_impl->nameCounter);
    while (taken(name))
        name = QStringLiteral("%1%2").arg(type).arg(++m_impl->nameCounter);
    control->setProperty("visibility", true);
    control->setObjectName(name);
    ++m_impl->nameCounter;
    ICVNQWidgetBase* base = dynamic_cast<ICVNQWidgetBase*>(control);
    base->setGeometry(geometry.x(), geometry.y(), geometry.width(), geometry.height());
    // Built as the page builds it when it runs: from the node a save writes
    // for it. Reading a node is more than the constructor does (a label
    // takes its text style then).
    Json::Value node(Json::objectValue);
    {
        CVNQWriteModeScope ownRecord(false, false);
        base->serializeJsonValue(&node, false);
    }
    base->readJsonValue(&node);
    base->createComplete();
    // A stack, splitter or scroll view takes it as a reopened page would: as
    // a page, a pane or the scrolled content, not as a control beside them.
    if (qobject_cast<CVNQStackContainer*>(parent) || qobject_cast<CVNQSplitter*>(parent) ||
        qobject_cast<CVNQScrollView*>(parent))
        dynamic_cast<ICVNQWidgetBase*>(parent)->createComplete();
    CVNQPageSource::markCreated(control);
    if (page && page->isAncestorOf(control))
        adoptControls(page, control);
    else
        control->setVisible(false);
    // On the page itself it sits where the page puts it when it runs.
    if (page && parent == page)
        fillPage(page, control);
}

// A new control of type under parent, or null (a widget that is no toolkit
// control is discarded).
static QWidget* createPageControl(const QString& type, QWidget* parent)
{
    const QByteArray name = type.toUtf8();
    QWidget* control = createControlByTypeName(name.constData(), parent);
    if (control && !dynamic_cast<ICVNQWidgetBase*>(control)) {
        delete control;
        return nullptr;
    }
    return control;
}

bool CVNQCanvas::createControl(const QString& type)
{
    pruneSelection();
    if (m_impl->selection.empty())
        return false;
    QWidget* control = createPageControl(type, m_impl->selection.front());
    if (!control)
        return false;
    prepareNewControl(control, type, QRect(0, 0, kNewControlSize, kNewControlSize));
    pictureChanged(control, true);
    return true;
}

void CVNQCanvas::dragEnterEvent(QDragEnterEvent* event)
{
    if (!dropTypeName(event->mimeData()).isNull())
        event->accept();
    else
        event->ignore();
}

void CVNQCanvas::dragMoveEvent(QDragMoveEvent* event)
{
    CVNQCanvasWindow* page = m_impl->current;
    if (dropTypeName(event->mimeData()).isNull() || !page) {
        event->ignore();
        return;
    }
    if (page->geometry().contains(event->pos()))
        event->accept();
    else
        event->ignore();
}

void CVNQCanvas::dropEvent(QDropEvent* event)
{
    const QString type = dropTypeName(event->mimeData());
    CVNQCanvasWindow* page = m_impl->current;
    if (type.isNull() || !page) {
        event->ignore();
        return;
    }
    const QPoint p = event->pos() - page->pos();
    QWidget* parent = page->HitTestWithChildren(page, p.x(), p.y());
    if (!parent)
        return;
    QWidget* control = createPageControl(type, parent);
    if (!control)
        return;
    const QPoint at = parent->mapFrom(this, event->pos());
    prepareNewControl(control, type, QRect(at, QSize(kNewControlSize, kNewControlSize)));
    event->acceptProposedAction();
    pictureChanged(control, true);
}

} // namespace CVNQtLib

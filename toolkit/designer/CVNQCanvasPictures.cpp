// The canvas's pictures of page controls: each control of a page is hidden
// as a live widget and painted from a picture made as it paints in a
// window: at its own size, with the inner widgets it made itself,
// transparent where it paints nothing. The page's other controls have
// pictures of their own, drawn over it in paint order. A picture is made
// anew when the control is known to change and where the canvas paints for
// a reason not its own (the control may have changed without a word); the
// canvas's own repaints only move pictures.

#include "CVNQCanvas.h"

#include "CVNQCanvasImpl.h"
#include "CVNQContainer.h"
#include "CVNQContainerImpl.h"
#include "CVNQDesignerEvents.h"
#include "ICVNQPictureSource.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShowEvent>
#include <QTimer>
#include <utility>
#include <QPainter>

namespace CVNQtLib {

namespace {

// Up to this many pixels a picture holds the whole control; a larger one
// holds only the part the canvas shows, so that a huge control costs no
// more memory than the canvas.
constexpr qint64 kWholePictureArea = 1024 * 1024;

// Qt shows the inner widgets a control made (a spin box's editor) when the
// control is first shown; page controls never are, so their inner widgets
// are given the state they have in a window whose page was shown once.
void revealInnerWidgets(QWidget* w, const CVNQCanvasImpl& d)
{
    for (QObject* child : w->children()) {
        if (!child->isWidgetType())
            continue;
        QWidget* cw = static_cast<QWidget*>(child);
        if (cw->isWindow() || d.pictures.count(cw) != 0 || cw->testAttribute(Qt::WA_WState_ExplicitShowHide))
            continue;
        if (cw->isHidden()) {
            cw->setAttribute(Qt::WA_WState_Hidden, false);
            QShowEvent show;
            QCoreApplication::sendEvent(cw, &show);
        }
        revealInnerWidgets(cw, d);
    }
}

CVNQCanvasWindow* pageOf(QWidget* w, const QWidget* canvas)
{
    while (w && w->parentWidget() != canvas)
        w = w->parentWidget();
    return static_cast<CVNQCanvasWindow*>(w);
}

} // namespace

void CVNQCanvas::adoptControls(CVNQCanvasWindow* page, QWidget* w)
{
    if (w != page && CVNQCanvasWindow::isPageControl(w) && !m_impl->pictureOf(w)) {
        // What the page did not hide is what it shows when it runs.
        page->setShownWhenRun(w, !(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)));
        CVNQCanvasImpl::Picture& picture = m_impl->pictures[w];
        picture.control = dynamic_cast<ICVNQWidgetBase*>(w);
        CVNQCanvasImpl::readFlags(w, picture);
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this](QObject* o) {
            // Its parent control repaints on losing it; a top control of
            // the page has none.
            auto it = m_impl->pictures.find(static_cast<QWidget*>(o));
            if (it == m_impl->pictures.end())
                return;
            if (!it->second.drawnAt.isEmpty())
                repaintOwn(it->second.drawnAt.adjusted(-3, -3, 3, 3));
            m_impl->pictures.erase(it);
            auto handles = m_impl->handlesAt.find(static_cast<QWidget*>(o));
            if (handles != m_impl->handlesAt.end()) {
                repaintOwn(handleRing(handles->second));
                m_impl->handlesAt.erase(handles);
            }
        });
        keepHidden(w);
    }
    for (QObject* child : w->children()) {
        if (child->isWidgetType())
            adoptControls(page, static_cast<QWidget*>(child));
    }
}

void CVNQCanvas::fillPage(CVNQCanvasWindow* page, QWidget* control)
{
    // A window's top container placed by a record (or by nothing) fills
    // the window whatever its record says. Nested controls are left where
    // the page put them, as a window does: their bare x, y, w, h are only
    // recorded, and their containers place them.
    ICVNQWidgetBase* top = dynamic_cast<ICVNQWidgetBase*>(control);
    if (top && control->parentWidget() == page && qobject_cast<CVNQContainer*>(control) &&
        (top->getLayoutType() == LayoutTypeUnset || top->getLayoutType() == LayoutTypeAbsolute))
        top->setGeometry(0, 0, page->width(), page->height());
}

void CVNQCanvas::pageEdited(CVNQCanvasWindow* page)
{
    // Its size rows resize it, which a hidden widget tells nobody: its top
    // container fills it again as a window's does, and the bars and the
    // centring follow its new size.
    for (QWidget* top : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        fillPage(page, top);
    m_impl->markPageStale(page);
    if (page != m_impl->current)
        return;
    UpdateScrollBar();
    repaintOwn(rect());
}

void CVNQCanvas::keepHidden(QWidget* control)
{
    const bool saved = m_impl->hidingControl;
    m_impl->hidingControl = true;
    control->setVisible(false);
    m_impl->hidingControl = saved;
}

bool CVNQCanvas::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* w = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
    CVNQCanvasImpl::Picture* picture = w ? m_impl->pictureOf(w) : nullptr;
    if (!picture) {
        if (w && event->type() == cvnPropertyEditedEvent() && m_impl->files.count(static_cast<CVNQCanvasWindow*>(w)))
            pageEdited(static_cast<CVNQCanvasWindow*>(w));
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (!m_impl->hidingControl) {
            // Shown by the Visibility row or by its parent control (a stack
            // showing its page): that is what the page shows, never a live
            // widget on the canvas.
            const bool shown = event->type() == QEvent::ShowToParent;
            if (CVNQCanvasWindow* page = pageOf(w, this))
                page->setShownWhenRun(w, shown);
            if (shown)
                keepHidden(w);
            pictureChanged(w, false);
        }
        break;
    case QEvent::DynamicPropertyChange:
        // Where its container put it, which its picture does not show.
        if (static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kCvnBaseGeometryProperty)
            break;
        CVNQCanvasImpl::readFlags(w, *picture);
        pictureChanged(w, false);
        break;
    case QEvent::FontChange:
    case QEvent::EnabledChange:
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::LanguageChange:
    case QEvent::LocaleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ContentsRectChange:
    case QEvent::ReadOnlyChange:
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved: pictureChanged(w, false); break;
    default:
        // A grid edit may move or resize the control as well, and the
        // controls holding it may show that (a scroll view's bars).
        if (event->type() == cvnPropertyEditedEvent())
            pictureChanged(w, true);
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CVNQCanvas::repaintOwn(const QRegion& area)
{
    // Nothing is painted for a canvas not shown; its next paint is the
    // window system's.
    const QRegion inside = area & rect();
    if (inside.isEmpty() || !isVisible())
        return;
    QRegion& own = m_impl->ownArea;
    // Asked for already (controls on top of each other selected). Whole:
    // QRegion::contains(QRect) tells only that they meet.
    if ((inside - own).isEmpty())
        return;
    own += inside;
    // Many scattered repaints (a large selection) become one rectangle
    // holding them all, which costs Qt and the paint less than their union.
    constexpr int kMaxOwnRects = 256;
    if (own.rectCount() > kMaxOwnRects) {
        own = own.boundingRect();
        update(own.boundingRect());
        return;
    }
    update(inside);
}

void CVNQCanvas::pictureChanged(QWidget* w, bool ancestors)
{
    QRegion area;
    for (QWidget* c = w; c && c != this && c->parentWidget() != this; c = c->parentWidget()) {
        if (CVNQCanvasImpl::Picture* picture = m_impl->pictureOf(c)) {
            picture->stale = true;
            area += drawnArea(c);
        }
        if (!ancestors)
            break;
    }
    repaintOwn(area);
    settleLater();
}

void CVNQCanvas::settleLater()
{
    // Containers lay a changed child out again on a posted call, moving it
    // and its siblings as hidden widgets, and controls lay out the widgets
    // they hold, which tells nobody: look again once that has run (the
    // scene finds what moved), with the pictures a change remade made anew.
    // A zero timer runs after those that the change or its render started.
    if (m_impl->settleQueued)
        return;
    m_impl->settleQueued = true;
    QTimer::singleShot(0, this, [this]() {
        m_impl->settleQueued = false;
        for (const QPointer<QWidget>& w : std::exchange(m_impl->settling, {})) {
            if (CVNQCanvasImpl::Picture* picture = w ? m_impl->pictureOf(w) : nullptr)
                picture->stale = picture->settling = true;
        }
        repaintOwn(rect());
    });
}

QRegion CVNQCanvas::drawnArea(QWidget* w)
{
    const CVNQCanvasImpl::Picture* picture = m_impl->pictureOf(w);
    // With its handles, when it is selected.
    QRect area = picture && !picture->drawnAt.isEmpty() ? picture->drawnAt.adjusted(-3, -3, 3, 3) : QRect();
    if (isAncestorOf(w))
        area |= markedRect(w);
    return area;
}

QRegion CVNQCanvas::handleRing(const QRect& marked)
{
    // Each handle reaches 3 pixels to either side of the edge it sits on.
    return QRegion(marked) - QRegion(marked.adjusted(6, 6, -6, -6));
}

QRegion CVNQCanvas::handlesArea(QWidget* w) const
{
    if (!w)
        return QRegion();
    // Where they were last drawn too: the control may have moved or changed
    // its size from code since.
    auto drawn = m_impl->handlesAt.find(w);
    QRegion area = drawn != m_impl->handlesAt.end() ? handleRing(drawn->second) : QRegion();
    if (isAncestorOf(w))
        area += handleRing(markedRect(w));
    return area;
}

bool CVNQCanvasImpl::makePicture(QWidget* w, const QRect& r, const QRect& visible)
{
    Picture& picture = pictures[w];
    picture.drawnAt = r;
    const QRect needed = visible.translated(-r.topLeft());
    const bool changed = picture.stale || picture.size != r.size() || remakeArea.intersects(visible);
    if ((picture.stale || picture.size != r.size()) && !picture.pixmap.isNull() && !picture.settling)
        settling.emplace_back(w);
    picture.settling = false;
    if (!changed && picture.part.contains(needed))
        return false;
    const bool whole = qint64(r.width()) * r.height() <= kWholePictureArea;
    const QRect part = whole ? QRect(QPoint(), r.size()) : needed;
    const qreal ratio = m_owner->devicePixelRatioF();
    QPixmap pixmap(part.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (picture.pixmap.isNull()) {
        // A control finishes its look when shown (a spin box writes its
        // value into its editor then).
        QShowEvent show;
        QCoreApplication::sendEvent(w, &show);
    }
    if (ICVNQPictureSource* source = dynamic_cast<ICVNQPictureSource*>(w)) {
        // Rendering it gives nothing: it paints itself, at the size drawn.
        QPainter p(&pixmap);
        p.translate(-part.topLeft());
        p.setClipRect(part);
        source->paintPicture(&p, QRect(QPoint(), r.size()));
    } else {
        revealInnerWidgets(w, *this);
        // Rendering delivers the resize a hidden control still owes
        // itself, and with it the layout of its children.
        w->render(&pixmap, QPoint(), QRegion(part), QWidget::DrawChildren);
    }
    // Made anew as it was (a container whose child changed, say): the canvas
    // shows the same.
    const bool same =
        picture.part == part && picture.pixmap.size() == pixmap.size() && picture.pixmap.toImage() == pixmap.toImage();
    picture.pixmap = pixmap;
    picture.part = part;
    picture.size = r.size();
    picture.stale = false;
    // Only a larger part of an unchanged control: it shows what it showed.
    return changed && !same;
}

void CVNQCanvasImpl::drawPlaced(QPainter& painter, const Placed& placed, const QRect& clip) const
{
    auto it = pictures.find(placed.widget);
    const QRect shown = placed.visible & clip;
    if (it == pictures.end() || shown.isEmpty())
        return;
    const Picture& picture = it->second;
    const qreal ratio = picture.pixmap.devicePixelRatio();
    const QRect needed = shown.translated(-placed.rect.topLeft());
    const QRectF source(QPointF(needed.topLeft() - picture.part.topLeft()) * ratio, QSizeF(needed.size()) * ratio);
    painter.drawPixmap(QRectF(shown), picture.pixmap, source);
}

} // namespace CVNQtLib

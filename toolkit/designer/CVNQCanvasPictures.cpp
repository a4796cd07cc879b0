// The canvas's pictures of page controls: each control of a page is hidden
// as a live widget and painted from a picture made as it paints in a
// window: at its own size, with the inner widgets it made itself,
// transparent where it paints nothing. The page's other controls have
// pictures of their own, drawn over it in paint order. A picture is made
// anew with every paint (the control may have changed without a word) but
// while a drag moves controls, and when the control is known to change.

#include "CVNQCanvas.h"

#include "CVNQCanvasImpl.h"
#include "CVNQContainer.h"
#include "CVNQDesignerEvents.h"
#include "ICVNQPictureSource.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShowEvent>
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
        CVNQCanvasImpl::readFlags(w, m_impl->pictures[w]);
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this](QObject* o) { m_impl->pictures.erase(static_cast<QWidget*>(o)); });
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
    if (!picture)
        return QWidget::eventFilter(watched, event);
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
            picture->stale = true;
            update();
        }
        break;
    case QEvent::DynamicPropertyChange:
        CVNQCanvasImpl::readFlags(w, *picture);
        picture->stale = true;
        update();
        break;
    case QEvent::FontChange:
    case QEvent::EnabledChange:
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::LanguageChange:
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
        picture->stale = true;
        update();
        break;
    default:
        if (event->type() == cvnPropertyEditedEvent()) {
            picture->stale = true;
            update();
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CVNQCanvas::paintControl(QPainter& painter, const QPoint& offset, QWidget* w, const QRect& clip)
{
    const CVNQCanvasImpl::Picture* picture = m_impl->pictureOf(w);
    if (picture) {
        CVNQCanvasWindow* page = m_impl->current;
        if (!picture->shown || (page && !page->isShownWhenRun(w)))
            return;
    } else if (w->isHidden() || w->isWindow()) {
        return;
    }
    const QRect r = picture ? CVNQCanvasImpl::drawnRect(w, offset) : w->geometry().translated(offset);
    const QRect visible = r & clip;
    if (visible.isEmpty())
        return;
    if (picture)
        drawPicture(painter, w, r, visible);
    // Children only inside their parent, later ones over earlier ones.
    const QObjectList& children = w->children();
    for (QObject* child : children) {
        if (child->isWidgetType())
            paintControl(painter, r.topLeft(), static_cast<QWidget*>(child), visible);
    }
}

void CVNQCanvas::drawPicture(QPainter& painter, QWidget* w, const QRect& r, const QRect& visible)
{
    CVNQCanvasImpl::Picture& picture = m_impl->pictures[w];
    const QRect needed = visible.translated(-r.topLeft());
    if (m_impl->remakePictures || picture.stale || picture.size != r.size() || !picture.part.contains(needed)) {
        const bool whole = qint64(r.width()) * r.height() <= kWholePictureArea;
        const QRect part = whole ? QRect(QPoint(), r.size()) : needed;
        const qreal ratio = devicePixelRatioF();
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
            revealInnerWidgets(w, *m_impl);
            // Rendering delivers the resize a hidden control still owes
            // itself, and with it the layout of its children.
            w->render(&pixmap, QPoint(), QRegion(part), QWidget::DrawChildren);
        }
        picture.pixmap = pixmap;
        picture.part = part;
        picture.size = r.size();
        picture.stale = false;
    }
    const QRectF source(QPointF(needed.topLeft() - picture.part.topLeft()) * picture.pixmap.devicePixelRatio(),
                        QSizeF(needed.size()) * picture.pixmap.devicePixelRatio());
    painter.drawPixmap(QRectF(visible), picture.pixmap, source);
}

} // namespace CVNQtLib

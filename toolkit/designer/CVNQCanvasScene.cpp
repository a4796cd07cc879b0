// The canvas as last painted: the page's controls placed in paint order and
// their pictures composed on the gray ground, kept between paints. A paint
// places the controls anew and composes only where the canvas now shows
// otherwise: where a control came, went or moved (told or not), where a
// picture was made anew, and where nothing was composed yet. The handles
// are drawn over it on each paint. While a drag moves controls of one
// parent, those are composed into a picture of their own, drawn over the
// rest, which then stays as it is.

#include "CVNQCanvas.h"

#include "CVNQCanvasImpl.h"

#include <QPainter>
#include <algorithm>

namespace CVNQtLib {

namespace {

QRegion unite(const std::vector<QRect>& rects)
{
    // Past a few dozen, the union costs more than composing what lies
    // between them.
    constexpr size_t kMaxRects = 64;
    if (rects.size() > kMaxRects) {
        QRect bounds;
        for (const QRect& r : rects)
            bounds |= r;
        return bounds;
    }
    QRegion out;
    for (const QRect& r : rects)
        out += r;
    return out;
}

bool samePlace(const CVNQCanvasImpl::Placed& a, const CVNQCanvasImpl::Placed& b, const QPoint& shift = QPoint())
{
    return a.widget == b.widget && a.rect == b.rect.translated(shift) && a.visible == b.visible.translated(shift);
}

} // namespace

void CVNQCanvasImpl::placeControls(std::vector<Placed>& out, QWidget* w, const QPoint& offset, const QRect& clip)
{
    if (lift.members.count(w) != 0) {
        if (lift.at == Lift::kNowhere)
            lift.at = out.size();
        return;
    }
    placeControl(out, w, offset, clip);
}

void CVNQCanvasImpl::placeControl(std::vector<Placed>& out, QWidget* w, const QPoint& offset, const QRect& clip)
{
    const Picture* picture = pictureOf(w);
    if (picture) {
        if (!picture->shown || (current && !current->isShownWhenRun(w)))
            return;
    } else if (w->isHidden() || w->isWindow()) {
        return;
    }
    const QRect r = picture ? drawnRect(w, offset, picture->control) : w->geometry().translated(offset);
    const QRect visible = r & clip;
    if (visible.isEmpty())
        return;
    if (w == lift.parent) {
        lift.parentOrigin = r.topLeft();
        lift.clip = visible;
    }
    // Made before its children are placed: making it delivers the resize
    // it still owes itself, which places them.
    if (picture)
        out.push_back({w, r, visible, makePicture(w, r, visible)});
    // Children only inside their parent, later ones over earlier ones.
    const QObjectList children = w->children();
    for (QObject* child : children) {
        if (child->isWidgetType())
            placeControls(out, static_cast<QWidget*>(child), r.topLeft(), visible);
    }
}

void CVNQCanvasImpl::liftMovingControls()
{
    lift.members.clear();
    lift.parent = nullptr;
    lift.at = Lift::kNowhere;
    lift.clip = QRect();
    // Resizing changes the pictures themselves.
    if (pressState != Dragging || !dragMoved || hitCode != HitBody)
        return;
    for (size_t i = 0; i < std::min(selection.size(), startRects.size()); ++i) {
        QWidget* w = selection[i];
        if (!w || !pictureOf(w) || editedRect(w) == startRects[i])
            continue;
        if (lift.parent && w->parentWidget() != lift.parent) {
            lift.members.clear();
            lift.parent = nullptr;
            return;
        }
        lift.parent = w->parentWidget();
        lift.members.insert(w);
    }
}

std::vector<CVNQCanvasImpl::Placed> CVNQCanvasImpl::placeLifted()
{
    std::vector<Placed> out;
    const QObjectList children = lift.parent->children();
    for (QObject* child : children) {
        QWidget* w = child->isWidgetType() ? static_cast<QWidget*>(child) : nullptr;
        if (w && lift.members.count(w) != 0)
            placeControl(out, w, lift.parentOrigin, lift.clip);
    }
    return out;
}

QRegion CVNQCanvasImpl::composeLifted(const std::vector<Placed>& placed)
{
    QRect area;
    bool remade = false;
    for (const Placed& p : placed) {
        area |= p.visible;
        remade = remade || p.remade;
    }
    const QRect before = lift.area;
    lift.area = area;
    if (area.isEmpty()) {
        lift.picture = QPixmap();
        lift.placed.clear();
        return before;
    }
    // The same controls at the same places among themselves: the picture
    // only moves.
    lift.pictureAt = lift.at;
    const QPoint shift = area.topLeft() - lift.origin;
    if (!remade && placed.size() == lift.placed.size() && !lift.picture.isNull() &&
        std::equal(placed.begin(), placed.end(), lift.placed.begin(),
                   [&shift](const Placed& a, const Placed& b) { return samePlace(a, b, shift); })) {
        lift.origin = area.topLeft();
        lift.placed = placed;
        return before != area ? QRegion(before) + area : QRegion();
    }
    const qreal ratio = m_owner->devicePixelRatioF();
    QPixmap picture(area.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.translate(-area.topLeft());
    for (const Placed& p : placed)
        drawPlaced(painter, p, area);
    painter.end();
    lift.picture = picture;
    lift.origin = area.topLeft();
    lift.placed = placed;
    return QRegion(before) + area;
}

QRegion CVNQCanvas::paintScene(const QRegion& region)
{
    CVNQCanvasImpl& d = *m_impl;
    const qreal ratio = devicePixelRatioF();
    if (d.scene.size() != size() * ratio || !qFuzzyCompare(d.scene.devicePixelRatio(), ratio)) {
        d.scene = QPixmap(size() * ratio);
        d.scene.setDevicePixelRatio(ratio);
        d.sceneValid = QRegion();
    }
    auto placePage = [this, &d] {
        std::vector<CVNQCanvasImpl::Placed> out;
        if (CVNQCanvasWindow* page = d.current) {
            const QObjectList children = page->children();
            for (QObject* child : children) {
                if (child->isWidgetType())
                    d.placeControls(out, static_cast<QWidget*>(child), page->pos(), rect());
            }
        }
        return out;
    };
    d.liftMovingControls();
    std::vector<CVNQCanvasImpl::Placed> placed = placePage();
    std::vector<CVNQCanvasImpl::Placed> lifted;
    if (!d.lift.members.empty()) {
        // Drawn over the rest only when nothing painted after them meets
        // them (and only when they are shown at all).
        if (d.lift.at != CVNQCanvasImpl::Lift::kNowhere)
            lifted = d.placeLifted();
        QRect area;
        for (const CVNQCanvasImpl::Placed& p : lifted)
            area |= p.visible;
        const bool over = !area.isEmpty() &&
                          std::none_of(placed.begin() + long(d.lift.at), placed.end(),
                                       [&area](const CVNQCanvasImpl::Placed& p) { return p.visible.intersects(area); });
        if (!over) {
            d.lift.members.clear();
            lifted.clear();
            placed = placePage();
        }
    }
    d.lift.members.clear();

    // Controls put down where their picture showed them last: the picture
    // goes into the scene (composing them over it comes to the same).
    std::vector<CVNQCanvasImpl::Placed> before = std::move(d.placed);
    if (lifted.empty() && !d.lift.picture.isNull() && d.lift.pictureAt <= before.size() &&
        placed.size() == before.size() + d.lift.placed.size()) {
        std::vector<CVNQCanvasImpl::Placed> merged(before.begin(), before.begin() + long(d.lift.pictureAt));
        merged.insert(merged.end(), d.lift.placed.begin(), d.lift.placed.end());
        merged.insert(merged.end(), before.begin() + long(d.lift.pictureAt), before.end());
        if (std::equal(placed.begin(), placed.end(), merged.begin(),
                       [](const auto& is, const auto& was) { return !is.remade && samePlace(was, is); })) {
            QPainter painter(&d.scene);
            painter.drawPixmap(d.lift.area.topLeft(), d.lift.picture);
            before = std::move(merged);
        }
    }

    // What the scene shows otherwise now.
    std::vector<QRect> changes;
    for (size_t i = 0; i < std::max(before.size(), placed.size()); ++i) {
        const CVNQCanvasImpl::Placed* was = i < before.size() ? &before[i] : nullptr;
        const CVNQCanvasImpl::Placed* is = i < placed.size() ? &placed[i] : nullptr;
        if (was && is && !is->remade && samePlace(*was, *is))
            continue;
        if (was)
            changes.push_back(was->visible);
        if (is)
            changes.push_back(is->visible);
    }
    QRegion changed = unite(changes);
    changed += region - d.sceneValid;
    changed &= rect();
    if (!changed.isEmpty()) {
        QPainter painter(&d.scene);
        painter.setClipRegion(changed);
        const QRect bounds = changed.boundingRect();
        painter.fillRect(bounds, Qt::gray);
        for (const CVNQCanvasImpl::Placed& p : placed) {
            if (p.visible.intersects(bounds) && changed.intersects(p.visible))
                d.drawPlaced(painter, p, bounds);
        }
        d.sceneValid += changed;
    }
    d.placed = std::move(placed);
    return changed + d.composeLifted(lifted);
}

} // namespace CVNQtLib

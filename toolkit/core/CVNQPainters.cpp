// The shared painters of CVNQWidgetBaseImpl: every control paints its
// backgrounds, images, icons and texts through these, so a theme looks the
// same on all of them.

#include "CVNQPainters.h"

#include "CVNQResourceManager.h"
#include "CVNQTextLayoutCache.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQtLib.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QCache>
#include <QDataStream>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace CVNQtLib {

QPainterPath makeRoundedPath(const QRectF& rect, qreal radius, bool topLeft, bool topRight, bool bottomRight,
                             bool bottomLeft)
{
    QPainterPath path;
    if (!rect.isValid())
        return path;
    const qreal r = std::max(std::min(radius, std::min(rect.width(), rect.height()) / 2.0), 0.0);
    if (r == 0.0) {
        path.addRect(rect);
        return path;
    }
    const qreal d = 2.0 * r;
    const qreal left = rect.left();
    const qreal top = rect.top();
    const qreal right = rect.right();
    const qreal bottom = rect.bottom();

    path.moveTo(left + (topLeft ? r : 0.0), top);
    if (topRight) {
        path.lineTo(right - r, top);
        path.arcTo(QRectF(right - d, top, d, d), 90.0, -90.0);
    } else {
        path.lineTo(right, top);
    }
    if (bottomRight) {
        path.lineTo(right, bottom - r);
        path.arcTo(QRectF(right - d, bottom - d, d, d), 0.0, -90.0);
    } else {
        path.lineTo(right, bottom);
    }
    if (bottomLeft) {
        path.lineTo(left + r, bottom);
        path.arcTo(QRectF(left, bottom - d, d, d), 270.0, -90.0);
    } else {
        path.lineTo(left, bottom);
    }
    if (topLeft) {
        path.lineTo(left, top + r);
        path.arcTo(QRectF(left, top, d, d), 180.0, -90.0);
    } else {
        path.lineTo(left, top);
    }
    path.closeSubpath();
    return path;
}

void cvnDrawRenderedSvg(QPainter* painter, const QString& name, const QRect& target, const QColor& tint, bool gray)
{
    const QRect shown = target & cvnPaintableRect(painter);
    if (shown.isEmpty())
        return;
    const QImage* image = CVNQResourceManager::getInstance()->getRenderedSvg(
        name, target.size(), shown.translated(-target.topLeft()), tint, gray,
        painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
    if (image)
        painter->drawImage(shown.topLeft(), *image);
}

int cvnStylePixelSize(int size)
{
    return std::min(size, 32767);
}

QRect cvnPaintableRect(const QPainter* painter)
{
    // Far beyond any widget, yet safe to add a widget's size to.
    const QRect unbounded(-(1 << 28), -(1 << 28), 1 << 29, 1 << 29);
    if (!painter || !painter->isActive())
        return unbounded;
    QRectF area;
    QPaintEngine* engine = painter->paintEngine();
    const QRegion system = engine ? engine->systemClip() : QRegion();
    const QPaintDevice* device = painter->device();
    if (!system.isEmpty())
        area = system.boundingRect(); // device coordinates, as the transform's
    else if (device && (device->devType() == QInternal::Image || device->devType() == QInternal::Pixmap))
        area = QRectF(0, 0, device->width(), device->height());
    bool invertible = false;
    const QTransform toLogical = painter->deviceTransform().inverted(&invertible);
    QRectF logical = area.isEmpty() || !invertible ? QRectF(unbounded) : toLogical.mapRect(area);
    if (painter->hasClipping())
        logical &= painter->clipBoundingRect();
    if (logical.isEmpty())
        return QRect();
    return logical.toAlignedRect() & unbounded;
}

namespace {

CVNQResourceManager* resources()
{
    return CVNQResourceManager::getInstance();
}

bool isSvgName(const QString& trimmedName)
{
    return trimmedName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// Alignment inside the rectangle, then the offsets. Unknown alignments put
// the item at coordinate 0 of that axis.
QPoint placeItem(const IconStyleDesc& placement, int x, int y, int w, int h, const QSize& size)
{
    int px = 0;
    if (placement.hor == 0)
        px = x;
    else if (placement.hor == 1)
        px = x + (w - size.width()) / 2;
    else if (placement.hor == 2)
        px = x + w - size.width();
    int py = 0;
    if (placement.ver == 0)
        py = y;
    else if (placement.ver == 1)
        py = y + (h - size.height()) / 2;
    else if (placement.ver == 2)
        py = y + h - size.height();
    return QPoint(px + placement.x, py + placement.y);
}

int textAlignment(const TextStyleDesc& style)
{
    int align = 0;
    switch (style.hor) {
    case 1: align |= Qt::AlignHCenter; break;
    case 2: align |= Qt::AlignRight; break;
    default: align |= Qt::AlignLeft; break;
    }
    switch (style.ver) {
    case 0: align |= Qt::AlignTop; break;
    case 2: align |= Qt::AlignBottom; break;
    default: align |= Qt::AlignVCenter; break;
    }
    return align;
}

// Whether logical pixels are device pixels, shifted by whole pixels only:
// then a pixel rectangle in logical coordinates is one on the device.
bool pixelAligned(const QPainter* painter)
{
    const QTransform& t = painter->deviceTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

// Where a fill paints every pixel fully and its border reaches none:
// `band` pixels inside `box`, and near a rounded corner (clockwise from
// top-left) no farther than `inner` from the point `radius` inside both of
// the corner's sides, the centre of its arc.
struct FillCore
{
    QRect box;
    int band = 0;
    bool rounded[4] = {false, false, false, false};
    int radius = 0;
    qreal inner = -1;
};

// Whether a paint that reaches no further than `area` stays in the core of a
// fill. There a plain fill paints the very pixels the rounded one does; a
// table cell's repaint inside a rounded card is the usual case.
bool insideCore(const QRect& area, const FillCore& core)
{
    const QRect& b = core.box;
    const int band = core.band;
    if (area.isEmpty() || !b.adjusted(band, band, -band, -band).contains(area))
        return false;
    // Continuous edges; per corner, how far the area's farthest point within
    // the corner's square lies from the arc centre, along each side.
    const int r = core.radius;
    const int left = area.left(), top = area.top(), right = area.right() + 1, bottom = area.bottom() + 1;
    const int cl = b.left() + r, ct = b.top() + r, cr = b.right() + 1 - r, cb = b.bottom() + 1 - r;
    const int square = r + band; // the stroke's arc ends up to half its width past the centre
    const bool nearLeft = left < b.left() + square;
    const bool nearTop = top < b.top() + square;
    const bool nearRight = right > b.right() + 1 - square;
    const bool nearBottom = bottom > b.bottom() + 1 - square;
    const bool near[4] = {nearLeft && nearTop, nearRight && nearTop, nearRight && nearBottom, nearLeft && nearBottom};
    const int dx[4] = {cl - left, right - cr, right - cr, cl - left};
    const int dy[4] = {ct - top, ct - top, bottom - cb, bottom - cb};
    for (int i = 0; i < 4; ++i) {
        if (core.rounded[i] && near[i] && std::hypot(std::max(dx[i], 0), std::max(dy[i], 0)) > core.inner)
            return false;
    }
    return true;
}

// What a paint can reach, split into the rectangles that lie in the core
// of a fill and at most one that does not. A widget repaint covers a region
// of several rectangles, such as the changed cells of a table, of which one
// may reach an edge or a corner while the others do not. `known` is false
// when no such split exists: then the fill is painted the plain way.
struct ReachSplit
{
    QVector<QRect> core;
    QRect rest;
    bool known = false;
};

ReachSplit splitReach(const QPainter* painter, const QRect& reach, const FillCore& core)
{
    ReachSplit split;
    if (reach.isEmpty())
        return split;
    if (insideCore(reach, core)) {
        split.core.append(reach);
        split.known = true;
        return split;
    }
    const QPaintEngine* engine = painter->paintEngine();
    const QRegion system = engine ? engine->systemClip() : QRegion();
    if (system.rectCount() < 2)
        return split;
    const QPoint toLogical(-int(painter->deviceTransform().dx()), -int(painter->deviceTransform().dy()));
    for (const QRect& part : system) {
        const QRect logical = part.translated(toLogical) & reach;
        if (logical.isEmpty())
            continue;
        if (insideCore(logical, core)) {
            split.core.append(logical);
        } else if (split.rest.isNull()) {
            split.rest = logical;
        } else {
            // Clipping a rounded fill to a region of rectangles costs more
            // than it saves.
            split.core.clear();
            return split;
        }
    }
    split.known = !split.core.isEmpty();
    return split;
}

// The pen a fill's border is drawn with.
QPen borderPen(const FillRes& fill)
{
    return QPen(fill.borderclr, fill.borderSize, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// The rectangle a rounded fill covers: inside half the border pen when
// there is a border.
QRectF roundedFillRect(const FillRes& fill, int x, int y, int w, int h)
{
    const int bs = fill.borderSize;
    if (!fill.border || bs <= 0)
        return QRectF(x, y, w, h);
    const qreal half = bs * 0.5;
    return QRectF(x + half, y + half, std::max(w - bs, 0), std::max(h - bs, 0));
}

// The brush of a rounded fill: its colour, or its horizontal gradient
// across the filled rectangle.
QBrush shapeBrush(const FillRes& fill, const QRectF& fillRect)
{
    if (!fill.gradient)
        return QBrush(fill.clr);
    QLinearGradient g(fillRect.topLeft(), fillRect.topRight());
    g.setColorAt(0.0, fill.clr);
    g.setColorAt(1.0, fill.clr2);
    return QBrush(g);
}

// A rounded fill and its border, antialiased, with the painter's pen set to
// the border pen.
void paintRoundedShape(QPainter* painter, const FillRes& fill, int x, int y, int w, int h)
{
    const int bs = fill.borderSize;
    const qreal half = bs > 0 ? bs * 0.5 : 0.0;
    const bool drawBorder = fill.border && bs > 0;
    const QRectF fillRect = roundedFillRect(fill, x, y, w, h);
    const qreal radius = drawBorder ? std::max(fill.round - half, 0.0) : qreal(fill.round);
    painter->fillPath(makeRoundedPath(fillRect, radius, fill.roundTopLeft, fill.roundTopRight, fill.roundBottomRight,
                                      fill.roundBottomLeft),
                      shapeBrush(fill, fillRect));
    if (!drawBorder)
        return;
    if (fill.leftBorder && fill.topBorder && fill.rightBorder && fill.bottomBorder) {
        painter->strokePath(makeRoundedPath(fillRect, fill.round, fill.roundTopLeft, fill.roundTopRight,
                                            fill.roundBottomRight, fill.roundBottomLeft),
                            painter->pen());
        return;
    }
    const qreal rTL = fill.roundTopLeft ? fill.round : 0;
    const qreal rTR = fill.roundTopRight ? fill.round : 0;
    const qreal rBR = fill.roundBottomRight ? fill.round : 0;
    const qreal rBL = fill.roundBottomLeft ? fill.round : 0;
    if (fill.bottomBorder)
        painter->drawLine(QPointF(x + std::max(rBL, half), y + h - half),
                          QPointF(x + w - std::max(rBR, half), y + h - half));
    if (fill.topBorder)
        painter->drawLine(QPointF(x + std::max(rTL, half), y + half), QPointF(x + w - std::max(rTR, half), y + half));
    if (fill.rightBorder)
        painter->drawLine(QPointF(x + w - half, y + std::max(rTR, half)),
                          QPointF(x + w - half, y + h - std::max(rBR, half)));
    if (fill.leftBorder)
        painter->drawLine(QPointF(x + half, y + std::max(rTL, half)), QPointF(x + half, y + h - std::max(rBL, half)));
}

// Rounded fills of control size, rendered once per look and size: a page
// of a thousand themed buttons and edits has a handful of them, and a blit
// costs a fraction of rasterising the outline and the border every paint.
constexpr int kMostShapePixels = 256 * 256;
constexpr int kShapeCacheBytes = 16 * 1024 * 1024;

const QImage* renderedShape(const FillRes& fill, int w, int h)
{
    if (w <= 0 || h <= 0 || w > kMostShapePixels / h)
        return nullptr;
    static QCache<QByteArray, QImage> shapes(kShapeCacheBytes);
    QByteArray key;
    key.reserve(64);
    QDataStream(&key, QIODevice::WriteOnly)
        << w << h << fill.clr.rgba() << fill.clr2.rgba() << fill.borderclr.rgba() << fill.round << fill.borderSize
        << quint16(fill.gradient | fill.border << 1 | fill.leftBorder << 2 | fill.topBorder << 3 |
                   fill.rightBorder << 4 | fill.bottomBorder << 5 | fill.roundTopLeft << 6 | fill.roundTopRight << 7 |
                   fill.roundBottomRight << 8 | fill.roundBottomLeft << 9);
    if (const QImage* shape = shapes.object(key))
        return shape;
    auto* shape = new QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    shape->fill(Qt::transparent);
    {
        QPainter p(shape);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(borderPen(fill));
        paintRoundedShape(&p, fill, 0, 0, w, h);
    }
    const QImage* kept = shape;
    return shapes.insert(key, shape, int(shape->sizeInBytes())) ? kept : nullptr;
}

} // namespace

bool cvnCopiesInWholePixels(const QPainter* painter)
{
    if (!painter || !painter->isActive())
        return false;
    const QPaintEngine* engine = painter->paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && pixelAligned(painter) && painter->opacity() >= 1.0 &&
           painter->compositionMode() == QPainter::CompositionMode_SourceOver;
}

void CVNQWidgetBaseImpl::drawFillStyle(QPainter* painter, const FillStyle& style, const QRect& rect)
{
    drawFillStyleAt(painter, style, rect.x(), rect.y(), rect.width(), rect.height());
}

void CVNQWidgetBaseImpl::drawFillStyleAt(QPainter* painter, const FillStyle& style, int x, int y, int w, int h)
{
    if (!painter || !style.valid)
        return;
    if (style.useColor)
        drawStyleRect(painter, style.fill, x, y, w, h);
    else
        paintNinePatchImage(painter, style.img, style.imgDesc, x, y, w, h);
}

void CVNQWidgetBaseImpl::drawStyleRect(QPainter* painter, const FillRes& fill, int x, int y, int w, int h)
{
    if (!painter)
        return;
    const int bs = fill.borderSize;
    const qreal half = bs > 0 ? bs * 0.5 : 0.0;
    const bool drawBorder = fill.border && bs > 0;
    const bool allSides = fill.leftBorder && fill.topBorder && fill.rightBorder && fill.bottomBorder;
    const QRect box(x, y, w, h);
    // Antialiased edges reach one pixel beyond the border pen.
    const int band = std::max(bs, 0) + 1;

    // Logical pixels are device pixels: what the paint can reach is known
    // in whole pixels, and a fill it cannot reach costs nothing.
    const bool aligned = pixelAligned(painter);
    const QRect area = aligned ? cvnPaintableRect(painter) : QRect();
    if (aligned && box.isValid() && !area.intersects(box.adjusted(-band, -band, band, band)))
        return;

    painter->save();
    painter->setPen(borderPen(fill));
    painter->setBrush(Qt::NoBrush);

    if (fill.round != 0) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        FillCore core;
        core.box = box;
        core.band = band;
        core.radius = std::max(fill.round, 0);
        core.rounded[0] = fill.roundTopLeft;
        core.rounded[1] = fill.roundTopRight;
        core.rounded[2] = fill.roundBottomRight;
        core.rounded[3] = fill.roundBottomLeft;
        // The fill's arc (radius less half the pen, same centre) covers what
        // lies within it; the pen's arc, centred half a pen farther in, keeps
        // a pixel clear when the pixel is a pen and a half nearer the centre.
        // A radius the box is too small for is cut down: then no corner
        // pixel counts as safe.
        if (2 * core.radius <= std::min(w, h) - std::max(bs, 0))
            core.inner = drawBorder ? core.radius - 2.0 * bs - 1.0 : core.radius - 1.0;
        const ReachSplit split = splitReach(painter, area, core);
        if (!split.core.isEmpty()) {
            const QBrush brush = shapeBrush(fill, roundedFillRect(fill, x, y, w, h));
            for (const QRect& part : split.core)
                painter->fillRect(part, brush);
        }
        if (split.known) {
            if (split.rest.isNull()) {
                painter->restore();
                return;
            }
            painter->setClipRect(split.rest, Qt::IntersectClip);
        }
        const QImage* shape = cvnCopiesInWholePixels(painter) ? renderedShape(fill, w, h) : nullptr;
        if (shape)
            painter->drawImage(x, y, *shape);
        else
            paintRoundedShape(painter, fill, x, y, w, h);
    } else {
        if (fill.gradient) {
            QLinearGradient g(QPointF(x, 0), QPointF(x + w, 0));
            g.setColorAt(0.0, fill.clr);
            g.setColorAt(1.0, fill.clr2);
            painter->fillRect(box, QBrush(g));
        } else {
            painter->fillRect(box, fill.clr);
        }
        FillCore core;
        core.box = box;
        core.band = band;
        // No border where the paint reaches only the core.
        if (drawBorder && !insideCore(area, core)) {
            if (allSides && bs == 1) {
                painter->drawRect(QRect(x, y, w - bs, h - bs));
            } else if (allSides && !aligned) {
                // A wider pen lies inside the box, as the rounded border and
                // the single sides do; centred on the box's edges, half of
                // it would fall outside and leave the fill at the far edges.
                painter->drawRect(QRectF(x + half, y + half, w - bs, h - bs));
            } else if (aligned) {
                // A side is a whole-pixel band: filled, it is the square-capped
                // line's pixels without the stroker's cost.
                if (fill.bottomBorder)
                    painter->fillRect(QRect(x, y + h - bs, w, bs), fill.borderclr);
                if (fill.topBorder)
                    painter->fillRect(QRect(x, y, w, bs), fill.borderclr);
                if (fill.rightBorder)
                    painter->fillRect(QRect(x + w - bs, y, bs, h), fill.borderclr);
                if (fill.leftBorder)
                    painter->fillRect(QRect(x, y, bs, h), fill.borderclr);
            } else {
                if (fill.bottomBorder)
                    painter->drawLine(QPointF(x + half, y + h - half), QPointF(x + w - half, y + h - half));
                if (fill.topBorder)
                    painter->drawLine(QPointF(x + half, y + half), QPointF(x + w - half, y + half));
                if (fill.rightBorder)
                    painter->drawLine(QPointF(x + w - half, y + half), QPointF(x + w - half, y + h - half));
                if (fill.leftBorder)
                    painter->drawLine(QPointF(x + half, y + half), QPointF(x + half, y + h - half));
            }
        }
    }
    painter->restore();
}

void CVNQWidgetBaseImpl::paintNinePatchImage(QPainter* painter, const QString& image, const ImageDesc& desc, int x,
                                             int y, int w, int h)
{
    if (!painter || w == 0 || h == 0)
        return;
    const QImage* img = resources()->getImage(image, false);
    if (!img || img->width() == 0 || img->height() == 0)
        return;
    const int iw = img->width();
    const int ih = img->height();
    const int L = desc.margin[MarginLeft];
    const int R = desc.margin[MarginRight];
    const int T = desc.margin[MarginTop];
    const int B = desc.margin[MarginBottom];

    auto piece = [&](const QRect& target, const QRect& source) {
        if (target.isValid() && source.isValid())
            painter->drawImage(target, *img, source);
    };

    if (T != 0)
        piece(QRect(x + L, y, w - L - R, T), QRect(L, 0, iw - L - R, T));
    if (B != 0) {
        const QRect target(x + L, y + h - B, w - L - R, B);
        if (target.top() >= 0)
            piece(target, QRect(L, ih - B, iw - L - R, B));
    }
    if (L != 0)
        piece(QRect(x, y + T, L, h - T - B), QRect(0, T, L, ih - T - B));
    if (R != 0) {
        const QRect target(x + w - R, y + T, R, h - T - B);
        const QRect source(iw - R, T, R, ih - T - B);
        const int leftEdgeRight = x + L; // right edge of the left piece
        if (target.left() >= 0 && target.isValid() && source.isValid()) {
            if (leftEdgeRight > target.left()) {
                // Too narrow for both edges: the right piece must not paint
                // over the left one.
                const QRect clip(leftEdgeRight, target.top(), x + w - leftEdgeRight, target.height());
                if (clip.isValid()) {
                    painter->save();
                    painter->setClipRect(clip, Qt::IntersectClip);
                    painter->drawImage(target, *img, source);
                    painter->restore();
                }
            } else {
                painter->drawImage(target, *img, source);
            }
        }
    }
    if (L != 0 && T != 0)
        piece(QRect(x, y, L, T), QRect(0, 0, L, T));
    if (R != 0 && T != 0)
        piece(QRect(x + w - R, y, R, T), QRect(iw - R, 0, R, T));
    if (L != 0 && B != 0)
        piece(QRect(x, y + h - B, L, B), QRect(0, ih - B, L, B));
    if (R != 0 && B != 0)
        piece(QRect(x + w - R, y + h - B, R, B), QRect(iw - R, ih - B, R, B));

    const QRect target(x + L, y + T, w - L - R, h - T - B);
    const QRect source(L, T, iw - L - R, ih - T - B);
    if (!target.isValid() || !source.isValid())
        return;
    if (!desc.repeatCenter) {
        painter->drawImage(target, *img, source);
        return;
    }
    // Only the tiles that meet what can still be painted: a control far
    // larger than the screen costs what shows of it.
    const QRect shown = target & cvnPaintableRect(painter);
    if (shown.isEmpty())
        return;
    const int sw = source.width();
    const int sh = source.height();
    const int firstCol = (shown.left() - target.x()) / sw;
    const int lastCol = (shown.right() - target.x()) / sw;
    const int firstRow = (shown.top() - target.y()) / sh;
    const int lastRow = (shown.bottom() - target.y()) / sh;
    painter->save();
    painter->setClipRect(target, Qt::IntersectClip);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            painter->drawImage(QPoint(target.x() + c * sw, target.y() + r * sh), *img, source);
    painter->restore();
}

void CVNQWidgetBaseImpl::drawImage(QPainter* painter, const QString& image, const IconStyleDesc& placement,
                                   const QRect& rect, bool gray)
{
    drawImageAt(painter, image, placement, rect.x(), rect.y(), rect.width(), rect.height(), gray);
}

void CVNQWidgetBaseImpl::drawImageAt(QPainter* painter, const QString& image, const IconStyleDesc& placement, int x,
                                     int y, int w, int h, bool gray)
{
    if (!painter)
        return;
    const QString name = image.trimmed();
    if (name.isEmpty())
        return;
    if (isSvgName(name)) {
        QSvgRenderer* renderer = resources()->getSvgRenderer(name);
        if (!renderer || !renderer->isValid())
            return;
        QSize size = scaleSize(renderer->defaultSize());
        if (!size.isValid()) {
            const int side = std::max(std::min(w, h), 1);
            size = QSize(side, side);
        }
        const QRect target(placeItem(placement, x, y, w, h, size), size);
        if (placement.useColor || gray) {
            // Tinted and grayed icons are images: only the part that can
            // show is rendered, once per size, colour and pixel ratio.
            cvnDrawRenderedSvg(painter, name, target, placement.useColor ? placement.color : QColor(), gray);
        } else {
            renderer->render(painter, QRectF(target));
        }
        return;
    }
    const QImage* img = resources()->getImage(name, gray);
    if (!img || img->isNull() || !isImageValid(*img))
        return;
    painter->drawImage(placeItem(placement, x, y, w, h, img->size()), *img);
}

void CVNQWidgetBaseImpl::drawIcon(QPainter* painter, const QIcon& icon, const QSize& size,
                                  const IconStyleDesc& placement, const QRect& rect)
{
    if (!painter || icon.isNull())
        return;
    const QPixmap pm = icon.pixmap(size);
    if (pm.isNull())
        return;
    const QSize logical = (QSizeF(pm.size()) / pm.devicePixelRatioF()).toSize();
    painter->drawPixmap(placeItem(placement, rect.x(), rect.y(), rect.width(), rect.height(), logical), pm);
}

void CVNQWidgetBaseImpl::drawIconFile(QPainter* painter, const QString& path, const QSize& size,
                                      const IconStyleDesc& placement, const QRect& rect)
{
    if (!painter || path.isEmpty() || size.isEmpty())
        return;
    if (isSvgName(path)) {
        QSvgRenderer* renderer = resources()->getSvgRenderer(path);
        if (!renderer)
            return;
        QSize actual = renderer->defaultSize();
        actual = actual.isEmpty() ? size : actual.scaled(size, Qt::KeepAspectRatio);
        const QImage* image =
            resources()->getRenderedSvg(path, actual, QRect(QPoint(0, 0), actual), QColor(), false,
                                        painter->device() ? painter->device()->devicePixelRatioF() : 1.0);
        if (image)
            painter->drawImage(placeItem(placement, rect.x(), rect.y(), rect.width(), rect.height(), actual), *image);
        return;
    }
    const QImage* image = resources()->getImage(path);
    if (!image || image->isNull() || !isImageValid(*image))
        return;
    QSize actual = image->size();
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(QRect(placeItem(placement, rect.x(), rect.y(), rect.width(), rect.height(), actual), actual),
                       *image);
    painter->restore();
}

void CVNQWidgetBaseImpl::drawText(QPainter* painter, const QString& text, const TextStyleDesc& style, const QRect& rect)
{
    drawTextAt(painter, text, style, rect.x(), rect.y(), rect.width(), rect.height(), style.isHor);
}

void CVNQWidgetBaseImpl::drawTextAt(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y,
                                    int w, int h, bool isHor)
{
    if (!painter || text.isEmpty())
        return;
    QRect r(x + style.x, y + style.y, w - style.x, h - style.y);
    const int align = textAlignment(style);
    // Bottom-aligned text moves down by a positive y offset instead of
    // losing that much of its box.
    if (style.ver == 2)
        r.setHeight(h + style.y);
    const QFont font = fontForStyle(style);
    const QColor color = style.clr;

    painter->save();
    painter->setBrush(color);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    if (isHor) {
        painter->setPen(color);
        painter->setFont(font);
        cvnDrawCachedText(painter, r, align, text, style.elideMode != 3, w - 2);
        painter->restore();
        return;
    }

    // Vertical text: drawn into an image lying on its side, which a 90 degree
    // rotation stands up over (x, y, w, h). In the rotated frame a point
    // (u, v) lands at (-v, u), so the image goes to (y, -(x + w)).
    // Only the part of that image the text can ink and the painter shows
    // is made: its laid-out box with a line's height around it for
    // overhangs, inside (h, w) and inside what shows (a huge font in a
    // small control lays out far beyond it).
    if (w > 0 && h > 0) {
        const QFontMetrics metrics(font);
        const int pad = metrics.height();
        // What shows, in the image's frame: (X, Y) lies at (Y - y, x + w - X).
        const QRect shown = cvnPaintableRect(painter);
        const QRect visible(QPoint(shown.top() - y, x + w - 1 - shown.right()),
                            QPoint(shown.bottom() - y, x + w - 1 - shown.left()));
        const QRect part = metrics.boundingRect(QRect(0, 0, h, w), align, text).adjusted(-pad, -pad, pad, pad) &
                           QRect(0, 0, h, w) & visible.adjusted(-1, -1, 1, 1);
        if (!part.isEmpty()) {
            QImage image(part.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.translate(-part.topLeft());
            p.setRenderHint(QPainter::TextAntialiasing, true);
            p.setPen(color);
            p.setBrush(color);
            p.setFont(font);
            p.drawText(QRect(0, 0, h, w), align, text);
            p.end();
            painter->rotate(90);
            painter->drawImage(QPoint(y + part.x(), -(x + w) + part.y()), image);
        }
    }
    painter->restore();
}

QSize CVNQWidgetBaseImpl::scaleSize(const QSize& size)
{
    if (!size.isValid())
        return size;
    const float factor = resources()->effectiveScale();
    if (factor <= 0.0f || factor >= 1.0f)
        return size;
    const int w = int(std::lround(double(size.width()) * factor));
    const int h = int(std::lround(double(size.height()) * factor));
    return QSize(std::max(w, 1), std::max(h, 1));
}

QSize CVNQWidgetBaseImpl::getImageSize(const QString& name, bool gray)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QSize();
    if (isSvgName(trimmed)) {
        QSvgRenderer* renderer = resources()->getSvgRenderer(trimmed);
        if (!renderer || !renderer->isValid())
            return QSize();
        const QSize size = scaleSize(renderer->defaultSize());
        return size.isValid() ? size : QSize(16, 16);
    }
    const QImage* img = resources()->getImage(trimmed, gray);
    if (!img || !isImageValid(*img))
        return QSize();
    return img->size();
}

QFont CVNQWidgetBaseImpl::fontForStyle(const TextStyleDesc& style)
{
    // One font per distinct style, kept: a font made afresh for every draw
    // would look its engine up again every time.
    struct Key
    {
        QString family;
        int size;
        int flags;
        bool operator==(const Key& o) const { return size == o.size && flags == o.flags && family == o.family; }
    };
    struct KeyHash
    {
        uint operator()(const Key& k) const { return qHash(k.family) ^ (uint(k.size) * 8u + uint(k.flags)); }
    };
    static std::unordered_map<Key, QFont, KeyHash> fonts;
    // Unset attributes come from the application font.
    static QFont appFont;
    if (!(QGuiApplication::font() == appFont)) {
        fonts.clear();
        appFont = QGuiApplication::font();
    }
    const QString global = cvnGetGlobalFontFamily();
    const int pixels = cvnStylePixelSize(style.size);
    const Key key{global.isEmpty() ? style.family : global, std::max(pixels, 0),
                  (style.bold ? 1 : 0) | (style.italic ? 2 : 0) | (style.underline ? 4 : 0)};
    auto it = fonts.find(key);
    if (it != fonts.end())
        return it->second;
    if (fonts.size() >= 256)
        fonts.clear();
    QFont font;
    if (pixels > 0)
        font.setPixelSize(pixels);
    font.setFamily(key.family);
    font.setWeight(style.bold ? 75 : 50);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    fonts.emplace(key, font);
    return font;
}

QSize CVNQWidgetBaseImpl::getTextSize(const QString& text, const TextStyleDesc& style)
{
    const QFontMetrics fm(fontForStyle(style));
    return QSize(fm.horizontalAdvance(text), fm.height());
}

QFont CVNQWidgetBaseImpl::fontForStyle(const TextStyleDesc& style, const QWidget* on)
{
    const QFont font = fontForStyle(style);
    return on ? font.resolve(on->font()) : font;
}

QSize CVNQWidgetBaseImpl::getTextSize(const QString& text, const TextStyleDesc& style, const QWidget* on)
{
    const QFontMetrics fm(fontForStyle(style, on), on);
    return QSize(fm.horizontalAdvance(text), fm.height());
}

int CVNQWidgetBaseImpl::textWidening(const QWidget* on, const QString& text,
                                     std::initializer_list<TextStyleDesc> styles)
{
    if (!on || text.isEmpty())
        return 0;
    const qreal own = QFontMetricsF(on->font(), on).horizontalAdvance(text);
    qreal widest = own;
    for (const TextStyleDesc& style : styles)
        widest = std::max(widest, QFontMetricsF(fontForStyle(style, on), on).horizontalAdvance(text));
    return int(std::ceil(widest - own));
}

QColor CVNQWidgetBaseImpl::hexToColor(const std::string& text)
{
    return cvnColorFromText(text, false);
}

bool CVNQWidgetBaseImpl::isImageValid(const QImage& image)
{
    return image.width() != 0 && image.height() != 0;
}

} // namespace CVNQtLib

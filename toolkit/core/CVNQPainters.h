#pragma once

// Geometry helpers behind the shared painters of CVNQWidgetBaseImpl.

#include "CVNQGlobal.h"

#include <QPainterPath>
#include <QRect>
#include <QRectF>

class QPainter;

namespace CVNQtLib {

// Rectangle with rounded corners where flagged; the radius is limited to
// half the shorter side. Empty for an invalid rectangle; a radius of 0
// gives the plain rectangle.
CVNQ_EXPORT QPainterPath makeRoundedPath(const QRectF& rect, qreal radius, bool topLeft, bool topRight,
                                         bool bottomRight, bool bottomLeft);

// A text style's pixel size as a font takes it: at most 32767, where font
// engines' fixed-point metrics of a line still fit and no control shows
// more of a glyph; 0 and less stay (the font keeps its own size).
CVNQ_EXPORT int cvnStylePixelSize(int size);

// Draws the SVG of that name tinted (tint valid) or grayed over target,
// making only the part of its image that the painter shows (an SVG may
// declare a huge size, a control may be huge): what the resource manager's
// getRenderedSvg keeps.
CVNQ_EXPORT void cvnDrawRenderedSvg(QPainter* painter, const QString& name, const QRect& target, const QColor& tint,
                                    bool gray);

// What a painter can still change, in its logical coordinates: the device
// (or the region a widget paint covers) within the painter's clip. An
// upper bound, never smaller than what shows; very large when unknown.
CVNQ_EXPORT QRect cvnPaintableRect(const QPainter* painter);

// Whether what a painter paints can be painted ahead on a transparent image
// and copied in: a raster painter that maps to device pixels with at most a
// whole-pixel shift, composing source over at full opacity. Copying such an
// image in gives what painting in place gives, source over being associative.
CVNQ_EXPORT bool cvnCopiesInWholePixels(const QPainter* painter);

} // namespace CVNQtLib

#pragma once

// Texts of the charts (titles, axis labels, legends, slice labels).

class QPainter;
class QRectF;
class QString;

namespace CVNQtLib {

// Draws text into rect as cvnDrawCachedText does. On an OpenGL surface the
// text reaches the surface as a kept image: the raster engine draws it once
// (the same glyphs at the same sub-pixel place, clipped the same way) and
// later frames draw that image, so the surface neither renders glyphs into
// its glyph cache nor grows that cache, which on a software OpenGL costs
// the first frame more than all of its other drawing. Only a text drawn
// again (in the same place and look) earns a kept image: the first time it
// is drawn directly, so a text whose value changes with every paint costs
// no more than a direct draw.
void cvnChartDrawText(QPainter& painter, const QRectF& rect, int align, const QString& text);

// While this is set, a text is kept the first time it is drawn: on a
// surface's first paint every text is new, so nothing tells a live value
// from a label yet, and keeping them all costs less than growing the
// surface's glyph cache for them. A chart sets it (QScopedValueRollback)
// for its first paint.
bool& cvnChartTextFirstPaint();

// Forgets every kept text image.
void cvnChartClearTextImages();

} // namespace CVNQtLib

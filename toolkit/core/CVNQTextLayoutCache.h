#pragma once

// Single-line texts drawn exactly as QPainter::drawText(rect, flags, text)
// draws them, with the shaped line kept for the next paint of the same
// string in the same font: a table that repaints its rows shapes each cell
// text once, not on every paint.

#include "CVNQGlobal.h"

class QPainter;
class QRect;
class QRectF;
class QString;

namespace CVNQtLib {

// Draws text into rect with an alignment (Qt::Alignment bits only) in the
// painter's font and pen. With elide set, a text wider than elideWidth is
// first elided at the right, measured in that same font on the painter's
// device: a font measured apart from the drawn one may differ from it in
// whatever the painter resolved from its device.
// Texts the cache does not handle (several lines, tabs, outer spaces,
// decorated fonts, right-to-left painters or texts) go to QPainter::drawText.
CVNQ_EXPORT void cvnDrawCachedText(QPainter* painter, const QRect& rect, int align, const QString& text, bool elide,
                                   int elideWidth);

// The same in a box with fractional edges, without eliding.
CVNQ_EXPORT void cvnDrawCachedText(QPainter* painter, const QRectF& rect, int align, const QString& text);

// Forgets every kept line (fonts were registered or substituted).
CVNQ_EXPORT void cvnClearTextLayoutCache();

} // namespace CVNQtLib

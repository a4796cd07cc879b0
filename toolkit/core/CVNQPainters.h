#pragma once

// Geometry helpers behind the shared painters of CVNQWidgetBaseImpl.

#include "CVNQGlobal.h"

#include <QPainterPath>
#include <QRectF>

namespace CVNQtLib {

// Rectangle with rounded corners where flagged; the radius is limited to
// half the shorter side. Empty for an invalid rectangle; a radius of 0
// gives the plain rectangle.
CVNQ_EXPORT QPainterPath makeRoundedPath(const QRectF& rect, qreal radius, bool topLeft, bool topRight,
                                         bool bottomRight, bool bottomLeft);

} // namespace CVNQtLib

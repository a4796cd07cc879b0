#pragma once

// Painting steps the plot charts (line, bar, scatter) share: plot
// background with grid and axes, the title and the value-axis labels.

#include "CVNQChartTypes.h"

#include <QRectF>

class QPainter;

namespace CVNQtLib {

// Plot background (no pen), six horizontal grid lines (and six vertical
// ones with verticalGrid), the left axis and a horizontal axis at baseY
// (the plot bottom, or a bar chart's zero line).
void cvnChartDrawPlot(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double baseY,
                      bool verticalGrid = false);

// Bold title centred in (0, 10, width, 24) with the given pixel size.
void cvnChartDrawTitle(QPainter& painter, const ChartTheme& theme, int width, const QString& title, int pixelSize);

// Six value labels from hi at the plot top down to lo at the bottom,
// right-aligned in a strip (4, y - 8, stripWidth, 16) at each grid line.
void cvnChartDrawValueLabels(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double lo, double hi,
                             int stripWidth, int pixelSize);

// Sets the painter font to its own family with a pixel size (at least 1) and weight.
void cvnChartSetFont(QPainter& painter, int pixelSize, bool bold);

} // namespace CVNQtLib

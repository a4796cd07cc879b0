#pragma once

// Geometry shared by the charts that draw on a plot rectangle (line, bar,
// scatter): the plot rectangle with the room its legend takes, the legend
// area by legend position, and the flowing legend layout.

#include "CVNQChartTypes.h"

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QVector>

namespace CVNQtLib {

// Insets of a plot inside its chart widget.
struct ChartInsets {
    int left = 56;
    int top = 48;
    int right = 40;
    int bottom = 42;       // without a legend below the plot
    int legendBottom = 76; // with a legend below the plot
};

// Height of the title band at the top of a chart (the title is drawn at
// y 10, 24 px high). A chart without a title does not keep it free.
constexpr int kChartTitleBand = 36;

// The top inset of a plot: the margin, less the title band when there is
// no title.
inline int cvnChartTopInset(int marginTop, bool hasTitle)
{
    return hasTitle ? marginTop : qMax(marginTop - kChartTitleBand, 0);
}

// The plot rectangle. With at least one series the legend takes room on
// its side: 0 top (+40), 1 right (+176), 3 left (+176), anything else
// below (the legendBottom inset). Width and height are at least 1, so
// every division by them is safe.
QRectF cvnChartPlotRect(const QSize& size, const ChartInsets& insets, int legendPosition, bool hasSeries);

// The legend area beside a plot rectangle for a legend position. A legend
// on top lies in the 44 px above the plot (at y 44 under a title band).
QRectF cvnChartLegendArea(const QRectF& plot, const QSize& size, int legendPosition);

// True when the legend of that position flows top to bottom.
inline bool cvnChartLegendVertical(int legendPosition) { return legendPosition == 1 || legendPosition == 3; }

// Lays items (label, colour, visible and index already set) out in area,
// in whole pixels from its top-left corner. Vertical flow: items as wide
// as the area less 6, each itemHeight + 8 below the last. Horizontal flow:
// each item as wide as its label in font plus extraWidth, 10 px apart,
// wrapping itemHeight + 6 lower when it would pass the right edge.
// An empty area gets no items.
QVector<ChartLegendItem> cvnChartFlowLegend(QVector<ChartLegendItem> items, const QRectF& area, bool vertical,
                                            const QFont& font, int itemHeight, int extraWidth);

} // namespace CVNQtLib

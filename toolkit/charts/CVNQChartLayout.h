#pragma once

// Geometry shared by the charts: the plot rectangle with the room its
// legend takes, the legend area by legend position, legend entries with
// their flowing layout and hit test, and the category axis of the line and
// financial charts.

#include "CVNQChartTypes.h"

#include <QFont>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QVector>

namespace CVNQtLib {

// Insets of a plot inside its chart widget.
struct ChartInsets
{
    int left = 56;
    int top = 48;
    int right = 40;
    int bottom = 42;       // without a legend below the plot
    int legendBottom = 76; // with a legend below the plot
};

// The plot rectangle. With at least one series the legend takes room on
// its side: 0 top (+40), 1 right (+176), 3 left (+176), anything else
// below (the legendBottom inset). Width and height are at least 1, so
// every division by them is safe.
QRectF cvnChartPlotRect(const QSize& size, const ChartInsets& insets, int legendPosition, bool hasSeries);

// The legend area beside a plot rectangle for a legend position.
QRectF cvnChartLegendArea(const QRectF& plot, const QSize& size, int legendPosition);

// True when the legend of that position flows top to bottom.
inline bool cvnChartLegendVertical(int legendPosition)
{
    return legendPosition == 1 || legendPosition == 3;
}

// One legend entry per item (series or slice, hidden ones included): its
// index, colour by the colour rule, its name or, when that is empty,
// unnamed with the 1-based index ("Series %1"), and its visibility. The
// rectangles are left to a layout.
template <class Item>
QVector<ChartLegendItem> cvnChartLegendEntries(const QVector<Item>& items, const ChartTheme& theme, const char* unnamed)
{
    QVector<ChartLegendItem> entries;
    entries.reserve(items.size());
    for (int i = 0; i < items.size(); ++i) {
        const Item& item = items.at(i);
        ChartLegendItem entry;
        entry.seriesIndex = i;
        entry.color = cvnChartColor(theme, item.color, i);
        entry.label = item.name.isEmpty() ? QString::fromLatin1(unnamed).arg(i + 1) : item.name;
        entry.visible = item.visible;
        entries.append(entry);
    }
    return entries;
}

// The series index of the first entry whose rectangle, grown by 2 px on
// every side, holds pos; -1 when none does.
int cvnChartLegendHit(const QVector<ChartLegendItem>& items, const QPoint& pos);

// Lays items (label, colour, visible and index already set) out in area,
// in whole pixels from its top-left corner. Vertical flow: items as wide
// as the area less 6, each itemHeight + 8 below the last. Horizontal flow:
// each item as wide as its label in font plus extraWidth, 10 px apart,
// wrapping itemHeight + 6 lower when it would pass the right edge.
// An empty area gets no items.
QVector<ChartLegendItem> cvnChartFlowLegend(QVector<ChartLegendItem> items, const QRectF& area, bool vertical,
                                            const QFont& font, int itemHeight, int extraWidth);

// The legend of a line, bar or scatter chart: items laid out by
// cvnChartFlowLegend in the area of the legend position, in font at the
// label pixel size (bounded by the chart as cvnChartFontSize bounds it),
// each labelSize + 7 high (at least 18).
QVector<ChartLegendItem> cvnChartLegendLayout(const QVector<ChartLegendItem>& items, const QRectF& plot,
                                              const QSize& size, int legendPosition, QFont font, int labelSize,
                                              int extraWidth);

// What a category chart (line, financial) works with in one paint or
// mouse pass: the plot, the number of categories, the shown index range
// (last < first when there is nothing to show) and the value range with
// its divisor (never 0).
struct ChartCategoryFrame
{
    QRectF plot;
    int count = 0;
    int first = 0;
    int last = -1;
    double lo = 0.0;
    double hi = 1.0;
    double span = 1.0;
};

// Where category index with value lands: the first shown index on the
// plot's left edge, the last on its right edge; lo at the bottom, hi at
// the top. A value that is not finite sits at lo.
QPointF cvnChartCategoryPoint(const ChartCategoryFrame& f, int index, double value);

} // namespace CVNQtLib

#include "CVNQChartLayout.h"

#include "CVNQChartCoords.h"

#include <QFontMetrics>
#include <QtMath>

namespace CVNQtLib {

QRectF cvnChartPlotRect(const QSize& size, const ChartInsets& insets, int legendPosition, bool hasSeries)
{
    int left = insets.left;
    int top = insets.top;
    int right = insets.right;
    int bottom = insets.bottom;
    if (hasSeries) {
        switch (legendPosition) {
        case 0: top += 40; break;
        case 1: right += 176; break;
        case 3: left += 176; break;
        default: bottom = insets.legendBottom; break;
        }
    }
    return QRectF(left, top, qMax(size.width() - right - left, 1), qMax(size.height() - bottom - top, 1));
}

QRectF cvnChartLegendArea(const QRectF& plot, const QSize& size, int legendPosition)
{
    switch (legendPosition) {
    case 0: return QRectF(plot.left(), 44, plot.width(), 28);
    case 1: return QRectF(plot.right() + 20, plot.top(), qMax(size.width() - plot.right() - 28, 96.0), plot.height());
    case 3: return QRectF(14, plot.top(), qMax(plot.left() - 24, 96.0), plot.height());
    default: return QRectF(plot.left(), plot.bottom() + 34, plot.width(), 36);
    }
}

QVector<ChartLegendItem> cvnChartLegendLayout(const QVector<ChartLegendItem>& items, const QRectF& plot,
                                              const QSize& size, int legendPosition, QFont font, int labelSize,
                                              int extraWidth)
{
    const int pixels = cvnChartFontSize(labelSize, QRectF(QPointF(), QSizeF(size)));
    font.setPixelSize(pixels);
    return cvnChartFlowLegend(items, cvnChartLegendArea(plot, size, legendPosition),
                              cvnChartLegendVertical(legendPosition), font, qMax(pixels + 7, 18), extraWidth);
}

int cvnChartLegendHit(const QVector<ChartLegendItem>& items, const QPoint& pos)
{
    for (const ChartLegendItem& item : items)
        if (item.rect.adjusted(-2, -2, 2, 2).contains(QPointF(pos)))
            return item.seriesIndex;
    return -1;
}

QVector<ChartLegendItem> cvnChartFlowLegend(QVector<ChartLegendItem> items, const QRectF& area, bool vertical,
                                            const QFont& font, int itemHeight, int extraWidth)
{
    if (area.isEmpty()) {
        items.clear();
        return items;
    }
    const int left = qRound(area.left());
    const int top = qRound(area.top());
    const int right = qRound(area.right());
    int x = left;
    int y = top;
    if (vertical) {
        const int w = qRound(area.width()) - 6;
        for (ChartLegendItem& item : items) {
            item.rect = QRectF(x, y, w, itemHeight);
            y += itemHeight + 8;
        }
        return items;
    }
    const QFontMetrics fm(font);
    for (ChartLegendItem& item : items) {
        const int w = fm.horizontalAdvance(item.label) + extraWidth;
        if (x + w > right && x > left) {
            x = left;
            y += itemHeight + 6;
        }
        item.rect = QRectF(x, y, w, itemHeight);
        x += w + 10;
    }
    return items;
}

QPointF cvnChartCategoryPoint(const ChartCategoryFrame& f, int index, double value)
{
    const double x = f.plot.left() + f.plot.width() * (index - f.first) / qMax(f.last - f.first, 1);
    const double y = f.plot.bottom() - f.plot.height() * (cvnChartFinite(value, f.lo) - f.lo) / f.span;
    return QPointF(x, cvnChartCoord(y, f.plot.bottom()));
}

} // namespace CVNQtLib

#pragma once

// State and painting of the line chart: series over text categories, the
// plot with grid and axes, smoothed or straight lines with areas and
// symbols, the clickable legend, hover crosshair and tooltips, and the
// embedded (normally disabled) zoom slider.

#include "CVNQChartLayout.h"
#include "CVNQChartPlotPainter.h"
#include "CVNQChartTypes.h"
#include "CVNQGlobal.h"
#include "CVNQZoomChartImpl.h"

#include <QPainterPath>
#include <QStringList>
#include <QVector>

namespace CVNQtLib {

class CVNQLineChart;

class CVNQ_EXPORT CVNQLineChartImpl : public CVNQZoomChartImpl
{
    Q_OBJECT
public:
    explicit CVNQLineChartImpl(CVNQLineChart* owner);

    // Everything the chart shows, painted into rect (also into an image).
    void draw(QPainter* painter, const QRect& rect) override;

    void setCategories(const QStringList& categories);
    const QStringList& categories() const { return m_categories; }
    void setSeries(const QVector<ChartSeries>& series);
    const QVector<ChartSeries>& series() const { return m_series; }
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
    void setSeriesVisible(int index, bool visible);

    // --- geometry ----------------------------------------------------------
    int categoryCount() const override;
    QString categoryLabel(int index) const override;
    QRectF plotRect(const QSize& size) const override;
    void valueRange(int first, int last, double& lo, double& hi) const override;
    // Value of point i of n drawn at progress p: points rise from lo one
    // after another, each starting half a step after the one before.
    static double animatedValue(double value, int index, int count, double lo, double progress);
    QPointF pointPos(const ChartCategoryFrame& f, int index, double value) const
    {
        return cvnChartCategoryPoint(f, index, value);
    }
    // Animated positions of a series' visible points.
    QVector<QPointF> seriesPoints(const ChartCategoryFrame& f, const ChartSeries& s) const;
    static QPainterPath linePath(const QVector<QPointF>& points, bool smooth);
    // Every how many categories an x label is drawn.
    static int labelStep(int labelCount, double plotWidth);
    QVector<ChartLegendItem> legendItems(const QRectF& plot, const QSize& size) const;

    // --- mouse -------------------------------------------------------------
    // The zoom slider first, then the legend.
    bool handlePress(const QPoint& pos) override;
    bool updateHover(const QPoint& pos) override;
    void clearHover() override;

protected:
    // 76 px under the plot with the legend below it, else 40.
    double sliderOffset() const override;

private:
    void paintSeries(QPainter& painter, const ChartCategoryFrame& f);
    QString tooltipText() const;

    QStringList m_categories;
    QVector<ChartSeries> m_series;
    bool m_showSymbols = true;
    bool m_smooth = false;
    bool m_area = false;
    ChartInsets m_insets{56, 48, 40, 42, 76};
    QPointF m_hoverPoint;                // the hovered point in item mode
    QVector<ChartSymbolStamp> m_symbols; // by series index
};

} // namespace CVNQtLib

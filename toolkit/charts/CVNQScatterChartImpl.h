#pragma once

// State and painting of the scatter chart: the padded x and y ranges, the
// screen position of a point during the intro animation, the clickable
// legend and the nearest-point hover with its tooltip.

#include "CVNQChartImpl.h"
#include "CVNQChartLayout.h"
#include "CVNQChartPlotPainter.h"
#include "CVNQChartTypes.h"
#include "CVNQGlobal.h"
#include "CVNQScatterChart.h"

#include <QVector>

namespace CVNQtLib {

// What one paint, hit test or hover pass works with.
struct ScatterChartFrame
{
    QRectF plot;
    double xlo = 0.0, xhi = 1.0;
    double ylo = 0.0, yhi = 1.0;
    double dx = 1.0, dy = 1.0; // divisors of the mapping, never 0
};

// The hover target is a point: its series and its index in the series.
class CVNQ_EXPORT CVNQScatterChartImpl : public CVNQChartImpl
{
    Q_OBJECT
public:
    explicit CVNQScatterChartImpl(CVNQScatterChart* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    void setSeries(const QVector<ScatterSeries>& series);
    const QVector<ScatterSeries>& series() const { return m_series; }
    int hoverPointIndex() const { return m_hoverIndex; }

    // --- geometry ----------------------------------------------------------
    QRectF plotRect(const QSize& size) const;
    ScatterChartFrame frame(const QSize& size) const;
    // Screen position of a data point at the current animation progress.
    QPointF screenPos(const ScatterChartFrame& f, const QPointF& point) const;
    // Drawn radius of a symbol of that diameter at the current progress.
    double symbolRadius(double size) const;
    QVector<ChartLegendItem> legendItems(const QRectF& plot, const QSize& size) const;
    QString tooltipText() const;

    // --- mouse -------------------------------------------------------------
    bool handlePress(const QPoint& pos) override;
    bool updateHover(const QPoint& pos) override;

private:
    bool anyVisiblePoint() const;
    void paintPoints(QPainter& painter, const ScatterChartFrame& f);

    QVector<ScatterSeries> m_series;
    ChartInsets m_insets{56, 48, 24, 42, 76};
    ChartSymbolStamp m_rings;
};

} // namespace CVNQtLib

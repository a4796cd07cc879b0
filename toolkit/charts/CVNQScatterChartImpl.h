#pragma once

// State and painting of the scatter chart: the padded x and y ranges, the
// screen position of a point during the intro animation, the clickable
// legend and the nearest-point hover with its tooltip.

#include "CVNQChartPlotPainter.h"
#include "CVNQChartTypes.h"
#include "CVNQScatterChart.h"
#include "CVNQWidgetBaseImpl.h"

#include <QOpenGLFunctions>
#include <QPoint>
#include <QVector>

namespace CVNQtLib {

// What one paint, hit test or hover pass works with.
struct ScatterChartFrame {
    QRectF plot;
    double xlo = 0.0, xhi = 1.0;
    double ylo = 0.0, yhi = 1.0;
    double dx = 1.0, dy = 1.0; // divisors of the mapping, never 0
};

class CVNQScatterChartImpl : public CVNQWidgetBaseImpl, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit CVNQScatterChartImpl(CVNQScatterChart* owner);

    void initGL();
    void paintGL();
    void draw(QPainter* painter, const QRect& rect) override;

    void setTitle(const QString& title);
    const QString& title() const { return m_title; }
    void setSeries(const QVector<ScatterSeries>& series);
    const QVector<ScatterSeries>& series() const { return m_series; }
    void setHoverEnabled(bool enabled);
    bool hoverEnabled() const { return m_hoverEnabled; }
    void setTooltipEnabled(bool enabled);
    bool tooltipEnabled() const { return m_tooltipEnabled; }
    void setTooltipMode(int mode);
    int tooltipMode() const { return m_tooltipMode; }

    bool hoverActive() const { return m_hoverActive; }
    int hoverSeries() const { return m_hoverSeries; }
    int hoverPointIndex() const { return m_hoverPointIndex; }

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
    bool handlePress(const QPoint& pos);
    void handleLeave();
    bool updateHover(const QPoint& pos);
    void clearHover();

private:
    bool anyVisiblePoint() const;
    void paintPoints(QPainter& painter, const ScatterChartFrame& f);
    void paintLegend(QPainter& painter, const QVector<ChartLegendItem>& items);

    CVNQScatterChart* m_chart;
    QString m_title = QStringLiteral("Basic Scatter Chart");
    QVector<ScatterSeries> m_series;
    bool m_tooltipEnabled = true;
    bool m_hoverEnabled = true;
    int m_tooltipMode = 1; // 0 no hover tracking
    int m_marginLeft = 56;
    int m_marginTop = 48;
    int m_marginRight = 24;
    int m_marginBottom = 76;
    bool m_hoverActive = false;
    int m_hoverSeries = -1;
    int m_hoverPointIndex = -1;
    QPoint m_hoverMousePos;
    ChartSymbolStamp m_rings;
};

} // namespace CVNQtLib

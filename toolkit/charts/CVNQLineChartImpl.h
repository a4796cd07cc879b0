#pragma once

// State and painting of the line chart: series over text categories, the
// plot with grid and axes, smoothed or straight lines with areas and
// symbols, the clickable legend, hover crosshair and tooltips, and the
// embedded (normally disabled) zoom slider.

#include "CVNQChartTypes.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQChartPlotPainter.h"
#include "ChartZoomSlider.h"

#include <QOpenGLFunctions>
#include <QPainterPath>
#include <QPoint>
#include <QStringList>
#include <QVector>

namespace CVNQtLib {

class CVNQLineChart;

// What one paint, hit test or hover pass works with.
struct LineChartFrame {
    QSize size;
    QRectF plot;
    int count = 1;   // categories on the axis
    int first = 0;   // visible index range
    int last = 0;
    double lo = 0.0; // value range
    double hi = 1.0;
    double span = 1.0;
};

class CVNQLineChartImpl : public CVNQWidgetBaseImpl, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit CVNQLineChartImpl(CVNQLineChart* owner);

    void initGL();
    // The OpenGL frame, then draw() over the whole widget.
    void paintGL();
    // Everything the chart shows, painted into rect (also into an image).
    void draw(QPainter* painter, const QRect& rect) override;

    void setTitle(const QString& title);
    const QString& title() const { return m_title; }
    void setCategories(const QStringList& categories);
    const QStringList& categories() const { return m_categories; }
    void setSeries(const QVector<ChartSeries>& series);
    const QVector<ChartSeries>& series() const { return m_series; }
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
    void setSeriesVisible(int index, bool visible);
    void setHoverEnabled(bool enabled);
    bool hoverEnabled() const { return m_hoverEnabled; }
    void setTooltipEnabled(bool enabled);
    bool tooltipEnabled() const { return m_tooltipEnabled; }
    void setTooltipMode(int mode);
    int tooltipMode() const { return m_tooltipMode; }

    bool hoverActive() const { return m_hoverActive; }
    int hoverIndex() const { return m_hoverIndex; }
    int hoverSeries() const { return m_hoverSeries; }
    ChartZoomSlider& zoom() { return m_zoom; }

    // --- geometry ----------------------------------------------------------
    int categoryCount() const;
    void visibleRange(int& first, int& last) const;
    QString categoryLabel(int index) const;
    QRectF plotRect(const QSize& size) const;
    void valueRange(int first, int last, double& lo, double& hi) const;
    LineChartFrame frame(const QSize& size) const;
    // Value of point i of n drawn at progress p: points rise from lo one
    // after another, each starting half a step after the one before.
    static double animatedValue(double value, int index, int count, double lo, double progress);
    QPointF pointPos(const LineChartFrame& f, int index, double value) const;
    // Animated positions of a series' visible points.
    QVector<QPointF> seriesPoints(const LineChartFrame& f, const ChartSeries& s) const;
    static QPainterPath linePath(const QVector<QPointF>& points, bool smooth);
    // Every how many categories an x label is drawn.
    static int labelStep(int labelCount, double plotWidth);
    QVector<ChartLegendItem> legendItems(const QRectF& plot, const QSize& size) const;
    QRectF sliderTrack(const QRectF& plot);

    // --- mouse -------------------------------------------------------------
    // Each returns whether the event was consumed; a repaint is scheduled
    // where the state changed.
    bool handlePress(const QPoint& pos);
    bool handleDrag(const QPoint& pos);
    void handleRelease();
    void handleLeave();
    // The hover pass; true when the chart must repaint.
    bool updateHover(const QPoint& pos);
    void clearHover();

private:
    void paintSeries(QPainter& painter, const LineChartFrame& f);
    void paintLegend(QPainter& painter, const QVector<ChartLegendItem>& items, const QRect& clip);
    QString tooltipText() const;
    bool anyVisibleValueAt(int index) const;

    CVNQLineChart* m_chart;
    QString m_title = QStringLiteral("Basic Line Chart");
    QStringList m_categories;
    QVector<ChartSeries> m_series;
    bool m_showSymbols = true;
    bool m_smooth = false;
    bool m_area = false;
    bool m_tooltipEnabled = false;
    bool m_hoverEnabled = true;
    int m_tooltipMode = 0; // 0 none, 1 item, 2 axis
    int m_marginLeft = 56;
    int m_marginTop = 48;
    int m_marginRight = 40;
    int m_marginBottom = 76;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    int m_hoverSeries = -1;
    QPointF m_hoverPoint;
    QPoint m_hoverMousePos;
    ChartZoomSlider m_zoom;
    QVector<ChartSymbolStamp> m_symbols; // by series index
};

} // namespace CVNQtLib

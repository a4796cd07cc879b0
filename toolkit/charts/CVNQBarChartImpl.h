#pragma once

// State and painting of the bar chart: the category count and value range,
// the bar geometry of grouped series, the clickable legend, hover in bar or
// category mode with its tooltips.

#include "CVNQBarChart.h"
#include "CVNQChartTypes.h"
#include "CVNQWidgetBaseImpl.h"

#include <QOpenGLFunctions>
#include <QPoint>
#include <QStringList>
#include <QVector>

namespace CVNQtLib {

// One drawn bar, computed for every paint and mouse event.
struct BarItem {
    int seriesIndex = -1;
    int categoryIndex = -1;
    QRectF rect;
    QColor color;
};

// What one paint, hit test or hover pass works with.
struct BarChartFrame {
    QRectF plot;
    int count = 1;      // categories on the axis
    double lo = 0.0;    // value range
    double hi = 1.0;
    double span = 1.0;  // divisor of the value-to-y mapping, never 0
    double zeroY = 0.0; // y of the value 0
};

class CVNQBarChartImpl : public CVNQWidgetBaseImpl, protected QOpenGLFunctions {
    Q_OBJECT
public:
    explicit CVNQBarChartImpl(CVNQBarChart* owner);

    void initGL();
    void paintGL();
    void draw(QPainter* painter, const QRect& rect) override;

    void setTitle(const QString& title);
    const QString& title() const { return m_title; }
    void setCategories(const QStringList& categories);
    const QStringList& categories() const { return m_categories; }
    void setSeries(const QVector<BarSeries>& series);
    const QVector<BarSeries>& series() const { return m_series; }
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
    void setHoverEnabled(bool enabled);
    bool hoverEnabled() const { return m_hoverEnabled; }
    void setTooltipEnabled(bool enabled);
    bool tooltipEnabled() const { return m_tooltipEnabled; }
    void setTooltipMode(int mode);
    int tooltipMode() const { return m_tooltipMode; }

    bool hoverActive() const { return m_hoverActive; }
    int hoverIndex() const { return m_hoverIndex; }
    int hoverSeries() const { return m_hoverSeries; }

    // --- geometry ----------------------------------------------------------
    int categoryCount() const;
    QString categoryLabel(int index) const;
    void valueRange(double& lo, double& hi) const;
    QRectF plotRect(const QSize& size) const;
    BarChartFrame frame(const QSize& size) const;
    static double valueY(const BarChartFrame& f, double value);
    QVector<BarItem> bars(const BarChartFrame& f) const;
    QVector<ChartLegendItem> legendItems(const QRectF& plot, const QSize& size) const;
    QString tooltipText() const;

    // --- mouse -------------------------------------------------------------
    // True when the press toggled a series through its legend entry.
    bool handlePress(const QPoint& pos);
    void handleLeave();
    // The hover pass; true when the chart must repaint.
    bool updateHover(const QPoint& pos);
    void clearHover();

private:
    bool anyVisibleValueAt(int index) const;
    bool anyVisibleValue() const;
    QString seriesName(int index) const;
    void paintLegend(QPainter& painter, const QVector<ChartLegendItem>& items);

    CVNQBarChart* m_chart;
    QString m_title = QStringLiteral("Basic Bar Chart");
    QStringList m_categories;
    QVector<BarSeries> m_series;
    bool m_tooltipEnabled = false;
    bool m_hoverEnabled = true;
    int m_tooltipMode = 0; // 0 none, 2 category, anything else one bar
    int m_marginLeft = 56;
    int m_marginTop = 48;
    int m_marginRight = 40;
    int m_marginBottom = 76;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    int m_hoverSeries = -1;
    QPoint m_hoverMousePos;
};

} // namespace CVNQtLib

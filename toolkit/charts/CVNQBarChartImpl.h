#pragma once

// State and painting of the bar chart: the category count and value range,
// the bar geometry of grouped series, the clickable legend, hover in bar or
// category mode with its tooltips.

#include "CVNQBarChart.h"
#include "CVNQChartImpl.h"
#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"
#include "CVNQChartTypes.h"
#include "CVNQGlobal.h"

#include <QStringList>
#include <QVector>

class QFontMetricsF;

namespace CVNQtLib {

// One drawn bar, computed for every paint and mouse event.
struct BarItem
{
    int seriesIndex = -1;
    int categoryIndex = -1;
    QRectF rect;
    QColor color;
};

// What one paint, hit test or hover pass works with.
struct BarChartFrame
{
    QRectF plot;
    int count = 1;   // categories on the axis
    double lo = 0.0; // value range
    double hi = 1.0;
    double span = 1.0;  // divisor of the value-to-y mapping, never 0
    double zeroY = 0.0; // y of the value 0
};

class CVNQ_EXPORT CVNQBarChartImpl : public CVNQChartImpl
{
    Q_OBJECT
public:
    explicit CVNQBarChartImpl(CVNQBarChart* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    void setCategories(const QStringList& categories);
    const QStringList& categories() const { return m_categories; }
    void setSeries(const QVector<BarSeries>& series);
    const QVector<BarSeries>& series() const { return m_series; }
    void setData(const QString& name, const QVector<double>& values, const QColor& color);

    // --- geometry ----------------------------------------------------------
    int categoryCount() const;
    QString categoryLabel(int index) const;
    void valueRange(double& lo, double& hi) const;
    QRectF plotRect(const QSize& size) const;
    BarChartFrame frame(const QSize& size) const;
    static double valueY(const BarChartFrame& f, double value);
    QVector<BarItem> bars(const BarChartFrame& f) const;
    QVector<BarItem> thinnedBars(const QVector<BarItem>& items, double zeroY) const;
    QVector<ChartAxisLabel> axisLabels(const BarChartFrame& f, const QFontMetricsF& metrics) const;
    static constexpr int kAxisLabelWidth = 68;
    QVector<ChartLegendItem> legendItems(const QRectF& plot, const QSize& size) const;
    QString tooltipText() const;

    // --- mouse -------------------------------------------------------------
    // True when the press toggled a series through its legend entry.
    bool handlePress(const QPoint& pos) override;
    bool updateHover(const QPoint& pos) override;

private:
    QStringList m_categories;
    QVector<BarSeries> m_series;
    ChartInsets m_insets{56, 48, 40, 42, 76};
    ChartBarPainter m_barPainter;
};

} // namespace CVNQtLib

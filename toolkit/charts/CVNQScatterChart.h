#pragma once

// Scatter chart on the OpenGL chart surface: series of (x, y) points on two
// numeric axes, each point a small ring, a legend that hides and shows
// series, hover highlighting of the nearest point with a tooltip, and the
// intro animation in which the points rise from the plot's bottom and grow
// to full size. Type name "qtscatterchart".

#include "CVNQChartBase.h"
#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QPointF>

namespace CVNQtLib {

// One series of the scatter chart.
struct ScatterSeries
{
    QString name;            // empty: "Series %1" in the legend, "Series" in tooltips
    QVector<QPointF> points; // data coordinates
    QColor color;            // invalid: palette colour of the series index
    bool visible = true;
    double symbolSize = 8.0; // diameter in pixels at full animation progress
};

class CVNQScatterChartImpl;

class CVNQ_EXPORT CVNQScatterChart : public CVNQChartBase, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQScatterChart, CVNQScatterChartImpl)
public:
    explicit CVNQScatterChart(QWidget* parent = nullptr);
    ~CVNQScatterChart() override;

    static ControlInfo getProps();

    // Replaces the data and replays the intro animation.
    void setSeries(const QVector<ScatterSeries>& series);
    QVector<ScatterSeries> series() const;
    using CVNQChartBase::setHoverEnabled;
    using CVNQChartBase::setTitle;
    using CVNQChartBase::setTooltipEnabled;
    // 0 switches hover tracking off, any other value on.
    using CVNQChartBase::setTooltipMode;

protected:
    CVNQChartImpl* chartImpl() const override;
};

} // namespace CVNQtLib

#pragma once

// Line chart on the OpenGL chart surface: series over text categories with
// optional smoothing, areas and symbols, a legend that hides and shows
// series, a hover crosshair and tooltips (nearest point or whole category).
// Type name "qtlinechart".

#include "CVNQChartBase.h"
#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QStringList>

namespace CVNQtLib {

class CVNQLineChartImpl;

class CVNQ_EXPORT CVNQLineChart : public CVNQChartBase, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQLineChart, CVNQLineChartImpl)
public:
    explicit CVNQLineChart(QWidget* parent = nullptr);
    ~CVNQLineChart() override;

    static ControlInfo getProps();

    using CVNQChartBase::setTitle;
    void setCategories(const QStringList& categories);
    // Replaces the data and replays the intro animation.
    void setSeries(const QVector<ChartSeries>& series);
    QVector<ChartSeries> series() const;
    // One series with that name, values and colour; replays the animation.
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
    void setSeriesVisible(int index, bool visible);
    using CVNQChartBase::setHoverEnabled;
    using CVNQChartBase::setTooltipEnabled;
    // 0 none (no hover tracking), 1 nearest point, 2 whole category.
    using CVNQChartBase::setTooltipMode;

protected:
    CVNQChartImpl* chartImpl() const override;
};

} // namespace CVNQtLib

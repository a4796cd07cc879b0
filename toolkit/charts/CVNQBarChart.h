#pragma once

// Grouped vertical bar chart on the OpenGL chart surface: one bar per
// visible series in each category, growing from the zero line, a legend
// that hides and shows series, an optional hover highlight with a dashed
// category line and tooltips (one bar or a whole category), and the intro
// animation in which every bar grows from the zero line.
// Type name "qtbarchart".

#include "CVNQChartBase.h"
#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QStringList>

namespace CVNQtLib {

// One series of the bar chart.
struct BarSeries
{
    QString name;           // empty: "Series %1" in the legend, "Series" in tooltips
    QVector<double> values; // value of category i at index i
    QColor color;           // invalid: palette colour of the series index
    QColor borderColor;     // invalid: the resolved fill colour darker(120)
    bool visible = true;
};

class CVNQBarChartImpl;

class CVNQ_EXPORT CVNQBarChart : public CVNQChartBase, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQBarChart, CVNQBarChartImpl)
public:
    explicit CVNQBarChart(QWidget* parent = nullptr);
    ~CVNQBarChart() override;

    static ControlInfo getProps();

    // One series with that name, values and colour; replays the animation.
    void setData(const QString& name, const QVector<double>& values, const QColor& color);
    // Several series at once; replays the animation.
    void setSeries(const QVector<BarSeries>& series);
    QVector<BarSeries> series() const;
    using CVNQChartBase::setTitle;
    void setCategories(const QStringList& categories);
    using CVNQChartBase::setHoverEnabled;
    using CVNQChartBase::setTooltipEnabled;
    // 0 no hover, 2 whole category, anything else one bar.
    using CVNQChartBase::setTooltipMode;

protected:
    CVNQChartImpl* chartImpl() const override;
};

} // namespace CVNQtLib

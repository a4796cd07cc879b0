#pragma once

// Pie or donut chart on the OpenGL chart surface: slices clockwise from
// 12 o'clock, optional outside labels, a legend that hides and shows
// slices, hover highlighting with a tooltip. Type name "qtopenglpiechart".

#include "CVNQChartBase.h"
#include "CVNQControl.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQOpenGLPieChartImpl;

class CVNQ_EXPORT CVNQOpenGLPieChart : public CVNQChartBase, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl)
public:
    explicit CVNQOpenGLPieChart(QWidget* parent = nullptr);
    ~CVNQOpenGLPieChart() override;

    static ControlInfo getProps();

    using CVNQChartBase::setTitle;
    // Replaces the slices and replays the intro animation.
    void setSlices(const QVector<PieSlice>& slices);
    QVector<PieSlice> slices() const;
    using CVNQChartBase::setHoverEnabled;
    // Hole diameter as a fraction of the pie's, kept within [0, 0.8].
    void setInnerRadiusRatio(double ratio);
    void setLabelsVisible(bool visible);

protected:
    CVNQChartImpl* chartImpl() const override;
};

} // namespace CVNQtLib

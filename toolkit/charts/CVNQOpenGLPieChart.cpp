#include "CVNQOpenGLPieChart.h"

#include "CVNQControlInfo.h"
#include "CVNQOpenGLPieChartImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl, "qtopenglpiechart")

CVNQOpenGLPieChart::CVNQOpenGLPieChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl.reset(new CVNQOpenGLPieChartImpl(this));
    setMinimumSize(420, 260);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something.
    setTheme(0);
    setBackgroundColor(QColor());
    const QVector<PieSlice> demo = {
        {QStringLiteral("Search Engine"), 1048, QColor(), true}, {QStringLiteral("Direct"), 735, QColor(), true},
        {QStringLiteral("Email"), 580, QColor(), true},          {QStringLiteral("Union Ads"), 484, QColor(), true},
        {QStringLiteral("Video Ads"), 300, QColor(), true},
    };
    m_impl->setSlices(demo);
}

CVNQOpenGLPieChart::~CVNQOpenGLPieChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQOpenGLPieChart::getProps()
{
    return ControlInfo(typeName(), "PieChart", "OpenGL Pie Chart", "CVNQOpenGLPieChart", "pieChart");
}

void CVNQOpenGLPieChart::setSlices(const QVector<PieSlice>& slices)
{
    m_impl->setSlices(slices);
}
QVector<PieSlice> CVNQOpenGLPieChart::slices() const
{
    return m_impl->slices();
}
void CVNQOpenGLPieChart::setInnerRadiusRatio(double ratio)
{
    m_impl->setInnerRadiusRatio(ratio);
}
void CVNQOpenGLPieChart::setLabelsVisible(bool visible)
{
    m_impl->setLabelsVisible(visible);
}

CVNQChartImpl* CVNQOpenGLPieChart::chartImpl() const
{
    return m_impl.get();
}

} // namespace CVNQtLib

#include "moc_CVNQOpenGLPieChart.cpp"

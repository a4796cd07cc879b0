#include "CVNQScatterChart.h"

#include "CVNQControlInfo.h"
#include "CVNQScatterChartImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQScatterChart, CVNQScatterChartImpl, "qtscatterchart")

CVNQScatterChart::CVNQScatterChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl.reset(new CVNQScatterChartImpl(this));
    setMinimumSize(420, 260);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something.
    ScatterSeries a;
    a.name = QStringLiteral("Series A");
    a.points = {{8, 15}, {12, 24}, {18, 31}, {25, 40}, {32, 28}};
    a.symbolSize = 8;
    ScatterSeries b;
    b.name = QStringLiteral("Series B");
    b.points = {{10, 8}, {16, 14}, {22, 19}, {30, 26}, {36, 21}};
    b.symbolSize = 10;
    setTheme(0);
    setBackgroundColor(QColor());
    m_impl->setSeries({a, b});
}

CVNQScatterChart::~CVNQScatterChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQScatterChart::getProps()
{
    return ControlInfo(typeName(), "ScatterChart", "OpenGL Scatter Chart", "CVNQScatterChart", "columnChart");
}

void CVNQScatterChart::setSeries(const QVector<ScatterSeries>& series)
{
    m_impl->setSeries(series);
}
QVector<ScatterSeries> CVNQScatterChart::series() const
{
    return m_impl->series();
}

CVNQChartImpl* CVNQScatterChart::chartImpl() const
{
    return m_impl.get();
}

} // namespace CVNQtLib

#include "moc_CVNQScatterChart.cpp"

#include "CVNQLineChart.h"

#include "CVNQControlInfo.h"
#include "CVNQLineChartImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQLineChart, CVNQLineChartImpl, "qtlinechart")

CVNQLineChart::CVNQLineChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl.reset(new CVNQLineChartImpl(this));
    setMinimumSize(420, 260);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something.
    m_impl->setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
                           QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")});
    m_impl->setTooltipEnabled(false);
    m_impl->setTooltipMode(ChartTooltipNone);
    setTheme(0);
    setBackgroundColor(QColor());
    m_impl->setData(QStringLiteral("Data"), {150, 230, 224, 218, 135, 147, 260}, QColor());
}

CVNQLineChart::~CVNQLineChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQLineChart::getProps()
{
    return ControlInfo(typeName(), "LineChart", "OpenGL Line Chart", "CVNQLineChart", "columnChart");
}

void CVNQLineChart::setCategories(const QStringList& categories)
{
    m_impl->setCategories(categories);
}
void CVNQLineChart::setSeries(const QVector<ChartSeries>& series)
{
    m_impl->setSeries(series);
}
QVector<ChartSeries> CVNQLineChart::series() const
{
    return m_impl->series();
}
void CVNQLineChart::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    m_impl->setData(name, values, color);
}
void CVNQLineChart::setSeriesVisible(int index, bool visible)
{
    m_impl->setSeriesVisible(index, visible);
}

CVNQChartImpl* CVNQLineChart::chartImpl() const
{
    return m_impl.get();
}

} // namespace CVNQtLib

#include "moc_CVNQLineChart.cpp"

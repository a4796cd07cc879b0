#include "CVNQBarChart.h"

#include "CVNQBarChartImpl.h"
#include "CVNQControlInfo.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQBarChart, CVNQBarChartImpl, "qtbarchart")

CVNQBarChart::CVNQBarChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl.reset(new CVNQBarChartImpl(this));
    setMinimumSize(420, 260);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something.
    m_impl->setTooltipEnabled(false);
    m_impl->setTooltipMode(ChartTooltipNone);
    setTheme(0);
    setBackgroundColor(QColor());
    m_impl->setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
                           QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")});
    m_impl->setData(QStringLiteral("Data"), {120, 200, 150, 80, 70, 110, 130}, QColor());
}

CVNQBarChart::~CVNQBarChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQBarChart::getProps()
{
    return ControlInfo(typeName(), "BarChart", "OpenGL Bar Chart", "CVNQBarChart", "columnChart");
}

void CVNQBarChart::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    m_impl->setData(name, values, color);
}
void CVNQBarChart::setSeries(const QVector<BarSeries>& series)
{
    m_impl->setSeries(series);
}
QVector<BarSeries> CVNQBarChart::series() const
{
    return m_impl->series();
}
void CVNQBarChart::setCategories(const QStringList& categories)
{
    m_impl->setCategories(categories);
}

CVNQChartImpl* CVNQBarChart::chartImpl() const
{
    return m_impl.get();
}

} // namespace CVNQtLib

#include "moc_CVNQBarChart.cpp"

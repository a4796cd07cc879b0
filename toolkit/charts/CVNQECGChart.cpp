#include "CVNQECGChart.h"

#include "CVNQECGChartImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQECGChart, CVNQECGChartImpl, "qtecgchart")
CVNQ_IMPLEMENT_MOUSE_EVENTS(CVNQECGChart, CVNQTraceChart)
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQECGChart)

CVNQECGChart::CVNQECGChart(QWidget* parent)
    : CVNQTraceChart(parent)
{
    m_impl.reset(new CVNQECGChartImpl(this));
    m_impl->applyTheme();
}

CVNQECGChart::~CVNQECGChart() = default;

void CVNQECGChart::setBelowFillColor(QColor first, QColor second)
{
    m_impl->belowColor1 = first;
    m_impl->belowColor2 = second;
}

void CVNQECGChart::setAboveFillColor(QColor first, QColor second)
{
    m_impl->aboveColor1 = first;
    m_impl->aboveColor2 = second;
}

void CVNQECGChart::enableFillColor(bool below, bool above)
{
    m_impl->fillBelow = below;
    m_impl->fillAbove = above;
}

CVNQTraceChartImpl* CVNQECGChart::traceImpl() const
{
    return m_impl.get();
}

} // namespace CVNQtLib

#include "moc_CVNQECGChart.cpp"

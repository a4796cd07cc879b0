#include "CVNQICDChart.h"

#include "CVNQICDChartImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQICDChart, CVNQICDChartImpl, "qtecgchart")
CVNQ_IMPLEMENT_MOUSE_EVENTS(CVNQICDChart, CVNQTraceChart)
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQICDChart)

CVNQICDChart::CVNQICDChart(QWidget* parent)
    : CVNQTraceChart(parent)
{
    // Unlike the ECG trace, no theme entry is applied.
    m_impl.reset(new CVNQICDChartImpl(this));
}

CVNQICDChart::~CVNQICDChart() = default;

CVNQTraceChartImpl* CVNQICDChart::traceImpl() const
{
    return m_impl.get();
}

void CVNQICDChart::setICDType(CVNQtICDType type)
{
    m_impl->icdType = type;
}
void CVNQICDChart::addMarker(float, bool) {}
void CVNQICDChart::addMarkerValue(float, int, int, int) {}

} // namespace CVNQtLib

#include "moc_CVNQICDChart.cpp"

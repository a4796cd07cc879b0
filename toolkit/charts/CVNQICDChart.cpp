#include "CVNQICDChart.h"

#include "CVNQICDChartImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQICDChart, CVNQICDChartImpl, "qtecgchart")

CVNQICDChart::CVNQICDChart(QWidget* parent)
    : CVNQTraceChart(parent)
{
    // Unlike the ECG trace, no theme entry is applied.
    m_impl = new CVNQICDChartImpl(this);
}

CVNQICDChart::~CVNQICDChart() = default;

CVNQTraceChartImpl* CVNQICDChart::traceImpl() const
{
    return m_impl;
}

void CVNQICDChart::setICDType(CVNQtICDType type)
{
    m_impl->icdType = type;
}
void CVNQICDChart::addMarker(float, bool) {}
void CVNQICDChart::addMarkerValue(float, int, int, int) {}

} // namespace CVNQtLib

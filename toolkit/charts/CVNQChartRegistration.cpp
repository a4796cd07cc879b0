#include "CVNQChartRegistration.h"

#include "CVNQLineChart.h"
#include "CVNQOpenGLPieChart.h"

namespace CVNQtLib {

std::vector<ChartControlType> cvnChartControlTypes()
{
    return {
        {CVNQLineChart::typeName(), &CVNQLineChart::createCVNQLineChart, &CVNQLineChart::getProps},
        {CVNQOpenGLPieChart::typeName(), &CVNQOpenGLPieChart::createCVNQOpenGLPieChart,
         &CVNQOpenGLPieChart::getProps},
    };
}

void cvnRegisterChartControls()
{
    for (const ChartControlType& t : cvnChartControlTypes())
        cvnRegisterQtControl(t.typeName, t.create, t.props(), true);
}

} // namespace CVNQtLib

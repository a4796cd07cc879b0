#include "CVNQChartRegistration.h"

#include "CVNQBarChart.h"
#include "CVNQFinancialChart.h"
#include "CVNQLineChart.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQScatterChart.h"

namespace CVNQtLib {

std::vector<ChartControlType> cvnChartControlTypes()
{
    return {
        {CVNQBarChart::typeName(), &CVNQBarChart::createCVNQBarChart, &CVNQBarChart::getProps},
        {CVNQLineChart::typeName(), &CVNQLineChart::createCVNQLineChart, &CVNQLineChart::getProps},
        {CVNQOpenGLPieChart::typeName(), &CVNQOpenGLPieChart::createCVNQOpenGLPieChart, &CVNQOpenGLPieChart::getProps},
        {CVNQScatterChart::typeName(), &CVNQScatterChart::createCVNQScatterChart, &CVNQScatterChart::getProps},
        {CVNQFinancialChart::typeName(), &CVNQFinancialChart::createCVNQFinancialChart, &CVNQFinancialChart::getProps},
    };
}

void cvnRegisterChartControls()
{
    for (const ChartControlType& t : cvnChartControlTypes())
        cvnRegisterQtControl(t.typeName, t.create, t.props(), true);
}

} // namespace CVNQtLib

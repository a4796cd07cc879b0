#include "CVNQChartRegistration.h"

#include "CVNQControlFactory.h"
#include "CVNQLineChart.h"
#include "CVNQOpenGLPieChart.h"

namespace CVNQtLib {

void cvnRegisterChartControls()
{
    // Order: bar, line, pie, scatter, financial (of the charts built so far).
    cvnRegisterQtControl(CVNQLineChart::typeName(), &CVNQLineChart::createCVNQLineChart,
                         CVNQLineChart::getProps(), true);
    cvnRegisterQtControl(CVNQOpenGLPieChart::typeName(), &CVNQOpenGLPieChart::createCVNQOpenGLPieChart,
                         CVNQOpenGLPieChart::getProps(), true);
}

} // namespace CVNQtLib

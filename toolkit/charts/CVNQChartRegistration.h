#pragma once

// Makes the OpenGL charts creatable by type name (page files, designer,
// property grid). The program calls cvnRegisterChartControls once, right
// after CVNQtLib::init and before loading its theme; a second call
// registers the same entries again.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQGlobal.h"

#include <vector>

namespace CVNQtLib {

// One chart type as it is handed to the registry.
struct ChartControlType
{
    const char* typeName;
    CVNControlCreateFunc create;
    ControlInfo (*props)();
};

// The chart types in registration order: bar, line, pie, scatter,
// financial.
CVNQ_EXPORT std::vector<ChartControlType> cvnChartControlTypes();

CVNQ_EXPORT void cvnRegisterChartControls();

} // namespace CVNQtLib

#pragma once

// Makes the ribbon creatable by type name (page files, designer, property
// grid). The start-up table that CVNQtLib::init runs calls it once; a second
// call registers the same entry again.

#include "CVNQGlobal.h"

namespace CVNQtLib {

CVNQ_EXPORT void cvnRegisterRibbonControls();

} // namespace CVNQtLib

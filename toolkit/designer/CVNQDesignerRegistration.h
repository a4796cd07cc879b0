#pragma once

// Makes the design surface creatable by type name: the canvas window
// ("Window"), the property grid and the canvas. The start-up table that
// CVNQtLib::init runs calls it once; a second call registers the same
// entries again.

#include "CVNQGlobal.h"

namespace CVNQtLib {

CVNQ_EXPORT void cvnRegisterDesignerControls();

} // namespace CVNQtLib

#pragma once

// Makes the buttons, labels and indicators creatable by type name (page files, designer,
// property grid), aliases included. The start-up table that
// CVNQtLib::init runs calls it once; a second call registers the same
// entries again.

#include "CVNQGlobal.h"

namespace CVNQtLib {

CVNQ_EXPORT void cvnRegisterBasicControls();

} // namespace CVNQtLib

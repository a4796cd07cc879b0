#pragma once

// Makes the OpenGL charts creatable by type name (page files, designer,
// property grid). The program calls it once, right after CVNQtLib::init
// and before loading its theme; a second call registers the same entries
// again.

namespace CVNQtLib {

void cvnRegisterChartControls();

} // namespace CVNQtLib

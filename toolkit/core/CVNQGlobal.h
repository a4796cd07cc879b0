#pragma once

// The toolkit is compiled with hidden visibility; its programming interface
// is marked CVNQ_EXPORT: exported while the toolkit itself is built
// (CORVANE_BUILDING_LIBRARY), imported by everything that uses it. Every
// class of a toolkit header whose name starts with CVNQ carries it, the
// implementation classes included.

#include <QtGlobal>

#if defined(CORVANE_BUILDING_LIBRARY)
#define CVNQ_EXPORT Q_DECL_EXPORT
#else
#define CVNQ_EXPORT Q_DECL_IMPORT
#endif

#pragma once

// The toolkit is compiled with hidden visibility; its programming interface
// is marked with CVNQ_EXPORT so an executable that links it exports them.
#define CVNQ_EXPORT __attribute__((visibility("default")))
#define CVNQ_HIDDEN __attribute__((visibility("hidden")))

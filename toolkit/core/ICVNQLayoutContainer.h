#pragma once

// A control that places its children (the layout container and every
// control built on it). The core reaches it through this interface: a child
// whose ratio changed asks it to lay out again, a page's top container fills
// its window, and the page loader hands it back.

#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQContainer;

class CVNQ_EXPORT ICVNQLayoutContainer
{
public:
    virtual ~ICVNQLayoutContainer() = default;

    // A child's ratio changed.
    virtual void relayoutForChild() = 0;
    // The container itself.
    virtual CVNQContainer* asContainer() = 0;
};

} // namespace CVNQtLib

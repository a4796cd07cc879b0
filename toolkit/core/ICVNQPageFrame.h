#pragma once

// A widget a page's top container fills even when it is no window of its
// own (the toolkit window, the designer's page root); the common part asks
// for this interface instead of naming those classes.

#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQ_EXPORT ICVNQPageFrame
{
public:
    virtual ~ICVNQPageFrame() = default;
};

} // namespace CVNQtLib

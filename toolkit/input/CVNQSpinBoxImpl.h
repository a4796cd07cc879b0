#pragma once

#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

// Draws nothing: the spin box's own frame and arrows are never painted.
class CVNQSpinBoxImpl : public CVNQWidgetBaseImpl
{
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;
};

} // namespace CVNQtLib

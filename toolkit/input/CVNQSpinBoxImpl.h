#pragma once

#include "CVNQGlobal.h"
#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

// Draws nothing: the spin box's own frame and arrows are never painted.
class CVNQ_EXPORT CVNQSpinBoxImpl : public CVNQWidgetBaseImpl
{
    Q_OBJECT
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;
};

} // namespace CVNQtLib

#pragma once

// A background chosen by the enabled state of its control, drawn only while
// drawing is on: the background of the container and of the stack.

#include "CVNQGlobal.h"
#include "CVNQNormalAndDisabled.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

class QPainter;
class QRect;
class QWidget;

namespace CVNQtLib {

struct CVNQ_EXPORT CVNQEnabledBackground : CVNQNormalAndDisabled<FillStyle>
{
    // The one group of its control's "style" list: the normal, then the
    // disabled background.
    static constexpr CVNQStyleSlot slot{"Background", StyleKindFill, 0, 2};

    bool draw = true;

    // Fills rect with the style for owner's enabled state, when drawing.
    void paint(QPainter* painter, const QWidget* owner, const QRect& rect) const;
};

} // namespace CVNQtLib

#pragma once

// A background chosen by the enabled state of its control, drawn only while
// drawing is on: the background of the container and of the stack.

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

class QPainter;
class QRect;
class QWidget;

namespace CVNQtLib {

struct CVNQ_EXPORT CVNQEnabledBackground
{
    // The one group of its control's "style" list: the normal, then the
    // disabled background.
    static constexpr CVNQStyleSlot slot{"Background", StyleKindFill, 0, 2};

    FillStyle normal;
    FillStyle disabled;
    bool draw = true;

    // Fills rect with the style for owner's enabled state, when drawing.
    void paint(QPainter* painter, const QWidget* owner, const QRect& rect) const;
    // State 0 is the normal background, any other state the disabled one;
    // the setter's CtrlStateAll sets both.
    void set(int state, const FillStyle& style)
    {
        if (cvnSetterAddresses(state, CtrlStateNormal))
            normal = style;
        if (state != CtrlStateNormal)
            disabled = style;
    }
    FillStyle& forState(int state) { return state == CommonCtrlStateNormal ? normal : disabled; }
    const FillStyle& forState(int state) const { return state == CommonCtrlStateNormal ? normal : disabled; }
};

} // namespace CVNQtLib

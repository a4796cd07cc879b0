#pragma once

// The scroll-bar styling operations of a control that owns a horizontal and
// a vertical toolkit scroll bar: each addresses the bar of one direction
// and does nothing while that bar is not a toolkit bar (replaced or gone).

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

#include <QString>

namespace CVNQtLib {

class CVNQScrollBar;

class CVNQ_EXPORT CVNQScrollBarForwarders
{
public:
    virtual ~CVNQScrollBarForwarders() = default;

    // The groove, state 0.
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle& style);
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString& path);
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc& style);
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle& style);
    // The thumb's icon.
    void setScrollbarThumb(bool horizontal, const QString& path);
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle& style);

    // The owner's current toolkit bar of that direction, null when none.
    virtual CVNQScrollBar* themedScrollBar(bool horizontal) const = 0;
};

} // namespace CVNQtLib

#pragma once

// Construction and painting steps shared by the toolkit's list views.

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

#include <QPointer>

class QAbstractItemDelegate;
class QAbstractItemView;
class QWidget;

namespace CVNQtLib {

class CVNQScrollBar;

// The slot map the item views share: the background keeps one style (the
// index after it is left unused), then the items' per-state backgrounds and
// text styles. The table view's header groups follow them.
struct CVNQItemViewSlots
{
    static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
    static constexpr CVNQStyleSlot item = background.next("ItemBackground", StyleKindFill, CtrlStateCount);
    static constexpr CVNQStyleSlot itemText = item.next("TextStyle", StyleKindText, CtrlStateCount);
};

// Creates the view's own toolkit scroll bars and installs them; no frame,
// the view filters its viewport's events, mouse tracking, per-pixel
// scrolling in both directions.
CVNQ_EXPORT void cvnSetUpItemView(QAbstractItemView* view, QPointer<CVNQScrollBar>& horizontal,
                                  QPointer<CVNQScrollBar>& vertical);
// Fills the whole viewport; run from the viewport's paint event before the
// rows are painted.
CVNQ_EXPORT void cvnPaintViewportBackground(QWidget* viewport, const FillStyle& style);
// Lets go of the view's own delegate before the implementation object it
// refers to (a caller may have installed another one or deleted it).
CVNQ_EXPORT void cvnDeleteItemDelegate(QAbstractItemView* view, QAbstractItemDelegate* delegate);

} // namespace CVNQtLib

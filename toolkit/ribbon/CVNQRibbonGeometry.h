#pragma once

// Placing a ribbon child: a toolkit control through its own setGeometry
// (which also records the absolute layout), any other widget directly; and
// the rectangles a ribbon button paints in.

#include "CVNQRibbonTypes.h"
#include "ICVNQWidgetBase.h"

#include <QRect>
#include <QWidget>

namespace CVNQtLib {

inline void ribbonPlace(QWidget* w, const QRect& r)
{
    // Layouts run again on every insert: a widget already in place is left.
    if (!w || w->geometry() == r)
        return;
    if (ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(w))
        control->setGeometry(r.x(), r.y(), r.width(), r.height());
    else
        w->setGeometry(r);
}

// The width a widget takes when given width: never below its minimum (a
// configured "width") nor above its maximum.
inline int ribbonTakenWidth(const QWidget* w, int width)
{
    return qBound(w->minimumWidth(), width, qMax(w->maximumWidth(), w->minimumWidth()));
}

// Where a ribbon button of that size draws its icon and its text, given its
// menu indicator (empty without one), whether it shows an icon and the
// advance of its text. iconSide is the side the icon is drawn at.
struct RibbonButtonRects
{
    QRect icon;
    QRect text;
    int iconSide = 0;
};
RibbonButtonRects ribbonButtonRects(CVN_RIBBON_ITEM_SIZE size, const QSize& button, const QRect& indicator,
                                    bool hasIcon, int textAdvance);

} // namespace CVNQtLib

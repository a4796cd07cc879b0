#pragma once

// Placing a ribbon child: a toolkit control through its own setGeometry
// (which also records the absolute layout), any other widget directly.

#include "ICVNQWidgetBase.h"

#include <QRect>
#include <QWidget>

namespace CVNQtLib {

inline void ribbonPlace(QWidget* w, const QRect& r)
{
    if (!w)
        return;
    if (ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(w))
        control->setGeometry(r.x(), r.y(), r.width(), r.height());
    else
        w->setGeometry(r);
}

} // namespace CVNQtLib

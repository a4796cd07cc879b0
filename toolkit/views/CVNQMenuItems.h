#pragma once

// Internal: what the menu and the menu bar share about their items.

#include <QAction>
#include <QList>
#include <QPoint>

namespace CVNQtLib {

// Position in the widget's actions() of the first item whose geometry
// contains pos (edges included); -1 when none does.
template <class MenuWidget>
int cvnItemIndexAt(const MenuWidget* widget, const QPoint& pos)
{
    const QList<QAction*> items = widget->actions();
    for (int i = 0; i < items.size(); ++i)
        if (widget->actionGeometry(items.at(i)).contains(pos))
            return i;
    return -1;
}

} // namespace CVNQtLib

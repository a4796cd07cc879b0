#pragma once

// Events the design surface's classes send each other.

#include <QEvent>

namespace CVNQtLib {

// Sent to a control whose property the grid has just set: setters repaint
// only shown widgets, and the canvas shows page controls as pictures of
// hidden ones, which it makes anew on this.
inline QEvent::Type cvnPropertyEditedEvent()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

} // namespace CVNQtLib

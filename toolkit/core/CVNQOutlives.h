#pragma once

// Qt's widgets survive being deleted in the slots of their own signals: a
// handler that emits, or runs a Qt handler that emits, touches the widget
// afterwards only when it still exists. The toolkit's controls do the same
// through this one check.

#include <QObject>
#include <QPointer>

namespace CVNQtLib {

// Runs handler, which may delete owner (an emit, or a Qt handler that
// emits), and answers whether owner outlived it.
template <class Handler>
bool cvnOutlives(QObject* owner, Handler&& handler)
{
    const QPointer<QObject> alive(owner);
    handler();
    return !alive.isNull();
}

} // namespace CVNQtLib

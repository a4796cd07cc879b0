#pragma once

// Removing the bar's widgets, actions and menus while they are in use. A
// slot reached from a widget's own handler may reload or rebuild the bar,
// and may run event loops of its own first (a modal dialog,
// processEvents()). What the bar removes is therefore detached (a widget
// also hidden) at once, and deleted only once none of its handlers, nor any
// of its descendants', is running; an action also waits for the menus and
// widgets that show it, which still report it once its own signal has
// returned. What has nothing running is deleted at once.

#include <QWidget>

namespace CVNQtLib {

// Counts object as inside one of its handlers for the scope's lifetime: for
// code of a widget that runs without an event to it (a click() from code),
// and for an action's triggered signal, which other receivers still await.
class RibbonHandlingScope
{
public:
    explicit RibbonHandlingScope(const QObject* object);
    ~RibbonHandlingScope();
    Q_DISABLE_COPY(RibbonHandlingScope)

private:
    const QObject* m_object;
};

// Every event delivered to a widget or an action under a watched root (a
// bar, its pop-up) counts as a handler of it until it has returned. The
// first root installs an application-wide event filter; removing the last
// removes the filter.
void ribbonWatch(const QObject* root);
void ribbonUnwatch(const QObject* root);

// Detaches object (and hides a widget) at once; deletes it now when nothing
// of it is running, else once the last of its handlers has returned.
void ribbonRetire(QObject* object);

} // namespace CVNQtLib

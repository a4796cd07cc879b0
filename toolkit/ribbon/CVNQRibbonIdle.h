#pragma once

// Deleting the bar's widgets from slots: a slot reached from a click may
// reload or rebuild the bar while the clicked widget's handler is still
// running. Such a widget, or one holding it, is put aside and deleted once
// the handler has returned; any other is deleted at once.

#include <QWidget>

namespace CVNQtLib {

// Marks a widget as inside one of its handlers for the scope's lifetime.
class RibbonHandlingScope
{
public:
    explicit RibbonHandlingScope(const QWidget* widget);
    ~RibbonHandlingScope();
    Q_DISABLE_COPY(RibbonHandlingScope)

private:
    const QWidget* m_widget;
};

// Drops the marks of a widget being destroyed.
void ribbonForgetHandling(const QWidget* widget);

// Widgets the bar hosts but does not implement (fields, check boxes and
// their pop-ups) count as in their handlers from an input event until the
// event loop runs again. Installed once per application.
void ribbonWatchInput();

// A widget still in a handler moves into the hidden holder, out of the
// bar's lookups, until it is deleted.
void ribbonDeleteWhenIdle(QWidget* widget, QWidget* holder);

} // namespace CVNQtLib

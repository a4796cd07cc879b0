#pragma once

// Keyboard focus across a change of a ribbon bar's content. A reload, a
// rebuild of the tabs or a switch of the layout mode replaces or moves the
// focused button; the user keeps their place: focus goes to the same
// command (by id), the same widget (by id) or the same page's tab in what
// the change leaves, else to the current page's tab. Only the outermost
// keeper of a bar acts, once the whole change is done.

#include <QPointer>
#include <QString>

class QWidget;

namespace CVNQtLib {

class CVNQRibbonBar;

// Puts the focus chain of the bar that item (a group, a gallery, ...) is in
// into the order the bar shows its content, right after the bar: what the
// bar makes later would otherwise follow everything made after the bar in
// its window (a document), and Tab would leave the bar before reaching it.
// Done once control is back in the event loop, before any key reaches the
// window: a bar built item by item is ordered once.
void ribbonOrderFocusSoon(const QWidget* item);

class RibbonFocusKeeper
{
public:
    // A null bar keeps nothing.
    explicit RibbonFocusKeeper(CVNQRibbonBar* bar);
    // The bar that item (a group, a gallery, ...) is in, if any; its page
    // may sit in the minimised bar's pop-up.
    explicit RibbonFocusKeeper(const QWidget* item);
    ~RibbonFocusKeeper();
    Q_DISABLE_COPY(RibbonFocusKeeper)

private:
    enum Kind
    {
        None,
        Other,
        Tab,
        Command,
        Widget
    };

    QWidget* focusedWidget() const;
    QWidget* findTarget() const;

    QPointer<CVNQRibbonBar> m_bar;
    bool m_outer = false;
    QPointer<QWidget> m_widget; // the widget focused before the change
    Kind m_kind = None;         // None: the focus was not in the bar
    QString m_id;
    bool m_quick = false; // a quick-access command
};

} // namespace CVNQtLib

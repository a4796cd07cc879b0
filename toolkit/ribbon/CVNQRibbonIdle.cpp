#include "CVNQRibbonIdle.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QVector>

#include <algorithm>

namespace CVNQtLib {

namespace {

// Never destroyed: a widget may outlive static destruction.
QVector<const QWidget*>& handling()
{
    static auto* widgets = new QVector<const QWidget*>;
    return *widgets;
}

QVector<QPointer<QWidget>>& touched()
{
    static auto* widgets = new QVector<QPointer<QWidget>>;
    return *widgets;
}

class InputWatch : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            if (watched->isWidgetType())
                touch(static_cast<QWidget*>(watched));
            break;
        default: break;
        }
        return false;
    }

private:
    void touch(QWidget* widget)
    {
        if (touched().isEmpty())
            QMetaObject::invokeMethod(
                this, [] { touched().clear(); }, Qt::QueuedConnection);
        if (!touched().contains(widget))
            touched().append(widget);
    }
};

// Across window boundaries too: a pop-up belongs to the widget it opens from.
bool holds(const QWidget* root, const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == root)
            return true;
    return false;
}

} // namespace

RibbonHandlingScope::RibbonHandlingScope(const QWidget* widget)
    : m_widget(widget)
{
    handling().append(widget);
}

RibbonHandlingScope::~RibbonHandlingScope()
{
    handling().removeOne(m_widget);
}

void ribbonForgetHandling(const QWidget* widget)
{
    handling().removeAll(widget);
}

void ribbonWatchInput()
{
    static QPointer<InputWatch> watch;
    if (!watch && qApp) {
        watch = new InputWatch(qApp);
        qApp->installEventFilter(watch);
    }
}

void ribbonDeleteWhenIdle(QWidget* widget, QWidget* holder)
{
    if (!widget)
        return;
    const bool busy =
        std::any_of(handling().cbegin(), handling().cend(), [widget](const QWidget* w) { return holds(widget, w); }) ||
        std::any_of(touched().cbegin(), touched().cend(),
                    [widget](const QPointer<QWidget>& w) { return holds(widget, w.data()); });
    if (!busy) {
        delete widget;
        return;
    }
    widget->setParent(holder);
    widget->deleteLater();
}

} // namespace CVNQtLib

#include "CVNQRibbonRetire.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QMultiHash>
#include <QPointer>
#include <QSet>

#include <algorithm>

namespace CVNQtLib {

namespace {

class HandlerMark;
class InputWatch;

// Never destroyed: widgets and posted marks may outlive static destruction.
struct Retirement
{
    QSet<const QObject*> roots;
    // Depth of RibbonHandlingScope per widget.
    QHash<const QObject*, int> scopes;
    // The handlers started per widget whose end has not been seen yet.
    QMultiHash<const QObject*, const HandlerMark*> marks;
    QPointer<InputWatch> watch;
    // Parent of the removed widgets still in use; never shown.
    QWidget* holder = nullptr;
    bool sweepQueued = false;
};

Retirement& state()
{
    static auto* s = new Retirement;
    return *s;
}

// The level Qt gives a deferred delete posted now: the depth of running
// event loops plus the depth of event delivery. Code inside a handler runs
// at the handler's level or deeper, and Qt delivers a deferred delete only
// once control is back above the level it was posted at: neither
// processEvents() nor a loop the handler runs delivers it early.
int postDeferredDelete(QObject* receiver)
{
    auto* event = new QDeferredDeleteEvent;
    QCoreApplication::postEvent(receiver, event);
    return event->loopLevel();
}

int currentLevel()
{
    QObject probe; // takes its posted event back when destroyed
    return postDeferredDelete(&probe);
}

void sweep();

// A count went down: removed widgets may be free now. Looked at from the
// event loop, which checks again: a loop that runs it early keeps whatever
// is still in use.
void handlerEnded()
{
    Retirement& s = state();
    if (s.sweepQueued || !s.holder || s.holder->children().isEmpty() || !QCoreApplication::instance() ||
        QCoreApplication::closingDown())
        return;
    s.sweepQueued = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &sweep, Qt::QueuedConnection);
}

// A handler of a widget that has started. An event filter sees a handler
// start, never end; the mark ends through a deferred delete posted as the
// handler starts, that is once control has returned above the handler.
class HandlerMark final : public QObject
{
public:
    explicit HandlerMark(const QObject* widget)
        : m_widget(widget)
        , m_level(postDeferredDelete(this))
    {
        state().marks.insert(widget, this);
    }

    ~HandlerMark() override
    {
        state().marks.remove(m_widget, this);
        handlerEnded();
    }

    // Code running at level may be inside the handler: it is at least as deep.
    bool mayRunAt(int level) const { return m_level <= level; }

private:
    const QObject* m_widget;
    int m_level;
};

// Across window boundaries too: a pop-up belongs to the widget it opens from.
bool underWatchedRoot(const QObject* object)
{
    const Retirement& s = state();
    for (const QObject* o = object; o; o = o->parent())
        if (s.roots.contains(o) || o == s.holder)
            return true;
    return false;
}

// Qt's bookkeeping events (creation, painting, layout, geometry, polish,
// children, changed properties) only let a widget bring itself up to date,
// and they are most of what a ribbon gets while it is built; a deferred
// delete ends its receiver anyway. Every other event (input, focus, timers,
// queued calls, showing and hiding, ...) may run a slot that removes widgets.
bool mayRemoveWidgets(QEvent::Type type)
{
    switch (type) {
    case QEvent::Create:
    case QEvent::Destroy:
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::MouseTrackingChange:
    case QEvent::ParentChange:
    case QEvent::ParentAboutToChange:
    case QEvent::DynamicPropertyChange:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::ContentsRectChange:
    case QEvent::ToolTipChange:
    case QEvent::ZOrderChange:
    case QEvent::DeferredDelete: return false;
    default: return true;
    }
}

class InputWatch final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (mayRemoveWidgets(event->type()) && watched->isWidgetType() && underWatchedRoot(watched))
            new HandlerMark(watched);
        return false;
    }
};

bool running(const QObject* object, int level)
{
    const Retirement& s = state();
    if (s.scopes.value(object) > 0)
        return true;
    for (auto it = s.marks.constFind(object); it != s.marks.cend() && it.key() == object; ++it)
        if ((*it)->mayRunAt(level))
            return true;
    return false;
}

bool inUse(const QWidget* widget)
{
    const Retirement& s = state();
    if (s.scopes.isEmpty() && s.marks.isEmpty())
        return false;
    const int level = currentLevel();
    if (running(widget, level))
        return true;
    const QList<QObject*> descendants = widget->findChildren<QObject*>();
    return std::any_of(descendants.cbegin(), descendants.cend(),
                       [level](const QObject* o) { return running(o, level); });
}

void dropHolderWhenIdle()
{
    Retirement& s = state();
    if (s.holder && s.roots.isEmpty() && s.holder->children().isEmpty()) {
        delete s.holder;
        s.holder = nullptr;
    }
}

void sweep()
{
    Retirement& s = state();
    s.sweepQueued = false;
    if (!s.holder)
        return;
    QList<QPointer<QObject>> retired;
    for (QObject* child : s.holder->children())
        retired.append(child);
    for (const QPointer<QObject>& child : qAsConst(retired))
        if (child && child->isWidgetType() && !inUse(static_cast<QWidget*>(child.data())))
            delete child.data();
    dropHolderWhenIdle();
}

} // namespace

RibbonHandlingScope::RibbonHandlingScope(const QWidget* widget)
    : m_widget(widget)
{
    ++state().scopes[widget];
}

RibbonHandlingScope::~RibbonHandlingScope()
{
    // By address alone: the widget may be gone (its window deleted meanwhile).
    Retirement& s = state();
    auto it = s.scopes.find(m_widget);
    if (it != s.scopes.end() && --it.value() <= 0)
        s.scopes.erase(it);
    handlerEnded();
}

void ribbonWatch(const QObject* root)
{
    Retirement& s = state();
    s.roots.insert(root);
    if (!s.watch && QCoreApplication::instance()) {
        s.watch = new InputWatch(QCoreApplication::instance());
        s.watch->setObjectName(QStringLiteral("cvnRibbonInputWatch"));
        QCoreApplication::instance()->installEventFilter(s.watch);
    }
}

void ribbonUnwatch(const QObject* root)
{
    Retirement& s = state();
    s.roots.remove(root);
    if (!s.roots.isEmpty())
        return;
    delete s.watch.data(); // which removes the filter
    dropHolderWhenIdle();
}

void ribbonRetire(QWidget* widget)
{
    if (!widget)
        return;
    if (!inUse(widget)) {
        delete widget;
        return;
    }
    Retirement& s = state();
    if (!s.holder)
        s.holder = new QWidget;
    // Hidden by the move; a menu keeps its window flags while its handler ends.
    widget->setParent(s.holder, widget->windowFlags());
}

} // namespace CVNQtLib

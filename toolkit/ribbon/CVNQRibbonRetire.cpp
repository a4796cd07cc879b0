#include "CVNQRibbonRetire.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QMultiHash>
#include <QPointer>
#include <QSet>
#include <QThread>

#include <algorithm>

namespace CVNQtLib {

namespace {

class HandlerMark;
class InputWatch;

// Never destroyed: widgets and posted marks may outlive static destruction.
struct Retirement
{
    QSet<const QObject*> roots;
    // Depth of RibbonHandlingScope per object.
    QHash<const QObject*, int> scopes;
    // The handlers started per widget or action whose end has not been seen.
    QMultiHash<const QObject*, const HandlerMark*> marks;
    // Marks whose end came while a loop started inside their handler ran.
    QList<HandlerMark*> parked;
    QList<QMetaObject::Connection> loopWatch;
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
// processEvents() nor a loop the handler runs delivers it early (but see
// HandlerMark for events that come from outside every loop).
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

int loopDepth()
{
    return QThread::currentThread()->loopLevel();
}

void resumeParked();

// A handler of a widget that has started. An event filter sees a handler
// start, never end; the mark ends through a deferred delete posted as the
// handler starts, that is once control has returned above the handler.
// An event sent from code outside every loop (a test's key press, a
// click() from main()) gives that delete no level, and then any loop
// delivers it, also a dialog's that the handler itself runs: while a loop
// started since the handler began is running, the mark waits until it
// has ended and posts its delete again.
class HandlerMark final : public QObject
{
public:
    explicit HandlerMark(const QObject* widget)
        : m_widget(widget)
        , m_loops(loopDepth())
        , m_level(postDeferredDelete(this))
    {
        state().marks.insert(widget, this);
    }

    ~HandlerMark() override
    {
        Retirement& s = state();
        s.marks.remove(m_widget, this);
        s.parked.removeOne(this);
        handlerEnded();
    }

    // Code running at level may be inside the handler: it is at least as deep.
    bool mayRunAt(int level) const { return m_level <= level; }

    bool loopsEnded() const { return loopDepth() <= m_loops; }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::DeferredDelete || loopsEnded())
            return QObject::event(event);
        Retirement& s = state();
        s.parked.append(this);
        // Looked at whenever a loop goes on; only while marks wait.
        if (s.loopWatch.isEmpty()) {
            if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
                s.loopWatch << QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &resumeParked)
                            << QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &resumeParked);
            }
        }
        return true;
    }

private:
    const QObject* m_widget;
    int m_loops;
    int m_level;
};

void resumeParked()
{
    Retirement& s = state();
    const QList<HandlerMark*> parked = s.parked;
    for (HandlerMark* mark : parked) {
        if (mark->loopsEnded()) {
            s.parked.removeOne(mark);
            postDeferredDelete(mark);
        }
    }
    if (s.parked.isEmpty()) {
        for (const QMetaObject::Connection& c : qAsConst(s.loopWatch))
            QObject::disconnect(c);
        s.loopWatch.clear();
    }
}

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
        // An action's own event is its shortcut.
        if (mayRemoveWidgets(event->type()) && (watched->isWidgetType() || qobject_cast<QAction*>(watched)) &&
            underWatchedRoot(watched))
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

bool subtreeRunning(const QObject* object, int level)
{
    if (running(object, level))
        return true;
    const QList<QObject*> descendants = object->findChildren<QObject*>();
    return std::any_of(descendants.cbegin(), descendants.cend(),
                       [level](const QObject* o) { return running(o, level); });
}

bool inUse(const QObject* object)
{
    const Retirement& s = state();
    if (s.scopes.isEmpty() && s.marks.isEmpty())
        return false;
    const int level = currentLevel();
    if (subtreeRunning(object, level))
        return true;
    // A menu reports the action chosen in it (triggered(QAction*)) once the
    // action's own signal has returned.
    const auto* action = qobject_cast<const QAction*>(object);
    if (!action)
        return false;
    const QList<QWidget*> shown = action->associatedWidgets();
    return std::any_of(shown.cbegin(), shown.cend(), [level](const QWidget* w) { return subtreeRunning(w, level); });
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
        if (child && !inUse(child.data()))
            delete child.data();
    dropHolderWhenIdle();
}

} // namespace

RibbonHandlingScope::RibbonHandlingScope(const QObject* object)
    : m_object(object)
{
    ++state().scopes[object];
}

RibbonHandlingScope::~RibbonHandlingScope()
{
    // By address alone: the object may be gone (its window deleted meanwhile).
    Retirement& s = state();
    auto it = s.scopes.find(m_object);
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

void ribbonRetire(QObject* object)
{
    if (!object)
        return;
    if (!inUse(object)) {
        delete object;
        return;
    }
    Retirement& s = state();
    if (!s.holder)
        s.holder = new QWidget;
    // Hidden by the move; a menu keeps its window flags while its handler ends.
    if (object->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(object);
        widget->setParent(s.holder, widget->windowFlags());
    } else {
        object->setParent(s.holder);
    }
}

} // namespace CVNQtLib

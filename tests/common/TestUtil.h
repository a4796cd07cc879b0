#pragma once

// Helpers every test folder shares: JSON text, files on disk, waiting for
// what the event loop and the window system deliver, mouse events, property
// rows, named styles in the default package and pixel probes.

#include "CVNQStyleDefs.h"
#include "ReferencePicture.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest/qtestsystem.h>
#include <gtest/gtest.h>
#include <json/json.h>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace CVNQtLib {
class ICVNQWidgetBase;
struct ControlInfo;
struct PropertyDef;
} // namespace CVNQtLib

namespace TestUtil {

// Parses JSON text for a test; fails the calling test on bad text.
Json::Value json(const char* text);

// Writes bytes to dir/relativePath, creating folders on the way.
bool writeFile(const QString& dir, const QString& relativePath, const QByteArray& bytes);

// A path in the source tree, relative to its root ("app/icons/wind.svg").
// Taken from the build, not from __FILE__, which holds a relative path when
// the compiler was given one.
QString sourcePath(const QString& relative);

// Where a test keeps an image for people to look at: fileName in a folder
// of the build tree, created on first use.
QString shotPath(const QString& fileName);

// Starts the toolkit (built-in images, styles, control registry); repeated
// calls do nothing more.
void startToolkit();

// A control's node as its JSON routine writes it (null control: empty node).
Json::Value written(CVNQtLib::ICVNQWidgetBase* control);

// Every key the input node holds comes back in the written node with the
// same value, at every depth (objects by key, arrays by position; numbers
// compare by value). Keys listed in skip are not looked for, wherever they
// are. On failure names each key that was lost or changed.
::testing::AssertionResult keepsEveryKey(const Json::Value& input, const Json::Value& written,
                                         const std::vector<std::string>& skip = {});

// --- waiting --------------------------------------------------------------------

// Runs the event loop until cond holds, at most timeoutMs; true when it held.
template <class Condition>
bool waitFor(Condition cond, int timeoutMs = 10000)
{
    return QTest::qWaitFor(cond, timeoutMs);
}

// Lets what is already queued run: posted events (deferred relayouts, layout
// and update requests, queued calls, deferred deletes) and timers that are due.
void flushEvents();

// Shows w and waits until the window system has put it on screen.
bool showExposed(QWidget* w);

// Waits until the window's current look is on screen: its pending repaints
// ran and, when it holds visible OpenGL widgets, a composed frame was swapped.
bool waitPainted(QWidget* window);

// What the screen shows of w once the event loop ran what is queued: the
// repaints its changes asked for, and no others. Unlike QWidget::grab(),
// which paints afresh, a change that forgot to ask for a repaint still
// shows its old look here. w must be shown and on top.
QImage screenShot(QWidget* w);

// Counts the paint events w receives from its construction on.
class PaintCounter
{
public:
    explicit PaintCounter(QWidget* w);
    ~PaintCounter();
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int count() const;
    // Runs what is queued; true when w was painted since the last call
    // (or since construction).
    bool paintedSinceLast();

private:
    class Filter;
    Filter* m_filter;
    int m_seen = 0;
};

// True when w, shown, is painted again once change ran and the event loop
// ran what it queued: the change asked for its own repaint.
bool repaintsAfter(QWidget* w, const std::function<void()>& change);

// A change, and the widget on screen that must repaint after it.
struct LookChange
{
    QWidget* widget;
    std::function<void()> change;
};

// Checks repaintsAfter for each change in turn; a failure names the index
// of the change.
void expectEachRepaints(const std::vector<LookChange>& changes);

// True when the screen already shows w as w paints now: what it shows once
// the event loop ran what is queued equals what it shows after w and its
// children are painted afresh. A change that did not ask for the repaint
// its new look needs leaves the old look on the screen and fails.
bool screenIsCurrent(QWidget* w);

// Moves the real pointer to global and waits until the application has seen
// the move (nothing to wait for when the pointer is there already).
bool movePointer(const QPoint& global);

// --- mouse ----------------------------------------------------------------------
// Events sent to w as the window system delivers them: positions in w's
// coordinates (the window's and the screen's follow from them), button the
// one that changed (none for a move), held the buttons down after the event.
// The senders return whether the event ended accepted.

QMouseEvent mouseEvent(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton button, Qt::MouseButtons held,
                       Qt::KeyboardModifiers mods = Qt::NoModifier);
bool mouse(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods = Qt::NoModifier);
// Sends e ignored; true when a handler took it (accepted it), as Qt asks
// before it passes a mouse event on to the parent.
bool taken(QWidget* w, QMouseEvent e);

// A press holds button; a release leaves nothing held; a double click is
// the event the second press of one brings (button held).
bool press(QWidget* w, const QPointF& pos, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers mods = Qt::NoModifier);
bool release(QWidget* w, const QPointF& pos, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers mods = Qt::NoModifier);
bool doubleClick(QWidget* w, const QPointF& pos, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers mods = Qt::NoModifier);
// A move with nothing held is a hover; a drag step holds its button.
bool move(QWidget* w, const QPointF& pos, Qt::MouseButtons held = Qt::NoButton,
          Qt::KeyboardModifiers mods = Qt::NoModifier);
// Press and release at pos, or at w's centre.
void click(QWidget* w, const QPointF& pos, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers mods = Qt::NoModifier);
void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton);
// Press at from, one move by `by` holding button, release there.
void drag(QWidget* w, const QPointF& from, const QPointF& by, Qt::MouseButton button = Qt::LeftButton,
          Qt::KeyboardModifiers mods = Qt::NoModifier);
// The pointer comes over w at pos; without one, where the real pointer is.
void enter(QWidget* w);
void enter(QWidget* w, const QPointF& pos);
void leave(QWidget* w);
// One notch of a mouse wheel at w's centre; positive turns away from the user.
void wheel(QWidget* w, int delta, Qt::Orientation orientation = Qt::Vertical);

// --- keys -----------------------------------------------------------------------

// Presses and releases key k on w, with the text it types.
void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString());

// --- property rows --------------------------------------------------------------

// The first row of info named name. A missing table or row fails the
// calling test and yields a row without accessors.
const CVNQtLib::PropertyDef& propertyRow(const CVNQtLib::ControlInfo* info, const QString& name);
const CVNQtLib::PropertyDef& propertyRow(const CVNQtLib::ControlInfo& info, const QString& name);

// --- named styles ---------------------------------------------------------------

// A fill style of one colour under name, stored nowhere (for setters).
CVNQtLib::FillStyle fillStyle(const QString& name, QColor fill);

// A colour fill style stored under name in the default package, rounded and
// with a one-pixel border when given.
CVNQtLib::FillStyle colourFill(const QString& name, QColor fill, int round = 0, QColor border = QColor());

// A text style stored under name in the default package; hor 0 left,
// 1 centre, 2 right; an empty family keeps the default one.
CVNQtLib::TextStyleDesc textStyle(const QString& name, QColor colour, int size = 12, int hor = 0,
                                  const QString& family = QString());

// --- messages -------------------------------------------------------------------

// Collects the warnings (and critical messages) of one logging category, or
// of every category when null, that Qt's message handler receives while it
// lives; every other message goes on to the handler installed before.
// Captures do not nest.
class LogCapture
{
public:
    explicit LogCapture(const char* category = nullptr);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    // The texts collected from category ("default" for plain qWarning), or
    // all of them when null, in the order they came.
    QStringList messages(const char* category = nullptr) const;
    // The same, and forgets everything collected so far.
    QStringList take(const char* category = nullptr);
};

// --- looks ----------------------------------------------------------------------

// One change for each field of a colour fill, each to a value other than the
// one it holds, named after its field.
std::vector<std::pair<const char*, std::function<void(CVNQtLib::FillRes&)>>> fillFieldChanges();

// --- pixels ---------------------------------------------------------------------

// True when img holds a pixel within tolerance of c.
bool hasColor(const QImage& img, QColor c, int tolerance = 8);

// True when every channel of a and b is within tol.
bool near(QColor a, QColor b, int tol);

// The largest difference of one channel, alpha included, between pixels at
// the same place of two images of one size.
int largestDifference(const QImage& a, const QImage& b);

// Bounding box of the pixels within tol of c; with minAlpha only pixels at
// least that opaque count.
QRect colourBox(const QImage& img, QColor c, int tol, int minAlpha = 0);

// draw(i) draws input set i (0 the base, each other one input changed); each set drawn after
// another was kept must equal it drawn with the cache emptied by clear().
::testing::AssertionResult cacheFollowsEveryInput(int sets, const std::function<QImage(int)>& draw,
                                                  const std::function<void()>& clear);

} // namespace TestUtil

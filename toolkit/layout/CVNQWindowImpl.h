#pragma once

// State and mouse handling shared by the frameless window and the
// sub-window: dragging by the caption or any non-interactive spot, edge and
// corner resizing above a minimum size, the optional background, and a
// maximise toggle on double-click in the caption.

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQWindowHitTest.h"

#include <QPoint>
#include <QPointer>
#include <QRect>

class QEventLoop;
class QMouseEvent;

namespace CVNQtLib {

class CVNQMDIArea;

class CVNQ_EXPORT CVNQWindowImpl : public CVNQWidgetBaseImpl
{
    Q_OBJECT
public:
    CVNQWindowImpl(QWidget* owner, const QString& typeName, bool topLevelWindow);
    ~CVNQWindowImpl() override;

    // Nothing unless showBackground; then the fill or the image.
    void paint() override;
    void draw(QPainter* painter, const QRect& rect) override;

    // Each returns true when the owner's base handler should still run.
    bool press(QMouseEvent* event);
    bool move(QMouseEvent* event);
    bool release(QMouseEvent* event);
    bool doubleClick(QMouseEvent* event);

    // The hit-test inputs of the current state.
    CVNWindowHitState hitState() const;
    // Maximises to the screen's available area (the parent's rectangle for
    // a sub-window), or restores the geometry it had before.
    void toggleMaximized();

    // On: frameless and translucent. Off: translucency only goes.
    void setTransparent(bool on);
    // Moves the owner's left (top) edge to x (y), keeping the right (bottom).
    void setEdgeX(int x);
    void setEdgeY(int y);
    // ((W − width) / 2, (H − height) / 2) of the primary screen's size.
    void centerOnScreen();

    // The topmost, deepest visible widget under (x, y) in root coordinates.
    static QWidget* hitTestWidget(QWidget* root, QWidget* w, int x, int y);
    // resizeWidget() of every direct child control: a root container fills
    // the window.
    static void resizeChildren(QWidget* w);
    // True while some window or sub-window handles a press (one flag for all).
    static bool pressedFlag();

    int resizeEdge = CVNEdgeNone;
    bool resizeable = false;
    bool canDrag = true;
    int borderBand = 4;
    bool dragging = false;
    QString backgroundImage;
    ImageDesc backgroundImageDesc;
    FillRes backgroundFill;
    bool useFillColor = true;
    QPoint lastGlobalPos;
    // The child under a press that started no drag or resize: the window's
    // grab takes the release from it, so the window hands it on.
    QPointer<QWidget> pressedChild;
    bool showBackground = false;
    bool resizeCursorShown = false;
    int minWidth = 400;
    int minHeight = 400;
    bool onlyDragCaption = false;
    int captionHeight = 40;
    QEventLoop* eventLoop = nullptr;
    CVNQMDIArea* mdiArea = nullptr;
    bool doubleClickMaximize = false;
    // A window with its own modal loop, else a sub-window.
    bool topLevel;
    // Where the window goes back to when it leaves the maximised state.
    QRect normalGeometry;

private:
    void resizeStep(const QPoint& globalPos);
};

} // namespace CVNQtLib

#pragma once

// Where a point of a frameless window falls: an edge or corner band that
// resizes it, the caption that drags it, or its client area. The rules are
// written once here; the mouse handlers of CVNQWindow and CVNQSubWin use
// them, and so would a native non-client hit test where one exists.

#include "CVNQGlobal.h"

#include <QPoint>
#include <QSize>
#include <Qt>

class QWidget;

namespace CVNQtLib {

// Zone codes; the numbers are those a Windows non-client hit test answers.
enum CVNHitZone
{
    CVNHitBase = -1, // not ours: the ordinary (client) handling answers
    CVNHitCaption = 2,
    CVNHitLeft = 10,
    CVNHitRight = 11,
    CVNHitTop = 12,
    CVNHitTopLeft = 13,
    CVNHitTopRight = 14,
    CVNHitBottom = 15,
    CVNHitBottomLeft = 16,
    CVNHitBottomRight = 17,
};

// Resize edges of the mouse handlers: −1 none, 0 left, 1 right, 2 top,
// 3 bottom, 4 bottom-right, 5 top-right, 6 top-left, 7 bottom-left.
enum CVNResizeEdge
{
    CVNEdgeNone = -1,
    CVNEdgeLeft = 0,
    CVNEdgeRight = 1,
    CVNEdgeTop = 2,
    CVNEdgeBottom = 3,
    CVNEdgeBottomRight = 4,
    CVNEdgeTopRight = 5,
    CVNEdgeTopLeft = 6,
    CVNEdgeBottomLeft = 7,
};

struct CVNWindowHitState
{
    QSize size;   // the window's size
    int band = 4; // width of the resize band inside each edge
    bool resizeable = false;
    bool maximized = false; // maximised or full screen: no edge bands
    bool canDrag = true;
    bool onlyDragCaption = false;
    int captionHeight = 40;
};

// The edge band under pos (window coordinates), or CVNHitBase.
CVNQ_EXPORT int cvnEdgeZone(const CVNWindowHitState& s, const QPoint& pos);

// True when w is something the user operates (buttons, item views, sliders,
// spin boxes, combo boxes, line edits, tab bars, or a toolkit control other
// than a container or a label). Such widgets never drag the window.
CVNQ_EXPORT bool cvnIsInteractiveWidget(const QWidget* w);

// True when a press on `under` may drag `window`: neither `under` nor any of
// its parents below the window is interactive. Widgets that let the mouse
// through (spacers) are not looked at.
CVNQ_EXPORT bool cvnAllowsCaptionDrag(const QWidget* window, const QWidget* under);

// The whole hit test: outside the rectangle, CVNHitBase; an edge band of a
// resizeable, non-maximised window, its zone; the caption (the whole window,
// or only y <= captionHeight with onlyDragCaption) when dragging is allowed
// and nothing interactive is under the point, CVNHitCaption; else CVNHitBase.
CVNQ_EXPORT int cvnWindowHitTest(const CVNWindowHitState& s, const QPoint& pos, const QWidget* window,
                                 const QWidget* under);

// Resize edge for an edge zone (CVNEdgeNone for anything else).
CVNQ_EXPORT int cvnZoneToEdge(int zone);

// The cursor shown over a zone (Qt::ArrowCursor outside the bands).
CVNQ_EXPORT Qt::CursorShape cvnZoneCursor(int zone);

} // namespace CVNQtLib

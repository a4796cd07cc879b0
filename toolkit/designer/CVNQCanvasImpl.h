#pragma once

// The canvas's implementation object: no look or JSON of its own, only the
// canvas's state (open pages, scroll offsets, selection and press state).

#include "CVNQCanvas.h"
#include "CVNQCanvasWindow.h"
#include "CVNQScrollBar.h"
#include "CVNQWidgetBaseImpl.h"

#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <map>
#include <vector>

namespace CVNQtLib {

class CVNQCanvasImpl : public CVNQWidgetBaseImpl
{
public:
    enum PressState
    {
        Pressed = 0,
        Dragging = 3,
        Idle = 6
    };

    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;

    // The open page whose key names the same file as path (also another
    // spelling of it), or the end.
    QMap<QString, CVNQCanvasWindow*>::iterator findPage(const QString& path);
    // Drops selection entries whose widget was deleted.
    void pruneSelection();
    // Drops every selected widget that is page or lies inside it.
    void forgetPage(CVNQCanvasWindow* page);
    void resetPress();

    QPointer<CVNQCanvasWindow> current;
    int nameCounter = 1;
    QString projectPath;
    QMap<QString, CVNQCanvasWindow*> pages;
    std::map<CVNQCanvasWindow*, QPoint> scrollOffsets;
    QPointer<CVNQScrollBar> hBar;
    QPointer<CVNQScrollBar> vBar;

    // Guarded: a control the host deletes drops out of the selection.
    std::vector<QPointer<QWidget>> selection;
    std::vector<QRect> startRects;
    int pressState = Idle;
    CVN_CAV_HIT_TEST hitCode = HitNone;
    QPoint pressPoint;
    QPoint lastPoint;
    // Whether the current drag moved at all; one that did not is a click.
    bool dragMoved = false;
};

} // namespace CVNQtLib

#pragma once

// What the frameless window (a QDialog) and the sub-window (a QWidget) have
// in common, written once over the Qt base: dragging by the caption or any
// spot that is not an interactive control, edge and corner resizing, the
// optional background, and a double-click maximise. The state and the mouse
// rules live in CVNQWindowImpl.

#include "CVNQStyleDefs.h"
#include "CVNQWindowImpl.h"

#include <QMouseEvent>
#include <QWidget>

namespace CVNQtLib {

template <class QtBase>
class CVNQFramelessWidget : public QtBase
{
public:
    bool getCanGrag() const { return m_impl->canDrag; } // spelled so
    void setCanDrag(bool canDrag) { m_impl->canDrag = canDrag; }
    bool getOnlyDragCaption() const { return m_impl->onlyDragCaption; }
    void setOnlyDragCaption(bool only) { m_impl->onlyDragCaption = only; }
    // Also switches mouse tracking, for the resize cursors.
    void setResizeable(bool resizeable)
    {
        m_impl->resizeable = resizeable;
        this->setAttribute(Qt::WA_MouseTracking, resizeable);
    }
    bool getResizeable() const { return m_impl->resizeable; }
    void setCaptionHeight(int height) { m_impl->captionHeight = height; }
    int getCaptionHeight() const { return m_impl->captionHeight; }
    // On: frameless and translucent. Off: translucency only goes.
    void setTransparent(bool on) { m_impl->setTransparent(on); }
    void setShowBackground(bool show) { m_impl->showBackground = show; }
    void setUseFillColor(bool useColor) { m_impl->useFillColor = useColor; }
    void setBackgroundColor(const FillRes& fill) { m_impl->backgroundFill = fill; }
    void setBackgroundImage(const QString& image, const ImageDesc& desc)
    {
        m_impl->backgroundImageDesc = desc;
        m_impl->backgroundImage = image;
    }
    // Moves the left (top) edge, keeping the right (bottom) one.
    void setX(int x) { m_impl->setEdgeX(x); }
    void setY(int y) { m_impl->setEdgeY(y); }
    // Centres the widget on the primary screen's geometry.
    void centerWindow() { m_impl->centerOnScreen(); }
    // A double-click in the caption band maximises or restores.
    void setDoubleClickMaximize(bool on) { m_impl->doubleClickMaximize = on; }
    bool getDoubleClickMaximize() const { return m_impl->doubleClickMaximize; }
    void toggleMaximized() { m_impl->toggleMaximized(); }
    // The topmost, deepest visible widget under (x, y) of root.
    QWidget* hitTest(QWidget* root, QWidget* w, int x, int y) { return CVNQWindowImpl::hitTestWidget(root, w, x, y); }

    CVNQWindowImpl* getImpl() const { return m_impl; }

protected:
    // topLevel: a window with its own modal loop (else a sub-window).
    CVNQFramelessWidget(QWidget* parent, const QString& typeName, bool topLevel)
        : QtBase(parent)
        , m_impl(new CVNQWindowImpl(this, typeName, topLevel))
    {}
    ~CVNQFramelessWidget() override { delete m_impl; }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (m_impl->press(event))
            QtBase::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_impl->move(event))
            QtBase::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (m_impl->release(event))
            QtBase::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (m_impl->doubleClick(event))
            QtBase::mouseDoubleClickEvent(event);
    }
    void paintEvent(QPaintEvent*) override { m_impl->paint(); }
    // A root container (or any direct child control) follows the window.
    void resizeEvent(QResizeEvent* event) override
    {
        CVNQWindowImpl::resizeChildren(this);
        QtBase::resizeEvent(event);
    }

    CVNQWindowImpl* m_impl;
};

} // namespace CVNQtLib

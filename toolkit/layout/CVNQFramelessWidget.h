#pragma once

// What the frameless window (a QDialog) and the sub-window (a QWidget) have
// in common, written once over the Qt base: dragging by the caption or any
// spot that is not an interactive control, edge and corner resizing, the
// optional background, and a double-click maximise. The state and the mouse
// rules live in CVNQWindowImpl. Built for QDialog and QWidget only (see
// CVNQFramelessWidget.cpp).

#include "CVNQGlobal.h"
#include "ICVNQPageHost.h"

#include <QDialog>
#include <QWidget>
#include <memory>

class QMouseEvent;
class QPaintEvent;
class QResizeEvent;

namespace CVNQtLib {

class CVNQWindowImpl;
struct FillRes;
struct ImageDesc;

template <class QtBase>
class CVNQ_EXPORT CVNQFramelessWidget : public QtBase, public ICVNQPageHost
{
public:
    bool getCanGrag() const; // spelled so
    void setCanDrag(bool canDrag) override;
    bool getOnlyDragCaption() const;
    void setOnlyDragCaption(bool only) override;
    // Also switches mouse tracking, for the resize cursors.
    void setResizeable(bool resizeable) override;
    bool getResizeable() const;
    void setCaptionHeight(int height);
    int getCaptionHeight() const;
    // On: frameless and translucent. Off: translucency only goes.
    void setTransparent(bool on);
    void setShowBackground(bool show);
    void setUseFillColor(bool useColor);
    void setBackgroundColor(const FillRes& fill);
    void setBackgroundImage(const QString& image, const ImageDesc& desc);
    // Moves the left (top) edge, keeping the right (bottom) one.
    void setX(int x);
    void setY(int y);
    // Centres the widget on the primary screen's geometry.
    void centerWindow();
    // A double-click in the caption band maximises or restores.
    void setDoubleClickMaximize(bool on);
    bool getDoubleClickMaximize() const;
    void toggleMaximized();
    // The topmost, deepest visible widget under (x, y) of root.
    QWidget* hitTest(QWidget* root, QWidget* w, int x, int y);

    CVNQWindowImpl* getImpl() const { return m_impl.get(); }

protected:
    // topLevel: a window with its own modal loop (else a sub-window).
    CVNQFramelessWidget(QWidget* parent, const QString& typeName, bool topLevel);
    ~CVNQFramelessWidget() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A root container (or any direct child control) follows the window.
    void resizeEvent(QResizeEvent* event) override;

    std::unique_ptr<CVNQWindowImpl> m_impl;
};

extern template class CVNQFramelessWidget<QDialog>;
extern template class CVNQFramelessWidget<QWidget>;

} // namespace CVNQtLib

#pragma once

// A window inside a window: the frameless window's dragging, resizing and
// background on a plain widget, without native handling or a modal loop.

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQWindowImpl;

class CVNQ_EXPORT CVNQSubWin : public QWidget {
    Q_OBJECT
public:
    explicit CVNQSubWin(QWidget* parent = nullptr);
    ~CVNQSubWin() override;

    static QString typeName() { return QStringLiteral("CVNSubWin"); }

    void setCanDrag(bool canDrag);
    bool getCanGrag() const;
    void setOnlyDragCaption(bool only);
    bool getOnlyDragCaption() const;
    void setResizeable(bool resizeable);
    bool getResizeable() const;
    void setCaptionHeight(int height);
    int getCaptionHeight() const;
    // Stored as given; no widget minimum is set.
    void setMinWidth(int w);
    void setMinHeight(int h);
    void setTransparent(bool on);
    void setShowBackground(bool show);
    void setUseFillColor(bool useColor);
    void setBackgroundColor(const FillRes& fill);
    void setBackgroundImage(const QString& image, const ImageDesc& desc);
    void setX(int x);
    void setY(int y);
    void centerWindow();
    void setDoubleClickMaximize(bool on);
    bool getDoubleClickMaximize() const;
    void toggleMaximized();
    QWidget* hitTest(QWidget* root, QWidget* w, int x, int y);

    CVNQWindowImpl* getImpl() const { return m_impl; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CVNQWindowImpl* m_impl;
};

} // namespace CVNQtLib

#pragma once

// The toolkit's top-level window: a dialog that is dragged by its caption
// band or any spot that is not an interactive control, resized at its edges
// and corners above a minimum size, optionally paints a background and runs
// a modal loop of its own. Frameless only once its user sets the frameless
// window flag (or calls setTransparent(true)).

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"

#include <QDialog>

namespace CVNQtLib {

class CVNQMDIArea;
class CVNQWindowImpl;

class CVNQ_EXPORT CVNQWindow : public QDialog {
    Q_OBJECT
public:
    explicit CVNQWindow(QWidget* parent = nullptr);
    ~CVNQWindow() override;

    static QString typeName() { return QStringLiteral("CVNWindow"); }

    void setCanDrag(bool canDrag);
    bool getCanGrag() const;
    void setOnlyDragCaption(bool only);
    bool getOnlyDragCaption() const;
    // Also switches mouse tracking, for the resize cursors.
    void setResizeable(bool resizeable);
    bool getResizeable() const;
    void setCaptionHeight(int height);
    int getCaptionHeight() const;
    // Negative values count as 0; also the widget's minimum size.
    void setMinWidth(int w);
    void setMinHeight(int h);
    void setMinSize(int w, int h);
    QSize getMinSize() const;
    // On: frameless and translucent. Off: translucency only goes.
    void setTransparent(bool on);
    void setShowBackground(bool show);
    void setUseFillColor(bool useColor);
    void setBackgroundColor(const FillRes& fill);
    void setBackgroundImage(const QString& image, const ImageDesc& desc);
    // Moves the left (top) edge, keeping the right (bottom) one.
    void setX(int x);
    void setY(int y);
    // Centres the window on the primary screen.
    void centerWindow();
    // Shows the window application-modal and blocks in its own event loop
    // until closeModal() or a close.
    void doModal();
    void closeModal();
    void setMDIArea(CVNQMDIArea* area);
    CVNQMDIArea* getMDIArea() const;
    // A double-click in the caption band maximises or restores the window.
    void setDoubleClickMaximize(bool on);
    bool getDoubleClickMaximize() const;
    void toggleMaximized();
    // The topmost, deepest visible widget under (x, y) of root.
    QWidget* hitTest(QWidget* root, QWidget* w, int x, int y);
    void ToJsonString(QString& out);

    CVNQWindowImpl* getImpl() const { return m_impl; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

private:
    CVNQWindowImpl* m_impl;
};

} // namespace CVNQtLib

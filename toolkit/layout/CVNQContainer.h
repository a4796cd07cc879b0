#pragma once

// The toolkit's general container and the root of every page: paints a
// background by its enabled state, reports clicks, and places its children
// by its child layout (row or column by ratio or around spacers, wrapping
// flow, or none), docks anchored children, scrolls through bound scroll bars
// and resizes itself with an animation. Other containers derive from it.

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "ICVNQLayoutContainer.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQContainerImpl;
class CVNQScrollBar;

class CVNQ_EXPORT CVNQContainer : public QWidget, public ICVNQWidgetBase, public ICVNQLayoutContainer
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQContainer, CVNQContainerImpl)
public:
    // 0 row, 1 column, 2 wrapping rows, 3 wrapping columns, 4 none. Values
    // outside 0 to 3 place nothing, and any int is a value.
    enum AutoChildLayout : int
    {
        Horizontal = 0,
        Vertical = 1,
        HorFloat = 2,
        VerFloat = 3,
        NoUse = 4
    };
    Q_ENUM(AutoChildLayout)

    explicit CVNQContainer(QWidget* parent = nullptr);
    ~CVNQContainer() override;

    static ControlInfo getProps();

    // Adopts w (null does nothing), gives a control the ratio weight and
    // lays the children out.
    void addChildWidget(QWidget* w, int ratio);
    void setChildRatio(QWidget* w, int ratio);

    void setChildLayout(AutoChildLayout mode);
    AutoChildLayout getChildLayout() const;
    void setChildSpace(int space);
    int getChildSpace() const;
    void setChildPadding(int all);
    void setChildPadding(int left, int top, int right, int bottom);
    void getChildPadding(int& left, int& top, int& right, int& bottom) const;

    void setBackground(const FillStyle& style);
    const FillStyle& getBackground() const;
    void setDisableBackground(const FillStyle& style);
    const FillStyle& getDisableBackground() const;
    // State 0 is the background, any other state the disabled background;
    // CtrlStateAll sets both.
    void setBackgroundState(CtrlState state, const FillStyle& style);
    const FillStyle& getBackgroundState(CtrlState state) const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;
    void setColor(const QColor& color);
    void setUseFillStyle(bool useColor);
    bool getUseFillStyle() const;

    // A foreign native window that follows the container's geometry. Only
    // stored here: moving a foreign window is a Windows service.
    void bindWindowHandle(void* hwnd);
    void unbindWindowHandle();
    void* getWindowHandle() const;

    // Scrolling through bound scroll bars.
    void bindScrollBar(CVNQScrollBar* bar, bool horizontal);
    CVNQScrollBar* getBindScrollBar(bool horizontal) const;
    void setScrollPos(bool horizontal, int pos);
    int getScrollPos(bool horizontal) const;

    // A docked container that takes the size of its content.
    void setAbsoluteDockAutoSize(bool on);
    bool getAbsoluteDockAutoSize() const;

    // Animates the container's size; the animated axes keep minimum =
    // maximum = the current value. False while one runs.
    bool startResizeAnimation(const QSize& from, const QSize& to, int durationMs);
    bool isResizeAnimationRunning() const;

public Q_SLOTS:
    // Lays the children out for the current size now and updates the bars.
    void forceResize();

Q_SIGNALS:
    void mouseClickEvent();

private:
    // A child's ratio changed (called from the child's common part).
    void relayoutForChild() override;
    CVNQContainer* asContainer() override { return this; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace CVNQtLib

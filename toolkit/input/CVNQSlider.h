#pragma once

// Themed slider: Qt's QSlider behaviour (range, steps, keys, dragging,
// clicks on the groove) with a painted channel, a filled part from the
// minimum up to the value, and a thumb whose size the application style
// hands back to Qt, so Qt's hit-testing and the painted thumb agree.

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "ICVNQSliderThumb.h"

#include <QSize>
#include <QSlider>

namespace CVNQtLib {

class CVNQSliderImpl;

class CVNQ_EXPORT CVNQSlider : public QSlider, public ICVNQWidgetBase, public ICVNQSliderThumb
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQSlider, CVNQSliderImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQSlider(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);
    ~CVNQSlider() override;

    static ControlInfo getProps();

    // Channel and filled part: one style each, the state is ignored.
    void setBackgroundStyle(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackgroundStyle(CommonCtrlState state) const;
    void setForegroundStyle(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getForegroundStyle(CommonCtrlState state) const;
    // Thumb per state 0..3, or CtrlStateAll for all four; other states are
    // ignored (the getter answers state 0 for them).
    void setThumbStyle(CtrlState state, const FillStyle& style);
    const FillStyle& getThumbStyle(CtrlState state) const;

    void setThumbSize(int w, int h);
    void getThumbSize(int& w, int& h) const;
    // What the application style asks of the thumb.
    QSize getThumbBtnSize() const override;
    // Thumb length along the axis (what the application style reports as
    // the slider length).
    int getSliderLength() const override;
    // Qt's handle rectangle with the thumb's size; painting and the
    // hover/press look use it.
    QRect getThumbRect() const;

    void setChannelHeight(int height);
    int getChannelHeight() const;

    void setIsHorizontal(bool horizontal);
    bool getIsHorizontal() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace CVNQtLib

#pragma once

// The toolkit's two-position switch (type "qtswitch"): a track with a thumb
// that slides to the other side on every press, and one or two texts. The
// thumb on the right means on. The switch has no signals: a subclass that
// reports changes overrides mousePressEvent and calls this class's handler.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QSize>
#include <QWidget>

namespace CVNQtLib {

class CVNQSwitchImpl;

class CVNQ_EXPORT CVNQSwitch : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQSwitch, CVNQSwitchImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    // Text slot and text style selector: 0 left, any other value right.
    typedef int SwitchPosition;
    enum : int
    {
        SwitchLeft = 0,
        SwitchRight = 1
    };

    explicit CVNQSwitch(QWidget* parent = nullptr);
    ~CVNQSwitch() override;
    static ControlInfo getProps();

    // The track; one style for every state (the argument is ignored).
    void setBackgroundStyle(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackgroundStyle(CommonCtrlState state) const;
    // Thumb per control state 0 to 3, or CtrlStateAll for all four; other
    // values are ignored (the getter answers state 0 for them).
    void setThumbStyle(CtrlState state, const FillStyle& style);
    const FillStyle& getThumbStyle(CtrlState state) const;
    void setTextStyle(SwitchPosition position, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(SwitchPosition position) const;

    void setLeftText(const QString& text);
    const QString& getLeftText() const;
    void setRightText(const QString& text);
    const QString& getRightText() const;
    void setThumbSize(int w, int h);
    void getThumbSize(int& w, int& h) const;
    void setThumbBtnSize(const QSize& size);
    const QSize& getThumbBtnSize() const;
    // Inset of the thumb from the left, top and right edges.
    void setMargin(int margin);
    int getMargin() const;
    // Duration of one slide in milliseconds.
    void setSwitchSpeed(unsigned int ms);
    unsigned int getSwitchSpeed() const;
    // The position (thumb on the left = off), without a slide: the thumb is
    // drawn there at the next paint. A slide already heading there runs on;
    // one heading the other way stops.
    void setSwitchToLeft(bool left);
    bool getIsSwitchToLeft() const;
    // Both texts (true) or only the one beside the thumb (false).
    void setShowAllText(bool show);
    bool getShowAllText() const;

    CVNQSwitchImpl* getImpl() const { return m_impl.get(); }

protected:
    // Pressed state and the slide to the other side, for any button; a
    // press during a slide only shows the pressed style.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace CVNQtLib

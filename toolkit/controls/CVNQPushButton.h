#pragma once

// The toolkit's themed push button (type "qtbutton"): a background and a
// text style per control state, an icon that may change with the state, an
// optional extension strip at the right edge, and an optional hover fade.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QPushButton>

namespace CVNQtLib {

class CVNQPushButtonImpl;

class CVNQ_EXPORT CVNQPushButton : public QPushButton, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQPushButton, CVNQPushButtonImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQPushButton(QWidget* parent = nullptr);
    ~CVNQPushButton() override;
    // Qt's hint, with room for the text as its text styles draw it.
    QSize sizeHint() const override;
    static ControlInfo getProps();

    // Per-state styles; state 4 sets all four, other out-of-range states
    // are ignored (getters answer state 0 for them).
    void setBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // The state's fill style paints its colour part (true) or its image.
    void setUseFillStyle(CtrlState state, bool useColor);
    bool getUseFillStyle(CtrlState state) const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;

    // Hover fade between the normal and the hover look.
    void setFadeEnabled(bool enabled);
    bool getFadeEnabled() const;
    // Milliseconds; values below 1 store 150.
    void setFadeDuration(int ms);
    int getFadeDuration() const;

    // Icon by name: a ".svg" name is drawn through the SVG renderer and
    // placed left of the text; another Qt resource name (":/...") becomes a
    // QIcon. Other names are resource manager images.
    void setIcon(const QString& path);
    void setIcon(const QIcon& icon);
    QString getIcon() const;
    void setHotIcon(const QString& path);
    QString getHotIcon() const;
    void setPressedIcon(const QString& path);
    QString getPressedIcon() const;
    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const;
    void setUseIcon(bool use);
    bool getUseIcon() const;
    void setShowText(bool show);
    bool getShowText() const;
    void setTextOffsetX(int x);
    int getTextOffsetX() const;
    void setTextOffsetY(int y);
    int getTextOffsetY() const;

    CVNQPushButtonImpl* getImpl() const { return m_impl.get(); }

Q_SIGNALS:
    void enterSignal();
    void leaveSignal();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Pressed state on press, the click and the hover or normal state on
    // release; subclasses may call them after their own checks.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace CVNQtLib

#pragma once

// The toolkit's themed menu bar ("qtmenubar", alias "menubar"): a QMenuBar
// that paints its background and its top-level items in a normal and a
// hovered look, tracks the hovered item itself, and keeps a second set of
// styles for whoever builds its pop-up menus (the bar never applies them).

#include "CVNQControl.h"

#include <QMenuBar>

namespace CVNQtLib {

class CVNQMenuBarImpl;

class CVNQ_EXPORT CVNQMenuBar : public QMenuBar, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQMenuBar, CVNQMenuBarImpl)
    CVNQ_FORWARD_PAINT_EVENT()

public:
    explicit CVNQMenuBar(QWidget* parent = nullptr);
    ~CVNQMenuBar() override;

    static ControlInfo getProps();

    // Per-state setters take 0 to 3, or CtrlStateAll for all four states.
    // Other states are ignored and getters read state 0 for them. None
    // repaints.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    void setPopupBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getPopupBackground(CommonCtrlState state) const;
    void setPopupItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getPopupItemBackground(CtrlState state) const;
    void setPopupTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getPopupTextStyle(CtrlState state) const;

    CVNQMenuBarImpl* getImpl() const { return m_impl.get(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace CVNQtLib

#pragma once

// The toolkit's themed scroll bar: Qt's QScrollBar behaviour untouched, its
// painting replaced by fill styles for the track, the two line buttons and
// the thumb (each part with its own hover and press look) and an optional
// icon on each of the three parts.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QScrollBar>

class QStyleOptionSlider;

namespace CVNQtLib {

class CVNQScrollBarImpl;

class CVNQ_EXPORT CVNQScrollBar : public QScrollBar, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQScrollBar, CVNQScrollBarImpl)
public:
    // A bar made in code starts hidden; its user shows it.
    explicit CVNQScrollBar(QWidget* parent = nullptr);
    CVNQScrollBar(Qt::Orientation orientation, QWidget* parent);
    ~CVNQScrollBar() override;

    static ControlInfo getProps();

    // One background for every state; the state argument is ignored.
    void setScrollbarBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getScrollbarBackground(CommonCtrlState state) const;
    // Per-state part styles: 0 to 3, or 4 for all four states.
    void setScrollbarUpButton(CtrlState state, const FillStyle& style);
    const FillStyle& getScrollbarUpButton(CtrlState state) const;
    void setScrollbarDownButton(CtrlState state, const FillStyle& style);
    const FillStyle& getScrollbarDownButton(CtrlState state) const;
    // The up (sub-line) or down (add-line) button's style, for owners that
    // forward one "which button" flag.
    void setScrollbarButton(bool up, CtrlState state, const FillStyle& style);
    void setScrollbarThumb(CtrlState state, const FillStyle& style);
    const FillStyle& getScrollbarThumb(CtrlState state) const;
    // Icons: "up" is the sub-line button (top or left), else the add-line one.
    void setScrollbarBtnIcon(bool up, const QString& icon);
    const QString& getScrollbarBtnIcon(bool up) const;
    void setScrollbarIconStyle(bool up, const IconStyleDesc& style);
    const IconStyleDesc& getScrollbarIconStyle(bool up) const;
    void setScrollbarThumbIcon(const QString& icon);
    const QString& getScrollbarThumbIcon() const;
    // Thickness reported by the size hint; -1 keeps Qt's.
    void setWidthHeight(int thickness);
    int getWidthHeight() const;

    // The option Qt paints a scroll bar with; nothing for null.
    void initStyleOption(QStyleOptionSlider* option) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace CVNQtLib

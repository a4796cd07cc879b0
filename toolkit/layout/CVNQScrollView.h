#pragma once

// The themed scroll area: a QScrollArea whose two bars are toolkit scroll
// bars, whose viewport shows a fill style and whose scrolled content is the
// first container among its children when its page node has been built.
// Every scroll step is reported by scrollPosChanged(dx, dy).

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "CVNQScrollBarForwarders.h"

#include <QScrollArea>

namespace CVNQtLib {

class CVNQScrollBar;
class CVNQScrollViewImpl;

class CVNQ_EXPORT CVNQScrollView : public QScrollArea, public ICVNQWidgetBase, public CVNQScrollBarForwarders
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQScrollView, CVNQScrollViewImpl)
public:
    explicit CVNQScrollView(QWidget* parent = nullptr);
    ~CVNQScrollView() override;

    static ControlInfo getProps();

    // One background; the state argument is ignored. No repaint.
    const FillStyle& getBackground(CommonCtrlState state) const;
    void setBackground(CommonCtrlState state, const FillStyle& style);

    int getHScrollPos() const;
    void setHScrollPos(int pos);
    int getVScrollPos() const;
    void setVScrollPos(int pos);

    // Styling of the bar of one axis comes with CVNQScrollBarForwarders.
    CVNQScrollBar* themedScrollBar(bool horizontal) const override;
    // Line-button size of one bar, as its style sheet.
    void setScrollbarBtnSize(bool hor, int size);
    // Thickness of both bars (hor is not looked at), as their style sheets.
    void setScrollbarSize(bool hor, int size);

Q_SIGNALS:
    void scrollPosChanged(int dx, int dy);

protected:
    // For views with an implementation object of their own type: makeImpl
    // builds it for the view under construction.
    using ImplFactory = CVNQScrollViewImpl* (*)(CVNQScrollView* owner);
    CVNQScrollView(QWidget* parent, ImplFactory makeImpl);

    // Paints of the view itself (not of its viewport) show only the corner
    // between the two bars: it takes the background too, instead of the
    // style's light corner panel.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The visible background is painted by the viewport filter; a scroll
    // area's own paint handler runs for viewport paints, where the view
    // itself cannot be painted on.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // The installed toolkit bar of that direction, null when none.
    CVNQScrollBar* scrollBar(bool hor) const;
};

} // namespace CVNQtLib

#pragma once

// Themed multi-line text field. Qt's rich-text editing and scrolling are
// kept; the look is the line edit's (a background and a text style per
// control state, the disabled one while disabled, a placeholder drawn
// while the document is empty), and the two scroll bars are toolkit scroll
// bars that the node's bound scroll-bar child nodes configure. Unlike other
// controls, construction applies no theme: a theme reaches a text edit
// through refreshTheme / setThemeName.

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "CVNQScrollBarForwarders.h"

#include <QTextEdit>

namespace CVNQtLib {

class CVNQScrollBar;
class CVNQTextEditImpl;

class CVNQ_EXPORT CVNQTextEdit : public QTextEdit, public ICVNQWidgetBase, public CVNQScrollBarForwarders
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQTextEdit, CVNQTextEditImpl)
public:
    explicit CVNQTextEdit(QWidget* parent = nullptr);
    ~CVNQTextEdit() override;

    static ControlInfo getProps();

    // Per-state styles take a state 0..3, or CtrlStateAll for all four;
    // other states are ignored (the getters answer state 0 for them).
    void setBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CtrlState state) const;
    // Setting state 0 applies it at once; the others show at the next paint.
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;

    // The toolkit's placeholder (Qt's own placeholder is not used).
    void setPlaceholderText(const QString& text);
    const QString& getPlaceholderText() const;
    void setPlaceholderTextStyle(const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle() const;

    // The margins around the text area (the viewport's margins), in the
    // order top, bottom, left, right.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

    // The installed toolkit scroll bars; hor selects the horizontal one (null
    // while that bar is not a toolkit bar).
    // Their styling calls come with CVNQScrollBarForwarders.
    CVNQScrollBar* getScrollBar(bool hor) const;
    CVNQScrollBar* themedScrollBar(bool horizontal) const override;
    // Thickness of both bars (a style sheet on each); hor is not used.
    void setScrollbarSize(bool hor, int size);
    // The text edit keeps Qt's line-button size: nothing happens.
    void setScrollbarBtnSize(bool hor, int size);

protected:
    // Paints the background and placeholder behind the viewport's text.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace CVNQtLib

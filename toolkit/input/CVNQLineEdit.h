#pragma once

// Themed single-line text field. Qt's line editing (cursor, selection,
// undo, echo modes) is kept; the toolkit paints a background per control
// state, takes the text colour and font from a text style per state and
// draws its own placeholder. A password mode also blocks copying and
// pasting, and a shortcut-capture mode turns a key press into the name of
// the key combination ("CTRL+ALT+SHIFT+Q", "F12").

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QLineEdit>

namespace CVNQtLib {

class CVNQLineEditImpl;

class CVNQ_EXPORT CVNQLineEdit : public QLineEdit, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQLineEdit, CVNQLineEditImpl)
public:
    explicit CVNQLineEdit(QWidget* parent = nullptr);
    ~CVNQLineEdit() override;

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
    // One placeholder style for every state; the state is ignored.
    void setPlaceholderTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getPlaceholderTextStyle(CtrlState state) const;

    void setIsPassword(bool password);
    bool getIsPassword() const;
    void setHotkeyMode(bool on);
    bool getHotkeyMode() const;

    // The widget's contents margins, in the order top, bottom, left, right.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int& top, int& bottom, int& left, int& right) const;

    // Text of a key press in shortcut-capture mode; a null string for keys
    // that leave the text unchanged.
    static QString shortcutText(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
};

} // namespace CVNQtLib

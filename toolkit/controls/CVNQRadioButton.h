#pragma once

// The toolkit's themed radio button (type "qtradiobox"): Qt's radio-button
// behaviour (auto-exclusive groups, keyboard, signals), clickable over its
// whole area, with the toolkit's painting: a background per control state
// and per checked state, an icon fitted into half the button's height and
// one of three text styles.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QRadioButton>

namespace CVNQtLib {

class CVNQRadioButtonImpl;

// Which icon setIcon(RadioIconState, ...) sets.
typedef int RadioIconState;
enum : int
{
    RadioIconChecked = 0,
    RadioIconCheckedHot = 1,
    RadioIconUnchecked = 2,
    RadioIconUncheckedHot = 3,
    RadioIconAll = 4
};

class CVNQ_EXPORT CVNQRadioButton : public QRadioButton, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQRadioButton, CVNQRadioButtonImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQRadioButton(QWidget* parent = nullptr);
    ~CVNQRadioButton() override;
    // Qt's hint, with room for the text as its text styles draw it.
    QSize sizeHint() const override;
    static ControlInfo getProps();

    // Backgrounds of an unselected and of a selected button; state 4 sets
    // all four, other out-of-range states are ignored (getters answer
    // state 0).
    void setBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CtrlState state) const;
    void setSelectedBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getSelectedBackground(CtrlState state) const;

    void setTextStyle(bool checked, const TextStyleDesc& style);
    TextStyleDesc getTextStyle(bool checked) const;
    // 0 checked, 1 unchecked, 2 disabled; the setter ignores other values,
    // the getter answers the unchecked style for them.
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const;

    bool setUncheckIcon(const QString& name);
    const QString& getUncheckIcon() const;
    bool setUncheckHotIcon(const QString& name);
    const QString& getUncheckHotIcon() const;
    bool setCheckedIcon(const QString& name);
    const QString& getCheckedIcon() const;
    bool setCheckedHotIcon(const QString& name);
    const QString& getCheckedHotIcon() const;
    // One icon for a disabled button, checked or not; without it the normal
    // icon is drawn gray.
    bool setDisableIcon(const QString& name);
    const QString& getDisableIcon() const;
    // The unchecked, unchecked hot, checked and checked hot icons at once.
    void setIcon(const QString& name);
    // One icon by RadioIconState, 4 for all four; other values do nothing.
    void setIcon(RadioIconState state, const QString& name);

    void setIconStyle(const IconStyleDesc& style);
    const IconStyleDesc& getIconStyle() const;
    void setIconHorAlign(DockLayoutType align);
    DockLayoutType getIconHorAlign() const;
    void setIconVerAlign(DockLayoutType align);
    DockLayoutType getIconVerAlign() const;
    void setIconOffsetX(int x);
    int getIconOffsetX() const;
    void setIconOffsetY(int y);
    int getIconOffsetY() const;

    // Stored and written; drawing does not depend on it. Repaints.
    void setPushlike(bool pushlike);
    bool getPushlike() const;
    // Repaints.
    void setShowIcon(bool show);
    bool getShowIcon() const;
    void setShowText(bool show);
    bool getShowText() const;

    CVNQRadioButtonImpl* getImpl() const { return m_impl.get(); }

Q_SIGNALS:
    // Every mouse press on the button, after it has been handled.
    void pressedEvent();

protected:
    // The state first, then Qt's handling (then pressedEvent() on press).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // The whole widget is the button.
    bool hitButton(const QPoint& pos) const override;
};

} // namespace CVNQtLib

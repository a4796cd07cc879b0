#pragma once

// The toolkit's themed check box (type "qtcheckbox"): Qt's check-box
// behaviour with the toolkit's painting. A background per control state and
// per checked state, one of three text styles, and an icon chosen from six
// image names by checked state and control state.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QCheckBox>

namespace CVNQtLib {

class CVNQCheckBoxImpl;

class CVNQ_EXPORT CVNQCheckBox : public QCheckBox, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQCheckBox, CVNQCheckBoxImpl)
    CVNQ_FORWARD_MOUSE_EVENTS()
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQCheckBox(QWidget* parent = nullptr);
    ~CVNQCheckBox() override;
    // Qt's hint, with room for the text as its text styles draw it.
    QSize sizeHint() const override;
    static ControlInfo getProps();

    // Backgrounds of an unchecked and of a checked box; state 4 sets all
    // four, other out-of-range states are ignored (getters answer state 0).
    void setBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CtrlState state) const;
    void setCheckedBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getCheckedBackground(CtrlState state) const;

    void setTextStyle(bool checked, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(bool checked) const;
    // 0 checked, 1 unchecked, 2 disabled; the setter ignores other values,
    // the getter answers the checked style for them.
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyleByState(CheckBoxTextState state) const;
    void setDisableTextStyle(const TextStyleDesc& style);
    const TextStyleDesc& getDisableTextStyle() const;

    // The unchecked (checked) icon; the hot icon follows it while it still
    // holds the built-in name.
    void setUncheckIcon(const QString& name);
    QString getUncheckIcon() const;
    void setUncheckHotIcon(const QString& name);
    QString getUncheckHotIcon() const;
    void setCheckedIcon(const QString& name);
    QString getCheckedIcon() const;
    void setCheckedHotIcon(const QString& name);
    QString getCheckedHotIcon() const;
    void setDisableCheckIcon(const QString& name);
    QString getDisableCheckIcon() const;
    void setDisableUncheckIcon(const QString& name);
    QString getDisableUncheckIcon() const;

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

    void setShowIcon(bool show);
    bool getShowIcon() const;
    void setShowText(bool show);
    bool getShowText() const;

    CVNQCheckBoxImpl* getImpl() const { return m_impl.get(); }
};

} // namespace CVNQtLib

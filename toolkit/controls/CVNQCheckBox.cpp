#include "CVNQCheckBox.h"

#include "CVNQCheckBoxImpl.h"
#include "CVNQControlInfo.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQCheckBox, CVNQCheckBoxImpl, "qtcheckbox")
CVNQ_IMPLEMENT_MOUSE_EVENTS(CVNQCheckBox, QCheckBox)
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQCheckBox)

CVNQCheckBox::CVNQCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
    m_impl.reset(new CVNQCheckBoxImpl(this, typeName()));
    m_impl->applyTheme();
}

CVNQCheckBox::~CVNQCheckBox() = default;

ControlInfo CVNQCheckBox::getProps()
{
    using C = CVNQCheckBox;
    ControlInfo info = cvnMakeControlInfo(typeName(), "Checkbox", "Control CheckBox", "CVNQCheckBox", "checkbox");
    auto& rows = info.properties;
    using Slots = CVNQCheckStyles::Slots;
    rows.push_back(cvnStyleRow<C>(Slots::unchecked, &C::setBackground, &C::getBackground));
    rows.push_back(cvnStyleRow<C>(Slots::checked, &C::setCheckedBackground, &C::getCheckedBackground));
    rows.push_back(cvnCheckableTextStyleRow<C>());
    rows.push_back(cvnLineRow());
    rows.push_back(cvnBoolRow<C>(QStringLiteral("ShowIcon"), &C::setShowIcon, &C::getShowIcon));
    cvnAppendCheckableIconRows<C>(rows);
    return info;
}

void CVNQCheckBox::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->styles.unchecked.set(state, style);
    update();
}
const FillStyle& CVNQCheckBox::getBackground(CtrlState state) const
{
    return m_impl->styles.unchecked.get(state);
}

void CVNQCheckBox::setCheckedBackground(CtrlState state, const FillStyle& style)
{
    m_impl->styles.checked.set(state, style);
    update();
}

const FillStyle& CVNQCheckBox::getCheckedBackground(CtrlState state) const
{
    return m_impl->styles.checked.get(state);
}

QSize CVNQCheckBox::sizeHint() const
{
    return m_impl->sizeHint(QCheckBox::sizeHint());
}

void CVNQCheckBox::setTextStyle(bool checked, const TextStyleDesc& style)
{
    m_impl->styles.text(checked) = style;
    update();
    updateGeometry();
}

const TextStyleDesc& CVNQCheckBox::getTextStyle(bool checked) const
{
    return m_impl->styles.text(checked);
}

void CVNQCheckBox::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    m_impl->styles.setTextByState(state, style);
    update();
    updateGeometry();
}

const TextStyleDesc& CVNQCheckBox::getTextStyleByState(CheckBoxTextState state) const
{
    return m_impl->styles.textByState(state, CheckBoxTextChecked);
}

void CVNQCheckBox::setDisableTextStyle(const TextStyleDesc& style)
{
    m_impl->styles.disabledText = style;
    update();
    updateGeometry();
}
const TextStyleDesc& CVNQCheckBox::getDisableTextStyle() const
{
    return m_impl->styles.disabledText;
}

void CVNQCheckBox::setUncheckIcon(const QString& name)
{
    m_impl->setUncheckIcon(name);
    update();
}
QString CVNQCheckBox::getUncheckIcon() const
{
    return m_impl->uncheckIcon;
}
void CVNQCheckBox::setUncheckHotIcon(const QString& name)
{
    m_impl->uncheckHotIcon = name;
    update();
}
QString CVNQCheckBox::getUncheckHotIcon() const
{
    return m_impl->uncheckHotIcon;
}
void CVNQCheckBox::setCheckedIcon(const QString& name)
{
    m_impl->setCheckedIcon(name);
    update();
}
QString CVNQCheckBox::getCheckedIcon() const
{
    return m_impl->checkedIcon;
}
void CVNQCheckBox::setCheckedHotIcon(const QString& name)
{
    m_impl->checkedHotIcon = name;
    update();
}
QString CVNQCheckBox::getCheckedHotIcon() const
{
    return m_impl->checkedHotIcon;
}
void CVNQCheckBox::setDisableCheckIcon(const QString& name)
{
    m_impl->disableCheckIcon = name;
    update();
}
QString CVNQCheckBox::getDisableCheckIcon() const
{
    return m_impl->disableCheckIcon;
}
void CVNQCheckBox::setDisableUncheckIcon(const QString& name)
{
    m_impl->disableUncheckIcon = name;
    update();
}
QString CVNQCheckBox::getDisableUncheckIcon() const
{
    return m_impl->disableUncheckIcon;
}

void CVNQCheckBox::setIconStyle(const IconStyleDesc& style)
{
    m_impl->iconStyle = style;
    update();
}
const IconStyleDesc& CVNQCheckBox::getIconStyle() const
{
    return m_impl->iconStyle;
}
void CVNQCheckBox::setIconHorAlign(DockLayoutType align)
{
    m_impl->iconStyle.hor = align;
    update();
}
DockLayoutType CVNQCheckBox::getIconHorAlign() const
{
    return m_impl->iconStyle.hor;
}
void CVNQCheckBox::setIconVerAlign(DockLayoutType align)
{
    m_impl->iconStyle.ver = align;
    update();
}
DockLayoutType CVNQCheckBox::getIconVerAlign() const
{
    return m_impl->iconStyle.ver;
}
void CVNQCheckBox::setIconOffsetX(int x)
{
    m_impl->iconStyle.x = x;
    update();
}
int CVNQCheckBox::getIconOffsetX() const
{
    return m_impl->iconStyle.x;
}
void CVNQCheckBox::setIconOffsetY(int y)
{
    m_impl->iconStyle.y = y;
    update();
}
int CVNQCheckBox::getIconOffsetY() const
{
    return m_impl->iconStyle.y;
}

void CVNQCheckBox::setShowIcon(bool show)
{
    m_impl->showIcon = show;
    update();
}
bool CVNQCheckBox::getShowIcon() const
{
    return m_impl->showIcon;
}
void CVNQCheckBox::setShowText(bool show)
{
    m_impl->showText = show;
    update();
    // The size hint counts the text only while it shows.
    updateGeometry();
}
bool CVNQCheckBox::getShowText() const
{
    return m_impl->showText;
}

} // namespace CVNQtLib

#include "moc_CVNQCheckBox.cpp"

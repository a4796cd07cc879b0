#include "CVNQRadioButton.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"
#include "CVNQRadioButtonImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQRadioButton, CVNQRadioButtonImpl, "qtradiobox")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQRadioButton)

CVNQRadioButton::CVNQRadioButton(QWidget* parent)
    : QRadioButton(parent)
{
    m_impl.reset(new CVNQRadioButtonImpl(this, typeName()));
    m_impl->applyTheme();
}

CVNQRadioButton::~CVNQRadioButton() = default;

ControlInfo CVNQRadioButton::getProps()
{
    using C = CVNQRadioButton;
    ControlInfo info = cvnMakeControlInfo(typeName(), "RadioButton", "Control RadioButton", "CVNQRadioButton", "radio");
    auto& rows = info.properties;
    using Slots = CVNQCheckStyles::Slots;
    rows.push_back(cvnStyleRow<C>(Slots::unchecked.named("UnselectedBg"), &C::setBackground, &C::getBackground));
    rows.push_back(
        cvnStyleRow<C>(Slots::checked.named("SelectedBg"), &C::setSelectedBackground, &C::getSelectedBackground));
    rows.push_back(cvnCheckableTextStyleRow<C>());
    rows.push_back(cvnLineRow());
    rows.push_back(cvnBoolRow<C>(QStringLiteral("PushLike"), &C::setPushlike, &C::getPushlike));
    rows.push_back(cvnBoolRow<C>(QStringLiteral("ShowIcon"), &C::setShowIcon, &C::getShowIcon));
    rows.push_back(cvnBoolRow<C>(QStringLiteral("ShowText"), &C::setShowText, &C::getShowText));
    cvnAppendCheckableIconRows<C>(rows);
    return info;
}

void CVNQRadioButton::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->styles.unchecked.set(state, style);
    update();
}

const FillStyle& CVNQRadioButton::getBackground(CtrlState state) const
{
    return m_impl->styles.unchecked.get(state);
}

void CVNQRadioButton::setSelectedBackground(CtrlState state, const FillStyle& style)
{
    m_impl->styles.checked.set(state, style);
    update();
}

const FillStyle& CVNQRadioButton::getSelectedBackground(CtrlState state) const
{
    return m_impl->styles.checked.get(state);
}

QSize CVNQRadioButton::sizeHint() const
{
    return m_impl->sizeHint(QRadioButton::sizeHint());
}

void CVNQRadioButton::setTextStyle(bool checked, const TextStyleDesc& style)
{
    m_impl->styles.text(checked) = style;
    update();
    updateGeometry();
}

TextStyleDesc CVNQRadioButton::getTextStyle(bool checked) const
{
    return m_impl->styles.text(checked);
}

void CVNQRadioButton::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    m_impl->styles.setTextByState(state, style);
    update();
    updateGeometry();
}

const TextStyleDesc& CVNQRadioButton::getTextStyleByState(CheckBoxTextState state) const
{
    return m_impl->styles.textByState(state, CheckBoxTextUnchecked);
}

bool CVNQRadioButton::setUncheckIcon(const QString& name)
{
    m_impl->uncheckIcon = name;
    update();
    return true;
}

const QString& CVNQRadioButton::getUncheckIcon() const
{
    return m_impl->uncheckIcon;
}

bool CVNQRadioButton::setUncheckHotIcon(const QString& name)
{
    m_impl->uncheckHotIcon = name;
    update();
    return true;
}

const QString& CVNQRadioButton::getUncheckHotIcon() const
{
    return m_impl->uncheckHotIcon;
}

bool CVNQRadioButton::setCheckedIcon(const QString& name)
{
    m_impl->checkedIcon = name;
    update();
    return true;
}

const QString& CVNQRadioButton::getCheckedIcon() const
{
    return m_impl->checkedIcon;
}

bool CVNQRadioButton::setCheckedHotIcon(const QString& name)
{
    m_impl->checkedHotIcon = name;
    update();
    return true;
}

const QString& CVNQRadioButton::getCheckedHotIcon() const
{
    return m_impl->checkedHotIcon;
}

bool CVNQRadioButton::setDisableIcon(const QString& name)
{
    m_impl->disableIcon = name;
    update();
    return true;
}

const QString& CVNQRadioButton::getDisableIcon() const
{
    return m_impl->disableIcon;
}

void CVNQRadioButton::setIcon(const QString& name)
{
    setIcon(RadioIconAll, name);
}

void CVNQRadioButton::setIcon(RadioIconState state, const QString& name)
{
    switch (state) {
    case RadioIconChecked: m_impl->checkedIcon = name; break;
    case RadioIconCheckedHot: m_impl->checkedHotIcon = name; break;
    case RadioIconUnchecked: m_impl->uncheckIcon = name; break;
    case RadioIconUncheckedHot: m_impl->uncheckHotIcon = name; break;
    case RadioIconAll:
        m_impl->checkedIcon = m_impl->checkedHotIcon = m_impl->uncheckIcon = m_impl->uncheckHotIcon = name;
        break;
    default: break;
    }
    update();
}

void CVNQRadioButton::setIconStyle(const IconStyleDesc& style)
{
    m_impl->iconStyle = style;
    update();
}
const IconStyleDesc& CVNQRadioButton::getIconStyle() const
{
    return m_impl->iconStyle;
}
void CVNQRadioButton::setIconHorAlign(DockLayoutType align)
{
    m_impl->iconStyle.hor = align;
    update();
}
DockLayoutType CVNQRadioButton::getIconHorAlign() const
{
    return m_impl->iconStyle.hor;
}
void CVNQRadioButton::setIconVerAlign(DockLayoutType align)
{
    m_impl->iconStyle.ver = align;
    update();
}
DockLayoutType CVNQRadioButton::getIconVerAlign() const
{
    return m_impl->iconStyle.ver;
}
void CVNQRadioButton::setIconOffsetX(int x)
{
    m_impl->iconStyle.x = x;
    update();
}
int CVNQRadioButton::getIconOffsetX() const
{
    return m_impl->iconStyle.x;
}
void CVNQRadioButton::setIconOffsetY(int y)
{
    m_impl->iconStyle.y = y;
    update();
}
int CVNQRadioButton::getIconOffsetY() const
{
    return m_impl->iconStyle.y;
}

void CVNQRadioButton::setPushlike(bool pushlike)
{
    m_impl->pushlike = pushlike;
    update();
}

bool CVNQRadioButton::getPushlike() const
{
    return m_impl->pushlike;
}

void CVNQRadioButton::setShowIcon(bool show)
{
    m_impl->showIcon = show;
    update();
}

bool CVNQRadioButton::getShowIcon() const
{
    return m_impl->showIcon;
}
void CVNQRadioButton::setShowText(bool show)
{
    m_impl->showText = show;
    update();
    // The size hint counts the text only while it shows.
    updateGeometry();
}
bool CVNQRadioButton::getShowText() const
{
    return m_impl->showText;
}

void CVNQRadioButton::mousePressEvent(QMouseEvent* event)
{
    m_impl->mousePressEvent(event);
    // A slot of Qt's pressed, or of pressedEvent, may delete the button. The
    // press it reports is taken here: Qt would pass an ignored one (another
    // button's) on to the parent of the deleted button.
    if (!cvnOutlives(this, [&] { QRadioButton::mousePressEvent(event); }))
        return;
    event->accept();
    emit pressedEvent();
}

void CVNQRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_impl->mouseReleaseEvent(event);
    QRadioButton::mouseReleaseEvent(event);
}

void CVNQRadioButton::mouseMoveEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QRadioButton::mouseMoveEvent(event); }))
        m_impl->mouseMoveEvent(event);
}

void CVNQRadioButton::enterEvent(QEvent* event)
{
    QRadioButton::enterEvent(event);
    m_impl->enterEvent(event);
}

void CVNQRadioButton::leaveEvent(QEvent* event)
{
    QRadioButton::leaveEvent(event);
    m_impl->leaveEvent(event);
}

bool CVNQRadioButton::hitButton(const QPoint&) const
{
    return true;
}

} // namespace CVNQtLib

#include "moc_CVNQRadioButton.cpp"

#include "CVNQSwitch.h"

#include "CVNQControlInfo.h"
#include "CVNQSwitchImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQSwitch, CVNQSwitchImpl, "qtswitch")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQSwitch)

CVNQSwitch::CVNQSwitch(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQSwitchImpl(this, typeName()));
    m_impl->applyTheme();
}

CVNQSwitch::~CVNQSwitch() = default;

ControlInfo CVNQSwitch::getProps()
{
    using C = CVNQSwitch;
    ControlInfo info = cvnMakeControlInfo(typeName(), "Switch", "Control Switch", "CVNQSwitch", "switch");
    auto& rows = info.properties;
    using Slots = CVNQSwitchImpl::Slots;
    rows.push_back(cvnStyleRow<C>(Slots::background, &C::setBackgroundStyle, &C::getBackgroundStyle));
    rows.push_back(cvnStyleRow<C>(Slots::thumb, &C::setThumbStyle, &C::getThumbStyle));
    rows.push_back(
        cvnStyleRow<C>(Slots::text, &C::setTextStyle, &C::getTextStyle, cvnChoices({{0, "Left"}, {1, "Right"}})));
    rows.push_back(cvnStringRow<C>(QStringLiteral("LeftText"), PropText, &C::setLeftText, &C::getLeftText));
    rows.push_back(cvnStringRow<C>(QStringLiteral("RightText"), PropText, &C::setRightText, &C::getRightText));
    rows.push_back(cvnIntRow<C>(QStringLiteral("Speed"), PropInt, &C::setSwitchSpeed, &C::getSwitchSpeed));

    rows.push_back(cvnTwoIntsRow<C>(QStringLiteral("ThumbSize"), &C::setThumbSize, &C::getThumbSize));

    rows.push_back(cvnBoolRow<C>(QStringLiteral("DefaultIsLeft"), &C::setSwitchToLeft, &C::getIsSwitchToLeft));
    rows.push_back(cvnIntRow<C>(QStringLiteral("Margin"), PropInt, &C::setMargin, &C::getMargin));
    return info;
}

void CVNQSwitch::setBackgroundStyle(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    update();
}
const FillStyle& CVNQSwitch::getBackgroundStyle(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQSwitch::setThumbStyle(CtrlState state, const FillStyle& style)
{
    m_impl->thumb.set(state, style);
    update();
}
const FillStyle& CVNQSwitch::getThumbStyle(CtrlState state) const
{
    return m_impl->thumb.get(state);
}

void CVNQSwitch::setTextStyle(SwitchPosition position, const TextStyleDesc& style)
{
    m_impl->textStyle[position == SwitchLeft ? 0 : 1] = style;
    update();
}

const TextStyleDesc& CVNQSwitch::getTextStyle(SwitchPosition position) const
{
    return m_impl->textStyle[position == SwitchLeft ? 0 : 1];
}

void CVNQSwitch::setLeftText(const QString& text)
{
    m_impl->leftText = text;
    update();
}
const QString& CVNQSwitch::getLeftText() const
{
    return m_impl->leftText;
}
void CVNQSwitch::setRightText(const QString& text)
{
    m_impl->rightText = text;
    update();
}
const QString& CVNQSwitch::getRightText() const
{
    return m_impl->rightText;
}
void CVNQSwitch::setThumbSize(int w, int h)
{
    // Within what the reader keeps of a file's size: a negative side would
    // be written and read back as 0.
    m_impl->thumbSize = QSize(qBound(0, w, QWIDGETSIZE_MAX), qBound(0, h, QWIDGETSIZE_MAX));
    update();
}

void CVNQSwitch::getThumbSize(int& w, int& h) const
{
    w = m_impl->thumbSize.width();
    h = m_impl->thumbSize.height();
}

void CVNQSwitch::setThumbBtnSize(const QSize& size)
{
    m_impl->thumbSize = size;
    update();
}
const QSize& CVNQSwitch::getThumbBtnSize() const
{
    return m_impl->thumbSize;
}
void CVNQSwitch::setMargin(int margin)
{
    m_impl->margin = margin;
    update();
}
int CVNQSwitch::getMargin() const
{
    return m_impl->margin;
}
void CVNQSwitch::setSwitchSpeed(unsigned int ms)
{
    m_impl->speed = ms;
}
unsigned int CVNQSwitch::getSwitchSpeed() const
{
    return m_impl->speed;
}
void CVNQSwitch::setSwitchToLeft(bool left)
{
    m_impl->setPosition(left);
}
bool CVNQSwitch::getIsSwitchToLeft() const
{
    return m_impl->switchToLeft;
}
void CVNQSwitch::setShowAllText(bool show)
{
    m_impl->showAllText = show;
    update();
}
bool CVNQSwitch::getShowAllText() const
{
    return m_impl->showAllText;
}

void CVNQSwitch::mousePressEvent(QMouseEvent* event)
{
    m_impl->mousePressEvent(event);
    m_impl->toggle();
}

void CVNQSwitch::mouseReleaseEvent(QMouseEvent* event)
{
    m_impl->mouseReleaseEvent(event);
}
void CVNQSwitch::enterEvent(QEvent* event)
{
    m_impl->enterEvent(event);
}
void CVNQSwitch::leaveEvent(QEvent* event)
{
    m_impl->leaveEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQSwitch.cpp"

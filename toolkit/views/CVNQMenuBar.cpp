#include "CVNQMenuBar.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"

#include "CVNQMenuBarImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQMenuBar, CVNQMenuBarImpl, "qtmenubar")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQMenuBar)

CVNQMenuBar::CVNQMenuBar(QWidget* parent)
    : QMenuBar(parent)
{
    m_impl.reset(new CVNQMenuBarImpl(this, typeName()));
    m_impl->applyTheme();
    // The hovered item follows the pointer without a button held.
    setAttribute(Qt::WA_MouseTracking);
}

CVNQMenuBar::~CVNQMenuBar() = default;

ControlInfo CVNQMenuBar::getProps()
{
    using B = CVNQMenuBar;
    ControlInfo info = cvnMakeControlInfo(typeName(), "MenuBar", "Control MenuBar", "CVNQMenuBar", "menu");
    std::vector<PropertyDef>& rows = info.properties;
    using Slots = CVNQMenuBarImpl::Slots;
    rows.push_back(cvnStyleRow<B>(Slots::background, &B::setBackground, &B::getBackground, cvnTwoStateChoices()));
    rows.push_back(cvnStyleRow<B>(Slots::item, &B::setItemBackground, &B::getItemBackground));
    rows.push_back(cvnStyleRow<B>(Slots::itemText, &B::setTextStyle, &B::getTextStyle));
    rows.push_back(cvnStyleRow<B>(Slots::popup, &B::setPopupBackground, &B::getPopupBackground, cvnTwoStateChoices()));
    rows.push_back(cvnStyleRow<B>(Slots::popupItem, &B::setPopupItemBackground, &B::getPopupItemBackground));
    rows.push_back(cvnStyleRow<B>(Slots::popupText, &B::setPopupTextStyle, &B::getPopupTextStyle));
    return info;
}

void CVNQMenuBar::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    update();
}
const FillStyle& CVNQMenuBar::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQMenuBar::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackgrounds.set(state, style);
    update();
}
const FillStyle& CVNQMenuBar::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds.get(state);
}
void CVNQMenuBar::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyles.set(state, style);
    update();
}
const TextStyleDesc& CVNQMenuBar::getTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles.get(state);
}
void CVNQMenuBar::setPopupBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->popupBackground = style;
}
const FillStyle& CVNQMenuBar::getPopupBackground(CommonCtrlState) const
{
    return m_impl->popupBackground;
}
void CVNQMenuBar::setPopupItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->popupItemBackgrounds.set(state, style);
}
const FillStyle& CVNQMenuBar::getPopupItemBackground(CtrlState state) const
{
    return m_impl->popupItemBackgrounds.get(state);
}
void CVNQMenuBar::setPopupTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->popupTextStyles.set(state, style);
}
const TextStyleDesc& CVNQMenuBar::getPopupTextStyle(CtrlState state) const
{
    return m_impl->popupTextStyles.get(state);
}

void CVNQMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    // Qt's handler emits hovered, whose slots may delete the bar.
    if (cvnOutlives(this, [&] { QMenuBar::mouseMoveEvent(event); }))
        m_impl->trackHover(event->pos());
}

void CVNQMenuBar::leaveEvent(QEvent* event)
{
    if (cvnOutlives(this, [&] { QMenuBar::leaveEvent(event); }))
        m_impl->clearHover();
}

} // namespace CVNQtLib

#include "moc_CVNQMenuBar.cpp"

#include "CVNQScrollBar.h"

#include "CVNQControlInfo.h"
#include "CVNQScrollBarImpl.h"

#include <QStyleOptionSlider>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQScrollBar, CVNQScrollBarImpl, "qtscrollbar")

CVNQScrollBar::CVNQScrollBar(QWidget* parent)
    : CVNQScrollBar(Qt::Vertical, parent)
{}

CVNQScrollBar::CVNQScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(parent)
{
    setOrientation(orientation);
    setAttribute(Qt::WA_MouseTracking, true);
    m_impl.reset(new CVNQScrollBarImpl(this, QString::fromLatin1(typeName())));
    m_impl->applyTheme();
}

CVNQScrollBar::~CVNQScrollBar() = default;

ControlInfo CVNQScrollBar::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "ScrollBar", "Control ScrollBar", "CVNQScrollBar", "scrollbar");
    using Slots = CVNQScrollBarSlots;
    auto& rows = info.properties;
    rows.push_back(cvnStyleRow<CVNQScrollBar>(Slots::background, &CVNQScrollBar::setScrollbarBackground,
                                              &CVNQScrollBar::getScrollbarBackground));
    rows.push_back(cvnStyleRow<CVNQScrollBar>(Slots::up, &CVNQScrollBar::setScrollbarUpButton,
                                              &CVNQScrollBar::getScrollbarUpButton));
    rows.push_back(cvnStyleRow<CVNQScrollBar>(Slots::down, &CVNQScrollBar::setScrollbarDownButton,
                                              &CVNQScrollBar::getScrollbarDownButton));
    rows.push_back(
        cvnStyleRow<CVNQScrollBar>(Slots::thumb, &CVNQScrollBar::setScrollbarThumb, &CVNQScrollBar::getScrollbarThumb));
    info.properties.push_back(cvnStringRow<CVNQScrollBar>(QStringLiteral("Thumb"), PropImage,
                                                          &CVNQScrollBar::setScrollbarThumbIcon,
                                                          &CVNQScrollBar::getScrollbarThumbIcon));
    return info;
}

void CVNQScrollBar::setScrollbarBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
}

const FillStyle& CVNQScrollBar::getScrollbarBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void CVNQScrollBar::setScrollbarUpButton(CtrlState state, const FillStyle& style)
{
    m_impl->upButton.set(state, style);
}

const FillStyle& CVNQScrollBar::getScrollbarUpButton(CtrlState state) const
{
    return m_impl->upButton.get(state);
}

void CVNQScrollBar::setScrollbarDownButton(CtrlState state, const FillStyle& style)
{
    m_impl->downButton.set(state, style);
}

void CVNQScrollBar::setScrollbarButton(bool up, CtrlState state, const FillStyle& style)
{
    (up ? m_impl->upButton : m_impl->downButton).set(state, style);
}

const FillStyle& CVNQScrollBar::getScrollbarDownButton(CtrlState state) const
{
    return m_impl->downButton.get(state);
}

void CVNQScrollBar::setScrollbarThumb(CtrlState state, const FillStyle& style)
{
    m_impl->thumb.set(state, style);
}

const FillStyle& CVNQScrollBar::getScrollbarThumb(CtrlState state) const
{
    return m_impl->thumb.get(state);
}

void CVNQScrollBar::setScrollbarBtnIcon(bool up, const QString& icon)
{
    (up ? m_impl->upIcon : m_impl->downIcon) = icon;
}

const QString& CVNQScrollBar::getScrollbarBtnIcon(bool up) const
{
    return up ? m_impl->upIcon : m_impl->downIcon;
}

void CVNQScrollBar::setScrollbarIconStyle(bool up, const IconStyleDesc& style)
{
    (up ? m_impl->upIconStyle : m_impl->downIconStyle) = style;
}

const IconStyleDesc& CVNQScrollBar::getScrollbarIconStyle(bool up) const
{
    return up ? m_impl->upIconStyle : m_impl->downIconStyle;
}

void CVNQScrollBar::setScrollbarThumbIcon(const QString& icon)
{
    m_impl->thumbIcon = icon;
}

const QString& CVNQScrollBar::getScrollbarThumbIcon() const
{
    return m_impl->thumbIcon;
}

void CVNQScrollBar::setWidthHeight(int thickness)
{
    m_impl->widthHeight = thickness;
}

int CVNQScrollBar::getWidthHeight() const
{
    return m_impl->widthHeight;
}

void CVNQScrollBar::initStyleOption(QStyleOptionSlider* option) const
{
    if (option)
        QScrollBar::initStyleOption(option);
}

QSize CVNQScrollBar::sizeHint() const
{
    QSize s = QScrollBar::sizeHint();
    if (m_impl && m_impl->widthHeight != -1) {
        if (orientation() == Qt::Horizontal)
            s.setHeight(m_impl->widthHeight);
        else
            s.setWidth(m_impl->widthHeight);
    }
    return s;
}

void CVNQScrollBar::paintEvent(QPaintEvent*)
{
    m_impl->paint();
}

void CVNQScrollBar::mousePressEvent(QMouseEvent* event)
{
    m_impl->mousePressEvent(event);
    QScrollBar::mousePressEvent(event);
}

void CVNQScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_impl->mouseReleaseEvent(event);
    QScrollBar::mouseReleaseEvent(event);
}

void CVNQScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    m_impl->mouseMoveEvent(event);
    QScrollBar::mouseMoveEvent(event);
}

void CVNQScrollBar::leaveEvent(QEvent* event)
{
    m_impl->leaveEvent(event);
    QWidget::leaveEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQScrollBar.cpp"

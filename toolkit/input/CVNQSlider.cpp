#include "CVNQSlider.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"
#include "CVNQSliderImpl.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQSlider, CVNQSliderImpl, "qtslider")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQSlider)

CVNQSlider::CVNQSlider(QWidget* parent, Qt::Orientation orientation)
    : QSlider(parent)
{
    m_impl.reset(new CVNQSliderImpl(this, typeName()));
    // The node leaves out a maximum of 100, so that is what a new slider has
    // (QSlider alone would start at 99).
    setRange(0, 100);
    setOrientation(orientation);
    m_impl->applyTheme();
}

CVNQSlider::~CVNQSlider() = default;

void CVNQSlider::setBackgroundStyle(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    update();
}

const FillStyle& CVNQSlider::getBackgroundStyle(CommonCtrlState) const
{
    return m_impl->background;
}

void CVNQSlider::setForegroundStyle(CommonCtrlState, const FillStyle& style)
{
    m_impl->foreground = style;
    update();
}

const FillStyle& CVNQSlider::getForegroundStyle(CommonCtrlState) const
{
    return m_impl->foreground;
}

void CVNQSlider::setThumbStyle(CtrlState state, const FillStyle& style)
{
    m_impl->thumb.set(state, style);
    update();
}

const FillStyle& CVNQSlider::getThumbStyle(CtrlState state) const
{
    return m_impl->thumb.get(state);
}

void CVNQSlider::setThumbSize(int w, int h)
{
    // Kept within what a widget can be, as the reader keeps a file's size:
    // a negative side would be written and read back as 0.
    m_impl->thumbWidth = qBound(0, w, QWIDGETSIZE_MAX);
    m_impl->thumbHeight = qBound(0, h, QWIDGETSIZE_MAX);
    update();
}

void CVNQSlider::getThumbSize(int& w, int& h) const
{
    w = m_impl->thumbWidth;
    h = m_impl->thumbHeight;
}

QSize CVNQSlider::getThumbBtnSize() const
{
    return QSize(m_impl->thumbWidth, m_impl->thumbHeight);
}

int CVNQSlider::getSliderLength() const
{
    return orientation() == Qt::Horizontal ? m_impl->thumbWidth : m_impl->thumbHeight;
}

QRect CVNQSlider::getThumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect rect = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    rect.setWidth(m_impl->thumbWidth);
    rect.setHeight(m_impl->thumbHeight);
    return rect;
}

void CVNQSlider::setChannelHeight(int height)
{
    m_impl->channelHeight = height;
    update();
}

int CVNQSlider::getChannelHeight() const
{
    return m_impl->channelHeight;
}

void CVNQSlider::setIsHorizontal(bool horizontal)
{
    setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
}

bool CVNQSlider::getIsHorizontal() const
{
    return orientation() == Qt::Horizontal;
}

void CVNQSlider::mousePressEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QSlider::mousePressEvent(event); }))
        m_impl->mousePressEvent(event);
}

void CVNQSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QSlider::mouseReleaseEvent(event); }))
        m_impl->mouseReleaseEvent(event);
}

void CVNQSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QSlider::mouseMoveEvent(event); }))
        m_impl->mouseMoveEvent(event);
}

void CVNQSlider::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    m_impl->enterEvent(event);
    setMouseTracking(true);
}

void CVNQSlider::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_impl->leaveEvent(event);
    setMouseTracking(false);
}

ControlInfo CVNQSlider::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "Slider", "Control Slider", "CVNQSlider", "slider");
    auto& rows = info.properties;
    using Slots = CVNQSliderImpl::Slots;
    rows.push_back(
        cvnStyleRow<CVNQSlider>(Slots::background, &CVNQSlider::setBackgroundStyle, &CVNQSlider::getBackgroundStyle));
    rows.push_back(
        cvnStyleRow<CVNQSlider>(Slots::foreground, &CVNQSlider::setForegroundStyle, &CVNQSlider::getForegroundStyle));
    rows.push_back(cvnStyleRow<CVNQSlider>(Slots::thumb, &CVNQSlider::setThumbStyle, &CVNQSlider::getThumbStyle));
    rows.push_back(cvnBoolRow<CVNQSlider>(QStringLiteral("IsHorizontal"), &CVNQSlider::setIsHorizontal,
                                          &CVNQSlider::getIsHorizontal));
    rows.push_back(
        cvnTwoIntsRow<CVNQSlider>(QStringLiteral("ThumbWidth"), &CVNQSlider::setThumbSize, &CVNQSlider::getThumbSize));
    rows.push_back(cvnIntRow<QAbstractSlider>(QStringLiteral("MaxValue"), PropInt, &QAbstractSlider::setMaximum,
                                              &QAbstractSlider::maximum));
    rows.push_back(cvnIntRow<QAbstractSlider>(QStringLiteral("MinValue"), PropInt, &QAbstractSlider::setMinimum,
                                              &QAbstractSlider::minimum));
    rows.push_back(cvnIntRow<QAbstractSlider>(QStringLiteral("Value"), PropInt, &QAbstractSlider::setValue,
                                              &QAbstractSlider::value));
    return info;
}

} // namespace CVNQtLib

#include "moc_CVNQSlider.cpp"

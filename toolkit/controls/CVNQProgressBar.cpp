#include "CVNQProgressBar.h"

#include "CVNQControlInfo.h"
#include "CVNQProgressBarImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQProgressBar, CVNQProgressBarImpl, "qtprogressbar")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQProgressBar)

CVNQProgressBar::CVNQProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
    m_impl.reset(new CVNQProgressBarImpl(this, typeName()));
    m_impl->applyTheme();
    // QProgressBar repaints a new value only when its own picture would
    // change by its own measure, which it takes from its own paint; the
    // drawing here is another (the value as text, a circle), so every new
    // value shows.
    connect(this, &QProgressBar::valueChanged, this, QOverload<>::of(&QWidget::update));
}

CVNQProgressBar::~CVNQProgressBar() = default;

ControlInfo CVNQProgressBar::getProps()
{
    using C = CVNQProgressBar;
    ControlInfo info =
        cvnMakeControlInfo(typeName(), "ProgressBar", "Control ProgressBar", "CVNQProgressBar", "progressbar");
    using Slots = CVNQProgressBarImpl::Slots;
    info.properties.push_back(cvnStyleRow<C>(Slots::background, &C::setBackground, &C::getBackground));
    info.properties.push_back(cvnStyleRow<C>(Slots::foreground, &C::setForeground, &C::getForeground));
    info.properties.push_back(cvnBoolRow<C>(QStringLiteral("ShowText"), &C::setShowText, &C::getShowText));
    return info;
}

void CVNQProgressBar::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    update();
}
const FillStyle& CVNQProgressBar::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQProgressBar::setForeground(CommonCtrlState, const FillStyle& style)
{
    m_impl->foreground = style;
    update();
}
const FillStyle& CVNQProgressBar::getForeground(CommonCtrlState) const
{
    return m_impl->foreground;
}

void CVNQProgressBar::setShowText(bool show)
{
    m_impl->showText = show;
    update();
}

bool CVNQProgressBar::getShowText() const
{
    return m_impl->showText;
}
void CVNQProgressBar::setCircleProgressBar(bool circle)
{
    m_impl->circle = circle;
    update();
}
bool CVNQProgressBar::getIsCircleProgressBar() const
{
    return m_impl->circle;
}

void CVNQProgressBar::setCircleAngleRange(int start, int end)
{
    if (start < 1 || end <= start)
        return;
    m_impl->startAngle = start;
    m_impl->endAngle = end;
    update();
}

void CVNQProgressBar::getCirleAngleRange(int& start, int& end) const
{
    start = m_impl->startAngle;
    end = m_impl->endAngle;
}

} // namespace CVNQtLib

#include "moc_CVNQProgressBar.cpp"

#include "CVNQLCDNumber.h"

#include "CVNQControlInfo.h"
#include "CVNQLCDNumberImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQLCDNumber, CVNQLCDNumberImpl, "qtlcdnumber")

CVNQLCDNumber::CVNQLCDNumber(QWidget* parent)
    : QLCDNumber(parent)
{
    m_impl.reset(new CVNQLCDNumberImpl(this, typeName()));
    m_impl->applyTheme();
    // Only the fill style paints a background.
    setFrameStyle(0);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

CVNQLCDNumber::~CVNQLCDNumber() = default;

ControlInfo CVNQLCDNumber::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "LCDNumber", "Control LCDNumber", "CVNQLCDNumber", "");
    info.properties.push_back(cvnStyleRow<CVNQLCDNumber>(CVNQLCDNumberImpl::Slots::background,
                                                         &CVNQLCDNumber::setBackground, &CVNQLCDNumber::getBackground));
    info.properties.push_back(cvnIntRow<CVNQLCDNumber>(QStringLiteral("DigitCount"), PropInt,
                                                       &QLCDNumber::setDigitCount, &QLCDNumber::digitCount));
    info.properties.push_back(
        cvnColorRow<CVNQLCDNumber>(QStringLiteral("TextColor"), &CVNQLCDNumber::setColor, &CVNQLCDNumber::getColor));
    info.properties.push_back(cvnStringRow<CVNQLCDNumber>(QStringLiteral("Text"), PropName, &CVNQLCDNumber::setNumText,
                                                          &CVNQLCDNumber::getNumText));
    return info;
}

void CVNQLCDNumber::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
}
const FillStyle& CVNQLCDNumber::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQLCDNumber::setColor(const QColor& color)
{
    m_impl->color = color;
}
QColor CVNQLCDNumber::getColor() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}
void CVNQLCDNumber::setNumText(const QString& text)
{
    display(text);
}
QString CVNQLCDNumber::getNumText() const
{
    return QStringLiteral("%1").arg(value());
}

void CVNQLCDNumber::paintEvent(QPaintEvent* event)
{
    m_impl->paint();
    QLCDNumber::paintEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQLCDNumber.cpp"

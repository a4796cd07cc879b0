#include "CVNQGroupBox.h"

#include "CVNQControlInfo.h"
#include "CVNQGroupBoxImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQGroupBox, CVNQGroupBoxImpl, "qtgroupbox")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQGroupBox)

CVNQGroupBox::CVNQGroupBox(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQGroupBoxImpl(this));
    m_impl->applyTheme();
}

CVNQGroupBox::~CVNQGroupBox() = default;

ControlInfo CVNQGroupBox::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "GroupBox", "Control GroupBox", "CVNQGroupBox", "groupbox");
    using Slots = CVNQGroupBoxImpl::Slots;
    info.properties.push_back(
        cvnStyleRow<CVNQGroupBox>(Slots::background, &CVNQGroupBox::setBackground, &CVNQGroupBox::getBackground));
    info.properties.push_back(
        cvnStyleRow<CVNQGroupBox>(Slots::text, &CVNQGroupBox::setTextStyle, &CVNQGroupBox::getTextStyle));
    info.properties.push_back(
        cvnStringRow<CVNQGroupBox>(QStringLiteral("Text"), PropText, &CVNQGroupBox::setText, &CVNQGroupBox::getText));
    info.properties.push_back(cvnIntRow<CVNQGroupBox>(QStringLiteral("LineSize"), PropInt, &CVNQGroupBox::setLineSize,
                                                      &CVNQGroupBox::getLineSize));
    info.properties.push_back(cvnColorRow<CVNQGroupBox>(QStringLiteral("LineColor"), &CVNQGroupBox::setLineColor,
                                                        &CVNQGroupBox::getLineColor));
    info.properties.push_back(
        cvnBoolRow<CVNQGroupBox>(QStringLiteral("ShowText"), &CVNQGroupBox::setShowText, &CVNQGroupBox::getShowText));
    return info;
}

void CVNQGroupBox::setText(const QString& text)
{
    // A title set by hand no longer follows a language key.
    m_impl->text = text;
    m_impl->textKey.clear();
}

const QString& CVNQGroupBox::getText() const
{
    return m_impl->text;
}

void CVNQGroupBox::setTextStyle(CommonCtrlState, const TextStyleDesc& style)
{
    m_impl->textStyle = style;
}

const TextStyleDesc& CVNQGroupBox::getTextStyle(CommonCtrlState) const
{
    return m_impl->textStyle;
}

void CVNQGroupBox::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
}

const FillStyle& CVNQGroupBox::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void CVNQGroupBox::setLineColor(QColor color)
{
    m_impl->lineColor = color;
}

QColor CVNQGroupBox::getLineColor() const
{
    return m_impl->lineColor;
}

void CVNQGroupBox::setLineSize(int size)
{
    m_impl->lineSize = size;
}

int CVNQGroupBox::getLineSize() const
{
    return m_impl->lineSize;
}

void CVNQGroupBox::setShowText(bool show)
{
    m_impl->showText = show;
}

bool CVNQGroupBox::getShowText() const
{
    return m_impl->showText;
}

} // namespace CVNQtLib

#include "moc_CVNQGroupBox.cpp"

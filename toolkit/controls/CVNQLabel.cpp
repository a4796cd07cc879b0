#include "CVNQLabel.h"

#include "CVNQControlInfo.h"
#include "CVNQLabelImpl.h"

#include <QEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQLabel, CVNQLabelImpl, "qtlabel")

CVNQLabel::CVNQLabel(QWidget* parent)
    : QLabel(parent)
{
    m_impl.reset(new CVNQLabelImpl(this, typeName()));
    m_impl->applyTheme();
    // A new label shows "label", whatever text its theme entry named.
    m_impl->setText(QStringLiteral("label"));
}

CVNQLabel::~CVNQLabel() = default;

ControlInfo CVNQLabel::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "Label", "Control label", "CVNQLabel", "label");
    info.properties.push_back(
        cvnStringRow<CVNQLabel>(QStringLiteral("Text"), PropText, &CVNQLabel::setText, &CVNQLabel::getText));
    info.properties.push_back(cvnStyleRow<CVNQLabel>(CVNQLabelStyles::Slots::text, &CVNQLabel::setTextStyle,
                                                     &CVNQLabel::getTextStyle,
                                                     cvnChoices({{0, "Normal"}, {CtrlStateDisabled, "Disable"}})));
    return info;
}

void CVNQLabel::setText(const QString& text)
{
    m_impl->setText(text);
}

QString CVNQLabel::getText() const
{
    return m_impl->wholeText();
}

void CVNQLabel::setColor(const QColor& color)
{
    m_impl->styles.normal.clr = color;
    m_impl->applyTextStyle();
}

const QColor& CVNQLabel::getColor() const
{
    return m_impl->styles.normal.clr;
}
void CVNQLabel::setDisableColor(const QColor& color)
{
    m_impl->styles.disabled.clr = color;
}
const QColor& CVNQLabel::getDisableColor() const
{
    return m_impl->styles.disabled.clr;
}

void CVNQLabel::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->styles.set(state, style);
    m_impl->applyTextStyle();
}

const TextStyleDesc& CVNQLabel::getTextStyle(CtrlState state) const
{
    return m_impl->styles.forState(state);
}

QSize CVNQLabel::sizeHint() const
{
    ensurePolished();
    QSize hint = CVNQLabelImpl::sharedSizeHint(this);
    // From the whole text, never the shortened one shown, so a label given
    // the room it asks for shows it all again.
    if (wordWrap())
        hint.setHeight(m_impl->wholeTextHeight(this, hint.width(), hint.height()));
    else
        hint.setWidth(m_impl->wholeTextWidth(this, hint.width()));
    return hint;
}

int CVNQLabel::heightForWidth(int width) const
{
    return m_impl->wholeTextHeight(this, width, QLabel::heightForWidth(width));
}

void CVNQLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    m_impl->elideToWidth();
}

void CVNQLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // The drawn font changed (a parent's font, the application font or a
    // style sheet): the elided text was measured in the old one.
    if (m_impl && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        m_impl->elideShown();
}

void CVNQLabel::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    // Texts and fonts set while hidden were not fitted.
    m_impl->elideToWidth();
}

} // namespace CVNQtLib

#include "moc_CVNQLabel.cpp"

#include "CVNQLabelEx.h"

#include "CVNQLabelExImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQLabelEx, CVNQLabelExImpl, "qtlabelex")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQLabelEx)

CVNQLabelEx::CVNQLabelEx(QWidget* parent)
    : QLabel(parent)
{
    m_impl.reset(new CVNQLabelExImpl(this, typeName()));
    m_impl->applyTheme();
    m_impl->document()->setPlainText(QStringLiteral("label"));
}

CVNQLabelEx::~CVNQLabelEx() = default;

void CVNQLabelEx::setText(const QString& text)
{
    m_impl->document()->setPlainText(text);
    update();
}
void CVNQLabelEx::setHtmlContent(const QString& html)
{
    m_impl->document()->setHtml(html);
    update();
}
QString CVNQLabelEx::getHtmlContent() const
{
    return m_impl->document()->toHtml();
}
void CVNQLabelEx::setColor(const QColor& color)
{
    m_impl->styles.normal.clr = color;
    update();
}
const QColor& CVNQLabelEx::getColor() const
{
    return m_impl->styles.normal.clr;
}
void CVNQLabelEx::setDisableColor(const QColor& color)
{
    m_impl->styles.disabled.clr = color;
}
const QColor& CVNQLabelEx::getDisableColor() const
{
    return m_impl->styles.disabled.clr;
}

void CVNQLabelEx::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->styles.set(state, style);
    update();
}

const TextStyleDesc& CVNQLabelEx::getTextStyle(CtrlState state) const
{
    return m_impl->styles.forState(state);
}

QSize CVNQLabelEx::calcSize(const QString& html, int width) const
{
    return m_impl->calcSize(html, width);
}

void CVNQLabelEx::mousePressEvent(QMouseEvent* event)
{
    if (textInteractionFlags() != Qt::NoTextInteraction)
        m_impl->mousePressEvent(event);
}

void CVNQLabelEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (textInteractionFlags() != Qt::NoTextInteraction)
        m_impl->mouseReleaseEvent(event);
}

void CVNQLabelEx::mouseMoveEvent(QMouseEvent* event)
{
    if (textInteractionFlags() != Qt::NoTextInteraction)
        m_impl->mouseMoveEvent(event);
}

void CVNQLabelEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (textInteractionFlags() != Qt::NoTextInteraction)
        m_impl->mouseDoubleClickEvent(event);
}

void CVNQLabelEx::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQLabelEx.cpp"

#include "CVNQTextEdit.h"

#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQTextEditImpl.h"

#include <QEvent>
#include <QPainter>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQTextEdit, CVNQTextEditImpl, "qttext")

CVNQTextEdit::CVNQTextEdit(QWidget* parent) : QTextEdit(parent)
{
    m_impl = new CVNQTextEditImpl(this, typeName());
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    // Scoped to the text edit: a bare rule would cascade into the two scroll
    // bars, and a background rule makes Qt's style-sheet style lay a bar out
    // as fully styled, its line buttons then covering the whole groove.
    setStyleSheet(QStringLiteral("QTextEdit { background-color: rgba(0, 0, 0, 0); }"));
    m_hBar = new CVNQScrollBar(Qt::Horizontal, this);
    m_vBar = new CVNQScrollBar(Qt::Vertical, this);
    setVerticalScrollBar(m_vBar);
    setHorizontalScrollBar(m_hBar);
    viewport()->installEventFilter(this);
    setFrameStyle(0);
}

CVNQTextEdit::~CVNQTextEdit() = default;

void CVNQTextEdit::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->backgrounds.set(state, style, false);
}

const FillStyle& CVNQTextEdit::getBackground(CtrlState state) const
{
    return m_impl->backgrounds.get(state);
}

void CVNQTextEdit::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    if (!m_impl->textStyles.set(state, style, false))
        return;
    if (state == CtrlStateNormal)
        m_impl->applyTextStyle(CtrlStateNormal);
}

const TextStyleDesc& CVNQTextEdit::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles.get(state);
}

void CVNQTextEdit::setPlaceholderText(const QString& text)
{
    m_impl->placeholderText = text;
}

const QString& CVNQTextEdit::getPlaceholderText() const
{
    return m_impl->placeholderText;
}

void CVNQTextEdit::setPlaceholderTextStyle(const TextStyleDesc& style)
{
    m_impl->placeholderTextStyle = style;
}

const TextStyleDesc& CVNQTextEdit::getPlaceholderTextStyle() const
{
    return m_impl->placeholderTextStyle;
}

// A scroll area lays its viewport out itself and rewrites its contents
// margins on every relayout, so the margins are the viewport's.
void CVNQTextEdit::setEditMargin(int top, int bottom, int left, int right)
{
    setViewportMargins(left, top, right, bottom);
}

void CVNQTextEdit::getEditMargin(int& top, int& bottom, int& left, int& right) const
{
    const QMargins m = viewportMargins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

CVNQScrollBar* CVNQTextEdit::getScrollBar(bool hor) const
{
    return hor ? m_hBar.data() : m_vBar.data();
}

void CVNQTextEdit::setScrollbarBackgroundStyle(bool hor, const FillStyle& style)
{
    if (CVNQScrollBar* bar = getScrollBar(hor))
        bar->setScrollbarBackground(0, style);
}

void CVNQTextEdit::setScrollbarButtonIcon(bool hor, bool up, const QString& icon)
{
    if (CVNQScrollBar* bar = getScrollBar(hor))
        bar->setScrollbarBtnIcon(up, icon);
}

void CVNQTextEdit::setScrollbarButtonIconStyle(bool hor, bool up, const IconStyleDesc& style)
{
    if (CVNQScrollBar* bar = getScrollBar(hor))
        bar->setScrollbarIconStyle(up, style);
}

void CVNQTextEdit::setScrollbarButtonStyle(bool hor, bool up, CtrlState state, const FillStyle& style)
{
    CVNQScrollBar* bar = getScrollBar(hor);
    if (!bar)
        return;
    if (up)
        bar->setScrollbarUpButton(state, style);
    else
        bar->setScrollbarDownButton(state, style);
}

void CVNQTextEdit::setScrollbarThumb(bool hor, const QString& icon)
{
    if (CVNQScrollBar* bar = getScrollBar(hor))
        bar->setScrollbarThumbIcon(icon);
}

void CVNQTextEdit::setScrollbarThumbStyle(bool hor, CtrlState state, const FillStyle& style)
{
    if (CVNQScrollBar* bar = getScrollBar(hor))
        bar->setScrollbarThumb(state, style);
}

void CVNQTextEdit::setScrollbarSize(bool, int size)
{
    const QString sheet = cvnScrollBarThicknessSheet(size, size);
    if (m_vBar)
        m_vBar->setStyleSheet(sheet);
    if (m_hBar)
        m_hBar->setStyleSheet(sheet);
}

void CVNQTextEdit::setScrollbarBtnSize(bool, int) {}

bool CVNQTextEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint) {
        m_impl->applyTextStyle(m_impl->getState());
        QPainter painter(viewport());
        m_impl->draw(&painter, QRect(0, 0, viewport()->width(), viewport()->height()));
    }
    // The viewport then paints the document over the background.
    return QAbstractScrollArea::eventFilter(watched, event);
}

void CVNQTextEdit::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    m_impl->setFocusLook(true);
    repaint();
}

void CVNQTextEdit::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    m_impl->setFocusLook(false);
    repaint();
}

void CVNQTextEdit::enterEvent(QEvent* event)
{
    QTextEdit::enterEvent(event);
    m_impl->setHoverLook(true);
    repaint();
}

void CVNQTextEdit::leaveEvent(QEvent* event)
{
    QTextEdit::leaveEvent(event);
    m_impl->setHoverLook(false);
    repaint();
}

ControlInfo CVNQTextEdit::getProps()
{
    ControlInfo info = cvnMakeControlInfo("qttext", "TextEdit", "Control TextEdit", "CVNQTextEdit", "text");
    auto& rows = info.properties;
    rows.push_back(cvnLineRow());
    rows.push_back(cvnFillStyleRow<CVNQTextEdit>(QStringLiteral("Background"), &CVNQTextEdit::setBackground,
                                                 &CVNQTextEdit::getBackground, cvnFourStateChoices()));
    rows.push_back(cvnTextStyleRow<CVNQTextEdit>(QStringLiteral("TextStyle"), &CVNQTextEdit::setTextStyle,
                                                 &CVNQTextEdit::getTextStyle, cvnFourStateChoices()));
    rows.push_back(cvnTextStyleRow<CVNQTextEdit>(QStringLiteral("PlaceholderStyle"),
                                                 &CVNQTextEdit::setPlaceholderTextStyle,
                                                 &CVNQTextEdit::getPlaceholderTextStyle, cvnChoices({{0, "Normal"}})));
    rows.push_back(cvnStringRow<CVNQTextEdit>(QStringLiteral("PlaceholderText"), PropText,
                                              &CVNQTextEdit::setPlaceholderText, &CVNQTextEdit::getPlaceholderText));
    PropertyDef margin(QStringLiteral("Margin"), PropFourInts);
    margin.setFourInts = [](QWidget* w, int top, int bottom, int left, int right) {
        if (auto* e = dynamic_cast<CVNQTextEdit*>(w))
            e->setEditMargin(top, bottom, left, right);
    };
    margin.getFourInts = [](QWidget* w) -> QVector<int> {
        int top = 0, bottom = 0, left = 0, right = 0;
        if (auto* e = dynamic_cast<CVNQTextEdit*>(w))
            e->getEditMargin(top, bottom, left, right);
        return {top, bottom, left, right};
    };
    rows.push_back(margin);
    return info;
}

} // namespace CVNQtLib

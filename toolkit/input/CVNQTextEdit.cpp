#include "CVNQTextEdit.h"

#include "CVNQControlInfo.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQTextEditImpl.h"

#include <QEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQTextEdit, CVNQTextEditImpl, "qttext")

CVNQTextEdit::CVNQTextEdit(QWidget* parent)
    : QTextEdit(parent)
{
    m_impl.reset(new CVNQTextEditImpl(this, typeName()));
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    // Scoped to the text edit: a bare rule would cascade into the two scroll
    // bars, and a background rule makes Qt's style-sheet style lay a bar out
    // as fully styled, its line buttons then covering the whole groove. The
    // corner between the bars is left to the background too (the platform
    // style would draw a framed grey square there).
    setStyleSheet(QStringLiteral("QTextEdit { background-color: rgba(0, 0, 0, 0); } "
                                 "QTextEdit::corner { background: transparent; border: none; }"));
    auto* horizontal = new CVNQScrollBar(Qt::Horizontal, this);
    setVerticalScrollBar(new CVNQScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(horizontal);
    viewport()->installEventFilter(this);
    setFrameStyle(0);
}

CVNQTextEdit::~CVNQTextEdit() = default;

void CVNQTextEdit::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->backgrounds.set(state, style);
    viewport()->update();
}

const FillStyle& CVNQTextEdit::getBackground(CtrlState state) const
{
    return m_impl->backgrounds.get(state);
}

void CVNQTextEdit::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->setTextStyle(state, style);
}

const TextStyleDesc& CVNQTextEdit::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles.get(state);
}

void CVNQTextEdit::setPlaceholderText(const QString& text)
{
    if (text == m_impl->placeholderText)
        return;
    m_impl->placeholderText = text;
    viewport()->update(); // the toolkit paints it, so Qt does not know it changed
}

const QString& CVNQTextEdit::getPlaceholderText() const
{
    return m_impl->placeholderText;
}

void CVNQTextEdit::setPlaceholderTextStyle(const TextStyleDesc& style)
{
    m_impl->placeholderTextStyle = style;
    viewport()->update();
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
    // Looked up each time: a caller may have installed other bars.
    return qobject_cast<CVNQScrollBar*>(hor ? horizontalScrollBar() : verticalScrollBar());
}

CVNQScrollBar* CVNQTextEdit::themedScrollBar(bool horizontal) const
{
    return getScrollBar(horizontal);
}

void CVNQTextEdit::setScrollbarSize(bool, int size)
{
    cvnSetScrollBarThickness(getScrollBar(true), getScrollBar(false), size);
}

void CVNQTextEdit::setScrollbarBtnSize(bool, int) {}

bool CVNQTextEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint)
        m_impl->paintViewport(viewport());
    // The viewport then paints the document over the background.
    return QAbstractScrollArea::eventFilter(watched, event);
}

void CVNQTextEdit::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    m_impl->setFocusLook(true);
}

void CVNQTextEdit::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    m_impl->setFocusLook(false);
}

void CVNQTextEdit::enterEvent(QEvent* event)
{
    QTextEdit::enterEvent(event);
    m_impl->setHoverLook(true);
}

void CVNQTextEdit::leaveEvent(QEvent* event)
{
    QTextEdit::leaveEvent(event);
    m_impl->setHoverLook(false);
}

ControlInfo CVNQTextEdit::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "TextEdit", "Control TextEdit", "CVNQTextEdit", "text");
    auto& rows = info.properties;
    cvnAppendEditLookRows<CVNQTextEdit, CVNQTextEditImpl::Slots>(rows);
    rows.push_back(cvnEditPlaceholderTextRow<CVNQTextEdit>());
    rows.push_back(cvnEditMarginRow<CVNQTextEdit>());
    return info;
}

} // namespace CVNQtLib

#include "moc_CVNQTextEdit.cpp"

#include "CVNQLabelExImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQStateStyles.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace CVNQtLib {

namespace {
const QColor kSelectionColor(155, 202, 239);
}

CVNQLabelExImpl::CVNQLabelExImpl(QLabel* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

void CVNQLabelExImpl::ensureLayout() const
{
    // Blocks are laid out lazily; positions need their lines now.
    textDocument.documentLayout()->documentSize();
}

// --- positions and selection -------------------------------------------------

void CVNQLabelExImpl::clearSelection()
{
    selStart = LabelExPosition();
    selEnd = LabelExPosition();
}

LabelExPosition CVNQLabelExImpl::beginPosition() const
{
    return LabelExPosition(0, 0, 0);
}

LabelExPosition CVNQLabelExImpl::endPosition() const
{
    ensureLayout();
    const QTextBlock last = textDocument.lastBlock();
    const QTextLayout* layout = last.isValid() ? last.layout() : nullptr;
    if (!layout || layout->lineCount() == 0)
        return LabelExPosition();
    return LabelExPosition(last.blockNumber(), layout->lineCount() - 1, last.length() - 1);
}

LabelExPosition CVNQLabelExImpl::positionAt(const QPoint& point) const
{
    ensureLayout();
    const QPointF p(point);
    int blockIndex = 0;
    for (QTextBlock block = textDocument.begin(); block.isValid(); block = block.next(), ++blockIndex) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        // Line rectangles are relative to their block's layout.
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.rect().translated(origin).contains(p))
                return LabelExPosition(blockIndex, i, line.xToCursor(p.x() - origin.x()));
        }
    }
    return LabelExPosition();
}

void CVNQLabelExImpl::setSelection(const LabelExPosition& a, const LabelExPosition& b)
{
    if (b < a) {
        selStart = b;
        selEnd = a;
    } else {
        selStart = a;
        selEnd = b;
    }
}

// --- mouse -------------------------------------------------------------------

void CVNQLabelExImpl::mousePressEvent(QMouseEvent* event)
{
    // A press starts a new selection at the pointer; a press off the text
    // clears it.
    selStart = positionAt(event->pos());
    selEnd = selStart;
    m_owner->repaint();
}

void CVNQLabelExImpl::mouseMoveEvent(QMouseEvent* event)
{
    const LabelExPosition p = positionAt(event->pos());
    if (p.block != selEnd.block || p.line != selEnd.line) {
        selEnd = p;
        m_owner->repaint();
    } else if (p.column != selEnd.column) {
        selEnd.column = p.column;
        m_owner->repaint();
    }
}

void CVNQLabelExImpl::mouseReleaseEvent(QMouseEvent*)
{
    m_owner->setAttribute(Qt::WA_MouseTracking, false);
    m_owner->repaint();
}

void CVNQLabelExImpl::mouseDoubleClickEvent(QMouseEvent*)
{
    selStart = beginPosition();
    textDocument.setPageSize(QSizeF(m_owner->width() + 20, m_owner->height() + 10));
    selEnd = endPosition();
    m_owner->repaint();
}

// --- painting ----------------------------------------------------------------

void CVNQLabelExImpl::draw(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->translate(rect.x(), rect.y());
    textDocument.setPageSize(rect.size());
    if (!selStart.isNone() && !selEnd.isNone())
        drawSelection(painter);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = QPalette();
    context.palette.setBrush(QPalette::All, QPalette::Text, QBrush(styles.normal.clr));
    context.cursorPosition = -1;
    textDocument.documentLayout()->draw(painter, context);
    painter->restore();
}

void CVNQLabelExImpl::drawSelection(QPainter* painter)
{
    ensureLayout();
    const int blockCount = textDocument.blockCount();
    const int documentEnd = std::max(0, textDocument.characterCount() - 1);
    // Each end as a character position of the document, read through its own
    // block; an end past the last block or column is clamped, so the layout
    // may have changed since the positions were taken (other page size,
    // other text) without any effect but a shorter highlight.
    auto toCharacter = [&](const LabelExPosition& p) {
        if (p.block >= blockCount)
            return documentEnd;
        const QTextBlock block = textDocument.findBlockByNumber(std::max(0, p.block));
        return block.position() + qBound(0, p.column, std::max(0, block.length() - 1));
    };
    int from = toCharacter(selStart);
    int to = toCharacter(selEnd);
    if (to < from)
        std::swap(from, to);
    if (from == to)
        return;

    for (QTextBlock block = textDocument.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int lineStart = block.position() + line.textStart();
            const int lineEnd = lineStart + line.textLength();
            if (lineEnd < from || lineStart > to)
                continue;
            const qreal x1 = from > lineStart ? line.cursorToX(from - block.position()) : line.x();
            const qreal x2 = to < lineEnd ? line.cursorToX(to - block.position()) : line.x() + line.horizontalAdvance();
            if (x2 <= x1)
                continue;
            painter->fillRect(QRect(int(origin.x() + x1), int(origin.y() + line.y()), int(x2 - x1), int(line.height())),
                              kSelectionColor);
        }
    }
}

// --- fonts and sizes ---------------------------------------------------------

void CVNQLabelExImpl::applyDocumentFont()
{
    textDocument.setDefaultFont(fontForStyle(styles.normal));
}

QSize CVNQLabelExImpl::calcSize(const QString& html, int width) const
{
    QTextDocument document;
    document.setDefaultFont(fontForStyle(styles.normal));
    document.setHtml(html);
    document.setPageSize(QSizeF(width, 1000));
    return QSize(int(document.idealWidth()), int(document.size().height()));
}

// --- JSON --------------------------------------------------------------------

void CVNQLabelExImpl::readJson(const Json::Value& node)
{
    styles.read(node);
    QString text;
    if (cvnReadLabelText(node, text))
        textDocument.setPlainText(text);
    applyDocumentFont();
}

void CVNQLabelExImpl::writeJson(Json::Value& node) const
{
    styles.write(node);
    // Also when empty, since a label read without "text" shows "label".
    jsonMember(cvnOwnAttr(node, {"text"}), "text") = jsonUtf8(textDocument.toPlainText());
}

} // namespace CVNQtLib

#include "moc_CVNQLabelExImpl.cpp"

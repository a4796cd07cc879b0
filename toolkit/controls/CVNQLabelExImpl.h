#pragma once

// Document, text styles and selection of CVNQLabelEx.

#include "CVNQGlobal.h"
#include "CVNQLabelEx.h"
#include "CVNQLabelImpl.h"

#include <QTextDocument>

class QLabel;
class QTextBlock;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQLabelExImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQLabelExImpl(QLabel* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // The content. Callers may load rich text into it and set its page
    // size before asking for positions.
    QTextDocument* document() { return &textDocument; }

    void clearSelection();
    LabelExPosition beginPosition() const;
    // After the last character: the last block, its last line, the end of
    // its text; none when the document has no laid-out line.
    LabelExPosition endPosition() const;
    // The position under point (document coordinates); none off every line.
    LabelExPosition positionAt(const QPoint& point) const;
    // Stores a and b in document order.
    void setSelection(const LabelExPosition& a, const LabelExPosition& b);
    LabelExPosition selectionStart() const { return selStart; }
    LabelExPosition selectionEnd() const { return selEnd; }

    // The document's default font from the normal style.
    void applyDocumentFont();
    QSize calcSize(const QString& html, int width) const;

    CVNQLabelStyles styles;
    LabelExPosition selStart;
    LabelExPosition selEnd;
    QTextDocument textDocument;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    void drawSelection(QPainter* painter);
    void ensureLayout() const;
};

} // namespace CVNQtLib

#pragma once

// A label whose text lives in a QTextDocument (type "qtlabelex"): rich
// text, measuring, and a mouse text selection painted by the control. The
// list views use it as an item template and drive its selection across
// items through the position operations of CVNQLabelExImpl.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QLabel>

namespace CVNQtLib {

class CVNQLabelExImpl;

// A place in the label's text: block (paragraph) index, line index inside
// that block's layout, and column, the cursor position inside the block's
// text as QTextLine::xToCursor gives it. -1 in any part means none.
struct CVNQ_EXPORT LabelExPosition
{
    int block = -1;
    int line = -1;
    int column = -1;

    LabelExPosition() = default;
    LabelExPosition(int b, int l, int c)
        : block(b)
        , line(l)
        , column(c)
    {}
    bool isNone() const { return block == -1 || line == -1 || column == -1; }
    // Document order: block, then line, then column.
    bool operator<(const LabelExPosition& o) const
    {
        if (block != o.block)
            return block < o.block;
        if (line != o.line)
            return line < o.line;
        return column < o.column;
    }
    bool operator==(const LabelExPosition& o) const { return block == o.block && line == o.line && column == o.column; }
    bool operator!=(const LabelExPosition& o) const { return !(*this == o); }
};

class CVNQ_EXPORT CVNQLabelEx : public QLabel, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQLabelEx, CVNQLabelExImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQLabelEx(QWidget* parent = nullptr);
    ~CVNQLabelEx() override;

    void setHtmlContent(const QString& html);
    QString getHtmlContent() const;
    // Colours of the normal style (drawn) and of the disabled style (kept).
    void setColor(const QColor& color);
    const QColor& getColor() const;
    void setDisableColor(const QColor& color);
    const QColor& getDisableColor() const;
    // State 0 the normal style, 4 both, any other the disabled style.
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // Ideal width and height of html laid out at width in the normal style.
    QSize calcSize(const QString& html, int width) const;

    CVNQLabelExImpl* getImpl() const { return m_impl.get(); }

public Q_SLOTS:
    // Plain text.
    void setText(const QString& text);

protected:
    // Handed to the implementation only while the label takes mouse
    // interaction (textInteractionFlags() not empty).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace CVNQtLib

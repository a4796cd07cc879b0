#pragma once

// The toolkit's themed text label (type "qtlabel"). QLabel paints it: the
// label turns its text style into the widget's font, palette and alignment
// and, with a single-line style, elides its text in the widget's font to the
// widget's width on every resize and show, and on a new text or font while
// shown, keeping the whole text; a word-wrapped one shows, at the same
// times, the whole lines its height holds, the last ending in an ellipsis
// when text is left over. Its size hint is that of the whole text.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QLabel>

namespace CVNQtLib {

class CVNQLabelImpl;

class CVNQ_EXPORT CVNQLabel : public QLabel, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQLabel, CVNQLabelImpl)
public:
    explicit CVNQLabel(QWidget* parent = nullptr);
    ~CVNQLabel() override;
    static ControlInfo getProps();

    // Colour of the normal style (applied at once) and of the disabled
    // style (kept only).
    void setColor(const QColor& color);
    const QColor& getColor() const;
    void setDisableColor(const QColor& color);
    const QColor& getDisableColor() const;
    // State 0 the normal style, 4 both, any other the disabled style; the
    // normal style is applied after every call.
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    // State 0 the normal style, any other the disabled style.
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // The whole text, which QLabel::text() is not while it shows an elided
    // or shortened form.
    QString getText() const;

    CVNQLabelImpl* getImpl() const { return m_impl.get(); }

public Q_SLOTS:
    void setText(const QString& text);

    QSize sizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace CVNQtLib

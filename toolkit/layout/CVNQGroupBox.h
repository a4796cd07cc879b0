#pragma once

// A self-painted frame with a title set into its top edge. It does not lay
// out children: they are placed by their own geometry or by an enclosing
// container.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QColor>
#include <QWidget>

namespace CVNQtLib {

class CVNQGroupBoxImpl;

class CVNQ_EXPORT CVNQGroupBox : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQGroupBox, CVNQGroupBoxImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQGroupBox(QWidget* parent = nullptr);
    ~CVNQGroupBox() override;

    static ControlInfo getProps();

    // None of the setters repaints.
    void setText(const QString& text);
    const QString& getText() const;
    // One title style and one background; the state argument is ignored.
    void setTextStyle(CommonCtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CommonCtrlState state) const;
    // Stored and written, not drawn.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    void setLineColor(QColor color);
    QColor getLineColor() const;
    // How far the outline's bottom edge is lifted from the bottom.
    void setLineSize(int size);
    int getLineSize() const;
    void setShowText(bool show);
    bool getShowText() const;
};

} // namespace CVNQtLib

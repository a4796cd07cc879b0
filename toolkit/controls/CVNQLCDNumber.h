#pragma once

// A seven-segment digit display (type "qtlcdnumber"): QLCDNumber draws the
// digits over a themed background fill, in a digit colour of its own.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QLCDNumber>

namespace CVNQtLib {

class CVNQLCDNumberImpl;

class CVNQ_EXPORT CVNQLCDNumber : public QLCDNumber, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQLCDNumber, CVNQLCDNumberImpl)
public:
    explicit CVNQLCDNumber(QWidget* parent = nullptr);
    ~CVNQLCDNumber() override;
    static ControlInfo getProps();

    // One background; the state argument is not used.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    // The digit colour; it reaches the widget's palette at the next paint.
    void setColor(const QColor& color);
    // The palette's digit colour (Active, WindowText).
    QColor getColor() const;
    void setNumText(const QString& text);
    QString getNumText() const;

    CVNQLCDNumberImpl* getImpl() const { return m_impl.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace CVNQtLib

#pragma once

// Integer entry field without chrome: a QSpinBox with no frame, no arrow
// buttons drawn and a transparent background, so only the number of its
// line edit shows. Value, range, keys, wheel and signals are Qt's; the
// value and range are not part of its JSON node.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QSpinBox>

namespace CVNQtLib {

class CVNQSpinBoxImpl;

class CVNQ_EXPORT CVNQSpinBox : public QSpinBox, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQSpinBox, CVNQSpinBoxImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQSpinBox(QWidget* parent = nullptr);
    ~CVNQSpinBox() override;
};

} // namespace CVNQtLib

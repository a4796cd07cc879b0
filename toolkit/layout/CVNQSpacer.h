#pragma once

// An invisible elastic child of a container: in a row or column it takes
// the space the other children leave, shared among spacers by their ratio
// weights, optionally with a fixed thickness across. Mouse events pass
// through it.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQSpacerImpl;

class CVNQ_EXPORT CVNQSpacer : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQSpacer, CVNQSpacerImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    // The container axes on which the spacer stretches. Any int is a
    // value (the setter maps the unknown ones to Auto).
    enum Direction : int
    {
        Auto = 0,
        Horizontal = 1,
        Vertical = 2
    };
    Q_ENUM(Direction)

    explicit CVNQSpacer(QWidget* parent = nullptr);
    ~CVNQSpacer() override;

    static ControlInfo getProps();

    // Values outside 0 to 2 give Auto; relayouts a parent container.
    void setDirection(Direction d);
    Direction getDirection() const;
    // Negative gives 0; relayouts a parent container.
    void setThickness(int t);
    int getThickness() const;
};

} // namespace CVNQtLib

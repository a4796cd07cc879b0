#pragma once

// The root control of a page hosted inside another widget (typically by a
// designer tool): always covers its parent exactly at the parent's origin,
// makes its toolkit children fill it, and carries the page's theme in its
// JSON so that reading the page loads that theme.

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "ICVNQPageFrame.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQWindowDesignerImpl;

class CVNQ_EXPORT CVNQWindowDesigner : public QWidget, public ICVNQWidgetBase, public ICVNQPageFrame
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQWindowDesigner, CVNQWindowDesignerImpl)
public:
    explicit CVNQWindowDesigner(QWidget* parent = nullptr);
    ~CVNQWindowDesigner() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace CVNQtLib

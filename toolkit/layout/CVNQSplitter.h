#pragma once

// A two-pane holder: it records an up-or-left and a down-or-right widget, a
// size limit for each and an orientation, and paints a themed background.
// It neither places the two widgets nor drags; mouse presses, moves and
// releases end here and do not reach its parent.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQSplitterImpl;

class CVNQ_EXPORT CVNQSplitter : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQSplitter, CVNQSplitterImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQSplitter(QWidget* parent = nullptr);
    ~CVNQSplitter() override;

    // Recorded only: neither the parent nor the geometry changes.
    void setUpLeftWidget(QWidget* w);
    const QWidget* getUpLeftWidget() const;
    void setDownRightWidget(QWidget* w);
    const QWidget* getDownRightWidget() const;
    void setUpLeftLimit(int limit);
    int getUpLeftLimit() const;
    void setDownRightLimit(int limit);
    int getDownRightLimit() const;
    void setIsHor(bool horizontal);
    bool getIsHor() const;
    // No repaint.
    void setBackground(const FillStyle& style);
    FillStyle getBackground() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace CVNQtLib

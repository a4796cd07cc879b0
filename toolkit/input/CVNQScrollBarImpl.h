#pragma once

#include "CVNQStateStyles.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"
#include "CVNQScrollBarSlots.h"

#include <QStyle>

namespace CVNQtLib {

class CVNQScrollBar;

class CVNQ_EXPORT CVNQScrollBarImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    // Hides the owner: a bar made in code shows only when its user says so.
    CVNQScrollBarImpl(CVNQScrollBar* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;
    // Each part's look follows the mouse on its own; the shared control state
    // is not used.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // Rectangle of a scroll-bar part in the owner's current style.
    QRect partRect(QStyle::SubControl part) const;

    using Slots = CVNQScrollBarSlots;

    FillStyle background;
    CtrlState thumbState = CtrlStateNormal;
    CVNQFillStyles upButton;
    CtrlState downState = CtrlStateNormal;
    CVNQFillStyles downButton;
    CtrlState upState = CtrlStateNormal;
    CVNQFillStyles thumb;
    QString upIcon;
    QString downIcon;
    QString thumbIcon;
    IconStyleDesc upIconStyle;
    IconStyleDesc downIconStyle;
    int widthHeight = -1;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    CVNQScrollBar* bar() const;
    // Sets a part's look and repaints that part when it changed.
    void setPartState(int& state, int value, QStyle::SubControl part);
};

} // namespace CVNQtLib

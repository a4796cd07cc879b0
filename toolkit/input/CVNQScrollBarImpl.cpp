#include "CVNQScrollBarImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace CVNQtLib {

CVNQScrollBarImpl::CVNQScrollBarImpl(CVNQScrollBar* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{
    owner->setVisible(false);
}

CVNQScrollBar* CVNQScrollBarImpl::bar() const
{
    return static_cast<CVNQScrollBar*>(m_owner);
}

QRect CVNQScrollBarImpl::partRect(QStyle::SubControl part) const
{
    CVNQScrollBar* b = bar();
    if (!b)
        return QRect();
    QStyleOptionSlider opt;
    b->initStyleOption(&opt);
    return b->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, b);
}

void CVNQScrollBarImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
    const IconStyleDesc centred;
    const QRect thumbRect = partRect(QStyle::SC_ScrollBarSlider);
    drawFillStyle(painter, thumb.get(thumbState), thumbRect);
    if (!thumbIcon.isEmpty())
        drawImage(painter, thumbIcon, centred, thumbRect);
    const QRect upRect = partRect(QStyle::SC_ScrollBarSubLine);
    drawFillStyle(painter, upButton.get(upState), upRect);
    if (!upIcon.isEmpty())
        drawImage(painter, upIcon, upIconStyle, upRect);
    const QRect downRect = partRect(QStyle::SC_ScrollBarAddLine);
    drawFillStyle(painter, downButton.get(downState), downRect);
    if (!downIcon.isEmpty())
        drawImage(painter, downIcon, downIconStyle, downRect);
}

void CVNQScrollBarImpl::setPartState(int& state, int value, QStyle::SubControl part)
{
    if (state == value)
        return;
    state = value;
    if (m_owner)
        m_owner->repaint(partRect(part));
}

void CVNQScrollBarImpl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->pos();
    // A thumb dragged off itself keeps its pressed look; buttons do not.
    if (partRect(QStyle::SC_ScrollBarSlider).contains(p)) {
        if (thumbState == CtrlStateNormal)
            setPartState(thumbState, CtrlStateHover, QStyle::SC_ScrollBarSlider);
    } else if (thumbState == CtrlStateHover) {
        setPartState(thumbState, CtrlStateNormal, QStyle::SC_ScrollBarSlider);
    }
    if (partRect(QStyle::SC_ScrollBarAddLine).contains(p)) {
        if (downState == CtrlStateNormal)
            setPartState(downState, CtrlStateHover, QStyle::SC_ScrollBarAddLine);
    } else {
        setPartState(downState, CtrlStateNormal, QStyle::SC_ScrollBarAddLine);
    }
    if (partRect(QStyle::SC_ScrollBarSubLine).contains(p)) {
        if (upState == CtrlStateNormal)
            setPartState(upState, CtrlStateHover, QStyle::SC_ScrollBarSubLine);
    } else {
        setPartState(upState, CtrlStateNormal, QStyle::SC_ScrollBarSubLine);
    }
}

void CVNQScrollBarImpl::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->pos();
    if (partRect(QStyle::SC_ScrollBarSlider).contains(p))
        setPartState(thumbState, CtrlStatePressed, QStyle::SC_ScrollBarSlider);
    if (partRect(QStyle::SC_ScrollBarAddLine).contains(p))
        setPartState(downState, CtrlStatePressed, QStyle::SC_ScrollBarAddLine);
    if (partRect(QStyle::SC_ScrollBarSubLine).contains(p))
        setPartState(upState, CtrlStatePressed, QStyle::SC_ScrollBarSubLine);
}

void CVNQScrollBarImpl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->pos();
    setPartState(thumbState, partRect(QStyle::SC_ScrollBarSlider).contains(p) ? CtrlStateHover : CtrlStateNormal,
                 QStyle::SC_ScrollBarSlider);
    setPartState(downState, partRect(QStyle::SC_ScrollBarAddLine).contains(p) ? CtrlStateHover : CtrlStateNormal,
                 QStyle::SC_ScrollBarAddLine);
    setPartState(upState, partRect(QStyle::SC_ScrollBarSubLine).contains(p) ? CtrlStateHover : CtrlStateNormal,
                 QStyle::SC_ScrollBarSubLine);
}

void CVNQScrollBarImpl::leaveEvent(QEvent*)
{
    auto reset = [this](int& state, int value) {
        if (state == value)
            return;
        state = value;
        if (m_owner)
            m_owner->repaint();
    };
    if (thumbState == CtrlStateHover)
        reset(thumbState, CtrlStateNormal);
    reset(downState, CtrlStateNormal);
    reset(upState, CtrlStateNormal);
}

void CVNQScrollBarImpl::readJson(const Json::Value& n)
{
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background) || upButton.readEntry(Slots::up, index, name) ||
            downButton.readEntry(Slots::down, index, name) || thumb.readEntry(Slots::thumb, index, name);
    });
    if (!jsonHasMember(n, "attr"))
        return;
    const Json::Value& attr = jsonGet(n, "attr");
    upIcon = jsonString(attr, "upicon");
    downIcon = jsonString(attr, "downicon");
    thumbIcon = jsonString(attr, "thumbicon");
    if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes() && jsonHasMember(attr, "hor") && bar())
        bar()->setOrientation(jsonBool(attr, "hor") ? Qt::Horizontal : Qt::Vertical);
}

void CVNQScrollBarImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    upButton.writeCompact(list, Slots::up);
    downButton.writeCompact(list, Slots::down);
    thumb.writeCompact(list, Slots::thumb);
    jsonMember(n, "style") = list.empty() ? Json::Value() : list;

    cvnWriteOwnAttr(n, "upicon", !upIcon.isEmpty(), jsonUtf8(upIcon));
    cvnWriteOwnAttr(n, "downicon", !downIcon.isEmpty(), jsonUtf8(downIcon));
    cvnWriteOwnAttr(n, "thumbicon", !thumbIcon.isEmpty(), jsonUtf8(thumbIcon));
    cvnWriteOwnAttr(n, "hor", bar() && bar()->orientation() == Qt::Horizontal, 1);
    // "attr" is always there; null when it holds nothing.
    Json::Value& attr = jsonMember(n, "attr");
    if (attr.isObject() && attr.empty())
        attr = Json::Value();
}

} // namespace CVNQtLib

#include "moc_CVNQScrollBarImpl.cpp"

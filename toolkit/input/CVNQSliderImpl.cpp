#include "CVNQSliderImpl.h"

#include "CVNQAttrJson.h"
#include "CVNQSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace CVNQtLib {

CVNQSliderBars cvnSliderBars(const QRect& rect, bool horizontal, int channelHeight, int value, int minimum, int maximum,
                             bool minimumAtOtherEnd)
{
    // 64-bit differences: a full int range must not overflow.
    const qint64 span = qint64(maximum) - minimum;
    const float f = float(qint64(value) - minimum) / (span == 0 ? 100.0f : float(span));
    CVNQSliderBars bars;
    if (horizontal) {
        const int y = rect.top() + (rect.height() - channelHeight) / 2;
        const int length = int(float(rect.width()) * f);
        bars.channel = QRect(rect.left(), y, rect.width(), channelHeight);
        bars.fill =
            QRect(minimumAtOtherEnd ? rect.left() + rect.width() - length : rect.left(), y, length, channelHeight);
    } else {
        const int x = rect.left() + (rect.width() - channelHeight) / 2;
        const int length = int(float(rect.height()) * f);
        const int bottom = rect.top() + rect.height() - 1;
        bars.channel = QRect(x, rect.top(), channelHeight, rect.height());
        bars.fill = QRect(x, minimumAtOtherEnd ? rect.top() : bottom - length, channelHeight, length);
    }
    return bars;
}

CVNQSliderImpl::CVNQSliderImpl(CVNQSlider* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQSlider* CVNQSliderImpl::slider() const
{
    return static_cast<CVNQSlider*>(m_owner);
}

void CVNQSliderImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!slider())
        return;
    // The fill grows from the end where Qt puts the thumb of the minimum,
    // which an inverted appearance or a right-to-left layout moves.
    const bool horizontal = slider()->orientation() == Qt::Horizontal;
    const bool otherEnd =
        slider()->invertedAppearance() != (horizontal && slider()->layoutDirection() == Qt::RightToLeft);
    const CVNQSliderBars bars = cvnSliderBars(rect, horizontal, channelHeight, slider()->value(), slider()->minimum(),
                                              slider()->maximum(), otherEnd);
    drawFillStyle(painter, background, bars.channel);
    if (!bars.fill.isEmpty())
        drawFillStyle(painter, foreground, bars.fill);
    drawFillStyle(painter, thumb.get(m_state), slider()->getThumbRect());
}

void CVNQSliderImpl::setLook(CtrlState state)
{
    if (state == m_state)
        return;
    m_state = state;
    if (m_owner)
        m_owner->repaint();
}

void CVNQSliderImpl::mousePressEvent(QMouseEvent* event)
{
    if (event && m_state != CtrlStatePressed && slider()->getThumbRect().contains(event->pos()))
        setLook(CtrlStatePressed);
}

void CVNQSliderImpl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = event && slider()->getThumbRect().contains(event->pos());
    setLook(inside ? CtrlStateHover : CtrlStateNormal);
}

void CVNQSliderImpl::mouseMoveEvent(QMouseEvent* event)
{
    if (!event || m_state == CtrlStatePressed)
        return;
    setLook(slider()->getThumbRect().contains(event->pos()) ? CtrlStateHover : CtrlStateNormal);
}

void CVNQSliderImpl::enterEvent(QEvent*) {}

void CVNQSliderImpl::leaveEvent(QEvent*)
{
    setLook(CtrlStateNormal);
}

void CVNQSliderImpl::readJson(const Json::Value& n)
{
    if (!slider())
        return;
    cvnForEachStyleEntry(n, [&](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background) ||
            cvnReadSlotEntry(Slots::foreground, index, name, foreground) || thumb.readEntry(Slots::thumb, index, name);
    });
    // The writer puts "attr": null for a slider with nothing but
    // defaults; read leniently (every key 0 or false) that would make a
    // vertical 0 x 0 slider, so a null "attr" counts as absent.
    const Json::Value* attrObject = cvnAttrObject(n);
    if (!attrObject)
        return;
    const Json::Value& attr = *attrObject;
    bool horizontal = true;
    jsonRead(attr, "isHor", horizontal);
    slider()->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
    // A thumb size from a file stays within what a widget can be.
    jsonRead(attr, "thumbW", thumbWidth);
    jsonRead(attr, "thumbH", thumbHeight);
    thumbWidth = qBound(0, thumbWidth, QWIDGETSIZE_MAX);
    thumbHeight = qBound(0, thumbHeight, QWIDGETSIZE_MAX);
    jsonRead(attr, "channelSize", channelHeight);
    int maximum = slider()->maximum();
    int minimum = slider()->minimum();
    jsonRead(attr, "max", maximum);
    jsonRead(attr, "min", minimum);
    slider()->setMaximum(maximum);
    slider()->setMinimum(minimum);
    int position = 0;
    jsonRead(attr, "val", position);
    slider()->setSliderPosition(position);
}

void CVNQSliderImpl::writeJson(Json::Value& n) const
{
    if (!slider())
        return;
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    cvnWriteSlotEntry(list, Slots::foreground, foreground);
    thumb.writeCompact(list, Slots::thumb);
    // Both keys are always written, as null when they hold nothing.
    jsonMember(n, "style") = list.size() > 0 ? list : Json::Value();

    Json::Value& attr = cvnOwnAttr(n, {"isHor", "thumbW", "thumbH", "channelSize", "min", "max", "val"});
    if (slider()->orientation() != Qt::Horizontal)
        jsonMember(attr, "isHor") = 0;
    if (thumbWidth != 20)
        jsonMember(attr, "thumbW") = thumbWidth;
    if (thumbHeight != 20)
        jsonMember(attr, "thumbH") = thumbHeight;
    if (channelHeight != 10)
        jsonMember(attr, "channelSize") = channelHeight;
    if (slider()->minimum() != 0)
        jsonMember(attr, "min") = slider()->minimum();
    if (slider()->maximum() != 100)
        jsonMember(attr, "max") = slider()->maximum();
    if (slider()->value() != 0)
        jsonMember(attr, "val") = slider()->value();
    cvnNullEmptyAttr(n);
}

} // namespace CVNQtLib

#include "moc_CVNQSliderImpl.cpp"

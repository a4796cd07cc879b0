#include "CVNQSwitchImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"

#include <QPainter>
#include <QVariantAnimation>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace CVNQtLib {

namespace {
constexpr int kDefaultThumb = 25;
} // namespace

CVNQSwitchImpl::CVNQSwitchImpl(QWidget* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{
    animation = new QVariantAnimation(owner);
    connect(animation, &QVariantAnimation::valueChanged, this, &CVNQSwitchImpl::valueChanged);
    connect(animation, &QVariantAnimation::finished, this, &CVNQSwitchImpl::finished);
}

int CVNQSwitchImpl::travel(int width) const
{
    return width - 2 * margin - thumbSize.width();
}

void CVNQSwitchImpl::toggle()
{
    if (animating || !m_owner)
        return;
    animating = true;
    const int end = travel(m_owner->width());
    animation->setStartValue(switchToLeft ? 0 : end);
    animation->setEndValue(switchToLeft ? end : 0);
    animation->setDuration(int(std::min<unsigned int>(speed, INT_MAX)));
    animation->start(QAbstractAnimation::KeepWhenStopped);
}

void CVNQSwitchImpl::setPosition(bool left)
{
    if (animating) {
        if (left != switchToLeft)
            return; // the slide ends there
        animation->stop();
        animating = false;
    }
    switchToLeft = left;
    if (m_owner)
        m_owner->update();
}

void CVNQSwitchImpl::valueChanged(QVariant value)
{
    thumbOffset = value.toInt();
    if (m_owner)
        m_owner->update();
}

void CVNQSwitchImpl::finished()
{
    animating = false;
    switchToLeft = !switchToLeft;
    if (m_owner)
        m_owner->update();
}

void CVNQSwitchImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!painter)
        return;
    // At rest the thumb shows the position, however that was set (setter,
    // file, theme) and whatever the width, margin or thumb size is now.
    if (!animating)
        thumbOffset = switchToLeft ? 0 : travel(rect.width());

    drawFillStyle(painter, background, rect);
    const int tw = thumbSize.width();
    const int th = thumbSize.height();
    drawFillStyle(painter, thumb.get(m_state), QRect(rect.left() + margin + thumbOffset, rect.top() + margin, tw, th));

    // Texts follow the position flag, not the drawn thumb: during a slide
    // they keep showing the side it started from.
    const QRect leftSlot(rect.left() + margin, rect.top() + margin, tw, th);
    const QRect rightSlot(rect.left() + rect.width() - tw, rect.top() + margin, tw, th);
    const TextStyleDesc& leftStyle = textStyle[0];
    const TextStyleDesc& rightStyle = textStyle[1];
    if (showAllText) {
        drawText(painter, leftText, switchToLeft ? leftStyle : rightStyle, leftSlot);
        drawText(painter, rightText, switchToLeft ? rightStyle : leftStyle, rightSlot);
    } else if (switchToLeft) {
        drawText(painter, rightText, rightStyle, rightSlot);
    } else {
        drawText(painter, leftText, leftStyle, leftSlot);
    }
}

// Also runs for theme entries: a theme may set the texts and the position.
void CVNQSwitchImpl::readJson(const Json::Value& node)
{
    cvnForEachStyleEntry(node, [this](const QString& name, int, int index) {
        if (Slots::text.holds(index))
            cvnLookupStyle(name, textStyle[index - Slots::text.first]);
        else
            cvnReadSlotEntry(Slots::background, index, name, background) || thumb.readEntry(Slots::thumb, index, name);
    });

    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    leftText = jsonString(*attr, "leftText");
    rightText = jsonString(*attr, "rightText");
    // Sizes a widget can have; the painter computes with them.
    auto size = [](int v, int low) { return qBound(low, v, QWIDGETSIZE_MAX); };
    thumbSize =
        QSize(size(jsonInt(*attr, "thumbW", kDefaultThumb), 0), size(jsonInt(*attr, "thumbH", kDefaultThumb), 0));
    jsonRead(*attr, "speed", speed);
    int on = 0;
    setPosition(!jsonRead(*attr, "on", on) || on == 0);
    if (jsonRead(*attr, "margin", margin))
        margin = size(margin, -QWIDGETSIZE_MAX);
}

void CVNQSwitchImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    thumb.writeCompact(list, Slots::thumb);
    for (int i = 0; i < Slots::text.states; ++i)
        if (!textStyle[i].name.isEmpty())
            cvnAppendStyleEntry(list, textStyle[i], Slots::text.first + i);
    jsonMember(node, "style") = list.size() > 0 ? list : Json::Value();

    Json::Value& attr = cvnOwnAttr(node, {"leftText", "rightText", "thumbW", "thumbH", "speed", "on", "margin"});
    if (!leftText.isEmpty())
        jsonMember(attr, "leftText") = jsonUtf8(leftText);
    if (!rightText.isEmpty())
        jsonMember(attr, "rightText") = jsonUtf8(rightText);
    if (thumbSize.width() != 0)
        jsonMember(attr, "thumbW") = thumbSize.width();
    if (thumbSize.height() != 0)
        jsonMember(attr, "thumbH") = thumbSize.height();
    if (speed != 300)
        jsonMember(attr, "speed") = speed;
    if (!switchToLeft)
        jsonMember(attr, "on") = true;
    if (margin != 2)
        jsonMember(attr, "margin") = margin;
    cvnNullEmptyAttr(node);
}

} // namespace CVNQtLib

#include "moc_CVNQSwitchImpl.cpp"

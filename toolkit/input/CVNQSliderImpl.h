#pragma once

#include "CVNQStateStyles.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QRect>

namespace CVNQtLib {

class CVNQSlider;

// Channel and filled part of a slider painted into rect: the channel is
// channelHeight thick and centred across the axis; the fill grows from the
// minimum end (left, or bottom for a vertical slider; the other end when
// minimumAtOtherEnd) in proportion to value within [minimum, maximum].
struct CVNQ_EXPORT CVNQSliderBars
{
    QRect channel;
    QRect fill;
};
CVNQSliderBars cvnSliderBars(const QRect& rect, bool horizontal, int channelHeight, int value, int minimum, int maximum,
                             bool minimumAtOtherEnd = false);

class CVNQ_EXPORT CVNQSliderImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQSliderImpl(CVNQSlider* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;

    // The thumb's look: hover over the thumb, pressed while held on it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // The style groups in "style" list order, each after the last; the
    // background and the foreground keep one style.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
        static constexpr CVNQStyleSlot foreground = background.next("Foreground", StyleKindFill, 2);
        static constexpr CVNQStyleSlot thumb = foreground.next("Thumb", StyleKindFill, CtrlStateCount);
    };

    FillStyle background;
    FillStyle foreground;
    CVNQFillStyles thumb;
    int channelHeight = 10;
    int thumbWidth = 20;
    int thumbHeight = 20;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    CVNQSlider* slider() const;
    void setLook(CtrlState state);
};

} // namespace CVNQtLib

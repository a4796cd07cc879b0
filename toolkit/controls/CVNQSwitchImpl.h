#pragma once

// State and look of CVNQSwitch: the position flag, the thumb's drawn offset
// and its slide animation, the track, thumb and text styles.

#include "CVNQStateStyles.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QSize>
#include <QVariant>

class QVariantAnimation;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQSwitchImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQSwitchImpl(QWidget* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;

    // Starts a slide to the other side unless one is running.
    void toggle();
    // Puts the switch at a position: a slide already heading there runs on,
    // one heading away stops; at rest the thumb is drawn at the position.
    void setPosition(bool left);
    // Thumb offset of the right-hand resting place in a control this wide.
    int travel(int width) const;

    bool showAllText = true;
    // Drawn thumb position from the left inset: the slide's while one runs,
    // else taken from the position at each paint; -1 until the first paint.
    int thumbOffset = -1;
    bool animating = false;
    int margin = 2;
    // The position; while a slide runs it still holds the starting side.
    bool switchToLeft = false;
    unsigned int speed = 300;
    QString leftText{QStringLiteral("On")};
    QString rightText{QStringLiteral("Off")};
    QSize thumbSize{25, 25};
    // The style groups in "style" list order, each after the last: the
    // background keeps one style, read from its first index only; the text
    // group keeps the left and the right text style, each under its own index.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
        static constexpr CVNQStyleSlot thumb = background.next("Thumb", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot text = thumb.next("TextStyle", StyleKindText, 2);
    };

    FillStyle background;
    // Thumb per control state.
    CVNQFillStyles thumb;
    // Text styles of the left and the right slot.
    TextStyleDesc textStyle[Slots::text.states];
    // Owned by the control widget, reused for every slide.
    QVariantAnimation* animation = nullptr;

public Q_SLOTS:
    void valueChanged(QVariant value);
    void finished();

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib

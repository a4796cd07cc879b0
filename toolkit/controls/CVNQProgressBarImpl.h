#pragma once

// Look of CVNQProgressBar: the covered part as a bar growing from the left
// (from the bottom when vertical) or as a wedge clipped from the
// foreground around the centre.

#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"
#include "CVNQStateStyles.h"

#include <QPolygon>

class QProgressBar;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQProgressBarImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQProgressBarImpl(QProgressBar* owner, const QString& typeName);

    // Paints without touching the control state: the bar has none.
    void paint() override;
    void draw(QPainter* painter, const QRect& rect) override;

    // The covered share of the range: (value - minimum) / (maximum -
    // minimum) limited to [0, 1]; 0 for an empty range.
    static double fraction(int value, int minimum, int maximum);
    // Foreground rectangle of linear mode.
    static QRect barRect(const QRect& rect, Qt::Orientation orientation, double fraction);
    // Clip polygon of circle mode for a fraction strictly between 0 and 1:
    // the centre, one point per whole degree from startAngle on, the centre.
    static QPolygon wedgePolygon(const QRect& rect, int startAngle, int endAngle, double fraction);

    bool circle = false;
    int startAngle = 1;
    int endAngle = 361;
    // The style groups in "style" list order, each after the last; each
    // keeps one style, read from its first index only.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
        static constexpr CVNQStyleSlot foreground = background.next("Foreground", StyleKindFill, 2);
        static constexpr CVNQStyleSlot text = foreground.next("TextStyle", StyleKindText, 1);
    };

    bool showText = false;
    TextStyleDesc textStyle;
    FillStyle background;
    FillStyle foreground;

private:
    QProgressBar* bar() const;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib

#pragma once

// Background and digit colour of CVNQLCDNumber.

#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

class QLCDNumber;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQLCDNumberImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQLCDNumberImpl(QLCDNumber* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;

    // Invalid until set: the widget keeps its palette's colour.
    QColor color;
    // The one group of the "style" list: the background, read from its
    // first index only.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
    };

    FillStyle background;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    QLCDNumber* lcd() const;
};

} // namespace CVNQtLib

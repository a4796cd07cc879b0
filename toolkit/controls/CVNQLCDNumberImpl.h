#pragma once

// Background and digit colour of CVNQLCDNumber.

#include "CVNQWidgetBaseImpl.h"

class QLCDNumber;

namespace CVNQtLib {

class CVNQLCDNumberImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    CVNQLCDNumberImpl(QLCDNumber* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;
    bool serializeJsonValue(Json::Value** node, bool read) override;

    // Invalid until set: the widget keeps its palette's colour.
    QColor color;
    FillStyle background;

private:
    QLCDNumber* lcd() const;
};

} // namespace CVNQtLib

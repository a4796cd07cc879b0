#pragma once

// State and drawing of the ECG trace: the points as one polyline, optional
// gradient fills below and above it, and the sweep snapshot.

#include "CVNQGlobal.h"
#include "CVNQTraceChartImpl.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQECGChartImpl : public CVNQTraceChartImpl
{
    Q_OBJECT
public:
    explicit CVNQECGChartImpl(QWidget* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    bool fillBelow = false;
    bool fillAbove = false;
    QColor belowColor1, belowColor2; // gradient stops top and bottom of the lower fill
    QColor aboveColor1, aboveColor2;
};

} // namespace CVNQtLib

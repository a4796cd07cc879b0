#pragma once

// State and drawing of the ECG trace: the points as one polyline, optional
// gradient fills below and above it, and the sweep snapshot.

#include "CVNQWidgetBaseImpl.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QVector>

namespace CVNQtLib {

class CVNQECGChartImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    explicit CVNQECGChartImpl(QWidget* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    bool fillBelow = false;
    bool fillAbove = false;
    QColor belowColor1, belowColor2; // gradient stops top and bottom of the lower fill
    QColor aboveColor1, aboveColor2;
    QColor lineColor1{0, 255, 0};    // the trace colour
    QColor lineColor2{0, 255, 0};    // stored only
    QVector<QPointF> points;         // widget pixels, drawn in order
    QImage snapshot;                 // the picture kept by swapData
    float lineWeight = 3.0f;
};

} // namespace CVNQtLib

#pragma once

// What the ECG and ICD trace controls share: the points fed in widget
// pixels, the trace pen, and the sweep snapshot, which stays visible 40 px
// right of the new trace's tip.

#include "CVNQGlobal.h"
#include "CVNQWidgetBaseImpl.h"

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QVector>

namespace CVNQtLib {

// The gap between the tip of the new trace and the old picture.
constexpr int kTraceSweepGap = 40;

class CVNQ_EXPORT CVNQTraceChartImpl : public CVNQWidgetBaseImpl
{
    Q_OBJECT
public:
    CVNQTraceChartImpl(QWidget* owner, float lineWeight);

    QColor lineColor1{0, 255, 0}; // the trace colour
    QColor lineColor2{0, 255, 0}; // stored only
    QVector<QPointF> points;      // widget pixels, drawn in order
    QImage snapshot;              // the picture kept by swapData
    float lineWeight;

protected:
    // The trace pen: solid, square cap, bevel join.
    QPen tracePen() const;
    void drawPolyline(QPainter& painter) const;
    // The snapshot at (0, 0), clipped to the part right of the last point's
    // x + 40 when there are points, whole otherwise; nothing when null.
    void drawSnapshot(QPainter& painter) const;
};

} // namespace CVNQtLib

#pragma once

// Drawing shared by the ECG and ICD trace controls: the pen of the trace
// and the sweep snapshot, which stays visible right of the new trace's tip.

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QVector>

class QPainter;

namespace CVNQtLib {

// The gap between the tip of the new trace and the old picture.
constexpr int kTraceSweepGap = 40;

// Draws snapshot at (0, 0): clipped to the part right of the last point's
// x + 40 when there are points, whole otherwise. Nothing for a null image.
void cvnTraceDrawSnapshot(QPainter& painter, const QImage& snapshot, const QVector<QPointF>& points,
                          const QSize& size);

} // namespace CVNQtLib

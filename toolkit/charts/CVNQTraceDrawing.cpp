#include "CVNQTraceDrawing.h"

#include <QPainter>
#include <QtMath>

namespace CVNQtLib {

void cvnTraceDrawSnapshot(QPainter& painter, const QImage& snapshot, const QVector<QPointF>& points,
                          const QSize& size)
{
    if (snapshot.isNull())
        return;
    painter.save();
    if (!points.isEmpty()) {
        // The tip comes from caller data: keep the truncation to int defined
        // for NaN and huge values.
        const double x = points.last().x();
        const int tip = qIsFinite(x) ? int(qBound(-1.0e6, x, 1.0e6)) : 0;
        const int width = size.width() - kTraceSweepGap - tip;
        if (width <= 0) {
            painter.restore();
            return;
        }
        painter.setClipRect(QRect(tip + kTraceSweepGap, 0, width, size.height()));
    }
    painter.drawImage(QPoint(0, 0), snapshot);
    painter.restore();
}

} // namespace CVNQtLib

#include "CVNQECGChartImpl.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace CVNQtLib {

CVNQECGChartImpl::CVNQECGChartImpl(QWidget* owner)
    : CVNQTraceChartImpl(owner, 3.0f)
{}

void CVNQECGChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(tracePen());
    p.setBrush(Qt::NoBrush);
    drawPolyline(p);

    // The fills come after the line, so an opaque fill covers the trace on its side.
    if ((fillBelow || fillAbove) && points.size() >= 3) {
        p.setPen(Qt::NoPen);
        auto fill = [&](double edgeY, const QColor& c1, const QColor& c2) {
            QPainterPath path(QPointF(0, edgeY));
            for (const QPointF& pt : points)
                path.lineTo(pt);
            path.lineTo(points.last().x(), edgeY);
            QLinearGradient gradient(0, 0, 0, rect.height());
            gradient.setColorAt(0, c1);
            gradient.setColorAt(1, c2);
            p.fillPath(path, gradient);
        };
        if (fillBelow)
            fill(m_owner->height(), belowColor1, belowColor2);
        if (fillAbove)
            fill(0, aboveColor1, aboveColor2);
    }

    drawSnapshot(p);
}

} // namespace CVNQtLib

#include "moc_CVNQECGChartImpl.cpp"

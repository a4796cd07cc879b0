#include "CVNQECGChartImpl.h"

#include "CVNQTraceDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace CVNQtLib {

CVNQECGChartImpl::CVNQECGChartImpl(QWidget* owner)
    : CVNQWidgetBaseImpl(owner, QStringLiteral("qtecgchart"))
{
}

void CVNQECGChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(lineColor1, lineWeight, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    if (points.size() >= 2)
        p.drawPolyline(points.constData(), points.size());

    const int w = m_owner ? m_owner->width() : rect.width();
    const int h = m_owner ? m_owner->height() : rect.height();
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
            fill(h, belowColor1, belowColor2);
        if (fillAbove)
            fill(0, aboveColor1, aboveColor2);
    }

    cvnTraceDrawSnapshot(p, snapshot, points, QSize(w, h));
}

} // namespace CVNQtLib

#include "CVNQTraceChartImpl.h"

#include "CVNQChartCoords.h"

#include <QPainter>
#include <QWidget>
#include <QtMath>

namespace CVNQtLib {

CVNQTraceChartImpl::CVNQTraceChartImpl(QWidget* owner, float weight)
    : CVNQWidgetBaseImpl(owner, QStringLiteral("qtecgchart"))
    , lineWeight(weight)
{}

QPen CVNQTraceChartImpl::tracePen() const
{
    return QPen(lineColor1, cvnChartExtent(lineWeight, 0.0, m_owner->rect()), Qt::SolidLine, Qt::SquareCap,
                Qt::BevelJoin);
}

void CVNQTraceChartImpl::drawPolyline(QPainter& painter) const
{
    if (points.size() < 2)
        return;
    // Stroking a pen many hundred pixels wide costs about a second. Once half
    // its width reaches every corner from one point of the line, the line
    // covers the whole picture (a square end covers that circle): fill it.
    const QRectF area = m_owner->rect();
    const double reach = painter.pen().widthF() / 2;
    for (const QPointF& pt : points) {
        const double dx = qMax(pt.x() - area.left(), area.right() - pt.x());
        const double dy = qMax(pt.y() - area.top(), area.bottom() - pt.y());
        if (area.contains(pt) && dx * dx + dy * dy <= reach * reach) {
            painter.fillRect(area, painter.pen().color());
            return;
        }
    }
    painter.drawPolyline(points.constData(), points.size());
}

void CVNQTraceChartImpl::drawSnapshot(QPainter& painter) const
{
    if (snapshot.isNull())
        return;
    painter.save();
    if (!points.isEmpty()) {
        // The tip comes from caller data: keep the truncation to int defined
        // for NaN and huge values.
        const double x = points.last().x();
        const int tip = qIsFinite(x) ? int(qBound(-1.0e6, x, 1.0e6)) : 0;
        const int width = m_owner->width() - kTraceSweepGap - tip;
        if (width <= 0) {
            painter.restore();
            return;
        }
        painter.setClipRect(QRect(tip + kTraceSweepGap, 0, width, m_owner->height()));
    }
    painter.drawImage(QPoint(0, 0), snapshot);
    painter.restore();
}

} // namespace CVNQtLib

#include "moc_CVNQTraceChartImpl.cpp"

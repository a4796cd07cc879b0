#include "CVNQICDChartImpl.h"

#include <QPainter>

namespace CVNQtLib {

CVNQICDChartImpl::CVNQICDChartImpl(QWidget* owner)
    : CVNQTraceChartImpl(owner, 1.0f)
{}

void CVNQICDChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(tracePen());
    p.setBrush(Qt::NoBrush);
    if (icdType == CVNQtICDTrace)
        drawPolyline(p);
    else if (icdType == CVNQtICDBaseLine)
        p.drawLine(QPointF(0, 40), QPointF(rect.width(), 40));
    drawSnapshot(p);
}

} // namespace CVNQtLib

#include "moc_CVNQICDChartImpl.cpp"

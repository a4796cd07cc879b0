#include "CVNQICDChartImpl.h"

#include "CVNQTraceDrawing.h"

#include <QPainter>
#include <QWidget>

namespace CVNQtLib {

CVNQICDChartImpl::CVNQICDChartImpl(QWidget* owner)
    : CVNQWidgetBaseImpl(owner, QStringLiteral("qtecgchart"))
{
}

void CVNQICDChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(lineColor1, lineWeight, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    if (icdType == CVNQtICDTrace) {
        if (points.size() >= 2)
            p.drawPolyline(points.constData(), points.size());
    } else if (icdType == CVNQtICDBaseLine) {
        p.drawLine(QPointF(0, 40), QPointF(rect.width(), 40));
    }
    const QSize size = m_owner ? m_owner->size() : rect.size();
    cvnTraceDrawSnapshot(p, snapshot, points, size);
}

} // namespace CVNQtLib

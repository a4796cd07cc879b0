#include "CVNQTraceChart.h"

#include "CVNQTraceChartImpl.h"

namespace CVNQtLib {

CVNQTraceChart::CVNQTraceChart(QWidget* parent)
    : QWidget(parent, Qt::WindowFlags())
{
    // Transparent: only the trace and the snapshot show.
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
}

void CVNQTraceChart::addData(float x, float y)
{
    traceImpl()->points.append(QPointF(x, y));
    update();
}

void CVNQTraceChart::clearData()
{
    traceImpl()->points.clear();
}

void CVNQTraceChart::popFront()
{
    if (!traceImpl()->points.isEmpty())
        traceImpl()->points.removeFirst();
}

void CVNQTraceChart::popBack()
{
    if (!traceImpl()->points.isEmpty())
        traceImpl()->points.removeLast();
}

int CVNQTraceChart::dataSize() const
{
    return traceImpl()->points.size();
}

QPointF CVNQTraceChart::getAt(int index) const
{
    const QVector<QPointF>& points = traceImpl()->points;
    if (index < 0 || index >= points.size())
        return QPointF(0, 0);
    return points.at(index);
}

void CVNQTraceChart::setLineColor(QColor first, QColor second)
{
    traceImpl()->lineColor1 = first;
    traceImpl()->lineColor2 = second;
}

void CVNQTraceChart::setLineWeight(float weight)
{
    traceImpl()->lineWeight = weight;
}
float CVNQTraceChart::getLineWeight() const
{
    return traceImpl()->lineWeight;
}

void CVNQTraceChart::swapData()
{
    traceImpl()->snapshot = grab(QRect(0, 0, width(), height())).toImage();
}

} // namespace CVNQtLib

#include "moc_CVNQTraceChart.cpp"

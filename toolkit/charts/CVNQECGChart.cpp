#include "CVNQECGChart.h"

#include "CVNQECGChartImpl.h"


namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQECGChart, CVNQECGChartImpl, "qtecgchart")

CVNQECGChart::CVNQECGChart(QWidget* parent)
    : QWidget(parent, Qt::WindowFlags())
{
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
    m_impl = new CVNQECGChartImpl(this);
    m_impl->applyTheme();
}

CVNQECGChart::~CVNQECGChart() = default;

void CVNQECGChart::addData(float x, float y)
{
    m_impl->points.append(QPointF(x, y));
    update();
}

void CVNQECGChart::clearData() { m_impl->points.clear(); }

void CVNQECGChart::popFront()
{
    if (!m_impl->points.isEmpty())
        m_impl->points.removeFirst();
}

void CVNQECGChart::popBack()
{
    if (!m_impl->points.isEmpty())
        m_impl->points.removeLast();
}

int CVNQECGChart::dataSize() const { return m_impl->points.size(); }

QPointF CVNQECGChart::getAt(int index) const
{
    if (index < 0 || index >= m_impl->points.size())
        return QPointF(0, 0);
    return m_impl->points.at(index);
}

void CVNQECGChart::setLineColor(QColor first, QColor second)
{
    m_impl->lineColor1 = first;
    m_impl->lineColor2 = second;
}

void CVNQECGChart::setBelowFillColor(QColor first, QColor second)
{
    m_impl->belowColor1 = first;
    m_impl->belowColor2 = second;
}

void CVNQECGChart::setAboveFillColor(QColor first, QColor second)
{
    m_impl->aboveColor1 = first;
    m_impl->aboveColor2 = second;
}

void CVNQECGChart::enableFillColor(bool below, bool above)
{
    m_impl->fillBelow = below;
    m_impl->fillAbove = above;
}

void CVNQECGChart::setLineWeight(float weight) { m_impl->lineWeight = weight; }
float CVNQECGChart::getLineWeight() const { return m_impl->lineWeight; }

void CVNQECGChart::swapData()
{
    m_impl->snapshot = grab(QRect(0, 0, width(), height())).toImage();
}

} // namespace CVNQtLib

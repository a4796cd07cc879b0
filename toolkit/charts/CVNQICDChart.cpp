#include "CVNQICDChart.h"

#include "CVNQICDChartImpl.h"


namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQICDChart, CVNQICDChartImpl, "qtecgchart")

CVNQICDChart::CVNQICDChart(QWidget* parent)
    : QWidget(parent, Qt::WindowFlags())
{
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
    // Unlike the ECG trace, no theme entry is applied.
    m_impl = new CVNQICDChartImpl(this);
}

CVNQICDChart::~CVNQICDChart() = default;

void CVNQICDChart::addData(float x, float y)
{
    m_impl->points.append(QPointF(x, y));
    update();
}

void CVNQICDChart::clearData() { m_impl->points.clear(); }

void CVNQICDChart::popFront()
{
    if (!m_impl->points.isEmpty())
        m_impl->points.removeFirst();
}

void CVNQICDChart::popBack()
{
    if (!m_impl->points.isEmpty())
        m_impl->points.removeLast();
}

int CVNQICDChart::dataSize() const { return m_impl->points.size(); }

QPointF CVNQICDChart::getAt(int index) const
{
    if (index < 0 || index >= m_impl->points.size())
        return QPointF(0, 0);
    return m_impl->points.at(index);
}

void CVNQICDChart::setLineColor(QColor first, QColor second)
{
    m_impl->lineColor1 = first;
    m_impl->lineColor2 = second;
}

void CVNQICDChart::setLineWeight(float weight) { m_impl->lineWeight = weight; }
float CVNQICDChart::getLineWeight() const { return m_impl->lineWeight; }

void CVNQICDChart::swapData()
{
    m_impl->snapshot = grab(QRect(0, 0, width(), height())).toImage();
}

void CVNQICDChart::setICDType(CVNQtICDType type) { m_impl->icdType = type; }
void CVNQICDChart::addMarker(float, bool) {}
void CVNQICDChart::addMarkerValue(float, int, int, int) {}

} // namespace CVNQtLib

#include "CVNQFinancialChart.h"

#include "CVNQControlInfo.h"
#include "CVNQFinancialChartImpl.h"
#include "CVNQFinancialDemoData.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQFinancialChart, CVNQFinancialChartImpl, "qtfinancialchart")

CVNQFinancialChart::CVNQFinancialChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl.reset(new CVNQFinancialChartImpl(this));
    setMinimumSize(480, 300);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something:
    // the daily candles, zoomed to the most recent days.
    const QVector<Candle> daily = CVNQFinancialChartImpl::parseDailyText(cvnFinancialDailyDemoText());
    const QVector<IntradayPoint> intraday = CVNQFinancialChartImpl::parseIntradayText(cvnFinancialIntradayDemoText());
    m_impl->setDisplayMode(0);
    m_impl->setTooltipEnabled(true);
    m_impl->setTooltipMode(ChartTooltipItem);
    setTheme(0);
    setBackgroundColor(QColor());
    m_impl->setCandles(daily);
    m_impl->setIntradayPoints(intraday);
    m_impl->setZoomEnabled(true);
    m_impl->setZoomRange(0.55, 1.0);
}

CVNQFinancialChart::~CVNQFinancialChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQFinancialChart::getProps()
{
    return ControlInfo(typeName(), "FinancialChart", "OpenGL Financial Chart", "CVNQFinancialChart", "columnChart");
}

void CVNQFinancialChart::setCandles(const QVector<Candle>& candles)
{
    m_impl->setCandles(candles);
}
QVector<Candle> CVNQFinancialChart::candles() const
{
    return m_impl->candles();
}
void CVNQFinancialChart::setIntradayPoints(const QVector<IntradayPoint>& points)
{
    m_impl->setIntradayPoints(points);
}
QVector<IntradayPoint> CVNQFinancialChart::intradayPoints() const
{
    return m_impl->intradayPoints();
}
void CVNQFinancialChart::setZoomEnabled(bool enabled)
{
    m_impl->setZoomEnabled(enabled);
}
void CVNQFinancialChart::setZoomRange(double start, double end)
{
    m_impl->setZoomRange(start, end);
}
double CVNQFinancialChart::zoomStart() const
{
    return m_impl->zoom().start();
}
double CVNQFinancialChart::zoomEnd() const
{
    return m_impl->zoom().end();
}
void CVNQFinancialChart::setDisplayMode(int mode)
{
    m_impl->setDisplayMode(mode);
}
int CVNQFinancialChart::displayMode() const
{
    return m_impl->displayMode();
}
void CVNQFinancialChart::setShowMovingAverages(bool show)
{
    m_impl->setShowMovingAverages(show);
}

CVNQChartImpl* CVNQFinancialChart::chartImpl() const
{
    return m_impl.get();
}

} // namespace CVNQtLib

#include "moc_CVNQFinancialChart.cpp"

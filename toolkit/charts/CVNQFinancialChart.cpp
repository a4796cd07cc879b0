#include "CVNQFinancialChart.h"

#include "CVNQFinancialChartImpl.h"
#include "CVNQFinancialDemoData.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQFinancialChart, CVNQFinancialChartImpl, "qtfinancialchart")

CVNQFinancialChart::CVNQFinancialChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl = new CVNQFinancialChartImpl(this);
    setMinimumSize(480, 300);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something:
    // the daily candles, zoomed to the most recent days.
    const QVector<Candle> daily = CVNQFinancialChartImpl::parseDailyText(cvnFinancialDailyDemoText());
    const QVector<IntradayPoint> intraday = CVNQFinancialChartImpl::parseIntradayText(cvnFinancialIntradayDemoText());
    m_impl->setDisplayMode(0);
    m_impl->setTooltipEnabled(true);
    m_impl->setTooltipMode(1);
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
    ControlInfo info;
    info.version = 1;
    info.typeName = "qtfinancialchart";
    info.className = "CVNQFinancialChart";
    info.shortName = "FinancialChart";
    info.description = "OpenGL Financial Chart";
    info.key = "columnChart";
    return info;
}

void CVNQFinancialChart::setCandles(const QVector<Candle>& candles) { m_impl->setCandles(candles); }
QVector<Candle> CVNQFinancialChart::candles() const { return m_impl->candles(); }
void CVNQFinancialChart::setIntradayPoints(const QVector<IntradayPoint>& points)
{
    m_impl->setIntradayPoints(points);
}
QVector<IntradayPoint> CVNQFinancialChart::intradayPoints() const { return m_impl->intradayPoints(); }
void CVNQFinancialChart::setZoomEnabled(bool enabled) { m_impl->setZoomEnabled(enabled); }
void CVNQFinancialChart::setZoomRange(double start, double end) { m_impl->setZoomRange(start, end); }
double CVNQFinancialChart::zoomStart() const { return m_impl->zoom().start(); }
double CVNQFinancialChart::zoomEnd() const { return m_impl->zoom().end(); }
void CVNQFinancialChart::setDisplayMode(int mode) { m_impl->setDisplayMode(mode); }
int CVNQFinancialChart::displayMode() const { return m_impl->displayMode(); }
void CVNQFinancialChart::setTitle(const QString& title) { m_impl->setTitle(title); }
void CVNQFinancialChart::setTooltipEnabled(bool enabled) { m_impl->setTooltipEnabled(enabled); }
void CVNQFinancialChart::setShowMovingAverages(bool show) { m_impl->setShowMovingAverages(show); }

void CVNQFinancialChart::initializeGL() { m_impl->initGL(); }
void CVNQFinancialChart::resizeGL(int, int) {}
void CVNQFinancialChart::paintGL() { m_impl->paintGL(); }

void CVNQFinancialChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_impl->handlePress(event->pos())) {
        event->accept();
        return;
    }
    CVNQChartBase::mousePressEvent(event);
}

void CVNQFinancialChart::mouseMoveEvent(QMouseEvent* event)
{
    if (m_impl->handleDrag(event->pos())) {
        event->accept();
        return;
    }
    CVNQChartBase::mouseMoveEvent(event);
    if (m_impl->updateHover(event->pos()))
        update();
}

void CVNQFinancialChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_impl->handleRelease();
    CVNQChartBase::mouseReleaseEvent(event);
}

void CVNQFinancialChart::leaveEvent(QEvent* event)
{
    CVNQChartBase::leaveEvent(event);
    m_impl->handleLeave();
}

} // namespace CVNQtLib

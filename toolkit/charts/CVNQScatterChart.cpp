#include "CVNQScatterChart.h"

#include "CVNQScatterChartImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQScatterChart, CVNQScatterChartImpl, "qtscatterchart")

CVNQScatterChart::CVNQScatterChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl = new CVNQScatterChartImpl(this);
    setMinimumSize(420, 260);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something.
    ScatterSeries a;
    a.name = QStringLiteral("Series A");
    a.points = {{8, 15}, {12, 24}, {18, 31}, {25, 40}, {32, 28}};
    a.symbolSize = 8;
    ScatterSeries b;
    b.name = QStringLiteral("Series B");
    b.points = {{10, 8}, {16, 14}, {22, 19}, {30, 26}, {36, 21}};
    b.symbolSize = 10;
    setTheme(0);
    setBackgroundColor(QColor());
    m_impl->setSeries({a, b});
}

CVNQScatterChart::~CVNQScatterChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQScatterChart::getProps()
{
    ControlInfo info;
    info.version = 1;
    info.typeName = "qtscatterchart";
    info.className = "CVNQScatterChart";
    info.shortName = "ScatterChart";
    info.description = "OpenGL Scatter Chart";
    info.key = "columnChart";
    return info;
}

void CVNQScatterChart::setSeries(const QVector<ScatterSeries>& series) { m_impl->setSeries(series); }
QVector<ScatterSeries> CVNQScatterChart::series() const { return m_impl->series(); }
void CVNQScatterChart::setTitle(const QString& title) { m_impl->setTitle(title); }
void CVNQScatterChart::setHoverEnabled(bool enabled) { m_impl->setHoverEnabled(enabled); }
void CVNQScatterChart::setTooltipEnabled(bool enabled) { m_impl->setTooltipEnabled(enabled); }
void CVNQScatterChart::setTooltipMode(int mode) { m_impl->setTooltipMode(mode); }

void CVNQScatterChart::initializeGL() { m_impl->initGL(); }
void CVNQScatterChart::resizeGL(int, int) {}
void CVNQScatterChart::paintGL() { m_impl->paintGL(); }

void CVNQScatterChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_impl->handlePress(event->pos())) {
        event->accept();
        return;
    }
    CVNQChartBase::mousePressEvent(event);
}

void CVNQScatterChart::mouseMoveEvent(QMouseEvent* event)
{
    CVNQChartBase::mouseMoveEvent(event);
    if (m_impl->updateHover(event->pos()))
        update();
}

void CVNQScatterChart::leaveEvent(QEvent* event)
{
    CVNQChartBase::leaveEvent(event);
    m_impl->handleLeave();
}

} // namespace CVNQtLib

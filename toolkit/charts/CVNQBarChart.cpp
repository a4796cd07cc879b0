#include "CVNQBarChart.h"

#include "CVNQBarChartImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQBarChart, CVNQBarChartImpl, "qtbarchart")

CVNQBarChart::CVNQBarChart(QWidget* parent)
    : CVNQChartBase(parent)
{
    m_impl = new CVNQBarChartImpl(this);
    setMinimumSize(420, 260);
    setMouseTracking(true);

    // Demonstration content, so a chart created by type name shows something.
    m_impl->setTooltipEnabled(false);
    m_impl->setTooltipMode(0);
    setTheme(0);
    setBackgroundColor(QColor());
    m_impl->setCategories({QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                           QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                           QStringLiteral("Sun")});
    m_impl->setData(QStringLiteral("Data"), {120, 200, 150, 80, 70, 110, 130}, QColor());
}

CVNQBarChart::~CVNQBarChart()
{
    makeCurrent();
    m_impl.reset();
    doneCurrent();
}

ControlInfo CVNQBarChart::getProps()
{
    ControlInfo info;
    info.version = 1;
    info.typeName = "qtbarchart";
    info.className = "CVNQBarChart";
    info.shortName = "BarChart";
    info.description = "OpenGL Bar Chart";
    info.key = "columnChart";
    return info;
}

void CVNQBarChart::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    m_impl->setData(name, values, color);
}
void CVNQBarChart::setSeries(const QVector<BarSeries>& series) { m_impl->setSeries(series); }
QVector<BarSeries> CVNQBarChart::series() const { return m_impl->series(); }
void CVNQBarChart::setTitle(const QString& title) { m_impl->setTitle(title); }
void CVNQBarChart::setCategories(const QStringList& categories) { m_impl->setCategories(categories); }
void CVNQBarChart::setHoverEnabled(bool enabled) { m_impl->setHoverEnabled(enabled); }
void CVNQBarChart::setTooltipEnabled(bool enabled) { m_impl->setTooltipEnabled(enabled); }
void CVNQBarChart::setTooltipMode(int mode) { m_impl->setTooltipMode(mode); }

void CVNQBarChart::initializeGL() { m_impl->initGL(); }
void CVNQBarChart::resizeGL(int, int) {}
void CVNQBarChart::paintGL() { m_impl->paintGL(); }

void CVNQBarChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_impl->handlePress(event->pos())) {
        event->accept();
        return;
    }
    CVNQChartBase::mousePressEvent(event);
}

void CVNQBarChart::mouseMoveEvent(QMouseEvent* event)
{
    CVNQChartBase::mouseMoveEvent(event);
    if (m_impl->updateHover(event->pos()))
        update();
}

void CVNQBarChart::leaveEvent(QEvent* event)
{
    CVNQChartBase::leaveEvent(event);
    m_impl->handleLeave();
}

} // namespace CVNQtLib

#include "CVNQChartImpl.h"

#include "CVNQChartBase.h"
#include "CVNQChartText.h"

#include <QPainter>
#include <QScopedValueRollback>

namespace CVNQtLib {

CVNQChartImpl::CVNQChartImpl(CVNQChartBase* chart, const char* typeName)
    : CVNQWidgetBaseImpl(chart, QString::fromLatin1(typeName))
    , m_chart(chart)
{}

void CVNQChartImpl::initGL()
{
    initializeOpenGLFunctions();
}

void CVNQChartImpl::paintGL()
{
    m_chart->beginGLFrame(*this);
    QPainter painter(m_chart);
    m_clearedWith = m_chart->backgroundColor();
    const QScopedValueRollback<bool> first(cvnChartTextFirstPaint(), !m_painted);
    draw(&painter, m_chart->rect());
    m_painted = true;
    m_clearedWith = QColor();
}

void CVNQChartImpl::setTitle(const QString& title)
{
    m_title = title;
    m_chart->update();
}

void CVNQChartImpl::setHoverEnabled(bool enabled)
{
    m_hoverEnabled = enabled;
    if (!enabled)
        clearHover();
    m_chart->update();
}

void CVNQChartImpl::setTooltipEnabled(bool enabled)
{
    m_tooltipEnabled = enabled;
    if (!enabled)
        clearHover();
    m_chart->update();
}

void CVNQChartImpl::setTooltipMode(int mode)
{
    m_tooltipMode = mode;
    if (mode == ChartTooltipNone)
        clearHover();
    m_chart->update();
}

bool CVNQChartImpl::handleDrag(const QPoint&)
{
    return false;
}

void CVNQChartImpl::handleRelease() {}

void CVNQChartImpl::handleLeave()
{
    if (dropHover())
        m_chart->update();
}

void CVNQChartImpl::clearHover()
{
    m_hoverActive = false;
    m_hoverIndex = -1;
    m_hoverSeries = -1;
    m_chart->hideTooltip();
}

bool CVNQChartImpl::dropHover()
{
    const bool had = hasHover();
    clearHover();
    return had;
}

bool CVNQChartImpl::setHover(int index, int series, const QPoint& mouse)
{
    const bool changed =
        !(m_hoverActive && m_hoverIndex == index && m_hoverSeries == series && m_hoverMousePos == mouse);
    m_hoverActive = true;
    m_hoverIndex = index;
    m_hoverSeries = series;
    m_hoverMousePos = mouse;
    return changed;
}

void CVNQChartImpl::updateChart()
{
    m_chart->update();
}

void CVNQChartImpl::replayAnimation()
{
    m_chart->replayAnimation();
}

void CVNQChartImpl::showHoverTooltip(const QString& text)
{
    if (m_tooltipEnabled && !text.isEmpty())
        m_chart->showTooltip(m_hoverMousePos, text);
    else
        m_chart->hideTooltip();
}

} // namespace CVNQtLib

#include "moc_CVNQChartImpl.cpp"

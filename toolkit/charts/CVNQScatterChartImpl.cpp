#include "CVNQScatterChartImpl.h"

#include "CVNQChartCoords.h"
#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"

#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

namespace CVNQtLib {

namespace {

// A symbol size that is usable as a diameter.
inline double sizeOf(const ScatterSeries& s) { return qMax(cvnChartFinite(s.symbolSize, 0.0), 0.0); }

inline bool isFinitePoint(const QPointF& p) { return qIsFinite(p.x()) && qIsFinite(p.y()); }

// Pads one axis' ends: equal ends move 1 apart each way, then both move
// out by 8 % of the span (at least 1).
void padAxis(double& lo, double& hi)
{
    if (cvnChartSameValue(lo, hi)) {
        lo -= 1;
        hi += 1;
    }
    const double span = qMax(hi - lo, 1.0);
    lo -= 0.08 * span;
    hi += 0.08 * span;
}

} // namespace

CVNQScatterChartImpl::CVNQScatterChartImpl(CVNQScatterChart* owner)
    : CVNQWidgetBaseImpl(owner, QString::fromLatin1(CVNQScatterChart::typeName()))
    , m_chart(owner)
{
}

void CVNQScatterChartImpl::initGL()
{
    initializeOpenGLFunctions();
}

void CVNQScatterChartImpl::paintGL()
{
    m_chart->beginGLFrame(*this);
    QPainter painter(m_chart);
    draw(&painter, m_chart->rect());
}

// --- data -------------------------------------------------------------------

void CVNQScatterChartImpl::setTitle(const QString& title)
{
    m_title = title;
    m_chart->update();
}

void CVNQScatterChartImpl::setSeries(const QVector<ScatterSeries>& series)
{
    if (!series.isSharedWith(m_series))
        m_series = series;
    m_chart->replayAnimation();
}

void CVNQScatterChartImpl::setHoverEnabled(bool enabled)
{
    m_hoverEnabled = enabled;
    if (!enabled)
        clearHover();
    m_chart->update();
}

void CVNQScatterChartImpl::setTooltipEnabled(bool enabled)
{
    m_tooltipEnabled = enabled;
    if (!enabled)
        m_chart->hideTooltip();
    m_chart->update();
}

void CVNQScatterChartImpl::setTooltipMode(int mode)
{
    m_tooltipMode = mode;
    if (mode == 0)
        clearHover();
    m_chart->update();
}

void CVNQScatterChartImpl::clearHover()
{
    m_hoverActive = false;
    m_hoverSeries = -1;
    m_hoverPointIndex = -1;
    m_chart->hideTooltip();
}

// --- geometry ---------------------------------------------------------------

QRectF CVNQScatterChartImpl::plotRect(const QSize& size) const
{
    ChartInsets insets;
    insets.left = m_marginLeft;
    insets.top = m_marginTop;
    insets.right = m_marginRight;
    insets.bottom = 42;
    insets.legendBottom = m_marginBottom;
    return cvnChartPlotRect(size, insets, m_chart->legendPosition(), !m_series.isEmpty());
}

ScatterChartFrame CVNQScatterChartImpl::frame(const QSize& size) const
{
    ScatterChartFrame f;
    f.plot = plotRect(size);
    bool any = false;
    for (const ScatterSeries& s : m_series) {
        if (!s.visible)
            continue;
        for (const QPointF& point : s.points) {
            if (!isFinitePoint(point))
                continue;
            const QPointF p(cvnChartRangeValue(point.x()), cvnChartRangeValue(point.y()));
            if (!any) {
                f.xlo = f.xhi = p.x();
                f.ylo = f.yhi = p.y();
                any = true;
            } else {
                f.xlo = qMin(f.xlo, p.x());
                f.xhi = qMax(f.xhi, p.x());
                f.ylo = qMin(f.ylo, p.y());
                f.yhi = qMax(f.yhi, p.y());
            }
        }
    }
    if (any) {
        padAxis(f.xlo, f.xhi);
        padAxis(f.ylo, f.yhi);
    }
    f.dx = cvnChartSameValue(f.xlo, f.xhi) ? 1.0 : f.xhi - f.xlo;
    f.dy = cvnChartSameValue(f.ylo, f.yhi) ? 1.0 : f.yhi - f.ylo;
    return f;
}

QPointF CVNQScatterChartImpl::screenPos(const ScatterChartFrame& f, const QPointF& point) const
{
    const double p = m_chart->animationProgress();
    const double x = f.plot.left() + f.plot.width() * (point.x() - f.xlo) / f.dx;
    const double y = f.plot.bottom() - f.plot.height() * ((point.y() - f.ylo) / f.dy) * p;
    return QPointF(cvnChartCoord(x, f.plot.left()), cvnChartCoord(y, f.plot.bottom()));
}

double CVNQScatterChartImpl::symbolRadius(double size) const
{
    return (0.55 + 0.45 * m_chart->animationProgress()) * size * 0.5;
}

QVector<ChartLegendItem> CVNQScatterChartImpl::legendItems(const QRectF& plot, const QSize& size) const
{
    QVector<ChartLegendItem> items;
    if (m_series.isEmpty())
        return items;
    const ChartTheme& theme = m_chart->theme();
    for (int i = 0; i < m_series.size(); ++i) {
        const ScatterSeries& s = m_series.at(i);
        ChartLegendItem item;
        item.seriesIndex = i;
        item.color = cvnChartColor(theme, s.color, i);
        item.label = s.name.isEmpty() ? QStringLiteral("Series %1").arg(i + 1) : s.name;
        item.visible = s.visible;
        items.append(item);
    }
    QFont font = m_chart->font();
    font.setPixelSize(11);
    const int pos = m_chart->legendPosition();
    return cvnChartFlowLegend(items, cvnChartLegendArea(plot, size, pos), cvnChartLegendVertical(pos), font, 18, 36);
}

// --- mouse --------------------------------------------------------------------

bool CVNQScatterChartImpl::handlePress(const QPoint& pos)
{
    const QSize size = m_chart->size();
    for (const ChartLegendItem& item : legendItems(plotRect(size), size)) {
        if (item.rect.adjusted(-2, -2, 2, 2).contains(QPointF(pos))) {
            ScatterSeries& s = m_series[item.seriesIndex];
            s.visible = !s.visible;
            clearHover();
            m_chart->update();
            return true;
        }
    }
    return false;
}

void CVNQScatterChartImpl::handleLeave()
{
    const bool had = m_hoverActive || m_hoverSeries != -1 || m_hoverPointIndex != -1;
    clearHover();
    if (had)
        m_chart->update();
}

bool CVNQScatterChartImpl::anyVisiblePoint() const
{
    for (const ScatterSeries& s : m_series)
        if (s.visible && !s.points.isEmpty())
            return true;
    return false;
}

bool CVNQScatterChartImpl::updateHover(const QPoint& pos)
{
    const bool had = m_hoverActive || m_hoverSeries != -1 || m_hoverPointIndex != -1;
    auto clear = [&] {
        clearHover();
        return had;
    };
    if (!m_hoverEnabled || m_tooltipMode == 0 || !anyVisiblePoint())
        return clear();
    const ScatterChartFrame f = frame(m_chart->size());
    if (!f.plot.contains(QPointF(pos)))
        return clear();

    int bestSeries = -1;
    int bestPoint = -1;
    double bestDist = 0.0;
    const QPointF mouse(pos);
    for (int s = 0; s < m_series.size(); ++s) {
        const ScatterSeries& series = m_series.at(s);
        if (!series.visible)
            continue;
        const double reach = sizeOf(series) + 6;
        for (int j = 0; j < series.points.size(); ++j) {
            if (!isFinitePoint(series.points.at(j)))
                continue;
            const QPointF d = screenPos(f, series.points.at(j)) - mouse;
            const double dist = qSqrt(d.x() * d.x() + d.y() * d.y());
            if (dist <= reach && (bestSeries < 0 || dist < bestDist)) {
                bestSeries = s;
                bestPoint = j;
                bestDist = dist;
            }
        }
    }
    if (bestSeries < 0)
        return clear();

    const bool changed = !(m_hoverActive && m_hoverSeries == bestSeries && m_hoverPointIndex == bestPoint
                           && m_hoverMousePos == pos);
    m_hoverActive = true;
    m_hoverSeries = bestSeries;
    m_hoverPointIndex = bestPoint;
    m_hoverMousePos = pos;
    if (m_tooltipEnabled)
        m_chart->showTooltip(pos, tooltipText());
    else
        m_chart->hideTooltip();
    return changed;
}

QString CVNQScatterChartImpl::tooltipText() const
{
    if (m_hoverSeries < 0 || m_hoverSeries >= m_series.size())
        return QString();
    const ScatterSeries& s = m_series.at(m_hoverSeries);
    if (m_hoverPointIndex < 0 || m_hoverPointIndex >= s.points.size())
        return QString();
    const QPointF& p = s.points.at(m_hoverPointIndex);
    return QStringLiteral("%1\nx: %2\ny: %3")
        .arg(s.name.isEmpty() ? QStringLiteral("Series") : s.name, cvnChartNumber(p.x()), cvnChartNumber(p.y()));
}

// --- painting -----------------------------------------------------------------

void CVNQScatterChartImpl::paintPoints(QPainter& painter, const ScatterChartFrame& f)
{
    const ChartTheme& theme = m_chart->theme();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    for (int s = 0; s < m_series.size(); ++s) {
        const ScatterSeries& series = m_series.at(s);
        if (!series.visible)
            continue;
        const QColor color = cvnChartColor(theme, series.color, s);
        const bool seriesHot = m_hoverActive && m_hoverSeries == s;
        // Equal rings are stamped from one picture; long series would
        // otherwise cost an antialiased ellipse each.
        m_rings.setLook(symbolRadius(sizeOf(series)), color, 1.4, theme.plotBackgroundColor, dpr);
        for (int j = 0; j < series.points.size(); ++j) {
            if ((seriesHot && j == m_hoverPointIndex) || !isFinitePoint(series.points.at(j)))
                continue;
            m_rings.stamp(painter, screenPos(f, series.points.at(j)));
        }
        if (seriesHot && m_hoverPointIndex >= 0 && m_hoverPointIndex < series.points.size()
            && isFinitePoint(series.points.at(m_hoverPointIndex))) {
            const double r = symbolRadius(sizeOf(series) + 2.5);
            painter.setPen(QPen(color, 2.2));
            painter.setBrush(color);
            painter.drawEllipse(screenPos(f, series.points.at(m_hoverPointIndex)), r, r);
        }
    }
}

void CVNQScatterChartImpl::paintLegend(QPainter& painter, const QVector<ChartLegendItem>& items)
{
    const ChartTheme& theme = m_chart->theme();
    cvnChartSetFont(painter, 11, false);
    for (const ChartLegendItem& item : items) {
        const QColor marker = item.visible ? item.color : item.color.lighter(160);
        const QColor text = item.visible ? theme.secondaryTextColor : theme.secondaryTextColor.lighter(145);
        painter.setPen(QPen(marker, 1.4));
        painter.setBrush(item.visible ? marker : theme.plotBackgroundColor);
        painter.drawEllipse(QRectF(item.rect.left(), item.rect.top() + 3, 12, 12));
        painter.setPen(text);
        painter.drawText(QRectF(item.rect.left() + 18, item.rect.top(), item.rect.width() - 18, item.rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, item.label);
    }
}

void CVNQScatterChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const ChartTheme& theme = m_chart->theme();
    const ScatterChartFrame f = frame(rect.size());

    p.fillRect(rect, m_chart->backgroundColor());
    cvnChartDrawPlot(p, theme, f.plot, f.plot.bottom(), true);
    paintPoints(p, f);

    cvnChartDrawTitle(p, theme, rect.width(), m_title, 16);
    cvnChartDrawValueLabels(p, theme, f.plot, f.ylo, f.yhi, m_marginLeft - 10, 11);
    for (int j = 0; j <= 5; ++j) {
        const double x = f.plot.left() + f.plot.width() * j / 5;
        p.drawText(QRectF(x - 28, f.plot.bottom() + 8, 56, 18), Qt::AlignCenter,
                   cvnChartNumber(f.xlo + j * (f.xhi - f.xlo) / 5));
    }

    paintLegend(p, legendItems(f.plot, rect.size()));
    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

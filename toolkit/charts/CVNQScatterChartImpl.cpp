#include "CVNQScatterChartImpl.h"

#include "CVNQChartCoords.h"
#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"

#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

namespace CVNQtLib {

namespace {

// A symbol size that is usable as a diameter (painting bounds a huge one).
inline double sizeOf(const ScatterSeries& s)
{
    return std::isnan(s.symbolSize) ? 0.0 : qMax(s.symbolSize, 0.0);
}

inline bool isFinitePoint(const QPointF& p)
{
    return qIsFinite(p.x()) && qIsFinite(p.y());
}

// Pads one axis' ends: equal ends move 1 apart each way, then both move
// out by 8 % of the span (at least 1).
void padAxis(double& lo, double& hi)
{
    cvnChartSeparateEnds(lo, hi);
    cvnChartPadRange(lo, hi, 0.08, 0.08, 1.0);
}

} // namespace

// Tooltip mode 0 switches hover tracking off, any other value on.
CVNQScatterChartImpl::CVNQScatterChartImpl(CVNQScatterChart* owner)
    : CVNQChartImpl(owner, CVNQScatterChart::typeName())
{
    m_title = QStringLiteral("Basic Scatter Chart");
    m_tooltipEnabled = true;
    m_tooltipMode = ChartTooltipItem;
}

// --- data -------------------------------------------------------------------

void CVNQScatterChartImpl::setSeries(const QVector<ScatterSeries>& series)
{
    replaceData(m_series, series);
}

// --- geometry ---------------------------------------------------------------

QRectF CVNQScatterChartImpl::plotRect(const QSize& size) const
{
    return cvnChartPlotRect(size, m_insets, m_chart->legendPosition(), !m_series.isEmpty());
}

ScatterChartFrame CVNQScatterChartImpl::frame(const QSize& size) const
{
    ScatterChartFrame f;
    f.plot = plotRect(size);
    ChartValueRange xs;
    ChartValueRange ys;
    for (const ScatterSeries& s : m_series) {
        for (int i = 0; s.visible && i < s.points.size(); ++i) {
            // A point takes part only when both its coordinates are finite.
            if (!isFinitePoint(s.points.at(i)))
                continue;
            xs.add(s.points.at(i).x());
            ys.add(s.points.at(i).y());
        }
    }
    f.xlo = xs.lo;
    f.xhi = xs.hi;
    f.ylo = ys.lo;
    f.yhi = ys.hi;
    if (xs.any) {
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
    const QVector<ChartLegendItem> items = cvnChartLegendEntries(m_series, m_chart->theme(), "Series %1");
    if (items.isEmpty())
        return items;
    return cvnChartLegendLayout(items, plot, size, m_chart->legendPosition(), m_chart->font(), 11, 36);
}

// --- mouse --------------------------------------------------------------------

bool CVNQScatterChartImpl::handlePress(const QPoint& pos)
{
    const QSize size = m_chart->size();
    return toggleByLegend(legendItems(plotRect(size), size), pos, m_series);
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
    if (!m_hoverEnabled || m_tooltipMode == ChartTooltipNone || !anyVisiblePoint())
        return dropHover();
    const ScatterChartFrame f = frame(m_chart->size());
    if (!f.plot.contains(QPointF(pos)))
        return dropHover();

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
        return dropHover();
    const bool changed = setHover(bestPoint, bestSeries, pos);
    showHoverTooltip(tooltipText());
    return changed;
}

QString CVNQScatterChartImpl::tooltipText() const
{
    if (m_hoverSeries < 0 || m_hoverSeries >= m_series.size())
        return QString();
    const ScatterSeries& s = m_series.at(m_hoverSeries);
    if (m_hoverIndex < 0 || m_hoverIndex >= s.points.size())
        return QString();
    const QPointF& p = s.points.at(m_hoverIndex);
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
        QVector<QPointF> centres(series.points.size(), QPointF(qQNaN(), qQNaN()));
        for (int j = 0; j < series.points.size(); ++j)
            if (isFinitePoint(series.points.at(j)))
                centres[j] = screenPos(f, series.points.at(j));
        m_rings.stampAll(painter, centres, seriesHot ? m_hoverIndex : -1);
        if (seriesHot && m_hoverIndex >= 0 && m_hoverIndex < series.points.size() &&
            isFinitePoint(series.points.at(m_hoverIndex))) {
            const double r = symbolRadius(sizeOf(series) + 2.5);
            painter.setPen(QPen(color, 2.2));
            painter.setBrush(color);
            cvnChartDrawCircle(painter, screenPos(f, series.points.at(m_hoverIndex)), r);
        }
    }
}

void CVNQScatterChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const ChartTheme& theme = m_chart->theme();
    const ScatterChartFrame f = frame(rect.size());

    cvnChartFillBackground(p, rect, m_chart->backgroundColor(), clearedWith());
    cvnChartDrawPlot(p, theme, f.plot, f.plot.bottom(), true);
    paintPoints(p, f);

    cvnChartDrawTitle(p, theme, rect.width(), m_title, 16);
    cvnChartDrawValueLabels(p, theme, f.plot, f.ylo, f.yhi, m_insets.left, 11);
    QVector<ChartAxisLabel> labels;
    for (int j = 0; j <= 5; ++j)
        labels.append({f.plot.left() + f.plot.width() * j / 5, cvnChartNumber(f.xlo + j * (f.xhi - f.xlo) / 5)});
    cvnChartDrawAxisLabels(p, labels, f.plot.bottom() + 8, 56);

    cvnChartPaintLegend(p, theme, m_chart->backgroundColor(), legendItems(f.plot, rect.size()), ChartLegendMarker::Ring,
                        11, rect);
    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

#include "moc_CVNQScatterChartImpl.cpp"

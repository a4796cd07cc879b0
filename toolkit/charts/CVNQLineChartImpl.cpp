#include "CVNQLineChartImpl.h"

#include "CVNQChartCoords.h"
#include "CVNQChartPainting.h"
#include "CVNQLineChart.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPaintDevice>
#include <QtMath>
#include <cmath>

namespace CVNQtLib {

CVNQLineChartImpl::CVNQLineChartImpl(CVNQLineChart* owner)
    : CVNQZoomChartImpl(owner, CVNQLineChart::typeName())
{
    m_title = QStringLiteral("Basic Line Chart");
}

// --- data -------------------------------------------------------------------

void CVNQLineChartImpl::setCategories(const QStringList& categories)
{
    m_categories = categories;
    m_chart->update();
}

void CVNQLineChartImpl::setSeries(const QVector<ChartSeries>& series)
{
    replaceData(m_series, series);
}

void CVNQLineChartImpl::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    ChartSeries s = cvnChartSeries<ChartSeries>(name, values, color);
    s.smooth = m_smooth;
    s.area = m_area;
    replaceData(m_series, {s});
}

void CVNQLineChartImpl::setSeriesVisible(int index, bool visible)
{
    if (index < 0 || index >= m_series.size())
        return;
    m_series[index].visible = visible;
    clearHover();
    m_chart->update();
}

void CVNQLineChartImpl::clearHover()
{
    m_hoverPoint = QPointF();
    CVNQChartImpl::clearHover();
}

// --- geometry ---------------------------------------------------------------

int CVNQLineChartImpl::categoryCount() const
{
    return cvnChartCategoryCount(m_categories, m_series);
}

QString CVNQLineChartImpl::categoryLabel(int index) const
{
    return cvnChartCategoryLabel(m_categories, index);
}

QRectF CVNQLineChartImpl::plotRect(const QSize& size) const
{
    // The slider takes 50 px more below the plot, 44 with the legend there.
    ChartInsets insets = m_insets;
    if (m_zoom.isEnabled()) {
        insets.bottom += 50;
        insets.legendBottom += 44;
    }
    return cvnChartPlotRect(size, insets, m_chart->legendPosition(), !m_series.isEmpty());
}

void CVNQLineChartImpl::valueRange(int first, int last, double& lo, double& hi) const
{
    ChartValueRange range;
    for (const ChartSeries& s : m_series) {
        if (!s.visible)
            continue;
        const int end = qMin(last, s.values.size() - 1);
        for (int i = qMax(first, 0); i <= end; ++i)
            range.add(s.values.at(i));
    }
    lo = range.lo;
    hi = range.hi;
    if (!range.any)
        return;
    cvnChartSeparateEnds(lo, hi);
    // A range above zero starts from zero instead of its padded floor.
    const bool fromZero = lo > 0;
    cvnChartPadRange(lo, hi, 0.05, 0.08, 1.0);
    if (fromZero)
        lo = 0;
}

double CVNQLineChartImpl::animatedValue(double value, int index, int count, double lo, double progress)
{
    double t = progress;
    if (count > 1) {
        const double s = 1.0 / ((count - 1) * 0.5 + 1);
        t = (progress - index * s * 0.5) / s;
    }
    t = qBound(0.0, t, 1.0);
    const double e = t * t * (3 - 2 * t);
    return lo + (cvnChartFinite(value, lo) - lo) * e;
}

QVector<QPointF> CVNQLineChartImpl::seriesPoints(const ChartCategoryFrame& f, const ChartSeries& s) const
{
    QVector<QPointF> points;
    const int n = s.values.size();
    const int end = qMin(f.last, n - 1);
    if (end < f.first)
        return points;
    points.resize(end - f.first + 1);
    const double p = m_chart->animationProgress();
    // pointPos() and animatedValue() folded for long series.
    const double xStep = f.plot.width() / qMax(f.last - f.first, 1);
    const double yScale = f.plot.height() / f.span;
    const double* v = s.values.constData();
    QPointF* out = points.data();
    for (int i = f.first; i <= end; ++i) {
        const double value = p >= 1.0 ? cvnChartFinite(v[i], f.lo) : animatedValue(v[i], i, n, f.lo, p);
        const double y = f.plot.bottom() - yScale * (value - f.lo);
        *out++ = QPointF(f.plot.left() + xStep * (i - f.first), cvnChartCoord(y, f.plot.bottom()));
    }
    return points;
}

QPainterPath CVNQLineChartImpl::linePath(const QVector<QPointF>& points, bool smooth)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points.first());
    const int n = points.size();
    if (smooth && n >= 3) {
        const double k = 0.85 / 6;
        for (int i = 0; i + 1 < n; ++i) {
            const QPointF& p1 = points.at(i);
            const QPointF& p2 = points.at(i + 1);
            const QPointF& p0 = i > 0 ? points.at(i - 1) : p1;
            const QPointF& p3 = i + 2 < n ? points.at(i + 2) : p2;
            path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
        }
    } else {
        for (int i = 1; i < n; ++i)
            path.lineTo(points.at(i));
    }
    return path;
}

int CVNQLineChartImpl::labelStep(int labelCount, double plotWidth)
{
    if (labelCount <= 1)
        return 1;
    const int fit = qMax(int(qFloor(plotWidth / 76)) + 1, 2);
    return qMax(1, int(qCeil(double(labelCount) / fit)));
}

QVector<ChartLegendItem> CVNQLineChartImpl::legendItems(const QRectF& plot, const QSize& size) const
{
    const ChartTheme& theme = m_chart->theme();
    const QVector<ChartLegendItem> items = cvnChartLegendEntries(m_series, theme, "Series %1");
    if (items.isEmpty())
        return items;
    return cvnChartLegendLayout(items, plot, size, m_chart->legendPosition(), m_chart->font(), theme.labelFontSize, 38);
}

double CVNQLineChartImpl::sliderOffset() const
{
    const int pos = m_chart->legendPosition();
    const bool legendBelow = pos != 0 && pos != 1 && pos != 3;
    return legendBelow ? 76 : 40;
}

// --- mouse --------------------------------------------------------------------

bool CVNQLineChartImpl::handlePress(const QPoint& pos)
{
    if (pressSlider(pos))
        return true;
    const QSize size = m_chart->size();
    return toggleByLegend(legendItems(plotRect(size), size), pos, m_series);
}

bool CVNQLineChartImpl::updateHover(const QPoint& pos)
{
    const ChartCategoryFrame f = frame(m_chart->size());
    if (!m_hoverEnabled || m_tooltipMode == ChartTooltipNone || !cvnChartHasValueAt(m_series, 0) ||
        !f.plot.contains(QPointF(pos)))
        return dropHover();

    bool changed = false;
    if (m_tooltipMode == ChartTooltipCategory) {
        int index = f.first;
        if (f.last > f.first)
            index = qBound(f.first,
                           f.first + qRound((f.last - f.first) * (pos.x() - f.plot.left()) / qMax(f.plot.width(), 1.0)),
                           f.last);
        if (!cvnChartHasValueAt(m_series, index))
            return dropHover();
        changed = setHover(index, -1, pos);
    } else {
        int bestSeries = -1;
        int bestIndex = -1;
        QPointF bestPoint;
        double bestDist = 14.0;
        for (int si = 0; si < m_series.size(); ++si) {
            const ChartSeries& s = m_series.at(si);
            if (!s.visible)
                continue;
            const QVector<QPointF> points = seriesPoints(f, s);
            for (int k = 0; k < points.size(); ++k) {
                const QPointF d = points.at(k) - QPointF(pos);
                const double dist = qSqrt(d.x() * d.x() + d.y() * d.y());
                if (dist < bestDist || (bestSeries < 0 && dist <= bestDist)) {
                    bestDist = dist;
                    bestSeries = si;
                    bestIndex = f.first + k;
                    bestPoint = points.at(k);
                }
            }
        }
        if (bestSeries < 0)
            return dropHover();
        changed = setHover(bestIndex, bestSeries, pos);
        m_hoverPoint = bestPoint;
    }
    showHoverTooltip(m_tooltipEnabled ? tooltipText() : QString());
    return changed;
}

QString CVNQLineChartImpl::tooltipText() const
{
    if (m_tooltipMode == ChartTooltipCategory)
        return cvnChartCategoryTooltip(categoryLabel(m_hoverIndex), m_series, m_hoverIndex);
    if (m_hoverSeries < 0 || m_hoverSeries >= m_series.size())
        return QString();
    const ChartSeries& s = m_series.at(m_hoverSeries);
    if (m_hoverIndex < 0 || m_hoverIndex >= s.values.size())
        return QString();
    return cvnChartItemTooltip(s.name, categoryLabel(m_hoverIndex), s.values.at(m_hoverIndex));
}

// --- painting -----------------------------------------------------------------

void CVNQLineChartImpl::paintSeries(QPainter& painter, const ChartCategoryFrame& f)
{
    const ChartTheme& theme = m_chart->theme();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRectF picture = cvnChartPainterPicture(painter);
    for (int si = 0; si < m_series.size(); ++si) {
        const ChartSeries& s = m_series.at(si);
        if (!s.visible)
            continue;
        const QVector<QPointF> points = seriesPoints(f, s);
        if (points.isEmpty())
            continue;
        const QColor color = cvnChartColor(theme, s.color, si);
        // Smoothing through points about a pixel apart changes nothing visible.
        QPolygonF line(points);
        if ((m_smooth || s.smooth) && points.size() >= 3 && line.size() - 1 < line.last().x() - line.first().x()) {
            const QList<QPolygonF> flat = linePath(points, true).toSubpathPolygons();
            if (!flat.isEmpty())
                line = flat.first();
        }

        const double width = cvnChartExtent(s.lineWidth > 0 ? s.lineWidth : theme.lineWidth, 1.0, picture);
        QColor areaColor;
        if (m_area || s.area) {
            areaColor = s.fillColor.isValid() ? s.fillColor : color;
            areaColor.setAlphaF(qBound(0.0, cvnChartFinite(s.fillOpacity, 0.0), 1.0));
        }
        cvnChartPaintLine(painter, line, QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), areaColor,
                          f.plot.bottom());

        if (m_showSymbols && s.showSymbols) {
            const bool seriesHot = m_hoverActive && (m_tooltipMode == ChartTooltipCategory || m_hoverSeries == si);
            // One stamp per series keeps its images (and their textures on
            // the OpenGL surface) from one paint to the next.
            if (m_symbols.size() < m_series.size())
                m_symbols.resize(m_series.size());
            ChartSymbolStamp& stamp = m_symbols[si];
            stamp.setLook(theme.symbolRadius, color, 1.8, theme.plotBackgroundColor, dpr);
            stamp.stampAll(painter, points, seriesHot ? m_hoverIndex - f.first : -1);
            if (seriesHot && m_hoverIndex >= f.first && m_hoverIndex - f.first < points.size()) {
                painter.setPen(QPen(color, 2.4));
                painter.setBrush(color);
                cvnChartDrawCircle(painter, points.at(m_hoverIndex - f.first), theme.hoverSymbolRadius);
            }
        }
    }
}

void CVNQLineChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const ChartTheme& theme = m_chart->theme();
    const ChartCategoryFrame f = frame(rect.size());

    cvnChartDrawPlot(p, theme, f.plot, f.plot.bottom(), false, clearedWith());

    if (m_hoverEnabled && m_hoverActive && cvnChartHasValueAt(m_series, m_hoverIndex)) {
        const double x = pointPos(f, m_hoverIndex, f.lo).x();
        p.setPen(QPen(theme.crosshairColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
        const double progress = m_chart->animationProgress();
        for (int si = 0; si < m_series.size(); ++si) {
            const ChartSeries& s = m_series.at(si);
            if (!s.visible || m_hoverIndex >= s.values.size())
                continue;
            if (m_tooltipMode == ChartTooltipItem && si != m_hoverSeries)
                continue;
            const QColor color = cvnChartColor(theme, s.color, si);
            p.setPen(QPen(color, 2.4));
            p.setBrush(color);
            const double v = animatedValue(s.values.at(m_hoverIndex), m_hoverIndex, s.values.size(), f.lo, progress);
            cvnChartDrawCircle(p, pointPos(f, m_hoverIndex, v), theme.hoverSymbolRadius);
        }
    }

    paintSeries(p, f);

    cvnChartDrawTitle(p, theme, rect.width(), m_title, theme.titleFontSize);
    cvnChartDrawValueLabels(p, theme, f.plot, f.lo, f.hi, m_insets.left, theme.labelFontSize);

    // x labels (the value-label font is still set)
    const int step = labelStep(f.last - f.first + 1, f.plot.width());
    const double kLabelWidth = 68;
    QVector<ChartAxisLabel> labels;
    for (int i = f.first; i <= f.last; i += step)
        labels.append({pointPos(f, i, f.lo).x(), categoryLabel(i)});
    if (f.last > f.first && (f.last - f.first) % step != 0) {
        // The last category is always named; the label before it gives way
        // where the two texts (each clipped to its box) would cover each other.
        const ChartAxisLabel end{pointPos(f, f.last, f.lo).x(), categoryLabel(f.last)};
        const QFontMetricsF metrics(p.font());
        if (labels.size() > 1 &&
            end.x - labels.last().x < cvnChartAxisLabelReach(metrics, end.text, kLabelWidth) +
                                          cvnChartAxisLabelReach(metrics, labels.last().text, kLabelWidth))
            labels.removeLast();
        labels.append(end);
    }
    cvnChartDrawAxisLabels(p, labels, f.plot.bottom() + 8, kLabelWidth);

    cvnChartPaintLegend(p, theme, m_chart->backgroundColor(), legendItems(f.plot, rect.size()), ChartLegendMarker::Line,
                        theme.labelFontSize, rect);
    paintSlider(p, f.plot);

    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

#include "moc_CVNQLineChartImpl.cpp"

#include "CVNQLineChartImpl.h"

#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"
#include "CVNQChartPlotPainter.h"
#include "CVNQLineChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPaintDevice>
#include <QtMath>
#include <cmath>

namespace CVNQtLib {

namespace {

// A value that cannot be placed (NaN, infinity) sits on the axis floor
// instead of sending NaN coordinates to the painter.
inline double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

} // namespace

CVNQLineChartImpl::CVNQLineChartImpl(CVNQLineChart* owner)
    : CVNQWidgetBaseImpl(owner, QString::fromLatin1(CVNQLineChart::typeName()))
    , m_chart(owner)
{
}

void CVNQLineChartImpl::initGL()
{
    initializeOpenGLFunctions();
}

void CVNQLineChartImpl::paintGL()
{
    m_chart->beginGLFrame(*this);
    QPainter painter(m_chart);
    draw(&painter, m_chart->rect());
}

// --- data -------------------------------------------------------------------

void CVNQLineChartImpl::setTitle(const QString& title)
{
    m_title = title;
    m_chart->update();
}

void CVNQLineChartImpl::setCategories(const QStringList& categories)
{
    m_categories = categories;
    m_chart->update();
}

void CVNQLineChartImpl::setSeries(const QVector<ChartSeries>& series)
{
    if (!series.isSharedWith(m_series))
        m_series = series;
    m_chart->replayAnimation();
}

void CVNQLineChartImpl::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    ChartSeries s;
    s.name = name;
    s.values = values;
    s.color = color;
    s.smooth = m_smooth;
    s.area = m_area;
    m_series = {s};
    m_chart->replayAnimation();
}

void CVNQLineChartImpl::setSeriesVisible(int index, bool visible)
{
    if (index < 0 || index >= m_series.size())
        return;
    m_series[index].visible = visible;
    clearHover();
    m_chart->update();
}

void CVNQLineChartImpl::setHoverEnabled(bool enabled)
{
    m_hoverEnabled = enabled;
    if (!enabled)
        clearHover();
    m_chart->update();
}

void CVNQLineChartImpl::setTooltipEnabled(bool enabled)
{
    m_tooltipEnabled = enabled;
    if (!enabled)
        clearHover();
    m_chart->update();
}

void CVNQLineChartImpl::setTooltipMode(int mode)
{
    m_tooltipMode = mode;
    if (mode == 0)
        clearHover();
    m_chart->update();
}

void CVNQLineChartImpl::clearHover()
{
    m_hoverActive = false;
    m_hoverIndex = -1;
    m_hoverSeries = -1;
    m_hoverPoint = QPointF();
    m_chart->hideTooltip();
}

// --- geometry ---------------------------------------------------------------

int CVNQLineChartImpl::categoryCount() const
{
    int n = qMax(m_categories.size(), 1);
    for (const ChartSeries& s : m_series)
        if (s.visible)
            n = qMax(n, s.values.size());
    return n;
}

void CVNQLineChartImpl::visibleRange(int& first, int& last) const
{
    const int n = categoryCount();
    if (!m_zoom.isEnabled() || n < 2) {
        first = 0;
        last = n - 1;
        return;
    }
    first = qBound(0, int(qFloor(m_zoom.start() * (n - 1))), n - 1);
    last = qMax(first, qMin(n - 1, int(qCeil(m_zoom.end() * (n - 1)))));
}

QString CVNQLineChartImpl::categoryLabel(int index) const
{
    if (index >= 0 && index < m_categories.size())
        return m_categories.at(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

QRectF CVNQLineChartImpl::plotRect(const QSize& size) const
{
    ChartInsets insets;
    insets.left = m_marginLeft;
    insets.top = cvnChartTopInset(m_marginTop, !m_title.isEmpty());
    insets.right = m_marginRight;
    insets.bottom = m_zoom.isEnabled() ? 92 : 42;
    insets.legendBottom = m_marginBottom + (m_zoom.isEnabled() ? 44 : 0);
    return cvnChartPlotRect(size, insets, m_chart->legendPosition(), !m_series.isEmpty());
}

void CVNQLineChartImpl::valueRange(int first, int last, double& lo, double& hi) const
{
    bool any = false;
    for (const ChartSeries& s : m_series) {
        if (!s.visible)
            continue;
        const int end = qMin(last, s.values.size() - 1);
        for (int i = qMax(first, 0); i <= end; ++i) {
            const double v = s.values.at(i);
            if (!qIsFinite(v))
                continue;
            if (!any) {
                lo = hi = v;
                any = true;
            } else {
                lo = qMin(lo, v);
                hi = qMax(hi, v);
            }
        }
    }
    if (!any) {
        lo = 0.0;
        hi = 1.0;
        return;
    }
    if (cvnChartSameValue(lo, hi)) {
        lo -= 1;
        hi += 1;
    }
    const double r = qMax(hi - lo, 1.0);
    if (lo > 0) {
        lo = 0;
        hi += 0.08 * r;
    } else {
        lo -= 0.05 * r;
        hi += 0.08 * r;
    }
}

LineChartFrame CVNQLineChartImpl::frame(const QSize& size) const
{
    LineChartFrame f;
    f.size = size;
    f.plot = plotRect(size);
    f.count = categoryCount();
    visibleRange(f.first, f.last);
    valueRange(f.first, f.last, f.lo, f.hi);
    f.span = cvnChartSameValue(f.lo, f.hi) ? 1.0 : f.hi - f.lo;
    return f;
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
    return lo + (finiteOr(value, lo) - lo) * e;
}

QPointF CVNQLineChartImpl::pointPos(const LineChartFrame& f, int index, double value) const
{
    const double x = f.plot.left() + f.plot.width() * (index - f.first) / qMax(f.last - f.first, 1);
    const double y = f.plot.bottom() - f.plot.height() * (finiteOr(value, f.lo) - f.lo) / f.span;
    return QPointF(x, y);
}

QVector<QPointF> CVNQLineChartImpl::seriesPoints(const LineChartFrame& f, const ChartSeries& s) const
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
        const double value = p >= 1.0 ? finiteOr(v[i], f.lo) : animatedValue(v[i], i, n, f.lo, p);
        *out++ = QPointF(f.plot.left() + xStep * (i - f.first), f.plot.bottom() - yScale * (value - f.lo));
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
    QVector<ChartLegendItem> items;
    if (m_series.isEmpty())
        return items;
    const ChartTheme& theme = m_chart->theme();
    items.reserve(m_series.size());
    for (int i = 0; i < m_series.size(); ++i) {
        const ChartSeries& s = m_series.at(i);
        ChartLegendItem item;
        item.seriesIndex = i;
        item.color = cvnChartColor(theme, s.color, i);
        item.label = s.name.isEmpty() ? QStringLiteral("Series %1").arg(i + 1) : s.name;
        item.visible = s.visible;
        items.append(item);
    }
    QFont font = m_chart->font();
    font.setPixelSize(qMax(theme.labelFontSize, 1));
    const int pos = m_chart->legendPosition();
    return cvnChartFlowLegend(items, cvnChartLegendArea(plot, size, pos), cvnChartLegendVertical(pos), font,
                              qMax(theme.labelFontSize + 7, 18), 38);
}

QRectF CVNQLineChartImpl::sliderTrack(const QRectF& plot)
{
    m_zoom.setCount(categoryCount());
    const int pos = m_chart->legendPosition();
    const bool legendBelow = pos != 0 && pos != 1 && pos != 3;
    return m_zoom.trackRect(plot, legendBelow ? 76 : 40);
}

// --- mouse --------------------------------------------------------------------

bool CVNQLineChartImpl::handlePress(const QPoint& pos)
{
    const QSize size = m_chart->size();
    const QRectF plot = plotRect(size);
    if (m_zoom.press(pos, sliderTrack(plot))) {
        clearHover();
        m_chart->update();
        return true;
    }
    const QVector<ChartLegendItem> items = legendItems(plot, size);
    for (const ChartLegendItem& item : items) {
        if (item.rect.adjusted(-2, -2, 2, 2).contains(QPointF(pos))) {
            ChartSeries& s = m_series[item.seriesIndex];
            s.visible = !s.visible;
            clearHover();
            m_chart->update();
            return true;
        }
    }
    return false;
}

bool CVNQLineChartImpl::handleDrag(const QPoint& pos)
{
    if (!m_zoom.isDragging())
        return false;
    if (!m_zoom.drag(pos, sliderTrack(plotRect(m_chart->size()))))
        return false;
    m_chart->update();
    return true;
}

void CVNQLineChartImpl::handleRelease()
{
    m_zoom.release();
}

void CVNQLineChartImpl::handleLeave()
{
    const bool had = m_hoverActive || m_hoverIndex != -1 || m_hoverSeries != -1;
    clearHover();
    if (had)
        m_chart->update();
}

bool CVNQLineChartImpl::anyVisibleValueAt(int index) const
{
    if (index < 0)
        return false;
    for (const ChartSeries& s : m_series)
        if (s.visible && index < s.values.size())
            return true;
    return false;
}

bool CVNQLineChartImpl::updateHover(const QPoint& pos)
{
    const bool had = m_hoverActive || m_hoverIndex != -1 || m_hoverSeries != -1;
    auto clear = [&] {
        clearHover();
        return had;
    };
    bool anyValue = false;
    for (const ChartSeries& s : m_series)
        anyValue = anyValue || (s.visible && !s.values.isEmpty());
    const LineChartFrame f = frame(m_chart->size());
    if (!m_hoverEnabled || m_tooltipMode == 0 || !anyValue || !f.plot.contains(QPointF(pos)))
        return clear();

    bool changed = false;
    if (m_tooltipMode == 2) {
        int index = f.first;
        if (f.last > f.first)
            index = qBound(f.first,
                           f.first + qRound((f.last - f.first) * (pos.x() - f.plot.left()) / qMax(f.plot.width(), 1.0)),
                           f.last);
        if (!anyVisibleValueAt(index))
            return clear();
        changed = !(m_hoverActive && m_hoverIndex == index && m_hoverMousePos == pos);
        m_hoverActive = true;
        m_hoverIndex = index;
        m_hoverSeries = -1;
        m_hoverMousePos = pos;
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
            return clear();
        changed = !(m_hoverActive && m_hoverIndex == bestIndex && m_hoverSeries == bestSeries
                    && m_hoverMousePos == pos);
        m_hoverActive = true;
        m_hoverIndex = bestIndex;
        m_hoverSeries = bestSeries;
        m_hoverPoint = bestPoint;
        m_hoverMousePos = pos;
    }

    if (!m_tooltipEnabled) {
        m_chart->hideTooltip();
        return changed;
    }
    const QString text = tooltipText();
    if (text.isEmpty())
        m_chart->hideTooltip();
    else
        m_chart->showTooltip(pos, text);
    return changed;
}

QString CVNQLineChartImpl::tooltipText() const
{
    auto nameOf = [](const ChartSeries& s) { return s.name.isEmpty() ? QStringLiteral("Series") : s.name; };
    if (m_tooltipMode == 2) {
        QStringList lines{categoryLabel(m_hoverIndex)};
        for (const ChartSeries& s : m_series)
            if (s.visible && m_hoverIndex >= 0 && m_hoverIndex < s.values.size())
                lines << QStringLiteral("%1: %2").arg(nameOf(s), cvnChartNumber(s.values.at(m_hoverIndex)));
        return lines.join(QLatin1Char('\n'));
    }
    if (m_hoverSeries < 0 || m_hoverSeries >= m_series.size())
        return QString();
    const ChartSeries& s = m_series.at(m_hoverSeries);
    if (m_hoverIndex < 0 || m_hoverIndex >= s.values.size())
        return QString();
    return QStringLiteral("%1\n%2: %3")
        .arg(nameOf(s), categoryLabel(m_hoverIndex), cvnChartNumber(s.values.at(m_hoverIndex)));
}

// --- painting -----------------------------------------------------------------

void CVNQLineChartImpl::paintSeries(QPainter& painter, const LineChartFrame& f)
{
    const ChartTheme& theme = m_chart->theme();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
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

        const double width = qMax(s.lineWidth > 0 ? s.lineWidth : theme.lineWidth, 1.0);
        QColor areaColor;
        if (m_area || s.area) {
            areaColor = s.fillColor.isValid() ? s.fillColor : color;
            areaColor.setAlphaF(qBound(0.0, finiteOr(s.fillOpacity, 0.0), 1.0));
        }
        cvnChartPaintLine(painter, line, QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), areaColor,
                          f.plot.bottom());

        if (m_showSymbols && s.showSymbols) {
            const bool seriesHot = m_hoverActive && (m_tooltipMode == 2 || m_hoverSeries == si);
            // One stamp per series keeps its images (and their textures on
            // the OpenGL surface) from one paint to the next.
            if (m_symbols.size() < m_series.size())
                m_symbols.resize(m_series.size());
            ChartSymbolStamp& stamp = m_symbols[si];
            stamp.setLook(theme.symbolRadius, color, 1.8, theme.plotBackgroundColor, dpr);
            for (int k = 0; k < points.size(); ++k) {
                if (seriesHot && f.first + k == m_hoverIndex)
                    continue;
                stamp.stamp(painter, points.at(k));
            }
            if (seriesHot && m_hoverIndex >= f.first && m_hoverIndex - f.first < points.size()) {
                painter.setPen(QPen(color, 2.4));
                painter.setBrush(color);
                painter.drawEllipse(points.at(m_hoverIndex - f.first), theme.hoverSymbolRadius,
                                    theme.hoverSymbolRadius);
            }
        }
    }
}

void CVNQLineChartImpl::paintLegend(QPainter& painter, const QVector<ChartLegendItem>& items, const QRect& clip)
{
    const ChartTheme& theme = m_chart->theme();
    cvnChartSetFont(painter, theme.labelFontSize, false);
    for (const ChartLegendItem& item : items) {
        if (!item.rect.intersects(clip))
            continue;
        const QColor text = item.visible ? theme.secondaryTextColor : theme.secondaryTextColor.lighter(145);
        const QColor marker = item.visible ? item.color : item.color.lighter(160);
        const double cy = item.rect.center().y();
        painter.setPen(QPen(marker, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(item.rect.left(), cy), QPointF(item.rect.left() + 12, cy));
        painter.setBrush(item.visible ? marker : theme.plotBackgroundColor);
        painter.drawEllipse(QPointF(item.rect.left() + 6, cy), 3.5, 3.5);
        painter.setPen(text);
        painter.drawText(QRectF(item.rect.left() + 18, item.rect.top(), item.rect.width() - 18, item.rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, item.label);
    }
}

void CVNQLineChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const ChartTheme& theme = m_chart->theme();
    const LineChartFrame f = frame(rect.size());

    cvnChartDrawPlot(p, theme, f.plot, f.plot.bottom());

    if (m_hoverEnabled && m_hoverActive && m_hoverIndex >= 0 && anyVisibleValueAt(m_hoverIndex)) {
        const double x = pointPos(f, m_hoverIndex, f.lo).x();
        p.setPen(QPen(theme.crosshairColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
        const double progress = m_chart->animationProgress();
        for (int si = 0; si < m_series.size(); ++si) {
            const ChartSeries& s = m_series.at(si);
            if (!s.visible || m_hoverIndex >= s.values.size())
                continue;
            if (m_tooltipMode == 1 && si != m_hoverSeries)
                continue;
            const QColor color = cvnChartColor(theme, s.color, si);
            p.setPen(QPen(color, 2.4));
            p.setBrush(color);
            const double v = animatedValue(s.values.at(m_hoverIndex), m_hoverIndex, s.values.size(), f.lo, progress);
            p.drawEllipse(pointPos(f, m_hoverIndex, v), theme.hoverSymbolRadius, theme.hoverSymbolRadius);
        }
    }

    paintSeries(p, f);

    cvnChartDrawTitle(p, theme, rect.width(), m_title, theme.titleFontSize);
    cvnChartDrawValueLabels(p, theme, f.plot, f.lo, f.hi, m_marginLeft - 10, theme.labelFontSize);

    // x labels (the value-label font is still set)
    const int labelCount = f.last - f.first + 1;
    const int step = labelStep(labelCount, f.plot.width());
    int lastDrawn = -1;
    auto xLabel = [&](int i) {
        const double x = pointPos(f, i, f.lo).x();
        p.drawText(QRectF(x - 34, f.plot.bottom() + 8, 68, 18), Qt::AlignCenter, categoryLabel(i));
        lastDrawn = i;
    };
    for (int i = f.first; i <= f.last; i += step)
        xLabel(i);
    if (f.last > f.first && lastDrawn != f.last)
        xLabel(f.last);

    paintLegend(p, legendItems(f.plot, rect.size()), rect);

    m_zoom.setCount(f.count);
    m_zoom.setLabelProvider([this](int i) { return categoryLabel(i); });
    m_zoom.setLabelColor(theme.secondaryTextColor);
    const QRectF track = sliderTrack(f.plot);
    if (!track.isEmpty())
        m_zoom.paint(p, track, true);

    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

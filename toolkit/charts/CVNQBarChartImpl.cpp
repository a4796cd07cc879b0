#include "CVNQBarChartImpl.h"

#include "CVNQChartCoords.h"
#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <cmath>
#include <limits>

namespace CVNQtLib {

// Tooltip mode 0 tracks nothing, 2 whole categories, anything else one bar.
CVNQBarChartImpl::CVNQBarChartImpl(CVNQBarChart* owner)
    : CVNQChartImpl(owner, CVNQBarChart::typeName())
{
    m_title = QStringLiteral("Basic Bar Chart");
}

// --- data -------------------------------------------------------------------

void CVNQBarChartImpl::setCategories(const QStringList& categories)
{
    m_categories = categories;
    m_chart->update();
}

void CVNQBarChartImpl::setSeries(const QVector<BarSeries>& series)
{
    replaceData(m_series, series);
}

void CVNQBarChartImpl::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    replaceData(m_series, {cvnChartSeries<BarSeries>(name, values, color)});
}

// --- geometry ---------------------------------------------------------------

int CVNQBarChartImpl::categoryCount() const
{
    return cvnChartCategoryCount(m_categories, m_series);
}

QString CVNQBarChartImpl::categoryLabel(int index) const
{
    return cvnChartCategoryLabel(m_categories, index);
}

void CVNQBarChartImpl::valueRange(double& lo, double& hi) const
{
    ChartValueRange range;
    for (const BarSeries& s : m_series)
        for (int i = 0; s.visible && i < s.values.size(); ++i)
            range.add(s.values.at(i));
    lo = range.lo;
    hi = range.hi;
    if (!range.any)
        return;
    // The floor reaches down to zero; the top is not raised to it.
    lo = qMin(lo, 0.0);
    if (cvnChartSameValue(lo, hi))
        hi += 1;
    cvnChartPadRange(lo, hi, lo < 0 ? 0.05 : 0.0, 0.08, 1.0);
}

QRectF CVNQBarChartImpl::plotRect(const QSize& size) const
{
    return cvnChartPlotRect(size, m_insets, m_chart->legendPosition(), !m_series.isEmpty());
}

BarChartFrame CVNQBarChartImpl::frame(const QSize& size) const
{
    BarChartFrame f;
    f.plot = plotRect(size);
    f.count = categoryCount();
    valueRange(f.lo, f.hi);
    f.span = cvnChartSameValue(f.lo, f.hi) ? 1.0 : f.hi - f.lo;
    f.zeroY = valueY(f, 0.0);
    return f;
}

double CVNQBarChartImpl::valueY(const BarChartFrame& f, double value)
{
    return cvnChartCoord(f.plot.bottom() - f.plot.height() * (value - f.lo) / f.span, f.plot.bottom());
}

QVector<BarItem> CVNQBarChartImpl::bars(const BarChartFrame& f) const
{
    QVector<BarItem> items;
    const ChartTheme& theme = m_chart->theme();
    const int n = f.count;
    const double step = f.plot.width() / n;
    const double groupPad = qMin(0.16 * step, 18.0);
    const double gap = qMin(0.08 * step, 12.0);
    const double inner = qMax(step - 2 * groupPad, 12.0);
    int visible = 0;
    for (const BarSeries& s : m_series)
        visible += s.visible ? 1 : 0;
    const int k = qMax(visible, 1);
    const double barWidth = qMax((inner - (k - 1) * gap) / k, 8.0);
    const double progress = m_chart->animationProgress();

    QVector<QColor> colors;
    for (int s = 0; s < m_series.size(); ++s)
        colors.append(cvnChartColor(theme, m_series.at(s).color, s));

    for (int c = 0; c < n; ++c) {
        const double x0 = f.plot.left() + c * step + groupPad;
        int slot = 0;
        for (int s = 0; s < m_series.size(); ++s) {
            const BarSeries& series = m_series.at(s);
            if (!series.visible || c >= series.values.size())
                continue;
            const double yv = valueY(f, progress * cvnChartFinite(series.values.at(c), 0.0));
            const double top = qMin(f.zeroY, yv);
            BarItem item;
            item.seriesIndex = s;
            item.categoryIndex = c;
            item.rect = QRectF(x0 + slot * (barWidth + gap), top, barWidth, qMax(qMax(f.zeroY, yv) - top, 1.0));
            item.color = colors.at(s);
            items.append(item);
            ++slot;
        }
    }
    return step < 1.0 ? thinnedBars(items, f.zeroY) : items;
}

// One label per category while they fit side by side. Where categories are
// narrower than their texts, a label that would cover the one before it is
// left out; and no more categories are looked at than the plot has room for
// labels of a few pixels, however many there are.
QVector<ChartAxisLabel> CVNQBarChartImpl::axisLabels(const BarChartFrame& f, const QFontMetricsF& metrics) const
{
    const double kPitch = 4.0; // no readable label is narrower
    const double step = f.plot.width() / f.count;
    const int stride = step > 0 ? int(qBound(1.0, std::ceil(kPitch / step), double(f.count))) : f.count;
    QVector<ChartAxisLabel> labels;
    double covered = -std::numeric_limits<double>::infinity();
    for (int c = 0; c < f.count; c += stride) {
        const double x = f.plot.left() + c * step + step / 2;
        const QString text = categoryLabel(c);
        const double reach = cvnChartAxisLabelReach(metrics, text, kAxisLabelWidth);
        if (x - reach < covered)
            continue;
        labels.append({x, text});
        covered = x + reach;
    }
    return labels;
}

// With more categories than the plot has pixel columns, the bars of a series
// that start in one pixel column lie almost wholly over each other: what
// shows of them is the one reaching farthest above zero and the one reaching
// farthest below. Only those (and the hovered category's) are painted and hit,
// so a chart costs what its plot holds, whatever the number of categories.
QVector<BarItem> CVNQBarChartImpl::thinnedBars(const QVector<BarItem>& items, double zeroY) const
{
    struct Kept
    {
        qint64 column = std::numeric_limits<qint64>::min();
        int at = -1; // in thinned
    };
    QVector<Kept> kept(2 * m_series.size()); // per series: above and below zero
    QVector<BarItem> thinned;
    for (const BarItem& bar : items) {
        if (m_hoverActive && bar.categoryIndex == m_hoverIndex) {
            thinned.append(bar);
            continue;
        }
        Kept& k = kept[2 * bar.seriesIndex + (bar.rect.bottom() > zeroY + 0.5 ? 1 : 0)];
        const qint64 column = qint64(std::floor(bar.rect.left()));
        if (column != k.column || k.at < 0) {
            k.column = column;
            k.at = thinned.size();
            thinned.append(bar);
        } else if (bar.rect.height() > thinned.at(k.at).rect.height()) {
            thinned[k.at] = bar;
        }
    }
    return thinned;
}

QVector<ChartLegendItem> CVNQBarChartImpl::legendItems(const QRectF& plot, const QSize& size) const
{
    const ChartTheme& theme = m_chart->theme();
    const QVector<ChartLegendItem> items = cvnChartLegendEntries(m_series, theme, "Series %1");
    if (items.isEmpty())
        return items;
    return cvnChartLegendLayout(items, plot, size, m_chart->legendPosition(), m_chart->font(), theme.labelFontSize, 38);
}

// --- mouse --------------------------------------------------------------------

bool CVNQBarChartImpl::handlePress(const QPoint& pos)
{
    const QSize size = m_chart->size();
    return toggleByLegend(legendItems(plotRect(size), size), pos, m_series);
}

bool CVNQBarChartImpl::updateHover(const QPoint& pos)
{
    if (!m_hoverEnabled || m_tooltipMode == ChartTooltipNone || !cvnChartHasValueAt(m_series, 0))
        return dropHover();
    const BarChartFrame f = frame(m_chart->size());
    if (!f.plot.contains(QPointF(pos)))
        return dropHover();

    int index = -1;
    int series = -1;
    if (m_tooltipMode == ChartTooltipCategory) {
        const int n = f.count;
        if (n > 1)
            index = qBound(0, int(qFloor(n * (pos.x() - f.plot.left()) / qMax(f.plot.width(), 1.0))), n - 1);
        else
            index = 0;
        if (!cvnChartHasValueAt(m_series, index))
            return dropHover();
    } else {
        for (const BarItem& bar : bars(f)) {
            if (bar.rect.adjusted(-2, -2, 2, 2).contains(QPointF(pos))) {
                index = bar.categoryIndex;
                series = bar.seriesIndex;
                break;
            }
        }
        if (series < 0)
            return dropHover();
    }
    const bool changed = setHover(index, series, pos);
    showHoverTooltip(m_tooltipEnabled ? tooltipText() : QString());
    return changed;
}

QString CVNQBarChartImpl::tooltipText() const
{
    if (!m_hoverActive || m_hoverIndex < 0)
        return QString();
    if (m_tooltipMode == ChartTooltipCategory)
        return cvnChartCategoryTooltip(categoryLabel(m_hoverIndex), m_series, m_hoverIndex);
    if (m_hoverSeries < 0 || m_hoverSeries >= m_series.size())
        return QString();
    const BarSeries& series = m_series.at(m_hoverSeries);
    if (m_hoverIndex >= series.values.size())
        return QString();
    return cvnChartItemTooltip(series.name, categoryLabel(m_hoverIndex), series.values.at(m_hoverIndex));
}

// --- painting -----------------------------------------------------------------

void CVNQBarChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const ChartTheme& theme = m_chart->theme();
    const BarChartFrame f = frame(rect.size());

    cvnChartDrawPlot(p, theme, f.plot, f.zeroY, false, clearedWith());

    if (m_hoverEnabled && m_hoverActive && cvnChartHasValueAt(m_series, m_hoverIndex)) {
        const double x = f.plot.left() + (m_hoverIndex + 0.5) * f.plot.width() / f.count;
        p.setPen(QPen(theme.crosshairColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
    }

    const bool categoryMode = m_tooltipMode == ChartTooltipCategory;
    m_barPainter.begin(p);
    for (const BarItem& bar : bars(f)) {
        const bool single =
            m_hoverActive && !categoryMode && bar.seriesIndex == m_hoverSeries && bar.categoryIndex == m_hoverIndex;
        const bool hot = single || (m_hoverActive && categoryMode && bar.categoryIndex == m_hoverIndex);
        const QColor& border = m_series.at(bar.seriesIndex).borderColor;
        m_barPainter.paint(p, bar.rect, theme.barCornerRadius, hot ? bar.color.lighter(115) : bar.color,
                           QPen(border.isValid() ? border : bar.color.darker(120), single ? 2.0 : 1.0));
    }
    m_barPainter.end(p);

    cvnChartDrawTitle(p, theme, rect.width(), m_title, theme.titleFontSize);
    cvnChartDrawValueLabels(p, theme, f.plot, f.lo, f.hi, m_insets.left, theme.labelFontSize);
    cvnChartDrawAxisLabels(p, axisLabels(f, QFontMetricsF(p.font())), f.plot.bottom() + 8, kAxisLabelWidth);

    cvnChartPaintLegend(p, theme, m_chart->backgroundColor(), legendItems(f.plot, rect.size()),
                        ChartLegendMarker::Square, theme.labelFontSize, rect);
    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

#include "moc_CVNQBarChartImpl.cpp"

#include "CVNQBarChartImpl.h"

#include "CVNQChartCoords.h"
#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"

#include <QPainter>
#include <QtMath>

namespace CVNQtLib {

CVNQBarChartImpl::CVNQBarChartImpl(CVNQBarChart* owner)
    : CVNQWidgetBaseImpl(owner, QString::fromLatin1(CVNQBarChart::typeName()))
    , m_chart(owner)
{
}

void CVNQBarChartImpl::initGL()
{
    initializeOpenGLFunctions();
}

void CVNQBarChartImpl::paintGL()
{
    m_chart->beginGLFrame(*this);
    QPainter painter(m_chart);
    draw(&painter, m_chart->rect());
}

// --- data -------------------------------------------------------------------

void CVNQBarChartImpl::setTitle(const QString& title)
{
    m_title = title;
    m_chart->update();
}

void CVNQBarChartImpl::setCategories(const QStringList& categories)
{
    m_categories = categories;
    m_chart->update();
}

void CVNQBarChartImpl::setSeries(const QVector<BarSeries>& series)
{
    if (!series.isSharedWith(m_series))
        m_series = series;
    m_chart->replayAnimation();
}

void CVNQBarChartImpl::setData(const QString& name, const QVector<double>& values, const QColor& color)
{
    BarSeries s;
    s.name = name;
    s.values = values;
    s.color = color;
    m_series = {s};
    m_chart->replayAnimation();
}

void CVNQBarChartImpl::setHoverEnabled(bool enabled)
{
    m_hoverEnabled = enabled;
    if (!enabled)
        clearHover();
    m_chart->update();
}

void CVNQBarChartImpl::setTooltipEnabled(bool enabled)
{
    m_tooltipEnabled = enabled;
    if (!enabled)
        m_chart->hideTooltip();
    m_chart->update();
}

void CVNQBarChartImpl::setTooltipMode(int mode)
{
    m_tooltipMode = mode;
    if (mode == 0)
        clearHover();
    m_chart->update();
}

void CVNQBarChartImpl::clearHover()
{
    m_hoverActive = false;
    m_hoverIndex = -1;
    m_hoverSeries = -1;
    m_chart->hideTooltip();
}

// --- geometry ---------------------------------------------------------------

int CVNQBarChartImpl::categoryCount() const
{
    int n = qMax(m_categories.size(), 1);
    for (const BarSeries& s : m_series)
        if (s.visible)
            n = qMax(n, s.values.size());
    return n;
}

QString CVNQBarChartImpl::categoryLabel(int index) const
{
    if (index >= 0 && index < m_categories.size())
        return m_categories.at(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

QString CVNQBarChartImpl::seriesName(int index) const
{
    const QString& name = m_series.at(index).name;
    return name.isEmpty() ? QStringLiteral("Series") : name;
}

void CVNQBarChartImpl::valueRange(double& lo, double& hi) const
{
    bool any = false;
    for (const BarSeries& s : m_series) {
        if (!s.visible)
            continue;
        for (double value : s.values) {
            if (!qIsFinite(value))
                continue;
            const double v = cvnChartRangeValue(value);
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
    // Bars grow from the zero line, so the range holds zero at both ends:
    // all-negative bars would otherwise hang from a line above the plot.
    lo = qMin(lo, 0.0);
    hi = qMax(hi, 0.0);
    if (cvnChartSameValue(lo, hi))
        hi += 1;
    const double span = qMax(hi - lo, 1.0);
    hi += 0.08 * span;
    if (lo < 0)
        lo -= 0.05 * span;
}

QRectF CVNQBarChartImpl::plotRect(const QSize& size) const
{
    ChartInsets insets;
    insets.left = m_marginLeft;
    insets.top = m_marginTop;
    insets.right = m_marginRight;
    insets.bottom = 42;
    insets.legendBottom = m_marginBottom;
    return cvnChartPlotRect(size, insets, m_chart->legendPosition(), !m_series.isEmpty());
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
    return items;
}

QVector<ChartLegendItem> CVNQBarChartImpl::legendItems(const QRectF& plot, const QSize& size) const
{
    QVector<ChartLegendItem> items;
    if (m_series.isEmpty())
        return items;
    const ChartTheme& theme = m_chart->theme();
    for (int i = 0; i < m_series.size(); ++i) {
        const BarSeries& s = m_series.at(i);
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

// --- mouse --------------------------------------------------------------------

bool CVNQBarChartImpl::handlePress(const QPoint& pos)
{
    const QSize size = m_chart->size();
    for (const ChartLegendItem& item : legendItems(plotRect(size), size)) {
        if (item.rect.adjusted(-2, -2, 2, 2).contains(QPointF(pos))) {
            BarSeries& s = m_series[item.seriesIndex];
            s.visible = !s.visible;
            clearHover();
            m_chart->update();
            return true;
        }
    }
    return false;
}

void CVNQBarChartImpl::handleLeave()
{
    const bool had = m_hoverActive || m_hoverIndex != -1 || m_hoverSeries != -1;
    clearHover();
    if (had)
        m_chart->update();
}

bool CVNQBarChartImpl::anyVisibleValueAt(int index) const
{
    if (index < 0)
        return false;
    for (const BarSeries& s : m_series)
        if (s.visible && index < s.values.size())
            return true;
    return false;
}

bool CVNQBarChartImpl::anyVisibleValue() const
{
    for (const BarSeries& s : m_series)
        if (s.visible && !s.values.isEmpty())
            return true;
    return false;
}

bool CVNQBarChartImpl::updateHover(const QPoint& pos)
{
    const bool had = m_hoverActive || m_hoverIndex != -1 || m_hoverSeries != -1;
    auto clear = [&] {
        clearHover();
        return had;
    };
    if (!m_hoverEnabled || m_tooltipMode == 0 || !anyVisibleValue())
        return clear();
    const BarChartFrame f = frame(m_chart->size());
    if (!f.plot.contains(QPointF(pos)))
        return clear();

    int index = -1;
    int series = -1;
    if (m_tooltipMode == 2) {
        const int n = f.count;
        if (n > 1)
            index = qBound(0, int(qFloor(n * (pos.x() - f.plot.left()) / qMax(f.plot.width(), 1.0))), n - 1);
        else
            index = 0;
        if (!anyVisibleValueAt(index))
            return clear();
    } else {
        for (const BarItem& bar : bars(f)) {
            if (bar.rect.adjusted(-2, -2, 2, 2).contains(QPointF(pos))) {
                index = bar.categoryIndex;
                series = bar.seriesIndex;
                break;
            }
        }
        if (series < 0)
            return clear();
    }

    const bool changed = !(m_hoverActive && m_hoverIndex == index && m_hoverSeries == series
                           && m_hoverMousePos == pos);
    m_hoverActive = true;
    m_hoverIndex = index;
    m_hoverSeries = series;
    m_hoverMousePos = pos;

    const QString text = m_tooltipEnabled ? tooltipText() : QString();
    if (text.isEmpty())
        m_chart->hideTooltip();
    else
        m_chart->showTooltip(pos, text);
    return changed;
}

QString CVNQBarChartImpl::tooltipText() const
{
    if (!m_hoverActive || m_hoverIndex < 0)
        return QString();
    if (m_tooltipMode == 2) {
        QStringList lines{categoryLabel(m_hoverIndex)};
        for (int s = 0; s < m_series.size(); ++s) {
            const BarSeries& series = m_series.at(s);
            if (series.visible && m_hoverIndex < series.values.size())
                lines << QStringLiteral("%1: %2").arg(seriesName(s), cvnChartNumber(series.values.at(m_hoverIndex)));
        }
        return lines.join(QLatin1Char('\n'));
    }
    if (m_hoverSeries < 0 || m_hoverSeries >= m_series.size())
        return QString();
    const BarSeries& series = m_series.at(m_hoverSeries);
    if (m_hoverIndex >= series.values.size())
        return QString();
    return QStringLiteral("%1\n%2: %3")
        .arg(seriesName(m_hoverSeries), categoryLabel(m_hoverIndex), cvnChartNumber(series.values.at(m_hoverIndex)));
}

// --- painting -----------------------------------------------------------------

void CVNQBarChartImpl::paintLegend(QPainter& painter, const QVector<ChartLegendItem>& items)
{
    const ChartTheme& theme = m_chart->theme();
    cvnChartSetFont(painter, theme.labelFontSize, false);
    for (const ChartLegendItem& item : items) {
        const QColor marker = item.visible ? item.color : item.color.lighter(160);
        const QColor text = item.visible ? theme.secondaryTextColor : theme.secondaryTextColor.lighter(145);
        painter.setPen(Qt::NoPen);
        painter.setBrush(marker);
        painter.drawRoundedRect(QRectF(item.rect.left(), item.rect.top() + 3, 12, 12), 3, 3);
        painter.setPen(text);
        painter.drawText(QRectF(item.rect.left() + 18, item.rect.top(), item.rect.width() - 18, item.rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, item.label);
    }
}

void CVNQBarChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const ChartTheme& theme = m_chart->theme();
    const BarChartFrame f = frame(rect.size());

    cvnChartDrawPlot(p, theme, f.plot, f.zeroY);

    if (m_hoverEnabled && m_hoverActive && anyVisibleValueAt(m_hoverIndex)) {
        const double x = f.plot.left() + (m_hoverIndex + 0.5) * f.plot.width() / f.count;
        p.setPen(QPen(theme.crosshairColor, 1.0, Qt::DashLine));
        p.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
    }

    const bool categoryMode = m_tooltipMode == 2;
    for (const BarItem& bar : bars(f)) {
        const bool single = m_hoverActive && !categoryMode && bar.seriesIndex == m_hoverSeries
            && bar.categoryIndex == m_hoverIndex;
        const bool hot = single || (m_hoverActive && categoryMode && bar.categoryIndex == m_hoverIndex);
        const QColor& border = m_series.at(bar.seriesIndex).borderColor;
        p.setPen(QPen(border.isValid() ? border : bar.color.darker(120), single ? 2.0 : 1.0));
        p.setBrush(hot ? bar.color.lighter(115) : bar.color);
        p.drawRoundedRect(bar.rect, theme.barCornerRadius, theme.barCornerRadius, Qt::AbsoluteSize);
    }

    cvnChartDrawTitle(p, theme, rect.width(), m_title, theme.titleFontSize);
    cvnChartDrawValueLabels(p, theme, f.plot, f.lo, f.hi, m_marginLeft - 10, theme.labelFontSize);
    const double step = f.plot.width() / f.count;
    for (int c = 0; c < f.count; ++c) {
        const double xc = f.plot.left() + c * step + step / 2;
        p.drawText(QRectF(xc - 34, f.plot.bottom() + 8, 68, 18), Qt::AlignCenter, categoryLabel(c));
    }

    paintLegend(p, legendItems(f.plot, rect.size()));
    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

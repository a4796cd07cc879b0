#include "CVNQOpenGLPieChartImpl.h"

#include "CVNQChartLayout.h"
#include "CVNQChartPainting.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQChartText.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace CVNQtLib {

namespace {

// Negative, NaN and infinite values take no angle.
inline double sliceAmount(const PieSlice& s)
{
    return (qIsFinite(s.value) && s.value > 0) ? s.value : 0.0;
}

inline double normaliseAngle(double a)
{
    a = std::fmod(a, 360.0);
    return a < 0 ? a + 360.0 : a;
}

inline double percentOf(double value, double total)
{
    return total > 0 ? value / total * 100 : 0.0;
}

} // namespace

CVNQOpenGLPieChartImpl::CVNQOpenGLPieChartImpl(CVNQOpenGLPieChart* owner)
    : CVNQChartImpl(owner, CVNQOpenGLPieChart::typeName())
{
    m_title = QStringLiteral("Basic Pie Chart");
    m_tooltipEnabled = true;
}

void CVNQOpenGLPieChartImpl::setSlices(const QVector<PieSlice>& slices)
{
    replaceData(m_slices, slices);
}

void CVNQOpenGLPieChartImpl::setInnerRadiusRatio(double ratio)
{
    m_innerRadiusRatio = qIsFinite(ratio) ? qBound(0.0, ratio, 0.8) : 0.0;
    m_chart->update();
}

void CVNQOpenGLPieChartImpl::setLabelsVisible(bool visible)
{
    m_labelsVisible = visible;
    m_chart->update();
}

double CVNQOpenGLPieChartImpl::total() const
{
    double sum = 0.0;
    for (const PieSlice& s : m_slices)
        if (s.visible)
            sum += sliceAmount(s);
    return sum;
}

QVector<PieSliceGeometry> CVNQOpenGLPieChartImpl::geometry() const
{
    QVector<PieSliceGeometry> records;
    const double sum = total();
    if (!(sum > 0) || !qIsFinite(sum))
        return records;
    const double p = m_chart->animationProgress();
    const ChartTheme& theme = m_chart->theme();
    double angle = 0.0;
    for (int i = 0; i < m_slices.size(); ++i) {
        const PieSlice& s = m_slices.at(i);
        const double v = sliceAmount(s);
        if (!s.visible || v <= 0)
            continue;
        PieSliceGeometry g;
        g.index = i;
        g.value = s.value;
        g.startAngle = angle;
        g.sweep = v / sum * 360 * p;
        g.midAngle = g.startAngle + g.sweep / 2;
        g.color = cvnChartColor(theme, s.color, i);
        records.append(g);
        angle += v / sum * 360;
    }
    return records;
}

QRectF CVNQOpenGLPieChartImpl::pieRect(const QSize& size) const
{
    const int W = size.width();
    const int H = size.height();
    int side = 0;
    double x = 0;
    double y = 68;
    switch (m_chart->legendPosition()) {
    case 0:
        side = qMin(420, qMin(H - 170, W - 96));
        x = (W - qMax(side, 0)) / 2.0;
        y = 132;
        break;
    case 1:
        side = qMin(420, qMin(H - 92 - 24, W - 236 - 48));
        x = qMax(W - 236 - 48 - qMax(side, 0), 0) / 2.0 + 24;
        break;
    case 3: {
        const int L = qMin(W / 3, 220) + 40;
        side = qMin(420, qMin(H - 92 - 24, W - L - 28));
        x = qMax(W - L - qMax(side, 0) - 28, 0) / 2.0 + L;
        break;
    }
    default:
        side = qMin(420, qMin(H - 188, W - 96));
        x = (W - qMax(side, 0)) / 2.0;
        break;
    }
    // A widget too small for any pie gets an empty square, not a negative one.
    side = qMax(side, 0);
    return QRectF(x, y, side, side);
}

QRectF CVNQOpenGLPieChartImpl::legendArea(const QRectF& pie, const QSize& size) const
{
    if (m_slices.isEmpty())
        return QRectF();
    const int W = size.width();
    const int H = size.height();
    switch (m_chart->legendPosition()) {
    case 0: return QRectF(48, 48, W - 96, 62);
    case 1: return QRectF(pie.right() + 20, 72, W - pie.right() - 36, H - 120);
    case 3: return QRectF(24, 72, qMin(W / 3, 220), H - 120);
    default: return QRectF(48, pie.bottom() + 24, W - 96, 88);
    }
}

QVector<ChartLegendItem> CVNQOpenGLPieChartImpl::legendItems(const QRectF& area) const
{
    QVector<ChartLegendItem> items;
    if (area.isEmpty())
        return items;
    const ChartTheme& theme = m_chart->theme();
    QFont font = m_chart->font();
    font.setPixelSize(11);
    const QFontMetrics fm(font);
    const int pos = m_chart->legendPosition();
    const bool vertical = pos == 1 || pos == 3;
    const int left = qRound(area.left());
    const int right = qRound(area.right());
    int x = left;
    int y = qRound(area.top());
    items.reserve(m_slices.size());
    // Entries that start lower than a press on the widget's last row reaches
    // (a hit takes 2 px around an entry) can be neither seen nor clicked; a
    // chart with thousands of slices stops measuring there.
    const int lastReachableTop = m_chart->height() + 1;
    for (ChartLegendItem item : cvnChartLegendEntries(m_slices, theme, "Slice %1")) {
        if (y > lastReachableTop)
            break;
        if (vertical) {
            item.rect = QRectF(x, y, qRound(area.width()) - 6, 18);
            y += 24;
        } else {
            const int w = qMin(fm.horizontalAdvance(item.label) + 84, 200);
            item.rect = QRectF(x, y, w, 18);
            x += w + 10;
            if (x + 140 > right) {
                x = left;
                y += 22;
            }
        }
        items.append(item);
    }
    return items;
}

int CVNQOpenGLPieChartImpl::hitTest(const QPointF& pos, const QRectF& pie) const
{
    const double r = pie.width() / 2;
    if (!(r > 0))
        return -1;
    const double dx = pos.x() - pie.center().x();
    const double dy = pos.y() - pie.center().y();
    const double d = qSqrt(dx * dx + dy * dy);
    if (d > r || d < r * m_innerRadiusRatio)
        return -1;
    const double a = normaliseAngle(qRadiansToDegrees(std::atan2(dx, -dy)));
    for (const PieSliceGeometry& g : geometry())
        if (sliceContainsAngle(a, g.startAngle, g.sweep))
            return g.index;
    return -1;
}

bool CVNQOpenGLPieChartImpl::sliceContainsAngle(double angle, double start, double sweep)
{
    if (!(sweep > 0))
        return false;
    // A slice that fills the whole circle owns every angle; its start and
    // end would otherwise normalise to the same angle.
    if (sweep >= 360.0)
        return true;
    const double a = normaliseAngle(angle);
    const double s = normaliseAngle(start);
    const double e = normaliseAngle(start + sweep);
    return e >= s ? (a >= s && a <= e) : (a >= s || a <= e);
}

bool CVNQOpenGLPieChartImpl::handlePress(const QPoint& pos)
{
    const QSize size = m_chart->size();
    return toggleByLegend(legendItems(legendArea(pieRect(size), size)), pos, m_slices);
}

bool CVNQOpenGLPieChartImpl::updateHover(const QPoint& pos)
{
    const int hit = m_hoverEnabled ? hitTest(QPointF(pos), pieRect(m_chart->size())) : -1;
    if (hit < 0)
        return dropHover();
    const bool changed = setHover(hit, -1, pos);
    const PieSlice& s = m_slices.at(hit);
    showHoverTooltip(QStringLiteral("%1\n%2 (%3%)")
                         .arg(s.name.isEmpty() ? QStringLiteral("Slice") : s.name, cvnChartNumber(s.value),
                              cvnChartNumber(percentOf(s.value, total()))));
    return changed;
}

void CVNQOpenGLPieChartImpl::paintLabels(QPainter& p, const QRectF& pie, const QVector<PieSliceGeometry>& records,
                                         double sum) const
{
    const ChartTheme& theme = m_chart->theme();
    const double r = pie.width() / 2;
    const QPointF c = pie.center();
    // Labels run down the right side and up the left one: a label closer to
    // the last one drawn on its side than a line of text would cover it, and
    // goes with its leader line. Thin slices then cost no more than the
    // labels the pie has room for.
    const double line = QFontMetricsF(p.font()).height();
    double lastY[2] = {qInf(), qInf()};
    for (const PieSliceGeometry& g : records) {
        const double m = qDegreesToRadians(g.midAngle);
        const QPointF inner(c.x() + std::sin(m) * r * 0.88, c.y() - std::cos(m) * r * 0.88);
        const QPointF elbow(c.x() + std::sin(m) * (r + 16), c.y() - std::cos(m) * (r + 16));
        const bool rightSide = elbow.x() >= c.x();
        if (std::abs(elbow.y() - lastY[rightSide]) < line)
            continue;
        lastY[rightSide] = elbow.y();
        const QRectF box = rightSide ? QRectF(elbow.x() + 18, elbow.y() - 14, 120, 28)
                                     : QRectF(elbow.x() - 18 - 120, elbow.y() - 14, 120, 28);
        p.setPen(QPen(g.color.darker(110), 1.2));
        p.drawLine(inner, elbow);
        p.drawLine(elbow, QPointF(rightSide ? box.left() : box.right(), elbow.y()));
        p.setPen(theme.secondaryTextColor);
        cvnChartDrawText(
            p, box, (rightSide ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
            QStringLiteral("%1  %2%").arg(m_slices.at(g.index).name, cvnChartNumber(percentOf(g.value, sum))));
    }
}

void CVNQOpenGLPieChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const ChartTheme& theme = m_chart->theme();
    const QSize size = rect.size();

    cvnChartFillBackground(p, rect, m_chart->backgroundColor(), clearedWith());
    cvnChartDrawTitle(p, theme, size.width(), m_title, 16);

    const QRectF pie = pieRect(size);
    const QVector<PieSliceGeometry> records = geometry();
    const double sum = total();
    const bool labels = m_labelsVisible && !records.isEmpty();
    const double hole = m_innerRadiusRatio > 0 ? pie.width() * m_innerRadiusRatio : 0.0;
    p.setPen(Qt::NoPen);
    if (labels)
        cvnChartSetFont(p, 11, false);

    if (!pie.isEmpty()) {
        for (const PieSliceGeometry& g : records) {
            const bool hot = m_hoverActive && m_hoverIndex == g.index;
            p.setBrush(hot ? g.color.lighter(115) : g.color);
            p.drawPie(pie, qRound((90 - g.startAngle) * 16), qRound(-g.sweep * 16));
        }
        if (hole > 0) {
            p.setBrush(theme.plotBackgroundColor);
            p.drawEllipse(QRectF(pie.center().x() - hole / 2, pie.center().y() - hole / 2, hole, hole));
        }
    }
    if (labels)
        paintLabels(p, pie, records, sum);

    const QVector<ChartLegendItem> legend = legendItems(legendArea(pie, size));
    auto legendText = [this](const ChartLegendItem& item) {
        return QStringLiteral("%1  %2").arg(item.label, cvnChartNumber(m_slices.at(item.seriesIndex).value));
    };

    cvnChartPaintLegend(p, theme, m_chart->backgroundColor(), legend, ChartLegendMarker::Disc, 11, rect, legendText);

    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

#include "moc_CVNQOpenGLPieChartImpl.cpp"

#include "CVNQFinancialChartImpl.h"

#include "CVNQChartCoords.h"
#include "CVNQChartPainting.h"
#include "CVNQChartText.h"
#include "CVNQChartPlotPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace CVNQtLib {

namespace {

// The lines of a price table, each trimmed and split at ',' (empty fields kept).
QVector<QStringList> tableRows(const QByteArray& text)
{
    QVector<QStringList> rows;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines)
        rows.append(line.trimmed().split(QLatin1Char(',')));
    return rows;
}

// Text that is not a number reads 0, and so do "inf" and "nan", which
// Qt's conversion accepts but no price scale can place.
double tableNumber(const QString& field)
{
    return cvnChartFinite(field.toDouble(), 0.0);
}

} // namespace

CVNQFinancialChartImpl::CVNQFinancialChartImpl(CVNQFinancialChart* owner)
    : CVNQZoomChartImpl(owner, CVNQFinancialChart::typeName())
{
    m_title = QStringLiteral("Financial Chart");
    m_tooltipMode = ChartTooltipItem;
}

QVector<Candle> CVNQFinancialChartImpl::parseDailyText(const QByteArray& text)
{
    QVector<Candle> candles;
    for (const QStringList& f : tableRows(text)) {
        if (f.size() < 6)
            continue;
        Candle c;
        c.label = f.at(0).mid(5);
        c.open = tableNumber(f.at(1));
        c.close = tableNumber(f.at(2));
        c.high = tableNumber(f.at(3));
        c.low = tableNumber(f.at(4));
        c.volume = tableNumber(f.at(5));
        candles.append(c);
    }
    return candles;
}

QVector<IntradayPoint> CVNQFinancialChartImpl::parseIntradayText(const QByteArray& text)
{
    QVector<IntradayPoint> points;
    double sum = 0.0;
    for (const QStringList& f : tableRows(text)) {
        if (f.size() < 3)
            continue;
        IntradayPoint p;
        p.label = f.at(0).mid(5);
        p.price = tableNumber(f.at(1));
        p.volume = tableNumber(f.at(2));
        sum += p.price;
        p.average = sum / (points.size() + 1);
        points.append(p);
    }
    return points;
}

// --- data -------------------------------------------------------------------

void CVNQFinancialChartImpl::setDisplayMode(int mode)
{
    m_displayMode = mode;
    clearHover();
    m_chart->update();
}

void CVNQFinancialChartImpl::setCandles(const QVector<Candle>& candles)
{
    clearHover();
    replaceData(m_candles, candles);
}

void CVNQFinancialChartImpl::setIntradayPoints(const QVector<IntradayPoint>& points)
{
    clearHover();
    replaceData(m_intradayPoints, points);
}

void CVNQFinancialChartImpl::setShowMovingAverages(bool show)
{
    m_showMovingAverages = show;
    clearHover();
    m_chart->update();
}

void CVNQFinancialChartImpl::setMovingAveragePeriods(const QVector<int>& periods, const QVector<QColor>& colors)
{
    m_maPeriods = periods;
    m_maColors = colors;
    clearHover();
    m_chart->update();
}

void CVNQFinancialChartImpl::setZoomEnabled(bool enabled)
{
    m_zoom.setEnabled(enabled);
    clearHover();
    m_chart->update();
}

void CVNQFinancialChartImpl::setZoomRange(double start, double end)
{
    m_zoom.setRange(start, end);
    clearHover();
    m_chart->update();
}

// --- geometry ---------------------------------------------------------------

int CVNQFinancialChartImpl::categoryCount() const
{
    return m_displayMode == 1 ? m_intradayPoints.size() : m_candles.size();
}

QString CVNQFinancialChartImpl::categoryLabel(int index) const
{
    if (m_displayMode == 1) {
        if (index >= 0 && index < m_intradayPoints.size())
            return m_intradayPoints.at(index).label;
    } else if (index >= 0 && index < m_candles.size()) {
        return m_candles.at(index).label;
    }
    return QStringLiteral("Item %1").arg(index + 1);
}

QRectF CVNQFinancialChartImpl::plotRect(const QSize& size) const
{
    const int bottom = m_marginBottom + (m_zoom.isEnabled() ? 44 : 0);
    return QRectF(m_marginLeft, m_marginTop, qMax(size.width() - m_marginRight - m_marginLeft, 1),
                  qMax(size.height() - m_marginTop - bottom, 1));
}

bool CVNQFinancialChartImpl::movingAverage(int period, int index, double& average) const
{
    if (period < 1 || index < period - 1 || index >= m_candles.size())
        return false;
    double sum = 0.0;
    for (int i = index - period + 1; i <= index; ++i)
        sum += m_candles.at(i).close;
    average = sum / period;
    return qIsFinite(average);
}

QVector<double> CVNQFinancialChartImpl::movingAverages(int period, int first, int last) const
{
    QVector<double> out;
    if (last < first)
        return out;
    out.fill(qQNaN(), last - first + 1);
    const int end = qMin(last, m_candles.size() - 1);
    if (period < 1 || end < 0)
        return out;
    // A sliding window over the finite closes; a window holding a close
    // that is not finite has no average, as in the direct sum. The sum
    // carries what each step rounds off (Neumaier), so a close far larger
    // than the rest leaves the later windows as exact as the direct sum.
    const Candle* c = m_candles.constData();
    const int start = qMax(first - period + 1, 0);
    double sum = 0.0;
    double carry = 0.0;
    const auto add = [&](double x) {
        const double t = sum + x;
        carry += std::abs(sum) >= std::abs(x) ? (sum - t) + x : (x - t) + sum;
        sum = t;
    };
    int bad = 0;
    for (int i = start; i <= end; ++i) {
        if (qIsFinite(c[i].close))
            add(c[i].close);
        else
            ++bad;
        if (i - period >= start) {
            if (qIsFinite(c[i - period].close))
                add(-c[i - period].close);
            else
                --bad;
        }
        if (i >= first && i >= period - 1 && bad == 0) {
            const double average = (sum + carry) / period;
            if (qIsFinite(average))
                out[i - first] = average;
        }
    }
    return out;
}

void CVNQFinancialChartImpl::valueRange(int first, int last, double& lo, double& hi) const
{
    ChartValueRange range;
    if (m_displayMode == 1) {
        for (int i = qMax(first, 0); i <= qMin(last, m_intradayPoints.size() - 1); ++i) {
            range.add(m_intradayPoints.at(i).price);
            range.add(m_intradayPoints.at(i).average);
        }
    } else {
        for (int i = qMax(first, 0); i <= qMin(last, m_candles.size() - 1); ++i) {
            range.add(m_candles.at(i).low);
            range.add(m_candles.at(i).high);
        }
        if (m_displayMode == 0 && m_showMovingAverages) {
            for (int period : m_maPeriods)
                for (double average : movingAverages(period, qMax(first, 0), last))
                    range.add(average);
        }
    }
    lo = range.lo;
    hi = range.hi;
    if (!range.any)
        return;
    if (!cvnChartSeparateEnds(lo, hi))
        cvnChartPadRange(lo, hi, 0.08, 0.08, 0.0);
}

QColor CVNQFinancialChartImpl::maColor(int k) const
{
    if (!m_maColors.isEmpty())
        return m_maColors.at(k % m_maColors.size());
    return cvnChartColor(m_chart->theme(), QColor(), k);
}

double CVNQFinancialChartImpl::slotWidth(const ChartCategoryFrame& f)
{
    return f.plot.width() / qMax(f.last - f.first + 1, 1);
}

double CVNQFinancialChartImpl::bodyWidth(const ChartCategoryFrame& f)
{
    return qMax(qMin(0.58 * slotWidth(f), 18.0), 4.0);
}

QString CVNQFinancialChartImpl::tooltipText(int index) const
{
    if (index < 0 || index >= categoryCount())
        return QString();
    if (m_displayMode == 1) {
        const IntradayPoint& p = m_intradayPoints.at(index);
        return QStringLiteral("%1\nPrice: %2\nAverage: %3\nVolume: %4")
            .arg(p.label, cvnChartNumber(p.price), cvnChartNumber(p.average), cvnChartNumber(p.volume));
    }
    const Candle& c = m_candles.at(index);
    QString text = QStringLiteral("%1\nOpen: %2\nHigh: %3\nLow: %4\nClose: %5\nVolume: %6")
                       .arg(c.label, cvnChartNumber(c.open), cvnChartNumber(c.high), cvnChartNumber(c.low),
                            cvnChartNumber(c.close), cvnChartNumber(c.volume));
    if (m_displayMode == 0 && m_showMovingAverages) {
        for (int period : m_maPeriods) {
            double average = 0.0;
            if (movingAverage(period, index, average))
                text += QStringLiteral("\nMA%1: %2").arg(period).arg(cvnChartNumber(average));
        }
    }
    return text;
}

// --- mouse --------------------------------------------------------------------

bool CVNQFinancialChartImpl::handlePress(const QPoint& pos)
{
    return pressSlider(pos);
}

bool CVNQFinancialChartImpl::updateHover(const QPoint& pos)
{
    const ChartCategoryFrame f = frame(m_chart->size());
    if (!m_hoverEnabled || !m_tooltipEnabled || m_tooltipMode == ChartTooltipNone || f.count <= 0 ||
        !f.plot.adjusted(-8, -8, 8, 8).contains(QPointF(pos)))
        return dropHover();
    const int index = qBound(
        f.first, f.first + qRound(qMax(f.last - f.first, 1) * (pos.x() - f.plot.left()) / qMax(f.plot.width(), 1.0)),
        f.last);
    if (index >= f.count)
        return dropHover();
    const bool changed = setHover(index, -1, pos);
    showHoverTooltip(tooltipText(index));
    return changed;
}

// --- painting -----------------------------------------------------------------

void CVNQFinancialChartImpl::paintCandles(QPainter& painter, const ChartCategoryFrame& f)
{
    const double body = bodyWidth(f);
    // Candles appear from left to right during the intro animation.
    const int n = qMax(f.last - f.first + 1, 1);
    const int shown = qFloor(n * m_chart->animationProgress());
    const int end = qMin(f.last, m_candles.size() - 1);
    for (int i = f.first; i <= end && i - f.first <= shown; ++i) {
        const Candle& c = m_candles.at(i);
        const QColor color = c.close >= c.open ? m_upColor : m_downColor;
        painter.setPen(QPen(color, 1.3));
        painter.setBrush(color);
        const QPointF high = pointPos(f, i, c.high);
        painter.drawLine(high, pointPos(f, i, c.low));
        const double yOpen = pointPos(f, i, c.open).y();
        const double yClose = pointPos(f, i, c.close).y();
        painter.drawRect(QRectF(high.x() - body / 2, qMin(yOpen, yClose), body, qMax(qAbs(yOpen - yClose), 1.0)));
    }
}

void CVNQFinancialChartImpl::paintMovingAverages(QPainter& painter, const ChartCategoryFrame& f)
{
    for (int k = 0; k < m_maPeriods.size(); ++k) {
        const int period = m_maPeriods.at(k);
        if (period < 1)
            continue;
        QPolygonF line;
        const QVector<double> averages = movingAverages(period, f.first, f.last);
        for (int i = 0; i < averages.size(); ++i)
            if (!qIsNaN(averages.at(i)))
                line.append(pointPos(f, f.first + i, averages.at(i)));
        cvnChartPaintLine(painter, line, QPen(maColor(k), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QColor(),
                          f.plot.bottom());
    }
}

void CVNQFinancialChartImpl::paintIntraday(QPainter& painter, const ChartCategoryFrame& f)
{
    QPolygonF price;
    QPolygonF average;
    const int end = qMin(f.last, m_intradayPoints.size() - 1);
    for (int i = f.first; i <= end; ++i) {
        price.append(pointPos(f, i, m_intradayPoints.at(i).price));
        average.append(pointPos(f, i, m_intradayPoints.at(i).average));
    }
    const double width = cvnChartExtent(m_chart->theme().lineWidth, 1.0, cvnChartPainterPicture(painter));
    cvnChartPaintLine(painter, price, QPen(m_priceColor, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QColor(),
                      f.plot.bottom());
    painter.setPen(QPen(m_averageColor, 1.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(average);
}

void CVNQFinancialChartImpl::paintVolume(QPainter& painter, const ChartCategoryFrame& f)
{
    const int end = qMin(f.last, m_candles.size() - 1);
    // A volume that is not a number counts as none; a huge one cannot make
    // the tallest bar infinite.
    auto volumeOf = [](const Candle& c) { return qMax(cvnChartRangeValue(cvnChartFinite(c.volume, 0.0)), 0.0); };
    double maxVolume = 1.0;
    for (int i = f.first; i <= end; ++i)
        maxVolume = qMax(maxVolume, volumeOf(m_candles.at(i)));
    const double slot = slotWidth(f);
    const double width = qMax(qMin(0.58 * slot, 16.0), 3.0);
    painter.setPen(Qt::NoPen);
    for (int i = f.first; i <= end; ++i) {
        const Candle& c = m_candles.at(i);
        const double h = f.plot.height() * volumeOf(c) / maxVolume;
        QColor color = c.close >= c.open ? m_upColor : m_downColor;
        color.setAlpha(190);
        painter.setBrush(color);
        painter.drawRect(
            QRectF(f.plot.left() + (i - f.first + 0.5) * slot - width / 2, f.plot.bottom() - h, width, qMax(h, 1.0)));
    }
}

void CVNQFinancialChartImpl::draw(QPainter* painter, const QRect& rect)
{
    QPainter& p = *painter;
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.setFont(m_chart->font());
    const ChartTheme& theme = m_chart->theme();
    const ChartCategoryFrame f = frame(rect.size());
    const QRectF& plot = f.plot;

    p.setPen(Qt::NoPen);
    p.setBrush(theme.plotBackgroundColor);
    p.drawRoundedRect(plot, 6, 6);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme.gridColor, 1.0));
    for (int j = 0; j <= 4; ++j) {
        const double y = plot.top() + plot.height() * j * 0.25;
        const double x = plot.left() + plot.width() * j * 0.25;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    p.setPen(QPen(theme.axisColor, 1.1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    p.setPen(theme.secondaryTextColor);
    for (int j = 0; j <= 4; ++j) {
        const double y = plot.top() + plot.height() * j * 0.25;
        p.drawText(QRectF(4, y - 8, m_marginLeft - 10, 16), Qt::AlignRight | Qt::AlignVCenter,
                   cvnChartNumber(f.hi - (f.hi - f.lo) * j * 0.25));
    }
    const int step = qMax(qCeil((f.last - f.first + 1) * 0.25), 1);
    QVector<ChartAxisLabel> labels;
    for (int i = f.first; i <= f.last; i += step)
        labels.append({pointPos(f, i, f.lo).x(), categoryLabel(i)});
    cvnChartDrawAxisLabels(p, labels, plot.bottom() + 8, 84);

    if (f.count == 0) {
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("No financial data"));
    } else if (m_displayMode == 0) {
        paintCandles(p, f);
        if (m_showMovingAverages && !m_candles.isEmpty())
            paintMovingAverages(p, f);
        if (m_showMovingAverages && !m_maPeriods.isEmpty()) {
            cvnChartSetFont(p, 10, false);
            for (int k = 0; k < m_maPeriods.size(); ++k) {
                const QRectF box(plot.left() + 8 + 50.0 * k, plot.top() + 8, 46, 16);
                if (box.left() > rect.right())
                    break; // the rest lie further right
                p.setPen(maColor(k));
                p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MA%1").arg(m_maPeriods.at(k)));
            }
        }
    } else if (m_displayMode == 1) {
        paintIntraday(p, f);
    } else {
        paintVolume(p, f);
    }

    if (m_hoverActive && m_hoverIndex >= f.first && m_hoverIndex <= f.last && m_hoverIndex < f.count) {
        const double value =
            m_displayMode == 1 ? m_intradayPoints.at(m_hoverIndex).price : m_candles.at(m_hoverIndex).close;
        const QPointF at = pointPos(f, m_hoverIndex, value);
        p.setPen(QPen(theme.crosshairColor, 1.0, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
        p.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
    }

    p.setPen(theme.textColor);
    cvnChartSetFont(p, 16, true);
    cvnChartDrawText(p, QRectF(0, 14, rect.width(), 24), Qt::AlignCenter, m_title);

    paintSlider(p, plot);

    m_chart->paintTooltip(p);
    p.restore();
}

} // namespace CVNQtLib

#include "moc_CVNQFinancialChartImpl.cpp"

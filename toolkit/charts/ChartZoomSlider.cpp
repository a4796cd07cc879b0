#include "ChartZoomSlider.h"

#include "CVNQChartText.h"

#include <QPainter>
#include <QtMath>

namespace CVNQtLib {

void ChartZoomSlider::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_start = 0.0;
        m_end = 1.0;
        m_dragMode = 0;
    }
}

void ChartZoomSlider::setRange(double start, double end)
{
    m_start = start;
    m_end = end;
    normalise();
}

void ChartZoomSlider::normalise()
{
    // NaN would survive qBound and every comparison below.
    if (!qIsFinite(m_start))
        m_start = 0.0;
    if (!qIsFinite(m_end))
        m_end = 1.0;
    m_start = qBound(0.0, m_start, 1.0);
    m_end = qBound(0.0, m_end, 1.0);
    if (m_start > m_end)
        std::swap(m_start, m_end);
    if (m_end - m_start < m_minSpan) {
        if (m_dragMode == 1) {
            m_start = qMax(m_end - m_minSpan, 0.0);
            return;
        }
        m_end = qMin(m_start + m_minSpan, 1.0);
        if (m_end - m_start < m_minSpan)
            m_start = qMax(m_end - m_minSpan, 0.0);
    }
}

double ChartZoomSlider::fraction(double x, const QRectF& track) const
{
    if (track.isEmpty())
        return 0.0;
    return qBound(0.0, (x - track.left()) / qMax(track.width(), 1.0), 1.0);
}

QString ChartZoomSlider::label(int index) const
{
    if (m_labelProvider)
        return m_labelProvider(index);
    if (index >= 0 && index < m_labels.size())
        return m_labels.at(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

QRectF ChartZoomSlider::trackRect(const QRectF& plot, double offset) const
{
    if (!m_enabled || m_count < 2)
        return QRectF();
    return QRectF(plot.left(), plot.bottom() + offset, plot.width(), m_trackHeight);
}

QRectF ChartZoomSlider::selectionRect(const QRectF& track) const
{
    if (track.isEmpty())
        return QRectF();
    return QRectF(track.left() + track.width() * m_start, track.top(), qMax(track.width() * (m_end - m_start), 1.0),
                  track.height());
}

bool ChartZoomSlider::press(const QPoint& pos, const QRectF& track)
{
    if (track.isEmpty()) {
        m_dragMode = 0;
        return false;
    }
    const QRectF sel = selectionRect(track);
    const QRectF leftZone(sel.left() - 8, sel.top() - 6, 16, sel.height() + 12);
    const QRectF rightZone(sel.right() - 8, sel.top() - 6, 16, sel.height() + 12);
    const QPointF p(pos);
    if (leftZone.contains(p))
        m_dragMode = 1;
    else if (rightZone.contains(p))
        m_dragMode = 2;
    else if (sel.adjusted(0, -6, 0, 6).contains(p))
        m_dragMode = 3;
    else {
        m_dragMode = 0;
        return false;
    }
    m_pressPos = pos;
    m_pressStart = m_start;
    m_pressEnd = m_end;
    return true;
}

bool ChartZoomSlider::drag(const QPoint& pos, const QRectF& track)
{
    if (m_dragMode == 0 || track.isEmpty())
        return false;
    switch (m_dragMode) {
    case 1: m_start = qMin(fraction(pos.x(), track), m_end - m_minSpan); break;
    case 2: m_end = qMax(fraction(pos.x(), track), m_start + m_minSpan); break;
    case 3: {
        const double d = (pos.x() - m_pressPos.x()) / qMax(track.width(), 1.0);
        double s = m_pressStart + d;
        double e = m_pressEnd + d;
        if (s < 0) {
            s = 0;
            e = m_pressEnd - m_pressStart;
        }
        if (e > 1) {
            e = 1;
            s = 1 - (m_pressEnd - m_pressStart);
        }
        m_end = e;
        m_start = s;
        break;
    }
    default: break;
    }
    normalise();
    return true;
}

void ChartZoomSlider::visibleRange(int count, int& first, int& last) const
{
    if (!m_enabled || count < 2) {
        first = 0;
        last = count - 1;
        return;
    }
    first = qBound(0, int(qFloor(m_start * (count - 1))), count - 1);
    last = qMax(first, qMin(count - 1, int(qCeil(m_end * (count - 1)))));
}

int ChartZoomSlider::firstLabelIndex() const
{
    if (!m_enabled || m_count <= 1)
        return 0;
    return qMax(0, qMin(m_count - 1, int(qFloor((m_count - 1) * m_start))));
}

int ChartZoomSlider::lastLabelIndex() const
{
    if (!m_enabled || m_count <= 1)
        return m_count - 1;
    return qMax(firstLabelIndex(), qMin(m_count - 1, int(qCeil((m_count - 1) * m_end))));
}

void ChartZoomSlider::paint(QPainter& painter, const QRectF& track, bool withLabels) const
{
    if (track.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_trackColor);
    painter.drawRoundedRect(track, m_cornerRadius, m_cornerRadius);
    const QRectF sel = selectionRect(track);
    painter.setBrush(m_selectionColor);
    painter.drawRoundedRect(sel, m_cornerRadius, m_cornerRadius);

    painter.setPen(QPen(m_selectionBorderColor, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(sel, m_cornerRadius, m_cornerRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_handleColor);
    const double r = m_handleWidth / 2;
    for (double x : {sel.left(), sel.right()})
        painter.drawRoundedRect(
            QRectF(x - r, sel.top() - m_handleOverhang, m_handleWidth, sel.height() + 2 * m_handleOverhang), r, r);

    if (withLabels) {
        QFont font = painter.font();
        font.setPixelSize(m_labelFontSize);
        font.setWeight(QFont::Normal);
        painter.setFont(font);
        painter.setPen(m_labelColor);
        const double y = track.bottom() + m_labelGap;
        cvnChartDrawText(painter, QRectF(track.left(), y, 120, m_labelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         label(firstLabelIndex()));
        cvnChartDrawText(painter, QRectF(track.right() - 120, y, 120, m_labelHeight), Qt::AlignRight | Qt::AlignVCenter,
                         label(lastLabelIndex()));
    }
    painter.restore();
}

} // namespace CVNQtLib

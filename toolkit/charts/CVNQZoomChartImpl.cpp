#include "CVNQZoomChartImpl.h"

#include "CVNQChartBase.h"

namespace CVNQtLib {

ChartCategoryFrame CVNQZoomChartImpl::frame(const QSize& size) const
{
    ChartCategoryFrame f;
    f.plot = plotRect(size);
    f.count = categoryCount();
    m_zoom.visibleRange(f.count, f.first, f.last);
    valueRange(f.first, f.last, f.lo, f.hi);
    f.span = cvnChartSameValue(f.lo, f.hi) ? 1.0 : f.hi - f.lo;
    return f;
}

QRectF CVNQZoomChartImpl::sliderTrack(const QRectF& plot)
{
    m_zoom.setCount(categoryCount());
    return m_zoom.trackRect(plot, sliderOffset());
}

bool CVNQZoomChartImpl::pressSlider(const QPoint& pos)
{
    if (!m_zoom.press(pos, sliderTrack(plotRect(m_chart->size()))))
        return false;
    clearHover();
    m_chart->update();
    return true;
}

bool CVNQZoomChartImpl::handleDrag(const QPoint& pos)
{
    if (!m_zoom.isDragging() || !m_zoom.drag(pos, sliderTrack(plotRect(m_chart->size()))))
        return false;
    m_chart->update();
    return true;
}

void CVNQZoomChartImpl::handleRelease()
{
    m_zoom.release();
}

void CVNQZoomChartImpl::paintSlider(QPainter& painter, const QRectF& plot)
{
    m_zoom.setLabelProvider([this](int i) { return categoryLabel(i); });
    m_zoom.setLabelColor(m_chart->theme().secondaryTextColor);
    const QRectF track = sliderTrack(plot);
    if (!track.isEmpty())
        m_zoom.paint(painter, track, true);
}

} // namespace CVNQtLib

#include "moc_CVNQZoomChartImpl.cpp"

#pragma once

// The implementation side of a category chart with the zoom slider under
// its plot (line, financial): the slider takes presses before anything
// else, drags its handles or window, and shows the labels of the first
// and last shown categories.

#include "CVNQChartImpl.h"
#include "CVNQChartLayout.h"
#include "ChartZoomSlider.h"
#include "CVNQGlobal.h"

#include <QRectF>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQZoomChartImpl : public CVNQChartImpl
{
    Q_OBJECT
public:
    using CVNQChartImpl::CVNQChartImpl;

    ChartZoomSlider& zoom() { return m_zoom; }

    virtual QRectF plotRect(const QSize& size) const = 0;
    // Categories on the axis, and the label of one of them.
    virtual int categoryCount() const = 0;
    virtual QString categoryLabel(int index) const = 0;
    // The padded value range over the shown indices first to last.
    virtual void valueRange(int first, int last, double& lo, double& hi) const = 0;
    // Plot, categories, the shown index range and the value range.
    ChartCategoryFrame frame(const QSize& size) const;
    // The slider's track under plot, for the current category count.
    QRectF sliderTrack(const QRectF& plot);

    bool handleDrag(const QPoint& pos) override;
    void handleRelease() override;

protected:
    // How far below the plot the track lies.
    virtual double sliderOffset() const = 0;
    // A press the slider takes clears the hover target; true when taken.
    bool pressSlider(const QPoint& pos);
    // The slider with its labels, when it shows.
    void paintSlider(QPainter& painter, const QRectF& plot);

    ChartZoomSlider m_zoom;
};

} // namespace CVNQtLib

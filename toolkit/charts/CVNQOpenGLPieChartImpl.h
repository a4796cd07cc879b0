#pragma once

// State and painting of the pie chart: slices clockwise from 12 o'clock,
// a hole for donuts, outside labels with leader lines, a legend that hides
// and shows slices, hover highlighting with a tooltip, and the intro
// animation in which every slice's sweep grows from its final start angle.

#include "CVNQChartImpl.h"
#include "CVNQChartPainting.h"
#include "CVNQChartTypes.h"
#include "CVNQGlobal.h"

#include <QVector>

namespace CVNQtLib {

class CVNQOpenGLPieChart;

// One drawn slice, computed for every paint, hit test and label pass.
struct PieSliceGeometry
{
    int index = -1; // position in the slice vector
    double value = 0.0;
    double startAngle = 0.0; // degrees clockwise from 12 o'clock
    double sweep = 0.0;
    double midAngle = 0.0;
    QColor color;
};

class CVNQ_EXPORT CVNQOpenGLPieChartImpl : public CVNQChartImpl
{
    Q_OBJECT
public:
    explicit CVNQOpenGLPieChartImpl(CVNQOpenGLPieChart* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    void setSlices(const QVector<PieSlice>& slices);
    const QVector<PieSlice>& slices() const { return m_slices; }
    // Kept within [0, 0.8].
    void setInnerRadiusRatio(double ratio);
    double innerRadiusRatio() const { return m_innerRadiusRatio; }
    void setLabelsVisible(bool visible);
    bool labelsVisible() const { return m_labelsVisible; }

    // --- geometry ----------------------------------------------------------
    // Sum of the visible slices' values, negative ones counted as 0.
    double total() const;
    QVector<PieSliceGeometry> geometry() const;
    // The pie's square; its side is never negative.
    QRectF pieRect(const QSize& size) const;
    QRectF legendArea(const QRectF& pie, const QSize& size) const;
    QVector<ChartLegendItem> legendItems(const QRectF& area) const;
    // Index of the slice under pos, or -1.
    int hitTest(const QPointF& pos, const QRectF& pie) const;
    // Whether angle (degrees clockwise from 12 o'clock) lies in a slice;
    // a slice whose end passes 360 wraps over 12 o'clock.
    static bool sliceContainsAngle(double angle, double start, double sweep);

    // --- mouse -------------------------------------------------------------
    // A press on a legend entry toggles its slice; a press on a slice does nothing.
    bool handlePress(const QPoint& pos) override;
    bool updateHover(const QPoint& pos) override;

private:
    // Leader lines and labels of the slices.
    void paintLabels(QPainter& p, const QRectF& pie, const QVector<PieSliceGeometry>& records, double sum) const;

    QVector<PieSlice> m_slices;
    double m_innerRadiusRatio = 0.0;
    bool m_labelsVisible = false;
};

} // namespace CVNQtLib

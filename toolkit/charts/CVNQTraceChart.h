#pragma once

// What the monitor-style trace controls (CVNQECGChart, CVNQICDChart)
// offer alike: the caller feeds points in widget pixels, the control draws
// its trace over a transparent background, and swapData keeps the current
// picture, which then stays visible 40 px right of the next trace's tip,
// so a new sweep overwrites the old one from left to right.

#include "CVNQGlobal.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace CVNQtLib {

class CVNQTraceChartImpl;

class CVNQ_EXPORT CVNQTraceChart : public QWidget
{
    Q_OBJECT
public:
    // Appends a point and repaints; the other operations only store.
    void addData(float x, float y);
    void clearData();
    // Remove the first or last point; nothing on an empty trace.
    void popFront();
    void popBack();
    int dataSize() const;
    // The point at index; (0, 0) for an index outside the trace.
    QPointF getAt(int index) const;
    // The trace is drawn in first; second is stored only.
    void setLineColor(QColor first, QColor second);
    void setLineWeight(float weight);
    float getLineWeight() const;
    // Keeps the control's current picture; the points stay.
    void swapData();

protected:
    explicit CVNQTraceChart(QWidget* parent);
    virtual CVNQTraceChartImpl* traceImpl() const = 0;
};

} // namespace CVNQtLib
